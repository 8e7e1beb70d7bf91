#pragma once

#include <QByteArray>
#include <QString>

// Plays a complete in-memory WAV image without waiting; a new sound replaces the one playing.
class Geluidsspeler
{
public:
    virtual ~Geluidsspeler() = default;
    virtual void Speel(const QByteArray& wav) = 0;
};

// The player used by SpeelGoed/SpeelFout; nullptr (the default) means silence. Not owned.
// An empty slot is silence too: the player is not called for it.
void ZetGeluidsspeler(Geluidsspeler* speler);

// The whole file as bytes, or empty on any error. Only regular files up to 64 MiB are read, so a
// directory, device or FIFO under the name gives empty instead of an error or a wait.
QByteArray LeesBestand(const QString& pad);

// Reads sound/goed1..10.wav into slots 1..10 and sound/fout1..10.wav into slots 11..20,
// relative to the working directory; a missing or unreadable file leaves its slot empty silently.
void LaadGeluiden();

// The bytes of slot 1..20 (empty outside that range).
const QByteArray& Geluid(int slot);

// A random approval sound (slots 1..10) or disapproval sound (11..20); each consumes one random number.
void SpeelGoed();
void SpeelFout();
