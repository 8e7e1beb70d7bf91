#include "nepspeler.h"
#include "programma.h"
#include "widgets.h"

#include <gtest/gtest.h>

#include <QPushButton>

#include <set>
#include <utility>

namespace {

QPushButton* Knop(const QWidget& venster, int index)
{
    return vind<QPushButton>(venster, QStringLiteral("cmdNummer(%1)").arg(index));
}

// The number the image shows, as the blue squares tell it; -1 when they are not the first ones in a row.
int Getoond(const QWidget& venster)
{
    int getal = 0;
    for (int vakje = 0; vakje < 10; ++vakje) {
        const bool blauw = achtergrond(venster, QStringLiteral("lblNummer(%1)").arg(vakje)) == QColor(0, 0, 255);
        if (blauw && getal < vakje)
            return -1;
        getal += blauw ? 1 : 0;
    }
    return getal;
}

class Herkennen : public ::testing::Test
{
protected:
    QWidget& Start(const QString& aantal, int maximum = 10)
    {
        QWidget& venster = programma.Open("gbherkennen", 3);
        klik(vind<QRadioButton>(venster, QStringLiteral("opt%1").arg(maximum)));
        typIn(venster, "txtAantal", aantal);
        programma.Start(venster);
        return venster;
    }

    Programma programma;
    NepDialogen& dialogen = programma.dialogen;
};

// For each maximum only its buttons show; every number image fills its first squares column by column, never
// more than the maximum and never the same number twice in a row; the right button is right every time.
TEST_F(Herkennen, KnoppenEnGetalbeelden)
{
    std::set<int> gezien;
    for (int maximum = 5; maximum <= 10; ++maximum) {
        SCOPED_TRACE(maximum);
        QWidget& venster = Start("30", maximum);
        for (int knop = 0; knop < 10; ++knop)
            EXPECT_EQ(Knop(venster, knop)->isVisible(), knop < maximum) << knop;
        int vorige = 0;
        for (int oefening = 1; oefening <= 30; ++oefening) {
            const int getal = Getoond(venster);
            ASSERT_TRUE(getal >= 1 && getal <= maximum);
            EXPECT_NE(std::exchange(vorige, getal), getal);
            EXPECT_EQ(focus()->objectName(), "cmdStop");
            EXPECT_EQ(achtergrond(venster, "lblNummer(7)"),
                getal > 7 ? QColor(0, 0, 255) : QColor(venster.palette().color(QPalette::Button)));
            gezien.insert(getal);
            klik(Knop(venster, getal - 1));
        }
        EXPECT_EQ(dialogen.laatste().prompt, "Alle oefeningen zijn gemaakt.\r\nJe haalde 30 op 30\r\n\r\nNog eens ?");
    }
    EXPECT_EQ(gezien.size(), 10U);
}

// A right and a wrong click, the score without "Resultaat : ", and a second series after Ja and the Help tab that
// goes on counting; only the Setup tab starts the score again.
TEST_F(Herkennen, GoedFoutEnDeTellers)
{
    QWidget& venster = Start("2");
    NepSpeler speler;
    EXPECT_EQ(tekst(venster, "lblAantal"), "nog 2 oefeningen");
    const int eerste = Getoond(venster);
    klik(Knop(venster, eerste - 1));
    EXPECT_EQ(tekst(venster, "lblUitslag"), "Goed zo !");
    EXPECT_EQ(achtergrond(venster, "lblUitslag"), QColor(0, 255, 0));
    EXPECT_EQ(tekst(venster, "lblResultaat"), "1 op 1");
    EXPECT_EQ(speler.Slots().size(), 1U);
    EXPECT_EQ(tekst(venster, "lblAantal"), "nog 1 oefeningen");
    dialogen.antwoord(Antwoord::Ja);
    klik(Knop(venster, Getoond(venster) % 10));
    EXPECT_EQ(dialogen.laatste().prompt, "Alle oefeningen zijn gemaakt.\r\nJe haalde 1 op 2\r\n\r\nNog eens ?");
    EXPECT_EQ(dialogen.laatste().titel, "opnieuw ?");
    EXPECT_EQ(tekst(venster, "lblUitslag"), "Klaar !");
    EXPECT_EQ(tekst(venster, "lblResultaat"), "1 op 2");
    EXPECT_EQ(std::pair(speler.Goed(), speler.Fout()), std::pair(1, 1));
    EXPECT_EQ(paginaVoor(venster), 0);

    klikTab(venster, 2);
    klikTab(venster, 1);
    klik(Knop(venster, Getoond(venster) - 1));
    EXPECT_EQ(tekst(venster, "lblResultaat"), "2 op 3");
    dialogen.antwoord(Antwoord::Ja);
    klik(Knop(venster, Getoond(venster) - 1));
    EXPECT_EQ(dialogen.laatste().prompt, "Alle oefeningen zijn gemaakt.\r\nJe haalde 3 op 4\r\n\r\nNog eens ?");

    klikTab(venster, 0);
    EXPECT_EQ(tekst(venster, "lblResultaat"), "0 op 0");
    EXPECT_EQ(tekst(venster, "lblUitslag"), "Nieuwe reeks !");
    EXPECT_EQ(achtergrond(venster, "lblUitslag"), QColor(0, 0, 255));
}

} // namespace
