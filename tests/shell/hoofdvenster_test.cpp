#include "geluid.h"
#include "hoofdvenster.h"
#include "meldvenster.h"
#include "nepdialogen.h"
#include "toeval.h"
#include "werkmap.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QMenuBar>
#include <QToolBar>
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

QAction* Menuitem(const Hoofdvenster& venster, const QString& naam)
{
    return venster.menuBar()->findChild<QAction*>(naam);
}

QAction* Knop(const Hoofdvenster& venster, const QString& sleutel)
{
    return venster.findChild<QToolBar*>(u"Toolbar1"_s)->findChild<QAction*>(sleutel);
}

class HoofdvensterTest : public ::testing::Test
{
protected:
    void SetUp() override { ZaaiToeval(21); }

    Werkmap map;
    NepDialogen dialogen;
    QStringList gesloten;
};

} // namespace

// Each item opens its window as the only module, and its button does exactly the same; the modules
// that exist open their own window. An unknown key does nothing.
TEST_F(HoofdvensterTest, ElkeKnopDoetWatZijnMenuitemDoet)
{
    const QStringList bestaand {u"frmHoofdrekenen"_s, u"frmMaalDeel"_s, u"frmTwintig"_s, u"frmHonderd"_s,
        u"frmDuizend"_s, u"frmTienduizend"_s, u"frmHonderdduizend"_s, u"frmPrinten"_s};
    Hoofdvenster venster(dialogen, MetStandins(gesloten));
    venster.show();
    for (const Item& item : items) {
        if (item.knop.isEmpty())
            continue;
        SCOPED_TRACE(item.menu.toStdString());
        for (QAction* actie : {Menuitem(venster, item.menu), Knop(venster, item.knop)}) {
            const QMdiSubWindow* vorige = venster.werkruimte().activeSubWindow();
            actie->trigger();
            const QMdiSubWindow* actief = venster.werkruimte().activeSubWindow();
            ASSERT_NE(actief, nullptr);
            EXPECT_NE(actief, vorige);
            EXPECT_EQ(OpenVensters(venster.werkruimte()), QStringList {item.venster});
            if (bestaand.contains(item.venster)) {
                EXPECT_EQ(actief->widget()->metaObject()->className(), item.venster);
            }
        }
    }
    Menuitem(venster, u"chrono"_s)->trigger();
    Menuitem(venster, u"over"_s)->trigger();
    for (const QString& sleutel : {u""_s, u"onbekend"_s, u"vierbewerkingen"_s, u"hoofdrekenen"_s, u"AFSLUITEN"_s})
        venster.Toolbar1_ButtonClick(sleutel);
    EXPECT_EQ(OpenVensters(venster.werkruimte()), (QStringList {u"frmAbout"_s, u"frmChrono"_s, u"frmHelp"_s}));
    EXPECT_TRUE(dialogen.meldingen().empty());
    venster.Toolbar1_ButtonClick(u"Tafels"_s);
    EXPECT_EQ(OpenVensters(venster.werkruimte()), (QStringList {u"frmAbout"_s, u"frmChrono"_s, u"frmMaalDeel"_s}));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(venster.werkruimte().subWindowList().size(), 3);
}

// An item without a window is disabled, and so is its button; pressing either does nothing.
TEST_F(HoofdvensterTest, ItemZonderVensterIsUitgeschakeld)
{
    Modulevensters vensters = MetStandins(gesloten);
    vensters[u"twintig"_s].maak = nullptr;
    vensters[u"chrono"_s].maak = nullptr;
    Hoofdvenster venster(dialogen, vensters);
    for (const Item& item : items) {
        const bool aan = item.menu != u"twintig"_s && item.menu != u"chrono"_s;
        EXPECT_EQ(Menuitem(venster, item.menu)->isEnabled(), aan) << item.menu.toStdString();
        if (!item.knop.isEmpty()) {
            EXPECT_EQ(Knop(venster, item.knop)->isEnabled(), aan) << item.menu.toStdString();
        }
    }
    venster.Toolbar1_ButtonClick(u"twintig"_s);
    Menuitem(venster, u"twintig"_s)->trigger();
    Menuitem(venster, u"chrono"_s)->trigger();
    EXPECT_EQ(OpenVensters(venster.werkruimte()), QStringList());
}

TEST_F(HoofdvensterTest, AfsluitenVraagtBevestiging)
{
    for (const bool viaKnop : {false, true}) {
        for (const Antwoord keuze : {Antwoord::Ja, Antwoord::Nee}) {
            SCOPED_TRACE(viaKnop ? "knop" : "menu");
            SCOPED_TRACE(keuze == Antwoord::Ja ? "Ja" : "Nee");
            NepDialogen antwoorden;
            Hoofdvenster venster(antwoorden, MetStandins(gesloten));
            venster.show();
            Menuitem(venster, u"puzzel"_s)->trigger();
            antwoorden.antwoord(keuze);
            (viaKnop ? Knop(venster, u"afsluiten"_s) : Menuitem(venster, u"afsluiten"_s))->trigger();
            ASSERT_EQ(antwoorden.meldingen().size(), 1u);
            EXPECT_EQ(antwoorden.laatste().prompt, u"Bent u zeker dat u wilt afsluiten ?"_s);
            EXPECT_EQ(antwoorden.laatste().titel, u"Afsluiten ?"_s);
            EXPECT_EQ(antwoorden.laatste().knoppen, Knoppen::JaNee);
            EXPECT_EQ(antwoorden.laatste().icoon, Icoon::Informatie);
            EXPECT_EQ(venster.isVisible(), keuze == Antwoord::Nee);
            EXPECT_EQ(OpenVensters(venster.werkruimte()),
                keuze == Antwoord::Ja ? QStringList() : QStringList {u"frmPuzzel"_s});
        }
    }
}

// The sounds load at start-up; a missing sound folder leaves every sound empty and stops nothing.
TEST_F(HoofdvensterTest, LaadtDeGeluidenBijHetStarten)
{
    QDir().mkpath(u"sound"_s);
    Werkmap::Schrijf(u"sound/fout10.wav"_s, "fout");
    const Hoofdvenster met(dialogen);
    EXPECT_EQ(Geluid(20), "fout");
    QDir(u"sound"_s).removeRecursively();
    const Hoofdvenster zonder(dialogen);
    for (int slot = 1; slot <= 20; ++slot)
        EXPECT_TRUE(Geluid(slot).isEmpty()) << slot;
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
