#pragma once

#include <QString>

#include <map>

class QAction;
class QMenuBar;

// Every action of the menus by its name (its objectName), separators and the commands on the bar
// itself included. The bar owns them.
using Menuacties = std::map<QString, QAction*>;

// Fills the bar with the program's menus.
Menuacties VulMenubalk(QMenuBar& balk);
