#include "blad.h"

#include <algorithm>

QString Tekst(const BladOpgave& opgave)
{
    return QString::number(opgave.Links) + opgave.Bewerking + QString::number(opgave.Rechts);
}

int MaxLengte(const BladGegevens& blad)
{
    qsizetype langste = 0;
    for (const BladOpgave& opgave : blad.Opgaven)
        langste = std::max(langste, Tekst(opgave).size());
    return static_cast<int>(langste);
}
