#include "toeval.h"
#include "vissen/visvijver.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

constexpr int Stap = Visvijver::Stap;

struct As
{
    int plek;
    int doel;
};

// A target is a multiple of the step from the step up to the room minus the margin.
void ControleerDoel(int doel, int ruimte)
{
    EXPECT_EQ(doel % Stap, 0) << doel;
    EXPECT_GE(doel, Stap);
    EXPECT_LE(doel, ruimte - Visvijver::Marge);
}

// One axis of one fish over one tick. Standing on its target, the fish stays and gets a new target; otherwise it
// steps towards the target, which stays. True when the target was renewed.
bool ControleerAs(As voor, As na, int ruimte)
{
    if (voor.plek == voor.doel) {
        EXPECT_EQ(na.plek, voor.plek);
        ControleerDoel(na.doel, ruimte);
        return true;
    }
    EXPECT_EQ(na.doel, voor.doel);
    EXPECT_EQ(na.plek, voor.plek + (voor.doel > voor.plek ? Stap : -Stap));
    return false;
}

// Thousands of ticks of all ten fish from their first targets: every axis of every fish either steps or renews its
// target, the horizontal and vertical targets independently, and the targets spread over the whole water minus the
// margin.
TEST(Visvijver, ElkeTikEenStapOfEenNieuwDoel)
{
    for (const std::uint64_t zaad : {1u, 2u, 3u}) {
        SCOPED_TRACE(zaad);
        ZaaiToeval(zaad);
        Visvijver vijver;
        for (const Visvijver::Vis& vis : vijver.Vissen()) {
            ControleerDoel(vis.doelX, Visvijver::Breedte);
            ControleerDoel(vis.doelY, Visvijver::Hoogte);
        }
        int alleenX = 0, alleenY = 0;
        std::pair<int, int> bereikX {Visvijver::Breedte, 0}, bereikY {Visvijver::Hoogte, 0};
        for (int tik = 0; tik < 20000 && !testing::Test::HasFailure(); ++tik) {
            const auto voor = vijver.Vissen();
            vijver.Tik();
            for (std::size_t i = 0; i < Visvijver::Aantal; ++i) {
                const Visvijver::Vis &v = voor[i], &n = vijver.Vissen()[i];
                const bool nieuwX = ControleerAs({v.links, v.doelX}, {n.links, n.doelX}, Visvijver::Breedte);
                const bool nieuwY = ControleerAs({v.boven, v.doelY}, {n.boven, n.doelY}, Visvijver::Hoogte);
                alleenX += nieuwX && !nieuwY;
                alleenY += nieuwY && !nieuwX;
                if (n.links != v.links) {
                    EXPECT_EQ(n.naarRechts, n.links > v.links);
                }
                bereikX = {std::min(bereikX.first, n.doelX), std::max(bereikX.second, n.doelX)};
                bereikY = {std::min(bereikY.first, n.doelY), std::max(bereikY.second, n.doelY)};
            }
        }
        EXPECT_GT(alleenX, 0);
        EXPECT_GT(alleenY, 0);
        EXPECT_LT(bereikX.first, 500);
        EXPECT_GT(bereikX.second, Visvijver::Breedte - Visvijver::Marge - 500);
        EXPECT_LT(bereikY.first, 300);
        EXPECT_GT(bereikY.second, Visvijver::Hoogte - Visvijver::Marge - 300);
    }
}

} // namespace
