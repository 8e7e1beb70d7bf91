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

QString Sleutel(const BladOpgave& opgave)
{
    return QString::number(opgave.Links) + opgave.Bewerking + QString::number(opgave.Rechts);
}

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
        opgave->Sleutel = Sleutel(*opgave);
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

std::optional<std::size_t> PaginaVanBladSoort(int bladSoort)
{
    for (std::size_t p = 0; p < SoortPaginas().size(); ++p)
        if (SoortPaginas()[p].BladSoort == bladSoort)
            return p;
    return std::nullopt;
}

void MaakGemengdVak(BladGegevens& blad, int vak, const BladKeuze& keuze)
{
    const int soort = *keuze.BladSoort;
    if (soort < BladMaaltafels) {
        const auto bewerking = static_cast<Bewerkingskeuze>(soort);
        VulVak(blad, vak, UitGenerator([&] { return MaakBewerking(bewerking, keuze.BladMax, keuze.Brug); }));
    } else if (soort == BladMaaltafels) {
        MaakTafelMaal(blad, vak, keuze.TafelKeuze);
    } else if (soort == BladDeeltafels) {
        MaakTafelDeel(blad, vak, keuze.TafelKeuze);
    } else if (soort == BladMaalEnDeeltafels) {
        MaakTafelMaalOfDeel(blad, vak, keuze.TafelKeuze);
    } else if (const std::optional<std::size_t> p = PaginaVanBladSoort(soort)) {
        MaakSoortOpgave(blad, vak, SoortPaginas()[*p], keuze.SoortKeuze.at(*p));
    }
}

// One generator per block of an ordered sheet: the ticked tables or kinds in increasing order.
std::vector<std::function<Opgave()>> BlokGeneratoren(const BladKeuze& keuze)
{
    std::vector<std::function<Opgave()>> generatoren;
    const int soort = *keuze.BladSoort;
    if (soort >= BladMaaltafels && soort <= BladMaalEnDeeltafels) {
        const auto generator = soort == BladMaaltafels ? MaakMaaltafel
            : soort == BladDeeltafels                  ? MaakDeeltafel
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
        {QStringLiteral("Twintig"), 11,
            {"T+E", "E+T", "TE+E", "E+TE", "20-E", "20-TE", "TE-Ezb", "TE-TE", "E+E", "TE-Emb"}, MaakTwintig},
        {QStringLiteral("Honderd"), 12,
            {"T+T", "T-T", "T+E", "E+T", "TE-E=T", "TE-T=E", "T+TE", "TE+T", "TE+E", "E+TE", "TE-E", "TE+TE", "TE-TE",
                "TE-T=TE", "TE+E=T", "TE-E=T", "TE+TE=T", "TE-TE=T", "T-E", "T-TE", "TE+Emb", "TE-Emb", "TE+TEmb",
                "TE-TEmb", "H-T", "H-E", "H-TE"},
            MaakHonderd},
        {QStringLiteral("Duizend"), 13,
            {"H+H", "H-H", "H+T", "H+E", "H+TE", "H+HTE", "H-T", "H-E", "H-TE", "H-HTE", "HT-T", "HT+E", "HT+T",
                "HT+Tmb", "HT-Tmb", "HE-T", "D-HT", "D-E", "D-TE", "D-HTE", "D-H", "D-T", "HTE+E", "HTE-E", "HTE+TE",
                "HTE-TE", "HTE+HTE", "HTE-HTE", "HTE+TE=H", "HTE+HTE=H", "HTE+HTE=HT", "HTE+Emb", "HTE-Emb", "HTE+TEmb",
                "HTE-TEmb"},
            MaakDuizend},
        {QStringLiteral("Tienduizend"), 14,
            {"DH+H=D", "DHT+T=DH", "DHT+HT=DH", "DHT+HT=D", "DHTE+E=DHT", "DHTE+E=D", "DHTE+E=DH", "DH+H=DH",
                "DHT+T=DHT", "DHTE+E=DHTE", "DHTE+E=DE", "DH+DH=DH", "DH+DH=TD", "DHT+HT=DH", "DH+HT=DHT",
                "DH+HTE=DHTE", "D-H=DH", "D-T=DHT", "D-E=DHTE", "D-TE=DHTE", "D-HT=DHT", "D-DH=DH", "DH-H=DH",
                "DH-DH=DH", "DH-T=DHT", "DH-HT=DHT", "DH-TE=DHTE", "DH-E=DHTE"},
            MaakTienduizend},
        {QStringLiteral("Honderdduizend"), 15,
            {"TD D+TD D=TD D", "TD DH+H=TD DH", "TD-TD=TD", "TD D-TD=TD D", "TD D-TD D=TD D", "TD D-D=TD D",
                "TD D-H=TD DH"},
            MaakHonderdduizend},
    }};
    return paginas;
}

