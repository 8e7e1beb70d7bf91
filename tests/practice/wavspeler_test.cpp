#include "geluid.h"
#include "toeval.h"
#include "wavspeler.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>

#include <vector>

namespace {

// Where the test machine has no audio device, this is the path without one.
TEST(WavSpeler, KeertMeteenTerugBijGeluidRommelEnLeegte)
{
    ZaaiToeval(4);
    // A shipped sound (a 44-byte header, then samples) made silent, so that a machine with speakers stays quiet.
    QByteArray stilte = LeesBestand(QStringLiteral(TALLORA_BRONMAP "/sound/goed1.wav"));
    ASSERT_GT(stilte.size(), 44);
    stilte.replace(44, stilte.size() - 44, QByteArray(stilte.size() - 44, '\0'));
    std::vector<QByteArray> beelden {stilte, {}, "geen geluid", stilte.left(30), stilte.left(1000), stilte};
    for (int i = 0; i < 40; ++i) {
        QByteArray rommel(static_cast<qsizetype>(RandomTot(8192)), '\0');
        for (char& c : rommel)
            c = static_cast<char>(RandomIndex(256));
        // Keep a real header sometimes, so that decoding gets past its first check.
        if (i % 2 == 0)
            rommel.replace(0, 4, "RIFF").replace(8, 8, "WAVEfmt ");
        beelden.push_back(rommel);
    }
    WavSpeler speler;
    for (const QByteArray& beeld : beelden) {
        QElapsedTimer klok;
        klok.start();
        speler.Speel(beeld);
        EXPECT_LT(klok.elapsed(), 100) << beeld.size();
        QCoreApplication::processEvents();
    }
}

} // namespace
