#include "plaatswaarde_tabel.h"

#include "opgave.h"

#include <algorithm>

namespace {

Trekking Trek(const Soortrij& rij)
{
    const Getal eerste = rij.eerste();
    const Getal rechts = rij.rechts(eerste);
    const Getal teken = rij.teken == '+' ? 1 : -1;
    if (rij.volgorde == Volgorde::UitkomstEerst)
        return {eerste - teken * rechts, rechts, eerste};
    return {eerste, rechts, eerste + teken * rechts};
}

Trekking Zoek(const Soortrij& rij)
{
    const bool anders = rij.vorige == Vorige::Anders;
    for (int poging = 1;; ++poging) {
        const Trekking o = Trek(rij);
        const bool nieuw = !anders || o.U != Opgave.VorigeUitkomst || poging > MaxPogingen;
        if ((nieuw && rij.voorwaarde(o)) || poging >= 2 * MaxPogingen)
            return o;
    }
}

} // namespace

void MaakPlaatswaarde(const Bereik& bereik, const std::string& soort)
{
    Opgave.Bewerking = "-";
    if (bereik.onthoudVorige)
        OnthoudVorigeUitkomst();
    const auto rij = std::ranges::find(bereik.rijen, std::string_view(soort), &Soortrij::code);
    if (rij != bereik.rijen.end()) {
        const Trekking o = Zoek(*rij);
        Opgave.Links = o.L;
        Opgave.Rechts = o.R;
        Opgave.Uitkomst = o.U;
        Opgave.Bewerking = std::string(1, rij->teken);
    }
    Opgave.Omschrijving.assign(bereik.voorvoegsel);
    Opgave.Omschrijving += soort;
}

std::vector<std::string> Codes(std::span<const Soortrij> rijen)
{
    std::vector<std::string> codes;
    for (const Soortrij& rij : rijen)
        codes.emplace_back(rij.code);
    return codes;
}
