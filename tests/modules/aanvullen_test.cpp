#include "nepspeler.h"
#include "programma.h"
#include "widgets.h"

#include <gtest/gtest.h>

#include <QMdiArea>
#include <QMdiSubWindow>

#include <utility>

namespace {

qint64 Getal(const QWidget& venster, const char* naam)
{
    return tekst(venster, naam).toLongLong();
}

class Aanvullen : public ::testing::Test
{
protected:
    QWidget& Start(const QString& maximum, const QString& interval, const QString& aantal)
    {
        QWidget& venster = programma.Open("graanvullen", 9);
        vervang(venster, "txtMaximum", maximum);
        vervang(venster, "txtInterval", interval);
        typIn(venster, "txtAantal", aantal);
        programma.Start(venster);
        return venster;
    }

    Programma programma;
    NepDialogen& dialogen = programma.dialogen;
};

// Rising, falling and flat rows at maximum 10: the four places keep the step, stay in 0..10 and never ask the
// same number twice in a row; right and wrong answers are counted, and the series ends with the question.
TEST_F(Aanvullen, RijenPerInterval)
{
    for (const int interval : {1, -2, 0}) {
        SCOPED_TRACE(interval);
        QWidget& venster = Start("10", QString::number(interval), "12");
        NepSpeler speler;
        qint64 vorige = 0;
        int goed = 0;
        for (int oefening = 1; oefening <= 12; ++oefening) {
            EXPECT_EQ(tekst(venster, "lblAantal"), QStringLiteral("nog %1 oefeningen").arg(13 - oefening));
            const qint64 links = Getal(venster, "lblLinks"), midden = Getal(venster, "lblMidden");
            const qint64 rechts = Getal(venster, "lblRechts"), gevraagd = midden + interval;
            EXPECT_EQ(midden - links, interval);
            EXPECT_EQ(rechts - midden, 2 * interval);
            EXPECT_TRUE(std::min(links, rechts) >= 0 && std::max(links, rechts) <= 10);
            EXPECT_NE(std::exchange(vorige, gevraagd), gevraagd);
            const bool rechtOp = oefening % 3 != 0;
            goed += rechtOp ? 1 : 0;
            antwoord(venster, QString::number(rechtOp ? gevraagd : gevraagd + 1));
            EXPECT_EQ(std::pair(speler.Goed(), speler.Fout()), std::pair(goed, oefening - goed));
            if (oefening < 12) {
                EXPECT_EQ(tekst(venster, "lblUitslag"), rechtOp ? "Goed zo !" : "Foutje !");
                EXPECT_EQ(achtergrond(venster, "lblUitslag"), rechtOp ? QColor(0, 255, 0) : QColor(255, 0, 0));
                EXPECT_EQ(
                    tekst(venster, "lblResultaat"), QStringLiteral("Resultaat : %1 op %2").arg(goed).arg(oefening));
            }
        }
        EXPECT_EQ(tekst(venster, "lblResultaat"), "8 op 12");
        EXPECT_EQ(dialogen.laatste().prompt, "Alle oefeningen zijn gemaakt.\r\nJe haalde 8 op 12\r\n\r\nNog eens ?");
    }
}

// A refused start brings the window back as it opened, here moved and on the Help page, and starts the score again.
TEST_F(Aanvullen, GeweigerdeStartZetHetVensterTerug)
{
    QWidget& venster = Start("10", "2", "5");
    antwoord(venster, "0");
    QMdiSubWindow* kader = programma.hoofd.werkruimte().activeSubWindow();
    const QRect plaats = kader->geometry();
    kader->move(plaats.topLeft() + QPoint(40, 30));
    klikTab(venster, 2);
    vervang(venster, "txtInterval", "3");
    EXPECT_EQ(programma.Start(venster), "Je interval mag maximaal een vierde van je maximum zijn !");
    EXPECT_EQ(kader->geometry(), plaats);
    EXPECT_EQ(tekst(venster, "lblResultaat"), "Resultaat : 0 op 0");
    EXPECT_EQ(tekst(venster, "lblAantal"), "nog 4 oefeningen");
}

// Entering the maximum or the step keeps its text, also after a series. (That the score goes on from series to
// series until the Setup tab is the number images' test, through the same score frame.)
TEST_F(Aanvullen, MaximumEnStapHoudenHunTekst)
{
    QWidget& venster = Start("8", "2", "4");
    dialogen.antwoord(Antwoord::Ja);
    for (int oefening = 0; oefening < 4; ++oefening)
        antwoord(venster, QString::number(Getal(venster, "lblMidden") + 2));
    EXPECT_EQ(paginaVoor(venster), 0);
    typIn(venster, "txtMaximum", "0");
    typIn(venster, "txtInterval", "");
    EXPECT_EQ(vind<QLineEdit>(venster, "txtMaximum")->text(), "80");
    EXPECT_EQ(vind<QLineEdit>(venster, "txtInterval")->text(), "2");
}

} // namespace
