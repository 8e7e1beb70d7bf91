#pragma once

#include "opgave.h"

#include <array>
#include <cstdint>
#include <optional>

// The times tables 1..10, each ticked or not: Tafels[t - 1] for the table of t.
using Tafels = std::array<bool, 10>;

// One draw from the tables 1..10: a factor 1..10 times a table 1..10, Links then Rechts (7 x 3 for the table
// of 3); empty when the drawn table is not ticked. A division draws the divisor and then the quotient 1..10
// (21 : 3). These draw and check nothing else; each maker below adds its own rule.
std::optional<Opgave> TrekMaal(const Tafels& tafels);
std::optional<Opgave> TrekDeel(const Tafels& tafels);

// The times-table window's makers: an exercise of a ticked table whose answer differs from `vorige`, the answer of
// the window's previous exercise (its own, not the shared one of the other generators). With no table ticked the
// exercise is empty (Links and Rechts 0, no Uitkomst).
Opgave MaakMaalOefening(const Tafels& tafels, std::int64_t vorige);
Opgave MaakDeelOefening(const Tafels& tafels, std::int64_t vorige);
// A division with probability 100/200, otherwise a multiplication.
Opgave MaakTafelOefening(const Tafels& tafels, std::int64_t vorige);

// The worksheet's mixed table sheets draw their candidates with TrekMaal and TrekDeel (the other number 1..10; the
// sheet adds its own repeat rule). A slot of a sheet of both is a division with probability 101/200 (a draw 1..200
// of 100 or more), otherwise a multiplication: chosen once per slot, for all of its candidates.
using Tafeltrekking = std::optional<Opgave> (*)(const Tafels&);
Tafeltrekking KiesBladTafeltrekking();
