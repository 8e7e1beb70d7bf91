#include "bewerkingen.h"

#include "toeval.h"
#include "werkopgave.h"

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
    return !verschillend || uitkomst != Werkopgave().VorigeUitkomst;
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
    Opgave& opgave = Werkopgave();
    for (const bool verschillend : {true, false}) {
        if (maximum < kleinste)
            break;
        if (Zoek(exact, maximum, keuze, verschillend))
            return;
        if (constructie && Zoek(constructie, maximum, keuze, verschillend))
            return;
    }
    opgave.Links = 0;
    opgave.Rechts = 0;
    opgave.Uitkomst.reset();
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
    Opgave& opgave = Werkopgave();
    opgave.Links = RandomTot(maximum);
    opgave.Rechts = RandomTot(maximum);
    const std::int64_t u = opgave.Links + opgave.Rechts;
    opgave.Uitkomst = u;
    return (brug || !BrugBijOptellen(opgave.Links, opgave.Rechts)) && u <= maximum && Verschilt(u, verschillend);
}

bool ProbeerAftrekking(std::int64_t maximum, bool brug, bool verschillend)
{
    Opgave& opgave = Werkopgave();
    opgave.Links = RandomTot(maximum);
    opgave.Rechts = RandomTot(maximum);
    const std::int64_t u = opgave.Links - opgave.Rechts;
    opgave.Uitkomst = u;
    return (brug || !BrugBijAftrekken(opgave.Links, opgave.Rechts)) && u > 0 && Verschilt(u, verschillend);
}

bool ProbeerVermenigvuldiging(std::int64_t maximum, bool, bool verschillend)
{
    Opgave& opgave = Werkopgave();
    opgave.Links = RandomTot(maximum) + 1;
    opgave.Rechts = RandomTot(maximum) + 1;
    const std::int64_t u = opgave.Links * opgave.Rechts;
    opgave.Uitkomst = u;
    return u <= maximum && Verschilt(u, verschillend);
}

// Large maxima: a first factor 2..maximum/2, then a second that keeps the product within range.
bool BouwVermenigvuldiging(std::int64_t maximum, bool, bool verschillend)
{
    Opgave& opgave = Werkopgave();
    opgave.Links = RandomTot(maximum / 2 - 1) + 1;
    opgave.Rechts = RandomTot(maximum / opgave.Links - 1) + 1;
    const std::int64_t u = opgave.Links * opgave.Rechts;
    opgave.Uitkomst = u;
    return Verschilt(u, verschillend);
}

bool ProbeerDeling(std::int64_t maximum, bool, bool verschillend)
{
    Opgave& opgave = Werkopgave();
    opgave.Links = RandomTot(maximum);
    opgave.Rechts = static_cast<std::int64_t>(std::floor(Rnd() * (static_cast<double>(maximum) / 2.0))) + 2;
    const double u = static_cast<double>(opgave.Links) / static_cast<double>(opgave.Rechts);
    opgave.Uitkomst = static_cast<std::int64_t>(u);
    return u > 1 && u == std::floor(u) && Verschilt(*opgave.Uitkomst, verschillend);
}

// Large maxima: a divisor 2..maximum/2, then a quotient of at least 2 that keeps Links within range.
bool BouwDeling(std::int64_t maximum, bool, bool verschillend)
{
    Opgave& opgave = Werkopgave();
    opgave.Rechts = RandomTot(maximum / 2 - 1) + 1;
    const std::int64_t q = RandomTot(maximum / opgave.Rechts - 1) + 1;
    opgave.Links = q * opgave.Rechts;
    opgave.Uitkomst = q;
    return Verschilt(q, verschillend);
}

std::string TotMaximum(const char* tekst, std::int32_t maximum)
{
    return tekst + std::to_string(maximum);
}

} // namespace

Opgave MaakOptelling(std::int32_t maximum, bool brug)
{
    Opgave& opgave = Werkopgave();
    OnthoudVorigeUitkomst();
    Vul(ProbeerOptelling, nullptr, maximum, brug, 2);
    opgave.Omschrijving = TotMaximum(brug ? "Optelling met brug tot " : "Optelling zonder brug tot ", maximum);
    opgave.Bewerking = "+";
    return opgave;
}

Opgave MaakAftrekking(std::int32_t maximum, bool brug)
{
    Opgave& opgave = Werkopgave();
    OnthoudVorigeUitkomst();
    Vul(ProbeerAftrekking, nullptr, maximum, brug, 2);
    opgave.Omschrijving = TotMaximum(brug ? "Aftrekking met brug tot " : "Aftrekking zonder brug tot ", maximum);
    opgave.Bewerking = "-";
    return opgave;
}

Opgave MaakMaaltafel(std::int32_t maximum, std::int32_t tafel)
{
    Opgave& opgave = Werkopgave();
    OnthoudVorigeUitkomst();
    if (tafel != 0) {
        opgave.Links = RandomCijfer();
        opgave.Rechts = tafel;
        opgave.Uitkomst = opgave.Links * opgave.Rechts;
        opgave.Omschrijving = "Maaltafel van " + std::to_string(tafel);
    } else {
        Vul(ProbeerVermenigvuldiging, BouwVermenigvuldiging, maximum, false, 4);
        opgave.Omschrijving = TotMaximum("Vermenigvuldiging tot ", maximum);
    }
    opgave.Bewerking = "x";
    return opgave;
}

Opgave MaakDeeltafel(std::int32_t maximum, std::int32_t tafel)
{
    Opgave& opgave = Werkopgave();
    OnthoudVorigeUitkomst();
    if (tafel != 0) {
        opgave.Uitkomst = RandomCijfer();
        opgave.Rechts = tafel;
        opgave.Links = opgave.Rechts * *opgave.Uitkomst;
        opgave.Omschrijving = "Deeltafel van " + std::to_string(tafel);
    } else {
        Vul(ProbeerDeling, BouwDeling, maximum, false, 4);
        opgave.Omschrijving = TotMaximum("Deling tot ", maximum);
    }
    opgave.Bewerking = ":";
    return opgave;
}

Opgave MaakPlusOfMin(std::int32_t maximum, bool brug)
{
    return RandomTot(200) < 100 ? MaakOptelling(maximum, brug) : MaakAftrekking(maximum, brug);
}

Opgave MaakMaalOfDeel(std::int32_t maximum, std::int32_t tafel)
{
    return RandomTot(200) < 100 ? MaakMaaltafel(maximum, tafel) : MaakDeeltafel(maximum, tafel);
}

Opgave MaakVierBewerkingen(std::int32_t maximum, bool brug)
{
    const std::int64_t k = RandomTot(400);
    if (k < 100)
        return MaakOptelling(maximum, brug);
    if (k < 200)
        return MaakAftrekking(maximum, brug);
    if (k < 300)
        return MaakMaaltafel(maximum, 0);
    return MaakDeeltafel(maximum, 0);
}

Opgave MaakBewerking(Bewerkingskeuze keuze, std::int32_t maximum, bool brug)
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
    return {};
}

std::int32_t KleinsteMaximum(Bewerkingskeuze keuze)
{
    return static_cast<int>(keuze) <= static_cast<int>(Bewerkingskeuze::PlusOfMin) ? 3 : 6;
}
