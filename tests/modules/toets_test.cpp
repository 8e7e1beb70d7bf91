#include "programma.h"
#include "toets/toetsvenster.h"
#include "werkmap.h"
#include "widgets.h"

#include <QComboBox>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStackedWidget>

#include <gtest/gtest.h>

#include <set>
#include <tuple>

namespace {

const QString Fout = QStringLiteral("Kijk je instellingen na, iets klopt niet !");

// One line of the list taken apart: "12) 7+5=12 ... Optelling met brug tot 20".
struct Regel
{
    long long links = 0, rechts = 0, uitkomst = 0;
    QString bewerking, omschrijving;
};

Regel Lees(const QString& regel, int nummer)
{
    static const QRegularExpression vorm(QStringLiteral(R"(^(\d+)\) (\d+)([-+x:])(\d+)=(\d+) \.\.\. (.+)$)"));
    const QRegularExpressionMatch m = vorm.match(regel);
    EXPECT_TRUE(m.hasMatch()) << regel.toStdString();
    EXPECT_EQ(m.captured(1).toInt(), nummer);
    return {m.captured(2).toLongLong(), m.captured(4).toLongLong(), m.captured(5).toLongLong(), m.captured(3),
        m.captured(6)};
}

bool KloptRekenkundig(const Regel& r)
{
    if (r.bewerking == ":")
        return r.rechts != 0 && r.uitkomst * r.rechts == r.links;
    const long long plusOfMin = r.bewerking == "+" ? r.links + r.rechts : r.links - r.rechts;
    return r.uitkomst == (r.bewerking == "x" ? r.links * r.rechts : plusOfMin);
}

QString PdfTekst(const QString& pad)
{
    QProcess proces;
    proces.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pad, QStringLiteral("-")});
    proces.waitForFinished(20000);
    return QString::fromUtf8(proces.readAllStandardOutput());
}

class Toets : public ::testing::Test
{
protected:
    // The index i of the page fraTest(i) in front.
    int Pagina() const
    {
        return qobject_cast<QStackedWidget*>(vind<QWidget>(venster, "fraTest(0)")->parentWidget())->currentIndex();
    }
    QPushButton* Knop(const QString& naam) const { return vind<QPushButton>(venster, naam); }
    void Kies(const QString& optie) { klik(vind<QRadioButton>(venster, optie)); }
    QStringList Teksten() const
    {
        auto* lijst = vind<QListWidget>(venster, "lstOpgaven");
        QStringList teksten;
        for (int i = 0; i < lijst->count(); ++i)
            teksten << lijst->item(i)->text();
        return teksten;
    }
    std::vector<Regel> Lijst() const
    {
        std::vector<Regel> regels;
        for (const QString& tekst : Teksten())
            regels.push_back(Lees(tekst, static_cast<int>(regels.size())));
        return regels;
    }

    Werkmap map;
    Programma programma;
    NepDialogen& dialogen = programma.dialogen;
    QWidget& venster = programma.Open("toets", 5);
};

} // namespace

// Each kind of test in turn, through the Login page and the Setup page: each Start replaces the list by fifty lines
// numbered from 0, each a correct sum with the description of the kind asked for.
TEST_F(Toets, VijftigRegelsVanDeGekozenSoort)
{
    struct Geval
    {
        int soort;
        std::vector<QString> vinken; // boxes and options clicked on the kind's page
        QString omschrijving; // every description matches
        std::set<QString> bewerkingen; // all of them occur
    };
    const std::vector<Geval> gevallen {
        {0, {"optHRSoort(0)"}, "Optelling (met|zonder) brug tot 10", {"+"}},
        {0, {"optHRSoort(6)"}, "(Optelling|Aftrekking) met brug tot 10|(Vermenigvuldiging|Deling) tot 10",
            {"+", "-", "x", ":"}},
        {1, {"chkTafels(9)", "optMaalOfDeel(2)"}, "(Maaltafel|Deeltafel) van 10", {"x", ":"}},
        {1, {"chkTafels(2)", "chkTafels(4)", "optMaalOfDeel(1)"}, "Deeltafel van [35]", {":"}},
        {2, {"chkSoort20(8)"}, ".*TE-Emb", {"-"}},
        {3, {"chkSoort(26)", "chkSoort(0)"}, ".*(TE-T=TE|T\\+T)", {"+", "-"}},
        {4, {"chkSoort1000(31)"}, ".*HT-Tmb", {"-"}},
    };
    EXPECT_EQ(Pagina(), 0);
    klik(Knop("cmdGaVerder"));
    for (const Geval& geval : gevallen) {
        SCOPED_TRACE(geval.omschrijving.toStdString());
        Kies(QStringLiteral("optSoortOefeningen(%1)").arg(geval.soort));
        EXPECT_EQ(focus(), Knop("cmdStart"));
        for (const QString& naam : geval.vinken)
            klik(vind<QAbstractButton>(venster, naam));
        klik(Knop("cmdStart"));
        ASSERT_EQ(Pagina(), 2);
        const std::vector<Regel> regels = Lijst();
        ASSERT_EQ(regels.size(), 50u);
        std::set<QString> bewerkingen;
        for (const Regel& regel : regels) {
            EXPECT_TRUE(KloptRekenkundig(regel)) << regel.omschrijving.toStdString();
            EXPECT_TRUE(QRegularExpression("^(" + geval.omschrijving + ")$").match(regel.omschrijving).hasMatch())
                << regel.omschrijving.toStdString();
            bewerkingen.insert(regel.bewerking);
        }
        EXPECT_EQ(bewerkingen, geval.bewerkingen);
        klik(Knop("cmdStop"));
        ASSERT_EQ(Pagina(), 1);
        for (const QString& naam : geval.vinken) // take the boxes away again
            if (naam.startsWith("chk"))
                klik(vind<QAbstractButton>(venster, naam));
    }
    EXPECT_TRUE(dialogen.meldingen().empty());
}

