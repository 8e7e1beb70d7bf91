#include "programma.h"
#include "widgets.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScreen>
#include <QStyle>
#include <QTabBar>

namespace {

double Hoogte(const QLabel* label)
{
    return QFontInfo(label->font()).pixelSize();
}

void Druk(Programma& programma, Qt::Key toets)
{
    QTest::keyClick(focus(), toets, Qt::ControlModifier);
    QApplication::processEvents();
    (void)programma;
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
            Druk(programma, Qt::Key_Plus);
            EXPECT_NEAR(venster.width(), 467 * stap, 3 * stap) << stap;
            EXPECT_NEAR(static_cast<double>(venster.width()) / venster.height(), verhouding, 0.01);
            EXPECT_TRUE(programma.hoofd.werkruimte().viewport()->rect().contains(kader->geometry())) << stap;
        }
        Druk(programma, Qt::Key_Minus);
        EXPECT_NEAR(venster.width(), 467 * 2.5, 8);
        Druk(programma, Qt::Key_0);
        EXPECT_EQ(kader->size(), gewoon);
        for (int i = 0; i < 8; ++i)
            Druk(programma, Qt::Key_Minus);
        EXPECT_EQ(kader->size(), gewoon);
        programma.hoofd.findChild<QAction*>("groter")->trigger();
        programma.hoofd.findChild<QAction*>("groter")->trigger();
        programma.hoofd.findChild<QAction*>("groter")->trigger();
    }
    Programma programma;
    QWidget& venster = programma.Open("twintig");
    QApplication::processEvents(); // the main window grows to hold it
    EXPECT_NEAR(venster.width(), 467 * 2.0, 6);
    // Opened at 200 % at once: a font inherited from the window is twice the normal one, not four times.
    EXPECT_NEAR(vind<QTabBar>(venster, "TabStrip")->font().pointSizeF(), 2 * QApplication::font().pointSizeF(), 0.1);
    programma.hoofd.findChild<QAction*>("gewonegrootte")->trigger();
}

// At 250 % the exercise's digits are at least two and a half times as high, and every page of a module and a
// drill still has room for everything; the window stays inside the main window, which grew to hold it.
TEST(Schaal, OpHetBordPastAlles)
{
    for (const QString menu : {"vierbewerkingen", "honderd"}) {
        SCOPED_TRACE(menu.toStdString());
        Programma programma;
        QWidget& venster = programma.Open(menu);
        klikTab(venster, 1);
        const double gewoon = Hoogte(vind<QLabel>(venster, "lblLinks"));
        const auto vakje = [&venster] {
            const QWidget* knop = venster.findChild<QRadioButton*>();
            knop = knop ? knop : venster.findChild<QCheckBox*>();
            return knop->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, knop);
        };
        const int vakjeGewoon = vakje();
        for (int i = 0; i < 4; ++i)
            programma.hoofd.findChild<QAction*>("groter")->trigger();
        QApplication::processEvents();
        EXPECT_GE(Hoogte(vind<QLabel>(venster, "lblLinks")), 2.5 * gewoon);
        EXPECT_GE(vakje(), 2.4 * vakjeGewoon) << "the boxes of check boxes and option buttons grow too";
        const QMdiSubWindow* kader = programma.hoofd.werkruimte().activeSubWindow();
        EXPECT_TRUE(programma.hoofd.werkruimte().viewport()->rect().contains(kader->geometry()));
        auto* tabs = vind<QTabBar>(venster, "TabStrip");
        for (int pagina = tabs->count() - 1; pagina >= 0; --pagina) {
            klikTab(venster, pagina);
            QApplication::processEvents();
            EXPECT_EQ(botsingen(venster), QStringList()) << pagina;
        }
        programma.hoofd.findChild<QAction*>("gewonegrootte")->trigger();
    }
}

// The games grow as a whole: at 250 % the fish in the pond and the cars on the track are two and a half times as
// large, and every page still has room for everything.
TEST(Schaal, DeSpellenGroeienMee)
{
    for (const auto& [menu, stuk] : {std::pair {"gbvissen", "cmdBeeld(0)"}, std::pair {"race", "imgCar1"}}) {
        SCOPED_TRACE(menu);
        Programma programma;
        QWidget& venster = programma.Open(menu);
        klikTab(venster, 1);
        QApplication::processEvents();
        const QSize gewoon = vind<QWidget>(venster, stuk)->size();
        for (int i = 0; i < 4; ++i)
            programma.hoofd.findChild<QAction*>("groter")->trigger();
        QApplication::processEvents();
        const QSize groot = vind<QWidget>(venster, stuk)->size();
        EXPECT_GE(groot.width(), 2.4 * gewoon.width());
        EXPECT_GE(groot.height(), 2.4 * gewoon.height());
        for (int pagina = 2; pagina >= 0; --pagina) {
            klikTab(venster, pagina);
            QApplication::processEvents();
            EXPECT_EQ(botsingen(venster), QStringList()) << pagina;
        }
        programma.hoofd.findChild<QAction*>("gewonegrootte")->trigger();
    }
}

} // namespace
