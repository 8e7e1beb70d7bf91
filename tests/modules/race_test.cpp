#include "race/race.h"
#include "toeval.h"

#include <gtest/gtest.h>

namespace {

// Right answers only: the first player wins at ten with the car on the finish, while the other stands at nine
// steps; an answer after that changes nothing. A race started again keeps the cars where they are, a car on the
// finish waits there, and only going back to the start puts them at the top.
TEST(Race, FinishEnTerugNaarDeStart)
{
    ZaaiToeval(3);
    Race race;
    race.Start();
    const int winnaar = race.Beurt(), ander = 3 - winnaar;
    for (int antwoord = 0; antwoord < 19; ++antwoord) {
        ASSERT_EQ(race.Winnaar(), 0);
        race.Beantwoord(true);
    }
    EXPECT_EQ(race.Winnaar(), winnaar);
    race.Beantwoord(true);
    EXPECT_EQ(std::pair(race.Score(winnaar), race.Score(ander)), std::pair(10, 9));
    EXPECT_EQ(race.Boven(winnaar), Race::Baanhoogte - Race::Autohoogte);
    EXPECT_EQ(race.Boven(ander), 9 * 624);

    race.Start();
    EXPECT_EQ(race.Winnaar(), 0);
    EXPECT_EQ(race.Score(winnaar), 0);
    for (int i = 0; i < 4; ++i)
        race.Beantwoord(true);
    EXPECT_EQ(race.Boven(winnaar), Race::Finish);
    EXPECT_EQ(race.Boven(ander), Race::Finish);
    EXPECT_EQ(race.Score(winnaar), 2);
    race.TerugNaarStart();
    EXPECT_EQ(std::pair(race.Boven(winnaar), race.Boven(ander)), std::pair(0, 0));
    EXPECT_EQ(race.Score(ander), 0);
}

} // namespace
