#include "geluid.h"
#include "hoofdvenster.h"
#include "meldvenster.h"
#include "nepdialogen.h"
#include "toeval.h"
#include "werkmap.h"

#include <QCoreApplication>
#include <QScreen>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <QWindow>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct Item
{
    QString menu;
    QString knop; // empty: no toolbar button
    QString venster;
};

// Chronometer and Over come last: they open beside the module instead of replacing it.
const std::vector<Item> items {
    {u"gbordenen"_s, u"GBOrdenen"_s, u"frmGBOrdenen"_s},
    {u"gbherkennen"_s, u"GBHerkennen"_s, u"frmGBHerkennen"_s},
    {u"gbvissen"_s, u"GBVissen"_s, u"frmGBVissen"_s},
    {u"grordenen"_s, u"GROrdenen"_s, u"frmGROrdenen"_s},
    {u"graanvullen"_s, u"GRAanvullen"_s, u"frmGRAanvullen"_s},
    {u"splitsen"_s, u"Splitsen"_s, u"frmSplitsen"_s},
    {u"vierbewerkingen"_s, u"Hoofdrekenen"_s, u"frmHoofdrekenen"_s},
    {u"maaldeel"_s, u"Tafels"_s, u"frmMaalDeel"_s},
    {u"twintig"_s, u"twintig"_s, u"frmTwintig"_s},
    {u"honderd"_s, u"honderd"_s, u"frmHonderd"_s},
    {u"duizend"_s, u"duizend"_s, u"frmDuizend"_s},
    {u"tienduizend"_s, u"tienduizend"_s, u"frmTienduizend"_s},
    {u"honderdduizend"_s, u"honderdduizend"_s, u"frmHonderdduizend"_s},
    {u"puzzel"_s, u"puzzel"_s, u"frmPuzzel"_s},
    {u"race"_s, u"race"_s, u"frmRekenrace"_s},
    {u"oefenbladen"_s, u"printen"_s, u"frmPrinten"_s},
    {u"toets"_s, u"test"_s, u"frmTest"_s},
    {u"algemeen"_s, u"help"_s, u"frmHelp"_s},
    {u"chrono"_s, {}, u"frmChrono"_s},
    {u"over"_s, {}, u"frmAbout"_s},
};

// The standard table, with a stand-in for every window that does not exist yet.
Modulevensters MetStandins(QStringList& gesloten)
{
    Modulevensters vensters = StandaardModulevensters();
    for (const Item& item : items) {
        Vensterfabriek& maak = vensters.at(item.menu).maak;
        if (!maak)
            maak
                = [&gesloten, naam = item.venster](Dialogen&) { return std::make_unique<Meldvenster>(naam, gesloten); };
    }
    return vensters;
}

QAction* Actie(const Hoofdvenster& venster, const QString& naam)
{
    return venster.findChild<QAction*>(naam);
}

QToolBar* Werkbalk(const Hoofdvenster& venster)
{
    return venster.findChild<QToolBar*>(u"Toolbar1"_s);
}

// The button the toolbar made for the menu item's action.
QToolButton* Knop(const Hoofdvenster& venster, const QString& menu)
{
    return qobject_cast<QToolButton*>(Werkbalk(venster)->widgetForAction(Actie(venster, menu)));
}

class HoofdvensterTest : public ::testing::Test
{
protected:
    Werkmap map;
    NepDialogen dialogen;
    QStringList gesloten;
};

} // namespace

