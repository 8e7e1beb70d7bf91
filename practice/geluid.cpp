#include "geluid.h"

#include "toeval.h"

#include <QFile>
#include <QFileInfo>

#include <sndfile.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

namespace {

constexpr int AantalPerSoort = 10;
constexpr int AantalGeluiden = 2 * AantalPerSoort;

// Mono and stereo up to a rate well above what a sound card needs: with LangsteGeluidMs this bounds a decoded sound
// to 1.5 MB, whatever its header claims.
constexpr int MeesteKanalen = 2;
constexpr int HoogsteSamplerate = 96000;
constexpr sf_count_t FramesPerBlok = 4096;

std::array<PcmGeluid, AantalGeluiden>& Geluiden()
{
    static std::array<PcmGeluid, AantalGeluiden> geluiden;
    return geluiden;
}

Geluidsspeler*& Speler()
{
    static Geluidsspeler* speler = nullptr;
    return speler;
}

void Speel(int slot)
{
    SpeelGeluid(slot, Geluid(slot));
}

// libsndfile reads the image through these callbacks, so a sound never has to be written to disk.
struct Geheugenlezer
{
    const QByteArray* beeld;
    sf_count_t positie = 0;
};

Geheugenlezer& Lezer(void* data)
{
    return *static_cast<Geheugenlezer*>(data);
}

sf_count_t Lengte(void* data)
{
    return Lezer(data).beeld->size();
}

sf_count_t Zoek(sf_count_t verschuiving, int vanaf, void* data)
{
    Geheugenlezer& lezer = Lezer(data);
    const sf_count_t lengte = lezer.beeld->size();
    // Bounding the offset first keeps the sum below from overflowing on a corrupt header.
    if (verschuiving < -lengte || verschuiving > lengte)
        return -1;
    const sf_count_t basis = vanaf == SEEK_CUR ? lezer.positie : vanaf == SEEK_END ? lengte : 0;
    if (basis + verschuiving < 0)
        return -1;
    lezer.positie = basis + verschuiving;
    return lezer.positie;
}

sf_count_t Lees(void* doel, sf_count_t aantal, void* data)
{
    Geheugenlezer& lezer = Lezer(data);
    const sf_count_t over = std::max<sf_count_t>(0, lezer.beeld->size() - lezer.positie);
    const sf_count_t n = std::clamp<sf_count_t>(aantal, 0, over);
    if (n > 0)
        std::memcpy(doel, lezer.beeld->constData() + lezer.positie, static_cast<std::size_t>(n));
    lezer.positie += n;
    return n;
}

sf_count_t Schrijf(const void*, sf_count_t, void*)
{
    return 0;
}

sf_count_t Positie(void* data)
{
    return Lezer(data).positie;
}

struct SluitGeluid
{
    void operator()(SNDFILE* bestand) const { sf_close(bestand); }
};

// Read as float and converted here: libsndfile turns float files into shorts without scaling, which is silence.
void ZetOm(const std::vector<float>& blok, std::size_t aantal, std::int16_t* doel)
{
    for (std::size_t i = 0; i < aantal; ++i) {
        const long waarde = std::lrint(blok[i] * 32768.0f);
        doel[i] = static_cast<std::int16_t>(std::clamp<long>(waarde, INT16_MIN, INT16_MAX));
    }
}

QByteArray LeesSamples(SNDFILE* bestand, const SF_INFO& info)
{
    const sf_count_t meesteFrames = sf_count_t {LangsteGeluidMs} * info.samplerate / 1000;
    const auto kanalen = static_cast<std::size_t>(info.channels);
    std::vector<float> blok(static_cast<std::size_t>(FramesPerBlok) * kanalen);
    QByteArray samples;
    samples.reserve(static_cast<qsizetype>(std::clamp<sf_count_t>(info.frames, 0, meesteFrames) * 2 * info.channels));
    for (sf_count_t frames = 0; frames < meesteFrames;) {
        const sf_count_t gelezen = sf_readf_float(bestand, blok.data(), std::min(FramesPerBlok, meesteFrames - frames));
        if (gelezen <= 0)
            break;
        const std::size_t aantal = static_cast<std::size_t>(gelezen) * kanalen;
        const qsizetype begin = samples.size();
        samples.resize(begin + static_cast<qsizetype>(aantal * sizeof(std::int16_t)));
        ZetOm(blok, aantal, reinterpret_cast<std::int16_t*>(samples.data() + begin));
        frames += gelezen;
    }
    return samples;
}

} // namespace

std::optional<PcmGeluid> DecodeerGeluid(const QByteArray& beeld)
{
    if (beeld.isEmpty())
        return std::nullopt;
    SF_VIRTUAL_IO io {Lengte, Zoek, Lees, Schrijf, Positie};
    Geheugenlezer lezer {&beeld};
    SF_INFO info {};
    const std::unique_ptr<SNDFILE, SluitGeluid> bestand(sf_open_virtual(&io, SFM_READ, &info, &lezer));
    if (!bestand || info.channels < 1 || info.channels > MeesteKanalen || info.samplerate < 1
        || info.samplerate > HoogsteSamplerate)
        return std::nullopt;

    PcmGeluid geluid;
    geluid.samples = LeesSamples(bestand.get(), info);
    geluid.frames = geluid.samples.size() / (info.channels * qsizetype {sizeof(std::int16_t)});
    if (geluid.frames == 0)
        return std::nullopt;
    geluid.formaat.setSampleRate(info.samplerate);
    geluid.formaat.setChannelCount(info.channels);
    geluid.formaat.setSampleFormat(QAudioFormat::Int16);
    return geluid;
}

void ZetGeluidsspeler(Geluidsspeler* speler)
{
    Speler() = speler;
}

void SpeelGeluid(int slot, const PcmGeluid& geluid)
{
    if (Speler())
        Speler()->Speel(slot, geluid);
}

QByteArray LeesBestand(const QString& pad)
{
    // Only regular files: opening a FIFO or device named like a sound would block or never end.
    if (!QFileInfo(pad).isFile())
        return {};
    QFile bestand(pad);
    // The size is judged before anything is read.
    const qint64 lengte = bestand.size();
    if (lengte > GrootsteBestand || !bestand.open(QIODevice::ReadOnly))
        return {};
    QByteArray inhoud = bestand.read(lengte);
    if (inhoud.size() != lengte)
        return {};
    return inhoud;
}

void LaadGeluiden()
{
    const auto laad = [](const QString& naam) { return DecodeerGeluid(LeesBestand(naam)).value_or(PcmGeluid {}); };
    auto& geluiden = Geluiden();
    for (int n = 1; n <= AantalPerSoort; ++n)
        geluiden[n - 1] = laad(QStringLiteral("sound/goed%1.wav").arg(n));
    for (int n = 1; n <= AantalPerSoort; ++n)
        geluiden[n + AantalPerSoort - 1] = laad(QStringLiteral("sound/fout%1.wav").arg(n));
}

const PcmGeluid& Geluid(int slot)
{
    static const PcmGeluid leeg;
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
