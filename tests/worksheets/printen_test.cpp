#include "lettertypen.h"
#include "nepdialogen.h"
#include "printen.h"
#include "testblad.h"
#include "toeval.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// The text of a PDF as pdftotext lays it out; empty when the tool fails.
QString PdfTekst(const QString& pad)
{
    QProcess proces;
    proces.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pad, QStringLiteral("-")});
    if (!proces.waitForFinished(20000) || proces.exitCode() != 0) {
        proces.kill();
        return {};
    }
    return QString::fromUtf8(proces.readAllStandardOutput());
}

} // namespace

TEST(Afdrukken, PdfToontHetBladInBeideVersies)
{
    ZaaiToeval(11);
    ZetLettertypeVervangingen();
    const QTemporaryDir map;
    for (const Printversie versie : {Printversie::Opgaven, Printversie::Oplossingen}) {
        BladGegevens blad = TestBlad(QStringLiteral("Optellen"), QStringLiteral("tot 100 zonder brug"));
        const QString pad = map.filePath(QStringLiteral("blad.pdf"));
        ASSERT_TRUE(BewaarBladAlsPdf(blad, versie, pad));
        const QString tekst = PdfTekst(pad);
        EXPECT_EQ(tekst.count(u'\f'), 1) << "one page";
        EXPECT_TRUE(tekst.contains(QStringLiteral("Optellen")));
        const bool oplossingen = versie == Printversie::Oplossingen;
        EXPECT_EQ(tekst.contains(QStringLiteral("tot 100 zonder brug : Oplossingen.")), oplossingen);
        EXPECT_EQ(tekst.contains(QStringLiteral("Resultaat: ..../30")), !oplossingen);
        // Every exercise with its "=", followed by its answer on the solutions sheet only.
        for (const BladOpgave& o : blad.Opgaven) {
            const QString opgave = QRegularExpression::escape(o.Tekst);
            EXPECT_TRUE(tekst.contains(QRegularExpression(opgave + QStringLiteral("\\s+=")))) << o.Tekst.toStdString();
            EXPECT_EQ(
                tekst.contains(QRegularExpression(opgave + QStringLiteral("\\s+= %1\\b").arg(o.Uitkomst))), oplossingen)
                << tekst.toStdString();
        }
    }
}

// Without a printer the sheet is offered as a PDF file: refused, nothing is written; accepted, the
// chosen file holds the sheet.
TEST(Afdrukken, ZonderPrinterBiedtPdfAan)
{
    ZaaiToeval(14);
    const QTemporaryDir map;
    const QString pad = map.filePath(QStringLiteral("blad.pdf"));
    for (const Antwoord antwoord : {Antwoord::Nee, Antwoord::Ja}) {
        NepDialogen dialogen;
        dialogen.antwoord(antwoord);
        dialogen.bestand(pad);
        BladGegevens blad = TestBlad();
        const bool ja = antwoord == Antwoord::Ja;
        EXPECT_EQ(
            PrintBlad(blad, Printversie::Oplossingen, dialogen, nullptr, [] { return std::unique_ptr<QPrinter>(); }),
            ja ? PrintUitslag::AlsPdfBewaard : PrintUitslag::NietAfgedrukt);
        EXPECT_EQ(dialogen.meldingen().at(0).prompt,
            QStringLiteral("Er is geen printer gevonden.\r\nWil je het oefenblad als PDF-bestand bewaren ?"));
        EXPECT_EQ(dialogen.meldingen().at(0).knoppen, Knoppen::JaNee);
        EXPECT_EQ(PdfTekst(pad).contains(QStringLiteral("= 108")), ja);
    }
}
