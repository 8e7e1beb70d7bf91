#include "opgave.h"
#include "toeval.h"

#include <gtest/gtest.h>

#include <set>

TEST(Toeval, ZelfdeZaadGeeftZelfdeReeks)
{
    ZaaiToeval(42);
    std::vector<double> eerste;
    for (int i = 0; i < 20; ++i)
        eerste.push_back(Rnd());
    ZaaiToeval(42);
    for (int i = 0; i < 20; ++i)
        EXPECT_EQ(Rnd(), eerste[i]);
}

TEST(Toeval, RandomTotBlijftBinnenEenTotNEnHaaltBeideGrenzen)
{
    ZaaiToeval(1);
    for (const std::int64_t n : {1, 2, 9, 10, 200, 400}) {
        std::set<std::int64_t> gezien;
        for (int i = 0; i < 20000; ++i) {
            const std::int64_t k = RandomTot(n);
            ASSERT_GE(k, 1);
            ASSERT_LE(k, n);
            gezien.insert(k);
        }
        EXPECT_EQ(gezien.size(), static_cast<std::size_t>(n)) << "n = " << n;
    }
}

TEST(Cijfers, PlaatsenVanEenGetal)
{
    EXPECT_EQ(Eenheden(4321), 1);
    EXPECT_EQ(Tientallen(4321), 2);
    EXPECT_EQ(Honderdtallen(4321), 3);
    EXPECT_EQ(Duizendtallen(4321), 4);
    EXPECT_EQ(Duizendtallen(54321), 4);
    EXPECT_EQ(Tientallen(7), 0);
}

TEST(Cijfers, WillekeurigeGetallenHebbenNooitEenNul)
{
    ZaaiToeval(7);
    std::set<std::int64_t> twee, drie;
    for (int i = 0; i < 50000; ++i) {
        const std::int64_t t = RandomTweecijferig();
        const std::int64_t h = RandomDriecijferig();
        ASSERT_NE(Eenheden(t), 0);
        ASSERT_NE(Tientallen(t), 0);
        ASSERT_LT(t, 100);
        ASSERT_NE(Eenheden(h), 0);
        ASSERT_NE(Tientallen(h), 0);
        ASSERT_NE(Honderdtallen(h), 0);
        ASSERT_LT(h, 1000);
        twee.insert(t);
        drie.insert(h);
    }
    EXPECT_EQ(twee.size(), 81u);
    EXPECT_EQ(drie.size(), 729u);
    const std::int64_t c = RandomCijfer();
    EXPECT_TRUE(c >= 1 && c <= 9);
}
