#pragma once

#include "bewerkingen.h"
#include "opgave.h"

#include <array>
#include <cstdint>
#include <optional>

// The puzzle without any widget: sixteen pieces over a picture, each with its exercise. A right answer to the
// chosen piece takes it away, a wrong one counts as a mistake and leaves it.
class Puzzel
{
public:
    static constexpr int AantalStukken = 16;

    enum class Uitslag { Goed, Fout, GeenStuk };

    // Sixteen new exercises. Pieces already taken away stay away and the mistakes keep counting; no piece is
    // chosen, since the one chosen before now has another exercise.
    void Nieuw(Bewerkingskeuze keuze, std::int32_t maximum, bool brug);
    // All pieces back, no mistakes, no piece chosen.
    void ZetTerug();

    // Chooses a piece that still lies on the picture; false (and nothing chosen) for any other.
    bool Kies(int stuk);
    // The answer to the chosen piece; afterwards no piece is chosen, so that the next answer needs a new choice.
    // With no piece chosen nothing is counted.
    Uitslag Beantwoord(double waarde);

    const Opgave& Stuk(int stuk) const { return m_stukken.at(static_cast<std::size_t>(stuk)); }
    bool Ligt(int stuk) const { return m_ligt.at(static_cast<std::size_t>(stuk)); }
    int Resterend() const;
    int Fouten() const { return m_fouten; }
    std::optional<int> Gekozen() const { return m_gekozen; }

private:
    std::array<Opgave, AantalStukken> m_stukken {};
    std::array<bool, AantalStukken> m_ligt = Alle();
    int m_fouten = 0;
    std::optional<int> m_gekozen;

    static constexpr std::array<bool, AantalStukken> Alle()
    {
        std::array<bool, AantalStukken> alle {};
        alle.fill(true);
        return alle;
    }
};

// Whether the bridge options may be used: only for "+", "-" and "+ en -" (or nothing chosen yet) with a maximum
// of 11 or more. Choosing an operation applies this in full.
bool BrugMogelijk(std::optional<Bewerkingskeuze> keuze, std::int64_t maximum);
// Typing a maximum switches the options off below 11 and on again for addition and subtraction; for
// multiplication or division it leaves them as they are (empty).
std::optional<bool> BrugNaMaximum(std::optional<Bewerkingskeuze> keuze, std::int64_t maximum);
