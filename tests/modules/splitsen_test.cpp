#include "nepspeler.h"
#include "programma.h"
#include "splitsen/splitsbord.h"
#include "widgets.h"

#include <gtest/gtest.h>

#include <set>
#include <tuple>

namespace {

QLineEdit* Vak(const QWidget& venster, const char* naam, int rij)
{
    return vind<QLineEdit>(venster, QStringLiteral("%1(%2)").arg(QString::fromUtf8(naam)).arg(rij));
}

int Geheel(const QWidget& venster)
{
    return vind<QLineEdit>(venster, "txtBoven")->text().toInt();
}

// The row of a box txtLinks(i) or txtRechts(i); 0 for txtBoven.
int RijVan(const QString& naam)
{
    const auto haakje = naam.indexOf(u'(');
    return haakje < 0 ? 0 : naam.sliced(haakje + 1).chopped(1).toInt();
}

// Types into the box that has the focus and presses a key.
void Typ(const QString& tekst, Qt::Key toets = Qt::Key_Return)
{
    QTest::keyClicks(focus(), tekst);
    QTest::keyClick(focus(), toets);
}

// Fills in the row that has the focus as a splitting of the whole, with this left part where it is free.
void VulRij(const QWidget& venster, int links, Qt::Key toets = Qt::Key_Return)
{
    const QString naam = focus()->objectName();
    const int rij = RijVan(naam);
    const int n = Geheel(venster);
    if (naam.startsWith("txtLinks")) {
        const QLineEdit* rechts = Vak(venster, "txtRechts", rij);
        Typ(QString::number(rechts->isEnabled() ? links : n - rechts->text().toInt()), toets);
        if (!rechts->isEnabled())
            return;
    }
    Typ(QString::number(n - Vak(venster, "txtLinks", rij)->text().toInt()), toets);
}

// The box of the row that the child fills in first: the left one unless it is given.
QLineEdit* EersteVrijeVak(const QWidget& venster, int rij)
{
    QLineEdit* links = Vak(venster, "txtLinks", rij);
    return links->isEnabled() ? links : Vak(venster, "txtRechts", rij);
}

std::vector<int> ZichtbareRijen(const QWidget& venster)
{
    std::vector<int> rijen;
    for (int i = 0; i < Splitsbord::AantalRijen; ++i) {
        if (Vak(venster, "txtLinks", i)->isVisible())
            rijen.push_back(i);
    }
    return rijen;
}

class Splitsen : public ::testing::Test
{
protected:
    // Chooses the kind (optSoort index), the adjusting button (-1: none) and the fields, then clicks Oefening; the
    // message a refused start gave.
    QString Start(
        int soort, const QString& maximum, const QString& aantal, const QString& getal = {}, int aanpassen = -1)
    {
        klikTab(venster, 0);
        klik(vind<QRadioButton>(venster, QStringLiteral("optSoort(%1)").arg(soort)));
        if (aanpassen >= 0)
            klik(vind<QRadioButton>(venster, QStringLiteral("optAanpassen(%1)").arg(aanpassen)));
        if (!getal.isNull())
            vervang(venster, "txtGetal", getal);
        typIn(venster, "txtMax", maximum);
        typIn(venster, "txtAantal", aantal);
        return programma.Start(venster);
    }

