#include "samenstellen.h"

#include "bereiken.h"
#include "bewerkingen.h"
#include "keuzes.h"
#include "toeval.h"

#include <gtest/gtest.h>

#include <algorithm>

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
            keuze.SoortKeuze.at(b - 2).assign(pagina.Soorten().size(), true);
        }
        BladGegevens blad;
        std::array<qsizetype, 3> meeste {};
        for (int keer = 0; keer < 40; ++keer) {
            MaakBlad(blad, keuze, static_cast<std::uint64_t>(keer));
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

// A sheet depends on its choice and seed alone: not on the sheet it replaces, not on the random draws before it,
// not on the answer of the exercise made last (which its first exercise would otherwise avoid); and the draws after
// it go on as if it had not been made.
TEST(Samenstellen, ZelfdeKeuzeEnZaadGevenHetZelfdeBlad)
{
    const std::vector<BladKeuze> keuzes {Keuze(TabSoort::Hoofdrekenen, BladSoort::OptellenEnAftrekken),
        Keuze(TabSoort::Hoofdrekenen, BladSoort::VierBewerkingen),
        Keuze(TabSoort::Tafel, BladSoort::MaalEnDeeltafels, {2, 6}),
        Keuze(TabSoort::Twintig, BladSoort::TellenTot20, {2, 9}),
        Keuze(TabSoort::Honderd, BladSoort::TellenTot100, {0, 5, 26}, BladOrdening::Per10),
        Keuze(TabSoort::Duizend, BladSoort::TellenTot1000, {4, 28})};
    for (const BladKeuze& keuze : keuzes) {
        ZaaiToeval(7);
        BladGegevens eerste;
        MaakBlad(eerste, keuze, 4321);
        // Other draws, and an exercise made last with the answer of the sheet's first one.
        const auto verstoor = [antwoord = eerste.Opgaven[0].Uitkomst] {
            ResetOpgave();
            ZaaiToeval(8);
            for (int i = 0; i < 100000; ++i)
                if (MaakOptelling(static_cast<std::int32_t>(2 * antwoord), true).Uitkomst == antwoord)
                    break;
        };
        verstoor();
        const double volgende = Rnd();
        verstoor();
        BladGegevens tweede = eerste;
        std::ranges::reverse(tweede.Opgaven);
        MaakBlad(tweede, keuze, 4321);
        EXPECT_EQ(Rnd(), volgende);
        EXPECT_EQ(tweede.Titel, eerste.Titel);
        for (std::size_t vak = 0; vak < BladAantal; ++vak)
            EXPECT_EQ(tweede.Opgaven[vak].Sleutel, eerste.Opgaven[vak].Sleutel) << vak;
    }
}
