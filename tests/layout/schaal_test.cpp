#include "paginas.h"
#include "programma.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QRegularExpression>
#include <QScreen>
#include <QStyle>
#include <QTabBar>

#include <tuple>

namespace {

void Druk(Qt::Key toets)
{
    QTest::keyClick(focus(), toets, Qt::ControlModifier);
    QApplication::processEvents();
}

void Zoom(Programma& programma, const char* actie, int keer = 1)
{
    for (int i = 0; i < keer; ++i)
        programma.hoofd.findChild<QAction*>(actie)->trigger();
    QApplication::processEvents();
}

// Ctrl + plus goes up step by step to 300 % and no further, Ctrl + minus down to 100 %, Ctrl + 0 back to the
// normal size; a new run opens its windows at the size chosen last.
TEST(Schaal, StappenGrenzenEnOnthouden)
{
    ASSERT_GE(QGuiApplication::primaryScreen()->availableGeometry().width(), 2400) << "run with groot_scherm.json";
    const QSize gewoon = [] {
        Programma programma;
        programma.Open("vierbewerkingen");
        return programma.hoofd.werkruimte().activeSubWindow()->size();
    }();
    {
        Programma programma;
        QWidget& venster = programma.Open("vierbewerkingen");
        const QMdiSubWindow* kader = programma.hoofd.werkruimte().activeSubWindow();
        const double verhouding = static_cast<double>(venster.width()) / venster.height();
        for (const double stap : {1.25, 1.5, 2.0, 2.5, 3.0, 3.0}) {
            Druk(Qt::Key_Plus);
            EXPECT_NEAR(venster.width(), 467 * stap, 3 * stap) << stap;
            EXPECT_NEAR(static_cast<double>(venster.width()) / venster.height(), verhouding, 0.01);
            EXPECT_TRUE(programma.hoofd.werkruimte().viewport()->rect().contains(kader->geometry())) << stap;
        }
        Druk(Qt::Key_Minus);
        EXPECT_NEAR(venster.width(), 467 * 2.5, 8);
        Druk(Qt::Key_0);
        EXPECT_EQ(kader->size(), gewoon);
        for (int i = 0; i < 8; ++i)
            Druk(Qt::Key_Minus);
        EXPECT_EQ(kader->size(), gewoon);
        Zoom(programma, "groter", 3);
    }
    Programma programma;
    QWidget& venster = programma.Open("twintig");
    QApplication::processEvents(); // the main window grows to hold it
    EXPECT_NEAR(venster.width(), 467 * 2.0, 6);
    // Opened at 200 % at once: a font inherited from the window is twice the normal one, not four times.
    EXPECT_NEAR(vind<QTabBar>(venster, "TabStrip")->font().pointSizeF(), 2 * QApplication::font().pointSizeF(), 0.1);
    Zoom(programma, "gewonegrootte");
}

// At 250 % the exercise's digits are at least two and a half times as high, and so are the fish in the pond and the
// cars on the track (give or take a pixel); every page of a module, a drill and the games still has room for
// everything, and the window stays inside the main window, which grew to hold it.
TEST(Schaal, OpHetBordPastAlles)
{
    const std::tuple<const char*, const char*, double> gevallen[] {{"vierbewerkingen", "lblLinks", 2.5},
        {"honderd", "lblLinks", 2.5}, {"gbvissen", "cmdBeeld(0)", 2.4}, {"race", "imgCar1", 2.4}};
    for (const auto& [menu, naam, factor] : gevallen) {
        SCOPED_TRACE(menu);
        Programma programma;
        QWidget& venster = programma.Open(menu);
        klikTab(venster, 1);
        QApplication::processEvents();
        // The digits' height of an exercise, or the size of a piece of the game.
        const auto maat = [&venster, naam] {
            const auto* stuk = vind<QWidget>(venster, naam);
            const auto* label = qobject_cast<const QLabel*>(stuk);
            const int letters = QFontInfo(stuk->font()).pixelSize();
            return label ? QSizeF(letters, letters) : QSizeF(stuk->size());
        };
        // The box of a check box or option button, drawn by the style.
        const auto vakje = [&venster] {
            const auto knoppen = venster.findChildren<QAbstractButton*>(QRegularExpression("^(opt|chk)"));
            return knoppen.isEmpty()
                ? 0
                : knoppen.front()->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, knoppen.front());
        };
        const QSizeF gewoon = maat();
        const int vakjeGewoon = vakje();
        Zoom(programma, "groter", 4);
        EXPECT_GE(maat().width(), factor * gewoon.width());
        EXPECT_GE(maat().height(), factor * gewoon.height());
        EXPECT_GE(vakje(), 2.4 * vakjeGewoon);
        const QMdiSubWindow* kader = programma.hoofd.werkruimte().activeSubWindow();
        EXPECT_TRUE(programma.hoofd.werkruimte().viewport()->rect().contains(kader->geometry()));
        OpElkePagina(venster, [&venster](int pagina) { EXPECT_EQ(botsingen(venster), QStringList()) << pagina; });
        Zoom(programma, "gewonegrootte");
    }
}

} // namespace
