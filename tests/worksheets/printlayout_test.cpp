#include "printlayout.h"
#include "testblad.h"
#include "toeval.h"

#include <QDir>
#include <QStandardPaths>

#include <gtest/gtest.h>

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

TEST(PrintLayout, RegelsVanBeideVersies)
{
    ZaaiToeval(1);
    struct Geval
    {
        Printversie versie;
        std::size_t aantal;
        std::map<std::size_t, QString> regels;
    };
    const Geval gevallen[] = {
        {Printversie::Opgaven, 25,
            {{0, ""}, {1, "10:Optellen"}, {2, ""}, {3, "10:tot 100"}, {4, ""}, {5, ""},
                {6, "10:10+40|19:=|35:15+45|44:="}, {10, "10:14+44|19:=|35:19+49|44:="}, {11, ""},
                {12, "10:20+50|19:=|35:25+55|44:="}, {16, "10:24+54|19:=|35:29+59|44:="}, {17, ""},
                {18, "10:30+60|19:=|35:35+65|44:="}, {22, "10:34+64|19:=|35:39+69|44:="}, {23, ""},
                {24, "10:Resultaat: ..../30"}}},
        {Printversie::Oplossingen, 23,
            {{1, "10:Optellen"}, {3, "10:tot 100 : Oplossingen."}, {4, ""}, {5, ""},
                {6, "10:10+40|19:= 50|35:15+45|44:= 60"}, {11, ""}, {17, ""},
                {22, "10:34+64|19:= 98|35:39+69|44:= 108"}}},
    };
    for (const Geval& geval : gevallen) {
        BladGegevens blad = TestBlad();
        const PrintModel model = MaakPrintModel(blad, geval.versie);
        EXPECT_EQ(model.Lettertype, "comic sans ms");
        ASSERT_EQ(model.Regels.size(), geval.aantal);
        for (const auto& [index, tekst] : geval.regels)
            EXPECT_EQ(Beschrijf(model.Regels[index]), tekst) << "regel " << index;
    }
}

TEST(PrintLayout, LettertypeVanElkeRegel)
{
    ZaaiToeval(2);
    struct Geval
    {
        std::size_t regel;
        int grootte;
        bool vet;
        bool onderstreept;
    };
    // Empty lines carry the state of that moment, so that their height is right.
    const Geval gevallen[] = {
        {0, 20, false, false},
        {1, 24, true, true},
        {2, 20, false, true},
        {3, 20, false, true},
        {5, 20, false, true},
        {6, 20, false, false},
        {11, 20, false, false},
        {23, 20, false, false},
        {24, 22, true, false},
    };
    BladGegevens blad = TestBlad();
    const PrintModel model = MaakPrintModel(blad, Printversie::Opgaven);
    for (const Geval& geval : gevallen) {
        const PrintRegel& regel = model.Regels[geval.regel];
        if (regel.Items.empty()) {
            EXPECT_EQ(regel.Grootte, geval.grootte) << "regel " << geval.regel;
            EXPECT_EQ(regel.Vet, geval.vet) << "regel " << geval.regel;
            EXPECT_EQ(regel.Onderstreept, geval.onderstreept) << "regel " << geval.regel;
        }
        for (const PrintItem& item : regel.Items) {
            EXPECT_EQ(item.Grootte, geval.grootte) << "regel " << geval.regel;
            EXPECT_EQ(item.Vet, geval.vet) << "regel " << geval.regel;
            EXPECT_EQ(item.Onderstreept, geval.onderstreept) << "regel " << geval.regel;
        }
    }
}

