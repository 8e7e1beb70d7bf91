#pragma once

#include <array>

// The fishing game without widgets: ten fish swimming through the water towards target points, and the number whose
// fish is to be caught. Places are in twips, the fish's top-left corners in the water.
class Visvijver
{
public:
    static constexpr int Aantal = 10;
    static constexpr int Breedte = 7455; // the water
    static constexpr int Hoogte = 3255;
    static constexpr int VisBreedte = 980;
    static constexpr int VisHoogte = 480;
    // Targets keep this far from the right and bottom edges; a fish is wider, so it may reach beyond the right one.
    static constexpr int Marge = 520;
    static constexpr int Stap = 5; // per tick, on each axis

    struct Vis
    {
        int links;
        int boven;
        int doelX;
        int doelY;
        bool naarRechts; // the way it swam last, for the way it faces
    };

    // The fish at their starting places, each with a target, and a first number to catch.
    Visvijver();

    // One movement step of every fish: on each axis it either moves a step towards its target or, standing on it,
    // chooses a new target on that axis and stays there for this tick.
    void Tik();

    // The fish with this index (0..9) was clicked. It carries index + 1: when that is the number asked for it is
    // caught and a new number drawn (it may be the same one); otherwise nothing changes.
    bool Vang(int index);

    const std::array<Vis, Aantal>& Vissen() const { return m_vissen; }
    int Doelgetal() const { return m_doelgetal; }
    int GoedeVissen() const { return m_goedeVissen; }

private:
    void NieuwDoel();

    std::array<Vis, Aantal> m_vissen;
    int m_doelgetal = 1;
    int m_goedeVissen = 0;
};
