#include "geluid.h"
#include "nepspeler.h"
#include "toeval.h"
#include "toon.h"
#include "werkmap.h"

#include <gtest/gtest.h>

#include <tuple>

#include <QElapsedTimer>

#include <algorithm>
#include <cstdint>
#include <map>

#include <sys/stat.h>

namespace {

QString Pad(int slot)
{
    return QStringLiteral("sound/%1%2.wav").arg(slot <= 10 ? "goed" : "fout").arg((slot - 1) % 10 + 1);
}

// Every slot its own length, so that a played sound names its file.
int LengteMs(int slot)
{
    return 100 + 10 * slot;
}

qint64 Frames(int ms, int samplerate = 22050)
{
    return qint64 {ms} * samplerate / 1000;
}

int Piek(const PcmGeluid& geluid)
{
    const auto* begin = reinterpret_cast<const std::int16_t*>(geluid.samples.constData());
    const auto* einde = begin + geluid.samples.size() / 2;
    int piek = 0;
    for (const auto* s = begin; s != einde; ++s)
        piek = std::max(piek, std::abs(int {*s}));
    return piek;
}

// Each test runs in an empty temporary working directory with sound/goed1..10.wav and sound/fout1..10.wav and a
// fake player; the slots are loaded again from the previous directory afterwards, so no sound stays behind.
class GeluidTest : public ::testing::Test
{
protected:
    GeluidTest()
    {
        QDir().mkpath(QStringLiteral("sound"));
        for (int slot = 1; slot <= 20; ++slot)
            Werkmap::Schrijf(Pad(slot), MaakToon({.toonMs = LengteMs(slot)}));
        ZaaiToeval(77);
    }
    ~GeluidTest() override
    {
        m_map.reset();
        LaadGeluiden();
    }

