#pragma once

#include <cstdint>

// The one random source of the process: uniform in [0, 1).
double Rnd();

// Seeds the source from the clock (at main-window load and drill-window load).
void ZaaiToeval();

// Seeds the source with a fixed value, for reproducible runs in tests.
void ZaaiToeval(std::uint64_t zaad);

// Int(n * Rnd()) + 1: a random whole number 1..n for n >= 1.
std::int64_t RandomTot(std::int64_t n);

// Int(n * Rnd()): a random whole number 0..n-1 for n >= 1.
std::int64_t RandomIndex(std::int64_t n);
