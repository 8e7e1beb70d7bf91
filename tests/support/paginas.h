#pragma once

#include "widgets.h"

#include <QApplication>
#include <QTabBar>

#include <functional>

// Brings every page of a window forward as a user would, the last tab first, and calls `bekijk` with the page's
// index once it is laid out; a window without tabs is its own only page.
inline void OpElkePagina(QWidget& venster, const std::function<void(int)>& bekijk)
{
    auto* tabs = venster.findChild<QTabBar*>(QStringLiteral("TabStrip"));
    for (int pagina = tabs ? tabs->count() - 1 : 0; pagina >= 0; --pagina) {
        if (tabs)
            klikTab(venster, pagina);
        QApplication::processEvents();
        bekijk(pagina);
    }
}