TEST(PrintLayout, LangsteOpgaveBepaaltGrootteEnIsKolommen)
{
    ZaaiToeval(3);
    struct Geval
    {
        std::int64_t links;
        std::int64_t rechts;
        int grootte;
        int isLinks;
        int isRechts;
    };
    const Geval gevallen[] = {
        {39, 69, 20, 19, 44}, // five characters, as in every other slot
        {1234, 123, 20, 22, 47}, // eight
        {1234, 1234, 16, 23, 48}, // nine
        {99999, 99999, 16, 25, 50},
    };
    for (const Geval& geval : gevallen) {
        BladGegevens blad = TestBlad();
        blad.Opgaven[29].Links = geval.links;
        blad.Opgaven[29].Rechts = geval.rechts;
        const PrintModel model = MaakPrintModel(blad, Printversie::Opgaven);
        EXPECT_EQ(model.Regels[1].Items.at(0).Grootte, 24);
        EXPECT_EQ(model.Regels[3].Items.at(0).Grootte, geval.grootte);
        EXPECT_EQ(model.Regels[4].Grootte, geval.grootte);
        for (const std::size_t rij : {6u, 14u, 22u}) {
            const std::vector<PrintItem>& items = model.Regels[rij].Items;
            ASSERT_EQ(items.size(), 4u);
            for (const PrintItem& item : items)
                EXPECT_EQ(item.Grootte, geval.grootte) << geval.links;
            EXPECT_EQ(items[1].Kolom, geval.isLinks) << geval.links;
            EXPECT_EQ(items[3].Kolom, geval.isRechts) << geval.links;
        }
        EXPECT_EQ(model.Regels.back().Items.at(0).Grootte, 22);
    }
}

TEST(PrintLayout, LegeOndertitel)
{
    ZaaiToeval(4);
    BladGegevens blad = TestBlad(QStringLiteral("Optellen"), QString());
    EXPECT_EQ(Beschrijf(MaakPrintModel(blad, Printversie::Opgaven).Regels[3]), "10:");
    EXPECT_EQ(Beschrijf(MaakPrintModel(blad, Printversie::Oplossingen).Regels[3]), "10: : Oplossingen.");
}

TEST(PrintLayout, TekstenWordenEerstHerbouwd)
{
    ZaaiToeval(5);
    BladGegevens blad = TestBlad();
    blad.Opgaven[3].Tekst = QStringLiteral("oud");
    blad.MaxLengte = 40;
    const PrintModel model = MaakPrintModel(blad, Printversie::Opgaven);
    EXPECT_EQ(Beschrijf(model.Regels[9]), "10:13+43|19:=|35:18+48|44:=");
    EXPECT_EQ(blad.MaxLengte, 5);
}

TEST(PrintLayout, VoorgesteldeBestandsnaam)
{
    ZaaiToeval(6);
    struct Geval
    {
        QString titel;
        Printversie versie;
        QString extensie;
        QString naam;
    };
    const Geval gevallen[] = {
        {"Optellen", Printversie::Opgaven, "pdf", "Oefenblad Optellen 2024-05-01 14.30.pdf"},
        {"Tellen tot 10.000", Printversie::Oplossingen, "docx",
            "Oefenblad Tellen tot 10.000 oplossingen 2024-05-01 14.30.docx"},
        {"a/b\\c:d*e?f\"g<h>i|j\tk", Printversie::Opgaven, "pdf", "Oefenblad abcdefghijk 2024-05-01 14.30.pdf"},
        {"  ", Printversie::Opgaven, "pdf", "Oefenblad 2024-05-01 14.30.pdf"},
        {"../..", Printversie::Opgaven, "pdf", "Oefenblad .... 2024-05-01 14.30.pdf"},
    };
    const QDateTime moment(QDate(2024, 5, 1), QTime(14, 30, 59));
    const QString map = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    for (const Geval& geval : gevallen) {
        BladGegevens blad = TestBlad(geval.titel);
        const QString pad = VoorgesteldeBestandsnaam(blad, geval.versie, geval.extensie, moment);
        EXPECT_EQ(QFileInfo(pad).fileName(), geval.naam);
        EXPECT_EQ(QFileInfo(pad).absolutePath(), QDir(map).absolutePath()) << geval.titel.toStdString();
    }
}
