#include "plaatswaarde_tabel.h"

#include "toeval.h"
#include "werkopgave.h"

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
        const bool nieuw = !anders || o.U != Werkopgave().VorigeUitkomst || poging > MaxPogingen;
        if ((nieuw && rij.voorwaarde(o)) || poging >= 2 * MaxPogingen)
            return o;
    }
}

const Soortrij* ZoekRij(const Bereik& bereik, const std::string& soort)
{
    const auto rij = std::ranges::find(bereik.rijen, std::string_view(soort), &Soortrij::code);
    return rij != bereik.rijen.end() ? &*rij : nullptr;
}

} // namespace

Opgave MaakPlaatswaarde(const Bereik& bereik, const std::string& soort)
{
    Opgave& opgave = Werkopgave();
    opgave.Bewerking = "-";
    if (bereik.onthoudVorige)
        OnthoudVorigeUitkomst();
    if (const Soortrij* rij = ZoekRij(bereik, soort)) {
        const Trekking o = Zoek(*rij);
        opgave.Links = o.L;
        opgave.Rechts = o.R;
        opgave.Uitkomst = o.U;
        opgave.Bewerking = std::string(1, rij->teken);
    }
    opgave.Omschrijving.assign(bereik.voorvoegsel);
    opgave.Omschrijving += soort;
    return opgave;
}

// The generator's retries only repeat draws; the draws that meet the condition are the exercises it can give.
void DoorloopPlaatswaarde(const Bereik& bereik, const std::string& soort, const Opgavebezoek& bezoek)
{
    const Soortrij* rij = ZoekRij(bereik, soort);
    if (!rij)
        return;
    ElkeTrekking([&] {
        const Trekking o = Trek(*rij);
        if (rij->voorwaarde(o))
            bezoek(o.L, rij->teken, o.R);
    });
}

std::vector<std::string> Codes(std::span<const Soortrij> rijen)
{
    std::vector<std::string> codes;
    for (const Soortrij& rij : rijen)
        codes.emplace_back(rij.code);
    return codes;
}
