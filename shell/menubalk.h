#pragma once

#include <QString>

#include <map>

class QAction;
class QMenuBar;

// Fills the bar with the program's menus. Returns every action by its name (its objectName),
// separators and the commands on the bar itself included.
std::map<QString, QAction*> VulMenubalk(QMenuBar& balk);
