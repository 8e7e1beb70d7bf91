#include "geluid.h"
#include "mdiform1.h"
#include "meldvenster.h"
#include "nepdialogen.h"
#include "toeval.h"
#include "werkmap.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QMenuBar>
#include <QToolBar>

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

QAction* Menuitem(const MDIForm1& venster, const QString& naam)
{
    return venster.menuBar()->findChild<QAction*>(naam);
}

QAction* Knop(const MDIForm1& venster, const QString& sleutel)
{
    return venster.findChild<QToolBar*>(u"Toolbar1"_s)->findChild<QAction*>(sleutel);
}

// Shown according to both the toolbar and the check mark of "Werkbalk tonen", which must agree.
bool Getoond(const MDIForm1& venster)
{
    const bool getoond = !venster.findChild<QToolBar*>(u"Toolbar1"_s)->isHidden();
    EXPECT_EQ(Menuitem(venster, u"ToonWerkbalk"_s)->isChecked(), getoond);
    return getoond;
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

// Each item opens its window as the only module, and its button does exactly the same; the modules
// that exist open their own window. An unknown key does nothing.
TEST_F(Hoofdvenster, ElkeKnopDoetWatZijnMenuitemDoet)
{
    const QStringList bestaand {u"frmHoofdrekenen"_s, u"frmMaalDeel"_s, u"frmTwintig"_s, u"frmHonderd"_s,
        u"frmDuizend"_s, u"frmTienduizend"_s, u"frmHonderdduizend"_s, u"frmPrinten"_s};
    MDIForm1 venster(dialogen, MetStandins(gesloten));
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
                EXPECT_EQ(dynamic_cast<const Meldvenster*>(actief->widget()), nullptr); // the real window
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
TEST_F(Hoofdvenster, ItemZonderVensterIsUitgeschakeld)
{
    Modulevensters vensters = MetStandins(gesloten);
    vensters[u"twintig"_s].maak = nullptr;
    vensters[u"chrono"_s].maak = nullptr;
    MDIForm1 venster(dialogen, vensters);
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

TEST_F(Hoofdvenster, AfsluitenVraagtBevestiging)
{
    for (const bool viaKnop : {false, true}) {
        for (const Antwoord keuze : {Antwoord::Ja, Antwoord::Nee}) {
            SCOPED_TRACE(viaKnop ? "knop" : "menu");
            SCOPED_TRACE(keuze == Antwoord::Ja ? "Ja" : "Nee");
            NepDialogen antwoorden;
            MDIForm1 venster(antwoorden, MetStandins(gesloten));
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
TEST_F(Hoofdvenster, LaadtDeGeluidenBijHetStarten)
{
    QDir().mkpath(u"sound"_s);
    Werkmap::Schrijf(u"sound/fout10.wav"_s, "fout");
    const MDIForm1 met(dialogen);
    EXPECT_EQ(Geluid(20), "fout");
    QDir(u"sound"_s).removeRecursively();
    const MDIForm1 zonder(dialogen);
    for (int slot = 1; slot <= 20; ++slot)
        EXPECT_TRUE(Geluid(slot).isEmpty()) << slot;
    EXPECT_TRUE(dialogen.meldingen().empty());
}

// The setting read at start-up, a toggle saved and read back by the next start; a setting that
// cannot be saved still holds for this run, and whatever stood in its place is kept.
TEST(Werkbalk, InstellingBijHetStartenEnNaEenWissel)
{
    const QString bestand = u"data/werkbalk.dat"_s;
    enum class Plek { Bestand, Geen, Map, GeenDatamap };
    struct Geval
    {
        const char* naam;
        Plek plek;
        QByteArray inhoud;
        bool getoond;
    };
    const Geval gevallen[] = {
        {"een", Plek::Bestand, "1\r\n", true},
        {"een zonder regeleinde", Plek::Bestand, "1", true},
        {"een met blanco's", Plek::Bestand, " 1 \r\n", true},
        {"nul", Plek::Bestand, "0\r\n", false},
        {"twee", Plek::Bestand, "2\r\n", false},
        {"min een", Plek::Bestand, "-1\r\n", false},
        {"alleen de eerste regel telt", Plek::Bestand, "1\r\n0\r\n", true},
        {"leeg", Plek::Bestand, "", true},
        {"onzin", Plek::Bestand, "werkbalk\r\n", true},
        {"te groot voor 16 bits", Plek::Bestand, "65537\r\n", true},
        {"ontbreekt", Plek::Geen, {}, true},
        {"een map: onleesbaar en onschrijfbaar", Plek::Map, {}, true},
        {"geen datamap: onschrijfbaar", Plek::GeenDatamap, {}, true},
    };
    for (const Geval& geval : gevallen) {
        SCOPED_TRACE(geval.naam);
        ZaaiToeval(1);
        Werkmap map;
        if (geval.plek == Plek::Bestand)
            Werkmap::Schrijf(bestand, geval.inhoud);
        else if (geval.plek == Plek::Map)
            QDir().mkpath(bestand + u"/inhoud"_s);
        else if (geval.plek == Plek::GeenDatamap)
            QDir(u"data"_s).removeRecursively();
        const bool schrijfbaar = geval.plek == Plek::Bestand || geval.plek == Plek::Geen;
        NepDialogen dialogen;
        {
            MDIForm1 venster(dialogen);
            EXPECT_EQ(Getoond(venster), geval.getoond);
            Menuitem(venster, u"ToonWerkbalk"_s)->trigger();
            EXPECT_EQ(Getoond(venster), !geval.getoond);
            EXPECT_EQ(LeesBestand(bestand), schrijfbaar ? (geval.getoond ? "0\r\n" : "1\r\n") : "");
        }
        MDIForm1 herstart(dialogen);
        EXPECT_EQ(Getoond(herstart), schrijfbaar ? !geval.getoond : geval.getoond);
        EXPECT_EQ(QFileInfo::exists(bestand + u"/inhoud"_s), geval.plek == Plek::Map);
        EXPECT_EQ(QDir(u"data"_s).entryList(QDir::Files), schrijfbaar ? QStringList {u"werkbalk.dat"_s} : QStringList())
            << "a half-written file was left";
        EXPECT_TRUE(dialogen.meldingen().empty());
    }
}
