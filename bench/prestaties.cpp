// The performance budget of tallora, measured against a bare Qt Widgets window built and measured the same way:
// time from process start to the main window's first paint, resident memory then, CPU while every window sits
// idle, and CPU while the fish swim. Runs under a display (xvfb-run); see docs/performance.md.
//
//   prestaties <folder with tallora and kaal_venster> [runs]

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QThread>

#include <algorithm>
#include <array>
#include <cstdio>
#include <ctime>
#include <optional>
#include <unistd.h>
#include <vector>

namespace {

long long Nu()
{
    timespec tijd {};
    clock_gettime(CLOCK_MONOTONIC, &tijd);
    return static_cast<long long>(tijd.tv_sec) * 1'000'000'000LL + tijd.tv_nsec;
}

double Mediaan(std::vector<double> waarden)
{
    std::ranges::sort(waarden);
    return waarden.empty() ? 0 : waarden[waarden.size() / 2];
}

struct Meting
{
    double eersteTekeningMs = 0;
    double residentMiB = 0;
    double procesMs = 0;
};

// The program's line "<wat> <ns> <KiB>", waited for at most 20 s.
std::optional<std::pair<long long, long long>> WachtOp(QProcess& proces, const char* wat)
{
    const long long grens = Nu() + 20'000'000'000LL;
    while (Nu() < grens) {
        if (!proces.canReadLine() && !proces.waitForReadyRead(200)) {
            if (proces.state() == QProcess::NotRunning)
                return std::nullopt;
            continue;
        }
        const QList<QByteArray> delen = proces.readLine().trimmed().split(' ');
        if (delen.size() == 3 && delen[0] == wat)
            return std::pair {delen[1].toLongLong(), delen[2].toLongLong()};
    }
    return std::nullopt;
}

QProcess* Start(const QString& programma, const QString& meetpunt)
{
    auto* proces = new QProcess;
    QProcessEnvironment omgeving = QProcessEnvironment::systemEnvironment();
    omgeving.insert(QStringLiteral("TALLORA_MEETPUNT"), meetpunt);
    proces->setProcessEnvironment(omgeving);
    proces->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    proces->start(programma, {});
    return proces;
}

// From the start of the process, or (for the main window behind tallora's start window) from the click that ends
// the start window.
std::optional<Meting> MeetStart(const QString& programma, const QString& meetpunt)
{
    long long begin = Nu();
    std::unique_ptr<QProcess> proces(Start(programma, meetpunt));
    if (meetpunt == QLatin1String("hoofd")) {
        const auto klik = WachtOp(*proces, "klik");
        if (!klik)
            return std::nullopt;
        begin = klik->first;
    }
    const auto getekend = WachtOp(*proces, "getekend");
    proces->waitForFinished(20000);
    if (!getekend)
        return std::nullopt;
    return Meting {(getekend->first - begin) / 1e6, getekend->second / 1024.0, (Nu() - begin) / 1e6};
}

// Processor time of a process in seconds, from /proc.
double Processortijd(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray regel = stat.readAll();
    const QList<QByteArray> velden = regel.mid(regel.lastIndexOf(')') + 2).split(' ');
    return (velden.value(11).toDouble() + velden.value(12).toDouble()) / static_cast<double>(sysconf(_SC_CLK_TCK));
}

// CPU in percent of one core over `seconden`, after the window opened and settled for a second.
std::optional<double> MeetProcessor(const QString& programma, const QString& meetpunt, int seconden)
{
    std::unique_ptr<QProcess> proces(Start(programma, meetpunt));
    const bool alleenHoofdvenster = meetpunt == QLatin1String("open:");
    const bool open = WachtOp(*proces, alleenHoofdvenster ? "getekend" : "geopend").has_value();
    std::optional<double> uitkomst;
    if (open) {
        QThread::sleep(1);
        const double voor = Processortijd(proces->processId());
        QThread::sleep(static_cast<unsigned long>(seconden));
        uitkomst = 100.0 * (Processortijd(proces->processId()) - voor) / seconden;
    }
    proces->kill();
    proces->waitForFinished(5000);
    return uitkomst;
}

const char* Oordeel(bool binnen)
{
    return binnen ? "binnen budget" : "BOVEN BUDGET";
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        std::fputs("gebruik: prestaties <map met tallora en kaal_venster> [rondes]\n", stderr);
        return 2;
    }
    const QDir map(QString::fromLocal8Bit(argv[1]));
    const int rondes = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
    const QString tallora = map.filePath(QStringLiteral("tallora"));
    const QString kaal = map.filePath(QStringLiteral("kaal_venster"));

