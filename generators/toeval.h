#pragma once

#include <cstdint>
#include <functional>
#include <random>

// The one random source of the process: uniform in [0, 1).
double Rnd();

// Seeds the source from the clock (at main-window load and drill-window load).
void ZaaiToeval();

// Seeds the source with a fixed value, for reproducible runs in tests.
void ZaaiToeval(std::uint64_t zaad);

// A random whole number 1..n for n >= 1: the whole part of n times Rnd(), plus 1.
std::int64_t RandomTot(std::int64_t n);

// A random whole number 0..n-1 for n >= 1: the whole part of n times Rnd().
std::int64_t RandomIndex(std::int64_t n);

// While it lives, the source draws from a stream of its own that starts from `zaad`; afterwards the process's
// stream goes on where it was. What is made inside depends on `zaad` alone, and the next draws outside do not
// depend on it.
class EigenToeval
{
public:
    explicit EigenToeval(std::uint64_t zaad);
    ~EigenToeval();
    EigenToeval(const EigenToeval&) = delete;
    EigenToeval& operator=(const EigenToeval&) = delete;

private:
    std::mt19937_64 m_buiten;
};

// Calls `trekking` once for every way its whole-number draws (RandomIndex, RandomTot and everything built on
// them) can fall: each draw takes every value in turn instead of a random one. So a rule can be counted
// exhaustively from its own code. `trekking` must make finitely many draws on every path and must not call
// Rnd() itself, which stays random.
void ElkeTrekking(const std::function<void()>& trekking);
