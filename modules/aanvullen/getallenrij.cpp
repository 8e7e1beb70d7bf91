#include "getallenrij.h"

#include "toeval.h"

namespace {

bool Past(const Getallenrij& rij, std::int64_t maximum, std::int64_t interval, std::int64_t vorige)
{
    if (rij.getal == vorige)
        return false;
    if (interval > 0)
        return rij.rechts <= maximum && rij.links >= 0;
    return rij.rechts >= 0 && rij.links <= maximum;
}

} // namespace

Getallenrij MaakGetallenrij(std::int64_t maximum, std::int64_t interval, std::int64_t vorige)
{
    Getallenrij rij;
    do {
        rij.getal = RandomTot(maximum);
        rij.links = rij.getal - 2 * interval;
        rij.midden = rij.getal - interval;
        rij.rechts = rij.getal + interval;
    } while (!Past(rij, maximum, interval, vorige));
    return rij;
}
