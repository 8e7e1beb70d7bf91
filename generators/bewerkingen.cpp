#include "bewerkingen.h"

#include "opgave.h"
#include "toeval.h"

#include <cmath>
#include <string>

namespace {

// Per phase; the free division below 100000 needs a few thousand attempts on average.
constexpr int MaxPogingen = 1 << 16;

// One attempt: draws into Opgave and says whether it is acceptable.
// The flag says whether the answer must differ from the previous one.
using Poging = bool (*)(std::int64_t maximum, bool brugOfTafel, bool verschillend);

bool Verschilt(std::int64_t uitkomst, bool verschillend)
{
    return !verschillend || uitkomst != Opgave.VorigeUitkomst;
}

bool Zoek(Poging poging, std::int64_t maximum, bool keuze, bool verschillend)
{
    for (int i = 0; i < MaxPogingen; ++i) {
        if (poging(maximum, keuze, verschillend))
            return true;
    }
    return false;
}

// Tries the exact draws, then (if given) a direct construction for ranges where the exact draws
// almost never hit, first with and then without the previous-answer rule. Below `kleinste`
// no exercise of the kind exists, so nothing is drawn.
void Vul(Poging exact, Poging constructie, std::int64_t maximum, bool keuze, std::int64_t kleinste)
{
    for (const bool verschillend : {true, false}) {
        if (maximum < kleinste)
            break;
        if (Zoek(exact, maximum, keuze, verschillend))
            return;
        if (constructie && Zoek(constructie, maximum, keuze, verschillend))
            return;
    }
    Opgave.Links = 0;
    Opgave.Rechts = 0;
    Opgave.Uitkomst.reset();
}

bool BrugBijOptellen(std::int64_t l, std::int64_t r)
{
    for (auto cijfer : {Eenheden, Tientallen, Honderdtallen, Duizendtallen}) {
        if (cijfer(l) + cijfer(r) > 9)
            return true;
    }
    return false;
}

bool BrugBijAftrekken(std::int64_t l, std::int64_t r)
{
    for (auto cijfer : {Eenheden, Tientallen, Honderdtallen, Duizendtallen}) {
        if (cijfer(r) > cijfer(l))
            return true;
    }
    return false;
}

bool ProbeerOptelling(std::int64_t maximum, bool brug, bool verschillend)
{
    Opgave.Links = RandomTot(maximum);
    Opgave.Rechts = RandomTot(maximum);
    const std::int64_t u = Opgave.Links + Opgave.Rechts;
    Opgave.Uitkomst = u;
    return (brug || !BrugBijOptellen(Opgave.Links, Opgave.Rechts)) && u <= maximum && Verschilt(u, verschillend);
}

bool ProbeerAftrekking(std::int64_t maximum, bool brug, bool verschillend)
{
    Opgave.Links = RandomTot(maximum);
    Opgave.Rechts = RandomTot(maximum);
    const std::int64_t u = Opgave.Links - Opgave.Rechts;
    Opgave.Uitkomst = u;
    return (brug || !BrugBijAftrekken(Opgave.Links, Opgave.Rechts)) && u > 0 && Verschilt(u, verschillend);
}

bool ProbeerVermenigvuldiging(std::int64_t maximum, bool, bool verschillend)
{
    Opgave.Links = RandomTot(maximum) + 1;
    Opgave.Rechts = RandomTot(maximum) + 1;
    const std::int64_t u = Opgave.Links * Opgave.Rechts;
    Opgave.Uitkomst = u;
    return u <= maximum && Verschilt(u, verschillend);
}

// Large maxima: a first factor 2..maximum/2, then a second that keeps the product within range.
bool BouwVermenigvuldiging(std::int64_t maximum, bool, bool verschillend)
{
    Opgave.Links = RandomTot(maximum / 2 - 1) + 1;
    Opgave.Rechts = RandomTot(maximum / Opgave.Links - 1) + 1;
    const std::int64_t u = Opgave.Links * Opgave.Rechts;
    Opgave.Uitkomst = u;
    return Verschilt(u, verschillend);
}

bool ProbeerDeling(std::int64_t maximum, bool, bool verschillend)
{
    Opgave.Links = RandomTot(maximum);
    Opgave.Rechts = static_cast<std::int64_t>(std::floor(Rnd() * (static_cast<double>(maximum) / 2.0))) + 2;
    const double u = static_cast<double>(Opgave.Links) / static_cast<double>(Opgave.Rechts);
    Opgave.Uitkomst = static_cast<std::int64_t>(u);
    return u > 1 && u == std::floor(u) && Verschilt(*Opgave.Uitkomst, verschillend);
}

// Large maxima: a divisor 2..maximum/2, then a quotient of at least 2 that keeps Links within range.
bool BouwDeling(std::int64_t maximum, bool, bool verschillend)
{
    Opgave.Rechts = RandomTot(maximum / 2 - 1) + 1;
    const std::int64_t q = RandomTot(maximum / Opgave.Rechts - 1) + 1;
    Opgave.Links = q * Opgave.Rechts;
    Opgave.Uitkomst = q;
    return Verschilt(q, verschillend);
}

std::string TotMaximum(const char* tekst, std::int32_t maximum)
{
    return tekst + std::to_string(maximum);
}

} // namespace

