#include "wavspeler.h"

#include <QAudioSink>
#include <QMediaDevices>

#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

namespace {

// Mono and stereo at any rate a sound card plays, at most a minute: this bounds the memory a decoded
// image can take whatever its header claims.
constexpr int MeesteKanalen = 2;
constexpr int HoogsteSamplerate = 192000;
constexpr sf_count_t LangsteDuurInSeconden = 60;
constexpr sf_count_t FramesPerBlok = 4096;

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
void VoegToe(QByteArray& samples, const std::vector<float>& blok, sf_count_t aantal)
{
    const qsizetype begin = samples.size();
    samples.resize(begin + static_cast<qsizetype>(aantal * static_cast<sf_count_t>(sizeof(std::int16_t))));
    auto* doel = reinterpret_cast<std::int16_t*>(samples.data() + begin);
    for (sf_count_t i = 0; i < aantal; ++i) {
        const long waarde = std::lrint(blok[static_cast<std::size_t>(i)] * 32768.0f);
        doel[i] = static_cast<std::int16_t>(std::clamp<long>(waarde, INT16_MIN, INT16_MAX));
    }
}

QByteArray LeesSamples(SNDFILE* bestand, const SF_INFO& info)
{
    const sf_count_t meesteFrames = LangsteDuurInSeconden * info.samplerate;
    std::vector<float> blok(static_cast<std::size_t>(FramesPerBlok * info.channels));
    QByteArray samples;
    for (sf_count_t frames = 0; frames < meesteFrames;) {
        const sf_count_t gelezen = sf_readf_float(bestand, blok.data(), std::min(FramesPerBlok, meesteFrames - frames));
        if (gelezen <= 0)
            break;
        VoegToe(samples, blok, gelezen * info.channels);
        frames += gelezen;
    }
    return samples;
}

} // namespace

std::optional<PcmGeluid> DecodeerWav(const QByteArray& beeld)
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
    const qsizetype bytesPerFrame = info.channels * static_cast<qsizetype>(sizeof(std::int16_t));
    geluid.frames = geluid.samples.size() / bytesPerFrame;
    if (geluid.frames == 0)
        return std::nullopt;
    geluid.formaat.setSampleRate(info.samplerate);
    geluid.formaat.setChannelCount(info.channels);
    geluid.formaat.setSampleFormat(QAudioFormat::Int16);
    return geluid;
}

// Nothing is opened here: the audio output is made at the first sound, so start-up pays nothing for it.
WavSpeler::WavSpeler() = default;

WavSpeler::~WavSpeler() = default;

// The sink stops its own feeding timer when the buffer runs out, so a finished sound costs nothing; it is not
// stopped then, because at that moment the end of the sound is still queued in the sound server.
void WavSpeler::Speel(const QByteArray& wav)
{
    Stop();
    const std::optional<PcmGeluid> geluid = DecodeerWav(wav);
    if (!geluid || !ZorgVoorUitvoer(geluid->formaat))
        return;
    m_buffer.setData(geluid->samples);
    m_buffer.open(QIODevice::ReadOnly);
    m_uitvoer->start(&m_buffer);
}

void WavSpeler::Stop()
{
    if (m_uitvoer)
        m_uitvoer->stop();
    m_buffer.close();
}

// A sink plays one format on one device; it is made again only when either changes.
bool WavSpeler::ZorgVoorUitvoer(const QAudioFormat& formaat)
{
    const QAudioDevice apparaat = QMediaDevices::defaultAudioOutput();
    if (apparaat.isNull() || !apparaat.isFormatSupported(formaat))
        return false;
    if (m_uitvoer && apparaat == m_apparaat && m_uitvoer->format() == formaat)
        return true;
    m_uitvoer = std::make_unique<QAudioSink>(apparaat, formaat);
    m_apparaat = apparaat;
    return true;
}
