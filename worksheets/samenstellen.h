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

// A page of kind check boxes. The captions are the kind codes handed to the generator; their
// order is the page's own (ordered sheets and the subtitle follow it), not the generator's.
struct SoortPagina
{
    QString TabSoort;
    int BladSoort;
    std::vector<std::string> Soorten;
    Opgave (*Generator)(const std::string& soort);
};

// The five range pages in tab order: Twintig, Honderd, Duizend, Tienduizend, Honderdduizend.
const std::array<SoortPagina, 5>& SoortPaginas();

// The index in SoortPaginas() of the page of a tab kind name; empty for the other tabs.
std::optional<std::size_t> PaginaVanTab(const QString& tabSoort);

// The sheet kinds 1..7 are the operation choices of the Hoofdrekenen page; these follow them.
constexpr int BladMaaltafels = 8;
constexpr int BladDeeltafels = 9;
constexpr int BladMaalEnDeeltafels = 10;
constexpr int BladEersteSoortPagina = 11;
constexpr int TafelAantal = 10;

// Everything a composition depends on, as read at the last accepted "Printvoorbeeld".
struct BladKeuze
{
    QString TabSoort = QStringLiteral("Hoofdrekenen");
    std::optional<int> BladSoort; // 1..15
    std::int32_t BladMax = 0;
    bool Brug = true;
    BladOrdening Ordening = BladOrdening::Gemengd;
    std::array<bool, TafelAantal> TafelKeuze {}; // element t-1 stands for table t
    std::array<std::vector<bool>, 5> SoortKeuze; // per range page, in SoortPaginas() order
};

// The title of a sheet kind; empty outside 1..15.
QString BladTitel(int bladSoort);

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

// Draws the 30 exercises and sets the title; does nothing while BladSoort is unset.
void MaakBlad(BladGegevens& blad, const BladKeuze& keuze);

// The proposed subtitle: the maximum, the tables or the kinds; "gemengde oefeningen" beyond 45 characters.
QString OndertitelVoorstel(const BladKeuze& keuze);
