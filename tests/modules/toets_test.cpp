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
    void Vink(const QString& vakje) { klik(vind<QCheckBox>(venster, vakje)); }
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

// Each kind of test, through the Login page and the Setup page: fifty lines numbered from 0, each a correct sum
// with the description of the kind asked for.
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

// The maximum must lie in 3..100001, and reach 6 where a multiplication or division can come; otherwise the one
// message, and the Setup page stays in front.
TEST_F(Toets, MaximumGrenzen)
{
    struct Geval
    {
        QString maximum;
        int hrSoort;
        bool geldig;
    };
    const std::vector<Geval> gevallen {{"2", 0, false}, {"3", 0, true}, {"100001", 1, true}, {"100002", 0, false},
        {"2.5", 0, false}, {"3.5", 2, true}, {"", 0, false}, {"drie", 0, false}, {"5", 3, false}, {"5", 6, false},
        {"6", 4, true}, {"100001", 5, true}, {"99999999999", 0, false}};
    klik(Knop("cmdGaVerder"));
    Kies("optBrug(2)");
    for (const Geval& geval : gevallen) {
        SCOPED_TRACE(geval.maximum.toStdString() + " " + std::to_string(geval.hrSoort));
        Kies(QStringLiteral("optHRSoort(%1)").arg(geval.hrSoort));
        typIn(venster, "txtMax", geval.maximum);
        const std::size_t voor = dialogen.meldingen().size();
        klik(Knop("cmdStart"));
        EXPECT_EQ(dialogen.meldingen().size(), voor + (geval.geldig ? 0 : 1));
        EXPECT_EQ(Pagina(), geval.geldig ? 2 : 1);
        if (geval.geldig)
            klik(Knop("cmdStop"));
        else
            EXPECT_EQ(dialogen.laatste().prompt, Fout);
    }
}

// Tables and ranges need at least one ticked box; a second Start replaces the whole list.
TEST_F(Toets, ZonderVakjeNietsEnTweedeStartVervangtDeLijst)
{
    klik(Knop("cmdGaVerder"));
    for (const int soort : {1, 2, 3, 4}) {
        Kies(QStringLiteral("optSoortOefeningen(%1)").arg(soort));
        klik(Knop("cmdStart"));
        EXPECT_EQ(dialogen.laatste().prompt, Fout);
        EXPECT_EQ(dialogen.laatste().knoppen, Knoppen::Ok);
        EXPECT_EQ(Pagina(), 1);
    }
    EXPECT_EQ(dialogen.meldingen().size(), 4u);
    Vink("chkSoort1000(0)");
    Vink("chkSoort1000(14)");
    klik(Knop("cmdStart"));
    const QStringList eerste = Teksten();
    klik(Knop("cmdStop"));
    klik(Knop("cmdStart"));
    const QStringList tweede = Teksten();
    ASSERT_EQ(tweede.size(), 50);
    EXPECT_NE(tweede, eerste);
    EXPECT_TRUE(tweede.first().startsWith("0) "));
    EXPECT_TRUE(tweede.last().startsWith("49) "));
}

// "Gemengd" draws the bridge anew for every exercise: the descriptions show both, about half each.
TEST_F(Toets, GemengdeBrugPerOefening)
{
    klik(Knop("cmdGaVerder"));
    Kies("optBrug(2)");
    typIn(venster, "txtMax", "100");
    int met = 0;
    for (int keer = 0; keer < 8; ++keer) {
        klik(Knop("cmdStart"));
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

// Every page and every kind's frame has room for all its controls.
TEST_F(Toets, ElkePaginaPast)
{
    EXPECT_EQ(botsingen(venster), QStringList());
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