// A click on each button opens the same window as its menu item, each time as the only module:
// the window opened before is closed first. The stopwatch and the About box open beside the
// module, and the next module closes only the module.
TEST_F(HoofdvensterTest, ElkeKnopDoetWatZijnMenuitemDoet)
{
    Modulevensters vensters = MetStandins(gesloten);
    vensters.at(u"algemeen"_s).maak
        = [this](Dialogen&) { return std::make_unique<Meldvenster>(u"frmHelp"_s, gesloten); };
    Hoofdvenster venster(dialogen, vensters);
    venster.show();
    ZaaiToeval(21);
    for (const Item& item : items) {
        if (item.knop.isEmpty())
            continue;
        SCOPED_TRACE(item.menu.toStdString());
        QToolButton* knop = Knop(venster, item.menu);
        ASSERT_NE(knop, nullptr);
        EXPECT_EQ(knop->objectName(), item.knop);
        EXPECT_FALSE(knop->toolTip().isEmpty());
        EXPECT_EQ(knop->accessibleName(), knop->toolTip());
        EXPECT_FALSE(knop->icon().isNull());
        for (const bool viaKnop : {true, false}) {
            const QMdiSubWindow* vorige = venster.werkruimte().activeSubWindow();
            if (viaKnop)
                QTest::mouseClick(knop, Qt::LeftButton);
            else
                Actie(venster, item.menu)->trigger();
            const QMdiSubWindow* actief = venster.werkruimte().activeSubWindow();
            ASSERT_NE(actief, nullptr);
            EXPECT_NE(actief, vorige);
            EXPECT_EQ(OpenVensters(venster.werkruimte()), QStringList {item.venster});
        }
    }
    QStringList indeling;
    for (QAction* actie : Werkbalk(venster)->actions())
        indeling << (actie->isSeparator() ? u"|"_s : Werkbalk(venster)->widgetForAction(actie)->objectName());
    EXPECT_EQ(indeling.join(u' ').toStdString(),
        "GBHerkennen GBOrdenen GBVissen | GROrdenen GRAanvullen | Splitsen | Hoofdrekenen Tafels | twintig honderd "
        "duizend tienduizend honderdduizend | puzzel race printen test | help afsluiten");
    gesloten.clear();
    Actie(venster, u"chrono"_s)->trigger();
    Actie(venster, u"over"_s)->trigger();
    EXPECT_EQ(OpenVensters(venster.werkruimte()), (QStringList {u"frmAbout"_s, u"frmChrono"_s, u"frmHelp"_s}));
    QTest::mouseClick(Knop(venster, u"puzzel"_s), Qt::LeftButton);
    EXPECT_EQ(OpenVensters(venster.werkruimte()), (QStringList {u"frmAbout"_s, u"frmChrono"_s, u"frmPuzzel"_s}));
    EXPECT_EQ(gesloten, QStringList {u"frmHelp"_s});
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(venster.werkruimte().subWindowList().size(), 3) << "the frames of the closed windows are left";
    EXPECT_TRUE(dialogen.meldingen().empty());
}

// An item without a window is disabled, and so is its button, which is the same action: clicking
// either does nothing. A button follows its action's changes and keeps its icon.
TEST_F(HoofdvensterTest, ItemZonderVensterIsUitgeschakeld)
{
    Modulevensters vensters = MetStandins(gesloten);
    vensters[u"twintig"_s].maak = nullptr;
    vensters[u"chrono"_s].maak = nullptr;
    Hoofdvenster venster(dialogen, vensters);
    venster.show();
    for (const Item& item : items) {
        const bool aan = item.menu != u"twintig"_s && item.menu != u"chrono"_s;
        EXPECT_EQ(Actie(venster, item.menu)->isEnabled(), aan) << item.menu.toStdString();
        if (!item.knop.isEmpty()) {
            EXPECT_EQ(Knop(venster, item.menu)->isEnabled(), aan) << item.menu.toStdString();
        }
    }
    QTest::mouseClick(Knop(venster, u"twintig"_s), Qt::LeftButton);
    Actie(venster, u"twintig"_s)->trigger();
    Actie(venster, u"chrono"_s)->trigger();
    EXPECT_EQ(OpenVensters(venster.werkruimte()), QStringList());
    Actie(venster, u"twintig"_s)->setEnabled(true);
    EXPECT_TRUE(Knop(venster, u"twintig"_s)->isEnabled());
    EXPECT_FALSE(Knop(venster, u"twintig"_s)->icon().isNull());
}

