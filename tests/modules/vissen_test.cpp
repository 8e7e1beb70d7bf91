#include "nepspeler.h"
#include "programma.h"
#include "vissen/water.h"
#include "widgets.h"

#include <gtest/gtest.h>

namespace {

QAbstractButton* Vis(const QWidget& venster, int index)
{
    return vind<QAbstractButton>(venster, QStringLiteral("cmdBeeld(%1)").arg(index));
}

// The pointer moving over a widget with no button down, as the window system reports it: to the widget under the
// pointer, and on to its parents while they do not follow the mouse.
void BeweegMuis(QWidget* widget, QPoint plek)
{
    QMouseEvent beweging(
        QEvent::MouseMove, plek, widget->mapToGlobal(plek), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &beweging);
}

int Doelgetal(const QWidget& venster)
{
    return tekst(venster, "lblOpgave").toInt();
}

class Vissen : public ::testing::Test
{
protected:
    Programma programma;
    QWidget& venster = programma.Open("gbvissen", 21);
    Water* water = vind<Water>(venster, "fraWater");
};

// The Oefening page as it first shows, and the ten fish at their starting places in the water, each the right size
// for it.
TEST_F(Vissen, BeginEnVissenOpHunPlek)
{
    klikTab(venster, 1);
    EXPECT_EQ(tekst(venster, "lblResultaat"), "Je haalde al 0 goede vissen uit het water...");
    EXPECT_EQ(tekst(venster, "lblUitslag"), "");
    EXPECT_TRUE(Doelgetal(venster) >= 1 && Doelgetal(venster) <= 10);
    EXPECT_NEAR(static_cast<double>(water->width()) / water->height(), 7455.0 / 3255, 0.02);
    const double factor = water->width() / 7455.0;
    const QPoint start[] {{1080, 600}, {600, 1560}, {2760, 480}, {2160, 2040}, {3840, 480}, {3840, 2160}, {5040, 240},
        {4605, 1365}, {5880, 840}, {6000, 2040}};
    for (int i = 0; i < 10; ++i) {
        const QRect plek = Vis(venster, i)->geometry();
        EXPECT_EQ(Vis(venster, i)->parentWidget(), water);
        EXPECT_NEAR(plek.x(), start[i].x() * factor, 1) << i;
        EXPECT_NEAR(plek.y(), start[i].y() * factor, 1) << i;
        EXPECT_NEAR(plek.width(), 980 * factor, 1);
        EXPECT_NEAR(plek.height(), 480 * factor, 1);
    }
}

// The fish of the number shown is caught: "Goed zo !" on green, one approval sound, one more in the count and a new
// number drawn, every number in turn. Any other fish: "Foutje..." on red, one disapproval sound, and the number
// stays.
TEST_F(Vissen, GoedeEnFouteVangst)
{
    klikTab(venster, 1);
    NepSpeler speler;
    std::set<int> getallen;
    int goed = 0;
    for (int ronde = 0; ronde < 60; ++ronde) {
        const int getal = Doelgetal(venster);
        getallen.insert(getal);
        klik(Vis(venster, getal % 10));
        EXPECT_EQ(tekst(venster, "lblUitslag"), "Foutje...");
        EXPECT_EQ(achtergrond(venster, "lblUitslag"), QColor(255, 0, 0));
        EXPECT_EQ(Doelgetal(venster), getal);
        EXPECT_EQ(speler.Fout(), ronde + 1);
        klik(Vis(venster, getal - 1));
        ++goed;
        EXPECT_EQ(tekst(venster, "lblUitslag"), "Goed zo !");
        EXPECT_EQ(achtergrond(venster, "lblUitslag"), QColor(0, 255, 0));
        EXPECT_EQ(
            tekst(venster, "lblResultaat"), QStringLiteral("Je haalde al %1 goede vissen uit het water...").arg(goed));
        EXPECT_EQ(speler.Goed(), goed);
    }
    EXPECT_EQ(speler.gespeeld().size(), 120u);
    EXPECT_EQ(getallen.size(), 10u);
}

// Help and Setup neither stop nor reset the game: the number and the count stay, and the fish swim on as soon as
// the water is back. Only while the water is out of sight does its timer rest.
TEST_F(Vissen, HelpStoptHetSpelNiet)
{
    EXPECT_FALSE(water->Zwemt());
    klikTab(venster, 1);
    klik(Vis(venster, Doelgetal(venster) - 1));
    const QString getal = tekst(venster, "lblOpgave");
    for (const int pagina : {2, 0}) {
        klikTab(venster, pagina);
        EXPECT_FALSE(water->Zwemt());
        klikTab(venster, 1);
        EXPECT_TRUE(water->Zwemt());
        EXPECT_EQ(tekst(venster, "lblOpgave"), getal);
        EXPECT_EQ(tekst(venster, "lblResultaat"), "Je haalde al 1 goede vissen uit het water...");
    }
    std::vector<QRect> voor;
    for (int i = 0; i < 10; ++i)
        voor.push_back(Vis(venster, i)->geometry());
    QTest::qWait(10 * Water::BeeldMs);
    int bewogen = 0;
    for (int i = 0; i < 10; ++i)
        bewogen += Vis(venster, i)->geometry() != voor[static_cast<std::size_t>(i)];
    EXPECT_GE(bewogen, 8);
}

// Over the water the pointer is a fish hook, and the fishing line's end follows it, also over a fish; elsewhere it
// stays.
TEST_F(Vissen, LijnVolgtDeMuis)
{
    klikTab(venster, 1);
    EXPECT_EQ(water->cursor().shape(), Qt::BitmapCursor);
    const double factor = water->width() / 7455.0;
    BeweegMuis(water, {100, 50});
    EXPECT_NEAR(water->Haak().x(), 100 / factor, 1);
    EXPECT_NEAR(water->Haak().y(), 50 / factor, 1);
    QAbstractButton* vis = Vis(venster, 7);
    BeweegMuis(vis, {5, 6});
    const QPoint opVis = vis->mapTo(water, QPoint(5, 6));
    EXPECT_NEAR(water->Haak().x(), opVis.x() / factor, 1);
    EXPECT_NEAR(water->Haak().y(), opVis.y() / factor, 1);
    BeweegMuis(vind<QLabel>(venster, "lblUitleg"), {3, 3});
    EXPECT_NEAR(water->Haak().x(), opVis.x() / factor, 1);
}

// Without a mouse: Tab goes from fish to fish and Space catches the one the keyboard is on.
TEST_F(Vissen, VangenMetHetToetsenbord)
{
    klikTab(venster, 1);
    const int doel = Doelgetal(venster);
    for (int stap = 0; stap < 40 && focus() != Vis(venster, doel - 1); ++stap)
        QTest::keyClick(focus(), Qt::Key_Tab);
    ASSERT_EQ(focus(), Vis(venster, doel - 1));
    QTest::keyClick(focus(), Qt::Key_Space);
    EXPECT_EQ(tekst(venster, "lblUitslag"), "Goed zo !");
}

} // namespace
