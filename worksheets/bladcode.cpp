#include "bladcode.h"

#include "bewerkingen.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace {

constexpr std::string_view Tekens = "23456789ABCDEFGHJKMNPQRSTUVWXYZ";
constexpr std::uint64_t Grondtal = Tekens.size();
static_assert(Grondtal == 31, "the check character needs a prime number of characters");
constexpr std::uint64_t MinsteZaden = 8192;
// 31^12 still fits 64 bits; the largest settings need 11 digits.
constexpr int MeesteCijfers = 12;

// The first character. Hoofdrekenen: the operation and the bridge choice (0..13); the three table sheets (14..16);
// the five ranges (17..21). Later versions have 22..30.
constexpr int TafelKop = 14;
constexpr int BereikKop = 17;
constexpr int Koppen = 22;

int Kop(const BladKeuze& keuze)
{
    const int soort = static_cast<int>(*keuze.Soort);
    if (*keuze.Soort <= BladSoort::VierBewerkingen)
        return (soort - 1) * 2 + (keuze.Brug ? 0 : 1);
    return TafelKop + soort - static_cast<int>(BladSoort::Maaltafels);
}

std::uint64_t Binomiaal(std::uint64_t n, std::uint64_t k)
{
    if (k > n)
        return 0;
    std::uint64_t uitkomst = 1;
    for (std::uint64_t i = 1; i <= k; ++i)
        uitkomst = uitkomst * (n - k + i) / i;
    return uitkomst;
}

// A number of mixed radix: each field has its own number of values; the first field written is the lowest.
struct Velden
{
    std::uint64_t getal = 0;
    std::uint64_t gewicht = 1; // how many different values the fields written so far can hold

    void Schrijf(std::uint64_t waarde, std::uint64_t waarden)
    {
        getal += waarde * gewicht;
        gewicht *= waarden;
    }
    std::uint64_t Lees(std::uint64_t waarden)
    {
        const std::uint64_t waarde = getal % waarden;
        getal /= waarden;
        return waarde;
    }
};

// Ticked boxes: how many, which ones as the rank of their combination, and the ordering where it can be asked.
void SchrijfVakjes(Velden& velden, const std::vector<bool>& vakjes, BladOrdening ordening)
{
    const auto n = vakjes.size();
    std::uint64_t rang = 0, k = 0;
    for (std::size_t i = 0; i < n; ++i)
        if (vakjes[i])
            rang += Binomiaal(i, ++k);
    velden.Schrijf(k - 1, n);
    velden.Schrijf(rang, Binomiaal(n, k));
    if (k == 3 || k == 6)
        velden.Schrijf(ordening == BladOrdening::Gemengd ? 0 : 1, 2);
}

std::vector<bool> LeesVakjes(Velden& velden, std::size_t n, BladOrdening& ordening)
{
    const std::uint64_t k = velden.Lees(n) + 1;
    std::uint64_t rang = velden.Lees(Binomiaal(n, k));
    std::vector<bool> vakjes(n, false);
    std::uint64_t i = n;
    for (std::uint64_t j = k; j >= 1; --j) {
        do
            --i;
        while (Binomiaal(i, j) > rang);
        rang -= Binomiaal(i, j);
        vakjes[i] = true;
    }
    ordening = BladOrdening::Gemengd;
    if ((k == 3 || k == 6) && velden.Lees(2) == 1)
        ordening = k == 3 ? BladOrdening::Per10 : BladOrdening::Per5;
    return vakjes;
}

std::vector<bool> AlsVector(const Tafels& tafels)
{
    return std::vector<bool>(tafels.begin(), tafels.end());
}

// The settings below the seed; their number of values is the weight of the seed.
Velden Instellingen(const BladKeuze& keuze)
{
    Velden velden;
    const int kop = Kop(keuze);
    if (kop < TafelKop)
        velden.Schrijf(static_cast<std::uint64_t>(keuze.BladMax - 1), GrootsteBladMax);
    else if (kop < BereikKop)
        SchrijfVakjes(velden, AlsVector(keuze.TafelKeuze), keuze.Ordening);
    else
        SchrijfVakjes(velden, keuze.SoortKeuze.at(static_cast<std::size_t>(kop - BereikKop)), keuze.Ordening);
    return velden;
}

// The fewest digits that hold the settings with at least MinsteZaden seeds.
int Cijfers(std::uint64_t instellingen)
{
    std::uint64_t macht = Grondtal;
    int cijfers = 1;
    while (macht / instellingen < MinsteZaden) {
        macht *= Grondtal;
        ++cijfers;
    }
    return cijfers;
}

std::uint64_t Macht(int cijfers)
{
    std::uint64_t macht = 1;
    for (int i = 0; i < cijfers; ++i)
        macht *= Grondtal;
    return macht;
}

// The weighted sum of the characters' values, weights 1, 2, 3, ...: 0 for a whole code. As 31 is prime, one
// changed character or two swapped ones always change it.
std::uint64_t Controlesom(const std::vector<std::uint64_t>& waarden)
{
    std::uint64_t som = 0;
    for (std::size_t i = 0; i < waarden.size(); ++i)
        som += (i + 1) * waarden[i];
    return som % Grondtal;
}

