#pragma once

#include <array>

// The two-player race without widgets: whose turn it is, the scores, and where each car stands on the track. Places
// are the cars' tops in twips, 0 at the start; every right answer moves the player's car one tenth of the way down.
class Race
{
public:
    static constexpr int Baanhoogte = 6735;
    static constexpr int Autohoogte = 495;
    static constexpr int Doel = 10; // right answers that win
    static constexpr int Stap = (Baanhoogte - Autohoogte) / Doel;
    // The top of a car standing on the finish.
    static constexpr int Finish = Doel * Stap;

    // A new race: both scores 0 and a random first player (a draw 1..200, odd for player 1). The cars stay where
    // they are.
    void Start();

    // The answer of the player whose turn it is. A right one moves that player's car a step down; at Doel right
    // answers that player wins and the race is over, otherwise the turn passes, after a wrong answer too.
    // An answer after the race is over changes nothing.
    void Beantwoord(bool goed);

    // Both scores 0 and both cars back at the start.
    void TerugNaarStart();

    // Players are numbered 1 and 2; 0 before the first start.
    int Beurt() const { return m_beurt; }
    int Winnaar() const { return m_winnaar; }
    int Score(int speler) const { return m_scores.at(Index(speler)); }
    int Boven(int speler) const { return m_boven.at(Index(speler)); }

private:
    static std::size_t Index(int speler) { return static_cast<std::size_t>(speler - 1); }

    int m_beurt = 0;
    int m_winnaar = 0;
    std::array<int, 2> m_scores {};
    std::array<int, 2> m_boven {};
};
