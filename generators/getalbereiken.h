#pragma once

#include "opgave.h"
#include "plaatswaarde.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

// Boxes that stand together under one heading; a range without groups shows all its boxes as one block.
struct Soortgroep
{
    std::string_view kop; // "Zonder brug", "Met brug"
    int eerste = 0; // index of the first box
    int aantal = 0;
};

// One number range of the place-value exercises as the drill window and the worksheet page offer it: the kind
// boxes with the kind code each hands to the generator, their groups and the range's names. Both the drill and the
// worksheet page are built from it, so each range's kinds are listed once.
struct Getalbereik
{
    std::string_view tabSoort; // the range's name on the worksheet: "Twintig", "Honderd", ...
    std::string_view drillTitel; // caption of its drill window: "Tellen tot honderd"
    std::string_view bladTitel; // title of its worksheet: "Tellen tot 100"
    std::vector<std::string> drillSoorten; // the drill's boxes by index
    // The worksheet page's boxes by index: the drill's, except where a range says otherwise (Honderd).
    std::vector<std::string> bladSoorten;
    std::vector<Soortgroep> groepen;
    Opgave (*maak)(const std::string& soort);
    void (*doorloop)(const std::string& soort, const Opgavebezoek& bezoek); // every exercise a kind can give
};

// The five ranges: to 20, 100, 1000, 10,000 and 100,000, in this order.
const std::array<Getalbereik, 5>& Getalbereiken();

enum class BereikIndex { Twintig, Honderd, Duizend, Tienduizend, Honderdduizend };

const Getalbereik& BereikVan(BereikIndex index);
