#include "bewerkingen.h"
#include "opgave.h"
#include "toeval.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <limits>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace {

// A carry or borrow in the units, tens, hundreds or thousands.
bool MetBrug(std::int64_t l, std::int64_t r, char teken)
{
    for (std::int64_t plaats = 1; plaats <= 1000; plaats *= 10) {
        const std::int64_t a = l / plaats % 10, b = r / plaats % 10;
        if (teken == '+' ? a + b > 9 : b > a)
            return true;
    }
    return false;
}

} // namespace

// The generators take turns, so each answer must also differ from that of another generator. The bridge
// rule and the maximum are read from the description.
TEST(Bewerkingen, ElkeOefeningVoldoetEnHerhaaltGeenAntwoord)
{
    const std::pair<void (*)(), std::string> gevallen[] = {
        {[] { MaakOptelling(20, false); }, "Optelling zonder brug tot 20"},
        {[] { MaakOptelling(9999, false); }, "Optelling zonder brug tot 9999"},
        {[] { MaakOptelling(50, true); }, "Optelling met brug tot 50"},
        {[] { MaakAftrekking(9999, false); }, "Aftrekking zonder brug tot 9999"},
        {[] { MaakAftrekking(100, true); }, "Aftrekking met brug tot 100"},
        {[] { MaakMaaltafel(100, 0); }, "Vermenigvuldiging tot 100"},
        {[] { MaakDeeltafel(100000, 0); }, "Deling tot 100000"},
    };
    std::map<std::string, std::set<bool>> bruggen;
    ZaaiToeval(2024);
    ResetOpgave();
    for (int i = 0; i < 2000; ++i) {
        for (const auto& [maak, omschrijving] : gevallen) {
            const std::int64_t vorige = Opgave.Uitkomst.value_or(0);
            maak();
            ASSERT_TRUE(Opgave.Uitkomst.has_value());
            ASSERT_EQ(Opgave.Omschrijving, omschrijving);
            ASSERT_EQ(Opgave.VorigeUitkomst, vorige);
            ASSERT_NE(*Opgave.Uitkomst, vorige) << omschrijving;
            // A subtraction or division is an addition or multiplication read backwards: its Links is the whole.
            const char teken = Opgave.Bewerking.at(0);
            const bool som = teken == '+' || teken == '-';
            const std::int64_t l = Opgave.Links, r = Opgave.Rechts, u = *Opgave.Uitkomst;
            const auto [a, b, geheel] = teken == '-' || teken == ':' ? std::tuple {r, u, l} : std::tuple {l, r, u};
            ASSERT_TRUE(geheel == (som ? a + b : a * b) && std::min(a, b) >= (som ? 1 : 2)
                && geheel <= std::stoll(omschrijving.substr(omschrijving.rfind(' '))))
                << l << teken << r << "=" << u;
            if (som)
                bruggen[omschrijving].insert(MetBrug(l, r, teken));
        }
    }
    for (const auto& [omschrijving, gezien] : bruggen) {
        const bool mag = omschrijving.find("met brug") != std::string::npos;
        EXPECT_EQ(gezien, (mag ? std::set {false, true} : std::set {false})) << omschrijving;
    }
}

// Tolerance: about four standard deviations of a binomial count over n draws.
TEST(Bewerkingen, MengkansenZoalsOntworpen)
{
    constexpr int n = 40000;
    const std::tuple<void (*)(), std::map<std::string, double>, double> gevallen[] = {
        {[] { MaakPlusOfMin(100, true); }, {{"+", 99.0 / 200}, {"-", 101.0 / 200}}, 0.01},
        {[] { MaakMaalOfDeel(100, 3); }, {{"x", 99.0 / 200}, {":", 101.0 / 200}}, 0.01},
        {[] { MaakVierBewerkingen(100, true); }, {{"+", 0.2475}, {"-", 0.25}, {"x", 0.25}, {":", 0.2525}}, 0.009},
    };
    ZaaiToeval(9);
    ResetOpgave();
    for (const auto& [maak, kansen, marge] : gevallen) {
        std::map<std::string, double> gezien;
        for (int i = 0; i < n; ++i) {
            maak();
            gezien[Opgave.Bewerking] += 1.0 / n;
        }
        for (const auto& [teken, kans] : kansen)
            EXPECT_NEAR(gezien[teken], kans, marge) << teken;
    }
}

// Covers every free generator, through the choices of the modules.
TEST(Bewerkingen, ElkeGeneratorKeertSnelTerugBijElkMaximum)
{
    std::vector<std::int32_t> maxima {std::numeric_limits<std::int32_t>::max()};
    for (std::int32_t m = -5; m <= 10; ++m)
        maxima.push_back(m);
    ZaaiToeval(10);
    const auto begin = std::chrono::steady_clock::now();
    for (int keuze = 1; keuze <= 7; ++keuze) {
        for (const bool brug : {false, true}) {
            for (const std::int32_t m : maxima) {
                ResetOpgave();
                for (int i = 0; i < 3; ++i) {
                    MaakBewerking(static_cast<Bewerkingskeuze>(keuze), m, brug);
                    // 1 + 1 and 2 - 1 need a maximum of 2; 2 x 2 and 4 : 2 need 4.
                    const bool plusOfMin = Opgave.Bewerking == "+" || Opgave.Bewerking == "-";
                    ASSERT_EQ(Opgave.Uitkomst.has_value(), m >= (plusOfMin ? 2 : 4)) << keuze << " tot " << m;
                    const bool links = Opgave.Bewerking == "-" || Opgave.Bewerking == ":";
                    EXPECT_TRUE(!Opgave.Uitkomst || (links ? Opgave.Links : *Opgave.Uitkomst) <= m) << keuze;
                }
            }
        }
    }
    EXPECT_LT(std::chrono::steady_clock::now() - begin, std::chrono::seconds(20));
}

TEST(Toeval, ZelfdeZaadGeeftDezelfdeOefeningen)
{
    const auto reeks = [](std::uint64_t zaad) {
        ZaaiToeval(zaad);
        ResetOpgave();
        std::vector<std::int64_t> uitkomsten;
        for (int i = 0; i < 50; ++i) {
            MaakVierBewerkingen(1000, true);
            uitkomsten.push_back(*Opgave.Uitkomst);
        }
        return uitkomsten;
    };
    EXPECT_EQ(reeks(42), reeks(42));
    EXPECT_NE(reeks(42), reeks(43));
}
