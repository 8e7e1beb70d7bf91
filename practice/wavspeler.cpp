#include "wavspeler.h"

#include <QAudioSink>
#include <QBuffer>
#include <QMediaDevices>
#include <QMutex>
#include <QTimer>

namespace {

// When the sink has handed its last bytes to the sound server, the end of the sound is still queued there, and
// releasing the sink would cut it off; so a sink is released this long after its sound should have ended.
constexpr qint64 NaloopMs = 1000;

// How long closing waits for the output thread.
constexpr int WachtBijSluitenMs = 2000;

// One sound on its way out. Every sound gets a sink of its own: a QAudioSink started again after a stop shrinks its
// buffer on PulseAudio with every start, until it plays nothing. The buffer is declared first, so that the sink,
// which reads from it until its very end, is destroyed first.
struct Klank
{
    Klank(const QAudioDevice& apparaat, const PcmGeluid& geluid)
        : uitvoer(apparaat, geluid.formaat)
    {
        buffer.setData(geluid.samples);
        buffer.open(QIODevice::ReadOnly);
        uitvoer.start(&buffer);
    }

    QBuffer buffer;
    QAudioSink uitvoer;
};

} // namespace

// The part of the player that lives in the output thread. Only Vraag is called from another thread.
class Geluidsuitvoer : public QObject
{
public:
    Geluidsuitvoer()
        : m_naloop(this)
    {
        m_naloop.setSingleShot(true);
        connect(&m_naloop, &QTimer::timeout, this, &Geluidsuitvoer::Stop);
    }
    ~Geluidsuitvoer() override { Stop(); }

    // Asks for a sound. Only the last one asked for counts: when the output is held up, the sounds asked for
    // meanwhile do not pile up, and one wake-up is pending at most.
    void Vraag(const PcmGeluid& geluid)
    {
        QMutexLocker slot(&m_slot);
        const bool gewekt = m_gevraagd.has_value();
        m_gevraagd = geluid;
        if (!gewekt)
            QMetaObject::invokeMethod(this, &Geluidsuitvoer::SpeelGevraagd, Qt::QueuedConnection);
    }

private:
    void SpeelGevraagd()
    {
        Stop();
        const PcmGeluid geluid = Neem();
        const QAudioDevice apparaat = QMediaDevices::defaultAudioOutput();
        if (geluid.frames == 0 || apparaat.isNull() || !apparaat.isFormatSupported(geluid.formaat))
            return;
        m_klank = std::make_unique<Klank>(apparaat, geluid);
        m_naloop.start(static_cast<int>(geluid.formaat.durationForFrames(geluid.frames) / 1000 + NaloopMs));
    }

    PcmGeluid Neem()
    {
        QMutexLocker slot(&m_slot);
        return std::exchange(m_gevraagd, std::nullopt).value_or(PcmGeluid {});
    }

    // A sink's destructor runs pending events, so the sink leaves m_klank before it is destroyed.
    void Stop()
    {
        m_naloop.stop();
        std::unique_ptr<Klank> klank = std::move(m_klank);
        klank.reset();
    }

    QMutex m_slot;
    std::optional<PcmGeluid> m_gevraagd;
    std::unique_ptr<Klank> m_klank;
    QTimer m_naloop;
};

// Nothing is opened here: the audio output is made at the first sound, so start-up pays nothing for it.
WavSpeler::WavSpeler()
    : m_draad(std::make_unique<QThread>())
    , m_uitvoer(new Geluidsuitvoer)
{
    m_uitvoer->moveToThread(m_draad.get());
    QObject::connect(m_draad.get(), &QThread::finished, m_uitvoer, &QObject::deleteLater);
    m_draad->start();
}

WavSpeler::~WavSpeler()
{
    m_draad->quit();
    // A sound server that hangs can hold the thread in a call that never returns. The program is closing then, and
    // the thread is left behind rather than keeping the program from ending.
    if (!m_draad->wait(QDeadlineTimer(WachtBijSluitenMs)))
        static_cast<void>(m_draad.release());
}

void WavSpeler::Speel(int, const PcmGeluid& geluid)
{
    m_uitvoer->Vraag(geluid);
}
