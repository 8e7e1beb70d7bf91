#include "samenstellen.h"

#include "aantallen.h"
#include "bewerkingen.h"
#include "getal.h"
#include "opgave.h"
#include "toeval.h"

#include <QStringList>

#include <algorithm>
#include <functional>
#include <set>

namespace {

using Kandidaat = std::function<std::optional<Opgave>()>;

// A candidate is new when none of the 30 keys of the sheet equals its key.
bool IsNieuw(const BladGegevens& blad, const QString& sleutel)
{
    return std::ranges::none_of(blad.Opgaven, [&](const BladOpgave& opgave) { return opgave.Sleutel == sleutel; });
}

BladOpgave AlsBladOpgave(const Opgave& gemaakt)
{
    BladOpgave opgave;
    opgave.Links = gemaakt.Links;
    opgave.Rechts = gemaakt.Rechts;
    opgave.Bewerking = QString::fromStdString(gemaakt.Bewerking);
    opgave.Uitkomst = gemaakt.Uitkomst.value_or(0);
    opgave.Sleutel = Tekst(opgave);
    return opgave;
}

// Tries candidates until one is new or MaxPogingen were tested, then keeps the last. A candidate that is not
// acceptable at all (a table that was not ticked) is drawn again and is not counted: otherwise a sheet with one
// table would give up on new exercises long before 51 real tries. The caller makes sure one can come.
void VulVak(BladGegevens& blad, int vak, const Kandidaat& kandidaat)
{
    for (int pogingen = 1;;) {
        const std::optional<Opgave> gemaakt = kandidaat();
        if (!gemaakt)
            continue;
        const BladOpgave opgave = AlsBladOpgave(*gemaakt);
        if (IsNieuw(blad, opgave.Sleutel) || pogingen++ >= MaxPogingen) {
            blad.Opgaven.at(static_cast<std::size_t>(vak)) = opgave;
            return;
        }
    }
}

Kandidaat UitGenerator(std::function<Opgave()> generator)
{
    return [generator = std::move(generator)] { return std::optional(generator()); };
}

Kandidaat UitTafels(Tafeltrekking trek, const Tafels& tafels)
{
    return [trek, &tafels] { return trek(tafels); };
}

bool Aangevinkt(const std::vector<bool>& keuze, std::size_t index)
{
    return index < keuze.size() && keuze[index];
}

bool TafelGekozen(const Tafels& tafels, std::int64_t tafel)
{
    return tafel >= 1 && tafel <= TafelAantal && tafels.at(static_cast<std::size_t>(tafel - 1));
}

std::optional<std::size_t> PaginaVanBladSoort(BladSoort soort)
{
    for (std::size_t p = 0; p < SoortPaginas().size(); ++p)
        if (SoortPaginas()[p].Soort == soort)
            return p;
    return std::nullopt;
}

bool IsTafelblad(BladSoort soort)
{
    return soort == BladSoort::Maaltafels || soort == BladSoort::Deeltafels || soort == BladSoort::MaalEnDeeltafels;
}

// A uniform choice among the ticked kinds of the page, once per slot.
void MaakSoortOpgave(BladGegevens& blad, int vak, const SoortPagina& pagina, const std::vector<bool>& keuze)
{
    const std::vector<std::string>& soorten = pagina.Soorten();
    std::size_t k = 0;
    do
        k = static_cast<std::size_t>(RandomIndex(std::ssize(soorten)));
    while (!Aangevinkt(keuze, k));
    VulVak(blad, vak, UitGenerator([&] { return pagina.Bereik.maak(soorten[k]); }));
}

void MaakGemengdVak(BladGegevens& blad, int vak, const BladKeuze& keuze)
{
    const BladSoort soort = *keuze.Soort;
    if (soort <= BladSoort::VierBewerkingen) {
        const auto bewerking = static_cast<Bewerkingskeuze>(soort);
        VulVak(blad, vak, UitGenerator([&] { return MaakBewerking(bewerking, keuze.BladMax, keuze.Brug); }));
    } else if (IsTafelblad(soort)) {
        const Tafeltrekking trek = soort == BladSoort::Maaltafels ? TrekMaal
            : soort == BladSoort::Deeltafels                      ? TrekDeel
                                                                  : KiesBladTafeltrekking();
        VulVak(blad, vak, UitTafels(trek, keuze.TafelKeuze));
    } else if (const std::optional<std::size_t> p = PaginaVanBladSoort(soort)) {
        MaakSoortOpgave(blad, vak, SoortPaginas()[*p], keuze.SoortKeuze.at(*p));
    }
}

// One generator per block of an ordered sheet: the ticked tables or kinds in increasing order.
std::vector<std::function<Opgave()>> BlokGeneratoren(const BladKeuze& keuze)
{
    std::vector<std::function<Opgave()>> generatoren;
    const BladSoort soort = *keuze.Soort;
    if (IsTafelblad(soort)) {
        const auto generator = soort == BladSoort::Maaltafels ? MaakMaaltafel
            : soort == BladSoort::Deeltafels                  ? MaakDeeltafel
                                                              : MaakMaalOfDeel;
        for (int tafel = 1; tafel <= TafelAantal; ++tafel)
            if (TafelGekozen(keuze.TafelKeuze, tafel))
                generatoren.emplace_back([generator, tafel] { return generator(100, tafel); });
    } else if (const std::optional<std::size_t> p = PaginaVanBladSoort(soort)) {
        const SoortPagina* pagina = &SoortPaginas()[*p];
        const std::vector<bool>& gekozen = keuze.SoortKeuze.at(*p);
        for (std::size_t k = 0; k < pagina->Soorten().size(); ++k)
            if (Aangevinkt(gekozen, k))
                generatoren.emplace_back([pagina, k] { return pagina->Bereik.maak(pagina->Soorten()[k]); });
    }
    return generatoren;
}

void MaakGeordend(BladGegevens& blad, const BladKeuze& keuze)
{
    const std::vector<std::function<Opgave()>> generatoren = BlokGeneratoren(keuze);
    // The ordering is only offered for 3 or 6 kinds, so the blocks fill the sheet; should a selection
    // ever hold fewer kinds, the last kind fills the rest.
    const int blok = keuze.Ordening == BladOrdening::Per10 ? 10 : 5;
    for (int vak = 0; vak < BladAantal; ++vak) {
        const std::size_t soort = std::min<std::size_t>(static_cast<std::size_t>(vak / blok), generatoren.size() - 1);
        VulVak(blad, vak, UitGenerator(generatoren[soort]));
    }
}

// Whether a slot can be filled at all: a table or a kind is ticked.
bool KanVullen(const BladKeuze& keuze)
{
    if (IsTafelblad(*keuze.Soort))
        return std::ranges::any_of(keuze.TafelKeuze, std::identity {});
    const std::optional<std::size_t> p = PaginaVanBladSoort(*keuze.Soort);
    return !p || std::ranges::any_of(keuze.SoortKeuze.at(*p), std::identity {});
}

} // namespace

