#include "bereiken.h"
#include "lettertypen.h"
#include "printen.h"
#include "testblad.h"
#include "toeval.h"

#include <QBuffer>
#include <QPdfWriter>

#include <gtest/gtest.h>

#include <tuple>

#include <map>

namespace {

// "column:text" of every item, joined by "|"; an empty line gives "".
QString Beschrijf(const PrintRegel& regel)
{
    QStringList delen;
    for (const PrintItem& item : regel.Items)
        delen << QStringLiteral("%1:%2").arg(item.Kolom).arg(item.Tekst);
    return delen.join(u'|');
}

} // namespace

// The line order of both versions.
TEST(PrintLayout, RegelsVanBeideVersies)
{
    ZaaiToeval(1);
    // The version, the subtitle, how many lines and some of them.
    const std::tuple<Printversie, QString, std::size_t, std::map<std::size_t, QString>> gevallen[] = {
        {Printversie::Opgaven, "tot 100", 25,
            {{0, ""}, {1, "10:Optellen"}, {2, ""}, {3, "10:tot 100"}, {4, ""}, {5, ""},
                {6, "10:10+40|19:=|35:15+45|44:="}, {9, "10:13+43|19:=|35:18+48|44:="},
                {10, "10:14+44|19:=|35:19+49|44:="}, {11, ""}, {12, "10:20+50|19:=|35:25+55|44:="}, {17, ""},
                {22, "10:34+64|19:=|35:39+69|44:="}, {23, ""}, {24, "10:Resultaat: ..../30"}}},
        {Printversie::Oplossingen, "", 23,
            {{1, "10:Optellen"}, {3, "10: : Oplossingen."}, {4, ""}, {5, ""}, {6, "10:10+40|19:= 50|35:15+45|44:= 60"},
                {11, ""}, {17, ""}, {22, "10:34+64|19:= 98|35:39+69|44:= 108"}}},
    };
    for (const auto& [versie, ondertitel, aantal, regels] : gevallen) {
        const BladGegevens blad = TestBlad(QStringLiteral("Optellen"), ondertitel);
        const PrintModel model = MaakPrintModel(blad, versie);
        EXPECT_EQ(model.Lettertype, "comic sans ms");
        ASSERT_EQ(model.Regels.size(), aantal);
        for (const auto& [index, tekst] : regels)
            EXPECT_EQ(Beschrijf(model.Regels[index]), tekst) << "regel " << index;
    }
}

// Up to eight characters the sheet prints in size 20, from nine in size 16; the "=" columns
// follow the longest exercise.
TEST(PrintLayout, LangsteOpgaveBepaaltGrootteEnIsKolommen)
{
    ZaaiToeval(3);
    // The last exercise, the size of every exercise and the columns of both "=".
    const std::tuple<std::int64_t, std::int64_t, int, int, int> gevallen[]
        = {{39, 69, 20, 19, 44}, {1234, 123, 20, 22, 47}, {1234, 1234, 16, 23, 48}};
    for (const auto& [links, rechts, grootte, isLinks, isRechts] : gevallen) {
        BladGegevens blad = TestBlad();
        blad.Opgaven[29].Links = links;
        blad.Opgaven[29].Rechts = rechts;
        const PrintModel model = MaakPrintModel(blad, Printversie::Opgaven);
        for (const std::size_t rij : {6u, 22u}) {
            const std::vector<PrintItem>& items = model.Regels[rij].Items;
            ASSERT_EQ(items.size(), 4u);
            EXPECT_EQ(items[0].Grootte, grootte) << links;
            EXPECT_EQ(items[2].Grootte, grootte) << links;
            EXPECT_EQ(items[1].Kolom, isLinks) << links;
            EXPECT_EQ(items[3].Kolom, isRechts) << links;
        }
    }
}

namespace {

// The page as it would be drawn into a PDF.
Printpagina Pagina(const BladGegevens& blad, Printversie versie)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&buffer);
    return MaakPrintpagina(MaakPrintModel(blad, versie), pdf);
}

