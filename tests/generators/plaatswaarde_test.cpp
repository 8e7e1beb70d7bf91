#include "bewerkingen.h"
#include "opgave.h"
#include "plaatswaarde.h"
#include "plaatswaarde_soorten.h"
#include "plaatswaarde_tabel.h"
#include "toeval.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <functional>
#include <limits>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace {

bool RegelGeldt(const Soort& s)
{
    const std::string_view code = s.code;
    return s.reeks->onthoudt && code != "HTE+HTE=HT" && code != "HTE+HTE=H";
}

class PerSoort : public ::testing::TestWithParam<Soort>
{
protected:
    void SetUp() override
    {
        ResetOpgave();
        ZaaiToeval(7);
    }
};

std::string Naam(const ::testing::TestParamInfo<Soort>& info)
{
    std::string naam = info.param.reeks->voorvoegsel + info.param.code;
    for (char& c : naam) {
        if (!std::isalnum(static_cast<unsigned char>(c)))
            c = c == '+' ? 'p' : (c == '-' ? 'm' : (c == '=' ? 'i' : '_'));
    }
    return naam;
}

// Whether an exercise is one the row allows (the previous-answer rule aside).
::testing::AssertionResult Voldoet(const Soort& s, Som o)
{
    const bool goed = o.U == (s.teken == '+' ? o.L + o.R : o.L - o.R) && Past(o.L, s.links) && Past(o.R, s.rechts)
        && Past(o.U, s.uitkomst) && o.U >= s.laagste && o.U <= s.hoogste && (!s.voorwaarde || s.voorwaarde(o));
    if (goed)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << o.L << ' ' << s.teken << ' ' << o.R << " = " << o.U;
}

Som Huidige()
{
    return {Opgave.Links, Opgave.Rechts, Opgave.Uitkomst.value_or(-1)};
}

const Soort& Zoek(const Reeks& reeks, std::string_view code)
{
    for (const Soort& s : Soorten) {
        if (s.reeks == &reeks && s.code == code)
            return s;
    }
    throw std::invalid_argument(std::string(code));
}

} // namespace

// The rarest extreme ("HTE-HTE": 999 - 111) turns up about once in 90,000 exercises; drawing stops as soon as
// both extremes have been seen.
TEST_P(PerSoort, ElkeOefeningVolgtDeRijEnBeslaatPreciesDeAntwoorden)
{
    constexpr int MinTrekkingen = 3000;
    constexpr int MaxTrekkingen = 3'000'000;
    const Soort& s = GetParam();
    const Reeks& reeks = *s.reeks;
    std::int64_t laagste = std::numeric_limits<std::int64_t>::max();
    std::int64_t hoogste = std::numeric_limits<std::int64_t>::min();
    for (int i = 0; i < MaxTrekkingen && (i < MinTrekkingen || laagste != s.laagste || hoogste != s.hoogste); ++i) {
        const OpgaveGegevens voor = Opgave;
        reeks.maak(s.code);
        ASSERT_TRUE(Opgave.Uitkomst.has_value());
        const Som o = Huidige();
        ASSERT_TRUE(Voldoet(s, o));
        ASSERT_EQ(Opgave.Bewerking, std::string(1, s.teken));
        ASSERT_EQ(Opgave.Omschrijving, reeks.voorvoegsel + s.code);
        ASSERT_EQ(Opgave.VorigeUitkomst, reeks.onthoudt ? voor.Uitkomst.value_or(0) : voor.VorigeUitkomst);
        if (RegelGeldt(s)) {
            ASSERT_NE(o.U, Opgave.VorigeUitkomst) << "herhaald na " << i << " oefeningen";
        }
        laagste = std::min(laagste, o.U);
        hoogste = std::max(hoogste, o.U);
    }
    EXPECT_EQ(laagste, s.laagste);
    EXPECT_EQ(hoogste, s.hoogste);
}

INSTANTIATE_TEST_SUITE_P(Plaatswaarde, PerSoort, ::testing::ValuesIn(Soorten), Naam);

