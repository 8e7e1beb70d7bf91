#pragma once

#include <string>
#include <vector>

// Place-value exercise generators for the ranges to 20, 100, 1000, 10,000 and 100,000.
// Each takes a kind code from its table (compared exactly) and leaves its exercise in Opgave.
void MaakTwintig(const std::string& soort);
void MaakHonderd(const std::string& soort);
void MaakDuizend(const std::string& soort);
void MaakTienduizend(const std::string& soort);
void MaakHonderdduizend(const std::string& soort);

// The kind codes each generator knows, in its table order.
const std::vector<std::string>& SoortenTwintig();
const std::vector<std::string>& SoortenHonderd();
const std::vector<std::string>& SoortenDuizend();
const std::vector<std::string>& SoortenTienduizend();
const std::vector<std::string>& SoortenHonderdduizend();
