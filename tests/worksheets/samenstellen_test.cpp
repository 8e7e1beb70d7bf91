#include "samenstellen.h"

#include "bereiken.h"
#include "plaatswaarde.h"
#include "toeval.h"

#include <gtest/gtest.h>

#include <algorithm>

// The captions are handed to the generators as kind codes: each must be one that its generator knows.
TEST(Samenstellen, ElkOpschriftIsEenSoortVanZijnGenerator)
{
    ZaaiToeval(10);
    const std::array<const std::vector<std::string>& (*)(), 5> generatorSoorten {
        SoortenTwintig, SoortenHonderd, SoortenDuizend, SoortenTienduizend, SoortenHonderdduizend};
    const std::array<std::size_t, 5> aantallen {10, 27, 35, 28, 7};
    for (std::size_t p = 0; p < SoortPaginas().size(); ++p) {
        const SoortPagina& pagina = SoortPaginas()[p];
        EXPECT_EQ(pagina.Soorten.size(), aantallen.at(p)) << p;
        const std::vector<std::string>& bekend = generatorSoorten.at(p)();
        for (const std::string& soort : pagina.Soorten)
            EXPECT_NE(std::ranges::find(bekend, soort), bekend.end()) << p << " " << soort;
    }
}

// The template and the printed page are measured for the digits of Bereiken: no sheet of a range,
// with every kind of it chosen, may have more.
TEST(Samenstellen, BladenBlijvenBinnenDeCijfersVanHunBereik)
{
    ZaaiToeval(12);
    for (std::size_t b = 0; b < Bereiken.size(); ++b) {
        BladKeuze keuze;
        keuze.Soort = BladSoort::VierBewerkingen;
        keuze.BladMax = 100000;
        if (b == 1) {
            keuze.Tab = TabSoort::Tafel;
            keuze.Soort = BladSoort::MaalEnDeeltafels;
            keuze.TafelKeuze.fill(true);
        } else if (b > 1) {
            const SoortPagina& pagina = SoortPaginas().at(b - 2);
            keuze.Tab = pagina.Tab;
            keuze.Soort = pagina.Soort;
            keuze.SoortKeuze.at(b - 2).assign(pagina.Soorten.size(), true);
        }
        BladGegevens blad;
        std::array<qsizetype, 3> meeste {};
        for (int keer = 0; keer < 40; ++keer) {
            MaakBlad(blad, keuze);
            for (const BladOpgave& o : blad.Opgaven) {
                meeste[0] = std::max(meeste[0], QString::number(o.Links).size());
                meeste[1] = std::max(meeste[1], QString::number(o.Rechts).size());
                meeste[2] = std::max(meeste[2], QString::number(o.Uitkomst).size());
            }
        }
        const Bereik& bereik = Bereiken.at(b);
        EXPECT_LE(meeste[0], bereik.links) << bereik.naam;
        EXPECT_LE(meeste[1], bereik.rechts) << bereik.naam;
        EXPECT_LE(meeste[2], bereik.uitkomst) << bereik.naam;
    }
}