TEST(Plaatswaarde, SoortenVolgenDeTabellen)
{
    for (const Reeks* reeks : Reeksen) {
        std::vector<std::string> codes;
        for (const Soort& s : Soorten) {
            if (s.reeks == reeks)
                codes.emplace_back(s.code);
        }
        EXPECT_EQ(codes.size(), reeks->aantal) << reeks->voorvoegsel;
        EXPECT_EQ(reeks->soorten(), codes) << reeks->voorvoegsel;
    }
}

// When a generator's first attempt is the reference draw below and that draw is acceptable, it must be the
// exercise made; otherwise the reference must break the row. So digits are drawn in the order of their numbers.
TEST(Plaatswaarde, TrektInDeVolgordeVanDeRij)
{
    struct Geval
    {
        const Reeks& reeks;
        const char* code;
        std::function<Som()> trek;
    };
    const Geval gevallen[] = {
        {Tot100, "TE-T=TE",
            [] {
                const std::int64_t l = RandomTweecijferig();
                const std::int64_t r = 10 * RandomTot(8);
                return Som {l, r, l - r};
            }},
        {Tot1000, "HE-T",
            [] {
                const std::int64_t honderd = 100 * RandomCijfer();
                const std::int64_t l = honderd + RandomCijfer();
                const std::int64_t r = 10 * RandomCijfer();
                return Som {l, r, l - r};
            }},
        {Tot1000, "HTE+HTE=HT",
            [] {
                const std::int64_t u = 10 * RandomTweecijferig();
                const std::int64_t tiental = 10 * RandomTweecijferig();
                const std::int64_t r = tiental + RandomCijfer();
                return Som {u - r, r, u};
            }},
        {Tot10000, "DHTE+E=DE",
            [] {
                const std::int64_t duizend = 1000 * RandomCijfer();
                const std::int64_t u = duizend + RandomCijfer();
                const std::int64_t r = RandomCijfer();
                return Som {u - r, r, u};
            }},
    };
    for (const Geval& g : gevallen) {
        const Soort& s = Zoek(g.reeks, g.code);
        int gelijk = 0;
        for (std::uint64_t zaad = 1; zaad <= 400; ++zaad) {
            ZaaiToeval(zaad);
            const Som verwacht = g.trek();
            ZaaiToeval(zaad);
            ResetOpgave();
            g.reeks.maak(g.code);
            const Som gemaakt = Huidige();
            if (gemaakt.L == verwacht.L && gemaakt.R == verwacht.R && gemaakt.U == verwacht.U)
                ++gelijk;
            else
                EXPECT_FALSE(Voldoet(s, verwacht)) << g.code << " zaad " << zaad;
        }
        EXPECT_GT(gelijk, 50) << g.code;
    }
}

// The previous answer may come from another generator; the pairs overlap in their answers.
TEST(Plaatswaarde, VorigAntwoordTeltOokVanEenAndereGenerator)
{
    struct Paar
    {
        std::function<void()> eerst;
        const Reeks& dan;
        const char* code;
    };
    const Paar paren[] = {
        {[] { MaakOptelling(20, true); }, Tot20, "T+E"},
        {[] { MaakTwintig("E+E"); }, Tot100, "T+E"},
        {[] { MaakDuizend("D-HTE"); }, Tot100, "TE-TE"},
        {[] { MaakHonderd("T-TE"); }, Tot1000, "HTE-HTE"},
    };
    ZaaiToeval(11);
    for (const Paar& p : paren) {
        const Soort& s = Zoek(p.dan, p.code);
        int kansen = 0; // times the previous answer was one the kind could have given
        for (int i = 0; i < 3000; ++i) {
            p.eerst();
            const std::int64_t vorige = *Opgave.Uitkomst;
            p.dan.maak(p.code);
            ASSERT_NE(*Opgave.Uitkomst, vorige) << p.code;
            kansen += vorige >= s.laagste && vorige <= s.hoogste;
        }
        EXPECT_GT(kansen, 300) << p.code;
    }
}

