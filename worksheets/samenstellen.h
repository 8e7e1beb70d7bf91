#pragma once

#include "blad.h"
#include "opgave.h"

#include <QString>

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// How the 30 exercises of a sheet are grouped: mixed, or blocks of 10 or 5 per kind (or table).
enum class BladOrdening { Gemengd, Per10, Per5 };

// The tabs of the worksheet window, in tab order; Tafel is the "Tafels" tab.
enum class TabSoort { Hoofdrekenen, Tafel, Twintig, Honderd, Duizend, Tienduizend, Honderdduizend, Help };

// The kind of a sheet: it decides the title and the rule that fills a slot. The first seven are
// the operation choices of the Hoofdrekenen page and carry the numbers of Bewerkingskeuze.
enum class BladSoort {
    Optellen = 1,
    Aftrekken,
    OptellenEnAftrekken,
    Vermenigvuldigen,
    Delen,
    VermenigvuldigenEnDelen,
    VierBewerkingen,
    Maaltafels,
    Deeltafels,
    MaalEnDeeltafels,
    TellenTot20,
    TellenTot100,
    TellenTot1000,
    TellenTot10000,
    TellenTot100000,
};

// A page of kind check boxes. The captions are the kind codes handed to the generator; their
// order is the page's own (ordered sheets and the subtitle follow it), not the generator's.
struct SoortPagina
{
    TabSoort Tab;
    BladSoort Soort;
    std::vector<std::string> Soorten;
    Opgave (*Generator)(const std::string& soort);
};

// The five range pages in tab order: Twintig, Honderd, Duizend, Tienduizend, Honderdduizend.
const std::array<SoortPagina, 5>& SoortPaginas();

// The index in SoortPaginas() of the page of a tab; empty for the other tabs.
std::optional<std::size_t> PaginaVanTab(TabSoort tab);

constexpr int TafelAantal = 10;

// Everything a composition depends on, as read at the last accepted "Printvoorbeeld".
struct BladKeuze
{
    TabSoort Tab = TabSoort::Hoofdrekenen;
    std::optional<BladSoort> Soort;
    std::int32_t BladMax = 0;
    bool Brug = true;
    BladOrdening Ordening = BladOrdening::Gemengd;
    std::array<bool, TafelAantal> TafelKeuze {}; // element t-1 stands for table t
    std::array<std::vector<bool>, 5> SoortKeuze; // per range page, in SoortPaginas() order
};

QString BladTitel(BladSoort soort);

// Ticked boxes of the selected page: tables on "Tafels", kinds on a range page, 1 for "Hoofdrekenen".
int TelSoorten(const BladKeuze& keuze);

// A candidate is new when none of the 30 keys of the sheet (old slots included) equals its key.
bool IsNieuw(const BladGegevens& blad, const QString& sleutel);

// After this many attempts a slot keeps its last candidate, repeat or not.
constexpr int MaxPogingen = 51;

// Rules that fill one slot of a mixed sheet. They return the attempts of the repeat test used;
// 0 when nothing could be chosen (no table or kind ticked), which leaves the slot as it was.
int MaakTafelMaal(BladGegevens& blad, int vak, const std::array<bool, TafelAantal>& tafels);
int MaakTafelDeel(BladGegevens& blad, int vak, const std::array<bool, TafelAantal>& tafels);
int MaakTafelMaalOfDeel(BladGegevens& blad, int vak, const std::array<bool, TafelAantal>& tafels);
int MaakSoortOpgave(BladGegevens& blad, int vak, const SoortPagina& pagina, const std::vector<bool>& keuze);

// Draws the 30 exercises and sets the title; does nothing while the sheet kind is unset.
void MaakBlad(BladGegevens& blad, const BladKeuze& keuze);

// The proposed subtitle: the maximum, the tables or the kinds; "gemengde oefeningen" beyond 45 characters.
QString OndertitelVoorstel(const BladKeuze& keuze);
