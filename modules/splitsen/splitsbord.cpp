#include "splitsbord.h"

#include "getal.h"
#include "toeval.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace {

using Kant = Vakplek::Kant;

// The value of a box, or nothing when it does not fit a whole-number field: such a row never adds up.
std::optional<double> Waarde(const QString& tekst)
{
    const double waarde = LeesGetal(tekst);
    if (!std::isfinite(waarde) || std::abs(waarde) > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return waarde;
}

bool Leeg(const Splitsvak& vak)
{
    return vak.tekst.trimmed().isEmpty();
}

// The side of the given part: a number 1..100, 51 or more puts it on the left.
bool GegevenLinks()
{
    return RandomTot(100) >= 51;
}

} // namespace

void Splitsbord::Start(const Splitsinstellingen& instellingen)
{
    m_instellingen = instellingen;
    // A maximum below 3 could never draw a whole other than the previous one; a whole above 10 has no rows.
    m_instellingen.maximum = std::clamp(instellingen.maximum, 3, 10);
    m_instellingen.enkelGetal = std::clamp(instellingen.enkelGetal, 0, AantalRijen - 1);
    m_vorigGeheel.reset();
}

void Splitsbord::NieuweOefening()
{
    LeegBord();
    switch (Soort()) {
    case Splitssoort::VrijGemengd:
        MaakVrijGemengd();
        break;
    case Splitssoort::VastGemengd:
        MaakVastGemengd();
        break;
    case Splitssoort::VrijOmgekeerd:
        MaakVrijOmgekeerd();
        break;
    case Splitssoort::VastOmgekeerd:
        MaakVastOmgekeerd();
        break;
    case Splitssoort::VrijPerGetal:
    case Splitssoort::VastPerGetal:
        MaakPerGetal();
        break;
    }
    ++m_stand;
}

template<class Bord> auto& Splitsbord::VakIn(Bord& bord, Vakplek plek)
{
    auto& rij = bord.m_rijen.at(static_cast<std::size_t>(plek.rij));
    switch (plek.kant) {
    case Kant::Links:
        return rij.links;
    case Kant::Rechts:
        return rij.rechts;
    case Kant::Boven:
        break;
    }
    return bord.m_boven;
}

const Splitsvak& Splitsbord::Vak(Vakplek plek) const
{
    return VakIn(*this, plek);
}

Splitsvak& Splitsbord::VakOp(Vakplek plek)
{
    return VakIn(*this, plek);
}

void Splitsbord::ZetTekst(Vakplek plek, const QString& tekst)
{
    VakOp(plek).tekst = tekst;
}

void Splitsbord::Trim(Vakplek plek)
{
    Splitsvak& vak = VakOp(plek);
    vak.tekst = vak.tekst.trimmed();
}

void Splitsbord::LeegBord()
{
    m_boven = {};
    m_rijen.fill({});
    m_geheel = 0;
}

int Splitsbord::TrekGeheel()
{
    int geheel = 0;
    do {
        geheel = static_cast<int>(RandomTot(m_instellingen.maximum));
    } while (geheel == m_vorigGeheel);
    m_vorigGeheel = geheel;
    return geheel;
}

void Splitsbord::VerbergRijenVanaf(int eerste, bool uitschakelen)
{
    for (int i = std::max(eerste, 0); i < AantalRijen; ++i) {
        Splitsrij& rij = RijOp(i);
        rij.getoond = false;
        if (uitschakelen)
            rij.links.actief = rij.rechts.actief = false;
    }
}

void Splitsbord::MaakVrijGemengd()
{
    VerbergRijenVanaf(1, true);
    m_geheel = TrekGeheel();
    m_boven = {Tekst(m_geheel), false};
    m_beginfocus = Vakplek::Links(0);
}

void Splitsbord::MaakVastGemengd()
{
    VerbergRijenVanaf(1, true);
    m_geheel = TrekGeheel();
    m_boven = {Tekst(m_geheel), false};
    const bool links = GegevenLinks();
    const Splitsvak gegeven {Tekst(RandomIndex(m_geheel)), false};
    (links ? RijOp(0).links : RijOp(0).rechts) = gegeven;
    m_beginfocus = links ? Vakplek::Rechts(0) : Vakplek::Links(0);
}

void Splitsbord::MaakVrijOmgekeerd()
{
    VerbergRijenVanaf(1, true);
    const bool links = GegevenLinks();
    const Splitsvak gegeven {Tekst(RandomTot(m_instellingen.maximum)), false};
    (links ? RijOp(0).links : RijOp(0).rechts) = gegeven;
    m_beginfocus = links ? Vakplek::Rechts(0) : Vakplek::Links(0);
}

void Splitsbord::MaakVastOmgekeerd()
{
    VerbergRijenVanaf(1, true);
    const int maximum = m_instellingen.maximum;
    std::int64_t links = 0;
    std::int64_t rechts = 0;
    do {
        links = RandomIndex(maximum);
        rechts = RandomIndex(maximum);
    } while (links + rechts > maximum);
    RijOp(0).links = {Tekst(links), false};
    RijOp(0).rechts = {Tekst(rechts), false};
    m_beginfocus = Vakplek::Boven();
}