// The maximum must lie in 3..100001, and reach 6 where a multiplication or division can come; tables and ranges need
// at least one ticked box. Otherwise the one OK message, and the Setup page stays in front.
TEST_F(Toets, InstellingenDieNietKloppen)
{
    // kind (optSoortOefeningen), kind of mental arithmetic (optHRSoort), maximum (null: none typed), accepted
    const std::vector<std::tuple<int, int, QString, bool>> gevallen {{0, 0, "2", false}, {0, 0, "3", true},
        {0, 1, "100001", true}, {0, 0, "100002", false}, {0, 0, "2.5", false}, {0, 2, "3.5", true}, {0, 0, "", false},
        {0, 0, "drie", false}, {0, 3, "5", false}, {0, 6, "5", false}, {0, 4, "6", true}, {0, 5, "100001", true},
        {0, 0, "99999999999", false}, {1, 0, {}, false}, {2, 0, {}, false}, {3, 0, {}, false}, {4, 0, {}, false}};
    klik(Knop("cmdGaVerder"));
    Kies("optBrug(2)");
    for (const auto& [soort, hrSoort, maximum, geldig] : gevallen) {
        SCOPED_TRACE(std::to_string(soort) + " " + std::to_string(hrSoort) + " " + maximum.toStdString());
        Kies(QStringLiteral("optSoortOefeningen(%1)").arg(soort));
        if (!maximum.isNull()) {
            Kies(QStringLiteral("optHRSoort(%1)").arg(hrSoort));
            typIn(venster, "txtMax", maximum);
        }
        const std::size_t voor = dialogen.meldingen().size();
        klik(Knop("cmdStart"));
        EXPECT_EQ(dialogen.meldingen().size(), voor + (geldig ? 0 : 1));
        EXPECT_EQ(Pagina(), geldig ? 2 : 1);
        if (geldig) {
            klik(Knop("cmdStop"));
        } else {
            EXPECT_EQ(dialogen.laatste().prompt, Fout);
            EXPECT_EQ(dialogen.laatste().knoppen, Knoppen::Ok);
        }
    }
}

// "Gemengd" draws the bridge anew for every exercise: the descriptions show both, about half each. Each Start makes
// a new list.
TEST_F(Toets, GemengdeBrugPerOefening)
{
    klik(Knop("cmdGaVerder"));
    Kies("optBrug(2)");
    typIn(venster, "txtMax", "100");
    int met = 0;
    QStringList vorige;
    for (int keer = 0; keer < 8; ++keer) {
        klik(Knop("cmdStart"));
        EXPECT_NE(Teksten(), vorige);
        vorige = Teksten();
        for (const Regel& regel : Lijst())
            met += regel.omschrijving == "Optelling met brug tot 100";
        klik(Knop("cmdStop"));
    }
    EXPECT_NEAR(met, 400 * 99 / 200, 40);
}

// The list goes to paper with the pupil's name from the Login page; without a printer it is offered as PDF.
TEST_F(Toets, LijstAfdrukkenOfAlsPdf)
{
    QTest::mouseClick(vind<QComboBox>(venster, "cboLeerlingen")->lineEdit(), Qt::LeftButton);
    QTest::keyClicks(focus(), " Jan ");
    klik(Knop("cmdGaVerder"));
    klik(Knop("cmdStart"));
    const QString eerste = vind<QListWidget>(venster, "lstOpgaven")->item(0)->text();
    const QString pad = QDir::current().filePath("lijst.pdf");
    dialogen.bestand(pad);
    klik(Knop("cmdPdf"));
    const QString tekst = PdfTekst(pad);
    EXPECT_TRUE(tekst.contains("De 50-oefeningen-test")) << tekst.toStdString();
    EXPECT_TRUE(tekst.contains("Leerling : Jan"));
    EXPECT_TRUE(tekst.contains("Soort : Hoofdrekenen"));
    const QString som = eerste.section(' ', 1, 1);
    EXPECT_TRUE(QRegularExpression("0\\)\\s+" + QRegularExpression::escape(som) + "\\s+Optelling met brug tot 10")
                    .match(tekst)
                    .hasMatch())
        << tekst.toStdString();
    EXPECT_TRUE(tekst.contains("49)"));

    dynamic_cast<ToetsVenster&>(venster).ZetPrinter([] { return std::unique_ptr<QPrinter>(); });
    klik(Knop("cmdAfdrukken"));
    EXPECT_EQ(dialogen.laatste().prompt, "Er is geen printer gevonden.\r\nWil je de lijst als PDF-bestand bewaren ?");
}

// Every kind's frame and the list have room for all their controls (the Login page is the layout test's).
TEST_F(Toets, ElkePaginaPast)
{
    klik(Knop("cmdGaVerder"));
    for (int soort = 4; soort >= 0; --soort) {
        Kies(QStringLiteral("optSoortOefeningen(%1)").arg(soort));
        QApplication::processEvents();
        EXPECT_EQ(botsingen(venster), QStringList()) << soort;
    }
    klik(Knop("cmdStart"));
    QApplication::processEvents();
    // The list's scroll bar stands against its view, as in every list.
    const QStringList lijst = botsingen(venster).filter(QRegularExpression("^(?!qt_scrollarea_viewport touches)"));
    EXPECT_EQ(lijst, QStringList());
}
