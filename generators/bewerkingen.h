#pragma once

#include "opgave.h"

#include <cstdint>

// The four-operation generators. Each returns its exercise, whose VorigeUitkomst is the answer of the
// exercise any generator made before it.
// Every call returns promptly for every argument: when no exercise that differs from the previous
// answer turns up, the previous-answer rule is relaxed; when no exercise exists at all (a maximum
// below KleinsteMaximum), Uitkomst is empty and Links and Rechts are 0.
Opgave MaakOptelling(std::int32_t maximum, bool brug);
Opgave MaakAftrekking(std::int32_t maximum, bool brug);
// One table (tafel not 0): a factor (or quotient) 1..9 with the table on the right, repeats allowed. Tafel 0: free
// exercises, both numbers at least 2, the product (or Links) at most the maximum.
Opgave MaakMaaltafel(std::int32_t maximum, std::int32_t tafel);
Opgave MaakDeeltafel(std::int32_t maximum, std::int32_t tafel);
// The mixes: a subtraction with probability 101/200, otherwise an addition; a division with probability 101/200,
// otherwise a multiplication (one table, factor 1..9, or free below the maximum as the plain makers); all four with
// 99, 100, 100 and 101 chances in 400 for +, -, x and :.
Opgave MaakPlusOfMin(std::int32_t maximum, bool brug);
Opgave MaakMaalOfDeel(std::int32_t maximum, std::int32_t tafel);
Opgave MaakVierBewerkingen(std::int32_t maximum, bool brug);

// The operation choices as numbered by the mental-arithmetic module and the worksheets:
// 1 "+", 2 "-", 3 "+ en -", 4 "x", 5 ":", 6 "x en :", 7 all four.
enum class Bewerkingskeuze : int {
    Plus = 1,
    Min = 2,
    PlusOfMin = 3,
    Maal = 4,
    Deel = 5,
    MaalOfDeel = 6,
    Alles = 7,
};

// Calls the generator for a choice; multiplication and division are free exercises (tafel 0).
Opgave MaakBewerking(Bewerkingskeuze keuze, std::int32_t maximum, bool brug);

// The smallest maximum for which a choice always yields two different answers
// (3 for addition and subtraction, 6 as soon as free multiplication or division can come).
std::int32_t KleinsteMaximum(Bewerkingskeuze keuze);
