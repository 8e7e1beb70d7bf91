#include "geluid.h"
#include "toeval.h"
#include "wavspeler.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryFile>

#include <sndfile.h>

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

constexpr int Frames = 1000;

// A real sound file written by libsndfile, so that decoding is checked against an independent encoder.
QByteArray MaakBeeld(int formaat, int kanalen, int samplerate, int frames = Frames, double sterkte = 1.0)
{
    QTemporaryFile bestand;
    if (!bestand.open())
        return {};
    SF_INFO info {};
    info.samplerate = samplerate;
    info.channels = kanalen;
    info.format = formaat;
    SNDFILE* schrijver = sf_open(bestand.fileName().toLocal8Bit().constData(), SFM_WRITE, &info);
    if (!schrijver)
        return {};
    // Left channel at +0.5, right at -0.25 of full scale, times the strength.
    std::vector<double> samples;
    for (int f = 0; f < frames; ++f)
        for (int k = 0; k < kanalen; ++k)
            samples.push_back(sterkte * (k == 0 ? 0.5 : -0.25));
    sf_writef_double(schrijver, samples.data(), frames);
    sf_close(schrijver);
    return LeesBestand(bestand.fileName());
}

short Sample(const PcmGeluid& geluid, qsizetype index)
{
    return reinterpret_cast<const short*>(geluid.samples.constData())[index];
}

TEST(DecodeerWav, LeestWavEnAiffInAlleGangbareVormenAls16Bit)
{
    ZaaiToeval(1);
    struct Geval
    {
        int formaat;
        int kanalen;
        int samplerate;
    };
    const Geval gevallen[] = {
        {SF_FORMAT_WAV | SF_FORMAT_PCM_16, 1, 22050},
        {SF_FORMAT_WAV | SF_FORMAT_PCM_U8, 1, 8000},
        {SF_FORMAT_WAV | SF_FORMAT_FLOAT, 2, 44100},
        {SF_FORMAT_AIFF | SF_FORMAT_PCM_16, 2, 22050},
        {SF_FORMAT_AIFF | SF_FORMAT_PCM_24, 1, 48000},
    };
    for (const Geval& g : gevallen) {
        SCOPED_TRACE(g.formaat);
        const auto geluid = DecodeerWav(MaakBeeld(g.formaat, g.kanalen, g.samplerate));
        ASSERT_TRUE(geluid);
        EXPECT_EQ(geluid->frames, Frames);
        EXPECT_EQ(geluid->samples.size(), Frames * g.kanalen * 2);
        EXPECT_EQ(geluid->formaat.sampleRate(), g.samplerate);
        EXPECT_EQ(geluid->formaat.channelCount(), g.kanalen);
        EXPECT_EQ(geluid->formaat.sampleFormat(), QAudioFormat::Int16);
        EXPECT_NEAR(Sample(*geluid, 0), 16384, 300);
        EXPECT_NEAR(Sample(*geluid, Frames * g.kanalen - 1), g.kanalen == 1 ? 16384 : -8192, 300);
    }
}

TEST(DecodeerWav, KapotteOfLegeBeeldenGevenNietsOfWatErIs)
{
    ZaaiToeval(2);
    const QByteArray goed = MaakBeeld(SF_FORMAT_WAV | SF_FORMAT_PCM_16, 1, 22050);
    const qsizetype kop = goed.size() - Frames * 2;
    struct Geval
    {
        const char* naam;
        QByteArray beeld;
        qint64 frames; // 0: nothing to play
    };
    const Geval gevallen[] = {
        {"leeg", QByteArray(), 0},
        {"tekst", QByteArray("dit is geen geluid, maar een zin die lang genoeg is voor een kop").repeated(20), 0},
        {"alleen RIFF", goed.left(12), 0},
        {"kop zonder data", goed.left(kop), 0},
        {"halve data", goed.left(kop + Frames), Frames / 2},
        {"oneven staart", goed.left(kop + 201), 100},
        {"drie kanalen", MaakBeeld(SF_FORMAT_WAV | SF_FORMAT_PCM_16, 3, 22050), 0},
        {"384 kHz", MaakBeeld(SF_FORMAT_WAV | SF_FORMAT_PCM_16, 1, 384000), 0},
    };
    for (const Geval& g : gevallen) {
        const auto geluid = DecodeerWav(g.beeld);
        EXPECT_EQ(geluid ? geluid->frames : 0, g.frames) << g.naam;
    }
}

TEST(DecodeerWav, WillekeurigeBytesLaatHemNietVallen)
{
    ZaaiToeval(3);
    for (int poging = 0; poging < 50; ++poging) {
        QByteArray rommel(static_cast<qsizetype>(RandomTot(8192)), '\0');
        for (char& c : rommel)
            c = static_cast<char>(RandomIndex(256));
        // Keep a real header sometimes, so the parser gets past its first check.
        if (poging % 2 == 0)
            rommel.replace(0, 4, "RIFF").replace(8, 8, "WAVEfmt ");
        const auto geluid = DecodeerWav(rommel);
        if (geluid) {
            EXPECT_EQ(geluid->samples.size(), geluid->frames * geluid->formaat.channelCount() * 2);
        }
    }
}

TEST(DecodeerWav, DeMeegeleverdeGeluidenZijnKortMonoEnZonderClipping)
{
    ZaaiToeval(5);
    for (const QString soort : {"goed", "fout"}) {
        for (int n = 1; n <= 10; ++n) {
            const QString pad = QStringLiteral(TALLORA_BRONMAP "/sound/%1%2.wav").arg(soort).arg(n);
            SCOPED_TRACE(pad.toStdString());
            const QByteArray beeld = LeesBestand(pad);
            const auto geluid = DecodeerWav(beeld);
            ASSERT_TRUE(geluid);
            // Plain 16-bit mono WAV: a 44-byte header, then two bytes per frame.
            EXPECT_EQ(geluid->frames, (beeld.size() - 44) / 2);
            EXPECT_EQ(geluid->formaat.sampleRate(), 22050);
            EXPECT_EQ(geluid->formaat.channelCount(), 1);
            EXPECT_LT(geluid->frames, 22050);
            const auto* begin = reinterpret_cast<const std::int16_t*>(geluid->samples.constData());
            const auto [laagste, hoogste] = std::minmax_element(begin, begin + geluid->frames);
            EXPECT_GT(*laagste, -32000);
            EXPECT_LT(*hoogste, 32000);
            EXPECT_GT(*hoogste, 3000);
        }
    }
}

TEST(WavSpeler, KeertMeteenTerugBijGeluidRommelEnLeegte)
{
    ZaaiToeval(4);
    // Silence, so that a machine with speakers stays quiet during the test.
    const QByteArray stilte = MaakBeeld(SF_FORMAT_WAV | SF_FORMAT_PCM_16, 1, 22050, 2205, 0.0);
    const QByteArray beelden[] = {stilte, QByteArray(), QByteArray("geen geluid"), stilte.left(30), stilte, stilte};
    WavSpeler speler;
    for (const QByteArray& beeld : beelden) {
        QElapsedTimer klok;
        klok.start();
        speler.Speel(beeld);
        EXPECT_LT(klok.elapsed(), 100) << beeld.size();
        QCoreApplication::processEvents();
    }
}

} // namespace
