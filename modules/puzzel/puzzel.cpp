#include "puzzel.h"

#include <algorithm>

namespace {

constexpr std::int64_t KleinsteBrugmaximum = 11;

bool Optellen(std::optional<Bewerkingskeuze> keuze)
{
    return !keuze || *keuze < Bewerkingskeuze::Maal;
}

} // namespace

void Puzzel::Nieuw(Bewerkingskeuze keuze, std::int32_t maximum, bool brug)
{
    // "alles" allows a bridge whatever the options show.
    const bool magBrug = brug || keuze == Bewerkingskeuze::Alles;
    for (Opgave& stuk : m_stukken)
        stuk = MaakBewerking(keuze, maximum, magBrug);
    m_gekozen.reset();
}

void Puzzel::ZetTerug()
{
    m_ligt = Alle();
    m_fouten = 0;
    m_gekozen.reset();
}

bool Puzzel::Kies(int stuk)
{
    const bool bestaat = stuk >= 0 && stuk < AantalStukken && Ligt(stuk);
    m_gekozen = bestaat ? std::optional(stuk) : std::nullopt;
    return bestaat;
}

Puzzel::Uitslag Puzzel::Beantwoord(double waarde)
{
    if (!m_gekozen)
        return Uitslag::GeenStuk;
    const auto stuk = static_cast<std::size_t>(*m_gekozen);
    m_gekozen.reset();
    if (waarde == static_cast<double>(m_stukken[stuk].Uitkomst.value_or(0))) {
        m_ligt[stuk] = false;
        return Uitslag::Goed;
    }
    ++m_fouten;
    return Uitslag::Fout;
}

int Puzzel::Resterend() const
{
    return static_cast<int>(std::count(m_ligt.begin(), m_ligt.end(), true));
}

bool BrugMogelijk(std::optional<Bewerkingskeuze> keuze, std::int64_t maximum)
{
    return Optellen(keuze) && maximum >= KleinsteBrugmaximum;
}

std::optional<bool> BrugNaMaximum(std::optional<Bewerkingskeuze> keuze, std::int64_t maximum)
{
    if (maximum < KleinsteBrugmaximum)
        return false;
    if (Optellen(keuze))
        return true;
    return std::nullopt;
}
