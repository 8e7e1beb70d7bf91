#include "werkopgave.h"

#include "toeval.h"

#include <limits>

Opgave& Werkopgave()
{
    static Opgave opgave;
    return opgave;
}

std::string Som(const Opgave& opgave)
{
    return std::to_string(opgave.Links) + opgave.Bewerking + std::to_string(opgave.Rechts);
}

void ResetOpgave()
{
    Werkopgave() = Opgave {};
}

void OnthoudVorigeUitkomst()
{
    const std::int64_t u = Werkopgave().Uitkomst.value_or(0);
    // Answers of a workable exercise always fit; clamp anything else instead of wrapping.
    constexpr std::int64_t laag = std::numeric_limits<std::int32_t>::min();
    constexpr std::int64_t hoog = std::numeric_limits<std::int32_t>::max();
    Werkopgave().VorigeUitkomst = static_cast<std::int32_t>(u < laag ? laag : (u > hoog ? hoog : u));
}

std::int64_t RandomCijfer()
{
    return RandomTot(9);
}

std::int64_t RandomTweecijferig()
{
    const std::int64_t d1 = RandomCijfer();
    const std::int64_t d2 = RandomCijfer();
    return 10 * d1 + d2;
}

std::int64_t RandomDriecijferig()
{
    const std::int64_t d1 = RandomCijfer();
    const std::int64_t d2 = RandomCijfer();
    const std::int64_t d3 = RandomCijfer();
    return 100 * d1 + 10 * d2 + d3;
}

std::int64_t Eenheden(std::int64_t x)
{
    return x % 10;
}

std::int64_t Tientallen(std::int64_t x)
{
    return (x / 10) % 10;
}

std::int64_t Honderdtallen(std::int64_t x)
{
    return (x / 100) % 10;
}

std::int64_t Duizendtallen(std::int64_t x)
{
    return (x / 1000) % 10;
}
