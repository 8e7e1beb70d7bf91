#pragma once

#include <QString>

class QToolBar;

// Fills the toolbar with its picture buttons, a separator line between the groups. Each button's
// objectName and data are its key ("GBHerkennen", "Tafels", ...).
void VulWerkbalk(QToolBar& balk);

// The name of the menu item whose action a button repeats; empty for a key that is no button.
QString MenuVanKnop(const QString& sleutel);

// The toolbar setting, kept in data/werkbalk.dat relative to the working directory. The toolbar is
// shown when the file holds 1, hidden for any other number; a missing, empty, unreadable or
// non-numeric file shows it, so a damaged file never takes the buttons away.
bool LeesWerkbalkTonen();

// Replaces the file with "1" or "0" and CR LF. When it cannot be written, the old file stays as it
// was and false is returned.
bool BewaarWerkbalkTonen(bool tonen);
