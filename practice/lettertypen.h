#pragma once

#include <QFont>

// The windows name fonts that Debian does not ship ("Comic Sans MS", "MS Sans Serif", ...);
// this maps them onto the installed look-alikes. Call once after the QApplication exists.
void ZetLettertypeVervangingen();

// The fonts the practice windows show their exercises in.
QFont Comic(qreal punten, bool vet = false);
// Heavy, for operators and the equals sign; bold too, where the face is replaced by a regular one.
QFont ArialBlack(qreal punten = 15.75);
