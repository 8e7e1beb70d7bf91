#include "bewerkingen.h"
#include "opgave.h"
#include "toeval.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <limits>
#include <map>
#include <set>

namespace {

bool OptellingMetBrug(std::int64_t l, std::int64_t r)
{
    for (std::int64_t plaats = 1; plaats <= 1000; plaats *= 10) {
        if ((l / plaats) % 10 + (r / plaats) % 10 > 9)
            return true;
    }
    return false;
}

bool AftrekkingMetBrug(std::int64_t l, std::int64_t r)
{
    for (std::int64_t plaats = 1; plaats <= 1000; plaats *= 10) {
        if ((r / plaats) % 10 > (l / plaats) % 10)
            return true;
    }
    return false;
}

struct Geval
{
    const char* naam;
    std::function<void()> maak;
    const char* bewerking;
    const char* omschrijving;
    std::function<bool(std::int64_t l, std::int64_t r, std::int64_t u)> geldig;
};

class Generatoren : public ::testing::TestWithParam<Geval>
{
protected:
    void SetUp() override
    {
        ResetOpgave();
        ZaaiToeval(2024);
    }
};

} // namespace

TEST_P(Generatoren, ElkeOefeningVoldoetEnHerhaaltNooitHetVorigeAntwoord)
{
    const Geval& g = GetParam();
    std::set<std::int64_t> antwoorden;
    for (int i = 0; i < 4000; ++i) {
        const std::int64_t vorige = Opgave.Uitkomst.value_or(0);
        g.maak();
        ASSERT_TRUE(Opgave.Uitkomst.has_value());
        const std::int64_t u = *Opgave.Uitkomst;
        EXPECT_EQ(Opgave.VorigeUitkomst, vorige);
        ASSERT_NE(u, vorige) << Opgave.Links << Opgave.Bewerking << Opgave.Rechts;
        ASSERT_TRUE(g.geldig(Opgave.Links, Opgave.Rechts, u))
            << Opgave.Links << Opgave.Bewerking << Opgave.Rechts << "=" << u;
        EXPECT_EQ(Opgave.Bewerking, g.bewerking);
        EXPECT_EQ(Opgave.Omschrijving, g.omschrijving);
        antwoorden.insert(u);
    }
    EXPECT_GE(antwoorden.size(), 2u);
}

INSTANTIATE_TEST_SUITE_P(VierBewerkingen, Generatoren,
    ::testing::Values(
        Geval {"OptellingZonderBrug", [] { MaakOptelling(20, false); }, "+", "Optelling zonder brug tot 20",
            [](auto l, auto r, auto u) {
                return u == l + r && u <= 20 && l >= 1 && r >= 1 && !OptellingMetBrug(l, r);
            }},
        Geval {"OptellingZonderBrugVierPlaatsen", [] { MaakOptelling(9999, false); }, "+",
            "Optelling zonder brug tot 9999",
            [](auto l, auto r, auto u) { return u == l + r && u <= 9999 && !OptellingMetBrug(l, r); }},
        Geval {"OptellingMetBrug", [] { MaakOptelling(50, true); }, "+", "Optelling met brug tot 50",
            [](auto l, auto r, auto u) { return u == l + r && u <= 50 && l >= 1 && r >= 1; }},
        Geval {"AftrekkingZonderBrug", [] { MaakAftrekking(1000, false); }, "-", "Aftrekking zonder brug tot 1000",
            [](auto l, auto r, auto u) { return u == l - r && u >= 1 && l <= 1000 && !AftrekkingMetBrug(l, r); }},
        Geval {"AftrekkingMetBrug", [] { MaakAftrekking(100, true); }, "-", "Aftrekking met brug tot 100",
            [](auto l, auto r, auto u) { return u == l - r && u >= 1 && l <= 100; }},
        Geval {"VrijeVermenigvuldiging", [] { MaakMaaltafel(100, 0); }, "x", "Vermenigvuldiging tot 100",
            [](auto l, auto r, auto u) { return u == l * r && u <= 100 && l >= 2 && r >= 2; }},
        Geval {"VrijeDeling", [] { MaakDeeltafel(100, 0); }, ":", "Deling tot 100",
            [](auto l, auto r, auto u) { return l == u * r && u >= 2 && r >= 2 && l <= 100; }},
        Geval {"VrijeDelingGrootMaximum", [] { MaakDeeltafel(100000, 0); }, ":", "Deling tot 100000",
            [](auto l, auto r, auto u) { return l == u * r && u >= 2 && r >= 2 && l <= 100000; }}),
    [](const ::testing::TestParamInfo<Geval>& p) { return std::string(p.param.naam); });

