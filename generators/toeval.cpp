#include "toeval.h"

#include <chrono>
#include <cmath>
#include <random>

namespace {

std::mt19937_64& bron()
{
    static std::mt19937_64 generator {5489u};
    return generator;
}

} // namespace

double Rnd()
{
    // 53 random bits scaled into [0, 1): never 1.0, unlike some generate_canonical versions.
    return static_cast<double>(bron()() >> 11) * 0x1.0p-53;
}

void ZaaiToeval()
{
    const auto nu = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    bron().seed(static_cast<std::uint64_t>(nu));
}

void ZaaiToeval(std::uint64_t zaad)
{
    bron().seed(zaad);
}

std::int64_t RandomIndex(std::int64_t n)
{
    return static_cast<std::int64_t>(std::floor(static_cast<double>(n) * Rnd()));
}

std::int64_t RandomTot(std::int64_t n)
{
    return RandomIndex(n) + 1;
}
