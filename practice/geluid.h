#pragma once

#include <QAudioFormat>
#include <QByteArray>
#include <QString>

#include <optional>

// A decoded sound in the form the audio output takes: interleaved signed 16-bit samples. Empty (no frames) is
// silence. The samples are implicitly shared, so copies cost nothing.
struct PcmGeluid
{
    QAudioFormat formaat;
    QByteArray samples;
    qint64 frames = 0;
};

// The longest sound kept: feedback sounds last under a second, and the limit bounds the memory of a stray long file.
constexpr int LangsteGeluidMs = 4000;

// Decodes a mono or stereo WAV, AIFF or other image libsndfile reads, held in memory, at up to 96 kHz; a longer
// sound is cut off after LangsteGeluidMs. std::nullopt when it is empty, broken, holds no sound or has another shape.
std::optional<PcmGeluid> DecodeerGeluid(const QByteArray& beeld);

// Plays decoded sounds without waiting; a new sound replaces the one playing.
class Geluidsspeler
{
public:
    virtual ~Geluidsspeler() = default;
    // slot 1..10 is an approval sound, 11..20 a disapproval sound, above 20 a window's own sound; geluid is empty
    // when its slot holds no sound.
    virtual void Speel(int slot, const PcmGeluid& geluid) = 0;
};

// The player used by SpeelGoed/SpeelFout; nullptr (the default) means silence. Not owned.
void ZetGeluidsspeler(Geluidsspeler* speler);

// Plays a window's own sound through the same player, under a slot above 20 that names it; an empty sound stops
// the one playing.
void SpeelGeluid(int slot, const PcmGeluid& geluid);

// The largest file LeesBestand reads: far above a few seconds of sound, so that a stray huge file under a sound's
// name costs neither time nor memory.
constexpr qint64 GrootsteBestand = 2 * 1024 * 1024;

// The whole file as bytes, or empty on any error. Only regular files up to GrootsteBestand are read, so a directory,
// device, FIFO or huge file under the name gives empty instead of an error, a wait or a long read.
QByteArray LeesBestand(const QString& pad);

// Reads and decodes sound/goed1..10.wav into slots 1..10 and sound/fout1..10.wav into slots 11..20, relative to the
// working directory; a missing, unreadable or undecodable file leaves its slot empty silently.
void LaadGeluiden();

// The sound in slot 1..20 (empty outside that range).
const PcmGeluid& Geluid(int slot);

// A random approval sound (slots 1..10) or disapproval sound (11..20); each consumes one random number.
void SpeelGoed();
void SpeelFout();
