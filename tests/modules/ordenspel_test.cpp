#include "ordenen/ordenspel.h"
#include "toeval.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using Afloop = Ordenspel::Afloop;

// The source that belongs in box `vak`.
int BronVoor(const Ordenspel& spel, int vak)
{
    for (int bron = 1; bron <= Ordenspel::Plaatsen; ++bron) {
        if (spel.Tag(bron) == vak)
            return bron;
    }
    return 0;
}

// Three different numbers in 1..maximum; each tag is the number's place in the asked order, so the box of tag 1
// gets the smallest (or the largest) and the box of tag 3 the other end.
TEST(Ordenspel, TagsInBeideRichtingen)
{
    ZaaiToeval(5);
    for (const bool kleinNaarGroot : {true, false}) {
        for (const int maximum : {3, 10}) {
            Ordenspel spel;
            std::set<int> getallen;
            for (int oefening = 0; oefening < 200; ++oefening) {
                spel.Start(maximum, 1, kleinNaarGroot);
                std::array<int, 3> opVolgorde {};
                for (int bron = 1; bron <= 3; ++bron) {
                    ASSERT_GE(spel.Getal(bron), 1);
                    ASSERT_LE(spel.Getal(bron), maximum);
                    opVolgorde[static_cast<std::size_t>(spel.Tag(bron) - 1)] = spel.Getal(bron);
                    getallen.insert(spel.Getal(bron));
                }
                if (kleinNaarGroot)
                    ASSERT_TRUE(opVolgorde[0] < opVolgorde[1] && opVolgorde[1] < opVolgorde[2]);
                else
                    ASSERT_TRUE(opVolgorde[0] > opVolgorde[1] && opVolgorde[1] > opVolgorde[2]);
            }
            EXPECT_EQ(static_cast<int>(getallen.size()), maximum);
        }
    }
}

// A wrong drop changes nothing; a right one fills the box; a placed source cannot be placed again; after the
// third the game waits, takes no drops, and brings the next exercise on the fourth tick.
TEST(Ordenspel, ZettenEnDePauze)
{
    ZaaiToeval(8);
    Ordenspel spel;
    EXPECT_EQ(spel.Laat(1, 1), Afloop::Niets) << "before any series";
    spel.Start(10, 2, true);
    EXPECT_EQ(spel.Resterend(), "Nog 2 oefeningen.");
    const int eerste = BronVoor(spel, 1);
    EXPECT_EQ(spel.Laat(1, 3), Afloop::Fout);
    EXPECT_EQ(spel.Laat(3, 1), Afloop::Fout);
    EXPECT_EQ(spel.InVak(3), 0);
    EXPECT_EQ(spel.InVak(1), 0);
    EXPECT_EQ(spel.Laat(1, 1), Afloop::Goed);
    EXPECT_TRUE(spel.Geplaatst(eerste));
    EXPECT_EQ(spel.InVak(1), spel.Getal(eerste));
    EXPECT_EQ(spel.Laat(1, 1), Afloop::Niets);
    EXPECT_EQ(spel.Laat(0, 2), Afloop::Niets);
    EXPECT_EQ(spel.Laat(2, 4), Afloop::Niets);
    EXPECT_FALSE(spel.Tik()) << "no pause yet";
    EXPECT_EQ(spel.Laat(3, 3), Afloop::Goed);
    EXPECT_EQ(spel.Laat(2, 2), Afloop::Alledrie);
    EXPECT_EQ(spel.Resterend(), "Nog 1 oefeningen.");
    EXPECT_TRUE(spel.Wachten());
    const std::array<int, 3> oud {spel.InVak(1), spel.InVak(2), spel.InVak(3)};
    for (int tik = 1; tik <= 3; ++tik) {
        EXPECT_FALSE(spel.Tik()) << tik;
        EXPECT_EQ(spel.Laat(1, 1), Afloop::Niets);
    }
    EXPECT_EQ((std::array<int, 3> {spel.InVak(1), spel.InVak(2), spel.InVak(3)}), oud);
    EXPECT_TRUE(spel.Tik());
    EXPECT_FALSE(spel.Wachten());
    for (int plaats = 1; plaats <= 3; ++plaats) {
        EXPECT_FALSE(spel.Geplaatst(plaats));
        EXPECT_EQ(spel.InVak(plaats), 0);
    }
    EXPECT_FALSE(spel.Tik());

    for (int vak = 1; vak <= 2; ++vak)
        EXPECT_EQ(spel.Laat(vak, vak), Afloop::Goed);
    EXPECT_EQ(spel.Laat(3, 3), Afloop::Einde) << "the last exercise ends the series without a pause";
    EXPECT_FALSE(spel.Wachten());
    for (int tik = 0; tik < 8; ++tik)
        EXPECT_FALSE(spel.Tik());
}

// A new start during the pause shows its first exercise at once; the pause that was running brings no second one.
TEST(Ordenspel, NieuweStartTijdensDePauze)
{
    ZaaiToeval(21);
    Ordenspel spel;
    spel.Start(5, 3, false);
    for (int vak = 1; vak <= 3; ++vak)
        ASSERT_NE(spel.Laat(vak, vak), Afloop::Fout);
    ASSERT_TRUE(spel.Wachten());
    spel.Start(5, 3, false);
    EXPECT_EQ(spel.Resterend(), "Nog 3 oefeningen.");
    for (int tik = 0; tik < 6; ++tik)
        EXPECT_FALSE(spel.Tik());
}

} // namespace
