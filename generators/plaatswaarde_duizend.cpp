#include "plaatswaarde.h"
#include "plaatswaarde_tabel.h"

#include "opgave.h"

namespace {

using enum Volgorde;
using enum Vorige;

// d: a digit 1..9; t: 11..99 and h: 111..999, both without a zero digit.
constexpr auto d = RandomCijfer;
constexpr auto t = RandomTweecijferig;
constexpr auto h = RandomDriecijferig;

constexpr Soortrij Duizend[] = {
    {"H+H", '+', LinksEerst, [] { return 100 * d(); }, [](Getal) { return 100 * d(); },
        [](Trekking o) { return o.U < 1000; }, Anders},
    {"H-H", '-', LinksEerst, [] { return 100 * d(); }, [](Getal) { return 100 * d(); },
        [](Trekking o) { return o.U > 0; }, Anders},
    {"H+T", '+', LinksEerst, [] { return 100 * d(); }, [](Getal) { return 10 * d(); },
        [](Trekking o) { return o.U < 1000; }, Anders},
    {"H+E", '+', LinksEerst, [] { return 100 * d(); }, [](Getal) { return d(); }, Geen, Anders},
    {"H+TE", '+', LinksEerst, [] { return 100 * d(); }, [](Getal) { return t(); }, Geen, Anders},
    {"H+HTE", '+', LinksEerst, [] { return 100 * d(); }, [](Getal) { return h(); },
        [](Trekking o) { return o.U < 1000; }, Anders},
    // A left operand "HT" is ten times a two-digit number: units 0.
    {"HT+E", '+', LinksEerst, [] { return 10 * t(); }, [](Getal) { return d(); }, Geen, Anders},
    {"HT+T", '+', LinksEerst, [] { return 10 * t(); }, [](Getal) { return 10 * d(); },
        [](Trekking o) { return Tientallen(o.L) + Tientallen(o.R) < 10; }, Anders},
    {"HT-T", '-', LinksEerst, [] { return 10 * t(); }, [](Getal) { return 10 * d(); },
        [](Trekking o) { return 10 * Tientallen(o.L) > o.R; }, Anders},
    {"HTE+E", '+', LinksEerst, [] { return h(); }, [](Getal) { return d(); },
        [](Trekking o) { return Eenheden(o.L) + o.R < 10; }, Anders},
    {"HTE-E", '-', LinksEerst, [] { return h(); }, [](Getal) { return d(); },
        [](Trekking o) { return Eenheden(o.L) > o.R; }, Anders},
    {"HTE+TE", '+', LinksEerst, [] { return h(); }, [](Getal) { return t(); },
        [](Trekking o) { return Eenheden(o.L) + Eenheden(o.R) < 10 && Tientallen(o.L) + Tientallen(o.R) < 10; },
        Anders},
    {"HTE+HTE", '+', LinksEerst, [] { return h(); }, [](Getal) { return h(); },
        [](Trekking o) {
            return Eenheden(o.L) + Eenheden(o.R) < 10 && Tientallen(o.L) + Tientallen(o.R) < 10 && o.U < 1000;
        },
        Anders},
    {"HTE-HTE", '-', LinksEerst, [] { return h(); }, [](Getal) { return h(); },
        [](Trekking o) {
            return Honderdtallen(o.L) >= Honderdtallen(o.R) && Eenheden(o.L) >= Eenheden(o.R)
                && Tientallen(o.L) >= Tientallen(o.R) && o.U > 0;
        },
        Anders},
    {"D-H", '-', LinksEerst, [] { return Getal {1000}; }, [](Getal) { return 100 * d(); }, Geen, Anders},
    {"D-T", '-', LinksEerst, [] { return Getal {1000}; }, [](Getal) { return 10 * d(); }, Geen, Anders},
    {"D-HT", '-', LinksEerst, [] { return Getal {1000}; }, [](Getal) { return 10 * t(); }, Geen, Anders},
    {"D-E", '-', LinksEerst, [] { return Getal {1000}; }, [](Getal) { return d(); }, Geen, Anders},
    {"D-TE", '-', LinksEerst, [] { return Getal {1000}; }, [](Getal) { return t(); }, Geen, Anders},
    {"D-HTE", '-', LinksEerst, [] { return Getal {1000}; }, [](Getal) { return h(); }, Geen, Anders},
    {"HTE-TE", '-', LinksEerst, [] { return h(); }, [](Getal) { return t(); },
        [](Trekking o) { return Tientallen(o.L) > Tientallen(o.R) && Eenheden(o.L) > Eenheden(o.R); }, Anders},
    {"H-T", '-', LinksEerst, [] { return 100 * d(); }, [](Getal) { return 10 * d(); }, Geen, Anders},
    {"H-E", '-', LinksEerst, [] { return 100 * d(); }, [](Getal) { return d(); }, Geen, Anders},
    {"H-TE", '-', LinksEerst, [] { return 100 * d(); }, [](Getal) { return t(); }, Geen, Anders},
    {"H-HTE", '-', LinksEerst, [] { return 100 * d(); }, [](Getal) { return h(); }, [](Trekking o) { return o.U > 0; },
        Anders},
    // Tens 0 on the left, so the subtraction always borrows from the hundreds.
    {"HE-T", '-', LinksEerst, [] { return Cijfers(100, 1); }, [](Getal) { return 10 * d(); }, Geen, Anders},
    {"HTE+Emb", '+', LinksEerst, [] { return h(); }, [](Getal) { return d(); },
        [](Trekking o) { return Eenheden(o.L) + o.R > 10 && o.U < 1000; }, Anders},
    {"HTE-Emb", '-', LinksEerst, [] { return h(); }, [](Getal) { return d(); },
        [](Trekking o) { return Eenheden(o.L) < o.R; }, Anders},
    {"HT+Tmb", '+', LinksEerst, [] { return 10 * t(); }, [](Getal) { return 10 * d(); },
        [](Trekking o) { return 10 * Tientallen(o.L) + o.R > 100 && o.U < 1000; }, Anders},
    {"HT-Tmb", '-', LinksEerst, [] { return 10 * t(); }, [](Getal) { return 10 * d(); },
        [](Trekking o) { return 10 * Tientallen(o.L) < o.R; }, Anders},
    {"HTE+TEmb", '+', LinksEerst, [] { return h(); }, [](Getal) { return t(); },
        [](Trekking o) {
            return Eenheden(o.L) + Eenheden(o.R) > 10 && Tientallen(o.L) + Tientallen(o.R) > 10 && o.U < 1000;
        },
        Anders},
    {"HTE-TEmb", '-', LinksEerst, [] { return h(); }, [](Getal) { return t(); },
        [](Trekking o) { return Eenheden(o.R) > Eenheden(o.L) && Tientallen(o.R) > Tientallen(o.L); }, Anders},
    {"HTE+TE=H", '+', UitkomstEerst, [] { return 100 * d(); }, [](Getal) { return t(); },
        [](Trekking o) { return Honderdtallen(o.L) > 0 && Tientallen(o.L) > 0; }, Anders},
    // Rechts is 10·t2 + d: the same three draws as h.
    {"HTE+HTE=HT", '+', UitkomstEerst, [] { return 10 * t(); }, [](Getal) { return h(); },
        [](Trekking o) { return o.L > 100 && o.R > 100 && o.U > o.R; }, Vrij},
    // Rechts is 10·t + d2: the same three draws as h.
    {"HTE+HTE=H", '+', UitkomstEerst, [] { return 100 * d(); }, [](Getal) { return h(); },
        [](Trekking o) { return o.L > 100 && o.R > 100; }, Vrij},
};

constexpr Bereik DuizendBereik {"1000/", Duizend, true};

} // namespace

Opgave MaakDuizend(const std::string& soort)
{
    return MaakPlaatswaarde(DuizendBereik, soort);
}

void DoorloopDuizend(const std::string& soort, const Opgavebezoek& bezoek)
{
    DoorloopPlaatswaarde(DuizendBereik, soort, bezoek);
}

const std::vector<std::string>& SoortenDuizend()
{
    static const std::vector<std::string> codes = Codes(Duizend);
    return codes;
}
