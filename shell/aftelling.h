#pragma once

#include <QColor>
#include <QString>

#include <cstdint>

// The start window's countdown without its window: ten seconds, one tick a second, a line that says how many are
// left and blinks between two colours. The window drives Tik() from a one-second timer.
class Aftelling
{
public:
    static constexpr std::int16_t Begin = 10;

    // One second less; true when the countdown is over (below 1), which the last tick shows as 0.
    bool Tik();

    std::int16_t Teller() const { return m_teller; }
    QString Tekst() const; // "Klik, druk of wacht 9 seconden."
    QColor Kleur() const; // light yellow for an odd number (and at the start), light red for an even one

private:
    std::int16_t m_teller = Begin;
};