const std::array<SoortPagina, 5>& SoortPaginas()
{
    static const std::array<SoortPagina, 5> paginas {{
        {TabSoort::Twintig, BladSoort::TellenTot20, BereikVan(BereikIndex::Twintig)},
        {TabSoort::Honderd, BladSoort::TellenTot100, BereikVan(BereikIndex::Honderd)},
        {TabSoort::Duizend, BladSoort::TellenTot1000, BereikVan(BereikIndex::Duizend)},
        {TabSoort::Tienduizend, BladSoort::TellenTot10000, BereikVan(BereikIndex::Tienduizend)},
        {TabSoort::Honderdduizend, BladSoort::TellenTot100000, BereikVan(BereikIndex::Honderdduizend)},
    }};
    return paginas;
}

std::optional<std::size_t> PaginaVanTab(TabSoort tab)
{
    for (std::size_t p = 0; p < SoortPaginas().size(); ++p)
        if (SoortPaginas()[p].Tab == tab)
            return p;
    return std::nullopt;
}

QString BladTitel(BladSoort soort)
{
    static const std::array<const char*, 10> titels {"Optellen", "Aftrekken", "Optellen en aftrekken",
        "Vermenigvuldigen", "Delen", "Vermenigvuldigen en delen", "De 4 bewerkingen", "Maaltafels", "Deeltafels",
        "Maal- en deeltafels"};
    if (const std::optional<std::size_t> p = PaginaVanBladSoort(soort))
        return QString::fromUtf8(SoortPaginas()[*p].Bereik.bladTitel);
    return QString::fromUtf8(titels.at(static_cast<std::size_t>(soort) - 1));
}

int TelSoorten(const BladKeuze& keuze)
{
    if (keuze.Tab == TabSoort::Hoofdrekenen)
        return 1;
    if (keuze.Tab == TabSoort::Tafel)
        return static_cast<int>(std::ranges::count(keuze.TafelKeuze, true));
    const std::optional<std::size_t> p = PaginaVanTab(keuze.Tab);
    return p ? static_cast<int>(std::ranges::count(keuze.SoortKeuze.at(*p), true)) : 0;
}

