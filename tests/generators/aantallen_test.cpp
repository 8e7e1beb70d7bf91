#include "aantallen.h"
#include "brug.h"
#include "toeval.h"

#include <gtest/gtest.h>

#include <chrono>
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
// mixes only choose among these.)
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
}

// The largest maxima the module accepts are counted at once and without overflow.
TEST(Aantallen, GroteMaximaMeteen)
{
    const auto begin = std::chrono::steady_clock::now();
    const std::int64_t grootste = std::numeric_limits<std::int32_t>::max();
    const std::uint64_t met = AantalOefeningen(Bewerkingskeuze::Alles, grootste, true);
    const std::uint64_t zonder = AantalOefeningen(Bewerkingskeuze::Alles, grootste, false);
    const std::uint64_t producten = AantalOefeningen(Bewerkingskeuze::MaalOfDeel, grootste, true);
    EXPECT_LT(std::chrono::steady_clock::now() - begin, std::chrono::milliseconds(200));
    // Each product of two factors below the maximum: fewer than the maximum times the harmonic sum.
    EXPECT_GT(producten, 2U * 40'000'000'000U);
    EXPECT_LT(producten, 2U * 50'000'000'000U);
    EXPECT_GT(zonder, producten);
    EXPECT_LT(zonder, met);
    EXPECT_EQ(met - producten, 2U * (static_cast<std::uint64_t>(grootste) * (grootste - 1) / 2));
}

// The worksheet's table sheets: ten per ticked table and operation, the same product in two tables counted twice.
TEST(Aantallen, Tafels)
{
    for (const std::vector<int>& tafels : {std::vector {7}, std::vector {2, 3}, std::vector {1, 5, 10}}) {
        Tafels gekozen {};
        std::set<Drietal> maal, deel;
        for (const int t : tafels) {
            gekozen[static_cast<std::size_t>(t - 1)] = true;
            for (int f = 1; f <= 10; ++f) {
                maal.insert({f, "x", t});
                deel.insert({f * t, ":", t});
            }
        }
        EXPECT_EQ(AantalTafeloefeningen(gekozen, true, false), maal.size());
        EXPECT_EQ(AantalTafeloefeningen(gekozen, false, true), deel.size());
        EXPECT_EQ(AantalTafeloefeningen(gekozen, true, true), maal.size() + deel.size());
    }
}

struct Soorten
{
    BereikIndex bereik;
    std::vector<std::string> soorten;
};

// Kinds of every range, alone and together (kinds that share exercises among them), against what their generator
// gave in many calls.
TEST(Aantallen, PlaatswaardeZoalsDeGeneratorMaakt)
{
    const std::vector<Soorten> gevallen {
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
    ZaaiToeval(32);
    for (const Soorten& geval : gevallen) {
        const Getalbereik& bereik = BereikVan(geval.bereik);
        std::size_t beurt = 0;
        const std::size_t gezien = Gezien([&] { return bereik.maak(geval.soorten[beurt++ % geval.soorten.size()]); },
            60000 * static_cast<int>(geval.soorten.size()));
        EXPECT_EQ(AantalSoortoefeningen(bereik, geval.soorten), gezien) << geval.soorten.front();
    }
}

// Going through every draw visits each combination of values once, and leaves the random source as it was.
TEST(Aantallen, ElkeTrekkingEenKeer)
{
    ZaaiToeval(5);
    const double verwacht = [] {
        ZaaiToeval(5);
        return Rnd();
    }();
    ZaaiToeval(5);
    std::multiset<std::tuple<std::int64_t, std::int64_t, std::int64_t>> paden;
    ElkeTrekking([&] {
        const std::int64_t a = RandomTot(3);
        // A draw that only some paths make.
        const std::int64_t b = a == 2 ? RandomIndex(4) : -1;
        paden.insert({a, b, RandomTot(2)});
    });
    EXPECT_EQ(paden.size(), 2U + 2U + 4U * 2U);
    EXPECT_EQ(std::set(paden.begin(), paden.end()).size(), paden.size());
    EXPECT_EQ(Rnd(), verwacht);
}