    Programma programma;
    NepDialogen& dialogen = programma.dialogen;
    QWidget& venster = programma.OpenViaKnop("Splitsen", 9);
};

// The per getal controls show with the per getal kinds only, with no adjusting button chosen. A maximum outside
// 3..10 is reset to 5, and Oefening again starts vrij gemengd with it: 20 exercises, a whole up to 5, row 0 only.
TEST_F(Splitsen, PerGetalKeuzesEnDeStandaardStart)
{
    for (const int soort : {5, 1, 0}) {
        klik(vind<QRadioButton>(venster, QStringLiteral("optSoort(%1)").arg(soort)));
        for (const char* naam : {"Frame2", "Label2", "txtGetal", "optAanpassen(1)"})
            EXPECT_EQ(vind<QWidget>(venster, naam)->isVisible(), soort == 5) << naam;
        EXPECT_FALSE(vind<QRadioButton>(venster, "optAanpassen(0)")->isChecked());
        EXPECT_EQ(botsingen(venster), QStringList());
    }
    typIn(venster, "txtMax", "12");
    EXPECT_EQ(programma.Start(venster), "Kies een maximum tussen 3 en 10 !");
    EXPECT_EQ(vind<QLineEdit>(venster, "txtMax")->text(), "5");
    ASSERT_EQ(programma.Start(venster), "");
    EXPECT_EQ(tekst(venster, "lblAantal"), "nog 20 oefeningen.");
    EXPECT_TRUE(Geheel(venster) >= 1 && Geheel(venster) <= 5);
    EXPECT_EQ(ZichtbareRijen(venster), std::vector {0});
    EXPECT_FALSE(vind<QLabel>(venster, "lblControle(0)")->isEnabled());
    EXPECT_EQ(focus(), Vak(venster, "txtLinks", 0));
}

// What belongs in the free box that has the focus: the other part, or the whole for the kinds that ask for it.
int Ontbrekend(const QWidget& venster)
{
    const QString naam = focus()->objectName();
    const int rij = RijVan(naam);
    const auto deel = [&](const char* kant) { return Vak(venster, kant, rij)->text().toInt(); };
    if (naam == "txtBoven")
        return deel("txtLinks") + deel("txtRechts");
    return Geheel(venster) - deel(naam.startsWith("txtLinks") ? "txtRechts" : "txtLinks");
}

// Each kind: a row that does not add up stays as typed, without mark, message or sound; put right, the exercise
// is solved with one approval sound (none for the per getal kinds) and the next one comes.
TEST_F(Splitsen, ElkeSoortEenFouteRijEnDanOpgelost)
{
    for (int soort = 0; soort < 6; ++soort) {
        SCOPED_TRACE(soort);
        Start(soort, "6", "2", soort >= 4 ? "" : QString(), 0);
        const NepSpeler speler;
        const QString uitslag = tekst(venster, "lblUitslag");
        // The parts the kind leaves free, the last one wrong.
        if (soort == 0 || soort == 2 || soort == 4)
            Typ("0");
        QLineEdit* fout = qobject_cast<QLineEdit*>(focus());
        const int juist = Ontbrekend(venster);
        Typ(QString::number(juist + 1), soort % 2 ? Qt::Key_Space : Qt::Key_Return);
        EXPECT_EQ(fout->text(), QString::number(juist + 1));
        EXPECT_EQ(tekst(venster, "lblControle(0)"), "");
        EXPECT_EQ(tekst(venster, "lblUitslag"), uitslag);
        EXPECT_EQ(dialogen.meldingen().size(), 0U);
        EXPECT_TRUE(speler.gespeeld().empty());
        // Back into the wrong box, as a child does: with the mouse where Enter moved on.
        if (focus() != fout)
            QTest::mouseClick(fout, Qt::LeftButton);
        QTest::keyClick(focus(), Qt::Key_A, Qt::ControlModifier);
        Typ(QString::number(juist));
        if (soort >= 4) {
            EXPECT_EQ(tekst(venster, "lblUitslag"), "Nog niet af...");
            EXPECT_EQ(achtergrond(venster, "lblUitslag"), QColor(0, 0, 255));
            EXPECT_EQ(tekst(venster, "lblControle(0)"), "ok");
            for (int rij = 1, n = Geheel(venster); rij <= n; ++rij)
                VulRij(venster, rij);
        }
        EXPECT_EQ(tekst(venster, "lblUitslag"), soort < 4 ? "Juist !" : "Die had je helemaal juist !");
        EXPECT_EQ(achtergrond(venster, "lblUitslag"), QColor(0, 255, 0));
        EXPECT_EQ(tekst(venster, "lblResultaat"), "Resultaat : 1 op 1");
        EXPECT_EQ(tekst(venster, "lblAantal"), "nog 1 oefeningen.");
        EXPECT_EQ(tekst(venster, "lblControle(0)"), "");
        EXPECT_EQ(speler.Slots().size(), soort < 4 ? 1U : 0U);
        EXPECT_EQ(speler.Goed(), soort < 4 ? 1 : 0);
    }
}

// A row that only adds up because a box was left empty is no answer: the child is told to fill it in, and nothing
// is counted.
TEST_F(Splitsen, EenLeegVakIsGeenAntwoord)
{
    // Kind 2: one part given, the other part and the whole free. The free part left empty, the whole typed as the
    // given part.
    Start(2, "6", "2");
    const NepSpeler speler;
    const QString vrij = focus()->objectName();
    const QString gegeven = Vak(venster, vrij.startsWith("txtLinks") ? "txtRechts" : "txtLinks", 0)->text();
    Typ({});
    Typ(gegeven);
    ASSERT_EQ(dialogen.meldingen().size(), 1U);
    EXPECT_EQ(dialogen.laatste().prompt, "Je moet wel iets invullen !!!");
    EXPECT_EQ(tekst(venster, "lblResultaat"), "Resultaat : 0 op 0");
    EXPECT_TRUE(speler.gespeeld().empty());
}

// Kind 5 with single number 4 (8 with maximum 5 and "nee": adjusting is switched on): the rows shown, and only
// rows 0..4 count when all eleven stay.
TEST_F(Splitsen, RijenVanVrijPerGetal)
{
    // maximum, adjusting (optAanpassen index), single number, rows shown
    const std::vector<std::tuple<QString, int, QString, int>> gevallen {
        {"5", 0, "4", 5}, {"5", 1, "4", 6}, {"8", 1, "4", 11}, {"5", 1, "8", 9}, {"5", 1, "4", 5}};
    for (const auto& [maximum, aanpassen, getal, rijen] : gevallen) {
        SCOPED_TRACE((maximum + " " + getal).toStdString());
        Start(4, maximum, "3", getal, aanpassen);
        ASSERT_EQ(ZichtbareRijen(venster).size(), static_cast<std::size_t>(rijen));
        EXPECT_TRUE(vind<QLabel>(venster, "lblControle(0)")->isEnabled());
        for (int rij = 0; rij <= getal.toInt(); ++rij)
            VulRij(venster, rij, rij % 2 ? Qt::Key_Space : Qt::Key_Return);
        EXPECT_EQ(tekst(venster, "lblUitslag"), "Die had je helemaal juist !");
        EXPECT_EQ(botsingen(venster), QStringList());
    }
}

// Kind 5 with whole 4: 1 and 3 again in row 1 are refused on leaving the right box (row emptied, focus back to
// its left box) and on leaving the left box (the row stays); a click elsewhere leaves the same way.
TEST_F(Splitsen, DieHadJeAl)
{
    Start(4, "5", "1", "4", 0);
    VulRij(venster, 1);
    EXPECT_EQ(tekst(venster, "lblControle(0)"), "ok");
    EXPECT_EQ(tekst(venster, "lblUitslag"), "Nog niet af...");
    VulRij(venster, 1);
    EXPECT_EQ(tekst(venster, "lblUitslag"), "Die had je al !!!");
    EXPECT_EQ(achtergrond(venster, "lblUitslag"), QColor(255, 0, 0));
    EXPECT_EQ(focus(), Vak(venster, "txtLinks", 1));
    EXPECT_EQ(Vak(venster, "txtLinks", 1)->text() + Vak(venster, "txtRechts", 1)->text(), "");
    EXPECT_EQ(tekst(venster, "lblControle(1)"), "");

    VulRij(venster, 2); // row 1: 2 and 2
    QTest::mouseClick(Vak(venster, "txtRechts", 2), Qt::LeftButton);
    QTest::keyClicks(focus(), "3");
    QTest::mouseClick(Vak(venster, "txtLinks", 2), Qt::LeftButton);
    QTest::keyClicks(focus(), "1");
    Typ({}); // leaves the left box: a repeat, the row stays and Enter moves on
    EXPECT_EQ(tekst(venster, "lblUitslag"), "Die had je al !!!");
    EXPECT_EQ(focus(), Vak(venster, "txtRechts", 2));
    EXPECT_EQ(Vak(venster, "txtLinks", 2)->text() + Vak(venster, "txtRechts", 2)->text(), "13");
    // Leaving the right box by a click into row 1 (done): the repeat wins, row 1 is not checked again.
    QTest::mouseClick(Vak(venster, "txtLinks", 1), Qt::LeftButton);
    EXPECT_EQ(tekst(venster, "lblUitslag"), "Die had je al !!!");
    EXPECT_EQ(focus(), Vak(venster, "txtLinks", 2));
    EXPECT_EQ(tekst(venster, "lblControle(1)"), "ok");
    EXPECT_EQ(tekst(venster, "lblResultaat"), "Resultaat : 0 op 0");
}

// Kind 6 with whole 3, adjusting off: rows 0..3 each give one part, the four splittings once each. The last
// exercise solved: "Klaar !", the score without "Resultaat : ", one OK message, and the window as it opened on the
// Setup page, the typed texts kept; the next series is vrij gemengd, and adjusting is on.
TEST_F(Splitsen, VastPerGetalTotHetEindeEnHerstelSetup)
{
    Start(5, "8", "2", "3", 1);
    for (int oefening = 0; oefening < 2; ++oefening) {
        std::multiset<int> links;
        for (int rij = 0; rij <= 3; ++rij) {
            const QLineEdit* l = Vak(venster, "txtLinks", rij);
            const QLineEdit* r = Vak(venster, "txtRechts", rij);
            ASSERT_NE(l->isEnabled(), r->isEnabled());
            links.insert(l->isEnabled() ? 3 - r->text().toInt() : l->text().toInt());
        }
        EXPECT_EQ(links, (std::multiset {0, 1, 2, 3}));
        for (int rij = 0; rij <= 3; ++rij)
            VulRij(venster, rij);
    }
    ASSERT_EQ(dialogen.meldingen().size(), 1U);
    EXPECT_EQ(dialogen.laatste().prompt, "Alle oefeningen zijn opgelost !\r\nJe haalde 2 op 2.");
    EXPECT_EQ(dialogen.laatste().knoppen, Knoppen::Ok);
    EXPECT_EQ(tekst(venster, "lblUitslag"), "Klaar !");
    EXPECT_EQ(tekst(venster, "lblResultaat"), "2 op 2");
    EXPECT_EQ(tekst(venster, "lblAantal"), "");
    EXPECT_EQ(paginaVoor(venster), 0);
    EXPECT_TRUE(vind<QRadioButton>(venster, "optSoort(0)")->isChecked());
    EXPECT_FALSE(vind<QWidget>(venster, "Frame2")->isVisible());
    EXPECT_FALSE(vind<QWidget>(venster, "txtGetal")->isEnabled());
    for (const char* naam : {"optAanpassen(0)", "optAanpassen(1)"}) {
        EXPECT_FALSE(vind<QRadioButton>(venster, naam)->isChecked());
        EXPECT_FALSE(vind<QRadioButton>(venster, naam)->isEnabled());
    }
    EXPECT_EQ(vind<QLineEdit>(venster, "txtGetal")->text(), "3");
    klikTab(venster, 1);
    EXPECT_EQ(ZichtbareRijen(venster), std::vector {0});
    klikTab(venster, 0);
    EXPECT_EQ(tekst(venster, "lblUitslag"), "Nieuwe reeks !");
    EXPECT_EQ(tekst(venster, "lblResultaat"), "Resultaat : 0 op 0");
    klik(vind<QRadioButton>(venster, "optSoort(4)"));
    klikTab(venster, 1);
    EXPECT_EQ(ZichtbareRijen(venster), (std::vector {0, 1, 2, 3}));
}

// Two exercises in a row never have the same whole; with maximum 3.4 every whole of 1 to 3 comes, and no other.
TEST_F(Splitsen, GeheelNooitTweeKeerNaElkaar)
{
    Start(0, "3.4", "60");
    std::set<int> gehelen;
    for (int oefening = 0, vorig = 0; oefening < 59; ++oefening) {
        const int geheel = Geheel(venster);
        ASSERT_NE(geheel, vorig);
        gehelen.insert(vorig = geheel);
        Typ("1", Qt::Key_Space);
        Typ(QString::number(geheel - 1), Qt::Key_Space);
    }
    EXPECT_EQ(gehelen, (std::set {1, 2, 3}));
}

// A key or click that leaves a box may solve the exercise through that box's check: the board is new then, and
// the key's own move must not act on it. One solve, a fresh board, the keyboard where the new exercise starts;
// after the last exercise one end message and the Setup page, the focus nowhere behind it.
TEST_F(Splitsen, VerlatenDatOplostBouwtHetBordOpnieuw)
{
    const auto nieuwBord = [this](const QString& uitslag) {
        EXPECT_EQ(tekst(venster, "lblUitslag"), uitslag);
        EXPECT_EQ(tekst(venster, "lblResultaat"), "Resultaat : 1 op 1");
        for (int rij = 0; rij < Splitsbord::AantalRijen; ++rij) {
            EXPECT_EQ(tekst(venster, QStringLiteral("lblControle(%1)").arg(rij)), "");
            for (const char* kant : {"txtLinks", "txtRechts"}) {
                const QLineEdit* vak = Vak(venster, kant, rij);
                EXPECT_TRUE(!vak->isEnabled() || vak->text().isEmpty()) << kant << rij;
            }
        }
        EXPECT_EQ(focus(), EersteVrijeVak(venster, 0));
    };
    // Kind 3, the whole typed first: Enter in the part box, or a click into the whole, solves through the part.
    for (const bool klikken : {false, true}) {
        Start(2, "5", "3");
        QLineEdit* deel = qobject_cast<QLineEdit*>(focus());
        const int gegeven
            = Vak(venster, deel->objectName().startsWith("txtLinks") ? "txtRechts" : "txtLinks", 0)->text().toInt();
        QTest::mouseClick(vind<QLineEdit>(venster, "txtBoven"), Qt::LeftButton);
        QTest::keyClicks(focus(), QString::number(gegeven + 2));
        QTest::mouseClick(deel, Qt::LeftButton);
        QTest::keyClicks(focus(), "2");
        if (klikken)
            QTest::mouseClick(vind<QLineEdit>(venster, "txtBoven"), Qt::LeftButton);
        else
            QTest::keyClick(focus(), Qt::Key_Return);
        nieuwBord("Juist !");
    }
    // Kind 6, row 0 filled last: Enter would go on to row 1 of the old board.
    Start(5, "7", "3", "3", 0);
    for (int rij : {1, 2, 3, 0}) {
        QTest::mouseClick(EersteVrijeVak(venster, rij), Qt::LeftButton);
        VulRij(venster, rij);
    }
    nieuwBord("Die had je helemaal juist !");
    // The last exercise, solved by Tab out of the right box (kind 1), by Enter (kind 5) or by a click into a
    // filled row (kind 5), whose own check must not count the exercise a second time.
    for (const int manier : {0, 1, 2}) {
        SCOPED_TRACE(manier);
        const auto voor = dialogen.meldingen().size();
        const int n = manier ? 3 : 0;
        Start(manier ? 4 : 0, "4", "1", manier ? "3" : QString(), 0);
        for (int rij = 0; rij < n; ++rij)
            VulRij(venster, rij);
        if (manier == 2) {
            Typ(QString::number(n));
            QTest::keyClicks(focus(), "0");
            QTest::mouseClick(Vak(venster, "txtLinks", 0), Qt::LeftButton);
        } else {
            VulRij(venster, n, manier ? Qt::Key_Return : Qt::Key_Tab);
        }
        EXPECT_EQ(dialogen.meldingen().size(), voor + 1);
        EXPECT_EQ(dialogen.laatste().prompt, "Alle oefeningen zijn opgelost !\r\nJe haalde 1 op 1.");
        EXPECT_EQ(paginaVoor(venster), 0);
        EXPECT_TRUE(focus()->isVisible());
    }
}

// Going to another window, to another page by the keyboard or to another module leaves no box: the last exercise,
// its row filled, is not checked and so no series ends; back in the window the child goes on where it was.
TEST_F(Splitsen, WeggaanIsGeenVerlaten)
{
    const auto vulZonderVerder = [this] {
        Start(0, "5", "1");
        Typ("0");
        QTest::keyClicks(focus(), QString::number(Geheel(venster)));
    };
    vulZonderVerder();
    QWidget ander;
    ander.show();
    ander.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&ander));
    ander.close();
    programma.hoofd.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&programma.hoofd));
    ASSERT_EQ(focus(), Vak(venster, "txtRechts", 0));
    QTest::keyClick(focus(), Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_EQ(paginaVoor(venster), 2);
    vulZonderVerder();
    programma.Open("vierbewerkingen");
    EXPECT_EQ(dialogen.meldingen().size(), 0U);
}

} // namespace
