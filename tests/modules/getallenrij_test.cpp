#include "aanvullen/getallenrij.h"
#include "toeval.h"

#include <gtest/gtest.h>

#include <set>

namespace {

// Many rows for a maximum and an interval: each has the constant step, lies in 0..maximum, never repeats the
// previous missing number, and together they reach exactly the missing numbers that fit.
TEST(Getallenrij, StapBereikEnNooitTweeKeerHetzelfde)
{
    struct Geval
    {
        std::int64_t maximum;
        std::int64_t interval;
        std::set<std::int64_t> getallen;
    };
    const Geval gevallen[] = {
        {10, 1, {2, 3, 4, 5, 6, 7, 8, 9}},
        {10, -2, {2, 3, 4, 5, 6}},
        {10, 0, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}},
        {8, 2, {4, 5, 6}},
        {4, 1, {2, 3}},
        {4, -1, {1, 2}},
    };
    ZaaiToeval(13);
    for (const Geval& geval : gevallen) {
        SCOPED_TRACE(std::to_string(geval.maximum) + " " + std::to_string(geval.interval));
        std::set<std::int64_t> gezien;
        std::int64_t vorige = 0;
        for (int i = 0; i < 500; ++i) {
            const Getallenrij rij = MaakGetallenrij(geval.maximum, geval.interval, vorige);
            ASSERT_NE(rij.getal, vorige);
            EXPECT_EQ(rij.midden - rij.links, geval.interval);
            EXPECT_EQ(rij.getal - rij.midden, geval.interval);
            EXPECT_EQ(rij.rechts - rij.getal, geval.interval);
            for (const std::int64_t getal : {rij.links, rij.midden, rij.getal, rij.rechts}) {
                EXPECT_GE(getal, 0);
                EXPECT_LE(getal, geval.maximum);
            }
            gezien.insert(rij.getal);
            vorige = rij.getal;
        }
        EXPECT_EQ(gezien, geval.getallen);
    }
}

} // namespace