// Points in the pixels of the PDF that Pagina draws into.
double PdfPixels(double punten)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    const QPdfWriter pdf(&buffer);
    return punten / 72.0 * pdf.logicalDpiY();
}

} // namespace

// Only a line that would run past the margin shrinks, and only to the margin. A sheet of the widest
// exercises and answers of any range prints at full size; a long subtitle shrinks its own line, and
// the title, the exercises and the result keep their size and place.
TEST(PrintLayout, AlleenEenTeLangeRegelKrimpt)
{
    ZaaiToeval(12);
    ZetLettertypeVervangingen();
    QFont lettertype(QStringLiteral("comic sans ms"));
    lettertype.setPointSize(16);
    std::vector<std::pair<BladGegevens, bool>> bladen; // and whether the subtitle is too long
    for (const Bereik& bereik : Bereiken) {
        bladen.emplace_back(TestBlad(QStringLiteral("Vermenigvuldigen en delen")), false);
        bladen.back().first.Opgaven.fill(BreedsteOpgave(bereik, QFontMetricsF(lettertype)));
    }
    for (const QString& lang : {QStringLiteral("H+H,H-H,H+T,H+E,H+TE,H+HTE,H-T,H-E,H-TE,H-HTE"), QString(120, u'W')})
        bladen.emplace_back(TestBlad(QStringLiteral("Optellen"), lang), true);
    constexpr std::size_t OndertitelRegel = 3;
    for (const auto& [blad, teLang] : bladen) {
        BladGegevens kort = blad;
        kort.Ondertitel = QStringLiteral("tot 100");
        for (const Printversie versie : {Printversie::Opgaven, Printversie::Oplossingen}) {
            const Printpagina pagina = Pagina(blad, versie);
            const Printpagina gewoon = Pagina(kort, versie);
            EXPECT_EQ(pagina.Schaal, 1.0);
            ASSERT_EQ(pagina.Regels.size(), gewoon.Regels.size());
            for (std::size_t r = 0; r < pagina.Regels.size(); ++r) {
                const GetekendeRegel& regel = pagina.Regels[r];
                const std::string wat = Tekst(blad.Opgaven[0]).toStdString() + " regel " + std::to_string(r);
                EXPECT_LE(regel.Einde(), pagina.Vlak.width() + 1e-6) << wat;
                EXPECT_EQ(regel.Basislijn, gewoon.Regels[r].Basislijn) << wat;
                EXPECT_EQ(regel.Schaal < 1.0, teLang && r == OndertitelRegel) << wat;
            }
        }
    }
}

// The sheet code stands small at the right of the bottom margin, in both versions, below every line and taking
// none of their room; a sheet without a code has no foot.
TEST(PrintLayout, BladcodeInDeOndermarge)
{
    ZetLettertypeVervangingen();
    for (const Printversie versie : {Printversie::Opgaven, Printversie::Oplossingen}) {
        BladGegevens blad = TestBlad();
        const Printpagina zonder = Pagina(blad, versie);
        EXPECT_TRUE(zonder.Voet.Items.empty());
        blad.Code = QStringLiteral("2ZB5UEZR");
        const Printpagina met = Pagina(blad, versie);
        ASSERT_EQ(met.Voet.Items.size(), 1U);
        EXPECT_EQ(met.Voet.Items[0].Tekst, QStringLiteral("Bladcode: 2ZB5UEZR"));
        EXPECT_EQ(met.Voet.Items[0].Lettertype.pointSize(), VoetGrootte);
        EXPECT_NEAR(met.Voet.Einde(), met.Vlak.width(), 1);
        // Its letters below the printable area, within the margin of 15 mm.
        EXPECT_GT(met.Voet.Basislijn - PdfPixels(VoetGrootte), met.Vlak.height());
        EXPECT_LT(met.Voet.Basislijn, met.Vlak.height() + PdfPixels(15 / 25.4 * 72));
        ASSERT_EQ(met.Regels.size(), zonder.Regels.size());
        for (std::size_t r = 0; r < met.Regels.size(); ++r)
            EXPECT_EQ(met.Regels[r].Basislijn, zonder.Regels[r].Basislijn);
    }
}
