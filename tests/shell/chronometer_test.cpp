#include "chronometer.h"

#include <gtest/gtest.h>

namespace {

QString Stand(const Chronometer& chrono)
{
    return chrono.Minuten() + ":" + chrono.Seconden() + "." + chrono.Tienden();
}

void Tik(Chronometer& chrono, int keer)
{
    for (int i = 0; i < keer; ++i)
        chrono.Tik();
}

// Ticks are stepped by hand: no waiting. The display rolls over at 60 seconds and never caps the minutes.
TEST(Chronometer, TeltTiendenSecondenEnMinuten)
{
    Chronometer chrono;
    Tik(chrono, 5);
    EXPECT_EQ(Stand(chrono), "00:00.0");
    chrono.Start();
    Tik(chrono, 599);
    EXPECT_EQ(Stand(chrono), "00:59.9");
    chrono.Tik();
    EXPECT_EQ(Stand(chrono), "01:00.0");
    Tik(chrono, 8 * 600);
    EXPECT_EQ(Stand(chrono), "09:00.0");
    Tik(chrono, 600);
    EXPECT_EQ(Stand(chrono), "10:00.0");
    Tik(chrono, 115 * 600 + 123);
    EXPECT_EQ(Stand(chrono), "125:12.3");
}

// The buttons through start, pause and stop: a paused watch only resets.
TEST(Chronometer, KnoppenVolgenDeToestand)
{
    struct Stap
    {
        void (Chronometer::*actie)();
        bool start, pauze, stop;
        const char* stand;
    };
    const Stap stappen[] = {
        {nullptr, true, false, false, "00:00.0"},
        {&Chronometer::Start, false, true, true, "00:12.3"},
        {&Chronometer::Pauze, false, false, true, "00:12.3"},
        {&Chronometer::Stop, true, false, false, "00:00.0"},
        {&Chronometer::Start, false, true, true, "00:12.3"},
        {&Chronometer::Stop, true, false, false, "00:00.0"},
    };
    Chronometer chrono;
    for (const Stap& stap : stappen) {
        if (stap.actie)
            (chrono.*stap.actie)();
        Tik(chrono, chrono.Loopt() ? 123 : 7);
        EXPECT_EQ(chrono.StartMag(), stap.start);
        EXPECT_EQ(chrono.PauzeMag(), stap.pauze);
        EXPECT_EQ(chrono.StopMag(), stap.stop);
        EXPECT_EQ(Stand(chrono), stap.stand);
    }
}

} // namespace
