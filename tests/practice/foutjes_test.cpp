#include "foutjes.h"
#include "toeval.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace {

Opgave Maak(std::int64_t links, const char* bewerking, std::int64_t rechts, std::int64_t uitkomst)
{
    return {.Links = links, .Rechts = rechts, .Uitkomst = uitkomst, .Bewerking = bewerking, .Omschrijving = {}};
}

TEST(Foutjes, LijstEnStandPerSoort)
{
    Foutjes foutjes;
    EXPECT_EQ(foutjes.Lijst(), "Geen foutjes !");
    foutjes.Noteer(Maak(10, "+", 3, 13), true, "T+E");
    foutjes.Noteer(Maak(14, "-", 4, 10), false, "TE-E=T");
    foutjes.Noteer(Maak(10, "+", 5, 15), true, "T+E");
    foutjes.Noteer(Maak(47, "-", 7, 40), false, "TE-E=T");
    EXPECT_EQ(foutjes.Lijst(), "14-4=10, 47-7=40");
    EXPECT_EQ(foutjes.PerSoort(), "T+E : 2 op 2, TE-E=T : 0 op 2");
    foutjes.Begin();
    foutjes.Noteer(Maak(6, "x", 7, 42), false);
    EXPECT_EQ(foutjes.Lijst(), "6x7=42");
    EXPECT_EQ(foutjes.PerSoort(), "");
}

// Each mistake comes exactly once, in an order that differs from the order they were made in.
TEST(Foutjes, GeschudElkEenKeer)
{
    Foutjes foutjes;
    for (int i = 1; i <= 12; ++i)
        foutjes.Noteer(Maak(i, "+", 1, i + 1), false);
    ZaaiToeval(3);
    std::set<std::vector<std::int64_t>> volgordes;
    for (int keer = 0; keer < 5; ++keer) {
        std::vector<std::int64_t> links;
        for (const Opgave& o : foutjes.Geschud())
            links.push_back(o.Links);
        volgordes.insert(links);
        std::ranges::sort(links);
        EXPECT_EQ(links, (std::vector<std::int64_t> {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
    }
    EXPECT_EQ(volgordes.size(), 5u);
}

} // namespace
