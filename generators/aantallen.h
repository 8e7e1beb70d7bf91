#pragma once

#include "bewerkingen.h"
#include "getalbereiken.h"
#include "tafels.h"

#include <cstdint>
#include <string>
#include <vector>

// How many different exercises (Links, operator and Rechts) the generators can make for a choice, counted exactly
// from their rules rather than by trying.

// The four-operation generators at a maximum, with or without a bridge: closed forms and a count over the four
// places the bridge rule looks at, instant for every 32-bit maximum.
std::uint64_t AantalOefeningen(Bewerkingskeuze keuze, std::int64_t maximum, bool brug);

// The worksheet's mixed table sheets: the multiplications, the divisions or both of the ticked tables.
std::uint64_t AantalTafeloefeningen(const Tafels& tafels, bool maal, bool deel);

// Kinds of one range together, each kind's draws gone through exhaustively (once per kind, then remembered); an
// exercise that two kinds can both give counts once.
std::uint64_t AantalSoortoefeningen(const Getalbereik& bereik, const std::vector<std::string>& soorten);
