#include "plaatswaarde.h"
#include "plaatswaarde_tabel.h"

#include "opgave.h"
#include "toeval.h"

namespace {

using enum Volgorde;
using enum Vorige;

// d: a digit 1..9; t: a two-digit number 11..99 without a zero digit.
constexpr auto d = RandomCijfer;
constexpr auto t = RandomTweecijferig;

// In this range the tens can only hold 1: "T" is 10 and "TE" is 11..19.
constexpr Soortrij Twintig[] = {
    {"T+E", '+', LinksEerst, [] { return Getal {10}; }, [](Getal) { return d(); }, Geen, Anders},
    {"E+T", '+', LinksEerst, [] { return d(); }, [](Getal) { return Getal {10}; }, Geen, Anders},
    {"TE+E", '+', LinksEerst, [] { return 10 + d(); }, [](Getal) { return d(); }, [](Trekking o) { return o.U < 20; },
        Anders},
    {"20-E", '-', LinksEerst, [] { return Getal {20}; }, [](Getal) { return d(); }, Geen, Anders},
    {"20-TE", '-', LinksEerst, [] { return Getal {20}; }, [](Getal) { return 10 + d(); }, Geen, Anders},
    {"TE-Ezb", '-', LinksEerst, [] { return 10 + d(); }, [](Getal) { return d(); }, [](Trekking o) { return o.U > 10; },
        Anders},
    {"E+TE", '+', LinksEerst, [] { return d(); }, [](Getal) { return 10 + d(); }, [](Trekking o) { return o.U <= 20; },
        Anders},
    {"TE-TE", '-', LinksEerst, [] { return 10 + d(); }, [](Getal) { return 10 + d(); },
        [](Trekking o) { return o.U > 0; }, Anders},
    {"E+E", '+', LinksEerst, [] { return d(); }, [](Getal) { return d(); }, [](Trekking o) { return o.U > 10; },
        Anders},
    {"TE-Emb", '-', LinksEerst, [] { return 10 + d(); }, [](Getal) { return d(); }, [](Trekking o) { return o.U < 10; },
        Anders},
};

constexpr Soortrij Honderd[] = {
    {"T+T", '+', LinksEerst, [] { return 10 * d(); }, [](Getal) { return 10 * d(); },
        [](Trekking o) { return o.U < 101; }, Anders},
    {"T-T", '-', LinksEerst, [] { return 10 * d(); }, [](Getal) { return 10 * d(); },
        [](Trekking o) { return o.U > 0; }, Anders},
    {"T+E", '+', LinksEerst, [] { return 10 * d(); }, [](Getal) { return d(); }, Geen, Anders},
    {"E+T", '+', LinksEerst, [] { return d(); }, [](Getal) { return 10 * d(); }, Geen, Anders},
    {"TE-E=T", '-', LinksEerst, [] { return t(); }, [](Getal l) { return Eenheden(l); }, Geen, Anders},
    {"TE-T=E", '-', LinksEerst, [] { return t(); }, [](Getal l) { return 10 * Tientallen(l); }, Geen, Anders},
    {"T+TE", '+', LinksEerst, [] { return 10 * d(); }, [](Getal) { return t(); }, [](Trekking o) { return o.U < 101; },
        Anders},
    {"TE+T", '+', LinksEerst, [] { return t(); }, [](Getal) { return 10 * d(); }, [](Trekking o) { return o.U < 101; },
        Anders},
    {"TE+E", '+', LinksEerst, [] { return t(); }, [](Getal) { return d(); },
        [](Trekking o) { return Eenheden(o.L) + o.R <= 10; }, Anders},
    {"E+TE", '+', LinksEerst, [] { return d(); }, [](Getal) { return t(); },
        [](Trekking o) { return o.L + Eenheden(o.R) <= 10; }, Anders},
    {"TE-E", '-', LinksEerst, [] { return t(); }, [](Getal) { return d(); },
        [](Trekking o) { return Eenheden(o.L) > o.R; }, Anders},
    {"TE+TE", '+', LinksEerst, [] { return t(); }, [](Getal) { return t(); },
        [](Trekking o) { return Eenheden(o.L) + Eenheden(o.R) <= 10 && o.U <= 100; }, Anders},
    {"TE-TE", '-', LinksEerst, [] { return t(); }, [](Getal) { return t(); },
        [](Trekking o) { return Eenheden(o.L) > Eenheden(o.R) && o.U > 0; }, Anders},
    // k is RandomTot(8), a whole number 1..8 straight from the random source.
    {"TE-T=TE", '-', LinksEerst, [] { return t(); }, [](Getal) { return 10 * RandomTot(8); },
        [](Trekking o) { return o.U > 10; }, Anders},
    {"TE+E=T", '+', LinksEerst, [] { return t(); }, [](Getal l) { return 10 - Eenheden(l); }, Geen, Anders},
    {"TE+TE=T", '+', LinksEerst, [] { return t(); }, [](Getal l) { return 10 * d() + (10 - Eenheden(l)); },
        [](Trekking o) { return o.U <= 100; }, Anders},
    {"TE-TE=T", '-', LinksEerst, [] { return t(); }, [](Getal l) { return 10 * d() + Eenheden(l); },
        [](Trekking o) { return o.U > 0; }, Anders},
    {"T-E", '-', LinksEerst, [] { return 10 * d(); }, [](Getal) { return d(); }, Geen, Anders},
    {"T-TE", '-', LinksEerst, [] { return 10 * d(); }, [](Getal) { return t(); }, [](Trekking o) { return o.U > 0; },
        Anders},
    {"TE+Emb", '+', LinksEerst, [] { return t(); }, [](Getal) { return d(); },
        [](Trekking o) { return Eenheden(o.L) + o.R > 10 && o.U <= 100; }, Anders},
    {"E+TEmb", '+', LinksEerst, [] { return d(); }, [](Getal) { return t(); },
        [](Trekking o) { return o.L + Eenheden(o.R) > 10 && o.U <= 100; }, Anders},
    {"TE-Emb", '-', LinksEerst, [] { return t(); }, [](Getal) { return d(); },
        [](Trekking o) { return Eenheden(o.L) < o.R; }, Anders},
    {"TE+TEmb", '+', LinksEerst, [] { return t(); }, [](Getal) { return t(); },
        [](Trekking o) { return Eenheden(o.L) + Eenheden(o.R) > 10 && o.U <= 100; }, Anders},
    {"TE-TEmb", '-', LinksEerst, [] { return t(); }, [](Getal) { return t(); },
        [](Trekking o) { return Eenheden(o.L) < Eenheden(o.R) && o.U > 0; }, Anders},
    {"H-T", '-', LinksEerst, [] { return Getal {100}; }, [](Getal) { return 10 * d(); }, Geen, Anders},
    {"H-E", '-', LinksEerst, [] { return Getal {100}; }, [](Getal) { return d(); }, Geen, Anders},
    {"H-TE", '-', LinksEerst, [] { return Getal {100}; }, [](Getal) { return t(); }, Geen, Anders},
};

constexpr Bereik TwintigBereik {"20/", Twintig, true};
constexpr Bereik HonderdBereik {"100/", Honderd, true};

} // namespace

Opgave MaakTwintig(const std::string& soort)
{
    return MaakPlaatswaarde(TwintigBereik, soort);
}

void DoorloopTwintig(const std::string& soort, const Opgavebezoek& bezoek)
{
    DoorloopPlaatswaarde(TwintigBereik, soort, bezoek);
}

Opgave MaakHonderd(const std::string& soort)
{
    return MaakPlaatswaarde(HonderdBereik, soort);
}

void DoorloopHonderd(const std::string& soort, const Opgavebezoek& bezoek)
{
    DoorloopPlaatswaarde(HonderdBereik, soort, bezoek);
}

const std::vector<std::string>& SoortenTwintig()
{
    static const std::vector<std::string> codes = Codes(Twintig);
    return codes;
}

const std::vector<std::string>& SoortenHonderd()
{
    static const std::vector<std::string> codes = Codes(Honderd);
    return codes;
}
