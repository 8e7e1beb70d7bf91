#include "drills/frmdrill.h"

#include "nepdialogen.h"
#include "plaatswaarde.h"
#include "toeval.h"
#include "twips.h"
#include "widgets.h"

#include <gtest/gtest.h>

#include <QCheckBox>

#include <algorithm>
#include <functional>
#include <memory>
#include <set>

namespace {

struct Drill
{
    const char* naam;
    std::function<std::unique_ptr<frmDrill>(Dialogen&)> maak;
    const char* titel;
    const char* vakjes;
    int aantalVakjes;
    const std::vector<std::string>& (*soorten)();
    const char* aantalLabel;
};

template<class Venster> std::unique_ptr<frmDrill> Maak(Dialogen& dialogen)
{
    return std::make_unique<Venster>(dialogen);
}

const std::vector<Drill>& Drills()
{
    static const std::vector<Drill> drills {
        {"frmTwintig", Maak<frmTwintig>, "Tellen tot 20", "chkOefening", 10, SoortenTwintig, "aantal oefeningen :"},
        {"frmHonderd", Maak<frmHonderd>, "Tellen tot honderd", "chkSoort", 27, SoortenHonderd, "aantal oefeningen :"},
        {"frmDuizend", Maak<frmDuizend>, "Tellen tot duizend", "chkSoort", 35, SoortenDuizend, "aantal oefeningen :"},
        {"frmTienduizend", Maak<frmTienduizend>, "Tellen tot tienduizend", "chkSoortTD", 28, SoortenTienduizend,
            "Aantal oefeningen :"},
        {"frmHonderdduizend", Maak<frmHonderdduizend>, "Tellen tot 100.000", "chkSoort", 7, SoortenHonderdduizend,
            "Aantal oefeningen :"},
    };
    return drills;
}

QCheckBox* Vakje(const QWidget& venster, const char* vakjes, int index)
{
    return vind<QCheckBox>(venster, QStringLiteral("%1(%2)").arg(QString::fromUtf8(vakjes)).arg(index));
}

// The exercise on screen as the drills write it ("47-7"), and its right answer.
QString Som(const QWidget& venster)
{
    return tekst(venster, "lblLinks") + tekst(venster, "lblBewerking") + tekst(venster, "lblRechts");
}

std::int64_t Juist(const QWidget& venster)
{
    const std::int64_t links = tekst(venster, "lblLinks").toLongLong();
    const std::int64_t rechts = tekst(venster, "lblRechts").toLongLong();
    return tekst(venster, "lblBewerking") == "+" ? links + rechts : links - rechts;
}

// Starts a series of `aantal` exercises with the given boxes ticked.
void Start(QWidget& venster, const char* vakjes, std::initializer_list<int> gekozen, int aantal)
{
    venster.show();
    for (int index : gekozen)
        Vakje(venster, vakjes, index)->setChecked(true);
    vind<QLineEdit>(venster, "txtAantal")->setText(QString::number(aantal));
    klikTab(venster, 1);
}

class DrillTest : public ::testing::Test
{
protected:
    DrillTest() { ZaaiToeval(41); }
    NepDialogen dialogen;
};

TEST_F(DrillTest, ElkVensterToontDeSoortenVanZijnGenerator)
{
    for (const Drill& drill : Drills()) {
        SCOPED_TRACE(drill.naam);
        const auto venster = drill.maak(dialogen);
        EXPECT_EQ(venster->objectName(), drill.naam);
        EXPECT_STREQ(venster->metaObject()->className(), drill.naam);
        EXPECT_EQ(venster->windowTitle(), drill.titel);
        const auto vakjes = venster->findChildren<QCheckBox*>();
        EXPECT_EQ(vakjes.size(), drill.aantalVakjes);
        for (int i = 0; i < drill.aantalVakjes; ++i) {
            const QCheckBox* vakje = Vakje(*venster, drill.vakjes, i);
            EXPECT_FALSE(vakje->isChecked());
            EXPECT_TRUE(std::ranges::count(drill.soorten(), vakje->text().toStdString()) == 1)
                << vakje->text().toStdString() << " is no kind of the generator";
        }
        EXPECT_EQ(vind<QLineEdit>(*venster, "txtAantal")->text(), "20");
        const auto labels = venster->findChildren<QLabel*>();
        EXPECT_TRUE(std::ranges::any_of(labels, [&](const QLabel* l) { return l->text() == drill.aantalLabel; }));
        EXPECT_EQ(tekst(*venster, "lblHelpTitel(3)"),
            "Vogel alle vakjes aan voor een oefening die je wil laten gebeuren. Druk dan op het tabblad 'Oefening'.");
    }
}

TEST_F(DrillTest, TwintigInTweeKolommenZonderEnMetBrug)
{
    frmTwintig venster(dialogen);
    venster.show();
    const auto labels = venster.findChildren<QLabel*>();
    const auto kop = [&](const QString& tekst) {
        return *std::ranges::find_if(labels, [&](const QLabel* l) { return l->text() == tekst; });
    };
    const int zonder = kop("Zonder brug :")->x();
    const int met = kop("Met brug :")->x();
    EXPECT_LT(zonder, met);
    for (int i = 0; i < 10; ++i) {
        const QCheckBox* vakje = Vakje(venster, "chkOefening", i);
        EXPECT_EQ(vakje->x(), i < 8 ? zonder : met) << i;
        if (i != 0 && i != 8) {
            EXPECT_GT(vakje->y(), Vakje(venster, "chkOefening", i - 1)->y()) << i;
        }
    }
}

// At the window's own size every caption shows in full and nothing overlaps, on every page.
TEST_F(DrillTest, AllesPastBinnenHetVenster)
{
    for (const Drill& drill : Drills()) {
        SCOPED_TRACE(drill.naam);
        const auto venster = drill.maak(dialogen);
        Start(*venster, drill.vakjes, {drill.aantalVakjes - 1}, 3);
        for (int pagina : {1, 2, 0}) {
            klikTab(*venster, pagina);
            QApplication::processEvents();
            EXPECT_EQ(venster->size(), PixelsGrootte(7000, 5000));
            EXPECT_EQ(botsingen(*venster), QStringList()) << pagina;
        }
    }
}

TEST_F(DrillTest, GeldigeInstellingenOfEenMelding)
{
    struct Geval
    {
        bool aangevinkt;
        const char* aantal;
        const char* melding; // empty: the series starts
        int lengte = 0;
    };
    const std::vector<Geval> gevallen {
        {false, "20", "Kies minstens 1 soort oefeningen !"},
        {false, "0", "Kies minstens 1 soort oefeningen !"},
        {true, "0", "Kies een degelijk aantal oefeningen !"},
        {true, "101", "Kies een degelijk aantal oefeningen !"},
        {true, "", "Kies een degelijk aantal oefeningen !"},
        {true, "veel", "Kies een degelijk aantal oefeningen !"},
        {true, "-5", "Kies een degelijk aantal oefeningen !"},
        {true, "70000", "Kies een degelijk aantal oefeningen !"},
        {true, "100.6", "Kies een degelijk aantal oefeningen !"},
        {true, "100", "", 100},
        {true, "0.6", "", 1},
    };
    for (const Geval& geval : gevallen) {
        SCOPED_TRACE(geval.aantal);
        NepDialogen meldingen;
        frmHonderd venster(meldingen);
        venster.show();
        Vakje(venster, "chkSoort", 2)->setChecked(geval.aangevinkt);
        vind<QLineEdit>(venster, "txtAantal")->setText(QString::fromUtf8(geval.aantal));
        klikTab(venster, 1);
        if (*geval.melding) {
            ASSERT_EQ(meldingen.meldingen().size(), 1U);
            EXPECT_EQ(meldingen.laatste().prompt, QString::fromUtf8(geval.melding));
            EXPECT_EQ(meldingen.laatste().titel, ProgrammaTitel());
            EXPECT_EQ(meldingen.laatste().knoppen, Knoppen::Ok);
            EXPECT_EQ(meldingen.laatste().icoon, Icoon::Geen);
            EXPECT_EQ(paginaVoor(venster), 0);
            EXPECT_EQ(tekst(venster, "lblAantal"), "");
        } else {
            EXPECT_TRUE(meldingen.meldingen().empty());
            EXPECT_EQ(paginaVoor(venster), 1);
            EXPECT_EQ(tekst(venster, "lblAantal"), QStringLiteral("nog %1 oefeningen").arg(geval.lengte));
        }
    }
}

TEST_F(DrillTest, HonderdKeerTPlusETotTwintig)
{
    frmTwintig venster(dialogen);
    Start(venster, "chkOefening", {0}, 100);
    std::vector<QString> sommen;
    for (int n = 100; n >= 1; --n) {
        ASSERT_EQ(tekst(venster, "lblAantal"), QStringLiteral("nog %1 oefeningen").arg(n));
        sommen.push_back(Som(venster));
        ASSERT_TRUE(sommen.back().startsWith("10+")) << sommen.back().toStdString();
        antwoord(venster, QString::number(Juist(venster)));
    }
    // Only nine exercises exist: all of them first, then repeats.
    EXPECT_EQ(std::set<QString>(sommen.begin(), sommen.begin() + 9).size(), 9U);
    EXPECT_EQ(std::set<QString>(sommen.begin(), sommen.end()).size(), 9U);
    ASSERT_EQ(dialogen.meldingen().size(), 1U);
    EXPECT_EQ(dialogen.laatste().prompt, "Alle oefeningen zijn gemaakt.\r\nJe haalde 100 op 100\r\n\r\nNog eens ?");
    EXPECT_EQ(dialogen.laatste().titel, "opnieuw ?");
    EXPECT_EQ(tekst(venster, "lblResultaat"), "Resultaat : 100 op 100");
    EXPECT_EQ(tekst(venster, "lblUitslag"), "Klaar !");
}

TEST_F(DrillTest, FoutAntwoordToontDeOefeningMetHaarUitkomst)
{
    frmHonderd venster(dialogen);
    Start(venster, "chkSoort", {10}, 3);
    const QString som = Som(venster);
    const std::int64_t juist = Juist(venster);
    antwoord(venster, QString::number(juist + 1));
    EXPECT_EQ(tekst(venster, "lblUitslag"), som + "=" + QString::number(juist));
    EXPECT_EQ(achtergrond(venster, "lblUitslag"), QColor(255, 0, 0));
    EXPECT_EQ(tekst(venster, "lblResultaat"), "Resultaat : 0 op 1");
    EXPECT_EQ(tekst(venster, "lblAantal"), "nog 2 oefeningen");
    antwoord(venster, QString::number(Juist(venster)) + " dus");
    EXPECT_EQ(tekst(venster, "lblUitslag"), "Goed zo !");
    EXPECT_EQ(achtergrond(venster, "lblUitslag"), QColor(0, 255, 0));
    EXPECT_EQ(tekst(venster, "lblResultaat"), "Resultaat : 1 op 2");
}

TEST_F(DrillTest, SoortOpTweeVakjesKomtTweeKeerZoVaak)
{
    frmHonderd venster(dialogen);
    // Boxes 4 and 14 give "TE-E=T" (a subtraction), box 0 "T+T".
    Start(venster, "chkSoort", {0, 4, 14}, 100);
    int aftrekkingen = 0;
    constexpr int Reeksen = 10;
    for (int reeks = 0; reeks < Reeksen; ++reeks) {
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

TEST_F(DrillTest, SetupEnHelpBeginnenEenNieuweReeks)
{
    for (int tab : {0, 2}) {
        SCOPED_TRACE(tab);
        frmTwintig venster(dialogen);
        Start(venster, "chkOefening", {0}, 9);
        std::set<QString> eerste;
        for (int i = 0; i < 8; ++i) {
            eerste.insert(Som(venster));
            antwoord(venster, QString::number(Juist(venster)));
        }
        eerste.insert(Som(venster));
        EXPECT_EQ(eerste.size(), 9U);
        // Abandoned with the last exercise on screen: all nine have been shown.
        klikTab(venster, tab);
        EXPECT_EQ(paginaVoor(venster), tab);
        EXPECT_EQ(tekst(venster, "lblResultaat"), "Resultaat : 0 op 0");
        EXPECT_EQ(tekst(venster, "lblUitslag"), "Nieuwe reeks");
        EXPECT_EQ(achtergrond(venster, "lblUitslag"), QColor(0, 0, 255));
        // The exercises shown are forgotten: a second series of nine shows all nine again.
        klikTab(venster, 1);
        std::set<QString> tweede;
        for (int i = 0; i < 9; ++i) {
            tweede.insert(Som(venster));
            antwoord(venster, "0");
        }
        EXPECT_EQ(tweede.size(), 9U);
    }
}

TEST_F(DrillTest, EenNieuweStartNultDeTellersEnVermijdtDeVorigeOefeningen)
{
    frmTwintig venster(dialogen);
    Start(venster, "chkOefening", {0}, 5);
    std::set<QString> getoond;
    for (int i = 0; i < 4; ++i) {
        getoond.insert(Som(venster));
        antwoord(venster, QString::number(Juist(venster)));
    }
    getoond.insert(Som(venster));
    EXPECT_EQ(tekst(venster, "lblResultaat"), "Resultaat : 4 op 4");
    klikTab(venster, 1);
    EXPECT_EQ(getoond.count(Som(venster)), 0U);
    antwoord(venster, QString::number(Juist(venster)));
    EXPECT_EQ(tekst(venster, "lblResultaat"), "Resultaat : 1 op 1");
}

TEST_F(DrillTest, HetOpenenZaaitHetToevalOpnieuw)
{
    ZaaiToeval(5);
    const double eerste = Rnd();
    ZaaiToeval(5);
    frmDuizend venster(dialogen);
    EXPECT_NE(Rnd(), eerste);
}

} // namespace
