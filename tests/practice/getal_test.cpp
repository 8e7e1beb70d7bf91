#include "getal.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <random>
#include <tuple>
#include <utility>

namespace {

const QString Duizend(1000, u'9');
// Tiny: the zeros after the point outweigh the exponent; huge: digits before the point count, zeros in front not.
const QString Klein = "0." + QString(330, u'0') + "1e5";
const QString Groot = QString(330, u'0') + "1" + QString(320, u'0');
constexpr double Oneindig = std::numeric_limits<double>::infinity();

TEST(Getal, LeesGetalNeemtHetGetalAanHetBegin)
{
    const std::pair<QString, double> gevallen[] = {{"", 0}, {"   7", 7}, {"\t 8", 8}, {"+3", 3}, {"-4.5", -4.5},
        {"12abc", 12}, {".", 0}, {".5", 0.5}, {"1,5", 1}, {"-", 0}, {"1e3", 1000}, {"2e", 2}, {"1e-999", 0},
        {"1e999", Oneindig}, {Duizend, Oneindig}, {Klein, 0}, {"-" + Klein, 0}, {Groot, Oneindig},
        {"0.0001e310", 1e306}, {"-" + Duizend, -Oneindig}, {QString::fromUtf8("٣"), 0}, {QString::fromUtf8("３"), 0},
        {QString("5") + QChar(0) + "7", 5}, {QChar(0) + QString("5"), 0}};
    for (const auto& [tekst, waarde] : gevallen)
        EXPECT_EQ(LeesGetal(tekst), waarde) << tekst.toStdString();
}

TEST(Getal, GeheelRondtEenHalfNaarEvenEnMoetPassen)
{
    using std::nullopt;
    const std::tuple<QString, std::optional<std::int16_t>, std::optional<std::int32_t>> gevallen[]
        = {{"", 0, 0}, {"2.5", 2, 2}, {"3.5", 4, 4}, {"-4.5", -4, -4}, {"7.4999", 7, 7}, {"32767.4", 32767, 32767},
            {"32767.5", nullopt, 32768}, {"-32768", -32768, -32768}, {"-32769", nullopt, -32769},
            {"2147483647", nullopt, 2147483647}, {"2147483648", nullopt, nullopt},
            {"-2147483648", nullopt, std::numeric_limits<std::int32_t>::min()}, {"1e999", nullopt, nullopt},
            {Duizend, nullopt, nullopt}};
    for (const auto& [tekst, geheel16, geheel32] : gevallen) {
        EXPECT_EQ(LeesGeheel16(tekst), geheel16) << tekst.toStdString();
        EXPECT_EQ(LeesGeheel32(tekst), geheel32) << tekst.toStdString();
    }
}

// A hundred thousand random texts of the characters that matter (digits, signs, points, exponents, blanks, NUL,
// other scripts' digits): the reader never crashes or reads past the text, a value is never NaN, and a whole
// number either fits or is refused.
TEST(Getal, WillekeurigeTekstenLeestHijZonderFout)
{
    const QString tekens = QStringLiteral("0123456789+-.eE \t,x") + QChar(0) + QString::fromUtf8("٣３é");
    std::mt19937 bron(20261206);
    for (int i = 0; i < 100'000; ++i) {
        QString tekst;
        const int lengte = static_cast<int>(bron() % 40);
        for (int j = 0; j < lengte; ++j)
            tekst += tekens.at(static_cast<qsizetype>(bron() % static_cast<unsigned>(tekens.size())));
        if (i % 100 == 0)
            tekst = QString(static_cast<qsizetype>(bron() % 400), u'0') + tekst;
        const double waarde = LeesGetal(tekst);
        ASSERT_FALSE(std::isnan(waarde)) << tekst.toStdString();
        const auto geheel = LeesGeheel32(tekst);
        ASSERT_EQ(geheel.has_value(),
            std::isfinite(waarde) && std::nearbyint(waarde) >= INT32_MIN && std::nearbyint(waarde) <= INT32_MAX)
            << tekst.toStdString();
    }
}

} // namespace
