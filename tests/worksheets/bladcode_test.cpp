#include "bladcode.h"
#include "keuzes.h"
#include "toeval.h"

#include <gtest/gtest.h>

#include <map>
#include <numeric>
#include <set>

namespace {

const QString Tekens = QStringLiteral("23456789ABCDEFGHJKMNPQRSTUVWXYZ");

BladKeuze Maximum(BladSoort soort, std::int32_t maximum, bool brug)
{
    BladKeuze keuze = Keuze(TabSoort::Hoofdrekenen, soort);
    keuze.BladMax = maximum;
    keuze.Brug = brug;
    return keuze;
}

// Settings as the window accepts them, drawn at random for a tab: kinds or tables ticked, the ordering where it
// can be asked.
BladKeuze WillekeurigeKeuze(TabSoort tab)
{
    const std::optional<std::size_t> p = PaginaVanTab(tab);
    const auto vakjes = static_cast<std::int64_t>(p ? SoortPaginas().at(*p).Soorten().size() : 10);
    std::set<int> aan;
    for (std::int64_t k = RandomTot(vakjes); k > 0; --k)
        aan.insert(static_cast<int>(RandomIndex(vakjes)));
    const bool ordenen = (aan.size() == 3 || aan.size() == 6) && RandomIndex(2) == 0;
    const BladOrdening ordening = !ordenen ? BladOrdening::Gemengd
        : aan.size() == 3                  ? BladOrdening::Per10
                                           : BladOrdening::Per5;
    if (tab == TabSoort::Hoofdrekenen)
        return Maximum(static_cast<BladSoort>(RandomTot(7)),
            static_cast<std::int32_t>(5 + RandomIndex(GrootsteBladMax - 4)), RandomIndex(2) == 0);
    const BladSoort soort = p ? SoortPaginas().at(*p).Soort
                              : static_cast<BladSoort>(static_cast<int>(BladSoort::Maaltafels) + RandomIndex(3));
    return Keuze(tab, soort, {aan.begin(), aan.end()}, ordening);
}

bool ZelfdeKeuze(const BladKeuze& a, const BladKeuze& b)
{
    return a.Tab == b.Tab && a.Soort == b.Soort && a.Ordening == b.Ordening && a.TafelKeuze == b.TafelKeuze
        && a.SoortKeuze == b.SoortKeuze
        && (a.Tab != TabSoort::Hoofdrekenen || (a.BladMax == b.BladMax && a.Brug == b.Brug));
}

std::vector<int> Eerste(int n)
{
    std::vector<int> eerste(static_cast<std::size_t>(n));
    std::iota(eerste.begin(), eerste.end(), 0);
    return eerste;
}

} // namespace

// Settings and seed come back from the code, for every tab, every seed a code can hold, in no character that looks
// like another; small letters, blanks and dashes as a teacher might type them are read too.
TEST(Bladcode, GeeftInstellingenEnZaadTerug)
{
    ZaaiToeval(41);
    for (int tab = 0; tab < 7; ++tab) {
        for (int keer = 0; keer < 300; ++keer) {
            const BladKeuze keuze = WillekeurigeKeuze(static_cast<TabSoort>(tab));
            const std::uint64_t zaden = AantalZaden(keuze);
            ASSERT_GE(zaden, 8192U);
            const std::uint64_t zaad = keer % 3 == 0 ? zaden - 1 : static_cast<std::uint64_t>(RandomIndex(zaden));
            const QString code = MaakBladcode(keuze, zaad);
            EXPECT_TRUE(std::ranges::all_of(code, [](QChar c) { return Tekens.contains(c); })) << code.toStdString();
            QString getypt = code.toLower();
            getypt.insert(4, QStringLiteral(" - "));
            const auto gelezen = LeesBladcode(QStringLiteral(" ") + getypt + QStringLiteral(" "));
            ASSERT_TRUE(std::holds_alternative<Bladrecept>(gelezen)) << code.toStdString();
            EXPECT_TRUE(ZelfdeKeuze(std::get<Bladrecept>(gelezen).Keuze, keuze)) << code.toStdString();
            EXPECT_EQ(std::get<Bladrecept>(gelezen).Zaad, zaad) << code.toStdString();
        }
    }
}

