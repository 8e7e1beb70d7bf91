#include "geluid.h"
#include "hoofdrekenen/frmhoofdrekenen.h"
#include "mdiform1.h"
#include "meldvenster.h"
#include "nepdialogen.h"
#include "toeval.h"
#include "werkmap.h"

#include <QCoreApplication>
#include <QImage>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct Item
{
    QString menu;
    QString knop; // empty: no toolbar button
    QString venster;
};

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

// The standard table with a stand-in window behind every item.
Modulevensters Standins(QStringList& gesloten)
{
    Modulevensters vensters = StandaardModulevensters();
    for (const Item& item : items) {
        EXPECT_EQ(vensters.count(item.menu), 1u) << item.menu.toStdString();
        vensters[item.menu].maak
            = [&gesloten, naam = item.venster](Dialogen&) { return Meldvenster::Maak(naam, gesloten); };
    }
    return vensters;
}

QAction* Menuitem(const MDIForm1& venster, const QString& naam)
{
    return venster.menuBar()->findChild<QAction*>(naam);
}

QAction* Knop(const MDIForm1& venster, const QString& sleutel)
{
    return venster.findChild<QToolBar*>(u"Toolbar1"_s)->findChild<QAction*>(sleutel);
}

QStringList Open(const MDIForm1& venster)
{
    QStringList namen;
    for (const QMdiSubWindow* sub : venster.werkruimte().subWindowList()) {
        if (!sub->isHidden())
            namen.append(sub->widget()->objectName());
    }
    namen.sort();
    return namen;
}

// The menu bar as "name:caption[line,...]" per menu; separators read "name:-".
QString Beschrijving(const QMenuBar& balk)
{
    QStringList menus;
    for (const QAction* actie : balk.actions()) {
        if (!actie->menu()) {
            menus.append(actie->objectName() + u':' + actie->text());
            continue;
        }
        QStringList regels;
        for (const QAction* regel : actie->menu()->actions())
            regels.append(regel->objectName() + u':' + (regel->isSeparator() ? u"-"_s : regel->text()));
        menus.append(actie->menu()->objectName() + u':' + actie->text() + u'[' + regels.join(u',') + u']');
    }
    return menus.join(u' ');
}

bool HeeftKleur(const QIcon& icoon)
{
    const QImage beeld = icoon.pixmap(32, 32).toImage();
    for (int y = 0; y < beeld.height(); ++y) {
        for (int x = 0; x < beeld.width(); ++x) {
            if (qAlpha(beeld.pixel(x, y)) != 0)
                return true;
        }
    }
    return false;
}

class Hoofdvenster : public ::testing::Test
{
protected:
    void SetUp() override { ZaaiToeval(21); }

    Werkmap map;
    NepDialogen dialogen;
    QStringList gesloten;
};

} // namespace

TEST_F(Hoofdvenster, BijschriftEnGrootte)
{
    MDIForm1 venster(dialogen);
    venster.show();
    EXPECT_EQ(venster.windowTitle(), u"tallora_shell_tests 2.1 Revisie : 0"_s);
    EXPECT_GE(venster.width(), 601);
    EXPECT_EQ(venster.height() - venster.menuBar()->height(), 450);
    // Every button fits: no overflow arrow.
    EXPECT_FALSE(venster.findChild<QToolButton*>(u"qt_toolbar_ext_button"_s)->isVisible());
    EXPECT_FALSE(venster.windowIcon().isNull());
}

TEST_F(Hoofdvenster, Menubalk)
{
    MDIForm1 venster(dialogen);
    EXPECT_EQ(Beschrijving(*venster.menuBar()),
        u"getalbeelden:Getalbeelden[gbordenen:Ordenen,gbherkennen:Herkennen,gbvissen:Vissen] "
        "getallenrij:Getallenrij[grordenen:Ordenen,graanvullen:Aanvullen] splitsen:Splitsen "
        "hoofdrekenen:Hoofdrekenen[vierbewerkingen:De 4 bewerkingen,maaldeel:Maal- en deeltafels,tss1:-,"
        "twintig:Tot twintig,honderd:Tot honderd,duizend:Tot duizend,tienduizend:Tot tienduizend,"
        "honderdduizend:Tot honderdduizend] "
        "extra:Extra[puzzel:Puzzel,race:Rekenrace,oefenbladen:Oefenbladen,tss4:-,ToonWerkbalk:Werkbalk tonen,"
        "chrono:Chronometer] help:Help[algemeen:Algemeen,over:Over Tallora] afsluiten:Afsluiten"_s);
    EXPECT_TRUE(Menuitem(venster, u"ToonWerkbalk"_s)->isCheckable());
}

