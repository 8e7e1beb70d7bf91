#pragma once

#include "reeks.h"

#include <QString>

#include <array>

// The ordering game without its window. Three different numbers 1..maximum stand in three sources, to be put
// in order in three boxes; each box takes only the number that belongs there. Sources and boxes are numbered
// 1..3 from left to right, and a source's tag is the box it belongs in. After the third number is in place the
// game waits four ticks of its 500 ms timer before the next exercise.
class Ordenspel
{
public:
    static constexpr int Plaatsen = 3;
    static constexpr int TikMs = 500;
    static constexpr int PauzeTikken = 4;

    enum class Afloop {
        Niets, // nothing to place: no series, the exercise is complete, or the source is already in its box
        Fout, // the box does not take this number
        Goed, // the number is in its box
        Alledrie, // the third number is in its box; the next exercise follows after the pause
        Einde, // the third number of the series' last exercise is in its box
    };

    Ordenspel();

    // A series of `aantal` (>= 1) exercises with numbers 1..maximum (3..10), starting with its first exercise.
    void Start(int maximum, int aantal, bool kleinNaarGroot);
    // The source with this tag dropped on box `vak`.
    Afloop Laat(int tag, int vak);
    // One tick of the timer; true when it brought the next exercise.
    bool Tik();

    // Source 1..3: its number, its tag, and whether it stands in its box (the source is then hidden).
    int Getal(int bron) const { return m_getallen.at(Index(bron)); }
    int Tag(int bron) const { return m_tags.at(Index(bron)); }
    bool Geplaatst(int bron) const { return m_geplaatst.at(Index(bron)); }
    // The number in box 1..3; 0 while it is empty.
    int InVak(int vak) const { return m_inVak.at(Index(vak)); }
    bool Wachten() const { return m_wachten; }
    // "Nog 7 oefeningen."
    QString Resterend() const { return m_reeks.Resterend(); }

    static QString Lof(int vak);
    static QString Verwijt(int vak);

private:
    static std::size_t Index(int plaats) { return static_cast<std::size_t>(plaats - 1); }
    void NieuweOefening();
    void GeefTags();

    Reeks m_reeks;
    int m_maximum = 3;
    bool m_kleinNaarGroot = true;
    std::array<int, Plaatsen> m_getallen {};
    std::array<int, Plaatsen> m_tags {};
    std::array<bool, Plaatsen> m_geplaatst {};
    std::array<int, Plaatsen> m_inVak {};
    int m_aantalGeplaatst = 0;
    bool m_wachten = false;
    int m_tikken = 0;
};
