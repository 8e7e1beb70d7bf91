#pragma once

#include <QString>

#include <array>
#include <cstdint>

// One exercise of a worksheet, copied from the exercise record when its slot was filled.
struct BladOpgave
{
    std::int64_t Links = 0;
    std::int64_t Rechts = 0;
    std::int64_t Uitkomst = 0;
    QString Bewerking;
    QString Sleutel; // Links & Bewerking & Rechts without blanks; only used to refuse repeats
    QString Tekst; // display text, rebuilt by MaakTeksten
};

constexpr int BladAantal = 30;

// The composed worksheet, shared by the composer, the preview, the printer and the document.
struct BladGegevens
{
    std::array<BladOpgave, BladAantal> Opgaven {};
    QString Titel;
    QString Ondertitel;
    std::int16_t MaxLengte = 0; // length of the longest Tekst; used by the printed layout
};

// Tekst(i) = Links & Bewerking & Rechts for every slot; MaxLengte = the longest (0 if all empty).
void MaakTeksten(BladGegevens& blad);
