#include "geluid.h"

#include "toeval.h"

#include <QFile>
#include <QFileInfo>

#include <array>

namespace {

constexpr int AantalPerSoort = 10;
constexpr int AantalGeluiden = 2 * AantalPerSoort;

// Far above any sound or data file of ours; keeps a stray huge file from exhausting memory.
constexpr qint64 GrootsteBestand = 64 * 1024 * 1024;

std::array<QByteArray, AantalGeluiden>& Geluiden()
{
    static std::array<QByteArray, AantalGeluiden> geluiden;
    return geluiden;
}

Geluidsspeler*& Speler()
{
    static Geluidsspeler* speler = nullptr;
    return speler;
}

void Speel(int slot)
{
    const QByteArray& wav = Geluid(slot);
    if (Speler() && !wav.isEmpty())
        Speler()->Speel(wav);
}

} // namespace

void ZetGeluidsspeler(Geluidsspeler* speler)
{
    Speler() = speler;
}

QByteArray LeesBestand(const QString& pad)
{
    // Only regular files: opening a FIFO or device named like a sound would block or never end.
    const QFileInfo info(pad);
    if (!info.isFile() || info.size() > GrootsteBestand)
        return {};
    QFile bestand(pad);
    if (!bestand.open(QIODevice::ReadOnly))
        return {};
    const qint64 lengte = bestand.size();
    QByteArray inhoud = bestand.read(lengte);
    if (inhoud.size() != lengte)
        return {};
    return inhoud;
}

void LaadGeluiden()
{
    auto& geluiden = Geluiden();
    for (int n = 1; n <= AantalPerSoort; ++n)
        geluiden[n - 1] = LeesBestand(QStringLiteral("sound/goed%1.wav").arg(n));
    for (int n = 1; n <= AantalPerSoort; ++n)
        geluiden[n + AantalPerSoort - 1] = LeesBestand(QStringLiteral("sound/fout%1.wav").arg(n));
}

const QByteArray& Geluid(int slot)
{
    static const QByteArray leeg;
    if (slot < 1 || slot > AantalGeluiden)
        return leeg;
    return Geluiden()[static_cast<std::size_t>(slot - 1)];
}

void SpeelGoed()
{
    Speel(static_cast<int>(RandomTot(AantalPerSoort)));
}

void SpeelFout()
{
    Speel(static_cast<int>(RandomTot(AantalPerSoort)) + AantalPerSoort);
}