std::uint64_t Inverse(std::uint64_t a)
{
    std::uint64_t uitkomst = 1;
    for (std::uint64_t i = 0; i + 2 < Grondtal; ++i)
        uitkomst = uitkomst * a % Grondtal;
    return uitkomst;
}

QString AlsTekst(const std::vector<std::uint64_t>& waarden)
{
    QString tekst;
    for (const std::uint64_t waarde : waarden)
        tekst += QChar::fromLatin1(Tekens[waarde]);
    return tekst;
}

// The characters' values; empty when one is not a code character.
std::vector<std::uint64_t> Waarden(const QString& tekst)
{
    std::vector<std::uint64_t> waarden;
    for (const QChar c : tekst.toUpper()) {
        if (c.isSpace() || c == u'-')
            continue;
        const auto plaats = c.unicode() < 128 ? Tekens.find(static_cast<char>(c.unicode())) : std::string_view::npos;
        if (plaats == std::string_view::npos)
            return {};
        waarden.push_back(plaats);
    }
    return waarden;
}

// The settings that the first character and the fields below the seed name.
BladKeuze LeesInstellingen(int kop, Velden& velden)
{
    BladKeuze keuze;
    if (kop < TafelKop) {
        keuze.Soort = static_cast<BladSoort>(kop / 2 + 1);
        keuze.Brug = kop % 2 == 0;
        keuze.BladMax = static_cast<std::int32_t>(velden.Lees(GrootsteBladMax)) + 1;
    } else if (kop < BereikKop) {
        keuze.Tab = TabSoort::Tafel;
        keuze.Soort = static_cast<BladSoort>(static_cast<int>(BladSoort::Maaltafels) + kop - TafelKop);
        const std::vector<bool> tafels = LeesVakjes(velden, keuze.TafelKeuze.size(), keuze.Ordening);
        std::ranges::copy(tafels, keuze.TafelKeuze.begin());
    } else {
        const SoortPagina& pagina = SoortPaginas().at(static_cast<std::size_t>(kop - BereikKop));
        keuze.Tab = pagina.Tab;
        keuze.Soort = pagina.Soort;
        keuze.SoortKeuze.at(static_cast<std::size_t>(kop - BereikKop))
            = LeesVakjes(velden, pagina.Soorten().size(), keuze.Ordening);
    }
    return keuze;
}

// Only the one code that MaakBladcode makes of its settings and seed is read: no settings the window would refuse,
// no more digits than needed, no seed beyond them.
bool Gemaakt(const BladKeuze& keuze, int cijfers, std::uint64_t zaad)
{
    const bool hoofdrekenen = *keuze.Soort <= BladSoort::VierBewerkingen;
    if (hoofdrekenen && keuze.BladMax < KleinsteMaximum(static_cast<Bewerkingskeuze>(*keuze.Soort)))
        return false;
    return Cijfers(Instellingen(keuze).gewicht) == cijfers && zaad < AantalZaden(keuze);
}

} // namespace

std::uint64_t AantalZaden(const BladKeuze& keuze)
{
    const std::uint64_t instellingen = Instellingen(keuze).gewicht;
    return Macht(Cijfers(instellingen)) / instellingen;
}

QString MaakBladcode(const BladKeuze& keuze, std::uint64_t zaad)
{
    Velden velden = Instellingen(keuze);
    const int cijfers = Cijfers(velden.gewicht);
    std::uint64_t waarde = velden.getal + velden.gewicht * zaad;
    std::vector<std::uint64_t> waarden(static_cast<std::size_t>(cijfers) + 1);
    waarden.front() = static_cast<std::uint64_t>(Kop(keuze));
    for (int i = cijfers; i >= 1; --i) {
        waarden[static_cast<std::size_t>(i)] = waarde % Grondtal;
        waarde /= Grondtal;
    }
    const std::uint64_t controle = Grondtal - Controlesom(waarden);
    waarden.push_back(controle % Grondtal * Inverse(waarden.size() + 1) % Grondtal);
    return AlsTekst(waarden);
}

std::variant<Bladrecept, BladcodeFout> LeesBladcode(const QString& tekst)
{
    if (tekst.trimmed().isEmpty())
        return BladcodeFout::Leeg;
    const std::vector<std::uint64_t> waarden = Waarden(tekst);
    const int cijfers = static_cast<int>(waarden.size()) - 2;
    if (cijfers < 1 || waarden.size() >= Grondtal || Controlesom(waarden) != 0)
        return BladcodeFout::KloptNiet;
    const int kop = static_cast<int>(waarden.front());
    if (kop >= Koppen)
        return BladcodeFout::Nieuwer;
    if (cijfers > MeesteCijfers)
        return BladcodeFout::KloptNiet;
    Velden velden;
    for (int i = 1; i <= cijfers; ++i)
        velden.getal = velden.getal * Grondtal + waarden[static_cast<std::size_t>(i)];
    Bladrecept recept {LeesInstellingen(kop, velden), 0};
    recept.Zaad = velden.getal;
    if (!Gemaakt(recept.Keuze, cijfers, recept.Zaad))
        return BladcodeFout::KloptNiet;
    return recept;
}
