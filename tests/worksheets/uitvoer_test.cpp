#include "bereiken.h"
#include "bladvenster.h"
#include "document.h"
#include "printvoorbeeldvenster.h"
#include "samenstellen.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <map>

namespace {

const QString Eind = QStringLiteral("\r\n");

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

// One page with the sheet: every exercise with its "=", followed by its answer on the solutions only, and the
// sheet code on the last line.
void ControleerPdf(const QString& pad, const BladGegevens& blad, bool oplossingen)
{
    const QString tekst = PdfTekst(pad);
    EXPECT_EQ(tekst.count(u'\f'), 1) << "one page";
    ASSERT_FALSE(blad.Code.isEmpty());
    EXPECT_EQ(tekst.trimmed().split(u'\n').last().trimmed(), QStringLiteral("Bladcode: ") + blad.Code);
    EXPECT_TRUE(tekst.contains(blad.Titel));
    EXPECT_EQ(tekst.contains(blad.Ondertitel + QStringLiteral(" : Oplossingen.")), oplossingen);
    EXPECT_EQ(tekst.contains(QStringLiteral("Resultaat: ..../30")), !oplossingen);
    const auto staat = [&tekst](const QString& patroon) {
        return tekst.contains(QRegularExpression(
            QStringLiteral("(^|\\s)") + patroon + QStringLiteral("(\\s|$)"), QRegularExpression::MultilineOption));
    };
    for (const BladOpgave& o : blad.Opgaven) {
        const QString opgave = QRegularExpression::escape(Tekst(o)) + QStringLiteral("\\s+=");
        const QString antwoord = QStringLiteral("\\s?%1").arg(o.Uitkomst);
        EXPECT_TRUE(staat(oplossingen ? opgave + antwoord : opgave)) << Tekst(o).toStdString();
        EXPECT_EQ(staat(opgave + antwoord), oplossingen) << Tekst(o).toStdString();
    }
}

// Every title fits the preview's title label, and the widest exercise of every range its label.
TEST(Printvoorbeeld, TitelsEnOpgavenPassen)
{
    ZaaiToeval(30);
    ZetLettertypeVervangingen();
    PrintvoorbeeldVenster voorbeeld;
    const auto past = [&voorbeeld](const char* naam) {
        const QLabel* label = vind<QLabel>(voorbeeld, QString::fromLatin1(naam));
        return QFontMetrics(label->font()).horizontalAdvance(label->text()) <= label->contentsRect().width();
    };
    BladGegevens blad = TestBlad();
    for (int soort = 1; soort <= static_cast<int>(BladSoort::TellenTot100000); ++soort) {
        blad.Titel = BladTitel(static_cast<BladSoort>(soort));
        voorbeeld.ToonBlad(blad);
        EXPECT_TRUE(past("lblTitel")) << blad.Titel.toStdString();
    }
    const QFontMetricsF maten(vind<QLabel>(voorbeeld, QStringLiteral("lblOef(0)"))->font());
    for (const Bereik& bereik : Bereiken) {
        blad.Opgaven.fill(BreedsteOpgave(bereik, maten));
        voorbeeld.ToonBlad(blad);
        EXPECT_TRUE(past("lblOef(0)")) << bereik.naam;
    }
}

// A working printer prints without a word; a failing printer, or none, is named and a PDF file offered.
// The opgaven are printed here, the solutions saved as PDF.
TEST_F(Oefenbladen, AfdrukkenLuktOfZegtWaaromNiet)
{
    const QTemporaryDir map;
    const auto naarPdf = [](const QString& uitvoer) -> PrinterBron {
        return [uitvoer] {
            auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
            printer->setOutputFormat(QPrinter::PdfFormat);
            printer->setOutputFileName(uitvoer);
            return printer;
        };
    };
    const QString vraag = Eind + QStringLiteral("Wil je het oefenblad als PDF-bestand bewaren ?");
    // The button, the printer, the message that follows and the PDF file written: printed to, or saved as when the
    // offer is accepted.
    const std::tuple<const char*, PrinterBron, QString, QString> gevallen[] = {
        {"cmdPrintOpgaven", naarPdf(map.filePath(QStringLiteral("papier.pdf"))), {}, QStringLiteral("papier.pdf")},
        {"cmdPrintOplossingen", naarPdf(map.filePath(QStringLiteral("weg/papier.pdf"))),
            QStringLiteral("Het afdrukken is mislukt.") + vraag, QStringLiteral("gered.pdf")},
        {"cmdPrintOpgaven", [] { return std::unique_ptr<QPrinter>(); },
            QStringLiteral("Er is geen printer gevonden.") + vraag, {}},
    };
    stel(0, {"optHRbewerking(0)"}, "50");
    dialogen.invoer(QStringLiteral("klas 3"));
    klik("cmdVoorbeeld");
    QStringList geschreven;
    for (const auto& [knop, printer, melding, bestand] : gevallen) {
        SCOPED_TRACE(knop);
        oefenblad().ZetPrinter(printer);
        if (!melding.isEmpty() && !bestand.isEmpty()) {
            dialogen.antwoord(Antwoord::Ja);
            dialogen.bestand(map.filePath(bestand));
        }
        const std::size_t eerder = dialogen.meldingen().size();
        klik(QString::fromLatin1(knop));
        QStringList meldingen;
        for (std::size_t i = eerder; i < dialogen.meldingen().size(); ++i)
            if (dialogen.meldingen()[i].soort == NepDialogen::Soort::Melding)
                meldingen << dialogen.meldingen()[i].prompt;
        EXPECT_EQ(meldingen, melding.isEmpty() ? QStringList() : QStringList {melding});
        if (!bestand.isEmpty()) {
            geschreven << bestand;
            ControleerPdf(map.filePath(bestand), oefenblad().Blad(), bestand == QLatin1String("gered.pdf"));
        }
        geschreven.sort();
        EXPECT_EQ(QDir(map.path()).entryList(QDir::Files, QDir::Name), geschreven);
    }
    EXPECT_TRUE(dialogen.alleAntwoordenGebruikt());
}

// A home and a temporary folder of our own while it lives.
struct EigenThuis
{
    QTemporaryDir map;
    const QByteArray oud[3] = {qgetenv("HOME"), qgetenv("TMPDIR"), qgetenv("XDG_CONFIG_HOME")};
    EigenThuis()
    {
        QDir().mkpath(map.filePath(QStringLiteral("tmp")));
        qputenv("HOME", QFile::encodeName(map.path()));
        qputenv("TMPDIR", QFile::encodeName(map.filePath(QStringLiteral("tmp"))));
        qunsetenv("XDG_CONFIG_HOME");
    }
    ~EigenThuis()
    {
        for (const auto& [naam, waarde] : {std::pair {"HOME", oud[0]}, {"TMPDIR", oud[1]}, {"XDG_CONFIG_HOME", oud[2]}})
            waarde.isEmpty() ? qunsetenv(naam) : qputenv(naam, waarde);
    }
};

// The document is filled and opened: in the documents folder, made when missing; in the temporary
// folder, said so, when the documents folder cannot be used; not at all, said so, without its template.
TEST_F(Oefenbladen, DocumentWordtGevuldEnGeopend)
{
    // Where the document goes in the home (the documents folder is a file in the second case; without its template
    // nowhere), and how the message about it starts.
    const std::pair<QString, QString> gevallen[] = {
        {"Documents", ""},
        {"tmp", "De map Documenten kan niet gebruikt worden."},
        {"", "Het sjabloon is niet gevonden of kan niet gelezen worden :"},
    };
    stel(0, {"optHRbewerking(0)"}, "20");
    dialogen.invoer(QStringLiteral("klas 2"));
    klik("cmdVoorbeeld");
    const BladOpgave laatste = oefenblad().Blad().Opgaven[29];
    for (const auto& [waar, melding] : gevallen) {
        SCOPED_TRACE(waar.toStdString());
        const EigenThuis thuis;
        if (waar == "tmp")
            QFile(thuis.map.filePath(QStringLiteral("Documents"))).open(QIODevice::WriteOnly);
        oefenblad().ZetSjabloon(
            waar.isEmpty() ? thuis.map.filePath(QStringLiteral("x.docx")) : QStringLiteral(TALLORA_SJABLOON));
        std::vector<QString> geopend;
        oefenblad().ZetOpener([&geopend](const QUrl& url) {
            geopend.push_back(url.toLocalFile());
            return true;
        });
        const std::size_t eerder = dialogen.meldingen().size();
        klik("cmdWOplossingen");
        const std::vector<QString> meldingen = meldingenVanaf(eerder);
        ASSERT_EQ(meldingen.size(), melding.isEmpty() ? 0U : 1U);
        EXPECT_TRUE(melding.isEmpty() || meldingen[0].startsWith(melding)) << meldingen[0].toStdString();
        ASSERT_EQ(geopend.size(), waar.isEmpty() ? 0U : 1U);
        if (waar.isEmpty())
            continue;
        const QFileInfo document(geopend[0]);
        EXPECT_EQ(document.absolutePath(), thuis.map.filePath(waar));
        EXPECT_TRUE(document.fileName().startsWith(QStringLiteral("Oefenblad Optellen oplossingen 20")));
        EXPECT_TRUE(meldingen.empty() || meldingen[0].contains(QDir::toNativeSeparators(document.filePath())));
        const std::vector<std::pair<QString, QString>> gelezen = LeesVelden(document.filePath());
        const std::map<QString, QString> velden(gelezen.begin(), gelezen.end());
        EXPECT_EQ(velden.at(QStringLiteral("ondertitel")), QStringLiteral("klas 2"));
        EXPECT_EQ(velden.at(QStringLiteral("oef29")), Tekst(laatste));
        EXPECT_EQ(velden.at(QStringLiteral("opl29")), QString::number(laatste.Uitkomst));
        EXPECT_EQ(velden.at(QStringLiteral("bladcode")), oefenblad().Blad().Code);
    }
}

} // namespace
