#pragma once

// The windows name fonts that Debian does not ship ("Comic Sans MS", "MS Sans Serif", ...);
// this maps them onto the installed look-alikes. Call once after the QApplication exists.
void ZetLettertypeVervangingen();
