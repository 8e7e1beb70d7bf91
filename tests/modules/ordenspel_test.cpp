#include "ordenen/ordenspel.h"
#include "toeval.h"

#include <gtest/gtest.h>

#include <set>

namespace {

using Afloop = Ordenspel::Afloop;

// Three different numbers in 1..maximum, each tagged with its place in the asked order.
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
                    ASSERT_TRUE(spel.Getal(bron) >= 1 && spel.Getal(bron) <= maximum);
                    opVolgorde.at(static_cast<std::size_t>(spel.Tag(bron) - 1)) = spel.Getal(bron);
                    getallen.insert(spel.Getal(bron));
                }
                ASSERT_TRUE(kleinNaarGroot ? opVolgorde[0] < opVolgorde[1] && opVolgorde[1] < opVolgorde[2]
                                           : opVolgorde[0] > opVolgorde[1] && opVolgorde[1] > opVolgorde[2]);
            }
            EXPECT_EQ(std::ssize(getallen), maximum);
        }
    }
}

// No drop counts before a series, for a placed source, or in the pause after the third, and a new start during a
// pause gets no second exercise from it. The fourth tick and the last exercise, which ends without a pause, are the
// window's tests.
TEST(Ordenspel, ZettenEnDePauze)
{
    ZaaiToeval(8);
    Ordenspel spel;
    EXPECT_EQ(spel.Laat(1, 1), Afloop::Niets);
    spel.Start(10, 2, true);
    EXPECT_EQ(spel.Laat(1, 3), Afloop::Fout);
    EXPECT_EQ(spel.Laat(1, 1), Afloop::Goed);
    EXPECT_EQ(spel.Laat(1, 1), Afloop::Niets);
    EXPECT_EQ(spel.Laat(3, 3), Afloop::Goed);
    EXPECT_EQ(spel.Laat(2, 2), Afloop::Alledrie);
    for (int tik = 1; tik <= 3; ++tik) {
        EXPECT_FALSE(spel.Tik()) << tik;
        EXPECT_EQ(spel.Laat(1, 1), Afloop::Niets);
    }

    spel.Start(5, 3, false);
    for (int vak = 1; vak <= 3; ++vak)
        spel.Laat(vak, vak);
    ASSERT_TRUE(spel.Wachten());
    spel.Start(5, 3, false);
    EXPECT_EQ(spel.Resterend(), "Nog 3 oefeningen.");
    for (int tik = 0; tik < 6; ++tik)
        EXPECT_FALSE(spel.Tik());
}

} // namespace
