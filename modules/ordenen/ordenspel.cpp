#include "ordenspel.h"

#include "toeval.h"

#include <algorithm>

namespace {

ReeksVarianten Varianten()
{
    ReeksVarianten varianten;
    varianten.resterend = QStringLiteral("Nog %1 oefeningen.");
    return varianten;
}

constexpr std::array<const char*, Ordenspel::Plaatsen> Lofteksten {"Goed zo !", "Prima !", "Juist !"};
constexpr std::array<const char*, Ordenspel::Plaatsen> Verwijten {"Foutje...", "Ajajajaj...", "Oeps..."};

} // namespace

Ordenspel::Ordenspel()
    : m_reeks(Varianten())
{ }

QString Ordenspel::Lof(int vak)
{
    return QString::fromUtf8(Lofteksten.at(Index(vak)));
}

QString Ordenspel::Verwijt(int vak)
{
    return QString::fromUtf8(Verwijten.at(Index(vak)));
}

void Ordenspel::Start(int maximum, int aantal, bool kleinNaarGroot)
{
    m_maximum = maximum;
    m_kleinNaarGroot = kleinNaarGroot;
    m_reeks.Start(aantal);
    m_reeks.NieuweOefening();
    // A new start during the pause must not get a second new exercise from the pause's end.
    m_wachten = false;
    m_tikken = 0;
    NieuweOefening();
}

void Ordenspel::NieuweOefening()
{
    m_geplaatst.fill(false);
    m_inVak.fill(0);
    m_aantalGeplaatst = 0;
    do {
        for (int& getal : m_getallen)
            getal = static_cast<int>(RandomTot(m_maximum));
    } while (m_getallen[0] == m_getallen[1] || m_getallen[0] == m_getallen[2] || m_getallen[1] == m_getallen[2]);
    GeefTags();
}

// The tag of a number is its place in the asked order: 1 + how many of the others come before it.
void Ordenspel::GeefTags()
{
    for (std::size_t i = 0; i < m_getallen.size(); ++i) {
        const int getal = m_getallen[i];
        m_tags[i] = 1 + static_cast<int>(std::ranges::count_if(m_getallen, [&](int ander) {
            return m_kleinNaarGroot ? ander < getal : ander > getal;
        }));
    }
}

Ordenspel::Afloop Ordenspel::Laat(int tag, int vak)
{
    const auto bron = std::ranges::find(m_tags, tag);
    if (!m_reeks.Loopt() || m_wachten || bron == m_tags.end() || vak < 1 || vak > Plaatsen)
        return Afloop::Niets;
    const auto index = static_cast<std::size_t>(bron - m_tags.begin());
    if (m_geplaatst[index])
        return Afloop::Niets;
    if (tag != vak)
        return Afloop::Fout;
    m_geplaatst[index] = true;
    m_inVak.at(Index(vak)) = m_getallen[index];
    if (++m_aantalGeplaatst < Plaatsen)
        return Afloop::Goed;
    if (!m_reeks.NieuweOefening())
        return Afloop::Einde;
    m_wachten = true;
    m_tikken = 0;
    return Afloop::Alledrie;
}

bool Ordenspel::Tik()
{
    if (m_wachten)
        ++m_tikken;
    if (m_tikken < PauzeTikken)
        return false;
    NieuweOefening();
    m_wachten = false;
    m_tikken = 0;
    return true;
}
