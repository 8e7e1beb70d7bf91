#pragma once

#include "geluid.h"

#include <algorithm>
#include <vector>

// Stands in for the sound output while it lives: records every sound asked for, in order, and plays nothing.
class NepSpeler final : public Geluidsspeler
{
public:
    struct Gespeeld
    {
        int slot;
        PcmGeluid geluid;
        bool goed() const { return slot >= 1 && slot <= 10; }
        bool fout() const { return slot >= 11 && slot <= 20; }
    };

    NepSpeler() { ZetGeluidsspeler(this); }
    ~NepSpeler() override { ZetGeluidsspeler(nullptr); }
    NepSpeler(const NepSpeler&) = delete;
    NepSpeler& operator=(const NepSpeler&) = delete;

    void Speel(int slot, const PcmGeluid& geluid) override { m_gespeeld.push_back({slot, geluid}); }

    const std::vector<Gespeeld>& gespeeld() const { return m_gespeeld; }
    void wis() { m_gespeeld.clear(); }

    // How many approval and disapproval sounds were asked for, and their slots in order.
    int Goed() const { return static_cast<int>(std::ranges::count_if(m_gespeeld, &Gespeeld::goed)); }
    int Fout() const { return static_cast<int>(std::ranges::count_if(m_gespeeld, &Gespeeld::fout)); }
    std::vector<int> Slots() const
    {
        std::vector<int> nummers;
        for (const Gespeeld& g : m_gespeeld)
            nummers.push_back(g.slot);
        return nummers;
    }

private:
    std::vector<Gespeeld> m_gespeeld;
};
