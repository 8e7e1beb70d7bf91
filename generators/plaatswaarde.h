#pragma once

#include "opgave.h"

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