// About eight characters; a range with many ticked kinds needs more, at most thirteen.
TEST(Bladcode, Lengtes)
{
    const std::vector<std::pair<BladKeuze, qsizetype>> gevallen {
        {Maximum(BladSoort::VierBewerkingen, 100000, false), 8},
        {Keuze(TabSoort::Tafel, BladSoort::Maaltafels, {6}), 6},
        {Keuze(TabSoort::Twintig, BladSoort::TellenTot20, {0, 9}), 7},
        {Keuze(TabSoort::Honderd, BladSoort::TellenTot100, {0, 5, 26}, BladOrdening::Per10), 9},
        {Keuze(TabSoort::Duizend, BladSoort::TellenTot1000, Eerste(35)), 6},
        {Keuze(TabSoort::Duizend, BladSoort::TellenTot1000, Eerste(17)), 13},
        {Keuze(TabSoort::Honderdduizend, BladSoort::TellenTot100000, {0, 3}), 7},
    };
    for (const auto& [keuze, lengte] : gevallen) {
        EXPECT_EQ(MaakBladcode(keuze, 0).size(), lengte);
        EXPECT_EQ(MaakBladcode(keuze, AantalZaden(keuze) - 1).size(), lengte);
    }
}

// A mistyped character or two swapped ones are noticed, as are characters a code never has; a code that reads well
// but starts as no code of this version does comes from a later one. None of these gives settings.
TEST(Bladcode, FouteCodesGevenGeenInstellingen)
{
    std::map<QString, BladcodeFout> gevallen {{QString(), BladcodeFout::Leeg},
        {QStringLiteral("  "), BladcodeFout::Leeg}, {QStringLiteral("2ZB5UEZ"), BladcodeFout::KloptNiet},
        {QStringLiteral("2ZB5UEZR0"), BladcodeFout::KloptNiet}, {QStringLiteral("2ZB5UEZI"), BladcodeFout::KloptNiet},
        {QStringLiteral("2ZB5UELR"), BladcodeFout::KloptNiet}, {QStringLiteral("2ZB5UEZRÉ"), BladcodeFout::KloptNiet},
        {QStringLiteral("22"), BladcodeFout::KloptNiet}, {QString(40, u'2'), BladcodeFout::KloptNiet}};
    // Hoofdrekenen: nearly every number of its length is a code of some maximum and seed, so only the check
    // character can tell a mistyped code from another.
    const QString goed = MaakBladcode(Maximum(BladSoort::OptellenEnAftrekken, 1234, false), 777);
    for (qsizetype i = 0; i < goed.size(); ++i) {
        for (const QChar c : Tekens) {
            QString fout = goed;
            fout[i] = c;
            if (c != goed[i])
                gevallen.emplace(fout, BladcodeFout::KloptNiet);
        }
        if (i + 1 < goed.size() && goed[i] != goed[i + 1]) {
            QString gewisseld = goed;
            std::swap(gewisseld[i], gewisseld[i + 1]);
            gevallen.emplace(gewisseld, BladcodeFout::KloptNiet);
        }
    }
    for (const auto& [code, fout] : gevallen) {
        const auto gelezen = LeesBladcode(code);
        ASSERT_TRUE(std::holds_alternative<BladcodeFout>(gelezen)) << code.toStdString();
        EXPECT_EQ(std::get<BladcodeFout>(gelezen), fout) << code.toStdString();
    }
    // A later version's first character: of the 31 last characters exactly one makes it a well-formed code. The
    // same for an extra digit in front, which this version never writes: none reads.
    const QString midden = goed.mid(1, goed.size() - 2);
    for (const QString& begin : {QStringLiteral("Z") + midden, goed.left(1) + u'2' + midden}) {
        std::multiset<int> uitslagen;
        for (const QChar c : Tekens) {
            const auto gelezen = LeesBladcode(begin + c);
            uitslagen.insert(gelezen.index() == 0 ? -1 : static_cast<int>(std::get<BladcodeFout>(gelezen)));
        }
        EXPECT_EQ(uitslagen.count(static_cast<int>(BladcodeFout::Nieuwer)), begin.startsWith(u'Z') ? 1U : 0U);
        EXPECT_EQ(uitslagen.count(-1), 0U) << begin.toStdString();
    }
}
