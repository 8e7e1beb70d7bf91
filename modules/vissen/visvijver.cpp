#include "visvijver.h"

#include "toeval.h"

namespace {

struct Plek
{
    int links;
    int boven;
};

constexpr std::array<Plek, Visvijver::Aantal> Startplekken {{{1080, 600}, {600, 1560}, {2760, 480}, {2160, 2040},
    {3840, 480}, {3840, 2160}, {5040, 240}, {4605, 1365}, {5880, 840}, {6000, 2040}}};

// A multiple of the step from Stap up to the room minus the margin, each equally likely: the same choice as drawing
// 1..room until a multiple turns up, from one random number.
int NieuweDoelwaarde(int ruimte)
{
    return Visvijver::Stap * static_cast<int>(RandomTot((ruimte - Visvijver::Marge) / Visvijver::Stap));
}

// One axis of one fish: a step towards the target, or a new target and no step.
void Beweeg(int& plek, int& doel, int ruimte)
{
    if (plek == doel)
        doel = NieuweDoelwaarde(ruimte);
    else
        plek += doel > plek ? Visvijver::Stap : -Visvijver::Stap;
}

} // namespace

Visvijver::Visvijver()
{
    for (std::size_t i = 0; i < m_vissen.size(); ++i) {
        Vis& vis = m_vissen[i];
        vis = {Startplekken[i].links, Startplekken[i].boven, 0, 0, false};
        vis.doelX = NieuweDoelwaarde(Breedte);
        vis.doelY = NieuweDoelwaarde(Hoogte);
    }
    NieuwDoel();
}

void Visvijver::Tik()
{
    for (Vis& vis : m_vissen) {
        if (vis.links != vis.doelX)
            vis.naarRechts = vis.doelX > vis.links;
        Beweeg(vis.links, vis.doelX, Breedte);
        Beweeg(vis.boven, vis.doelY, Hoogte);
    }
}

bool Visvijver::Vang(int index)
{
    if (index + 1 != m_doelgetal)
        return false;
    ++m_goedeVissen;
    NieuwDoel();
    return true;
}

void Visvijver::NieuwDoel()
{
    m_doelgetal = static_cast<int>(RandomTot(Aantal));
}
