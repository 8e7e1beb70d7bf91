#include "geluid.h"
#include "toeval.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <set>
#include <vector>

#include <sys/stat.h>

namespace {

class NepSpeler : public Geluidsspeler
{
public:
    void Speel(const QByteArray& wav) override { gespeeld.push_back(wav); }
    std::vector<QByteArray> gespeeld;
};

QByteArray Inhoud(const QString& soort, int n)
{
    return (soort + QString::number(n)).toLatin1();
}

// Each test runs in an empty temporary working directory with a fake player; both are undone afterwards.
class GeluidTest : public ::testing::Test
{
protected:
    GeluidTest()
        : m_vorigeMap(QDir::currentPath())
    {
        QDir::setCurrent(m_map.path());
        ZetGeluidsspeler(&speler);
        ZaaiToeval(20240601);
    }
    ~GeluidTest() override
    {
        ZetGeluidsspeler(nullptr);
        QDir::setCurrent(m_vorigeMap);
    }

    // sound/goedN.wav holds "goedN" and sound/foutN.wav holds "foutN", so a played sound names its file.
    static void SchrijfAlleGeluiden()
    {
        QDir().mkpath("sound");
        for (const QString soort : {"goed", "fout"}) {
            for (int n = 1; n <= 10; ++n) {
                QFile bestand(QStringLiteral("sound/%1%2.wav").arg(soort).arg(n));
                ASSERT_TRUE(bestand.open(QIODevice::WriteOnly));
                bestand.write(Inhoud(soort, n));
            }
        }
    }

    NepSpeler speler;

private:
    QTemporaryDir m_map;
    QString m_vorigeMap;
};

TEST_F(GeluidTest, ElkSlotKrijgtZijnEigenBestand)
{
    SchrijfAlleGeluiden();
    LaadGeluiden();
    for (int n = 1; n <= 10; ++n) {
        EXPECT_EQ(Geluid(n), Inhoud("goed", n));
        EXPECT_EQ(Geluid(n + 10), Inhoud("fout", n));
    }
    EXPECT_TRUE(Geluid(0).isEmpty());
    EXPECT_TRUE(Geluid(21).isEmpty());
}

TEST_F(GeluidTest, GoedEnFoutSpelenAlleenHunEigenSoortEnAlleTien)
{
    SchrijfAlleGeluiden();
    LaadGeluiden();
    struct Geval
    {
        void (*speel)();
        QString soort;
    };
    for (const Geval& geval : {Geval {SpeelGoed, "goed"}, Geval {SpeelFout, "fout"}}) {
        speler.gespeeld.clear();
        for (int i = 0; i < 500; ++i)
            geval.speel();
        ASSERT_EQ(speler.gespeeld.size(), 500u);
        std::set<QByteArray> verschillend(speler.gespeeld.begin(), speler.gespeeld.end());
        std::set<QByteArray> verwacht;
        for (int n = 1; n <= 10; ++n)
            verwacht.insert(Inhoud(geval.soort, n));
        EXPECT_EQ(verschillend, verwacht) << geval.soort.toStdString();
    }
}

TEST_F(GeluidTest, ElkGeluidVerbruiktPreciesEenToevalsgetal)
{
    SchrijfAlleGeluiden();
    LaadGeluiden();
    ZaaiToeval(77);
    for (int i = 0; i < 100; ++i)
        (i % 3 == 0 ? SpeelFout : SpeelGoed)();
    const double volgende = Rnd();

    ZaaiToeval(77);
    ASSERT_EQ(speler.gespeeld.size(), 100u);
    for (int i = 0; i < 100; ++i) {
        const int k = static_cast<int>(Rnd() * 10) + (i % 3 == 0 ? 11 : 1);
        EXPECT_EQ(speler.gespeeld[static_cast<std::size_t>(i)], Geluid(k)) << i;
    }
    EXPECT_EQ(Rnd(), volgende);
}

TEST_F(GeluidTest, ZonderGeluidsmapIsAllesLeegEnStilMaarTeltHetToeval)
{
    SchrijfAlleGeluiden();
    LaadGeluiden();
    ASSERT_TRUE(QDir("sound").removeRecursively());
    LaadGeluiden();
    for (int slot = 1; slot <= 20; ++slot)
        EXPECT_TRUE(Geluid(slot).isEmpty()) << slot;

    ZaaiToeval(5);
    SpeelGoed();
    SpeelFout();
    const double derde = Rnd();
    EXPECT_TRUE(speler.gespeeld.empty());
    ZaaiToeval(5);
    Rnd();
    Rnd();
    EXPECT_EQ(Rnd(), derde);

    ZetGeluidsspeler(nullptr);
    SpeelGoed();
    SpeelFout();
}

TEST_F(GeluidTest, OnleesbareBestandenGevenLegeSlots)
{
    SchrijfAlleGeluiden();
    // Tests may run as root, so permissions cannot make a file unreadable; a directory, a FIFO
    // (which would block a naive open) and an empty file can.
    ASSERT_TRUE(QFile::remove("sound/goed3.wav") && QDir().mkdir("sound/goed3.wav"));
    ASSERT_TRUE(QFile::remove("sound/fout7.wav") && ::mkfifo("sound/fout7.wav", 0644) == 0);
    QFile("sound/goed10.wav").resize(0);
    LaadGeluiden();
    for (int slot = 1; slot <= 20; ++slot) {
        const bool leeg = slot == 3 || slot == 17 || slot == 10;
        EXPECT_EQ(Geluid(slot).isEmpty(), leeg) << slot;
    }
    EXPECT_EQ(Geluid(4), "goed4");
    EXPECT_EQ(Geluid(18), "fout8");
}

TEST_F(GeluidTest, LeesBestandGeeftDeBytesOfLeeg)
{
    const QByteArray binair("RIFF\0\x01\xff\n\r\nWAVE", 14);
    QFile bestand("binair.wav");
    ASSERT_TRUE(bestand.open(QIODevice::WriteOnly));
    bestand.write(binair);
    bestand.close();
    QDir().mkdir("map.wav");
    EXPECT_EQ(LeesBestand("binair.wav"), binair);
    EXPECT_TRUE(LeesBestand("ontbreekt.wav").isEmpty());
    EXPECT_TRUE(LeesBestand("map.wav").isEmpty());
    EXPECT_TRUE(LeesBestand("").isEmpty());
}

} // namespace
