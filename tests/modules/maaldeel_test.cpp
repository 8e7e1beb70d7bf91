#include "maaldeel/frmmaaldeel.h"

#include "nepdialogen.h"
#include "toeval.h"
#include "widgets.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QRadioButton>

#include <set>
#include <tuple>

namespace {

// Shows the window with these tables ticked, this operation chosen (-1: none) and this count, and
// clicks Oefening.
void Start(frmMaalDeel& venster, const std::vector<int>& tafels, int bewerking, const QString& aantal)
{
    venster.show();
    for (int tafel : tafels)
        vind<QCheckBox>(venster, QStringLiteral("optTafel(%1)").arg(tafel - 1))->setChecked(true);
    if (bewerking >= 0)
        vind<QRadioButton>(venster, QStringLiteral("optMaal(%1)").arg(bewerking))->click();
    vind<QLineEdit>(venster, "txtAantal")->setText(aantal);
    klikTab(venster, 1);
}

// The tables are checked first, then the operation, then the count; the first failure is the message.
TEST(MaalDeel, EersteFoutendeControleMeldtEnStartNiets)
{
    ZaaiToeval(23);
    const std::vector<std::tuple<std::vector<int>, int, QString, QString>> gevallen {
        {{}, -1, "20", "Je koos geen enkele tafel !!!"},
        {{}, 0, "0", "Je koos geen enkele tafel !!!"},
        {{3}, -1, "0", "Je koos geen bewerking !!!"},
        {{3}, 1, "0", "Je aantal oefeningen klopt niet !"},
        {{3}, 1, "drie", "Je aantal oefeningen klopt niet !"},
        {{3}, 1, "0.4", "Je aantal oefeningen klopt niet !"},
        {{3}, 1, "32768", "Je aantal oefeningen klopt niet !"},
    };
    for (const auto& [tafels, bewerking, aantal, melding] : gevallen) {
        SCOPED_TRACE(aantal.toStdString());
        NepDialogen meldingen;
        frmMaalDeel venster(meldingen);
        Start(venster, tafels, bewerking, aantal);
        ASSERT_EQ(meldingen.meldingen().size(), 1U);
        EXPECT_EQ(meldingen.laatste().prompt, melding);
        EXPECT_EQ(meldingen.laatste().titel, ProgrammaTitel());
        EXPECT_EQ(paginaVoor(venster), 0);
        EXPECT_EQ(tekst(venster, "lblLinks"), "");
    }
}

// Only the table of 1 multiplied, then only the table of 10 divided, with right and wrong answers.
TEST(MaalDeel, ReeksMetEenTafelTotHetEinde)
{
    ZaaiToeval(23);
    NepDialogen dialogen;
    for (const bool maal : {true, false}) {
        SCOPED_TRACE(maal ? "x 1" : ": 10");
        frmMaalDeel venster(dialogen);
        Start(venster, {maal ? 1 : 10}, maal ? 0 : 1, "10");
        std::set<int> uitkomsten;
        int vorige = 0;
        for (int n = 10; n >= 1; --n) {
            ASSERT_EQ(tekst(venster, "lblAantal"), QStringLiteral("Nog %1 oefeningen").arg(n));
            EXPECT_EQ(tekst(venster, "lblBewerking"), maal ? "x" : ":");
            EXPECT_EQ(tekst(venster, "lblRechts"), maal ? "1" : "10");
            const int links = tekst(venster, "lblLinks").toInt();
            const int uitkomst = maal ? links : links / 10;
            EXPECT_TRUE(uitkomst >= 1 && uitkomst <= 10 && (maal || links % 10 == 0)) << links;
            EXPECT_NE(uitkomst, vorige);
            vorige = uitkomst;
            uitkomsten.insert(uitkomst);
            antwoord(venster, QString::number(n % 3 ? uitkomst : uitkomst + 1));
            if (n > 1) {
                EXPECT_EQ(tekst(venster, "lblUitslag"), n % 3 ? "Goed zo !" : "Foutje !");
            }
        }
        EXPECT_GT(uitkomsten.size(), 5U);
        EXPECT_EQ(dialogen.laatste().prompt, "Alle oefeningen zijn gemaakt.\r\nJe haalde 7 op 10\r\n\r\nNog eens ?");
    }
}

} // namespace
