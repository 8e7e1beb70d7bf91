#include "bewerkingen.h"
#include "opgave.h"
#include "plaatswaarde.h"
#include "plaatswaarde_tabel.h"
#include "toeval.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

namespace {

struct Reeks
{
    Opgave (*maak)(const std::string&);
    std::string voorvoegsel;
    bool onthoudt; // refreshes VorigeUitkomst and keeps answers from repeating
    const std::vector<std::string>& (*soorten)();
};

const Reeks Tot20 {MaakTwintig, "20/", true, SoortenTwintig};
const Reeks Tot100 {MaakHonderd, "100/", true, SoortenHonderd};
const Reeks Tot1000 {MaakDuizend, "1000/", true, SoortenDuizend};
const Reeks Tot10000 {MaakTienduizend, "10000/", false, SoortenTienduizend};
const Reeks Tot100000 {MaakHonderdduizend, "100000/", false, SoortenHonderdduizend};

using Som = Trekking;

// One row per kind, in table order: the extremes of its answers, the digit patterns of Links, Rechts and
// Uitkomst, and the part of its condition that the patterns and extremes do not already say.
struct Soort
{
    const char* code;
    const Reeks* reeks;
    std::int64_t laagste, hoogste;
    const char *links, *rechts, *uitkomst;
    bool (*voorwaarde)(Som) = nullptr;
};

constexpr auto E = Eenheden;
constexpr auto T = Tientallen;
constexpr auto H = Honderdtallen;
constexpr auto D = Duizendtallen;

const Soort Soorten[] = {
    {"T+E", &Tot20, 11, 19, "10", "x", "*"},
    {"E+T", &Tot20, 11, 19, "x", "10", "*"},
    {"TE+E", &Tot20, 12, 19, "1x", "x", "*"},
    {"20-E", &Tot20, 11, 19, "20", "x", "*"},
    {"20-TE", &Tot20, 1, 9, "20", "1x", "*"},
    {"TE-Ezb", &Tot20, 11, 18, "1x", "x", "*"},
    {"E+TE", &Tot20, 12, 20, "x", "1x", "*"},
    {"TE-TE", &Tot20, 1, 8, "1x", "1x", "*"},
    {"E+E", &Tot20, 11, 18, "x", "x", "*"},
    {"TE-Emb", &Tot20, 2, 9, "1x", "x", "*"},

    {"T+T", &Tot100, 20, 100, "x0", "x0", "*"},
    {"T-T", &Tot100, 10, 80, "x0", "x0", "*"},
    {"T+E", &Tot100, 11, 99, "x0", "x", "*"},
    {"E+T", &Tot100, 11, 99, "x", "x0", "*"},
    {"TE-E=T", &Tot100, 10, 90, "xx", "x", "x0"},
    {"TE-T=E", &Tot100, 1, 9, "xx", "x0", "x"},
    {"T+TE", &Tot100, 21, 99, "x0", "xx", "*"},
    {"TE+T", &Tot100, 21, 99, "xx", "x0", "*"},
    {"TE+E", &Tot100, 12, 100, "xx", "x", "*", [](Som s) { return E(s.L) + s.R <= 10; }},
    {"E+TE", &Tot100, 12, 100, "x", "xx", "*", [](Som s) { return s.L + E(s.R) <= 10; }},
    {"TE-E", &Tot100, 11, 98, "xx", "x", "*", [](Som s) { return E(s.L) > s.R; }},
    {"TE+TE", &Tot100, 22, 100, "xx", "xx", "*", [](Som s) { return E(s.L) + E(s.R) <= 10; }},
    {"TE-TE", &Tot100, 1, 88, "xx", "xx", "*", [](Som s) { return E(s.L) > E(s.R); }},
    {"TE-T=TE", &Tot100, 11, 89, "xx", "x0", "xx", [](Som s) { return s.R <= 80; }},
    {"TE+E=T", &Tot100, 20, 100, "xx", "x", "*", [](Som s) { return s.U % 10 == 0; }},
    {"TE+TE=T", &Tot100, 30, 100, "xx", "xx", "*", [](Som s) { return s.U % 10 == 0; }},
    {"TE-TE=T", &Tot100, 10, 80, "xx", "xx", "x0"},
    {"T-E", &Tot100, 1, 89, "x0", "x", "*"},
    {"T-TE", &Tot100, 1, 79, "x0", "xx", "*"},
    {"TE+Emb", &Tot100, 21, 98, "xx", "x", "*", [](Som s) { return E(s.L) + s.R > 10; }},
    {"E+TEmb", &Tot100, 21, 98, "x", "xx", "*", [](Som s) { return s.L + E(s.R) > 10; }},
    {"TE-Emb", &Tot100, 2, 89, "xx", "x", "*", [](Som s) { return E(s.L) < s.R; }},
    {"TE+TEmb", &Tot100, 31, 98, "xx", "xx", "*", [](Som s) { return E(s.L) + E(s.R) > 10; }},
    {"TE-TEmb", &Tot100, 2, 79, "xx", "xx", "*", [](Som s) { return E(s.L) < E(s.R); }},
    {"H-T", &Tot100, 10, 90, "100", "x0", "*"},
    {"H-E", &Tot100, 91, 99, "100", "x", "*"},
    {"H-TE", &Tot100, 1, 89, "100", "xx", "*"},

    {"H+H", &Tot1000, 200, 900, "x00", "x00", "*"},
    {"H-H", &Tot1000, 100, 800, "x00", "x00", "*"},
    {"H+T", &Tot1000, 110, 990, "x00", "x0", "*"},
    {"H+E", &Tot1000, 101, 909, "x00", "x", "*"},
    {"H+TE", &Tot1000, 111, 999, "x00", "xx", "*"},
    {"H+HTE", &Tot1000, 211, 999, "x00", "xxx", "*"},
    {"HT+E", &Tot1000, 111, 999, "xx0", "x", "*"},
    {"HT+T", &Tot1000, 120, 990, "xx0", "x0", "*", [](Som s) { return T(s.L) + T(s.R) < 10; }},
    {"HT-T", &Tot1000, 110, 980, "xx0", "x0", "*", [](Som s) { return T(s.L) > T(s.R); }},
    {"HTE+E", &Tot1000, 112, 999, "xxx", "x", "*", [](Som s) { return E(s.L) + s.R < 10; }},
    {"HTE-E", &Tot1000, 111, 998, "xxx", "x", "*", [](Som s) { return E(s.L) > s.R; }},
    {"HTE+TE", &Tot1000, 122, 999, "xxx", "xx", "*",
        [](Som s) { return E(s.L) + E(s.R) < 10 && T(s.L) + T(s.R) < 10; }},
    {"HTE+HTE", &Tot1000, 222, 999, "xxx", "xxx", "*",
        [](Som s) { return E(s.L) + E(s.R) < 10 && T(s.L) + T(s.R) < 10; }},
    {"HTE-HTE", &Tot1000, 1, 888, "xxx", "xxx", "*",
        [](Som s) { return H(s.L) >= H(s.R) && T(s.L) >= T(s.R) && E(s.L) >= E(s.R); }},
    {"D-H", &Tot1000, 100, 900, "1000", "x00", "*"},
    {"D-T", &Tot1000, 910, 990, "1000", "x0", "*"},
    {"D-HT", &Tot1000, 10, 890, "1000", "xx0", "*"},
    {"D-E", &Tot1000, 991, 999, "1000", "x", "*"},
    {"D-TE", &Tot1000, 901, 989, "1000", "xx", "*"},
    {"D-HTE", &Tot1000, 1, 889, "1000", "xxx", "*"},
    {"HTE-TE", &Tot1000, 111, 988, "xxx", "xx", "*", [](Som s) { return T(s.L) > T(s.R) && E(s.L) > E(s.R); }},
    {"H-T", &Tot1000, 10, 890, "x00", "x0", "*"},
    {"H-E", &Tot1000, 91, 899, "x00", "x", "*"},
    {"H-TE", &Tot1000, 1, 889, "x00", "xx", "*"},
    {"H-HTE", &Tot1000, 1, 789, "x00", "xxx", "*"},
    {"HE-T", &Tot1000, 11, 899, "x0x", "x0", "*"},
    {"HTE+Emb", &Tot1000, 121, 998, "xxx", "x", "*", [](Som s) { return E(s.L) + s.R > 10; }},
    {"HTE-Emb", &Tot1000, 102, 989, "xxx", "x", "*", [](Som s) { return E(s.L) < s.R; }},
    {"HT+Tmb", &Tot1000, 210, 980, "xx0", "x0", "*", [](Som s) { return T(s.L) + T(s.R) > 10; }},
    {"HT-Tmb", &Tot1000, 20, 890, "xx0", "x0", "*", [](Som s) { return T(s.L) < T(s.R); }},
    {"HTE+TEmb", &Tot1000, 221, 998, "xxx", "xx", "*",
        [](Som s) { return E(s.L) + E(s.R) > 10 && T(s.L) + T(s.R) > 10; }},
    {"HTE-TEmb", &Tot1000, 12, 889, "xxx", "xx", "*", [](Som s) { return E(s.L) < E(s.R) && T(s.L) < T(s.R); }},
    {"HTE+TE=H", &Tot1000, 200, 900, "xxx", "xx", "x00"},
    {"HTE+HTE=HT", &Tot1000, 220, 990, "*", "xxx", "xx0", [](Som s) { return s.L > 100; }},
    {"HTE+HTE=H", &Tot1000, 300, 900, "*", "xxx", "x00", [](Som s) { return s.L > 100; }},

    {"DH+H=D", &Tot10000, 2000, 9000, "x???", "x00", "x000"},
    {"DHT+T=DH", &Tot10000, 1200, 9900, "xx??", "x0", "xx00"},
    {"DHT+HT=DH", &Tot10000, 1300, 9900, "xx??", "xx0", "xx00", [](Som s) { return H(s.L) + H(s.R) < 9; }},
    {"DHT+HT=D", &Tot10000, 2000, 9000, "xx??", "xx0", "x000"},
    {"DHTE+E=DHT", &Tot10000, 1120, 9990, "xxx?", "x", "xxx0"},
    {"DHTE+E=D", &Tot10000, 2000, 9000, "x???", "x", "x000"},
    {"DHTE+E=DH", &Tot10000, 1200, 9900, "xxx?", "x", "xx00"},
    {"DH+H=DH", &Tot10000, 2100, 9800, "x???", "x00", "xx00", [](Som s) { return H(s.L) + H(s.R) > 10; }},
    {"DHT+T=DHT", &Tot10000, 1210, 9980, "xx??", "x0", "xxx0", [](Som s) { return T(s.L) + T(s.R) > 10; }},
    {"DHTE+E=DHTE", &Tot10000, 1121, 9998, "xxx?", "x", "xxxx", [](Som s) { return E(s.L) + E(s.R) > 10; }},
    {"DHTE+E=DE", &Tot10000, 2001, 9008, "xxx?", "x", "x00x", [](Som s) { return E(s.L) + E(s.R) > 10; }},
    {"DH+DH=DH", &Tot10000, 3100, 9800, "xx00", "xx00", "*", [](Som s) { return H(s.L) + H(s.R) > 10; }},
    {"DH+DH=TD", &Tot10000, 10000, 10000, "x???", "xx00", "10000"},
    {"DH+HT=DHT", &Tot10000, 2110, 9890, "xx00", "xx0", "xxx0", [](Som s) { return H(s.L) + H(s.R) > 10; }},
    {"DH+HTE=DHTE", &Tot10000, 2111, 9899, "xx00", "xxx", "xxxx", [](Som s) { return H(s.L) + H(s.R) > 10; }},
    {"D-H=DH", &Tot10000, 1100, 8900, "x000", "x00", "*"},
    {"D-T=DHT", &Tot10000, 1910, 8990, "x000", "x0", "xxx0"},
    {"D-E=DHTE", &Tot10000, 1991, 8999, "x000", "x", "*"},
    {"D-TE=DHTE", &Tot10000, 1901, 8989, "x000", "xx", "*"},
    {"D-HT=DHT", &Tot10000, 1010, 8890, "x000", "xx0", "*"},
    {"D-DH=DH", &Tot10000, 1100, 7900, "x000", "xx00", "*"},
    {"DH-H=DH", &Tot10000, 1200, 8900, "xx00", "x00", "xx00", [](Som s) { return H(s.R) > H(s.L); }},
    {"DH-DH=DH", &Tot10000, 1200, 7900, "xx00", "xx00", "*", [](Som s) { return H(s.R) > H(s.L); }},
    {"DH-T=DHT", &Tot10000, 1010, 9890, "xx00", "x0", "*"},
    {"DH-HT=DHT", &Tot10000, 1110, 8890, "xx00", "xx0", "*", [](Som s) { return H(s.R) > H(s.L); }},
    {"DH-TE=DHTE", &Tot10000, 1001, 9889, "xx00", "xx", "*"},
    {"DH-E=DHTE", &Tot10000, 1091, 9899, "xx00", "x", "*"},

    {"TD D+TD D=TD D", &Tot100000, 31000, 98000, "xx000", "xx000", "*", [](Som s) { return D(s.L) + D(s.R) > 10; }},
    {"TD DH+H=TD DH", &Tot100000, 12100, 99800, "xxx00", "x00", "*", [](Som s) { return H(s.L) + H(s.R) > 10; }},
    {"TD-TD=TD", &Tot100000, 10000, 80000, "x0000", "x0000", "*"},
    {"TD D-TD=TD D", &Tot100000, 11000, 89000, "xx000", "x0000", "*"},
    {"TD D-TD D=TD D", &Tot100000, 12000, 79000, "xx000", "xx000", "*", [](Som s) { return D(s.L) < D(s.R); }},
    {"TD D-D=TD D", &Tot100000, 12000, 89000, "xx000", "x000", "*", [](Som s) { return D(s.L) < D(s.R); }},
    {"TD D-H=TD DH", &Tot100000, 10100, 98900, "xx000", "x00", "*"},
};

void PrintTo(const Soort& s, std::ostream* os)
{
    *os << s.reeks->voorvoegsel << s.code;
}

// Digits of a number, highest place first: 'x' is a digit 1..9, '?' any digit, a digit stands for itself;
// the number has exactly that many digits. "*" accepts every number that is not negative.
bool Past(std::int64_t getal, std::string_view patroon)
{
    if (getal < 0 || patroon == "*")
        return getal >= 0;
    for (auto p = patroon.rbegin(); p != patroon.rend(); ++p, getal /= 10) {
        const std::int64_t cijfer = getal % 10;
        if (*p == 'x' ? cijfer == 0 : (*p != '?' && cijfer != *p - '0'))
            return false;
    }
    return getal == 0;
}

using PerSoort = ::testing::TestWithParam<Soort>;

// The rarest extreme ("HTE-HTE": 999 - 111) turns up about once in 90,000 exercises; drawing stops as soon
// as both extremes have been seen. Every other exercise follows one of another generator, whose answer is then
// the previous one. Kinds without the previous-answer rule and with few answers must repeat one.
TEST_P(PerSoort, ElkeOefeningVolgtDeRijEnBeslaatPreciesDeAntwoorden)
{
    const Soort& s = GetParam();
    const Reeks& reeks = *s.reeks;
    const std::string_view code = s.code;
    const bool plus = code[code.find_first_of("+-")] == '+';
    const bool regel = reeks.onthoudt && code != "HTE+HTE=HT" && code != "HTE+HTE=H";
    ResetOpgave();
    ZaaiToeval(7);
    std::int64_t laagste = s.hoogste + 1, hoogste = s.laagste - 1;
    bool herhaald = false;
    Opgave voor;
    for (int i = 0; i < 3'000'000 && (i < 3000 || laagste != s.laagste || hoogste != s.hoogste); ++i) {
        if (i % 2)
            voor = MaakOptelling(static_cast<std::int32_t>(s.hoogste), true);
        const Opgave opgave = reeks.maak(s.code);
        ASSERT_TRUE(opgave.Uitkomst.has_value());
        const Som o {opgave.Links, opgave.Rechts, *opgave.Uitkomst};
        ASSERT_TRUE(o.U == (plus ? o.L + o.R : o.L - o.R) && Past(o.L, s.links) && Past(o.R, s.rechts)
            && Past(o.U, s.uitkomst) && o.U >= s.laagste && o.U <= s.hoogste && (!s.voorwaarde || s.voorwaarde(o)))
            << o.L << opgave.Bewerking << o.R << " = " << o.U;
        ASSERT_EQ(opgave.Bewerking, plus ? "+" : "-");
        ASSERT_EQ(opgave.Omschrijving, reeks.voorvoegsel + s.code);
        ASSERT_EQ(opgave.VorigeUitkomst, reeks.onthoudt ? voor.Uitkomst.value_or(0) : voor.VorigeUitkomst);
        ASSERT_TRUE(!regel || o.U != opgave.VorigeUitkomst) << o.U << " herhaald na " << i << " oefeningen";
        herhaald = herhaald || o.U == voor.Uitkomst;
        voor = opgave;
        laagste = std::min(laagste, o.U);
        hoogste = std::max(hoogste, o.U);
    }
    EXPECT_EQ(laagste, s.laagste);
    EXPECT_EQ(hoogste, s.hoogste);
    EXPECT_TRUE(regel || s.hoogste - s.laagste >= 1000 || herhaald) << "zonder regel komt een antwoord terug";
}

INSTANTIATE_TEST_SUITE_P(Plaatswaarde, PerSoort, ::testing::ValuesIn(Soorten));

TEST(Plaatswaarde, SoortenVolgenDeTabellen)
{
    for (const Reeks* reeks : {&Tot20, &Tot100, &Tot1000, &Tot10000, &Tot100000}) {
        std::vector<std::string> codes;
        for (const Soort& s : Soorten)
            if (s.reeks == reeks)
                codes.emplace_back(s.code);
        EXPECT_EQ(reeks->soorten(), codes) << reeks->voorvoegsel;
    }
}

// An unknown code makes no exercise: only Bewerking, Omschrijving and (where the range refreshes it)
// VorigeUitkomst change.
TEST(Plaatswaarde, OnbekendeCodeMaaktGeenOefening)
{
    ZaaiToeval(3);
    for (const auto& [reeks, code] : {std::pair {&Tot20, "X"}, std::pair {&Tot100, "te-e=t"}, std::pair {&Tot1000, ""},
             std::pair {&Tot10000, "H+H"}, std::pair {&Tot100000, "TDD-TD=TDD"}}) {
        ResetOpgave();
        MaakOptelling(50, true);
        const Opgave voor = MaakAftrekking(50, true);
        const Opgave opgave = reeks->maak(code);
        const auto som = [](const Opgave& o) { return std::tie(o.Links, o.Rechts, o.Uitkomst); };
        EXPECT_EQ(som(opgave), som(voor)) << code;
        EXPECT_EQ(opgave.Bewerking, "-") << code;
        EXPECT_EQ(opgave.Omschrijving, reeks->voorvoegsel + code);
        EXPECT_EQ(opgave.VorigeUitkomst, reeks->onthoudt ? *voor.Uitkomst : voor.VorigeUitkomst) << code;
    }
}

} // namespace
