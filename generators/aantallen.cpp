#include "aantallen.h"

#include "toeval.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <iterator>
#include <map>
#include <utility>

namespace {

using Aantal = std::uint64_t;

// The exercises of a rule as numbers that are equal exactly when the exercises are. Links and Rechts of the
// table and place-value generators lie in 0..2^30.
using Sleutels = std::vector<Aantal>;

Aantal Sleutel(std::int64_t links, char teken, std::int64_t rechts)
{
    const Aantal code = teken == '+' ? 0 : teken == '-' ? 1 : teken == 'x' ? 2 : 3;
    return (static_cast<Aantal>(links) << 32) | (static_cast<Aantal>(rechts) << 2) | code;
}

void Sorteer(Sleutels& sleutels)
{
    std::ranges::sort(sleutels);
    const auto dubbel = std::ranges::unique(sleutels);
    sleutels.erase(dubbel.begin(), dubbel.end());
}

// Pairs Links, Rechts of at least 1 with Links + Rechts at most m: the additions with a bridge allowed, and as
// many subtractions (Links - Rechts of at least 1, Links at most m).
Aantal Paren(std::int64_t m)
{
    return m < 2 ? 0 : static_cast<Aantal>(m) * static_cast<Aantal>(m - 1) / 2;
}

// For s = 0..9999: the pairs of four-digit parts that add up to s without a carry in any of the four places (each
// digit d of s can be made in d + 1 ways), summed over 0..s.
const std::array<Aantal, 10000>& ZonderOverdrachtTot()
{
    static const std::array<Aantal, 10000> tabel = [] {
        std::array<Aantal, 10000> t {};
        Aantal som = 0;
        for (int s = 0; s < 10000; ++s) {
            som += static_cast<Aantal>((s % 10 + 1) * (s / 10 % 10 + 1) * (s / 100 % 10 + 1) * (s / 1000 + 1));
            t[static_cast<std::size_t>(s)] = som;
        }
        return t;
    }();
    return tabel;
}

// Additions without a bridge: no carry in the units, tens, hundreds and thousands (the places the rule looks at);
// the ten-thousands and up, h in all, add freely in h + 1 ways. A subtraction without a borrow is such an addition
// read backwards (Links - Rechts = Uitkomst exactly when Uitkomst + Rechts = Links), so both count alike.
Aantal ZonderBrug(std::int64_t m)
{
    if (m < 2)
        return 0;
    Aantal paren = 0;
    for (std::int64_t h = 0; h * 10000 <= m; ++h)
        paren += static_cast<Aantal>(h + 1)
            * ZonderOverdrachtTot()[static_cast<std::size_t>(std::min<std::int64_t>(9999, m - h * 10000))];
    // Without the pairs with a 0: Links 0 with Rechts 0..m, and the other way round.
    return paren - 2 * static_cast<Aantal>(m) - 1;
}

// Pairs of factors of at least 2 with a product of at most m: the free multiplications, and as many free divisions
// (Links = quotient x divisor, both at least 2). From the sum of m / i over i = 1..m, by the divisor hyperbola.
Aantal Producten(std::int64_t m)
{
    if (m < 4)
        return 0;
    const auto wortel = static_cast<std::int64_t>(std::sqrt(static_cast<double>(m)));
    std::int64_t s = wortel + 1;
    while (s * s > m)
        --s;
    Aantal som = 0;
    for (std::int64_t i = 1; i <= s; ++i)
        som += static_cast<Aantal>(m / i);
    const Aantal deelsom = 2 * som - static_cast<Aantal>(s * s);
    // Without the factor 1 on either side: m pairs each, (1, 1) counted twice.
    return deelsom - 2 * static_cast<Aantal>(m) + 1;
}

Aantal PlusOfMin(std::int64_t m, bool brug)
{
    return brug ? Paren(m) : ZonderBrug(m);
}

const Sleutels& AlleVanSoort(const Getalbereik& bereik, const std::string& soort)
{
    static std::map<std::pair<const Getalbereik*, std::string>, Sleutels> onthouden;
    const auto [plaats, nieuw] = onthouden.try_emplace({&bereik, soort});
    if (nieuw) {
        bereik.doorloop(soort, [&](std::int64_t links, char teken, std::int64_t rechts) {
            plaats->second.push_back(Sleutel(links, teken, rechts));
        });
        Sorteer(plaats->second);
    }
    return plaats->second;
}

Sleutels Verenig(const Sleutels& a, const Sleutels& b)
{
    Sleutels samen;
    samen.reserve(a.size() + b.size());
    std::ranges::set_union(a, b, std::back_inserter(samen));
    return samen;
}

} // namespace

std::uint64_t AantalOefeningen(Bewerkingskeuze keuze, std::int64_t maximum, bool brug)
{
    switch (keuze) {
    case Bewerkingskeuze::Plus:
    case Bewerkingskeuze::Min:
        return PlusOfMin(maximum, brug);
    case Bewerkingskeuze::PlusOfMin:
        return 2 * PlusOfMin(maximum, brug);
    case Bewerkingskeuze::Maal:
    case Bewerkingskeuze::Deel:
        return Producten(maximum);
    case Bewerkingskeuze::MaalOfDeel:
        return 2 * Producten(maximum);
    case Bewerkingskeuze::Alles:
        return 2 * PlusOfMin(maximum, brug) + 2 * Producten(maximum);
    }
    return 0;
}

std::uint64_t AantalTafeloefeningen(const Tafels& tafels, bool maal, bool deel)
{
    Sleutels sleutels;
    const std::pair<Tafeltrekking, bool> soorten[] = {{TrekMaal, maal}, {TrekDeel, deel}};
    for (const auto& [trek, gekozen] : soorten) {
        if (!gekozen)
            continue;
        ElkeTrekking([&] {
            if (const std::optional<Opgave> o = trek(tafels))
                sleutels.push_back(Sleutel(o->Links, o->Bewerking.at(0), o->Rechts));
        });
    }
    Sorteer(sleutels);
    return sleutels.size();
}

std::uint64_t AantalSoortoefeningen(const Getalbereik& bereik, const std::vector<std::string>& soorten)
{
    Sleutels samen;
    for (const std::string& soort : soorten)
        samen = Verenig(samen, AlleVanSoort(bereik, soort));
    return samen.size();
}
