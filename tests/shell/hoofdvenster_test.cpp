#include "geluid.h"
#include "modulebeheer.h"
#include "programma.h"
#include "werkmap.h"

#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QScreen>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <QWindow>

#include <gtest/gtest.h>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// A stand-in for a module window: a plain widget with the window's objectName that notes in a shared log when it is
// closed.
class Meldvenster : public QWidget
{
public:
    Meldvenster(const QString& naam, QStringList& gesloten)
        : m_gesloten(gesloten)
    {
        setObjectName(naam);
    }

protected:
    void closeEvent(QCloseEvent* event) override
    {
        m_gesloten.append(objectName());
        QWidget::closeEvent(event);
    }

private:
    QStringList& m_gesloten;
};

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

// The standard windows, with a stand-in that notes its closing for the window of `menu`.
Modulevensters MetStandin(const QString& menu, const QString& naam, QStringList& gesloten)
{
    Modulevensters vensters = StandaardModulevensters();
    vensters.at(menu).maak = [&gesloten, naam](Dialogen&) { return std::make_unique<Meldvenster>(naam, gesloten); };
    return vensters;
}

class HoofdvensterTest : public ::testing::Test
{
protected:
    Werkmap map;
    QStringList gesloten;
};

} // namespace

// A click on each button opens the same window as its menu item, each time as the only module: the window opened
// before is closed first. The stopwatch and the About box open beside the module, and the next module closes only
// the module.
TEST_F(HoofdvensterTest, ElkeKnopDoetWatZijnMenuitemDoet)
{
    Programma programma(MetStandin(u"algemeen"_s, u"frmHelp"_s, gesloten));
    const Hoofdvenster& venster = programma.hoofd;
    for (const Item& item : items) {
        if (item.knop.isEmpty())
            continue;
        SCOPED_TRACE(item.menu.toStdString());
        EXPECT_FALSE(Knop(venster, item.menu)->icon().isNull());
        // The button by its key, then the menu item by its name: each a new window, the only one.
        const QPointer<QWidget> viaKnop = &programma.OpenViaKnop(item.knop);
        EXPECT_EQ(programma.OpenVensters(), QStringList {item.venster});
        EXPECT_NE(&programma.Open(item.menu), viaKnop.data());
        EXPECT_EQ(programma.OpenVensters(), QStringList {item.venster});
    }
    QStringList indeling;
    for (QAction* actie : Werkbalk(venster)->actions())
        indeling << (actie->isSeparator() ? u"|"_s : Werkbalk(venster)->widgetForAction(actie)->objectName());
    EXPECT_EQ(indeling.join(u' ').toStdString(),
        "GBHerkennen GBOrdenen GBVissen | GROrdenen GRAanvullen | Splitsen | Hoofdrekenen Tafels | twintig honderd "
        "duizend tienduizend honderdduizend | puzzel race printen test | help afsluiten");
    gesloten.clear();
    programma.Open(u"chrono"_s);
    programma.Open(u"over"_s);
    EXPECT_EQ(programma.OpenVensters(), (QStringList {u"frmAbout"_s, u"frmChrono"_s, u"frmHelp"_s}));
    programma.OpenViaKnop(u"puzzel"_s);
    EXPECT_EQ(programma.OpenVensters(), (QStringList {u"frmAbout"_s, u"frmChrono"_s, u"frmPuzzel"_s}));
    EXPECT_EQ(gesloten, QStringList {u"frmHelp"_s});
    EXPECT_TRUE(programma.dialogen.meldingen().empty());
}

// An item without a window is disabled, and so is its button, which is the same action: clicking either does
// nothing.
TEST_F(HoofdvensterTest, ItemZonderVensterIsUitgeschakeld)
{
    Modulevensters vensters = StandaardModulevensters();
    vensters[u"twintig"_s].maak = nullptr;
    vensters[u"chrono"_s].maak = nullptr;
    Programma programma(vensters);
    const Hoofdvenster& venster = programma.hoofd;
    for (const Item& item : items) {
        const bool aan = item.menu != u"twintig"_s && item.menu != u"chrono"_s;
        EXPECT_EQ(Actie(venster, item.menu)->isEnabled(), aan) << item.menu.toStdString();
        EXPECT_TRUE(item.knop.isEmpty() || Knop(venster, item.menu)->isEnabled() == aan) << item.menu.toStdString();
    }
    QTest::mouseClick(Knop(venster, u"twintig"_s), Qt::LeftButton);
    Actie(venster, u"twintig"_s)->trigger();
    Actie(venster, u"chrono"_s)->trigger();
    EXPECT_EQ(programma.OpenVensters(), QStringList());
}

