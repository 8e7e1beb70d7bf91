#include "nepdialogen.h"
#include "oefenvenster.h"
#include "toeval.h"
#include "twips.h"
#include "venster.h"
#include "widgets.h"

#include <gtest/gtest.h>

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QToolButton>
#include <QWheelEvent>

#include <vector>

namespace {

// A window with only the tab frame; it records the hooks and can refuse a start.
class Kaal : public Oefenvenster
{
public:
    explicit Kaal(Dialogen& dialogen, QSize grootte = StandaardGrootte)
        : Oefenvenster(dialogen, QStringLiteral("frmKaal"), QStringLiteral("Kaal"), nullptr, grootte)
    {
        ZetHelpteksten(QStringLiteral("Begin maar."));
    }

    bool startMag = true;
    std::vector<int> hooks;

private:
    void SetupGekozen() override { hooks.push_back(TabSetup); }
    bool OefeningGekozen() override
    {
        hooks.push_back(TabOefening);
        return startMag;
    }
    void HelpGekozen() override { hooks.push_back(TabHelp); }
};

void VerwerkVerwijderingen()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

class OefenvensterTest : public ::testing::Test
{
protected:
    OefenvensterTest() { ZaaiToeval(31); }
    NepDialogen dialogen;
};

TEST_F(OefenvensterTest, TabsHelpEnStopknop)
{
    Kaal venster(dialogen);
    const auto* tabs = vind<QTabBar>(venster, "TabStrip");
    const std::vector<std::array<QString, 3>> verwacht {
        {"Setup", "setup", "Klik hier om de oefening op te maken"},
        {"Oefening", "oefening", "Klik hier om de oefening te starten"},
        {"Help", "help", "Klik hier voor meer uitleg"},
    };
    ASSERT_EQ(tabs->count(), 3);
    for (int i = 0; i < 3; ++i) {
        const auto& [titel, sleutel, tip] = verwacht[static_cast<std::size_t>(i)];
        EXPECT_EQ(tabs->tabText(i), titel);
        EXPECT_EQ(tabs->tabData(i).toString(), sleutel);
        EXPECT_EQ(tabs->tabToolTip(i), tip);
    }
    const std::array<QString, 6> help {
        "Start :", "Oefening:", "Einde :", "Begin maar.", Oefenvenster::HelpOefening(), Oefenvenster::HelpEinde()};
    for (std::size_t i = 0; i < help.size(); ++i)
        EXPECT_EQ(tekst(venster, QStringLiteral("lblHelpTitel(%1)").arg(i)), help[i]);
    EXPECT_TRUE(Oefenvenster::HelpOefening().startsWith("De leerling vult zijn oplossing in en drukt op [enter]."));
    EXPECT_TRUE(vind<QLabel>(venster, "lblHelpTitel(4)")->wordWrap());

    const auto* stop = vind<QToolButton>(venster, "cmdStop");
    EXPECT_EQ(stop->toolTip(), "Deze oefening afsluiten");
    EXPECT_FALSE(stop->icon().pixmap(24, 24).isNull());
    EXPECT_EQ(venster.windowTitle(), "Kaal");
    EXPECT_EQ(paginaVoor(venster), 0);
}

TEST_F(OefenvensterTest, TabkeuzeEnPaginaVoorStaanLosVanElkaar)
{
    Kaal venster(dialogen);
    venster.show();
    struct Stap
    {
        int tab;
        bool startMag;
        int pagina;
    };
    // A refused start leaves the page in front; a click on the selected tab acts again.
    const std::vector<Stap> stappen {
        {2, true, 2}, {1, false, 2}, {1, false, 2}, {1, true, 1}, {1, true, 1}, {0, true, 0}};
    std::vector<int> verwachteHooks;
    for (const Stap& stap : stappen) {
        venster.startMag = stap.startMag;
        klikTab(venster, stap.tab);
        verwachteHooks.push_back(stap.tab);
        EXPECT_EQ(gekozenTab(venster), stap.tab);
        EXPECT_EQ(paginaVoor(venster), stap.pagina) << "tab " << stap.tab;
    }
    EXPECT_EQ(venster.hooks, verwachteHooks);

    auto* tabs = vind<QTabBar>(venster, "TabStrip");
    const QPointF midden = tabs->rect().center();
    QWheelEvent wiel(
        midden, tabs->mapToGlobal(midden), {}, {0, -120}, Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(tabs, &wiel);
    EXPECT_EQ(gekozenTab(venster), 0);
    EXPECT_EQ(tabs->focusPolicy(), Qt::NoFocus);
    EXPECT_TRUE(vind<QToolButton>(venster, "cmdStop")->isVisible());
}

TEST_F(OefenvensterTest, PlaatstZichMiddenBovenInHetWerkgebied)
{
    struct Geval
    {
        QSize werkgebied;
        QSize twips;
    };
    for (const Geval& geval :
        {Geval {{900, 700}, {7000, 5000}}, Geval {{1000, 800}, {9180, 6100}}, Geval {{300, 300}, {7000, 5000}}}) {
        QMdiArea gebied;
        gebied.resize(geval.werkgebied);
        gebied.show();
        auto* venster = new Kaal(dialogen, geval.twips);
        QMdiSubWindow* kader = gebied.addSubWindow(venster);
        kader->setAttribute(Qt::WA_DeleteOnClose);
        venster->show();

        EXPECT_EQ(venster->size(), PixelsGrootte(geval.twips.width(), geval.twips.height()));
        const int links = std::max(0, gebied.viewport()->width() / 2 - kader->width() / 2);
        EXPECT_EQ(kader->pos(), QPoint(links, 0));
        EXPECT_EQ(Buitenkant(venster), kader->geometry());
    }
}

TEST_F(OefenvensterTest, AnderePlaatsingen)
{
    QMdiArea gebied;
    gebied.resize(900, 700);
    gebied.show();
    auto* venster = new QWidget;
    QMdiSubWindow* kader = gebied.addSubWindow(venster);
    kader->show();
    PlaatsVenster(venster, {3000, 1500}, Plaatsing::Op({300, 20}));
    EXPECT_EQ(kader->pos(), QPoint(300, 20));
    EXPECT_EQ(venster->size(), QSize(200, 100));
    PlaatsVenster(venster, {3000, 1500}, Plaatsing::LinksBoven());
    EXPECT_EQ(kader->pos(), QPoint(0, 0));

    QWidget los;
    PlaatsVenster(&los, {1500, 1500}, Plaatsing::MiddenBoven());
    EXPECT_EQ(los.size(), QSize(100, 100));
}

TEST_F(OefenvensterTest, StopknopSluitHetVensterMetZijnKader)
{
    QMdiArea gebied;
    gebied.show();
    QPointer<Kaal> venster = new Kaal(dialogen);
    QPointer<QMdiSubWindow> kader = gebied.addSubWindow(venster);
    kader->setAttribute(Qt::WA_DeleteOnClose);
    venster->show();
    QTest::mouseClick(vind<QToolButton>(*venster, "cmdStop"), Qt::LeftButton);
    VerwerkVerwijderingen();
    EXPECT_TRUE(kader.isNull());
    EXPECT_TRUE(venster.isNull());
    EXPECT_TRUE(gebied.subWindowList().isEmpty());

    Kaal los(dialogen);
    los.show();
    QTest::mouseClick(vind<QToolButton>(los, "cmdStop"), Qt::LeftButton);
    EXPECT_FALSE(los.isVisible());
}

TEST_F(OefenvensterTest, BinnenkomenMaaktHetVakLeeg)
{
    struct Geval
    {
        Qt::FocusReason reden;
        QString over;
    };
    // Focus that only comes back with the window (after a message box) is no entering.
    for (const Geval& geval : {Geval {Qt::MouseFocusReason, ""}, Geval {Qt::TabFocusReason, ""},
             Geval {Qt::BacktabFocusReason, ""}, Geval {Qt::OtherFocusReason, ""},
             Geval {Qt::ActiveWindowFocusReason, "25"}, Geval {Qt::PopupFocusReason, "25"}}) {
        QLineEdit vak(QStringLiteral("25"));
        LeegBijBinnenkomst(&vak);
        QFocusEvent binnen(QEvent::FocusIn, geval.reden);
        QApplication::sendEvent(&vak, &binnen);
        EXPECT_EQ(vak.text(), geval.over) << geval.reden;
        EXPECT_FALSE(vak.hasSelectedText());
    }
}

} // namespace
