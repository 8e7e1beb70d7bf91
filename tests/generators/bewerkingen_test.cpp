#include "bewerkingen.h"
#include "brug.h"
#include "opgave.h"
#include "tafels.h"
#include "toeval.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <limits>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace {

// The share of each operator among n exercises.
std::map<std::string, double> Aandelen(const std::function<Opgave()>& maak, int n)
{
    std::map<std::string, double> gezien;
    for (int i = 0; i < n; ++i)
        gezien[maak().Bewerking] += 1.0 / n;
    return gezien;
}

} // namespace

// The generators take turns, so each answer must also differ from that of another generator. The bridge
// rule and the maximum are read from the description. At 100,000 a bridge can hide in the thousands.
TEST(Bewerkingen, ElkeOefeningVoldoetEnHerhaaltGeenAntwoord)
{
    const std::pair<Opgave (*)(), std::string> gevallen[] = {
        {[] { return MaakOptelling(20, false); }, "Optelling zonder brug tot 20"},
        {[] { return MaakOptelling(100000, false); }, "Optelling zonder brug tot 100000"},
        {[] { return MaakOptelling(50, true); }, "Optelling met brug tot 50"},
        {[] { return MaakAftrekking(100000, false); }, "Aftrekking zonder brug tot 100000"},
        {[] { return MaakAftrekking(100, true); }, "Aftrekking met brug tot 100"},
        {[] { return MaakMaaltafel(100, 0); }, "Vermenigvuldiging tot 100"},
        {[] { return MaakDeeltafel(100000, 0); }, "Deling tot 100000"},
    };
    std::map<std::string, std::set<bool>> bruggen;
    ZaaiToeval(2024);
    ResetOpgave();
    std::int64_t vorige = 0;
    for (int i = 0; i < 2000; ++i) {
        for (const auto& [maak, omschrijving] : gevallen) {
            const Opgave o = maak();
            ASSERT_TRUE(o.Uitkomst.has_value());
            ASSERT_EQ(o.Omschrijving, omschrijving);
            ASSERT_EQ(o.VorigeUitkomst, vorige);
            ASSERT_NE(*o.Uitkomst, vorige) << omschrijving;
            vorige = *o.Uitkomst;
            // A subtraction or division is an addition or multiplication read backwards: its Links is the whole.
            const char teken = o.Bewerking.at(0);
            const bool som = teken == '+' || teken == '-';
            const std::int64_t l = o.Links, r = o.Rechts, u = *o.Uitkomst;
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

// One table: Links 1..9 times the table on the right (or that many times it on the left), with its description;
// the mixed generator hands the table on to both.
TEST(Bewerkingen, TafelsGevenDeFactoren1Tot9)
{
    ZaaiToeval(5);
    for (const std::int64_t tafel : {1, 7, 10}) {
        std::set<std::pair<std::string, std::int64_t>> factoren;
        for (int i = 0; i < 2000; ++i) {
            const Opgave o = i % 3 == 0 ? MaakMaaltafel(50, static_cast<std::int32_t>(tafel))
                : i % 3 == 1            ? MaakDeeltafel(50, static_cast<std::int32_t>(tafel))
                                        : MaakMaalOfDeel(50, static_cast<std::int32_t>(tafel));
            ASSERT_EQ(o.Rechts, tafel);
            const bool maal = o.Bewerking == "x";
            ASSERT_EQ(o.Omschrijving, (maal ? "Maaltafel van " : "Deeltafel van ") + std::to_string(tafel));
            const std::int64_t factor = maal ? o.Links : *o.Uitkomst;
            ASSERT_EQ(maal ? *o.Uitkomst : o.Links, factor * tafel);
            factoren.insert({o.Bewerking, factor});
        }
        std::set<std::pair<std::string, std::int64_t>> verwacht;
        for (std::int64_t f = 1; f <= 9; ++f)
            verwacht.insert({{"x", f}, {":", f}});
        EXPECT_EQ(factoren, verwacht) << tafel;
    }
}

// The tolerance (four standard deviations) is well below the difference that swapping two branches makes. The
// times-table window's "beide" takes a division for a draw 1..100 of 200: exactly half.
TEST(Bewerkingen, MengkansenZoalsOntworpen)
{
    Tafels tweeEnVijf {};
    tweeEnVijf[1] = tweeEnVijf[4] = true;
    const auto tafel = [&tweeEnVijf, vorige = std::int64_t {0}]() mutable {
        const Opgave o = MaakTafelOefening(tweeEnVijf, vorige);
        vorige = o.Uitkomst.value_or(0);
        return o;
    };
    const std::tuple<std::function<Opgave()>, std::map<std::string, double>, int, double> gevallen[] = {
        {[] { return MaakPlusOfMin(100, true); }, {{"+", 99.0 / 200}, {"-", 101.0 / 200}}, 640'000, 0.0025},
        {[] { return MaakMaalOfDeel(100, 3); }, {{"x", 99.0 / 200}, {":", 101.0 / 200}}, 640'000, 0.0025},
        {[] { return MaakVierBewerkingen(100, true); },
            {{"+", 99.0 / 400}, {"-", 100.0 / 400}, {"x", 100.0 / 400}, {":", 101.0 / 400}}, 2'000'000, 0.0012},
        {tafel, {{"x", 0.5}, {":", 0.5}}, 400'000, 0.0025},
    };
    ZaaiToeval(9);
    ResetOpgave();
    for (const auto& [maak, kansen, n, marge] : gevallen) {
        const auto gezien = Aandelen(maak, n);
        for (const auto& [teken, kans] : kansen)
            EXPECT_NEAR(gezien.at(teken), kans, marge) << teken;
    }
}

// Covers every free generator, through the choices of the modules.
TEST(Bewerkingen, ElkeGeneratorKeertSnelTerugBijElkMaximum)
{
    std::vector<std::int32_t> maxima {
        std::numeric_limits<std::int32_t>::max(), std::numeric_limits<std::int32_t>::min()};
    for (std::int32_t m = -5; m <= 10; ++m)
        maxima.push_back(m);
    ZaaiToeval(10);
    const auto begin = std::chrono::steady_clock::now();
    for (int keuze = 1; keuze <= 7; ++keuze) {
        for (const bool brug : {false, true}) {
            for (const std::int32_t m : maxima) {
                ResetOpgave();
                for (int i = 0; i < 3; ++i) {
                    const Opgave o = MaakBewerking(static_cast<Bewerkingskeuze>(keuze), m, brug);
                    // 1 + 1 and 2 - 1 need a maximum of 2; 2 x 2 and 4 : 2 need 4.
                    const bool plusOfMin = o.Bewerking == "+" || o.Bewerking == "-";
                    ASSERT_EQ(o.Uitkomst.has_value(), m >= (plusOfMin ? 2 : 4)) << keuze << " tot " << m;
                    const bool links = o.Bewerking == "-" || o.Bewerking == ":";
                    EXPECT_TRUE(!o.Uitkomst || (links ? o.Links : *o.Uitkomst) <= m) << keuze;
                }
            }
        }
    }
    EXPECT_LT(std::chrono::steady_clock::now() - begin, std::chrono::seconds(20));
}
