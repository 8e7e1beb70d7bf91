#include "blad.h"

#include <algorithm>

void MaakTeksten(BladGegevens& blad)
{
    blad.MaxLengte = 0;
    for (BladOpgave& opgave : blad.Opgaven) {
        opgave.Tekst = QString::number(opgave.Links) + opgave.Bewerking + QString::number(opgave.Rechts);
        blad.MaxLengte = std::max<std::int16_t>(blad.MaxLengte, static_cast<std::int16_t>(opgave.Tekst.size()));
    }
}