TEST(Bewerkingen, MetBrugMagMaarMoetNiet)
{
    ZaaiToeval(3);
    ResetOpgave();
    bool metBrug = false, zonderBrug = false;
    for (int i = 0; i < 2000; ++i) {
        MaakOptelling(20, true);
        (OptellingMetBrug(Opgave.Links, Opgave.Rechts) ? metBrug : zonderBrug) = true;
    }
    EXPECT_TRUE(metBrug);
    EXPECT_TRUE(zonderBrug);
}

TEST(Bewerkingen, BrugVoorbijDeDuizendtallenWordtNietGetest)
{
    ZaaiToeval(4);
    ResetOpgave();
    bool tienduizendtallenMetBrug = false;
    for (int i = 0; i < 4000 && !tienduizendtallenMetBrug; ++i) {
        MaakOptelling(200000, false);
        tienduizendtallenMetBrug = (Opgave.Links / 10000) % 10 + (Opgave.Rechts / 10000) % 10 > 9;
    }
    EXPECT_TRUE(tienduizendtallenMetBrug);
}

TEST(Bewerkingen, TafelsHebbenVasteRechterfactorEnMogenHerhalen)
{
    ZaaiToeval(5);
    ResetOpgave();
    std::set<std::int64_t> links;
    bool herhaald = false;
    std::int64_t vorige = -1;
    for (int i = 0; i < 500; ++i) {
        MaakMaaltafel(100, 7);
        ASSERT_EQ(Opgave.Rechts, 7);
        ASSERT_EQ(*Opgave.Uitkomst, Opgave.Links * 7);
        links.insert(Opgave.Links);
        herhaald = herhaald || *Opgave.Uitkomst == vorige;
        vorige = *Opgave.Uitkomst;
        EXPECT_EQ(Opgave.Omschrijving, "Maaltafel van 7");
        EXPECT_EQ(Opgave.Bewerking, "x");
    }
    EXPECT_EQ(links, (std::set<std::int64_t> {1, 2, 3, 4, 5, 6, 7, 8, 9}));
    EXPECT_TRUE(herhaald);

    MaakDeeltafel(50, 6);
    EXPECT_EQ(Opgave.Rechts, 6);
    EXPECT_EQ(Opgave.Links, 6 * *Opgave.Uitkomst);
    EXPECT_GE(*Opgave.Uitkomst, 1);
    EXPECT_LE(*Opgave.Uitkomst, 9);
    EXPECT_EQ(Opgave.Omschrijving, "Deeltafel van 6");
    EXPECT_EQ(Opgave.Bewerking, ":");
}

TEST(Bewerkingen, VorigAntwoordGeldtOverGeneratorenHeen)
{
    ZaaiToeval(6);
    for (int i = 0; i < 2000; ++i) {
        ResetOpgave();
        Opgave.Uitkomst = 12;
        MaakMaaltafel(100, 0);
        ASSERT_EQ(Opgave.VorigeUitkomst, 12);
        ASSERT_NE(*Opgave.Uitkomst, 12);
        Opgave.Uitkomst = 12;
        MaakVierBewerkingen(20, true);
        ASSERT_NE(*Opgave.Uitkomst, 12);
    }
}

TEST(Bewerkingen, EersteOefeningTeltVorigAntwoordAlsNul)
{
    ResetOpgave();
    EXPECT_FALSE(Opgave.Uitkomst.has_value());
    ZaaiToeval(8);
    MaakAftrekking(10, true);
    EXPECT_EQ(Opgave.VorigeUitkomst, 0);
    EXPECT_TRUE(Opgave.Uitkomst.has_value());
}

