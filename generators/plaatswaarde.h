#pragma once

#include "opgave.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// Place-value exercise generators for the ranges to 20, 100, 1000, 10,000 and 100,000.
// Each takes a kind code from its table (compared exactly) and returns its exercise.
Opgave MaakTwintig(const std::string& soort);
Opgave MaakHonderd(const std::string& soort);
Opgave MaakDuizend(const std::string& soort);
Opgave MaakTienduizend(const std::string& soort);
Opgave MaakHonderdduizend(const std::string& soort);

// The kind codes each generator knows, in its table order.
const std::vector<std::string>& SoortenTwintig();
const std::vector<std::string>& SoortenHonderd();
const std::vector<std::string>& SoortenDuizend();
const std::vector<std::string>& SoortenTienduizend();
const std::vector<std::string>& SoortenHonderdduizend();

// Every exercise a kind can give: Links, the operator and Rechts once for every way the kind's draws can fall
// that meets its condition (so the same exercise may come more than once). Nothing for an unknown code. For
// counting how many different exercises a choice of kinds allows.
using Opgavebezoek = std::function<void(std::int64_t links, char teken, std::int64_t rechts)>;
void DoorloopTwintig(const std::string& soort, const Opgavebezoek& bezoek);
void DoorloopHonderd(const std::string& soort, const Opgavebezoek& bezoek);
void DoorloopDuizend(const std::string& soort, const Opgavebezoek& bezoek);
void DoorloopTienduizend(const std::string& soort, const Opgavebezoek& bezoek);
void DoorloopHonderdduizend(const std::string& soort, const Opgavebezoek& bezoek);
