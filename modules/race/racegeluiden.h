#pragma once

#include "geluid.h"

#include <QString>

#include <optional>

// The race's own sound device: one file at a time is opened, played and closed again, and a new sound closes the
// one before it, so the sounds never overlap. WAV and AIFF files are read from sound/ beside the working directory
// when they are opened; a missing or unreadable file is silence. The sounds go through the program's sound player
// under slots of their own.
class Racegeluiden
{
public:
    enum class Soort : int { Start = 21, Auto, Fout, Applaus };

    Racegeluiden() = default;
    ~Racegeluiden();
    Racegeluiden(const Racegeluiden&) = delete;
    Racegeluiden& operator=(const Racegeluiden&) = delete;

    // Close, then Open and Play the file of this sound.
    void Speel(Soort soort);
    // Stops the sound that is open, if any.
    void Close();

private:
    bool Open(Soort soort);
    void Play();

    std::optional<Soort> m_open;
    PcmGeluid m_geluid;
};
