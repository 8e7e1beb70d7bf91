#include "geluidsserver.h"
#include "toon.h"
#include "wavspeler.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <algorithm>
#include <optional>
#include <string>
#include <thread>

namespace {

Geluidsserver* server = nullptr;
// Qt Multimedia looks for the server once per process: after a sound has been played here, ending the server tests
// a server that dies, not one that is missing.
bool gespeeld = false;

// Every test sound starts with this much silence, so that a sound cut off by the next one still shows as a burst of
// its own in the recording.
constexpr int StilteVooraf = 150;

PcmGeluid Toongeluid(int toonMs, int hertz = 440)
{
    return DecodeerGeluid(MaakToon({.stilteMs = StilteVooraf, .toonMs = toonMs, .hertz = hertz})).value();
}

// "begin+length" of every burst, in ms, for failure messages.
std::string Beschrijf(const std::vector<Uitbarsting>& gehoord)
{
    std::string tekst;
    for (const Uitbarsting& uitbarsting : gehoord)
        tekst += std::to_string(uitbarsting.beginMs) + '+' + std::to_string(uitbarsting.duurMs) + ' ';
    return tekst;
}

// Waits as the window does between answers: running its event loop.
void Wacht(int ms)
{
    QEventLoop lus;
    QTimer::singleShot(ms, &lus, &QEventLoop::quit);
    lus.exec();
}

// Plays and reports how long the call took.
qint64 Speel(WavSpeler& speler, const PcmGeluid& geluid)
{
    QElapsedTimer klok;
    klok.start();
    gespeeld = true;
    speler.Speel(1, geluid);
    return klok.elapsed();
}

// Twelve sounds at a child's pace, one of them replaced by the next soon after it began: every one is heard, each
// for as long as it lasts or until the next one replaces it, and nothing stays open on the server afterwards.
TEST(WavSpeler, TwaalfGeluidenOpKindertempo)
{
    if (!server->fout().isEmpty())
        GTEST_SKIP() << server->fout().toStdString();
    struct Beurt
    {
        int toonMs;
        int tussenMs; // until the next sound
    };
    const Beurt beurten[] = {{250, 500}, {300, 400}, {200, 600}, {1500, 300}, {250, 700}, {300, 450}, {200, 350},
        {250, 550}, {300, 650}, {200, 400}, {250, 500}, {300, 0}};
    ASSERT_TRUE(server->StartOpname());
    {
        WavSpeler speler;
        int hertz = 300;
        for (const Beurt& beurt : beurten) {
            EXPECT_LT(Speel(speler, Toongeluid(beurt.toonMs, hertz += 40)), 50);
            Wacht(beurt.tussenMs);
        }
        Wacht(StilteVooraf + 300 + 400);
        QElapsedTimer klok;
        klok.start();
        while (server->Stromen() != 0 && klok.elapsed() < 4000)
            Wacht(100);
        EXPECT_EQ(server->Stromen(), 0) << "a finished sound keeps its stream open";
    }
    const std::vector<Uitbarsting> gehoord = server->StopOpname();
    ASSERT_EQ(gehoord.size(), std::size(beurten)) << Beschrijf(gehoord);
    for (std::size_t i = 0; i < gehoord.size(); ++i) {
        const Beurt& beurt = beurten[i];
        const int verwacht = beurt.tussenMs > 0 ? std::min(beurt.toonMs, beurt.tussenMs - StilteVooraf) : beurt.toonMs;
        // Whole 50 ms windows: a burst shows up to two windows longer; the moment of replacing may shift a little.
        EXPECT_GE(gehoord[i].duurMs, verwacht - 60) << i << ": " << Beschrijf(gehoord);
        EXPECT_LE(gehoord[i].duurMs, verwacht + 150) << i << ": " << Beschrijf(gehoord);
    }
}

// A sound server that stops answering holds up neither a sound nor closing: the output waits in a thread of its
// own, and only the last sound asked for meanwhile is still due.
TEST(WavSpeler, HangendeServerHoudtNietsOp)
{
    if (!server->fout().isEmpty())
        GTEST_SKIP() << server->fout().toStdString();
    const PcmGeluid geluid = Toongeluid(200);
    std::optional<WavSpeler> speler(std::in_place);
    EXPECT_LT(Speel(*speler, geluid), 50);
    Wacht(500);
    server->Bevries(true);
    // Whatever happens below, the server thaws: a player that waits for it then comes back late instead of never.
    const std::jthread ontdooi([](std::stop_token stop) {
        for (int i = 0; i < 30 && !stop.stop_requested(); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        server->Bevries(false);
    });
    for (int i = 0; i < 5; ++i) {
        EXPECT_LT(Speel(*speler, geluid), 50) << i;
        Wacht(100);
    }
    server->Bevries(false);
    QElapsedTimer klok;
    klok.start();
    speler.reset();
    EXPECT_LT(klok.elapsed(), 2500);
}

// Without a sound server every sound is silence at once, also one the output could never take, and the player
// closes at once.
TEST(WavSpeler, ZonderServerIsHetStil)
{
    if (gespeeld)
        GTEST_SKIP() << "sounds were played before in this process; run this test on its own";
    server->Stop();
    PcmGeluid vreemd = Toongeluid(200);
    vreemd.formaat.setChannelCount(7);
    for (int keer = 0; keer < 3; ++keer) {
        QElapsedTimer klok;
        klok.start();
        {
            WavSpeler speler;
            for (const PcmGeluid& geluid : {Toongeluid(200), PcmGeluid {}, vreemd, Toongeluid(3000)})
                EXPECT_LT(Speel(speler, geluid), 50);
        }
        EXPECT_LT(klok.elapsed(), 1000) << keer;
    }
}

} // namespace

// The server is started before Qt Multimedia is first used, since that reads where the server is only once.
int main(int argc, char* argv[])
{
    ::testing::InitGoogleTest(&argc, argv);
    std::optional<Geluidsserver> geluidsserver;
    if (!GTEST_FLAG_GET(list_tests))
        server = &geluidsserver.emplace();
    const QCoreApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
