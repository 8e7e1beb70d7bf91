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
};

constexpr int BladAantal = 30;

// The composed worksheet, shared by the composer, the preview, the printer and the document.
struct BladGegevens
{
    std::array<BladOpgave, BladAantal> Opgaven {};
    QString Titel;
    QString Ondertitel;
    QString Code; // the sheet code that makes it again; empty for a sheet made otherwise
};

// The display text of an exercise: Links, Bewerking and Rechts without blanks, e.g. "7x3".
QString Tekst(const BladOpgave& opgave);

// The length of the longest display text of the sheet (0 if all are empty); the printed "=" columns follow it.
int MaxLengte(const BladGegevens& blad);
