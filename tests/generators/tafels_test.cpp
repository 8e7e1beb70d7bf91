#include "getalbereiken.h"
#include "plaatswaarde.h"
#include "tafels.h"
#include "toeval.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <utility>

namespace {

Tafels Alleen(std::initializer_list<int> tafels)
{
    Tafels gekozen {};
    for (const int t : tafels)
        gekozen[static_cast<std::size_t>(t - 1)] = true;
    return gekozen;
}

} // namespace

// The window's tables: the other factor (or the quotient) runs 1..10, the ticked table stands on the right,
// and no answer follows itself.
TEST(Tafels, FactorenTot10MetDeTafelRechts)
{
    ZaaiToeval(8);
    for (const Tafels& tafels : {Alleen({1}), Alleen({10}), Alleen({3, 7})}) {
        for (const auto maak : {MaakMaalOefening, MaakDeelOefening}) {
            std::set<std::pair<std::int64_t, std::int64_t>> gezien;
            std::int64_t vorige = 0;
            for (int i = 0; i < 3000; ++i) {
                const Opgave o = maak(tafels, vorige);
                ASSERT_TRUE(o.Uitkomst.has_value());
                ASSERT_TRUE(tafels[static_cast<std::size_t>(o.Rechts - 1)]) << Som(o);
                ASSERT_NE(*o.Uitkomst, vorige) << Som(o);
                const bool maal = o.Bewerking == "x";
                const std::int64_t factor = maal ? o.Links : *o.Uitkomst;
                ASSERT_EQ(maal ? *o.Uitkomst : o.Links, factor * o.Rechts) << Som(o);
                gezien.insert({o.Rechts, factor});
                vorige = *o.Uitkomst;
            }
            EXPECT_EQ(gezien.size(), 10 * static_cast<std::size_t>(std::ranges::count(tafels, true)));
            EXPECT_EQ(gezien.begin()->second, 1);
            EXPECT_EQ(gezien.rbegin()->second, 10);
        }
    }
}

TEST(Tafels, ZonderTafelGeenOefening)
{
    for (const auto maak : {MaakMaalOefening, MaakDeelOefening, MaakTafelOefening}) {
        const Opgave o = maak(Tafels {}, 0);
        EXPECT_FALSE(o.Uitkomst.has_value());
        EXPECT_EQ(o.Links, 0);
    }
}

// Every box of a drill or a worksheet page hands its generator a kind it knows (two boxes of "Tot 100" and of "Tot
// 10.000" share a kind); the two lists of a range hold the same boxes, and only the range to 100 orders them
// differently.
TEST(Getalbereiken, ElkVakjeIsEenSoortVanZijnGenerator)
{
    const std::vector<std::string>& (*bekend[])() {
        SoortenTwintig, SoortenHonderd, SoortenDuizend, SoortenTienduizend, SoortenHonderdduizend};
    const std::size_t vakjes[] {10, 27, 35, 28, 7};
    for (std::size_t b = 0; b < Getalbereiken().size(); ++b) {
        const Getalbereik& bereik = Getalbereiken()[b];
        for (const std::string& soort : bereik.drillSoorten)
            EXPECT_TRUE(std::ranges::count(bekend[b](), soort) == 1) << soort;
        auto drill = bereik.drillSoorten, blad = bereik.bladSoorten;
        EXPECT_EQ(drill.size(), vakjes[b]) << bereik.tabSoort;
        EXPECT_EQ(drill == blad, b != static_cast<std::size_t>(BereikIndex::Honderd)) << bereik.tabSoort;
        std::ranges::sort(drill);
        std::ranges::sort(blad);
        EXPECT_EQ(drill, blad) << bereik.tabSoort;
    }
    const Getalbereik& honderd = BereikVan(BereikIndex::Honderd);
    EXPECT_EQ(honderd.drillSoorten.at(26), "TE-T=TE");
    EXPECT_EQ(honderd.bladSoorten.at(13), "TE-T=TE");
    EXPECT_EQ(honderd.bladSoorten.at(14), "TE+E=T");
    EXPECT_EQ(honderd.bladSoorten.at(26), "H-TE");
}