// "Afsluiten" (menu or button, one action) asks first and closes only on Ja; the window's own close button asks
// nothing. The open module closes with the main window.
TEST_F(HoofdvensterTest, AfsluitenVraagtDeSluitknopNiet)
{
    enum class Manier { Menu, Knop, Sluitknop };
    for (const auto& [manier, antwoord, dicht] : {std::tuple {Manier::Menu, Antwoord::Nee, false},
             std::tuple {Manier::Knop, Antwoord::Ja, true}, std::tuple {Manier::Sluitknop, Antwoord::Nee, true}}) {
        SCOPED_TRACE(static_cast<int>(manier));
        gesloten.clear();
        Programma programma(MetStandin(u"puzzel"_s, u"frmPuzzel"_s, gesloten));
        programma.Open(u"puzzel"_s);
        programma.dialogen.antwoord(antwoord);
        if (manier == Manier::Sluitknop)
            programma.hoofd.windowHandle()->close();
        else if (manier == Manier::Knop)
            QTest::mouseClick(Knop(programma.hoofd, u"afsluiten"_s), Qt::LeftButton);
        else
            Actie(programma.hoofd, u"afsluiten"_s)->trigger();
        ASSERT_EQ(programma.dialogen.meldingen().size(), manier == Manier::Sluitknop ? 0u : 1u);
        if (manier != Manier::Sluitknop) {
            EXPECT_EQ(programma.dialogen.laatste().prompt, u"Bent u zeker dat u wilt afsluiten ?"_s);
            EXPECT_EQ(programma.dialogen.laatste().titel, u"Afsluiten ?"_s);
            EXPECT_EQ(programma.dialogen.laatste().knoppen, Knoppen::JaNee);
            EXPECT_EQ(programma.dialogen.laatste().icoon, Icoon::Informatie);
        }
        EXPECT_EQ(programma.hoofd.isVisible(), !dicht);
        EXPECT_EQ(gesloten, dicht ? QStringList {u"frmPuzzel"_s} : QStringList());
    }
}

// The modules close in a fixed order, whatever order they opened in, and a module that is not open
// is skipped; the stopwatch, the About box and unknown windows stay. A second call does nothing.
TEST_F(HoofdvensterTest, ModulesSluitenInEenVasteVolgordeEnChronoEnOverBlijven)
{
    const QStringList modules {u"frmGBOrdenen"_s, u"frmGBHerkennen"_s, u"frmGBVissen"_s, u"frmGROrdenen"_s,
        u"frmGRAanvullen"_s, u"frmSplitsen"_s, u"frmHoofdrekenen"_s, u"frmMaalDeel"_s, u"frmTwintig"_s, u"frmHonderd"_s,
        u"frmDuizend"_s, u"frmPuzzel"_s, u"frmRekenrace"_s, u"frmPrintVoorbeeld"_s, u"frmPrinten"_s, u"frmTest"_s,
        u"frmTienduizend"_s, u"frmHonderdduizend"_s, u"frmHelp"_s};
    QStringList open = modules + QStringList {u"frmChrono"_s, u"frmAbout"_s, u"frmOnbekend"_s};
    open.removeAll(u"frmPrintVoorbeeld"_s);
    std::ranges::reverse(open);
    Programma programma;
    QMdiArea& werkruimte = programma.hoofd.werkruimte();
    for (const QString& naam : open)
        ToonVenster(werkruimte, std::make_unique<Meldvenster>(naam, gesloten));

    SluitAlleModules(werkruimte);
    SluitAlleModules(werkruimte);

    QStringList verwacht = modules;
    verwacht.removeAll(u"frmPrintVoorbeeld"_s);
    EXPECT_EQ(gesloten, verwacht);
    EXPECT_EQ(programma.OpenVensters(), (QStringList {u"frmAbout"_s, u"frmChrono"_s, u"frmOnbekend"_s}));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(werkruimte.subWindowList().size(), 3) << "the frames of the closed windows are left";
}

// The sounds load at every start-up; a missing sound folder leaves the sounds empty and stops nothing.
TEST_F(HoofdvensterTest, LaadtDeGeluidenBijHetStarten)
{
    NepDialogen dialogen;
    QDir().mkpath(u"sound"_s);
    // A WAV of four samples: 16-bit mono at 22,050 Hz.
    Werkmap::Schrijf(u"sound/fout10.wav"_s,
        QByteArray::fromHex("524946462c00000057415645666d7420100000000100010022560000"
                            "44ac00000200100064617461080000000010002000300040"));
    const Hoofdvenster met(dialogen);
    EXPECT_EQ(Geluid(20).frames, 4);
    QDir(u"sound"_s).removeRecursively();
    const Hoofdvenster zonder(dialogen);
    EXPECT_EQ(Geluid(20).frames, 0);
    EXPECT_TRUE(dialogen.meldingen().empty());
}

// The caption as the window system shows it, whatever characters the program's name holds.
TEST(Bijschrift, NaamVanHetProgrammaMetVersie)
{
    const std::pair<QString, QString> gevallen[] = {
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
