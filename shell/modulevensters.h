#pragma once

#include <QString>
#include <QWidget>

#include <functional>
#include <map>
#include <memory>

class Dialogen;

// How a menu item shows its window: as the one module of the work area (the others close first),
// or beside whatever module is open (the stopwatch and the About box).
enum class Openwijze { Module, Ernaast };

using Vensterfabriek = std::function<std::unique_ptr<QWidget>(Dialogen&)>;

struct Modulevenster
{
    Openwijze wijze = Openwijze::Module;
    // Empty while the window does not exist yet: its menu item and toolbar button are disabled.
    Vensterfabriek maak;
};

// The window behind each menu item, by the item's name.
using Modulevensters = std::map<QString, Modulevenster>;

Modulevensters StandaardModulevensters();

// The factory of a window whose constructor takes the dialogs service.
template<class Venster> std::unique_ptr<QWidget> Maak(Dialogen& dialogen)
{
    return std::make_unique<Venster>(dialogen);
}
