#pragma once

#include <cstdint>

// Four numbers of a row with a constant step (the interval, negative for a falling row); the third is missing
// and is the answer.
struct Getallenrij
{
    std::int64_t links = 0;
    std::int64_t midden = 0;
    std::int64_t getal = 0; // the missing number
    std::int64_t rechts = 0;
};

// A row whose four numbers all lie in 0..maximum, its missing number 1..maximum and not `vorige`, drawn at random
// until one fits. With maximum >= 4 and |interval| <= maximum / 4 at least two missing numbers fit, so the
// drawing ends; each try fits with a chance of at least one in four.
Getallenrij MaakGetallenrij(std::int64_t maximum, std::int64_t interval, std::int64_t vorige);