void MaakBlad(BladGegevens& blad, const BladKeuze& keuze, std::uint64_t zaad)
{
    if (!keuze.Soort || !KanVullen(keuze))
        return;
    const EigenToeval toeval(zaad);
    ResetOpgave();
    blad.Opgaven = {};
    blad.Titel = BladTitel(*keuze.Soort);
    if (keuze.Ordening != BladOrdening::Gemengd && *keuze.Soort >= BladSoort::Maaltafels) {
        MaakGeordend(blad, keuze);
        return;
    }
    for (int vak = 0; vak < BladAantal; ++vak)
        MaakGemengdVak(blad, vak, keuze);
}

int Gedeeld(const BladGegevens& blad, const BladGegevens& ander)
{
    std::set<QString> gedeeld;
    for (const BladOpgave& opgave : blad.Opgaven)
        if (!opgave.Sleutel.isEmpty() && !IsNieuw(ander, opgave.Sleutel))
            gedeeld.insert(opgave.Sleutel);
    return static_cast<int>(gedeeld.size());
}

std::uint64_t AantalVerschillend(const BladKeuze& keuze)
{
    if (!keuze.Soort)
        return 0;
    const BladSoort soort = *keuze.Soort;
    if (soort <= BladSoort::VierBewerkingen)
        return AantalOefeningen(static_cast<Bewerkingskeuze>(soort), keuze.BladMax, keuze.Brug);
    if (IsTafelblad(soort))
        return AantalTafeloefeningen(keuze.TafelKeuze, soort != BladSoort::Deeltafels, soort != BladSoort::Maaltafels);
    const std::optional<std::size_t> p = PaginaVanBladSoort(soort);
    std::vector<std::string> soorten;
    for (std::size_t k = 0; p && k < SoortPaginas()[*p].Soorten().size(); ++k)
        if (Aangevinkt(keuze.SoortKeuze.at(*p), k))
            soorten.push_back(SoortPaginas()[*p].Soorten()[k]);
    return p ? AantalSoortoefeningen(SoortPaginas()[*p].Bereik, soorten) : 0;
}

Samenstelling StelNieuwBladSamen(const BladKeuze& keuze, const BladGegevens& vorig, std::uint64_t zaden)
{
    // Two sheets drawn from fewer than 60 exercises must share some: no seed can do better than that.
    const int verschillend = static_cast<int>(std::min<std::uint64_t>(AantalVerschillend(keuze), 2 * BladAantal));
    const int onvermijdelijk = std::max(0, std::min(verschillend, BladAantal) + Gedeeld(vorig, vorig) - verschillend);
    Samenstelling beste;
    int minst = BladAantal + 1;
    for (int poging = 0; poging < ZaadPogingen && minst > onvermijdelijk; ++poging) {
        Samenstelling nieuw {static_cast<std::uint64_t>(RandomIndex(static_cast<std::int64_t>(zaden))), vorig};
        MaakBlad(nieuw.Blad, keuze, nieuw.Zaad);
        const int gedeeld = Gedeeld(nieuw.Blad, vorig);
        if (gedeeld < minst) {
            minst = gedeeld;
            beste = std::move(nieuw);
        }
    }
    return beste;
}

QString OndertitelVoorstel(const BladKeuze& keuze)
{
    QString voorstel;
    if (keuze.Tab == TabSoort::Hoofdrekenen) {
        voorstel = QStringLiteral("tot ") + Tekst(keuze.BladMax);
        const bool plusOfMin = keuze.Soort && *keuze.Soort <= BladSoort::OptellenEnAftrekken;
        if (plusOfMin && keuze.BladMax > 10)
            voorstel += keuze.Brug ? QStringLiteral(" met brug") : QStringLiteral(" zonder brug");
    } else if (keuze.Tab == TabSoort::Tafel) {
        QStringList tafels;
        for (int tafel = 1; tafel <= TafelAantal; ++tafel)
            if (TafelGekozen(keuze.TafelKeuze, tafel))
                tafels << QString::number(tafel);
        voorstel = QStringLiteral("tafel(s) van ") + tafels.join(u',');
    } else if (const std::optional<std::size_t> p = PaginaVanTab(keuze.Tab)) {
        QStringList soorten;
        for (std::size_t k = 0; k < SoortPaginas()[*p].Soorten().size(); ++k)
            if (Aangevinkt(keuze.SoortKeuze.at(*p), k))
                soorten << QString::fromStdString(SoortPaginas()[*p].Soorten()[k]);
        voorstel = soorten.join(u',');
    }
    return voorstel.size() > 45 ? QStringLiteral("gemengde oefeningen") : voorstel;
}