TEST(Bewerkingen, MengkansenZoalsOntworpen)
{
    ZaaiToeval(9);
    ResetOpgave();
    constexpr int n = 40000;
    std::map<std::string, int> plusOfMin, maalOfDeel, vier;
    for (int i = 0; i < n; ++i) {
        MaakPlusOfMin(100, true);
        ++plusOfMin[Opgave.Bewerking];
        MaakMaalOfDeel(100, 3);
        ++maalOfDeel[Opgave.Bewerking];
        MaakVierBewerkingen(100, true);
        ++vier[Opgave.Bewerking];
    }
    // Tolerance: about four standard deviations of a binomial count over n draws.
    const auto kans = [&](int telling) { return static_cast<double>(telling) / n; };
    EXPECT_NEAR(kans(plusOfMin["+"]), 99.0 / 200, 0.01);
    EXPECT_NEAR(kans(maalOfDeel["x"]), 99.0 / 200, 0.01);
    EXPECT_NEAR(kans(vier["+"]), 99.0 / 400, 0.009);
    EXPECT_NEAR(kans(vier["-"]), 100.0 / 400, 0.009);
    EXPECT_NEAR(kans(vier["x"]), 100.0 / 400, 0.009);
    EXPECT_NEAR(kans(vier[":"]), 101.0 / 400, 0.009);
}

TEST(Bewerkingen, ElkeGeneratorKeertSnelTerugBijElkMaximum)
{
    using Maak = void (*)(std::int32_t);
    const std::vector<Maak> generatoren = {
        [](std::int32_t m) { MaakOptelling(m, false); },
        [](std::int32_t m) { MaakOptelling(m, true); },
        [](std::int32_t m) { MaakAftrekking(m, false); },
        [](std::int32_t m) { MaakAftrekking(m, true); },
        [](std::int32_t m) { MaakMaaltafel(m, 0); },
        [](std::int32_t m) { MaakDeeltafel(m, 0); },
        [](std::int32_t m) { MaakPlusOfMin(m, false); },
        [](std::int32_t m) { MaakMaalOfDeel(m, 0); },
        [](std::int32_t m) { MaakVierBewerkingen(m, true); },
    };
    std::vector<std::int32_t> maxima;
    for (std::int32_t m = -5; m <= 10; ++m)
        maxima.push_back(m);
    maxima.push_back(std::numeric_limits<std::int32_t>::max());

    ZaaiToeval(10);
    const auto begin = std::chrono::steady_clock::now();
    for (const Maak maak : generatoren) {
        for (const std::int32_t m : maxima) {
            ResetOpgave();
            for (int i = 0; i < 3; ++i) {
                maak(m);
                // 1 + 1 and 2 - 1 need a maximum of 2; 2 x 2 and 4 : 2 need 4.
                const bool plusOfMin = Opgave.Bewerking == "+" || Opgave.Bewerking == "-";
                if (m < (plusOfMin ? 2 : 4)) {
                    EXPECT_FALSE(Opgave.Uitkomst.has_value()) << "maximum " << m;
                    EXPECT_EQ(Opgave.Links, 0);
                } else {
                    ASSERT_TRUE(Opgave.Uitkomst.has_value()) << "maximum " << m;
                    EXPECT_LE(Opgave.Bewerking == "-" ? Opgave.Links : *Opgave.Uitkomst, m);
                }
            }
        }
    }
    const auto duur = std::chrono::steady_clock::now() - begin;
    EXPECT_LT(std::chrono::duration_cast<std::chrono::seconds>(duur).count(), 20);
}

TEST(Bewerkingen, VanafHetKleinsteMaximumVerschiltElkAntwoordVanHetVorige)
{
    ZaaiToeval(11);
    for (int keuze = 1; keuze <= 7; ++keuze) {
        const auto k = static_cast<Bewerkingskeuze>(keuze);
        ResetOpgave();
        for (int i = 0; i < 200; ++i) {
            MaakBewerking(k, KleinsteMaximum(k), true);
            ASSERT_TRUE(Opgave.Uitkomst.has_value());
            ASSERT_NE(*Opgave.Uitkomst, Opgave.VorigeUitkomst) << "keuze " << keuze;
        }
    }
    EXPECT_EQ(KleinsteMaximum(Bewerkingskeuze::PlusOfMin), 3);
    EXPECT_EQ(KleinsteMaximum(Bewerkingskeuze::Maal), 6);
    EXPECT_EQ(KleinsteMaximum(Bewerkingskeuze::Alles), 6);
}