void MaakOptelling(std::int32_t maximum, bool brug)
{
    OnthoudVorigeUitkomst();
    Vul(ProbeerOptelling, nullptr, maximum, brug, 2);
    Opgave.Omschrijving = TotMaximum(brug ? "Optelling met brug tot " : "Optelling zonder brug tot ", maximum);
    Opgave.Bewerking = "+";
}

void MaakAftrekking(std::int32_t maximum, bool brug)
{
    OnthoudVorigeUitkomst();
    Vul(ProbeerAftrekking, nullptr, maximum, brug, 2);
    Opgave.Omschrijving = TotMaximum(brug ? "Aftrekking met brug tot " : "Aftrekking zonder brug tot ", maximum);
    Opgave.Bewerking = "-";
}

void MaakMaaltafel(std::int32_t maximum, std::int32_t tafel)
{
    OnthoudVorigeUitkomst();
    if (tafel != 0) {
        Opgave.Links = RandomCijfer();
        Opgave.Rechts = tafel;
        Opgave.Uitkomst = Opgave.Links * Opgave.Rechts;
        Opgave.Omschrijving = "Maaltafel van " + std::to_string(tafel);
    } else {
        Vul(ProbeerVermenigvuldiging, BouwVermenigvuldiging, maximum, false, 4);
        Opgave.Omschrijving = TotMaximum("Vermenigvuldiging tot ", maximum);
    }
    Opgave.Bewerking = "x";
}

void MaakDeeltafel(std::int32_t maximum, std::int32_t tafel)
{
    OnthoudVorigeUitkomst();
    if (tafel != 0) {
        Opgave.Uitkomst = RandomCijfer();
        Opgave.Rechts = tafel;
        Opgave.Links = Opgave.Rechts * *Opgave.Uitkomst;
        Opgave.Omschrijving = "Deeltafel van " + std::to_string(tafel);
    } else {
        Vul(ProbeerDeling, BouwDeling, maximum, false, 4);
        Opgave.Omschrijving = TotMaximum("Deling tot ", maximum);
    }
    Opgave.Bewerking = ":";
}

void MaakPlusOfMin(std::int32_t maximum, bool brug)
{
    if (RandomTot(200) < 100)
        MaakOptelling(maximum, brug);
    else
        MaakAftrekking(maximum, brug);
}

void MaakMaalOfDeel(std::int32_t maximum, std::int32_t tafel)
{
    if (RandomTot(200) < 100)
        MaakMaaltafel(maximum, tafel);
    else
        MaakDeeltafel(maximum, tafel);
}

void MaakVierBewerkingen(std::int32_t maximum, bool brug)
{
    const std::int64_t k = RandomTot(400);
    if (k < 100)
        MaakOptelling(maximum, brug);
    else if (k < 200)
        MaakAftrekking(maximum, brug);
    else if (k < 300)
        MaakMaaltafel(maximum, 0);
    else
        MaakDeeltafel(maximum, 0);
}

void MaakBewerking(Bewerkingskeuze keuze, std::int32_t maximum, bool brug)
{
    switch (keuze) {
    case Bewerkingskeuze::Plus:
        return MaakOptelling(maximum, brug);
    case Bewerkingskeuze::Min:
        return MaakAftrekking(maximum, brug);
    case Bewerkingskeuze::PlusOfMin:
        return MaakPlusOfMin(maximum, brug);
    case Bewerkingskeuze::Maal:
        return MaakMaaltafel(maximum, 0);
    case Bewerkingskeuze::Deel:
        return MaakDeeltafel(maximum, 0);
    case Bewerkingskeuze::MaalOfDeel:
        return MaakMaalOfDeel(maximum, 0);
    case Bewerkingskeuze::Alles:
        return MaakVierBewerkingen(maximum, brug);
    }
}

std::int32_t KleinsteMaximum(Bewerkingskeuze keuze)
{
    return static_cast<int>(keuze) <= static_cast<int>(Bewerkingskeuze::PlusOfMin) ? 3 : 6;
}
