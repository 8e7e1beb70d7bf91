#include "tafels.h"

#include "toeval.h"

#include <algorithm>

namespace {

// A ticked table accepts at least 9 of its 10 draws with a new answer, so a draw is good with a chance of 9/100 or
// more and this bound is never reached; it only ends the search when no table is ticked.
constexpr int MaxPogingen = 10000;

std::int64_t RandomFactor()
{
    return RandomTot(10);
}

bool Aangevinkt(const Tafels& tafels, std::int64_t tafel)
{
    return tafel >= 1 && tafel <= std::ssize(tafels) && tafels[static_cast<std::size_t>(tafel - 1)];
}

Opgave Zoek(std::optional<Opgave> (*trek)(const Tafels&), const Tafels& tafels, std::int64_t vorige)
{
    for (int poging = 0; poging < MaxPogingen && std::ranges::any_of(tafels, std::identity {}); ++poging) {
        const std::optional<Opgave> opgave = trek(tafels);
        if (opgave && *opgave->Uitkomst != vorige)
            return *opgave;
    }
    return {};
}

} // namespace

std::optional<Opgave> TrekMaal(const Tafels& tafels)
{
    Opgave opgave;
    opgave.Bewerking = "x";
    opgave.Links = RandomFactor();
    opgave.Rechts = RandomFactor();
    opgave.Uitkomst = opgave.Links * opgave.Rechts;
    return Aangevinkt(tafels, opgave.Rechts) ? std::optional(opgave) : std::nullopt;
}

std::optional<Opgave> TrekDeel(const Tafels& tafels)
{
    Opgave opgave;
    opgave.Bewerking = ":";
    opgave.Rechts = RandomFactor();
    opgave.Uitkomst = RandomFactor();
    opgave.Links = *opgave.Uitkomst * opgave.Rechts;
    return Aangevinkt(tafels, opgave.Rechts) ? std::optional(opgave) : std::nullopt;
}

Opgave MaakMaalOefening(const Tafels& tafels, std::int64_t vorige)
{
    return Zoek(TrekMaal, tafels, vorige);
}

Opgave MaakDeelOefening(const Tafels& tafels, std::int64_t vorige)
{
    return Zoek(TrekDeel, tafels, vorige);
}

Opgave MaakTafelOefening(const Tafels& tafels, std::int64_t vorige)
{
    return RandomTot(200) <= 100 ? MaakDeelOefening(tafels, vorige) : MaakMaalOefening(tafels, vorige);
}

Tafeltrekking KiesBladTafeltrekking()
{
    return RandomTot(200) >= 100 ? TrekDeel : TrekMaal;
}
