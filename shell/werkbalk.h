#pragma once

#include "menubalk.h"

class QToolBar;

// Puts the menus' own actions on the toolbar as picture buttons, in groups with a separator line
// between them, so a button does exactly what its menu item does and is enabled with it. Each
// button (the QToolButton the toolbar makes for the action) has its key as objectName
// ("GBHerkennen", "Tafels", ...), a Dutch tooltip and accessible name, and its icon.
void VulWerkbalk(QToolBar& balk, const Menuacties& acties);
