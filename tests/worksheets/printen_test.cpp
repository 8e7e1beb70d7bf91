#include "lettertypen.h"
#include "nepdialogen.h"
#include "printen.h"
#include "testblad.h"
#include "toeval.h"

#include <QFile>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// Runs a poppler tool on a PDF; its standard output, or an empty text when it fails.
QString Poppler(const QString& programma, const QStringList& argumenten)
{
    QProcess proces;
    proces.start(programma, argumenten);
    if (!proces.waitForFinished(20000) || proces.exitCode() != 0) {
        proces.kill();
        return {};
    }
    return QString::fromUtf8(proces.readAllStandardOutput());
}

QString PdfTekst(const QString& pad)
{
    return Poppler(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pad, QStringLiteral("-")});
}

class Afdrukken : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ZetLettertypeVervangingen();
        ASSERT_TRUE(m_map.isValid());
    }

    QString Pad(const QString& naam) const { return m_map.filePath(naam); }

    // A "printer" that writes a PDF file, so that no test ever reaches a real printer.
    PrinterBron PdfPrinter(const QString& pad) const
    {
        return [pad] {
            auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
            printer->setOutputFormat(QPrinter::PdfFormat);
            printer->setOutputFileName(pad);
            return printer;
        };
    }

    QTemporaryDir m_map;
};

} // namespace

TEST_F(Afdrukken, PdfToontHetBladInBeideVersies)
{
    ZaaiToeval(11);
    for (const Printversie versie : {Printversie::Opgaven, Printversie::Oplossingen}) {
        BladGegevens blad = TestBlad(QStringLiteral("Optellen"), QStringLiteral("tot 100 zonder brug"));
        const QString pad = Pad(QStringLiteral("blad.pdf"));
        ASSERT_TRUE(BewaarBladAlsPdf(blad, versie, pad));
        const QString tekst = PdfTekst(pad);
        const QStringList regels = tekst.split(u'\n');
        EXPECT_EQ(tekst.count(u'\f'), 1) << "one page";
        EXPECT_TRUE(tekst.contains(QStringLiteral("Optellen")));
        const bool oplossingen = versie == Printversie::Oplossingen;
        EXPECT_EQ(tekst.contains(QStringLiteral("tot 100 zonder brug : Oplossingen.")), oplossingen);
        EXPECT_EQ(tekst.contains(QStringLiteral("Resultaat: ..../30")), !oplossingen);
        for (std::size_t l : {0u, 1u, 2u, 3u, 4u, 10u, 11u, 12u, 13u, 14u, 20u, 21u, 22u, 23u, 24u}) {
            const BladOpgave& links = blad.Opgaven[l];
            const BladOpgave& rechts = blad.Opgaven[l + 5];
            const QString antwoordLinks = oplossingen ? QString::number(links.Uitkomst) : QString();
            const QString antwoordRechts = oplossingen ? QString::number(rechts.Uitkomst) : QString();
            const QRegularExpression rij(QStringLiteral("^\\s*%1\\s+=\\s*%2\\s+%3\\s+=\\s*%4\\s*$")
                                             .arg(QRegularExpression::escape(links.Tekst), antwoordLinks,
                                                 QRegularExpression::escape(rechts.Tekst), antwoordRechts));
            EXPECT_EQ(regels.filter(rij).size(), 1) << rij.pattern().toStdString() << "\n" << tekst.toStdString();
        }
    }
}

TEST_F(Afdrukken, BreedsteBladenBlijvenOpDePagina)
{
    ZaaiToeval(12);
    struct Geval
    {
        std::int64_t links;
        std::int64_t rechts;
        std::int64_t uitkomst;
    };
    // The widest sheet in size 16 (eleven characters), and in size 20 (eight characters, which
    // without shrinking would run past the right margin).
    const Geval gevallen[] = {{99999, 99999, 199998}, {9999, 999, 10998}};
    for (const Geval& geval : gevallen) {
        BladGegevens blad = TestBlad(QStringLiteral("Tellen tot 100.000"));
        for (BladOpgave& opgave : blad.Opgaven) {
            opgave.Links = geval.links;
            opgave.Rechts = geval.rechts;
            opgave.Uitkomst = geval.uitkomst;
        }
        const QString pad = Pad(QStringLiteral("breed.pdf"));
        ASSERT_TRUE(BewaarBladAlsPdf(blad, Printversie::Oplossingen, pad));
        const QString vakken
            = Poppler(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pad, QStringLiteral("-")});
        const QRegularExpression woord(QStringLiteral("xMax=\"([0-9.]+)\" yMax=\"([0-9.]+)\">([^<]*)<"));
        // A4 is 595 x 842 points; the margins are 15 mm (42.5 points).
        for (const QRegularExpressionMatch& m : woord.globalMatch(vakken)) {
            EXPECT_LE(m.captured(1).toDouble(), 595.3 - 42.0) << m.captured(3).toStdString();
            EXPECT_LE(m.captured(2).toDouble(), 841.9 - 42.0) << m.captured(3).toStdString();
        }
        EXPECT_EQ(vakken.count(QString::number(geval.uitkomst)), 30);
    }
}