void Splitsbord::MaakPerGetal()
{
    const int enkel = m_instellingen.enkelGetal;
    m_geheel = enkel != 0 ? enkel : TrekGeheel();
    if (m_instellingen.aanpassen)
        VerbergRijenVanaf(m_geheel + 1, false);
    else if (m_instellingen.maximum == 5)
        VerbergRijenVanaf(6, false);
    if (Soort() == Splitssoort::VastPerGetal)
        VerdeelVasteDelen(m_geheel);
    m_boven = {Tekst(m_geheel), false};
    m_beginfocus = EersteVakVan(0);
}

// Each splitting (k, n - k) goes to a free row of its own, with one of its parts given.
void Splitsbord::VerdeelVasteDelen(int geheel)
{
    for (int k = 0; k <= geheel; ++k) {
        int j = 0;
        do {
            j = static_cast<int>(RandomIndex(geheel + 1));
        } while (!Rij(j).links.tekst.isEmpty() || !Rij(j).rechts.tekst.isEmpty());
        Splitsrij& rij = RijOp(j);
        if (GegevenLinks())
            rij.links = {Tekst(k), false};
        else
            rij.rechts = {Tekst(geheel - k), false};
    }
}

Vakplek Splitsbord::EersteVakVan(int rij) const
{
    return Rij(rij).links.actief ? Vakplek::Links(rij) : Vakplek::Rechts(rij);
}

// After the row of the whole the keyboard goes round to row 0; so it does after the last row shown.
Vakplek Splitsbord::VolgendeRij(int rij) const
{
    const bool rond = rij == m_geheel || rij + 1 >= AantalRijen || !Rij(rij + 1).getoond;
    return EersteVakVan(rond ? 0 : rij + 1);
}

Toetsactie Splitsbord::Toets(Vakplek plek) const
{
    using enum Toetsactie::Soort;
    if (!Vak(plek).actief)
        return {};
    const bool boven = plek.kant == Kant::Boven;
    switch (Soort()) {
    case Splitssoort::VrijGemengd:
        return {Focus, plek.kant == Kant::Links ? Vakplek::Rechts(plek.rij) : Vakplek::Links(plek.rij)};
    case Splitssoort::VastGemengd:
        return {Controleer, Vakplek::Links(0)};
    case Splitssoort::VrijOmgekeerd:
        return boven ? Toetsactie {Controleer, Vakplek::Links(0)} : Toetsactie {Focus, Vakplek::Boven()};
    case Splitssoort::VastOmgekeerd:
        return {Controleer, Vakplek::Links(0)};
    case Splitssoort::VrijPerGetal:
    case Splitssoort::VastPerGetal:
        if (plek.kant == Kant::Links && Rij(plek.rij).rechts.actief)
            return {Focus, Vakplek::Rechts(plek.rij)};
        return {Focus, VolgendeRij(plek.rij)};
    }
    return {};
}

Verlaten Splitsbord::Verlaat(Vakplek plek)
{
    if (plek.kant == Kant::Boven)
        return {};
    const Splitsrij& rij = Rij(plek.rij);
    if (Leeg(rij.links) || Leeg(rij.rechts))
        return {};
    if (Soort() == Splitssoort::VrijPerGetal && ZoekHerhaling(plek)) {
        Verlaten verlaten {true, {}, Oordeel::Geen};
        if (plek.kant == Kant::Rechts)
            verlaten.focus = Vakplek::Links(plek.rij);
        return verlaten;
    }
    return {false, {}, ControleerRij(plek.rij)};
}

// Another row of the whole with the same left part. A repeat never counts as found, so its mark goes; leaving
// the right box also empties the row for a new try.
bool Splitsbord::ZoekHerhaling(Vakplek plek)
{
    Splitsrij& rij = RijOp(plek.rij);
    bool gevonden = false;
    for (int k = 0; k <= std::min(m_geheel, AantalRijen - 1) && !gevonden; ++k) {
        const QString& ander = Rij(k).links.tekst;
        if (k == plek.rij || ander.isEmpty())
            continue;
        gevonden = plek.kant == Kant::Links ? LeesGetal(ander) == LeesGetal(rij.links.tekst) : ander == rij.links.tekst;
    }
    if (!gevonden)
        return false;
    rij.ok = false;
    if (plek.kant == Kant::Rechts) {
        rij.links.tekst.clear();
        rij.rechts.tekst.clear();
    }
    return true;
}

Oordeel Splitsbord::ControleerRij(int rij)
{
    Splitsrij& deze = RijOp(rij);
    const auto geheel = Waarde(m_boven.tekst);
    const auto links = Waarde(deze.links.tekst);
    const auto rechts = Waarde(deze.rechts.tekst);
    deze.ok = geheel && links && rechts && *geheel == *links + *rechts;
    return deze.ok ? ControleerOefening() : Oordeel::Geen;
}

Oordeel Splitsbord::ControleerOefening() const
{
    // An empty whole is not an answer, even where 0 and 0 make 0.
    if (!PerGetal())
        return Leeg(m_boven) || Leeg(Rij(0).links) || Leeg(Rij(0).rechts) ? Oordeel::LeegVak : Oordeel::Juist;
    const auto tellen = std::min(m_geheel + 1, AantalRijen);
    const auto gevonden
        = std::count_if(m_rijen.begin(), m_rijen.begin() + tellen, [](const Splitsrij& r) { return r.ok; });
    return gevonden == m_geheel + 1 ? Oordeel::HelemaalJuist : Oordeel::NietAf;
}
