#include "aantallen.h"
#include "brug.h"
#include "toeval.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <limits>
#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace {

using Drietal = std::tuple<std::int64_t, std::string, std::int64_t>;

struct Tellingen
{
    std::uint64_t plus = 0, min = 0, maal = 0, deel = 0;

    std::uint64_t Van(Bewerkingskeuze keuze) const
    {
        const std::uint64_t per[] = {plus, min, plus + min, maal, deel, maal + deel, plus + min + maal + deel};
        return per[static_cast<int>(keuze) - 1];
    }
};

// Every pair of numbers tried: the exercises that the rules allow with an answer (or a Links, for a subtraction)
// above `vanaf` and at most m.
Tellingen TelAlles(std::int64_t m, bool brug, std::int64_t vanaf = 0)
{
    Tellingen t;
    for (std::int64_t l = 1; l <= m; ++l) {
        for (std::int64_t r = std::max<std::int64_t>(1, vanaf + 1 - l); l + r <= m; ++r)
            t.plus += brug || !MetBrug(l, r, '+') ? 1 : 0;
        for (std::int64_t r = 1; l > vanaf && r < l; ++r)
            t.min += brug || !MetBrug(l, r, '-') ? 1 : 0;
        for (std::int64_t r = 2; l >= 2 && l * r <= m; ++r)
            t.maal += l * r > vanaf ? 1 : 0;
        for (std::int64_t r = 2; l > vanaf && r <= l; ++r)
            t.deel += l % r == 0 && l / r >= 2 ? 1 : 0;
    }
    return t;
}

// The different exercises that many calls of a generator gave.
std::size_t Gezien(const std::function<Opgave()>& maak, int keer)
{
    std::set<Drietal> gezien;
    for (int i = 0; i < keer; ++i) {
        const Opgave o = maak();
        gezien.insert({o.Links, o.Bewerking, o.Rechts});
    }
    return gezien.size();
}

} // namespace

// The counts against every pair of numbers tried, around the small maxima where exercises start to exist, at 10
// where the bridge options switch off, and past 10,000 and 20,000 (only the pairs added there), where the bridge
// rule no longer looks at the digits.
TEST(Aantallen, VierBewerkingenZoalsAlleParenGeteld)
{
    const std::pair<std::int64_t, std::int64_t> gevallen[] {{0, 0}, {0, 1}, {0, 2}, {0, 3}, {0, 4}, {0, 5}, {0, 6},
        {0, 10}, {0, 11}, {0, 20}, {0, 99}, {0, 100}, {0, 1234}, {9990, 10099}, {19999, 20050}};
    for (const auto& [vanaf, m] : gevallen) {
        for (const bool brug : {true, false}) {
            const Tellingen geteld = TelAlles(m, brug, vanaf);
            for (int keuze = 1; keuze <= 7; ++keuze) {
                const auto k = static_cast<Bewerkingskeuze>(keuze);
                const std::uint64_t erbij = AantalOefeningen(k, m, brug) - AantalOefeningen(k, vanaf, brug);
                EXPECT_EQ(erbij, geteld.Van(k)) << m << " " << keuze << " " << brug;
            }
        }
    }
}

// What the generators themselves make: every exercise they can give turns up among many calls, and no other. (The
// mixes only choose among these.) Kinds of every range, alone and together (kinds that share exercises among them),
// the same.
TEST(Aantallen, ZoveelAlsDeGeneratorenMaken)
{
    ZaaiToeval(31);
    for (const std::int32_t m : {7, 45}) {
        for (const auto k :
            {Bewerkingskeuze::Plus, Bewerkingskeuze::Min, Bewerkingskeuze::Maal, Bewerkingskeuze::Deel}) {
            for (const bool brug : {true, false}) {
                EXPECT_EQ(Gezien([&] { return MaakBewerking(k, m, brug); }, 40000), AantalOefeningen(k, m, brug))
                    << m << " " << static_cast<int>(k) << " " << brug;
            }
        }
    }
    const std::vector<std::pair<BereikIndex, std::vector<std::string>>> soorten {
        {BereikIndex::Twintig, {"T+E"}},
        {BereikIndex::Twintig, {"E+E", "TE-Emb", "E+TE"}},
        {BereikIndex::Honderd, {"TE-E=T"}},
        {BereikIndex::Honderd, {"TE-E=T", "TE-E", "TE-T=TE"}},
        {BereikIndex::Honderd, {"TE+TE"}},
        {BereikIndex::Duizend, {"HT+Tmb", "D-HT", "H-T"}},
        {BereikIndex::Duizend, {"HTE+TE=H"}},
        {BereikIndex::Tienduizend, {"DHT+HT=DH", "D-TE=DHTE"}},
        {BereikIndex::Honderdduizend, {"TD D-TD D=TD D", "TD-TD=TD"}},
    };
    for (const auto& [index, codes] : soorten) {
        const Getalbereik& bereik = BereikVan(index);
        std::size_t beurt = 0;
        const std::size_t gezien = Gezien(
            [&] { return bereik.maak(codes[beurt++ % codes.size()]); }, 60000 * static_cast<int>(codes.size()));
        EXPECT_EQ(AantalSoortoefeningen(bereik, codes), gezien) << codes.front();
    }
}

// The largest maximum the mental arithmetic accepts is counted at once, without overflow: with a bridge, every pair
// with a sum (or Links) up to it; fewer without; both far above the products.
TEST(Aantallen, GrootsteMaximumMeteen)
{
    const auto begin = std::chrono::steady_clock::now();
    const std::int64_t m = std::numeric_limits<std::int32_t>::max();
    const std::uint64_t met = AantalOefeningen(Bewerkingskeuze::Plus, m, true);
    const std::uint64_t zonder = AantalOefeningen(Bewerkingskeuze::Plus, m, false);
    const std::uint64_t producten = AantalOefeningen(Bewerkingskeuze::Maal, m, true);
    EXPECT_LT(std::chrono::steady_clock::now() - begin, std::chrono::milliseconds(200));
    EXPECT_EQ(met, static_cast<std::uint64_t>(m) * (m - 1) / 2);
    EXPECT_GT(zonder, 1'000'000'000'000U);
    EXPECT_LT(zonder, met);
    // Dirichlet: the pairs i x j up to m are m (ln m + 2 gamma - 1) give or take a few times the square root of m.
    const double euler = 0.5772156649015329, dm = static_cast<double>(m);
    EXPECT_NEAR(static_cast<double>(producten), dm * (std::log(dm) + 2 * euler - 1) - 2 * dm, 1e6);
    EXPECT_EQ(AantalOefeningen(Bewerkingskeuze::Alles, m, false), 2 * zonder + 2 * producten);
}