    // The first window on screen (tallora's start window), and the main window when the start window is ended
    // at once; the bare window has only the one.
    std::vector<double> eerste[3], geheugen[3], proces[3];
    const std::array<std::pair<QString, QString>, 3> metingen {
        {{tallora, QStringLiteral("eerste")}, {tallora, QStringLiteral("hoofd")}, {kaal, QStringLiteral("eerste")}}};
    for (int ronde = 0; ronde < rondes; ++ronde) {
        for (std::size_t i = 0; i < metingen.size(); ++i) {
            const auto meting = MeetStart(metingen[i].first, metingen[i].second);
            if (!meting) {
                std::fprintf(stderr, "%s meldde geen eerste tekening\n", qPrintable(metingen[i].first));
                return 1;
            }
            eerste[i].push_back(meting->eersteTekeningMs);
            geheugen[i].push_back(meting->residentMiB);
            proces[i].push_back(meting->procesMs);
        }
    }
    const double kaalTekening = Mediaan(eerste[2]), kaalGeheugen = Mediaan(geheugen[2]);
    const double tekening = Mediaan(eerste[0]) / kaalTekening, rss = Mediaan(geheugen[1]) / kaalGeheugen;
    std::printf("%d rondes, medianen                     tallora   kaal venster  verhouding\n", rondes);
    std::printf("eerste tekening na de start (ms)        %8.1f   %8.1f      %5.2f  %s (<= 1.5)\n", Mediaan(eerste[0]),
        kaalTekening, tekening, Oordeel(tekening <= 1.5));
    std::printf("geheugen met het hoofdvenster (MiB)     %8.1f   %8.1f      %5.2f  %s (<= 1.6)\n", Mediaan(geheugen[1]),
        kaalGeheugen, rss, Oordeel(rss <= 1.6));
    std::printf("hoofdvenster getekend na de klik (ms)   %8.1f\n", Mediaan(eerste[1]));
    std::printf("hele proces tot de eerste tekening (ms) %8.1f   %8.1f      %5.2f\n\n", Mediaan(proces[0]),
        Mediaan(proces[2]), Mediaan(proces[0]) / Mediaan(proces[2]));

    const QStringList vensters = qEnvironmentVariableIsSet("TALLORA_VENSTERS")
        ? qEnvironmentVariable("TALLORA_VENSTERS").split(u',')
        : QStringList {QString(), QStringLiteral("vierbewerkingen"), QStringLiteral("maaldeel"),
            QStringLiteral("twintig"), QStringLiteral("honderd"), QStringLiteral("duizend"),
            QStringLiteral("tienduizend"), QStringLiteral("honderdduizend"), QStringLiteral("splitsen"),
            QStringLiteral("graanvullen"), QStringLiteral("gbherkennen"), QStringLiteral("gbordenen"),
            QStringLiteral("grordenen"), QStringLiteral("gbvissen"), QStringLiteral("puzzel"), QStringLiteral("race"),
            QStringLiteral("oefenbladen"), QStringLiteral("toets"), QStringLiteral("chrono"),
            QStringLiteral("algemeen"), QStringLiteral("over")};
    std::printf("\nprocessor in rust, 5 s per venster (%% van een kern)\n");
    for (const QString& venster : vensters) {
        const auto cpu = MeetProcessor(tallora, QStringLiteral("open:") + venster, 5);
        const QString naam = venster.isEmpty() ? QStringLiteral("(hoofdvenster)") : venster;
        if (cpu)
            std::printf("  %-18s %5.2f %%  %s (0 %%)\n", qPrintable(naam), *cpu, Oordeel(*cpu < 0.5));
        else
            std::printf("  %-18s niet te openen\n", qPrintable(naam));
    }
    if (const auto vissen = MeetProcessor(tallora, QStringLiteral("open:gbvissen:1"), 10))
        std::printf(
            "\nvissen terwijl de vissen zwemmen: %.2f %% van een kern  %s (<= 3 %%)\n", *vissen, Oordeel(*vissen <= 3));
    return 0;
}
