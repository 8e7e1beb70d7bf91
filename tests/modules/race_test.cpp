#include "race/race.h"
#include "toeval.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

// Both players answer right every time: the turn passes after each answer, each right answer moves that car one
// step, and the first player wins at ten while the other stands at nine. After that nothing changes.
TEST(Race, TienGoedeAntwoordenWinnen)
{
    ZaaiToeval(3);
    Race race;
    race.Start();
    const int eerste = race.Beurt(), tweede = 3 - eerste;
    for (int antwoord = 0; antwoord < 19; ++antwoord) {
        ASSERT_EQ(race.Winnaar(), 0);
        EXPECT_EQ(race.Beurt(), antwoord % 2 ? tweede : eerste);
        race.Beantwoord(true);
    }
    EXPECT_EQ(race.Winnaar(), eerste);
    EXPECT_EQ(race.Score(eerste), 10);
    EXPECT_EQ(race.Score(tweede), 9);
    EXPECT_EQ(race.Boven(eerste), Race::Baanhoogte - Race::Autohoogte);
    EXPECT_EQ(race.Boven(tweede), 9 * 624);
    race.Beantwoord(true);
    EXPECT_EQ(race.Score(race.Beurt()), 10);
    EXPECT_EQ(race.Boven(tweede), 9 * 624);
}

// A wrong answer passes the turn and moves nothing; the scores count right answers only.
TEST(Race, FoutAntwoordGeeftDeBeurtDoor)
{
    ZaaiToeval(4);
    Race race;
    race.Start();
    const int eerste = race.Beurt(), tweede = 3 - eerste;
    // right?, whose turn after it, cars of the first and second player in steps
    const std::tuple<bool, int, int, int> stappen[] {{false, tweede, 0, 0}, {true, eerste, 0, 1}, {true, tweede, 1, 1},
        {false, eerste, 1, 1}, {false, tweede, 1, 1}};
    for (const auto& [goed, beurt, auto1, auto2] : stappen) {
        race.Beantwoord(goed);
        EXPECT_EQ(race.Beurt(), beurt);
        EXPECT_EQ(race.Boven(eerste), auto1 * Race::Stap);
        EXPECT_EQ(race.Boven(tweede), auto2 * Race::Stap);
        EXPECT_EQ(race.Score(eerste), auto1);
    }
}

// A race started again keeps the cars where they are, and a car that already stands on the finish waits there; only
// going back to the start puts them at the top.
TEST(Race, AutosGaanAlleenTerugNaarDeStartAlsDatGevraagdWordt)
{
    ZaaiToeval(8);
    Race race;
    race.Start();
    while (race.Winnaar() == 0)
        race.Beantwoord(true);
    const int winnaar = race.Winnaar(), ander = 3 - winnaar;
    race.Start();
    EXPECT_EQ(race.Winnaar(), 0);
    EXPECT_EQ(race.Score(winnaar), 0);
    EXPECT_EQ(race.Boven(winnaar), Race::Finish);
    EXPECT_EQ(race.Boven(ander), 9 * Race::Stap);
    for (int i = 0; i < 4; ++i)
        race.Beantwoord(true);
    EXPECT_EQ(race.Boven(winnaar), Race::Finish);
    EXPECT_EQ(race.Boven(ander), Race::Finish);
    EXPECT_EQ(race.Score(winnaar), 2);
    race.TerugNaarStart();
    EXPECT_EQ(race.Boven(winnaar), 0);
    EXPECT_EQ(race.Boven(ander), 0);
    EXPECT_EQ(race.Score(ander), 0);
}

} // namespace
