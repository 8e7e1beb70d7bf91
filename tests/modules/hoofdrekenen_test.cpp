#include "programma.h"
#include "widgets.h"

#include <gtest/gtest.h>

#include <QPushButton>
#include <QRadioButton>

#include <set>
#include <tuple>

namespace {

class Hoofdrekenen : public ::testing::Test
{
protected:
    QRadioButton* optie(const QString& naam) { return vind<QRadioButton>(venster, naam); }
    void kies(int bewerking) { klik(optie(QStringLiteral("optBewerking(%1)").arg(bewerking))); }

    void vulIn(const QString& maximum, const QString& aantal, int bewerking = 0)
    {
        typIn(venster, "txtMax", maximum);
        typIn(venster, "txtAantal", aantal);
        kies(bewerking);
    }

    Programma programma;
    NepDialogen& dialogen = programma.dialogen;
    QWidget& venster = programma.Open("vierbewerkingen", 4711);
};

// A whole series of the defaults by keyboard, right and wrong, a fraction after the right answer being wrong; after
// Ja the Setup page offers the mistakes and still has room for everything. Nee closes the module with its frame.
TEST_F(Hoofdrekenen, StandaardReeksEnDeEindvraag)
{
    klikTab(venster, 1);
    dialogen.antwoord(Antwoord::Ja);
    for (int n = 20; n >= 1; --n) {
        ASSERT_EQ(tekst(venster, "lblAantal"), QStringLiteral("nog %1 oefeningen").arg(n));
        EXPECT_LE(juist(venster).toInt(), 20);
        antwoord(venster, n % 4 ? juist(venster) : juist(venster) + ".4");
    }
    EXPECT_EQ(dialogen.laatste().prompt, "Alle oefeningen zijn gemaakt.\r\nJe haalde 15 op 20\r\n\r\nNog eens ?");
    EXPECT_EQ(paginaVoor(venster), 0);
    EXPECT_EQ(vind<QPushButton>(venster, "cmdFoutjes")->text(), "Foutjes oefenen (5)");
    EXPECT_EQ(botsingen(venster), QStringList());
    typIn(venster, "txtAantal", "1");
    klikTab(venster, 1);
    antwoord(venster, juist(venster));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(programma.OpenVensters(), QStringList());
}

// What the teacher typed stays: a click on the Oefening tab, on a label or on the page, and Setup during a
// series hand the focus back to the box without emptying it. Only clicking into the box or Tab onto it empties it.
TEST_F(Hoofdrekenen, GetypteInstellingenBlijvenStaan)
{
    typIn(venster, "txtMax", "35");
    typIn(venster, "txtAantal", "7");
    QTest::mouseClick(venster.findChild<QLabel*>(), Qt::LeftButton);
    QTest::mouseClick(vind<QWidget>(venster, "Frame1(0)"), Qt::LeftButton, {}, {2, 2});
    ASSERT_EQ(programma.Start(venster), "");
    ASSERT_EQ(tekst(venster, "lblAantal"), "nog 7 oefeningen");
    antwoord(venster, juist(venster));
    klikTab(venster, 0);
    klikTab(venster, 1);
    EXPECT_EQ(tekst(venster, "lblAantal"), "nog 7 oefeningen");

    klikTab(venster, 0);
    typIn(venster, "txtAantal", "9");
    QTest::keyClick(focus(), Qt::Key_Backtab);
    EXPECT_EQ(focus()->objectName(), "txtMax");
    EXPECT_EQ(vind<QLineEdit>(venster, "txtMax")->text(), "");
    QTest::keyClicks(focus(), "12");
    QTest::keyClick(focus(), Qt::Key_Tab);
    EXPECT_EQ(vind<QLineEdit>(venster, "txtAantal")->text(), "");
}

// One click is one start, however fast: a double-click on Oefening starts one series; right and middle clicks
// do nothing at all.
TEST_F(Hoofdrekenen, EenKlikIsEenStart)
{
    vulIn("20", "2");
    dubbelklikTab(venster, 1);
    antwoord(venster, juist(venster));
    for (const Qt::MouseButton knop : {Qt::RightButton, Qt::MiddleButton}) {
        klikTab(venster, 0, knop);
        EXPECT_EQ(gekozenTab(venster), 1);
        EXPECT_EQ(paginaVoor(venster), 1);
        EXPECT_EQ(tekst(venster, "lblResultaat"), "Resultaat : 1 op 1");
    }
    antwoord(venster, "0");
    EXPECT_EQ(dialogen.laatste().prompt, "Alle oefeningen zijn gemaakt.\r\nJe haalde 1 op 2\r\n\r\nNog eens ?");
}

// Each choice reaches its generator: the operators it shows, and "mag niet" never a carry or borrow.
TEST_F(Hoofdrekenen, ElkeKeuzeBereiktZijnGenerator)
{
    const std::vector<std::tuple<int, bool, std::set<QString>>> gevallen {{0, false, {"+"}}, {1, false, {"-"}},
        {2, true, {"+", "-"}}, {3, true, {"x"}}, {4, true, {":"}}, {5, true, {"x", ":"}},
        {6, true, {"+", "-", "x", ":"}}};
    for (const auto& [bewerking, brug, tekens] : gevallen) {
        SCOPED_TRACE(bewerking);
        klikTab(venster, 0);
        vulIn("99", "61", bewerking);
        klik(optie(brug ? "optBrugJa" : "optBrugNee"));
        klikTab(venster, 1);
        std::set<QString> gezien;
        for (int i = 0; i < 60; ++i) {
            const QString teken = tekst(venster, "lblBewerking");
            const int l = tekst(venster, "lblLinks").toInt(), r = tekst(venster, "lblRechts").toInt();
            gezien.insert(teken);
            if (!brug) {
                EXPECT_TRUE(teken == "+" ? l % 10 + r % 10 <= 9 && l / 10 + r / 10 <= 9 : l % 10 >= r % 10)
                    << som(venster).toStdString();
            }
            antwoord(venster, juist(venster));
        }
        EXPECT_EQ(gezien, tekens);
    }
}

// The bridge options are on only for a maximum above 10 with + or - chosen at the last start.
TEST_F(Hoofdrekenen, BrugopiesVolgenHetMaximumEnDeLaatsteReeks)
{
    // the operation of a series started with this maximum (-1: only typing it), options on; the start with "+" and
    // 20 re-evaluates nothing
    const std::vector<std::tuple<int, QString, bool>> stappen {{-1, "10", false}, {-1, "11", true}, {-1, "10.5", false},
        {-1, "99999999999", true}, {3, "10", false}, {-1, "11", false}, {0, "20", false}, {-1, "12", true},
        {4, "30", true}, {-1, "80", false}};
    for (const auto& [bewerking, maximum, aan] : stappen) {
        SCOPED_TRACE(maximum.toStdString());
        kies(0);
        if (bewerking >= 0) {
            vulIn(maximum, "5", bewerking);
            klikTab(venster, 1);
            klikTab(venster, 0);
        } else {
            typIn(venster, "txtMax", maximum);
        }
        EXPECT_EQ(optie("optBrugJa")->isEnabled(), aan);
        EXPECT_EQ(optie("optBrugNee")->isEnabled(), aan);
    }
}

// Under the settings: how many different exercises they allow, as the teacher types and chooses, and plainly when
// the series asks for more. By hand: 20 x 19 / 2 sums to 20; to 11 without a bridge the 36 sums below 10, 10+1 and
// 1+10; products of two factors of at least 2 up to 12 are 2x2..2x6, 3x2..3x4, 4x2, 4x3, 5x2 and 6x2.
TEST_F(Hoofdrekenen, ZegtHoeveelVerschillendeOefeningen)
{
    const QString meer = QStringLiteral(". Dat is minder dan %1: sommige oefeningen komen meer dan eens in de reeks.");
    // maximum, count, operation, bridge, the text after "Met deze keuze: "
    const std::vector<std::tuple<QString, QString, int, bool, QString>> gevallen {
        {"20", "20", 0, true, "190 verschillende oefeningen"},
        {"20", "200", 1, true, "190 verschillende oefeningen" + meer.arg(200)},
        {"11", "20", 0, false, "38 verschillende oefeningen"}, {"12", "10", 3, true, "12 verschillende oefeningen"},
        {"12", "25", 5, true, "24 verschillende oefeningen" + meer.arg(25)},
        {"12", "20", 6, true, "156 verschillende oefeningen"}, {"2", "20", 0, true, "1 oefening" + meer.arg(20)},
        {"3", "20", 3, true, "geen enkele oefening"},
        {"2147483647", "20", 0, true, "2.305.843.005.992.468.481 verschillende oefeningen"}};
    for (const auto& [maximum, aantal, bewerking, brug, verwacht] : gevallen) {
        vulIn(maximum, aantal, bewerking);
        klik(optie(brug ? "optBrugJa" : "optBrugNee"));
        EXPECT_EQ(tekst(venster, "lblAantalOefeningen"), "Met deze keuze: " + verwacht) << maximum.toStdString();
        EXPECT_EQ(botsingen(venster), QStringList());
    }
    vulIn("99999999999", "20");
    EXPECT_EQ(tekst(venster, "lblAantalOefeningen"), "");
}

} // namespace
