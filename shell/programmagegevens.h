#pragma once

#include <QString>

// A screen this narrow (in pixels) gets a warning that the program will hardly fit.
bool SchermTeSmal(int breedte);

// "voor Linux": the system the program runs on.
QString PlatformTekst();

// "Versie 2.1.0"
QString VersieTekst();

// Registers the icons and pictures of the shell (":/iconen/..."); a static library does not do so on its own.
void LaadIconen();
