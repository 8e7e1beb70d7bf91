#pragma once

#include "opgave.h"
#include "plaatswaarde.h"

#include <concepts>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// Building blocks of the place-value tables: each kind is one row that says what it draws, its operator,
// its condition and whether its answer must differ from the previous one.

using Getal = std::int64_t;

struct Trekking
{
    Getal L = 0;
    Getal R = 0;
    Getal U = 0;
};

enum class Volgorde {
    LinksEerst,
    UitkomstEerst, // Links = Uitkomst - Rechts, so the answer has the shape the kind practises
};

enum class Vorige {
    Anders, // the answer must differ from VorigeUitkomst
    Vrij,
};

struct Soortrij
{
    std::string_view code;
    char teken; // '+' or '-'
    Volgorde volgorde;
    Getal (*eerste)(); // draws Links, or Uitkomst when the answer comes first
    Getal (*rechts)(Getal eerste); // draws Rechts after it; some kinds build it from the first value
    bool (*voorwaarde)(Trekking);
    Vorige vorige;
};

struct Bereik
{
    std::string_view voorvoegsel; // of Omschrijving, e.g. "100/"
    std::span<const Soortrij> rijen;
    bool onthoudVorige; // refresh VorigeUitkomst at entry
};

// Every kind accepts within a few dozen attempts; the bound only keeps a row that can never be met from
// hanging. After MaxPogingen attempts the previous answer may come again; after twice as many the last
// draw is kept as it is, even if it misses the condition (its Uitkomst is still Links op Rechts).
inline constexpr int MaxPogingen = 100000;

// Makes one exercise of the kind `soort`; for an unknown code only Bewerking ("-"), Omschrijving (and
// VorigeUitkomst where the range refreshes it) are new.
Opgave MaakPlaatswaarde(const Bereik& bereik, const std::string& soort);

// Every draw of the kind `soort` that meets its condition, as DoorloopTwintig and the others promise.
void DoorloopPlaatswaarde(const Bereik& bereik, const std::string& soort, const Opgavebezoek& bezoek);

std::vector<std::string> Codes(std::span<const Soortrij> rijen);

// A number with a random digit 1..9 at each given place, drawn in the order written:
// Cijfers(1000, 100) is 1000·d1 + 100·d2.
Getal Cijfers(std::integral auto... plaatsen)
{
    Getal som = 0;
    ((som += plaatsen * RandomCijfer()), ...);
    return som;
}

constexpr bool Geen(Trekking)
{
    return true;
}