TEST_F(Afdrukken, MetPrinterZonderVragen)
{
    ZaaiToeval(13);
    NepDialogen dialogen;
    BladGegevens blad = TestBlad(QStringLiteral("Aftrekken"));
    const QString pad = Pad(QStringLiteral("printer.pdf"));
    EXPECT_EQ(PrintBlad(blad, Printversie::Opgaven, dialogen, nullptr, PdfPrinter(pad)), PrintUitslag::Afgedrukt);
    EXPECT_TRUE(dialogen.meldingen().empty());
    EXPECT_TRUE(PdfTekst(pad).contains(QStringLiteral("Aftrekken")));
}

TEST_F(Afdrukken, ZonderPrinterOfMisluktBiedtPdfAan)
{
    ZaaiToeval(14);
    const QString geen
        = QStringLiteral("Er is geen printer gevonden.\r\nWil je het oefenblad als PDF-bestand bewaren ?");
    const QString mislukt
        = QStringLiteral("Het afdrukken is mislukt.\r\nWil je het oefenblad als PDF-bestand bewaren ?");
    struct Geval
    {
        bool kapottePrinter;
        Antwoord antwoord;
        QString bestand; // the file dialog's answer; empty: cancelled
        PrintUitslag uitslag;
        QString vraag;
    };
    const Geval gevallen[] = {
        {false, Antwoord::Nee, {}, PrintUitslag::NietAfgedrukt, geen},
        {false, Antwoord::Ja, {}, PrintUitslag::NietAfgedrukt, geen},
        {false, Antwoord::Ja, "blad.pdf", PrintUitslag::AlsPdfBewaard, geen},
        {true, Antwoord::Ja, "kapot.pdf", PrintUitslag::AlsPdfBewaard, mislukt},
        {false, Antwoord::Ja, "ontbrekend/blad.pdf", PrintUitslag::NietAfgedrukt, geen},
    };
    for (const Geval& geval : gevallen) {
        NepDialogen dialogen;
        dialogen.antwoord(geval.antwoord);
        const QString pad = geval.bestand.isEmpty() ? QString() : Pad(geval.bestand);
        if (geval.antwoord == Antwoord::Ja)
            dialogen.bestand(pad);
        BladGegevens blad = TestBlad();
        const PrinterBron printer = geval.kapottePrinter ? PdfPrinter(Pad(QStringLiteral("geen/map/x.pdf")))
                                                         : PrinterBron([] { return std::unique_ptr<QPrinter>(); });
        EXPECT_EQ(PrintBlad(blad, Printversie::Oplossingen, dialogen, nullptr, printer), geval.uitslag);
        ASSERT_GE(dialogen.meldingen().size(), 1u);
        const NepDialogen::Oproep& vraag = dialogen.meldingen().front();
        EXPECT_EQ(vraag.prompt, geval.vraag);
        EXPECT_EQ(vraag.titel, "Tallora");
        EXPECT_EQ(vraag.knoppen, Knoppen::JaNee);
        EXPECT_TRUE(dialogen.alleAntwoordenGebruikt());
        EXPECT_EQ(QFile::exists(pad), geval.uitslag == PrintUitslag::AlsPdfBewaard);
        if (geval.uitslag == PrintUitslag::AlsPdfBewaard) {
            EXPECT_TRUE(PdfTekst(pad).contains(QStringLiteral("= 108")));
        }
        if (pad.contains(QStringLiteral("ontbrekend"))) {
            EXPECT_EQ(dialogen.laatste().prompt, "Het PDF-bestand kon niet bewaard worden :\r\n" + pad);
        }
    }
}

TEST_F(Afdrukken, BestandsdialoogSteltNaamVoor)
{
    ZaaiToeval(15);
    NepDialogen dialogen;
    BladGegevens blad = TestBlad(QStringLiteral("Delen"));
    EXPECT_FALSE(BewaarBladAlsPdfMetDialoog(blad, Printversie::Oplossingen, dialogen, nullptr));
    const NepDialogen::Oproep& dialoog = dialogen.laatste();
    EXPECT_EQ(dialoog.soort, NepDialogen::Soort::BewaarAls);
    EXPECT_TRUE(QFileInfo(dialoog.prompt).fileName().startsWith(QStringLiteral("Oefenblad Delen oplossingen 20")));
    EXPECT_TRUE(dialoog.prompt.endsWith(QStringLiteral(".pdf")));
    EXPECT_EQ(dialoog.extra, "PDF-bestanden (*.pdf)");
}

TEST_F(Afdrukken, MisluktePdfLaatBestaandBestandHeel)
{
    ZaaiToeval(16);
    BladGegevens blad = TestBlad();
    const QString map = Pad(QStringLiteral("een map"));
    ASSERT_TRUE(QDir().mkpath(map));
    EXPECT_FALSE(BewaarBladAlsPdf(blad, Printversie::Opgaven, map));
    EXPECT_TRUE(QFileInfo(map).isDir());
    EXPECT_EQ(QDir(m_map.path()).entryList(QDir::Files).size(), 0);
}
