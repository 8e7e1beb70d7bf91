#pragma once

#include <QString>

#include <array>
#include <optional>

// The six kinds of splitting exercise, numbered as on the Setup page (optSoort index + 1).
enum class Splitssoort { VrijGemengd = 1, VastGemengd, VrijOmgekeerd, VastOmgekeerd, VrijPerGetal, VastPerGetal };

// A box of the splitting house: the whole at the top (txtBoven), or the left or right part of a row.
struct Vakplek
{
    enum class Kant { Boven, Links, Rechts };
    Kant kant = Kant::Boven;
    int rij = 0;

    static Vakplek Boven() { return {}; }
    static Vakplek Links(int rij) { return {Kant::Links, rij}; }
    static Vakplek Rechts(int rij) { return {Kant::Rechts, rij}; }
    bool operator==(const Vakplek&) const = default;
};

struct Splitsvak
{
    QString tekst;
    bool actief = true;
};

struct Splitsrij
{
    Splitsvak links;
    Splitsvak rechts;
    bool getoond = true;
    bool ok = false; // the row's check mark
};

// What a series is set up with; the maximum is 3..10 and the single number 0 (none) to 10.
struct Splitsinstellingen
{
    Splitssoort soort = Splitssoort::VrijGemengd;
    int maximum = 5;
    bool aanpassen = true; // only rows 0..n of the whole n are shown
    int enkelGetal = 0;
};

// The verdict on the board after a row was checked.
enum class Oordeel {
    Geen, // the row does not add up: its mark is gone, nothing else happens
    LeegVak, // it adds up, but a part box is empty
    Juist, // kinds 1 to 4 solved
    HelemaalJuist, // every splitting of the whole found
    NietAf, // a splitting found, others still missing
};

// What Enter or Space in a box asks for.
struct Toetsactie
{
    enum class Soort { Niets, Focus, Controleer };
    Soort soort = Soort::Niets;
    Vakplek doel; // Focus: where the focus goes; Controleer: the row to check is doel.rij
};

// What leaving a part box did.
struct Verlaten
{
    bool herhaling = false; // a splitting that was already found ("Die had je al !!!")
    std::optional<Vakplek> focus; // where the focus must go instead
    Oordeel oordeel = Oordeel::Geen;
};

// The splitting house without widgets: the whole, eleven rows of two parts with their check marks, which boxes
// are shown and enabled, how each kind of exercise is made, where Enter and Space go and when a row and the
// exercise are right.
class Splitsbord
{
public:
    static constexpr int AantalRijen = 11;

    // A new series: the whole of the previous series no longer counts as the previous one.
    void Start(const Splitsinstellingen& instellingen);
    // Empties the board and makes the next exercise of the series' kind.
    void NieuweOefening();

    Splitssoort Soort() const { return m_instellingen.soort; }
    bool PerGetal() const { return Soort() >= Splitssoort::VrijPerGetal; }
    const Splitsvak& Boven() const { return m_boven; }
    const Splitsrij& Rij(int rij) const { return m_rijen.at(static_cast<std::size_t>(rij)); }
    const Splitsvak& Vak(Vakplek plek) const;
    // Where the keyboard starts on a new exercise.
    Vakplek Beginfocus() const { return m_beginfocus; }
    // Counts the exercises made, so that a caller can tell that the board was rebuilt under it.
    int Stand() const { return m_stand; }

    // What the child typed into a box.
    void ZetTekst(Vakplek plek, const QString& tekst);
    // Space first trims the box it was pressed in.
    void Trim(Vakplek plek);
    Toetsactie Toets(Vakplek plek) const;
    // Leaving a part box of a row: checks the row once both its boxes are filled.
    Verlaten Verlaat(Vakplek plek);
    Oordeel ControleerRij(int rij);

private:
    template<class Bord> static auto& VakIn(Bord& bord, Vakplek plek);
    Splitsvak& VakOp(Vakplek plek);
    Splitsrij& RijOp(int rij) { return m_rijen.at(static_cast<std::size_t>(rij)); }
    void LeegBord();
    int TrekGeheel();
    void MaakVrijGemengd();
    void MaakVastGemengd();
    void MaakVrijOmgekeerd();
    void MaakVastOmgekeerd();
    void MaakPerGetal();
    void VerdeelVasteDelen(int geheel);
    void VerbergRijenVanaf(int eerste, bool uitschakelen);
    Vakplek EersteVakVan(int rij) const;
    Vakplek VolgendeRij(int rij) const;
    bool ZoekHerhaling(Vakplek plek);
    Oordeel ControleerOefening() const;

    Splitsinstellingen m_instellingen;
    Splitsvak m_boven;
    std::array<Splitsrij, AantalRijen> m_rijen {};
    int m_geheel = 0; // the whole of the kinds that have one; the rows 0..m_geheel count for kinds 5 and 6
    std::optional<int> m_vorigGeheel;
    Vakplek m_beginfocus;
    int m_stand = 0;
};