// Without the rule an answer can come twice in a row.
TEST(Plaatswaarde, ZonderRegelKanEenAntwoordTerugkomen)
{
    const std::pair<const Reeks*, const char*> gevallen[] = {
        {&Tot1000, "HTE+HTE=H"},
        {&Tot1000, "HTE+HTE=HT"},
        {&Tot10000, "DH+DH=TD"},
        {&Tot10000, "D-H=DH"},
        {&Tot100000, "TD-TD=TD"},
    };
    ZaaiToeval(5);
    for (const auto& [reeks, code] : gevallen) {
        bool herhaald = false;
        for (int i = 0; i < 20000 && !herhaald; ++i) {
            const std::optional<std::int64_t> vorige = Opgave.Uitkomst;
            reeks->maak(code);
            herhaald = Opgave.Uitkomst == vorige;
        }
        EXPECT_TRUE(herhaald) << code;
    }
}

// An unknown code makes no exercise: only Bewerking, Omschrijving and (where the range refreshes it)
// VorigeUitkomst change, also when no exercise was made before.
TEST(Plaatswaarde, OnbekendeCodeMaaktGeenOefening)
{
    const std::pair<const Reeks*, std::string> gevallen[] = {
        {&Tot20, "X"},
        {&Tot20, "t+e"},
        {&Tot20, "T+E "},
        {&Tot100, "te-e=t"},
        {&Tot100, ""},
        {&Tot1000, "X"},
        {&Tot1000, "H+h"},
        {&Tot1000, "E+TEmb"},
        {&Tot10000, "H+H"},
        {&Tot10000, "dh+dh=td"},
        {&Tot100000, "TDD-TD=TDD"},
        {&Tot100000, "TD  D-TD=TD D"},
        {&Tot100000, "X"},
    };
    ZaaiToeval(3);
    for (const auto& [reeks, code] : gevallen) {
        for (const bool eerst : {false, true}) {
            ResetOpgave();
            if (eerst)
                MaakOptelling(50, true);
            Opgave.VorigeUitkomst = -5;
            const OpgaveGegevens voor = Opgave;
            reeks->maak(code);
            EXPECT_EQ(Opgave.Links, voor.Links) << code;
            EXPECT_EQ(Opgave.Rechts, voor.Rechts) << code;
            EXPECT_EQ(Opgave.Uitkomst, voor.Uitkomst) << code;
            EXPECT_EQ(Opgave.Bewerking, "-") << code;
            EXPECT_EQ(Opgave.Omschrijving, reeks->voorvoegsel + code);
            EXPECT_EQ(Opgave.VorigeUitkomst, reeks->onthoudt ? voor.Uitkomst.value_or(0) : -5) << code;
        }
    }
}

// Rows that no draw can satisfy still end: first the previous answer is allowed again, in the end the last
// draw is kept.
TEST(Plaatswaarde, OnvervulbareRijLooptNietVast)
{
    constexpr Soortrij rijen[] = {
        {"nooit", '+', Volgorde::LinksEerst, [] { return RandomCijfer(); }, [](Getal) { return RandomCijfer(); },
            [](Oefening) { return false; }, Vorige::Anders},
        {"alleen 7", '-', Volgorde::UitkomstEerst, [] { return RandomCijfer(); }, [](Getal) { return Getal {2}; },
            [](Oefening o) { return o.U == 7; }, Vorige::Anders},
    };
    const Bereik proef {"proef/", rijen, true};
    ZaaiToeval(9);
    ResetOpgave();

    MaakPlaatswaarde(proef, "nooit");
    ASSERT_TRUE(Opgave.Uitkomst.has_value());
    EXPECT_EQ(*Opgave.Uitkomst, Opgave.Links + Opgave.Rechts);
    EXPECT_EQ(Opgave.Bewerking, "+");
    EXPECT_EQ(Opgave.Omschrijving, "proef/nooit");

    Opgave.Uitkomst = 7;
    MaakPlaatswaarde(proef, "alleen 7");
    EXPECT_EQ(Opgave.VorigeUitkomst, 7);
    EXPECT_EQ(Opgave.Uitkomst, 7);
    EXPECT_EQ(Opgave.Links, 9);
    EXPECT_EQ(Opgave.Bewerking, "-");
}
