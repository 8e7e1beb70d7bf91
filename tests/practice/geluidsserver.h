#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

#include <atomic>
#include <optional>
#include <vector>

// One run of sound in a recording.
struct Uitbarsting
{
    int beginMs;
    int duurMs;
};

// A PulseAudio server of this process's own, with a null sink whose monitor is recorded: what the program plays is
// heard without a sound card. It lives in a temporary runtime folder and this process is pointed at it, so it must
// be made before Qt Multimedia is first used. Where no server can start, the process is pointed at a server that is
// not there: the sound output then finds no device, and nothing outside the folder is touched.
class Geluidsserver
{
public:
    Geluidsserver();
    ~Geluidsserver();
    Geluidsserver(const Geluidsserver&) = delete;
    Geluidsserver& operator=(const Geluidsserver&) = delete;

    // Why the server does not run; empty while it runs.
    const QString& fout() const { return m_fout; }

    // Freezes and thaws the server, as a sound server that hangs; may be called from any thread.
    void Bevries(bool bevroren);
    // Ends the server for good.
    void Stop();

    // The playback streams open on the server now; -1 when it does not answer.
    int Stromen();

    // Records the null sink from now on; false when the recorder does not start.
    bool StartOpname();
    // Ends the recording and finds its runs of sound: 50 ms windows whose RMS is above a threshold.
    std::vector<Uitbarsting> StopOpname();

private:
    std::optional<QString> Gereedschap(const QString& programma, const QStringList& argumenten, int wachtMs = 2000);

    QTemporaryDir m_map;
    QProcess m_server;
    QProcess m_opname;
    QString m_fout;
    std::atomic<qint64> m_pid = 0; // kept apart from m_server, so that another thread may thaw the server
};
