#include "geluidsserver.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <cmath>
#include <cstdint>
#include <functional>
#include <signal.h>

namespace {

// The recording: 16-bit mono at 22,050 Hz, judged in 50 ms windows. Silence stays near RMS 0, the test tones are
// far above the threshold.
constexpr int Samplerate = 22050;
constexpr int VensterMs = 50;
constexpr double Drempel = 100;

bool WachtTot(const std::function<bool()>& voorwaarde, int ms)
{
    const QDeadlineTimer einde(ms);
    while (!voorwaarde()) {
        if (einde.hasExpired())
            return false;
        QThread::msleep(50);
    }
    return true;
}

std::vector<Uitbarsting> Uitbarstingen(const QByteArray& opname)
{
    const auto* samples = reinterpret_cast<const std::int16_t*>(opname.constData());
    const qsizetype perVenster = Samplerate * VensterMs / 1000;
    const qsizetype vensters = opname.size() / 2 / perVenster;
    std::vector<Uitbarsting> uitbarstingen;
    bool hoorbaarVoor = false;
    for (qsizetype venster = 0; venster < vensters; ++venster) {
        double som = 0;
        for (qsizetype i = venster * perVenster; i < (venster + 1) * perVenster; ++i)
            som += static_cast<double>(samples[i]) * samples[i];
        const bool hoorbaar = std::sqrt(som / static_cast<double>(perVenster)) > Drempel;
        const int ms = static_cast<int>(venster) * VensterMs;
        if (hoorbaar && !hoorbaarVoor)
            uitbarstingen.push_back({ms, 0});
        if (hoorbaar)
            uitbarstingen.back().duurMs = ms + VensterMs - uitbarstingen.back().beginMs;
        hoorbaarVoor = hoorbaar;
    }
    return uitbarstingen;
}

void Beeindig(QProcess& proces)
{
    if (proces.state() == QProcess::NotRunning)
        return;
    proces.terminate();
    if (!proces.waitForFinished(3000)) {
        proces.kill();
        proces.waitForFinished(1000);
    }
}

} // namespace

Geluidsserver::Geluidsserver()
{
    const QString map = m_map.path();
    QFile::setPermissions(map, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", map.toLocal8Bit());
    qputenv("PULSE_SERVER", QStringLiteral("unix:%1/pulse/native").arg(map).toLocal8Bit());
    qputenv("PULSE_COOKIE", QStringLiteral("%1/.config/pulse/cookie").arg(map).toLocal8Bit());

    QProcessEnvironment omgeving = QProcessEnvironment::systemEnvironment();
    omgeving.insert(QStringLiteral("HOME"), map);
    m_server.setProcessEnvironment(omgeving);
    m_server.setProcessChannelMode(QProcess::MergedChannels);
    m_server.setStandardOutputFile(map + QStringLiteral("/server.log"));
    m_server.start(QStringLiteral("pulseaudio"),
        {QStringLiteral("-n"), QStringLiteral("--daemonize=no"), QStringLiteral("--exit-idle-time=-1"),
            QStringLiteral("--disable-shm=yes"), QStringLiteral("--load=module-native-protocol-unix"),
            QStringLiteral("--load=module-null-sink sink_name=nul"), QStringLiteral("--load=module-always-sink")});
    if (!m_server.waitForStarted(5000)) {
        m_fout = QStringLiteral("pulseaudio start niet: ") + m_server.errorString();
        return;
    }
    m_pid = m_server.processId();
    const bool klaar = WachtTot(
        [this] {
            return m_server.state() != QProcess::Running
                || Gereedschap(QStringLiteral("pactl"), {QStringLiteral("info")});
        },
        10000);
    if (!klaar || m_server.state() != QProcess::Running
        || !Gereedschap(QStringLiteral("pactl"), {QStringLiteral("set-default-sink"), QStringLiteral("nul")})) {
        QFile log(map + QStringLiteral("/server.log"));
        m_fout = QStringLiteral("pulseaudio antwoordt niet: ")
            + QString::fromLocal8Bit(log.open(QIODevice::ReadOnly) ? log.readAll().right(500) : QByteArray());
        Stop();
    }
}

Geluidsserver::~Geluidsserver()
{
    Beeindig(m_opname);
    Stop();
}

void Geluidsserver::Bevries(bool bevroren)
{
    if (m_pid > 0)
        ::kill(static_cast<pid_t>(m_pid), bevroren ? SIGSTOP : SIGCONT);
}

void Geluidsserver::Stop()
{
    Bevries(false);
    Beeindig(m_server);
    m_pid = 0;
}

int Geluidsserver::Stromen()
{
    const std::optional<QString> lijst = Gereedschap(
        QStringLiteral("pactl"), {QStringLiteral("list"), QStringLiteral("short"), QStringLiteral("sink-inputs")});
    return lijst ? static_cast<int>(lijst->split(u'\n', Qt::SkipEmptyParts).size()) : -1;
}

bool Geluidsserver::StartOpname()
{
    const QString bestand = m_map.filePath(QStringLiteral("opname.raw"));
    m_opname.setStandardOutputFile(bestand);
    m_opname.start(QStringLiteral("parec"),
        {QStringLiteral("-d"), QStringLiteral("nul.monitor"), QStringLiteral("--format=s16le"),
            QStringLiteral("--rate=%1").arg(Samplerate), QStringLiteral("--channels=1"), QStringLiteral("--raw"),
            QStringLiteral("--latency-msec=20")});
    const auto pactl
        = [this](const QStringList& argumenten) { return Gereedschap(QStringLiteral("pactl"), argumenten); };
    const bool verbonden = m_opname.waitForStarted(3000)
        && WachtTot(
            [&] {
                const std::optional<QString> lijst
                    = pactl({QStringLiteral("list"), QStringLiteral("short"), QStringLiteral("source-outputs")});
                return lijst && !lijst->trimmed().isEmpty();
            },
            3000);
    // A freshly started null sink gives its monitor nothing for about two seconds, and what it played meanwhile is
    // lost; suspending and resuming it makes the recording run from here on.
    return verbonden && pactl({QStringLiteral("suspend-sink"), QStringLiteral("nul"), QStringLiteral("1")})
        && pactl({QStringLiteral("suspend-sink"), QStringLiteral("nul"), QStringLiteral("0")})
        && WachtTot([&] { return QFileInfo(bestand).size() > 0; }, 2000);
}

std::vector<Uitbarsting> Geluidsserver::StopOpname()
{
    Beeindig(m_opname);
    QFile opname(m_map.filePath(QStringLiteral("opname.raw")));
    return Uitbarstingen(opname.open(QIODevice::ReadOnly) ? opname.readAll() : QByteArray());
}

// The tool's output, or nothing when it fails or does not answer in time.
std::optional<QString> Geluidsserver::Gereedschap(const QString& programma, const QStringList& argumenten, int wachtMs)
{
    QProcess proces;
    proces.start(programma, argumenten);
    if (!proces.waitForFinished(wachtMs)) {
        proces.kill();
        proces.waitForFinished(1000);
        return {};
    }
    if (proces.exitStatus() != QProcess::NormalExit || proces.exitCode() != 0)
        return {};
    return QString::fromLocal8Bit(proces.readAllStandardOutput());
}
