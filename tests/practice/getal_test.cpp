#include "getal.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(Getal, LeesGetalNeemtHetGetalAanHetBegin)
{
    struct Geval
    {
        QString tekst;
        double waarde;
    };
    const Geval gevallen[] = {
        {"", 0},
        {"   7", 7},
        {"\t 8", 8},
        {"+3", 3},
        {"-4.5", -4.5},
        {"12abc", 12},
        {".", 0},
        {".5", 0.5},
        {"5.", 5},
        {"1,5", 1},
        {"abc", 0},
        {"-", 0},
        {"1e3", 1000},
        {"2e", 2},
        {"3e+x", 3},
        {"1e-999", 0},
        {QString::fromUtf8("٣"), 0},
        {QString::fromUtf8("３"), 0},
        {QString::fromLatin1("5\0"
                             "7",
             3),
            5},
        {QString::fromLatin1("\0"
                             "5",
             2),
            0},
        {"40abc", 40},
        {"21.0", 21},
    };
    for (const auto& g : gevallen)
        EXPECT_EQ(LeesGetal(g.tekst), g.waarde) << g.tekst.toStdString();
}

TEST(Getal, TeGroteGetallenZijnOneindigEnPassenNergens)
{
    EXPECT_TRUE(std::isinf(LeesGetal("1e999")));
    EXPECT_TRUE(std::isinf(LeesGetal(QString(1000, u'9'))));
    EXPECT_TRUE(std::isinf(LeesGetal("-" + QString(1000, u'9'))));
    EXPECT_EQ(LeesGetal("0." + QString(1000, u'0') + "1"), 0.0);
    EXPECT_FALSE(LeesGeheel16("1e999").has_value());
    EXPECT_FALSE(LeesGeheel32(QString(1000, u'9')).has_value());
    EXPECT_FALSE(LeesGeheel32("1e99999999999999999999999").has_value());
}

TEST(Getal, AfrondenNaarHetEvenGetalEnGrenzenVanHetDoel)
{
    EXPECT_EQ(LeesGeheel16("2.5"), 2);
    EXPECT_EQ(LeesGeheel16("3.5"), 4);
    EXPECT_EQ(LeesGeheel16("-4.5"), -4);
    EXPECT_EQ(LeesGeheel16("7.4999"), 7);
    EXPECT_EQ(LeesGeheel16(""), 0);
    EXPECT_EQ(LeesGeheel16("32767"), 32767);
    EXPECT_EQ(LeesGeheel16("32767.4"), 32767);
    EXPECT_FALSE(LeesGeheel16("32767.5").has_value());
    EXPECT_FALSE(LeesGeheel16("32768").has_value());
    EXPECT_EQ(LeesGeheel16("-32768"), -32768);
    EXPECT_FALSE(LeesGeheel16("-32769").has_value());
    EXPECT_EQ(LeesGeheel32("2147483647"), 2147483647);
    EXPECT_FALSE(LeesGeheel32("2147483648").has_value());
    EXPECT_EQ(LeesGeheel32("-2147483648"), -2147483647 - 1);
}

TEST(Getal, TekstZonderVoorloopspatie)
{
    EXPECT_EQ(Tekst(50), "50");
    EXPECT_EQ(Tekst(-3), "-3");
}
