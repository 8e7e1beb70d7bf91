#include "programma.h"
#include "widgets.h"

#include <gtest/gtest.h>

#include <QPushButton>
#include <QRegularExpression>

#include <set>

namespace {

QCheckBox* Vakje(const QWidget& venster, const char* vakjes, int index)
{
    return vind<QCheckBox>(venster, QStringLiteral("%1(%2)").arg(QString::fromUtf8(vakjes)).arg(index));
}

class DrillTest : public ::testing::Test
{
protected:
    // Opens the drill, ticks the boxes, types the count and clicks Oefening.
    QWidget& Start(const char* menu, const char* vakjes, std::initializer_list<int> gekozen, int aantal)
    {
        QWidget& venster = programma.Open(QString::fromUtf8(menu), 41);
        for (int index : gekozen)
            klik(Vakje(venster, vakjes, index));
        typIn(venster, "txtAantal", QString::number(aantal));
        klikTab(venster, 1);
        return venster;
    }

    Programma programma;
    NepDialogen& dialogen = programma.dialogen;
};

// Only nine "T+E" exercises exist up to 20: all nine come before any of them repeats. A wrong answer
// shows the exercise with its result ("10+3=13").
TEST_F(DrillTest, HonderdKeerTPlusETotTwintig)
{
    QWidget& venster = Start("twintig", "chkOefening", {0}, 100);
    std::vector<QString> sommen;
    for (int n = 100; n >= 1; --n) {
        ASSERT_EQ(tekst(venster, "lblAantal"), QStringLiteral("nog %1 oefeningen").arg(n));
        sommen.push_back(som(venster));
        ASSERT_TRUE(sommen.back().startsWith("10+")) << sommen.back().toStdString();
        const QString uitkomst = juist(venster);
        antwoord(venster, n % 10 ? uitkomst : uitkomst + "1");
        if (n > 1) {
            EXPECT_EQ(tekst(venster, "lblUitslag"), n % 10 ? "Goed zo !" : sommen.back() + "=" + uitkomst);
        }
    }
    EXPECT_EQ(std::set<QString>(sommen.begin(), sommen.begin() + 9).size(), 9U);
    EXPECT_EQ(std::set<QString>(sommen.begin(), sommen.end()).size(), 9U);
    EXPECT_EQ(dialogen.laatste().prompt, "Alle oefeningen zijn gemaakt.\r\nJe haalde 90 op 100\r\n\r\nNog eens ?");
}

TEST_F(DrillTest, SoortOpTweeVakjesKomtTweeKeerZoVaak)
{
    // Boxes 4 and 14 give "TE-E=T" (a subtraction), box 0 "T+T".
    QWidget& venster = Start("honderd", "chkSoort", {0, 4, 14}, 100);
    int aftrekkingen = 0;
    for (int reeks = 0; reeks < 10; ++reeks) {
        dialogen.antwoord(Antwoord::Ja);
        for (int i = 0; i < 100; ++i) {
            aftrekkingen += tekst(venster, "lblBewerking") == "-";
            antwoord(venster, "0");
        }
        klikTab(venster, 1);
    }
    // 2/3 of 1000 is 667; the standard deviation is about 15.
    EXPECT_NEAR(aftrekkingen, 667, 60);
}

// Setup, Help and a restart in the middle of a series begin a new series with its score at zero; Setup and
// Help also forget its exercises, so a new series of nine shows all nine again.
TEST_F(DrillTest, EenNieuweReeksBegintOpNul)
{
    for (int tab : {0, 2, 1}) {
        SCOPED_TRACE(tab);
        QWidget& venster = Start("twintig", "chkOefening", {0}, 9);
        for (int i = 0; i < 8; ++i)
            antwoord(venster, juist(venster));
        klikTab(venster, tab);
        EXPECT_EQ(paginaVoor(venster), tab);
        if (tab != 1) {
            EXPECT_EQ(tekst(venster, "lblResultaat"), "Resultaat : 0 op 0");
            EXPECT_EQ(tekst(venster, "lblUitslag"), "Nieuwe reeks");
            klikTab(venster, 1);
        }
        std::set<QString> tweede;
        for (int i = 0; i < 9; ++i) {
            tweede.insert(som(venster));
            dialogen.antwoord(Antwoord::Ja);
            antwoord(venster, juist(venster));
            if (i == 0) {
                EXPECT_EQ(tekst(venster, "lblResultaat"), "Resultaat : 1 op 1");
            }
        }
        if (tab != 1) {
            EXPECT_EQ(tweede.size(), 9U);
        }
    }
}

// Behind the end question the page lists the mistakes with their answers and the score per kind; after Ja the
// Setup page offers exactly those to practise again, each once, and forgets them when a setting changes.
TEST_F(DrillTest, FoutjesOefenen)
{
    QWidget& venster = Start("twintig", "chkOefening", {0, 1}, 10);
    std::multiset<QString> fout;
    for (int n = 10; n >= 1; --n) {
        const bool goed = n % 3 != 0;
        if (!goed)
            fout.insert(som(venster) + "=" + juist(venster));
        if (n == 1)
            dialogen.antwoord(Antwoord::Ja);
        antwoord(venster, goed ? juist(venster) : "0");
    }
    const QString lijst = tekst(venster, "lblFoutjes");
    for (const QString& fouteSom : fout)
        EXPECT_TRUE(lijst.contains(fouteSom)) << lijst.toStdString();
    EXPECT_TRUE(lijst.contains(QRegularExpression("T\\+E : \\d+ op \\d+"))) << lijst.toStdString();
    auto* knop = vind<QPushButton>(venster, "cmdFoutjes");
    ASSERT_TRUE(knop->isVisible());
    EXPECT_EQ(knop->text(), "Foutjes oefenen (3)");
    EXPECT_EQ(botsingen(venster), QStringList());

    klik(knop);
    EXPECT_EQ(paginaVoor(venster), 1);
    EXPECT_EQ(gekozenTab(venster), 1);
    EXPECT_EQ(tekst(venster, "lblAantal"), "nog 3 oefeningen");
    std::multiset<QString> herhaald;
    for (int i = 0; i < 3; ++i) {
        herhaald.insert(som(venster) + "=" + juist(venster));
        if (i == 2)
            dialogen.antwoord(Antwoord::Ja);
        antwoord(venster, juist(venster));
    }
    EXPECT_EQ(herhaald, fout);
    EXPECT_TRUE(tekst(venster, "lblFoutjes").startsWith("Geen foutjes !\n"));
    EXPECT_FALSE(knop->isVisible());

    // A new mistake, then a changed setting: the offer is gone.
    klikTab(venster, 1);
    dialogen.antwoord(Antwoord::Ja);
    for (int i = 0; i < 10; ++i)
        antwoord(venster, i == 0 ? "0" : juist(venster));
    EXPECT_EQ(knop->text(), "Foutjes oefenen (1)");
    klik(vind<QCheckBox>(venster, "chkOefening(1)"));
    EXPECT_FALSE(knop->isVisible());
}

} // namespace
