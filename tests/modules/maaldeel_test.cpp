#include "programma.h"
#include "widgets.h"

#include <gtest/gtest.h>

#include <QPushButton>

#include <map>
#include <set>

namespace {

class MaalDeel : public ::testing::Test
{
protected:
    // Ticks these tables, clicks this operation (-1: none), types the count and clicks Oefening.
    void Start(const std::vector<int>& tafels, int bewerking, const QString& aantal)
    {
        for (int tafel : tafels)
            klik(vind<QCheckBox>(venster, QStringLiteral("optTafel(%1)").arg(tafel - 1)));
        if (bewerking >= 0)
            klik(vind<QRadioButton>(venster, QStringLiteral("optMaal(%1)").arg(bewerking)));
        typIn(venster, "txtAantal", aantal);
        ASSERT_EQ(programma.Start(venster), "");
    }

    Programma programma;
    NepDialogen& dialogen = programma.dialogen;
    QWidget& venster = programma.Open("maaldeel", 23);
};

// Only the table of 1 multiplied, then only the table of 10 divided, with right and wrong answers: factors 1..10,
// the table on the right, no answer twice in a row. Setup clears the score but leaves the feedback.
TEST_F(MaalDeel, ReeksMetEenTafelTotHetEinde)
{
    for (const bool maal : {true, false}) {
        SCOPED_TRACE(maal ? "x 1" : ": 10");
        dialogen.antwoord(Antwoord::Ja);
        // The second time the click on 1 takes that table away again.
        Start(maal ? std::vector {1} : std::vector {1, 10}, maal ? 0 : 1, "40");
        std::set<int> uitkomsten;
        int vorige = 0;
        for (int n = 40; n >= 1; --n) {
            ASSERT_EQ(tekst(venster, "lblAantal"), QStringLiteral("Nog %1 oefeningen").arg(n));
            EXPECT_EQ(tekst(venster, "lblBewerking"), maal ? "x" : ":");
            EXPECT_EQ(tekst(venster, "lblRechts"), maal ? "1" : "10");
            const int uitkomst = juist(venster).toInt();
            EXPECT_NE(uitkomst, vorige);
            vorige = uitkomst;
            uitkomsten.insert(uitkomst);
            antwoord(venster, QString::number(n % 3 ? uitkomst : uitkomst + 1));
        }
        EXPECT_EQ(uitkomsten, (std::set {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
        EXPECT_EQ(dialogen.laatste().prompt, "Alle oefeningen zijn gemaakt.\r\nJe haalde 27 op 40\r\n\r\nNog eens ?");
        EXPECT_EQ(tekst(venster, "lblResultaat"), "Resultaat : 0 op 0");
        EXPECT_EQ(tekst(venster, "lblUitslag"), "Klaar !");
        EXPECT_EQ(vind<QPushButton>(venster, "cmdFoutjes")->text(), "Foutjes oefenen (13)");
        EXPECT_EQ(botsingen(venster), QStringList());
    }
}

// "beide" mixes multiplications and divisions of the ticked tables.
TEST_F(MaalDeel, BeideMengtMaalEnDeel)
{
    Start({3, 7}, 2, "100");
    std::map<QString, int> tekens;
    for (int i = 0; i < 99; ++i) {
        ++tekens[tekst(venster, "lblBewerking")];
        EXPECT_TRUE(tekst(venster, "lblRechts") == "3" || tekst(venster, "lblRechts") == "7");
        antwoord(venster, juist(venster));
    }
    EXPECT_GT(tekens["x"], 30);
    EXPECT_GT(tekens[":"], 30);
}

} // namespace
