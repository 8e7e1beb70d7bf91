#pragma once

#include <QString>

class QToolBar;

// Fills the toolbar with its picture buttons, a separator line between the groups. Each button's
// objectName and data are its key ("GBHerkennen", "Tafels", ...).
void VulWerkbalk(QToolBar& balk);

// The name of the menu item whose action a button repeats; empty for a key that is no button.
QString MenuVanKnop(const QString& sleutel);
