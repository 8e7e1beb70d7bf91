#include "aanvullen/getallenrij.h"
#include "toeval.h"

#include <gtest/gtest.h>

#include <set>

namespace {

// Rows keep their step, lie in 0..maximum, never repeat the previous missing number, and together reach exactly
// the missing numbers that fit.
TEST(Getallenrij, StapBereikEnNooitTweeKeerHetzelfde)
{
    const std::tuple<std::int64_t, std::int64_t, std::set<std::int64_t>> gevallen[]
        = {{10, 1, {2, 3, 4, 5, 6, 7, 8, 9}}, {10, -2, {2, 3, 4, 5, 6}}, {10, 0, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}},
            {8, 2, {4, 5, 6}}, {4, -1, {1, 2}}};
    ZaaiToeval(13);
    for (const auto& [maximum, interval, verwacht] : gevallen) {
        SCOPED_TRACE(std::to_string(maximum) + " " + std::to_string(interval));
        std::set<std::int64_t> gezien;
        std::int64_t vorige = 0;
        for (int i = 0; i < 500; ++i) {
            const Getallenrij rij = MaakGetallenrij(maximum, interval, vorige);
            ASSERT_NE(rij.getal, vorige);
            EXPECT_EQ(std::vector({rij.midden - rij.links, rij.getal - rij.midden, rij.rechts - rij.getal}),
                std::vector(3, interval));
            EXPECT_TRUE(std::min(rij.links, rij.rechts) >= 0 && std::max(rij.links, rij.rechts) <= maximum);
            gezien.insert(rij.getal);
            vorige = rij.getal;
        }
        EXPECT_EQ(gezien, verwacht);
    }
}

} // namespace