TEST_F(Hoofdvenster, WerkbalkKnoppenInGroepen)
{
    MDIForm1 venster(dialogen);
    auto* werkbalk = venster.findChild<QToolBar*>(u"Toolbar1"_s);
    EXPECT_EQ(werkbalk->toolButtonStyle(), Qt::ToolButtonIconOnly);
    QStringList knoppen;
    for (const QAction* knop : werkbalk->actions()) {
        knoppen.append(knop->isSeparator() ? u"|"_s : knop->objectName());
        if (knop->isSeparator())
            continue;
        SCOPED_TRACE(knop->objectName().toStdString());
        EXPECT_EQ(knop->data().toString(), knop->objectName());
        EXPECT_FALSE(knop->toolTip().isEmpty());
        EXPECT_TRUE(HeeftKleur(knop->icon()));
    }
    EXPECT_EQ(knoppen.join(u' '),
        u"GBHerkennen GBOrdenen GBVissen | GROrdenen GRAanvullen | Splitsen | Hoofdrekenen Tafels | "
        "twintig honderd duizend tienduizend honderdduizend | puzzel race printen | help afsluiten"_s);
}

// Each item opens its window as the only module; its button does the same.
TEST_F(Hoofdvenster, KnopDoetWatZijnMenuitemDoet)
{
    MDIForm1 venster(dialogen, Standins(gesloten));
    for (const Item& item : items) {
        if (item.knop.isEmpty())
            continue;
        SCOPED_TRACE(item.menu.toStdString());
        Menuitem(venster, item.menu)->trigger();
        EXPECT_EQ(Open(venster), QStringList {item.venster});
        gesloten.clear();
        Knop(venster, item.knop)->trigger();
        EXPECT_EQ(gesloten, QStringList {item.venster});
        EXPECT_EQ(Open(venster), QStringList {item.venster});
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    EXPECT_EQ(venster.werkruimte().subWindowList().size(), 1);
}

TEST_F(Hoofdvenster, OnbekendeSleutelDoetNiets)
{
    MDIForm1 venster(dialogen, Standins(gesloten));
    Menuitem(venster, u"vierbewerkingen"_s)->trigger();
    for (const QString& sleutel : {u""_s, u"onbekend"_s, u"vierbewerkingen"_s, u"hoofdrekenen"_s, u"AFSLUITEN"_s})
        venster.Toolbar1_ButtonClick(sleutel);
    EXPECT_EQ(Open(venster), QStringList {u"frmHoofdrekenen"_s});
    EXPECT_TRUE(gesloten.isEmpty());
    EXPECT_TRUE(dialogen.meldingen().empty());
}

TEST_F(Hoofdvenster, ChronoEnOverOpenenNaastDeModule)
{
    MDIForm1 venster(dialogen, Standins(gesloten));
    venster.Toolbar1_ButtonClick(u"Tafels"_s);
    Menuitem(venster, u"chrono"_s)->trigger();
    Menuitem(venster, u"over"_s)->trigger();
    EXPECT_EQ(Open(venster), (QStringList {u"frmAbout"_s, u"frmChrono"_s, u"frmMaalDeel"_s}));
    venster.Toolbar1_ButtonClick(u"honderd"_s);
    EXPECT_EQ(Open(venster), (QStringList {u"frmAbout"_s, u"frmChrono"_s, u"frmHonderd"_s}));
}

// An item without a window is disabled, and so is its button; pressing it does nothing.
TEST_F(Hoofdvenster, ItemZonderVensterIsUitgeschakeld)
{
    Modulevensters vensters = Standins(gesloten);
    for (auto& [menu, venster] : vensters) {
        if (menu != u"twintig"_s && menu != u"over"_s)
            venster.maak = nullptr;
    }
    MDIForm1 venster(dialogen, vensters);
    for (const Item& item : items) {
        SCOPED_TRACE(item.menu.toStdString());
        const bool aan = item.menu == u"twintig"_s || item.menu == u"over"_s;
        EXPECT_EQ(Menuitem(venster, item.menu)->isEnabled(), aan);
        if (!item.knop.isEmpty()) {
            EXPECT_EQ(Knop(venster, item.knop)->isEnabled(), aan);
            venster.Toolbar1_ButtonClick(item.knop);
        }
        Menuitem(venster, item.menu)->trigger();
    }
    EXPECT_EQ(Open(venster), (QStringList {u"frmAbout"_s, u"frmTwintig"_s}));
    EXPECT_TRUE(Menuitem(venster, u"ToonWerkbalk"_s)->isEnabled());
    EXPECT_TRUE(Menuitem(venster, u"afsluiten"_s)->isEnabled());
    EXPECT_TRUE(Knop(venster, u"afsluiten"_s)->isEnabled());
}

TEST_F(Hoofdvenster, AfsluitenVraagtBevestiging)
{
    struct Geval
    {
        bool viaKnop;
        Antwoord antwoord;
    };
    for (const Geval geval : {Geval {false, Antwoord::Ja}, Geval {false, Antwoord::Nee}, Geval {true, Antwoord::Ja},
             Geval {true, Antwoord::Nee}}) {
        SCOPED_TRACE(geval.viaKnop ? "knop" : "menu");
        NepDialogen antwoorden;
        MDIForm1 venster(antwoorden, Standins(gesloten));
        venster.show();
        Menuitem(venster, u"puzzel"_s)->trigger();
        gesloten.clear();
        antwoorden.antwoord(geval.antwoord);
        if (geval.viaKnop)
            Knop(venster, u"afsluiten"_s)->trigger();
        else
            Menuitem(venster, u"afsluiten"_s)->trigger();
        ASSERT_EQ(antwoorden.meldingen().size(), 1u);
        EXPECT_EQ(antwoorden.laatste().prompt, u"Bent u zeker dat u wilt afsluiten ?"_s);
        EXPECT_EQ(antwoorden.laatste().titel, u"Afsluiten ?"_s);
        EXPECT_EQ(antwoorden.laatste().knoppen, Knoppen::JaNee);
        EXPECT_EQ(antwoorden.laatste().icoon, Icoon::Informatie);
        const bool ja = geval.antwoord == Antwoord::Ja;
        EXPECT_EQ(venster.isVisible(), !ja);
        EXPECT_EQ(gesloten, ja ? QStringList {u"frmPuzzel"_s} : QStringList {});
    }
}

// The window's own close button asks nothing and closes the child windows with it.
TEST_F(Hoofdvenster, EigenSluitknopVraagtNiets)
{
    MDIForm1 venster(dialogen, Standins(gesloten));
    venster.show();
    venster.Toolbar1_ButtonClick(u"race"_s);
    Menuitem(venster, u"chrono"_s)->trigger();
    EXPECT_TRUE(venster.close());
    EXPECT_TRUE(dialogen.meldingen().empty());
    gesloten.sort();
    EXPECT_EQ(gesloten, (QStringList {u"frmChrono"_s, u"frmRekenrace"_s}));
}

TEST_F(Hoofdvenster, HoofdrekenenOpentDeHoofdrekenmodule)
{
    MDIForm1 venster(dialogen);
    venster.show();
    for (QAction* actie : {Menuitem(venster, u"vierbewerkingen"_s), Knop(venster, u"Hoofdrekenen"_s)}) {
        EXPECT_TRUE(actie->isEnabled());
        actie->trigger();
        EXPECT_EQ(Open(venster), QStringList {u"frmHoofdrekenen"_s});
        EXPECT_NE(qobject_cast<frmHoofdrekenen*>(venster.werkruimte().activeSubWindow()->widget()), nullptr);
    }
}

TEST_F(Hoofdvenster, TafelsDrillsEnOefenbladenOpenenHunVenster)
{
    MDIForm1 venster(dialogen);
    venster.show();
    const QStringList modules {u"maaldeel"_s, u"twintig"_s, u"honderd"_s, u"duizend"_s, u"tienduizend"_s,
        u"honderdduizend"_s, u"oefenbladen"_s};
    for (const Item& item : items) {
        if (!modules.contains(item.menu))
            continue;
        SCOPED_TRACE(item.menu.toStdString());
        for (QAction* actie : {Menuitem(venster, item.menu), Knop(venster, item.knop)}) {
            ASSERT_TRUE(actie->isEnabled());
            actie->trigger();
            EXPECT_EQ(Open(venster), QStringList {item.venster});
            EXPECT_EQ(venster.werkruimte().activeSubWindow()->widget()->metaObject()->className(), item.venster);
        }
    }
}

TEST_F(Hoofdvenster, LaadtDeGeluidenBijHetStarten)
{
    QDir().mkpath(u"sound"_s);
    Werkmap::Schrijf(u"sound/goed1.wav"_s, "goed");
    Werkmap::Schrijf(u"sound/fout10.wav"_s, "fout");
    MDIForm1 venster(dialogen);
    EXPECT_EQ(Geluid(1), "goed");
    EXPECT_EQ(Geluid(20), "fout");
    EXPECT_TRUE(Geluid(2).isEmpty());
}