// "Afsluiten" (menu or button) asks first and closes only on Ja; the window's own close button
// asks nothing. The open module closes with the main window.
TEST_F(HoofdvensterTest, AfsluitenVraagtDeSluitknopNiet)
{
    enum class Manier { Menu, Knop, Sluitknop };
    struct Geval
    {
        const char* naam;
        Manier manier;
        Antwoord antwoord;
        bool dicht;
    };
    const Geval gevallen[] = {
        {"menu, Ja", Manier::Menu, Antwoord::Ja, true},
        {"menu, Nee", Manier::Menu, Antwoord::Nee, false},
        {"knop, Ja", Manier::Knop, Antwoord::Ja, true},
        {"knop, Nee", Manier::Knop, Antwoord::Nee, false},
        {"sluitknop", Manier::Sluitknop, Antwoord::Nee, true},
    };
    for (const Geval& geval : gevallen) {
        SCOPED_TRACE(geval.naam);
        NepDialogen antwoorden;
        QStringList dicht;
        // A stand-in notes its closing; the puzzle is a real window by now.
        Modulevensters vensters = MetStandins(dicht);
        vensters.at(u"puzzel"_s).maak
            = [&dicht](Dialogen&) { return std::make_unique<Meldvenster>(u"frmPuzzel"_s, dicht); };
        Hoofdvenster venster(antwoorden, std::move(vensters));
        venster.show();
        Actie(venster, u"puzzel"_s)->trigger();
        if (geval.manier == Manier::Sluitknop) {
            venster.windowHandle()->close();
            EXPECT_TRUE(antwoorden.meldingen().empty());
        } else {
            antwoorden.antwoord(geval.antwoord);
            if (geval.manier == Manier::Knop)
                QTest::mouseClick(Knop(venster, u"afsluiten"_s), Qt::LeftButton);
            else
                Actie(venster, u"afsluiten"_s)->trigger();
            ASSERT_EQ(antwoorden.meldingen().size(), 1u);
            EXPECT_EQ(antwoorden.laatste().prompt, u"Bent u zeker dat u wilt afsluiten ?"_s);
            EXPECT_EQ(antwoorden.laatste().titel, u"Afsluiten ?"_s);
            EXPECT_EQ(antwoorden.laatste().knoppen, Knoppen::JaNee);
            EXPECT_EQ(antwoorden.laatste().icoon, Icoon::Informatie);
        }
        EXPECT_EQ(venster.isVisible(), !geval.dicht);
        EXPECT_EQ(dicht, geval.dicht ? QStringList {u"frmPuzzel"_s} : QStringList());
    }
}

// The sounds load at start-up; a missing sound folder leaves every sound empty and stops nothing.
TEST_F(HoofdvensterTest, LaadtDeGeluidenBijHetStarten)
{
    QDir().mkpath(u"sound"_s);
    // A WAV of four samples: 16-bit mono at 22,050 Hz.
    Werkmap::Schrijf(u"sound/fout10.wav"_s,
        QByteArray::fromHex("524946462c00000057415645666d7420100000000100010022560000"
                            "44ac00000200100064617461080000000010002000300040"));
    const Hoofdvenster met(dialogen);
    EXPECT_EQ(Geluid(20).frames, 4);
    QDir(u"sound"_s).removeRecursively();
    const Hoofdvenster zonder(dialogen);
    for (int slot = 1; slot <= 20; ++slot)
        EXPECT_EQ(Geluid(slot).frames, 0) << slot;
    EXPECT_TRUE(dialogen.meldingen().empty());
}

// The caption as the window system shows it, whatever characters the program's name holds.
TEST(Bijschrift, NaamVanHetProgrammaMetVersie)
{
    const std::pair<QString, QString> gevallen[] = {
        {u"/usr/local/bin/tallora"_s, u"tallora 2.1 Revisie : 0"_s},
        {u"/opt/tallora.bin"_s, u"tallora 2.1 Revisie : 0"_s},
        {u"/opt/reken.v2.exe"_s, u"reken.v2 2.1 Revisie : 0"_s},
        {u"/opt/les%2groep%1"_s, u"les%2groep%1 2.1 Revisie : 0"_s},
        {u"/opt/rek[*]en"_s, u"rek[*]en 2.1 Revisie : 0"_s},
    };
    for (const auto& [programma, bijschrift] : gevallen) {
        QWidget venster;
        venster.setWindowTitle(Bijschrift(programma));
        venster.show();
        EXPECT_EQ(venster.windowHandle()->title().toStdString(), bijschrift.toStdString());
    }
}

// On a screen of 800 pixels (a small laptop, or a larger one at 200 %) the main window stays on the screen and every
// toolbar button, afsluiten the last, is in sight.
TEST(Hoofdvenster, PastOpEenSmalScherm)
{
    NepDialogen dialogen;
    Hoofdvenster hoofd(dialogen);
    hoofd.show();
    const QRect scherm = hoofd.screen()->availableGeometry();
    ASSERT_LE(scherm.width(), 800) << "the offscreen screen is expected to be small";
    EXPECT_LE(hoofd.width(), scherm.width());
    auto* balk = hoofd.findChild<QToolBar*>("Toolbar1");
    for (QAction* actie : balk->actions()) {
        if (!actie->isSeparator()) {
            EXPECT_TRUE(balk->rect().contains(balk->widgetForAction(actie)->geometry()))
                << actie->objectName().toStdString();
        }
    }
}
