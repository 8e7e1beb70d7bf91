#pragma once

#include "geluid.h"

#include <QThread>

#include <memory>

class Geluidsuitvoer;

// Plays sounds on the default audio output and returns at once; a new sound replaces the one playing, and an empty
// one stops it. The output runs in a thread of its own, so that a sound server that is slow, hangs or is missing
// never holds up the window: the sound is then silence. Nothing runs between sounds.
class WavSpeler final : public Geluidsspeler
{
public:
    WavSpeler();
    ~WavSpeler() override;
    WavSpeler(const WavSpeler&) = delete;
    WavSpeler& operator=(const WavSpeler&) = delete;

    void Speel(int slot, const PcmGeluid& geluid) override;

private:
    std::unique_ptr<QThread> m_draad;
    Geluidsuitvoer* m_uitvoer; // lives in m_draad, which deletes it when it ends
};
