#pragma once

#include <QString>

#include <cstdint>

// The stopwatch without its window: counting tenths, seconds and minutes by timer ticks (no clock is read), and
// which of its three buttons may be pressed. The window drives Tik() from a 100 ms timer and shows the texts.
class Chronometer
{
public:
    // One tick of the timer: a tenth of a second more while counting.
    void Tik();

    void Start(); // counting from where it stands
    void Pauze(); // stops counting; only Stop goes on from here
    void Stop(); // stops counting and resets the time to zero

    bool Loopt() const { return m_loopt; }
    bool StartMag() const { return m_startMag; }
    bool PauzeMag() const { return m_loopt; }
    bool StopMag() const { return !m_startMag; }

    QString Minuten() const; // "00", "09", "10", "125"
    QString Seconden() const; // "00" to "59"
    QString Tienden() const; // "0" to "9"

private:
    bool m_loopt = false;
    bool m_startMag = true;
    std::int16_t m_tienden = 0;
    std::int64_t m_seconden = 0;
    std::int64_t m_minuten = 0;
};
