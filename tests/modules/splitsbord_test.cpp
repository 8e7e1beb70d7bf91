#include "splitsen/splitsbord.h"
#include "toeval.h"

#include <QString>

#include <gtest/gtest.h>

#include <set>
#include <tuple>
#include <vector>

namespace {

using Soort = Splitssoort;
using Actie = Toetsactie::Soort;

const auto L = Vakplek::Links;
const auto R = Vakplek::Rechts;

int Waarde(const Splitsvak& vak)
{
    return vak.tekst.toInt();
}

// Kinds 1 to 4 over many draws at maximum 6: the given parts in their ranges, on either side about equally often,
// the free boxes and the sums of the given parts; only row 0 is shown.
TEST(Splitsbord, ElkeSoortMaaktZijnBord)
{
    ZaaiToeval(12);
    // kind, smallest and largest given part
    const std::vector<std::tuple<Soort, int, int>> gevallen {{Soort::VrijGemengd, 0, -1}, {Soort::VastGemengd, 0, 5},
        {Soort::VrijOmgekeerd, 1, 6}, {Soort::VastOmgekeerd, 0, 5}};
    for (const auto& [soort, kleinste, grootste] : gevallen) {
        SCOPED_TRACE(static_cast<int>(soort));
        Splitsbord bord;
        bord.Start({soort, 6, false, 0});
        int links = 0;
        std::set<int> delen;
        for (int i = 0; i < 400; ++i) {
            bord.NieuweOefening();
            const Splitsrij& rij = bord.Rij(0);
            ASSERT_FALSE(bord.Rij(1).getoond || bord.Rij(10).getoond || bord.Rij(10).links.actief);
            const bool geheelGevraagd = soort >= Soort::VrijOmgekeerd;
            EXPECT_EQ(bord.Boven().actief, geheelGevraagd);
            EXPECT_EQ(bord.Boven().tekst.isEmpty(), geheelGevraagd);
            EXPECT_EQ(rij.links.actief + rij.rechts.actief, 2 - static_cast<int>(soort) / 2);
            for (const Splitsvak* deel : {&rij.links, &rij.rechts}) {
                if (!deel->actief)
                    delen.insert(Waarde(*deel));
            }
            links += !rij.links.actief;
            const int som = Waarde(rij.links) + Waarde(rij.rechts);
            EXPECT_LE(som, soort == Soort::VastGemengd ? Waarde(bord.Boven()) - 1 : 6);
        }
        std::set<int> verwacht;
        for (int deel = kleinste; deel <= grootste; ++deel)
            verwacht.insert(deel);
        EXPECT_EQ(delen, verwacht);
        if (soort == Soort::VastGemengd || soort == Soort::VrijOmgekeerd) {
            EXPECT_NEAR(links, 200, 40); // a side of 51..100 out of 1..100
        }
    }
}

// Where Enter and Space go where the keyboard could get stuck: back to row 0 after the whole's row, after the
// last row shown and after row 10; nowhere from a given box.
TEST(Splitsbord, EnterEnSpatie)
{
    // kind, maximum, adjusting, single number, box, target (Boven: no move)
    const std::vector<std::tuple<Soort, int, bool, int, Vakplek, Vakplek>> gevallen {
        {Soort::VastOmgekeerd, 5, true, 0, L(0), Vakplek::Boven()}, {Soort::VrijPerGetal, 5, true, 3, R(3), L(0)},
        {Soort::VrijPerGetal, 5, false, 3, R(4), L(5)}, {Soort::VrijPerGetal, 5, false, 3, R(5), L(0)},
        {Soort::VrijPerGetal, 8, false, 3, R(10), L(0)}};
    for (const auto& [soort, maximum, aanpassen, enkel, plek, doel] : gevallen) {
        SCOPED_TRACE(plek.rij);
        Splitsbord bord;
        bord.Start({soort, maximum, aanpassen, enkel});
        bord.NieuweOefening();
        const Toetsactie actie = bord.Toets(plek);
        EXPECT_EQ(actie.soort, doel == Vakplek::Boven() ? Actie::Niets : Actie::Focus);
        EXPECT_EQ(actie.doel, doel);
    }
}

// A row is right when its parts add up to the whole as numbers that fit; a blank box counts as not filled in.
TEST(Splitsbord, ControleerRij)
{
    // kind, whole, left, right, verdict
    const std::vector<std::tuple<Soort, QString, QString, QString, Oordeel>> gevallen {
        {Soort::VrijOmgekeerd, "7", " 3", "4 ", Oordeel::Juist},
        {Soort::VrijOmgekeerd, "6.5", "2.5", "4", Oordeel::Juist},
        {Soort::VrijOmgekeerd, "1e400", "1e400", "4", Oordeel::Geen},
        {Soort::VrijOmgekeerd, "4", "4", "  ", Oordeel::LeegVak},
        {Soort::VastOmgekeerd, "", "0", "0", Oordeel::LeegVak}, {Soort::VastOmgekeerd, "0", "0", "0", Oordeel::Juist}};
    for (const auto& [soort, geheel, links, rechts, oordeel] : gevallen) {
        SCOPED_TRACE((geheel + "=" + links + "+" + rechts).toStdString());
        Splitsbord bord;
        bord.Start({soort, 5, true, 0});
        bord.NieuweOefening();
        bord.ZetTekst(Vakplek::Boven(), geheel);
        bord.ZetTekst(L(0), links);
        bord.ZetTekst(R(0), rechts);
        EXPECT_EQ(bord.ControleerRij(0), oordeel);
        EXPECT_EQ(bord.Rij(0).ok, oordeel != Oordeel::Geen);
    }
}

// A row changed into a splitting found before loses its mark, so it cannot count.
TEST(Splitsbord, HerhalingVerliestZijnTeken)
{
    Splitsbord bord;
    bord.Start({Soort::VrijPerGetal, 5, true, 4});
    bord.NieuweOefening();
    for (const auto& [plek, tekst] : {std::pair {L(0), "1"}, {R(0), "3"}, {L(1), "2"}, {R(1), "2"}})
        bord.ZetTekst(plek, tekst);
    EXPECT_EQ(bord.Verlaat(R(1)).oordeel, Oordeel::NietAf);
    bord.ZetTekst(L(1), "1.0");
    EXPECT_TRUE(bord.Verlaat(L(1)).herhaling);
    EXPECT_FALSE(bord.Rij(1).ok);
}

} // namespace
