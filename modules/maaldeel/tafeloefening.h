#pragma once

#include <array>
#include <cstdint>

// Which of the tables 1..10 are practised: Tafels[t - 1] for the table of t.
using Tafels = std::array<bool, 10>;

// The times-table exercise on screen. It lives in the window, not in the shared exercise record, so
// "a different answer than the last one" means the last answer of this window.
struct Tafeloefening
{
    std::int32_t Links = 0;
    std::int32_t Rechts = 0;
    char Bewerking = 'x'; // 'x' or ':'
    std::int32_t Uitkomst = 0;
};

// Each replaces `oefening` by a new exercise of a ticked table whose answer differs from the one it
// held. The ticked table is the right operand: 7 x 3 and 21 : 3 for the table of 3.
void MaakMaalOefening(Tafeloefening& oefening, const Tafels& tafels);
void MaakDeelOefening(Tafeloefening& oefening, const Tafels& tafels);
// A division or a multiplication, each with probability 1/2.
void MaakTafelOefening(Tafeloefening& oefening, const Tafels& tafels);
