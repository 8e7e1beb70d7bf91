#pragma once

#include "leesbaar.h"

#include "blad.h"

#include <ostream>

// A sheet with 30 different five-character exercises "10+40" .. "39+69" and their sums.
inline BladGegevens TestBlad(
    const QString& titel = QStringLiteral("Optellen"), const QString& ondertitel = QStringLiteral("tot 100"))
{
    BladGegevens blad;
    for (int i = 0; i < BladAantal; ++i) {
        BladOpgave& opgave = blad.Opgaven[static_cast<std::size_t>(i)];
        opgave.Links = 10 + i;
        opgave.Rechts = 40 + i;
        opgave.Bewerking = QStringLiteral("+");
        opgave.Uitkomst = opgave.Links + opgave.Rechts;
    }
    blad.Titel = titel;
    blad.Ondertitel = ondertitel;
    return blad;
}
