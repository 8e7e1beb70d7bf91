#include "samenstellen.h"

#include "bewerkingen.h"
#include "getal.h"
#include "opgave.h"
#include "plaatswaarde.h"
#include "toeval.h"

#include <QStringList>

#include <algorithm>
#include <functional>

namespace {

using Kandidaat = std::function<std::optional<BladOpgave>()>;

// Tries candidates until one is new or MaxPogingen were tested. A candidate that is not
// acceptable at all (a table that was not ticked) is drawn again and is not counted: otherwise
// a sheet with one table would give up on new exercises long before 51 real tries.
int VulVak(BladGegevens& blad, int vak, const Kandidaat& kandidaat)
{
    int pogingen = 0;
    for (;;) {
        std::optional<BladOpgave> opgave = kandidaat();
        if (!opgave)
            continue;
        ++pogingen;
        opgave->Sleutel = Tekst(*opgave);
        if (IsNieuw(blad, opgave->Sleutel) || pogingen >= MaxPogingen) {
            blad.Opgaven.at(static_cast<std::size_t>(vak)) = *opgave;
            return pogingen;
        }
    }
}

// A candidate from a generator: the exercise it made.
Kandidaat UitGenerator(std::function<Opgave()> generator)
{
    return [generator = std::move(generator)]() -> std::optional<BladOpgave> {
        const Opgave gemaakt = generator();
        BladOpgave opgave;
        opgave.Links = gemaakt.Links;
        opgave.Rechts = gemaakt.Rechts;
        opgave.Bewerking = QString::fromStdString(gemaakt.Bewerking);
        opgave.Uitkomst = gemaakt.Uitkomst.value_or(0);
        return opgave;
    };
}

bool Aangevinkt(const std::vector<bool>& keuze, std::size_t index)
{
    return index < keuze.size() && keuze[index];
}

bool TafelGekozen(const std::array<bool, TafelAantal>& tafels, std::int64_t tafel)
{
    return tafel >= 1 && tafel <= TafelAantal && tafels.at(static_cast<std::size_t>(tafel - 1));
}

bool IetsAangevinkt(const std::vector<bool>& keuze, std::size_t aantal)
{
    for (std::size_t k = 0; k < aantal; ++k)
        if (Aangevinkt(keuze, k))
            return true;
    return false;
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

void MaakGemengdVak(BladGegevens& blad, int vak, const BladKeuze& keuze)
{
    const BladSoort soort = *keuze.Soort;
    if (soort <= BladSoort::VierBewerkingen) {
        const auto bewerking = static_cast<Bewerkingskeuze>(soort);
        VulVak(blad, vak, UitGenerator([&] { return MaakBewerking(bewerking, keuze.BladMax, keuze.Brug); }));
    } else if (soort == BladSoort::Maaltafels) {
        MaakTafelMaal(blad, vak, keuze.TafelKeuze);
    } else if (soort == BladSoort::Deeltafels) {
        MaakTafelDeel(blad, vak, keuze.TafelKeuze);
    } else if (soort == BladSoort::MaalEnDeeltafels) {
        MaakTafelMaalOfDeel(blad, vak, keuze.TafelKeuze);
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
        for (std::size_t k = 0; k < pagina->Soorten.size(); ++k)
            if (Aangevinkt(gekozen, k))
                generatoren.emplace_back([pagina, k] { return pagina->Generator(pagina->Soorten[k]); });
    }
    return generatoren;
}

void MaakGeordend(BladGegevens& blad, const BladKeuze& keuze)
{
    const std::vector<std::function<Opgave()>> generatoren = BlokGeneratoren(keuze);
    if (generatoren.empty())
        return;
    // The ordering is only offered for 3 or 6 kinds, so the blocks fill the sheet; should a selection
    // ever hold fewer kinds, the last kind fills the rest rather than leaving old slots behind.
    const int blok = keuze.Ordening == BladOrdening::Per10 ? 10 : 5;
    for (int vak = 0; vak < BladAantal; ++vak) {
        const std::size_t soort = std::min<std::size_t>(static_cast<std::size_t>(vak / blok), generatoren.size() - 1);
        VulVak(blad, vak, UitGenerator(generatoren[soort]));
    }
}

} // namespace

const std::array<SoortPagina, 5>& SoortPaginas()
{
    static const std::array<SoortPagina, 5> paginas {{
        {TabSoort::Twintig, BladSoort::TellenTot20,
            {"T+E", "E+T", "TE+E", "E+TE", "20-E", "20-TE", "TE-Ezb", "TE-TE", "E+E", "TE-Emb"}, MaakTwintig},
        {TabSoort::Honderd, BladSoort::TellenTot100,
            {"T+T", "T-T", "T+E", "E+T", "TE-E=T", "TE-T=E", "T+TE", "TE+T", "TE+E", "E+TE", "TE-E", "TE+TE", "TE-TE",
                "TE-T=TE", "TE+E=T", "TE-E=T", "TE+TE=T", "TE-TE=T", "T-E", "T-TE", "TE+Emb", "TE-Emb", "TE+TEmb",
                "TE-TEmb", "H-T", "H-E", "H-TE"},
            MaakHonderd},
        {TabSoort::Duizend, BladSoort::TellenTot1000,
            {"H+H", "H-H", "H+T", "H+E", "H+TE", "H+HTE", "H-T", "H-E", "H-TE", "H-HTE", "HT-T", "HT+E", "HT+T",
                "HT+Tmb", "HT-Tmb", "HE-T", "D-HT", "D-E", "D-TE", "D-HTE", "D-H", "D-T", "HTE+E", "HTE-E", "HTE+TE",
                "HTE-TE", "HTE+HTE", "HTE-HTE", "HTE+TE=H", "HTE+HTE=H", "HTE+HTE=HT", "HTE+Emb", "HTE-Emb", "HTE+TEmb",
                "HTE-TEmb"},
            MaakDuizend},
        {TabSoort::Tienduizend, BladSoort::TellenTot10000,
            {"DH+H=D", "DHT+T=DH", "DHT+HT=DH", "DHT+HT=D", "DHTE+E=DHT", "DHTE+E=D", "DHTE+E=DH", "DH+H=DH",
                "DHT+T=DHT", "DHTE+E=DHTE", "DHTE+E=DE", "DH+DH=DH", "DH+DH=TD", "DHT+HT=DH", "DH+HT=DHT",
                "DH+HTE=DHTE", "D-H=DH", "D-T=DHT", "D-E=DHTE", "D-TE=DHTE", "D-HT=DHT", "D-DH=DH", "DH-H=DH",
                "DH-DH=DH", "DH-T=DHT", "DH-HT=DHT", "DH-TE=DHTE", "DH-E=DHTE"},
            MaakTienduizend},
        {TabSoort::Honderdduizend, BladSoort::TellenTot100000,
            {"TD D+TD D=TD D", "TD DH+H=TD DH", "TD-TD=TD", "TD D-TD=TD D", "TD D-TD D=TD D", "TD D-D=TD D",
                "TD D-H=TD DH"},
            MaakHonderdduizend},
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
    static const std::array<const char*, 15> titels {"Optellen", "Aftrekken", "Optellen en aftrekken",
        "Vermenigvuldigen", "Delen", "Vermenigvuldigen en delen", "De 4 bewerkingen", "Maaltafels", "Deeltafels",
        "Maal- en deeltafels", "Tellen tot 20", "Tellen tot 100", "Tellen tot 1000", "Tellen tot 10.000",
        "Tellen tot 100.000"};
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

bool IsNieuw(const BladGegevens& blad, const QString& sleutel)
{
    return std::ranges::none_of(blad.Opgaven, [&](const BladOpgave& opgave) { return opgave.Sleutel == sleutel; });
}

int MaakTafelMaal(BladGegevens& blad, int vak, const std::array<bool, TafelAantal>& tafels)
{
    if (std::ranges::none_of(tafels, std::identity {}))
        return 0;
    return VulVak(blad, vak, [&]() -> std::optional<BladOpgave> {
        BladOpgave opgave;
        opgave.Bewerking = QStringLiteral("x");
        opgave.Links = RandomTot(10);
        opgave.Rechts = RandomTot(10);
        opgave.Uitkomst = opgave.Links * opgave.Rechts;
        return TafelGekozen(tafels, opgave.Rechts) ? std::optional(opgave) : std::nullopt;
    });
}

int MaakTafelDeel(BladGegevens& blad, int vak, const std::array<bool, TafelAantal>& tafels)
{
    if (std::ranges::none_of(tafels, std::identity {}))
        return 0;
    return VulVak(blad, vak, [&]() -> std::optional<BladOpgave> {
        BladOpgave opgave;
        opgave.Bewerking = QStringLiteral(":");
        opgave.Uitkomst = RandomTot(10);
        opgave.Rechts = RandomTot(10);
        opgave.Links = opgave.Uitkomst * opgave.Rechts;
        return TafelGekozen(tafels, opgave.Rechts) ? std::optional(opgave) : std::nullopt;
    });
}

int MaakTafelMaalOfDeel(BladGegevens& blad, int vak, const std::array<bool, TafelAantal>& tafels)
{
    return RandomTot(200) >= 100 ? MaakTafelDeel(blad, vak, tafels) : MaakTafelMaal(blad, vak, tafels);
}

int MaakSoortOpgave(BladGegevens& blad, int vak, const SoortPagina& pagina, const std::vector<bool>& keuze)
{
    const std::size_t aantal = pagina.Soorten.size();
    if (!IetsAangevinkt(keuze, aantal))
        return 0;
    std::size_t k = 0;
    do
        k = static_cast<std::size_t>(RandomIndex(static_cast<std::int64_t>(aantal)));
    while (!Aangevinkt(keuze, k));
    return VulVak(blad, vak, UitGenerator([&] { return pagina.Generator(pagina.Soorten[k]); }));
}

void MaakBlad(BladGegevens& blad, const BladKeuze& keuze)
{
    if (!keuze.Soort)
        return;
    blad.Titel = BladTitel(*keuze.Soort);
    if (keuze.Ordening != BladOrdening::Gemengd && *keuze.Soort >= BladSoort::Maaltafels) {
        MaakGeordend(blad, keuze);
        return;
    }
    for (int vak = 0; vak < BladAantal; ++vak)
        MaakGemengdVak(blad, vak, keuze);
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
        for (std::size_t k = 0; k < SoortPaginas()[*p].Soorten.size(); ++k)
            if (Aangevinkt(keuze.SoortKeuze.at(*p), k))
                soorten << QString::fromStdString(SoortPaginas()[*p].Soorten[k]);
        voorstel = soorten.join(u',');
    }
    return voorstel.size() > 45 ? QStringLiteral("gemengde oefeningen") : voorstel;
}
