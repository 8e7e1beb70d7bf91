#pragma once

#include "samenstellen.h"

#include <QString>

#include <cstdint>
#include <variant>

// The code printed on a sheet: its settings and the seed it was composed with, so that the same sheet can be made
// again. Digits 2..9 and capitals without I, L and O (nothing that looks like another character), about eight of
// them: the first says the kind of sheet, the last is a check character that catches a mistyped character and two
// characters swapped. A range with many ticked kinds needs a few more.
//
// A code describes the composition of this version: whoever changes how a sheet is composed, or what a code holds,
// must give the new codes first characters of their own, so that older versions call them codes of a later version.

// How many seeds a code of these settings holds: 0..AantalZaden - 1, at least 8192.
std::uint64_t AantalZaden(const BladKeuze& keuze);

// The code of a sheet composed with these settings (as read and accepted at its "Printvoorbeeld") and this seed.
QString MaakBladcode(const BladKeuze& keuze, std::uint64_t zaad);

// What a code restores: the settings of its sheet and its seed.
struct Bladrecept
{
    BladKeuze Keuze;
    std::uint64_t Zaad = 0;
};

enum class BladcodeFout {
    Leeg,
    KloptNiet, // mistyped or not a code at all
    Nieuwer, // a well-formed code from a later version
};

// Reads a code as a teacher types it: small letters, blanks and dashes are allowed.
std::variant<Bladrecept, BladcodeFout> LeesBladcode(const QString& tekst);
