#include "paginas.h"
#include "programma.h"

#include <gtest/gtest.h>

namespace {

// Every window the menus open as a module, on every page: nothing overlaps, touches its neighbour, sticks out or is
// cut off, and the window keeps its size. A new window is checked as soon as its menu item has a window. The suite
// runs at the normal scale and again at 200 %.
TEST(Layout, ElkVensterPastOpElkePagina)
{
    Programma programma;
    for (const auto& [menu, venster] : StandaardModulevensters()) {
        if (!venster.maak || venster.wijze != Openwijze::Module)
            continue;
        SCOPED_TRACE(menu.toStdString());
        QWidget& open = programma.Open(menu);
        const QSize grootte = open.size();
        OpElkePagina(open, [&](int pagina) {
            EXPECT_EQ(open.size(), grootte);
            EXPECT_EQ(botsingen(open), QStringList()) << pagina;
        });
    }
}

} // namespace
