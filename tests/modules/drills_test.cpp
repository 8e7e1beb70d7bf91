#include "drills/frmdrill.h"
#include "hoofdrekenen/frmhoofdrekenen.h"
#include "maaldeel/frmmaaldeel.h"

#include "nepdialogen.h"
#include "plaatswaarde.h"
#include "toeval.h"
#include "twips.h"
#include "widgets.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QRadioButton>

#include <algorithm>
#include <memory>
#include <set>
#include <tuple>

namespace {

struct Drill
{
    const char* naam;
    std::unique_ptr<QWidget> (*maak)(Dialogen&);
    const char* titel;
    const char* vakjes;
    int aantalVakjes;
    const std::vector<std::string>& (*soorten)();
};

template<class Venster> std::unique_ptr<QWidget> Maak(Dialogen& dialogen)
{
    return std::make_unique<Venster>(dialogen);
}

const std::vector<Drill> drills {
    {"frmTwintig", Maak<frmTwintig>, "Tellen tot 20", "chkOefening", 10, SoortenTwintig},
    {"frmHonderd", Maak<frmHonderd>, "Tellen tot honderd", "chkSoort", 27, SoortenHonderd},
    {"frmDuizend", Maak<frmDuizend>, "Tellen tot duizend", "chkSoort", 35, SoortenDuizend},
    {"frmTienduizend", Maak<frmTienduizend>, "Tellen tot tienduizend", "chkSoortTD", 28, SoortenTienduizend},
    {"frmHonderdduizend", Maak<frmHonderdduizend>, "Tellen tot 100.000", "chkSoort", 7, SoortenHonderdduizend},
};

QCheckBox* Vakje(const QWidget& venster, const char* vakjes, int index)
{
    return vind<QCheckBox>(venster, QStringLiteral("%1(%2)").arg(QString::fromUtf8(vakjes)).arg(index));
}

// The exercise on screen as the drills write it ("47-7"), and its right answer.
QString Som(const QWidget& venster)
{
    return tekst(venster, "lblLinks") + tekst(venster, "lblBewerking") + tekst(venster, "lblRechts");
}

QString Juist(const QWidget& venster)
{
    const std::int64_t links = tekst(venster, "lblLinks").toLongLong();
    const std::int64_t rechts = tekst(venster, "lblRechts").toLongLong();
    return QString::number(tekst(venster, "lblBewerking") == "+" ? links + rechts : links - rechts);
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
    for (const Drill& drill : drills) {
        SCOPED_TRACE(drill.naam);
        const auto venster = drill.maak(dialogen);
        EXPECT_EQ(venster->objectName(), drill.naam);
        EXPECT_EQ(venster->windowTitle(), drill.titel);
        EXPECT_EQ(venster->findChildren<QCheckBox*>().size(), drill.aantalVakjes);
        for (int i = 0; i < drill.aantalVakjes; ++i) {
            const QString soort = Vakje(*venster, drill.vakjes, i)->text();
            EXPECT_EQ(std::ranges::count(drill.soorten(), soort.toStdString()), 1) << soort.toStdString();
        }
    }
}

TEST_F(DrillTest, GeldigeInstellingenOfEenMelding)
{
    const QString geenSoort = "Kies minstens 1 soort oefeningen !";
    const QString aantalFout = "Kies een degelijk aantal oefeningen !";
    const std::vector<std::tuple<bool, QString, QString>> gevallen {
        {false, "0", geenSoort},
        {true, "0", aantalFout},
        {true, "101", aantalFout},
        {true, "veel", aantalFout},
        {true, "70000", aantalFout},
        {true, "100.6", aantalFout},
        {true, "100", "nog 100 oefeningen"},
        {true, "0.6", "nog 1 oefeningen"},
    };
    for (const auto& [aangevinkt, aantal, verwacht] : gevallen) {
        SCOPED_TRACE(aantal.toStdString());
        NepDialogen meldingen;
        frmHonderd venster(meldingen);
        venster.show();
        Vakje(venster, "chkSoort", 2)->setChecked(aangevinkt);
        vind<QLineEdit>(venster, "txtAantal")->setText(aantal);
        klikTab(venster, 1);
        const bool start = verwacht.startsWith("nog");
        EXPECT_EQ(paginaVoor(venster), start ? 1 : 0);
        EXPECT_EQ(tekst(venster, "lblAantal"), start ? verwacht : "");
        ASSERT_EQ(meldingen.meldingen().size(), start ? 0U : 1U);
        if (!start) {
            EXPECT_EQ(meldingen.laatste().prompt, verwacht);
            EXPECT_EQ(meldingen.laatste().titel, ProgrammaTitel());
        }
    }
}

// Only nine "T+E" exercises exist up to 20: all nine come before any of them repeats. A wrong answer
// shows the exercise with its result ("10+3=13").
TEST_F(DrillTest, HonderdKeerTPlusETotTwintig)
{
    frmTwintig venster(dialogen);
    Start(venster, "chkOefening", {0}, 100);
    std::vector<QString> sommen;
    for (int n = 100; n >= 1; --n) {
        ASSERT_EQ(tekst(venster, "lblAantal"), QStringLiteral("nog %1 oefeningen").arg(n));
        sommen.push_back(Som(venster));
        ASSERT_TRUE(sommen.back().startsWith("10+")) << sommen.back().toStdString();
        const QString juist = Juist(venster);
        antwoord(venster, n % 10 ? juist : juist + "1");
        if (n > 1) {
            EXPECT_EQ(tekst(venster, "lblUitslag"), n % 10 ? "Goed zo !" : sommen.back() + "=" + juist);
        }
    }
    EXPECT_EQ(std::set<QString>(sommen.begin(), sommen.begin() + 9).size(), 9U);
    EXPECT_EQ(std::set<QString>(sommen.begin(), sommen.end()).size(), 9U);
    EXPECT_EQ(dialogen.laatste().prompt, "Alle oefeningen zijn gemaakt.\r\nJe haalde 90 op 100\r\n\r\nNog eens ?");
    EXPECT_EQ(dialogen.laatste().titel, "opnieuw ?");
}

TEST_F(DrillTest, SoortOpTweeVakjesKomtTweeKeerZoVaak)
{
    frmHonderd venster(dialogen);
    // Boxes 4 and 14 give "TE-E=T" (a subtraction), box 0 "T+T".
    Start(venster, "chkSoort", {0, 4, 14}, 100);
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

// Setup and Help end the series and forget its exercises: a new series of nine shows all nine again.
TEST_F(DrillTest, SetupEnHelpBeginnenEenNieuweReeks)
{
    for (int tab : {0, 2}) {
        SCOPED_TRACE(tab);
        frmTwintig venster(dialogen);
        Start(venster, "chkOefening", {0}, 9);
        for (int i = 0; i < 8; ++i)
            antwoord(venster, Juist(venster));
        klikTab(venster, tab);
        EXPECT_EQ(paginaVoor(venster), tab);
        EXPECT_EQ(tekst(venster, "lblResultaat"), "Resultaat : 0 op 0");
        EXPECT_EQ(tekst(venster, "lblUitslag"), "Nieuwe reeks");
        klikTab(venster, 1);
        std::set<QString> tweede;
        for (int i = 0; i < 9; ++i) {
            tweede.insert(Som(venster));
            antwoord(venster, "0");
        }
        EXPECT_EQ(tweede.size(), 9U);
    }
}

// Every module window at its own size with a series running: on no page does anything overlap,
// stick out or get squeezed.
TEST_F(DrillTest, ElkModulevensterPastInZijnGrootte)
{
    std::vector<std::unique_ptr<QWidget>> vensters;
    for (const Drill& drill : drills)
        Start(*vensters.emplace_back(drill.maak(dialogen)), drill.vakjes, {drill.aantalVakjes - 1}, 3);
    auto& rekenen = *vensters.emplace_back(std::make_unique<frmHoofdrekenen>(dialogen));
    vind<QLineEdit>(rekenen, "txtMax")->setText("99999");
    vind<QRadioButton>(rekenen, "optBewerking(6)")->click();
    rekenen.show();
    klikTab(rekenen, 1);
    auto& tafels = *vensters.emplace_back(std::make_unique<frmMaalDeel>(dialogen));
    vind<QRadioButton>(tafels, "optMaal(2)")->click();
    Start(tafels, "optTafel", {9}, 32767);
    for (const auto& venster : vensters) {
        SCOPED_TRACE(venster->objectName().toStdString());
        antwoord(*venster, "0");
        for (int pagina : {1, 2, 0}) {
            klikTab(*venster, pagina);
            QApplication::processEvents();
            EXPECT_EQ(venster->size(), PixelsGrootte(7000, 5000));
            EXPECT_EQ(botsingen(*venster), QStringList()) << pagina;
        }
    }
}

} // namespace
