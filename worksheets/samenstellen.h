#pragma once

#include "blad.h"
#include "getalbereiken.h"
#include "tafels.h"

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

// A page of kind check boxes, built from its number range: the boxes' captions are the range's kind codes in its
// worksheet order (ordered sheets and the subtitle follow it), handed to the range's generator.
struct SoortPagina
{
    TabSoort Tab;
    BladSoort Soort;
    const Getalbereik& Bereik;

    const std::vector<std::string>& Soorten() const { return Bereik.bladSoorten; }
};

// The five range pages in tab order: Twintig, Honderd, Duizend, Tienduizend, Honderdduizend.
const std::array<SoortPagina, 5>& SoortPaginas();

// The index in SoortPaginas() of the page of a tab; empty for the other tabs.
std::optional<std::size_t> PaginaVanTab(TabSoort tab);

constexpr int TafelAantal = std::tuple_size_v<Tafels>;

// The largest maximum of a Hoofdrekenen sheet.
constexpr std::int32_t GrootsteBladMax = 100000;

// Everything a composition depends on, as read at the last accepted "Printvoorbeeld".
struct BladKeuze
{
    TabSoort Tab = TabSoort::Hoofdrekenen;
    std::optional<BladSoort> Soort;
    std::int32_t BladMax = 0;
    bool Brug = true;
    BladOrdening Ordening = BladOrdening::Gemengd;
    Tafels TafelKeuze {}; // element t-1 stands for table t
    std::array<std::vector<bool>, 5> SoortKeuze; // per range page, in SoortPaginas() order
};

QString BladTitel(BladSoort soort);

// Ticked boxes of the selected page: tables on "Tafels", kinds on a range page, 1 for "Hoofdrekenen".
int TelSoorten(const BladKeuze& keuze);

// After this many attempts a slot keeps its last candidate, repeat or not. A candidate is new when none of the 30
// keys of the sheet equals its key.
constexpr int MaxPogingen = 51;

// The sheet of a choice and a seed: the same two always give the same 30 exercises and title. The slots start
// empty and the exercises are drawn from a stream of their own that starts from the seed, after the last exercise
// made elsewhere is forgotten, so nothing before counts. The subtitle and the code are left as they are; nothing
// is drawn while the sheet kind is unset.
void MaakBlad(BladGegevens& blad, const BladKeuze& keuze, std::uint64_t zaad);

// How many different exercises a choice allows on a mixed sheet.
std::uint64_t AantalVerschillend(const BladKeuze& keuze);

// How many different exercises of `blad` stand on `ander` too.
int Gedeeld(const BladGegevens& blad, const BladGegevens& ander);

// At most this many seeds are tried for a sheet that shares no exercise with the one it replaces.
constexpr int ZaadPogingen = 200;

struct Samenstelling
{
    std::uint64_t Zaad = 0;
    BladGegevens Blad;
};

// A new sheet of the choice that avoids the exercises of `vorig` as far as the choice allows: of seeds 0..zaden-1
// drawn from the random source, the first whose sheet shares no more with `vorig` than so few different exercises
// force it to, or else of ZaadPogingen the one that shares least. Its subtitle and code are those of `vorig`.
Samenstelling StelNieuwBladSamen(const BladKeuze& keuze, const BladGegevens& vorig, std::uint64_t zaden);

// The proposed subtitle: the maximum, the tables or the kinds; "gemengde oefeningen" beyond 45 characters.
QString OndertitelVoorstel(const BladKeuze& keuze);