std::optional<std::size_t> PaginaVanTab(const QString& tabSoort)
{
    for (std::size_t p = 0; p < SoortPaginas().size(); ++p)
        if (SoortPaginas()[p].TabSoort == tabSoort)
            return p;
    return std::nullopt;
}

QString BladTitel(int bladSoort)
{
    static const std::array<const char*, 15> titels {"Optellen", "Aftrekken", "Optellen en aftrekken",
        "Vermenigvuldigen", "Delen", "Vermenigvuldigen en delen", "De 4 bewerkingen", "Maaltafels", "Deeltafels",
        "Maal- en deeltafels", "Tellen tot 20", "Tellen tot 100", "Tellen tot 1000", "Tellen tot 10.000",
        "Tellen tot 100.000"};
    if (bladSoort < 1 || bladSoort > static_cast<int>(titels.size()))
        return {};
    return QString::fromUtf8(titels.at(static_cast<std::size_t>(bladSoort - 1)));
}

int TelSoorten(const BladKeuze& keuze)
{
    if (keuze.TabSoort == QLatin1String("Hoofdrekenen"))
        return 1;
    if (keuze.TabSoort == QLatin1String("Tafels"))
        return static_cast<int>(std::ranges::count(keuze.TafelKeuze, true));
    const std::optional<std::size_t> p = PaginaVanTab(keuze.TabSoort);
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
    if (!keuze.BladSoort || BladTitel(*keuze.BladSoort).isEmpty())
        return;
    blad.Titel = BladTitel(*keuze.BladSoort);
    if (keuze.Ordening != BladOrdening::Gemengd && *keuze.BladSoort >= BladMaaltafels) {
        MaakGeordend(blad, keuze);
        return;
    }
    for (int vak = 0; vak < BladAantal; ++vak)
        MaakGemengdVak(blad, vak, keuze);
}

QString OndertitelVoorstel(const BladKeuze& keuze)
{
    QString voorstel;
    if (keuze.TabSoort == QLatin1String("Hoofdrekenen")) {
        voorstel = QStringLiteral("tot ") + Tekst(keuze.BladMax);
        const int soort = keuze.BladSoort.value_or(0);
        if (soort >= 1 && soort <= 3 && keuze.BladMax > 10)
            voorstel += keuze.Brug ? QStringLiteral(" met brug") : QStringLiteral(" zonder brug");
    } else if (keuze.TabSoort == QLatin1String("Tafels")) {
        QStringList tafels;
        for (int tafel = 1; tafel <= TafelAantal; ++tafel)
            if (TafelGekozen(keuze.TafelKeuze, tafel))
                tafels << QString::number(tafel);
        voorstel = QStringLiteral("tafel(s) van ") + tafels.join(u',');
    } else if (const std::optional<std::size_t> p = PaginaVanTab(keuze.TabSoort)) {
        QStringList soorten;
        for (std::size_t k = 0; k < SoortPaginas()[*p].Soorten.size(); ++k)
            if (Aangevinkt(keuze.SoortKeuze.at(*p), k))
                soorten << QString::fromStdString(SoortPaginas()[*p].Soorten[k]);
        voorstel = soorten.join(u',');
    }
    return voorstel.size() > 45 ? QStringLiteral("gemengde oefeningen") : voorstel;
}
