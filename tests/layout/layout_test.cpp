#include "programma.h"
#include "widgets.h"

#include <gtest/gtest.h>

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTabBar>

namespace {

// Every window the menus open, on every page, with a series running where it has one and with the largest
// numbers it shows: nothing overlaps, touches its neighbour, sticks out or is cut off. The suite runs at the
// normal scale and again at 200 %.
TEST(Layout, ElkVensterPastOpElkePagina)
{
    Programma programma;
    const QStringList menus {"vierbewerkingen", "maaldeel", "twintig", "honderd", "duizend", "tienduizend",
        "honderdduizend", "oefenbladen", "gbvissen", "race"};
    for (const QString& menu : menus) {
        SCOPED_TRACE(menu.toStdString());
        QWidget& open = programma.Open(menu);
        const QSize grootte = open.size();
        auto* tabs = open.findChild<QTabBar*>("TabStrip");
        for (int pagina = tabs ? tabs->count() - 1 : 0; pagina >= 0; --pagina) {
            if (tabs)
                klikTab(open, pagina);
            QApplication::processEvents();
            EXPECT_EQ(open.size(), grootte);
            EXPECT_EQ(botsingen(open), QStringList()) << pagina;
        }
    }
}

} // namespace
