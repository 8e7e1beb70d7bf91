#include "samenstellen.h"

#include "plaatswaarde.h"
#include "toeval.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace {

std::array<bool, TafelAantal> Tafels(std::initializer_list<int> tafels)
{
    std::array<bool, TafelAantal> keuze {};
    for (const int tafel : tafels)
        keuze.at(static_cast<std::size_t>(tafel - 1)) = true;
    return keuze;
}

} // namespace

// The captions are handed to the generators as kind codes: each must be one that its generator knows.
TEST(Samenstellen, ElkOpschriftIsEenSoortVanZijnGenerator)
{
    const std::array<const std::vector<std::string>& (*)(), 5> generatorSoorten {
        SoortenTwintig, SoortenHonderd, SoortenDuizend, SoortenTienduizend, SoortenHonderdduizend};
    const std::array<std::size_t, 5> aantallen {10, 27, 35, 28, 7};
    for (std::size_t p = 0; p < SoortPaginas().size(); ++p) {
        const SoortPagina& pagina = SoortPaginas()[p];
        EXPECT_EQ(pagina.Soorten.size(), aantallen.at(p)) << pagina.TabSoort.toStdString();
        EXPECT_EQ(pagina.BladSoort, BladEersteSoortPagina + static_cast<int>(p));
        const std::vector<std::string>& bekend = generatorSoorten.at(p)();
        for (const std::string& soort : pagina.Soorten)
            EXPECT_NE(std::ranges::find(bekend, soort), bekend.end()) << pagina.TabSoort.toStdString() << " " << soort;
    }
}

// One ticked table allows only 10 different exercises: the first ten slots find them all, after
// that every slot spends all its attempts and keeps a repeat, still of the ticked table.
TEST(Samenstellen, HerhalingstestMetEenTafel)
{
    ZaaiToeval(11);
    BladGegevens blad;
    const std::array<bool, TafelAantal> tafels = Tafels({7});
    std::set<QString> sleutels;
    for (int vak = 0; vak < BladAantal; ++vak) {
        const int pogingen = MaakTafelMaal(blad, vak, tafels);
        const BladOpgave& opgave = blad.Opgaven.at(static_cast<std::size_t>(vak));
        EXPECT_EQ(opgave.Rechts, 7);
        EXPECT_EQ(opgave.Uitkomst, opgave.Links * 7);
        EXPECT_EQ(opgave.Sleutel, QString::number(opgave.Links) + QStringLiteral("x7"));
        EXPECT_EQ(pogingen == MaxPogingen, vak >= 10) << vak << " " << pogingen;
        sleutels.insert(opgave.Sleutel);
        EXPECT_EQ(sleutels.size(), static_cast<std::size_t>(std::min(vak + 1, 10)));
    }
}

// A fresh composition also avoids the exercises of the sheet it replaces: slot s differs from the
// new slots before it and from the old slots s..29, which were still on the sheet when it was drawn.
TEST(Samenstellen, NieuwBladVermijdtHetVorige)
{
    ZaaiToeval(12);
    BladKeuze keuze;
    keuze.TabSoort = QStringLiteral("Tafels");
    keuze.BladSoort = BladDeeltafels;
    keuze.TafelKeuze = Tafels({1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
    BladGegevens blad;
    MaakBlad(blad, keuze);
    const BladGegevens vorig = blad;
    MaakBlad(blad, keuze);
    EXPECT_EQ(blad.Titel, QStringLiteral("Deeltafels"));
    for (std::size_t s = 0; s < BladAantal; ++s) {
        const BladOpgave& opgave = blad.Opgaven.at(s);
        for (std::size_t t = 0; t < BladAantal; ++t) {
            const QString& ander = t < s ? blad.Opgaven.at(t).Sleutel : vorig.Opgaven.at(t).Sleutel;
            EXPECT_NE(opgave.Sleutel, ander) << s << " " << t;
        }
        EXPECT_EQ(opgave.Links, opgave.Uitkomst * opgave.Rechts);
        EXPECT_EQ(opgave.Bewerking, QStringLiteral(":"));
    }
}

TEST(Samenstellen, MaalOfDeelKiestPerVak)
{
    ZaaiToeval(13);
    BladGegevens blad;
    const std::array<bool, TafelAantal> alle = Tafels({1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
    int delingen = 0;
    constexpr int Vakken = 4000;
    for (int i = 0; i < Vakken; ++i) {
        MaakTafelMaalOfDeel(blad, i % BladAantal, alle);
        delingen += blad.Opgaven.at(static_cast<std::size_t>(i % BladAantal)).Bewerking == QLatin1String(":");
    }
    EXPECT_NEAR(static_cast<double>(delingen) / Vakken, 101.0 / 200.0, 0.03);
}

// Nothing to choose from never hangs and leaves the sheet alone.
TEST(Samenstellen, ZonderKeuzeBlijftHetBladOngemoeid)
{
    ZaaiToeval(14);
    BladGegevens blad;
    blad.Opgaven[3].Sleutel = QStringLiteral("1+1");
    EXPECT_EQ(MaakTafelMaal(blad, 3, {}), 0);
    EXPECT_EQ(MaakTafelDeel(blad, 3, {}), 0);
    EXPECT_EQ(MaakSoortOpgave(blad, 3, SoortPaginas()[0], {}), 0);
    EXPECT_EQ(MaakSoortOpgave(blad, 3, SoortPaginas()[0], std::vector<bool>(10, false)), 0);
    EXPECT_EQ(blad.Opgaven[3].Sleutel, QStringLiteral("1+1"));

    BladKeuze keuze;
    MaakBlad(blad, keuze);
    keuze.BladSoort = 16;
    MaakBlad(blad, keuze);
    EXPECT_TRUE(blad.Titel.isEmpty());
    EXPECT_EQ(blad.Opgaven[3].Sleutel, QStringLiteral("1+1"));
}

// A mixed place-value sheet draws each slot's kind among the ticked boxes only.
TEST(Samenstellen, GemengdBladKiestAlleenAangevinkteSoorten)
{
    ZaaiToeval(15);
    BladKeuze keuze;
    keuze.TabSoort = QStringLiteral("Honderdduizend");
    keuze.BladSoort = 15;
    keuze.SoortKeuze[4] = {false, false, true, false, false, false, false}; // "TD-TD=TD"
    BladGegevens blad;
    MaakBlad(blad, keuze);
    EXPECT_EQ(blad.Titel, QStringLiteral("Tellen tot 100.000"));
    for (const BladOpgave& opgave : blad.Opgaven) {
        EXPECT_EQ(opgave.Bewerking, QStringLiteral("-"));
        EXPECT_EQ(opgave.Links % 10000, 0);
        EXPECT_EQ(opgave.Rechts % 10000, 0);
        EXPECT_EQ(opgave.Uitkomst, opgave.Links - opgave.Rechts);
    }
}
