#include "tafeloefening.h"

#include "toeval.h"

namespace {

// Any ticked table accepts at least 9 of its 10 draws, so a draw is good with a chance of 9/100 or
// more and this bound is never reached; it only keeps an empty table choice from hanging.
constexpr int MaxPogingen = 10000;

std::int32_t RandomFactor()
{
    return static_cast<std::int32_t>(RandomTot(10));
}

bool Goed(const Tafeloefening& oefening, const Tafels& tafels, std::int32_t vorige)
{
    return tafels[static_cast<std::size_t>(oefening.Rechts - 1)] && oefening.Uitkomst != vorige;
}

} // namespace

void MaakMaalOefening(Tafeloefening& oefening, const Tafels& tafels)
{
    const std::int32_t vorige = oefening.Uitkomst;
    oefening.Bewerking = 'x';
    for (int poging = 0; poging < MaxPogingen; ++poging) {
        oefening.Links = RandomFactor();
        oefening.Rechts = RandomFactor();
        oefening.Uitkomst = oefening.Links * oefening.Rechts;
        if (Goed(oefening, tafels, vorige))
            return;
    }
}

void MaakDeelOefening(Tafeloefening& oefening, const Tafels& tafels)
{
    const std::int32_t vorige = oefening.Uitkomst;
    oefening.Bewerking = ':';
    for (int poging = 0; poging < MaxPogingen; ++poging) {
        oefening.Rechts = RandomFactor();
        oefening.Uitkomst = RandomFactor();
        oefening.Links = oefening.Uitkomst * oefening.Rechts;
        if (Goed(oefening, tafels, vorige))
            return;
    }
}

void MaakTafelOefening(Tafeloefening& oefening, const Tafels& tafels)
{
    if (RandomTot(200) <= 100)
        MaakDeelOefening(oefening, tafels);
    else
        MaakMaalOefening(oefening, tafels);
}
