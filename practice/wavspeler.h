#pragma once

#include "geluid.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QBuffer>
#include <QByteArray>

#include <memory>
#include <optional>

class QAudioSink;

// A decoded sound in the form the audio output takes: interleaved signed 16-bit samples.
struct PcmGeluid
{
    QAudioFormat formaat;
    QByteArray samples;
    qint64 frames = 0;
};

// Decodes a mono or stereo WAV or AIFF image held in memory; std::nullopt when it is empty, broken,
// holds no sound or has more channels or a higher rate than a sound card plays. Sounds are cut off at a minute.
std::optional<PcmGeluid> DecodeerWav(const QByteArray& beeld);

// Plays in-memory sounds on the default audio output and returns at once; a new sound stops the one playing.
// No audio device, an unsupported format or an undecodable image is silence, never an error or a wait.
// Must live on the UI thread: the audio sink is driven by that thread's event loop.
class WavSpeler final : public Geluidsspeler
{
public:
    WavSpeler();
    ~WavSpeler() override;
    void Speel(const QByteArray& wav) override;

private:
    void Stop();
    bool ZorgVoorUitvoer(const QAudioFormat& formaat);

    // Declared before the sink so that the sink, which reads from it, is destroyed first.
    QBuffer m_buffer;
    QAudioDevice m_apparaat;
    std::unique_ptr<QAudioSink> m_uitvoer;
};
