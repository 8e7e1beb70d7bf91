#pragma once

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>

#include <sndfile.h>

#include <cmath>
#include <numbers>
#include <vector>

// The shape of a test sound: a sine tone after an optional silence, written by libsndfile in any of its formats.
struct Toon
{
    int formaat = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    int samplerate = 22050;
    int kanalen = 1;
    int stilteMs = 0;
    int toonMs = 300;
    double amplitude = 0.4; // of full scale
    int hertz = 440;
};

// The complete file image of the tone; empty when libsndfile refuses the shape.
inline QByteArray MaakToon(const Toon& toon)
{
    const auto frames = [&](int ms) { return static_cast<sf_count_t>(ms) * toon.samplerate / 1000; };
    const sf_count_t stilte = frames(toon.stilteMs);
    std::vector<double> samples(static_cast<std::size_t>((stilte + frames(toon.toonMs)) * toon.kanalen));
    for (std::size_t i = static_cast<std::size_t>(stilte * toon.kanalen); i < samples.size(); ++i) {
        const double t = static_cast<double>(i / static_cast<std::size_t>(toon.kanalen)) / toon.samplerate;
        samples[i] = toon.amplitude * std::sin(2 * std::numbers::pi * toon.hertz * t);
    }
    QTemporaryDir map;
    const QByteArray pad = map.filePath(QStringLiteral("toon")).toLocal8Bit();
    SF_INFO info {0, toon.samplerate, toon.kanalen, toon.formaat, 0, 0};
    SNDFILE* bestand = sf_open(pad.constData(), SFM_WRITE, &info);
    if (!bestand)
        return {};
    sf_writef_double(bestand, samples.data(), static_cast<sf_count_t>(samples.size()) / toon.kanalen);
    sf_close(bestand);
    QFile gelezen(QString::fromLocal8Bit(pad));
    return gelezen.open(QIODevice::ReadOnly) ? gelezen.readAll() : QByteArray();
}