    std::optional<Werkmap> m_map {std::in_place};
    NepSpeler speler;
};

// Approval plays slot RandomTot(10), disapproval slot RandomTot(10) + 10, each from one random number and with the
// sound decoded from that slot's file. A slot whose file cannot be used is silent, and loading still takes no time:
// tests may run as root, so permissions cannot make a file unreadable; what stands in for one here is a directory, a
// FIFO (which would block a naive open), a file too big to read and images that do not decode. Without the folder the
// player still hears which kind was asked for.
TEST_F(GeluidTest, ElkGeluidKiestZijnSlotMetEenToevalsgetal)
{
    const std::map<int, QByteArray> onbruikbaar {{3, "map"}, {17, "fifo"}, {12, "te groot"}, {5, "onzin"}, {19, "kop"}};
    for (const auto& [slot, wat] : onbruikbaar) {
        const QString pad = Pad(slot);
        if (wat == "te groot") // a real sound, grown sparse: costs no disk
            ASSERT_TRUE(QFile(pad).resize(500'000'000));
        else if (wat == "kop")
            ASSERT_TRUE(QFile(pad).resize(44));
        else if (wat == "onzin")
            Werkmap::Schrijf(pad, QByteArray("RIFF\0\xff WAVEfmt onzin", 20));
        else if (!QFile::remove(pad) || (wat == "map" ? !QDir().mkdir(pad) : ::mkfifo(qPrintable(pad), 0644) != 0))
            FAIL() << wat.constData();
    }
    for (const bool metBestanden : {true, false}) {
        SCOPED_TRACE(metBestanden ? "met bestanden" : "zonder map");
        if (!metBestanden) {
            ASSERT_TRUE(QDir(QStringLiteral("sound")).removeRecursively());
        }
        QElapsedTimer klok;
        klok.start();
        LaadGeluiden();
        EXPECT_LT(klok.elapsed(), 1000);
        const auto klinkt = [&](int slot) { return metBestanden && !onbruikbaar.contains(slot); };
        for (int slot = 1; slot <= 20; ++slot)
            EXPECT_EQ(Geluid(slot).frames, klinkt(slot) ? Frames(LengteMs(slot)) : 0) << slot;
        ZaaiToeval(77);
        speler.wis();
        for (int i = 0; i < 300; ++i)
            (i % 3 == 0 ? SpeelFout : SpeelGoed)();
        const double volgende = Rnd();

        ZaaiToeval(77);
        ASSERT_EQ(speler.gespeeld().size(), 300u);
        for (std::size_t i = 0; i < 300; ++i) {
            const int slot = static_cast<int>(Rnd() * 10) + (i % 3 == 0 ? 11 : 1);
            ASSERT_EQ(speler.gespeeld()[i].slot, slot) << i;
            EXPECT_EQ(speler.gespeeld()[i].geluid.frames, Geluid(slot).frames) << i;
        }
        EXPECT_EQ(Rnd(), volgende);
    }
    EXPECT_EQ(Geluid(0).frames, 0);
    EXPECT_EQ(Geluid(21).frames, 0);
}

// Whatever libsndfile reads is turned into 16-bit samples at full scale, cut off after four seconds.
TEST(DecodeerGeluid, VormenEnGrenzen)
{
    // The shape of the sound, the frames it gives (0: refused) and its peak.
    const int wav = SF_FORMAT_WAV;
    const int aiff = SF_FORMAT_AIFF;
    const std::tuple<const char*, Toon, qint64, int> gevallen[] = {
        {"wav 16 bits mono", {}, Frames(300), 13107},
        {"wav 24 bits stereo 48 kHz", {wav | SF_FORMAT_PCM_24, 48000, 2}, Frames(300, 48000), 13107},
        {"wav float: op schaal", {wav | SF_FORMAT_FLOAT, 44100}, Frames(300, 44100), 13107},
        {"wav 8 bits", {wav | SF_FORMAT_PCM_U8}, Frames(300), 13107},
        {"aiff stereo met stilte vooraf", {aiff | SF_FORMAT_PCM_16, 22050, 2, 200}, Frames(500), 13107},
        {"96 kHz", {wav | SF_FORMAT_PCM_16, 96000}, Frames(300, 96000), 13107},
        {"vol", {.amplitude = 1.0}, Frames(300), 32767},
        {"langer dan vier seconden", {.toonMs = 6000}, Frames(4000), 13107},
        {"precies vier seconden", {.toonMs = 4000}, Frames(4000), 13107},
        {"drie kanalen", {.kanalen = 3}, 0, 0},
        {"192 kHz", {.samplerate = 192000}, 0, 0},
        {"geen samples", {.toonMs = 0}, 0, 0},
    };
    for (const auto& [naam, toon, frames, piek] : gevallen) {
        SCOPED_TRACE(naam);
        const QByteArray beeld = MaakToon(toon);
        ASSERT_FALSE(beeld.isEmpty());
        const std::optional<PcmGeluid> geluid = DecodeerGeluid(beeld);
        ASSERT_EQ(geluid.has_value(), frames > 0);
        if (!geluid)
            continue;
        EXPECT_EQ(geluid->frames, frames);
        EXPECT_EQ(geluid->samples.size(), frames * toon.kanalen * 2);
        EXPECT_EQ(geluid->formaat.sampleRate(), toon.samplerate);
        EXPECT_EQ(geluid->formaat.channelCount(), toon.kanalen);
        EXPECT_EQ(geluid->formaat.sampleFormat(), QAudioFormat::Int16);
        EXPECT_NEAR(Piek(*geluid), piek, piek / 50 + 1);
        const PcmGeluid vooraf {{}, geluid->samples.left(Frames(toon.stilteMs) * toon.kanalen * 2), 0};
        EXPECT_EQ(Piek(vooraf), 0);
    }
    for (const QByteArray& rommel : {QByteArray(), QByteArray("RIFF"), QByteArray(5000, '\x7f')})
        EXPECT_FALSE(DecodeerGeluid(rommel).has_value()) << rommel.size();
}

// Damaged images: random bytes behind a real header, and real images with a few header bytes changed. None may
// crash or take long, and whatever decodes stays within the limits.
TEST(DecodeerGeluid, BeschadigdBeeldBlijftBinnenDeGrenzen)
{
    ZaaiToeval(4);
    const QByteArray echt[] = {MaakToon({}), MaakToon({SF_FORMAT_AIFF | SF_FORMAT_PCM_16, 44100, 2}),
        MaakToon({SF_FORMAT_WAV | SF_FORMAT_FLOAT})};
    for (int i = 0; i < 300; ++i) {
        QByteArray beeld = echt[i % 3];
        if (i % 2 == 0) {
            for (qsizetype j = 12; j < beeld.size(); ++j)
                beeld[j] = static_cast<char>(RandomIndex(256));
        } else {
            for (int k = 0; k < 4; ++k)
                beeld[static_cast<qsizetype>(RandomIndex(64))] = static_cast<char>(RandomIndex(256));
        }
        QElapsedTimer klok;
        klok.start();
        const std::optional<PcmGeluid> geluid = DecodeerGeluid(beeld);
        EXPECT_LT(klok.elapsed(), 100) << i;
        if (!geluid)
            continue;
        const int samplerate = geluid->formaat.sampleRate();
        EXPECT_LE(geluid->frames, Frames(LangsteGeluidMs, samplerate)) << i;
        EXPECT_LE(samplerate, 96000) << i;
        EXPECT_LE(geluid->formaat.channelCount(), 2) << i;
        EXPECT_EQ(geluid->samples.size(), geluid->frames * geluid->formaat.bytesPerFrame()) << i;
    }
}

// The whole file, or nothing: a file over the limit is refused before it is read. (A directory or FIFO under a
// sound's name is met above.)
TEST(LeesBestand, HeelBestandOfNiets)
{
    const Werkmap map;
    // The name, the size (< 0: no file) and whether it is read whole.
    const std::tuple<const char*, qint64, bool> gevallen[] = {{"klein", 3, true}, {"leeg", 0, true},
        {"op de grens", GrootsteBestand, true}, {"een byte te veel", GrootsteBestand + 1, false},
        {"honderden megabytes", 300'000'000, false}, {"ontbreekt", -1, false}};
    for (const auto& [naam, grootte, heel] : gevallen) {
        SCOPED_TRACE(naam);
        const QString pad = QString::fromLatin1(naam);
        // Binary bytes up to the limit and one beyond; a larger file grows sparse, costing no disk.
        QByteArray inhoud = QByteArray("a\0b", 3).repeated(static_cast<qsizetype>(GrootsteBestand / 3 + 1));
        inhoud.truncate(std::clamp<qint64>(grootte, 0, GrootsteBestand + 1));
        if (grootte >= 0) {
            Werkmap::Schrijf(pad, inhoud);
            ASSERT_TRUE(QFile(pad).resize(grootte));
        }
        QElapsedTimer klok;
        klok.start();
        const QByteArray gelezen = LeesBestand(pad);
        EXPECT_LT(klok.elapsed(), 200);
        EXPECT_EQ(gelezen, heel ? inhoud : QByteArray());
    }
}

} // namespace
