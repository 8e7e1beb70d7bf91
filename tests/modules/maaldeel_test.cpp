#include "maaldeel/frmmaaldeel.h"
#include "maaldeel/tafeloefening.h"

#include "nepdialogen.h"
#include "toeval.h"
#include "twips.h"
#include "widgets.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QGroupBox>
#include <QRadioButton>

#include <set>

namespace {

Tafels Alleen(std::initializer_list<int> tafels)
{
    Tafels gekozen {};
    for (int tafel : tafels)
        gekozen[static_cast<std::size_t>(tafel - 1)] = true;
    return gekozen;
}

using Maker = void (*)(Tafeloefening&, const Tafels&);

struct Makergeval
{
    const char* naam;
    Maker maak;
    Tafels tafels;
    char bewerking;
};

// Every draw of a ticked table, right as a product or quotient of 1..10, and never the previous answer.
TEST(Tafeloefening, TafelRechtsEnNooitTweemaalDezelfdeUitkomst)
{
    const std::vector<Makergeval> gevallen {
        {"maal, tafel 1", MaakMaalOefening, Alleen({1}), 'x'},
        {"maal, tafels 3 en 7", MaakMaalOefening, Alleen({3, 7}), 'x'},
        {"deel, tafel 10", MaakDeelOefening, Alleen({10}), ':'},
        {"deel, tafels 2 en 9", MaakDeelOefening, Alleen({2, 9}), ':'},
    };
    for (const Makergeval& geval : gevallen) {
        SCOPED_TRACE(geval.naam);
        ZaaiToeval(7);
        Tafeloefening oefening;
        std::set<std::int32_t> andereFactoren;
        for (int i = 0; i < 1000; ++i) {
            const std::int32_t vorige = oefening.Uitkomst;
            geval.maak(oefening, geval.tafels);
            ASSERT_EQ(oefening.Bewerking, geval.bewerking);
            ASSERT_TRUE(geval.tafels[static_cast<std::size_t>(oefening.Rechts - 1)]) << oefening.Rechts;
            ASSERT_NE(oefening.Uitkomst, vorige);
            const bool maal = geval.bewerking == 'x';
            const std::int32_t ander = maal ? oefening.Links : oefening.Uitkomst;
            ASSERT_GE(ander, 1);
            ASSERT_LE(ander, 10);
            ASSERT_EQ(maal ? oefening.Uitkomst : oefening.Links, ander * oefening.Rechts);
            andereFactoren.insert(ander);
        }
        EXPECT_EQ(andereFactoren.size(), 10U);
    }
}

TEST(Tafeloefening, BeideMengtOngeveerHalfOmHalf)
{
    ZaaiToeval(11);
    Tafeloefening oefening;
    int delingen = 0;
    constexpr int Aantal = 4000;
    for (int i = 0; i < Aantal; ++i) {
        MaakTafelOefening(oefening, Alleen({4}));
        delingen += oefening.Bewerking == ':';
    }
    // 2000 expected; the standard deviation is about 32.
    EXPECT_NEAR(delingen, Aantal / 2, 150);
}

TEST(Tafeloefening, ZonderTafelKomtHetTochTerug)
{
    ZaaiToeval(3);
    Tafeloefening oefening;
    MaakMaalOefening(oefening, Tafels {});
    MaakDeelOefening(oefening, Tafels {});
    EXPECT_EQ(oefening.Bewerking, ':');
}

class MaalDeelTest : public ::testing::Test
{
protected:
    MaalDeelTest()
    {
        ZaaiToeval(23);
        venster.show();
    }

    void Kies(std::initializer_list<int> tafels, int bewerking)
    {
        for (int tafel : tafels)
            vind<QCheckBox>(venster, QStringLiteral("optTafel(%1)").arg(tafel - 1))->setChecked(true);
        if (bewerking >= 0)
            vind<QRadioButton>(venster, QStringLiteral("optMaal(%1)").arg(bewerking))->click();
    }

    // The right answer of the exercise on screen.
    std::int64_t Juist() const
    {
        const int links = tekst(venster, "lblLinks").toInt();
        const int rechts = tekst(venster, "lblRechts").toInt();
        return tekst(venster, "lblBewerking") == "x" ? links * rechts : links / rechts;
    }

