#include "racegeluiden.h"

namespace {

// The file of a sound, relative to the working directory.
QString Bestand(Racegeluiden::Soort soort)
{
    using Soort = Racegeluiden::Soort;
    switch (soort) {
    case Soort::Start:
        return QStringLiteral("sound/attention.wav");
    case Soort::Auto:
        return QStringLiteral("sound/auto.wav");
    case Soort::Fout:
        return QStringLiteral("sound/fout1.aif");
    case Soort::Applaus:
        return QStringLiteral("sound/applaus.wav");
    }
    return {};
}

} // namespace

Racegeluiden::~Racegeluiden()
{
    Close();
}

void Racegeluiden::Speel(Soort soort)
{
    Close();
    if (Open(soort))
        Play();
}

bool Racegeluiden::Open(Soort soort)
{
    std::optional<PcmGeluid> geluid = DecodeerGeluid(LeesBestand(Bestand(soort)));
    if (!geluid)
        return false;
    m_geluid = std::move(*geluid);
    m_open = soort;
    return true;
}

void Racegeluiden::Play()
{
    SpeelGeluid(static_cast<int>(*m_open), m_geluid);
}

void Racegeluiden::Close()
{
    if (!m_open)
        return;
    SpeelGeluid(static_cast<int>(*m_open), {});
    m_open.reset();
    m_geluid = {};
}