    NepDialogen dialogen;
    frmMaalDeel venster {dialogen};
};

TEST_F(MaalDeelTest, SetupBijHetOpenen)
{
    EXPECT_EQ(venster.objectName(), "frmMaalDeel");
    EXPECT_EQ(venster.windowTitle(), "Maal- en deeltafels");
    EXPECT_EQ(vind<QGroupBox>(venster, "fraTafel")->title(), "De tafel van ...");
    EXPECT_EQ(vind<QGroupBox>(venster, "fraBewerking")->title(), "Bewerking");
    for (int i = 0; i < 10; ++i) {
        const auto* tafel = vind<QCheckBox>(venster, QStringLiteral("optTafel(%1)").arg(i));
        EXPECT_EQ(tafel->text(), QString::number(i + 1));
        EXPECT_FALSE(tafel->isChecked());
    }
    const std::array<QString, 3> bewerkingen {"x", ":", "beide"};
    for (int i = 0; i < 3; ++i) {
        const auto* optie = vind<QRadioButton>(venster, QStringLiteral("optMaal(%1)").arg(i));
        EXPECT_EQ(optie->text(), bewerkingen[static_cast<std::size_t>(i)]);
        EXPECT_FALSE(optie->isChecked());
    }
    EXPECT_EQ(vind<QLineEdit>(venster, "txtAantal")->text(), "20");
    EXPECT_TRUE(tekst(venster, "lblHelpTitel(3)").startsWith("Kies voor maaltafels, deeltafels of beide door elkaar"));
}

TEST_F(MaalDeelTest, EersteFoutendeControleMeldtEnStartNiets)
{
    struct Geval
    {
        std::vector<int> tafels;
        int bewerking;
        const char* aantal;
        const char* melding;
    };
    const std::vector<Geval> gevallen {
        {{}, -1, "20", "Je koos geen enkele tafel !!!"},
        {{}, 0, "0", "Je koos geen enkele tafel !!!"},
        {{3}, -1, "0", "Je koos geen bewerking !!!"},
        {{3}, 1, "0", "Je aantal oefeningen klopt niet !"},
        {{3}, 1, "", "Je aantal oefeningen klopt niet !"},
        {{3}, 1, "drie", "Je aantal oefeningen klopt niet !"},
        {{3}, 1, "-2", "Je aantal oefeningen klopt niet !"},
        {{3}, 1, "0.4", "Je aantal oefeningen klopt niet !"},
        {{3}, 1, "32768", "Je aantal oefeningen klopt niet !"},
        {{3}, 1, "1e9", "Je aantal oefeningen klopt niet !"},
    };
    for (const Geval& geval : gevallen) {
        SCOPED_TRACE(geval.aantal);
        NepDialogen meldingen;
        frmMaalDeel nieuw(meldingen);
        nieuw.show();
        for (int tafel : geval.tafels)
            vind<QCheckBox>(nieuw, QStringLiteral("optTafel(%1)").arg(tafel - 1))->setChecked(true);
        if (geval.bewerking >= 0)
            vind<QRadioButton>(nieuw, QStringLiteral("optMaal(%1)").arg(geval.bewerking))->click();
        vind<QLineEdit>(nieuw, "txtAantal")->setText(QString::fromUtf8(geval.aantal));
        klikTab(nieuw, 1);
        ASSERT_EQ(meldingen.meldingen().size(), 1U);
        EXPECT_EQ(meldingen.laatste().prompt, QString::fromUtf8(geval.melding));
        EXPECT_EQ(meldingen.laatste().titel, ProgrammaTitel());
        EXPECT_EQ(meldingen.laatste().knoppen, Knoppen::Ok);
        EXPECT_EQ(paginaVoor(nieuw), 0);
        EXPECT_EQ(tekst(nieuw, "lblAantal"), "");
        EXPECT_EQ(tekst(nieuw, "lblLinks"), "");
    }
}

TEST_F(MaalDeelTest, ReeksVanDeTafelVanEenTotHetEinde)
{
    Kies({1}, 0);
    vind<QLineEdit>(venster, "txtAantal")->setText("10");
    klikTab(venster, 1);
    EXPECT_EQ(paginaVoor(venster), 1);
    EXPECT_EQ(tekst(venster, "lblUitslag"), "Vul in en druk op [enter]");
    std::set<QString> links;
    QString vorige;
    for (int n = 10; n >= 1; --n) {
        EXPECT_EQ(tekst(venster, "lblAantal"), QStringLiteral("Nog %1 oefeningen").arg(n));
        EXPECT_EQ(tekst(venster, "lblBewerking"), "x");
        EXPECT_EQ(tekst(venster, "lblRechts"), "1");
        EXPECT_NE(tekst(venster, "lblLinks"), vorige);
        vorige = tekst(venster, "lblLinks");
        links.insert(vorige);
        antwoord(venster, QString::number(Juist()));
        if (n > 1) {
            EXPECT_EQ(tekst(venster, "lblResultaat"), QStringLiteral("Resultaat : %1 op %1").arg(11 - n));
        }
    }
    EXPECT_GT(links.size(), 5U);
    ASSERT_EQ(dialogen.meldingen().size(), 1U);
    EXPECT_EQ(dialogen.laatste().titel, "opnieuw ?");
    EXPECT_EQ(dialogen.laatste().prompt, "Alle oefeningen zijn gemaakt.\r\nJe haalde 10 op 10\r\n\r\nNog eens ?");
    EXPECT_EQ(tekst(venster, "lblResultaat"), "10 op 10");
    EXPECT_EQ(tekst(venster, "lblUitslag"), "Klaar !");
    EXPECT_EQ(tekst(venster, "lblAantal"), "");
}

TEST_F(MaalDeelTest, DeeltafelVanTienMetGoedeEnFouteAntwoorden)
{
    Kies({10}, 1);
    vind<QLineEdit>(venster, "txtAantal")->setText("4");
    klikTab(venster, 1);
    const std::array<QString, 4> antwoorden {"%1", "%1.0", "", "%1 appels"};
    const std::array<bool, 4> goed {true, true, false, true};
    for (std::size_t i = 0; i < antwoorden.size(); ++i) {
        EXPECT_EQ(tekst(venster, "lblBewerking"), ":");
        EXPECT_EQ(tekst(venster, "lblRechts"), "10");
        const int links = tekst(venster, "lblLinks").toInt();
        EXPECT_TRUE(links % 10 == 0 && links >= 10 && links <= 100) << links;
        antwoord(venster, antwoorden[i].contains("%1") ? antwoorden[i].arg(Juist()) : antwoorden[i]);
        if (i + 1 < antwoorden.size()) {
            EXPECT_EQ(tekst(venster, "lblUitslag"), goed[i] ? "Goed zo !" : "Foutje !");
            EXPECT_EQ(achtergrond(venster, "lblUitslag"), goed[i] ? QColor(0, 255, 0) : QColor(255, 0, 0));
        }
    }
    EXPECT_EQ(dialogen.laatste().prompt, "Alle oefeningen zijn gemaakt.\r\nJe haalde 3 op 4\r\n\r\nNog eens ?");
}

TEST_F(MaalDeelTest, SetupNultDeTellersMaarLaatDeUitslagStaan)
{
    Kies({2, 5}, 2);
    klikTab(venster, 1);
    antwoord(venster, QString::number(Juist()));
    antwoord(venster, "-1");
    EXPECT_EQ(tekst(venster, "lblResultaat"), "Resultaat : 1 op 2");
    // A new start neither zeroes the counters nor touches the feedback label.
    klikTab(venster, 1);
    EXPECT_EQ(tekst(venster, "lblUitslag"), "Foutje !");
    antwoord(venster, QString::number(Juist()));
    EXPECT_EQ(tekst(venster, "lblResultaat"), "Resultaat : 2 op 4");
    klikTab(venster, 0);
    EXPECT_EQ(paginaVoor(venster), 0);
    EXPECT_EQ(tekst(venster, "lblResultaat"), "Resultaat : 0 op 0");
    EXPECT_EQ(tekst(venster, "lblUitslag"), "Goed zo !");
    EXPECT_EQ(achtergrond(venster, "lblUitslag"), QColor(0, 255, 0));
}

TEST_F(MaalDeelTest, AllesPastBinnenHetVenster)
{
    Kies({10}, 0);
    klikTab(venster, 1);
    for (int pagina : {1, 2, 0}) {
        klikTab(venster, pagina);
        QApplication::processEvents();
        EXPECT_EQ(venster.size(), PixelsGrootte(7000, 5000));
        EXPECT_EQ(botsingen(venster), QStringList()) << pagina;
    }
}

} // namespace
