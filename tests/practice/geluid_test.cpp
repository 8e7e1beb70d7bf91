#include "geluid.h"
#include "toeval.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <vector>

#include <sys/stat.h>

namespace {

class NepSpeler : public Geluidsspeler
{
public:
    void Speel(const QByteArray& wav) override { gespeeld.push_back(wav); }
    std::vector<QByteArray> gespeeld;
};

QString Naam(int slot)
{
    return (slot <= 10 ? "goed" : "fout") + QString::number((slot - 1) % 10 + 1);
}

// Binary bytes and the file's own name, so that a played sound names its file.
QByteArray Inhoud(int slot)
{
    return QByteArray("RIFF\0\xff", 6) + Naam(slot).toLatin1();
}

// Each test runs with sound/goed1..10.wav and sound/fout1..10.wav in an empty temporary working directory and a
// fake player; both are undone afterwards.
class GeluidTest : public ::testing::Test
{
protected:
    GeluidTest()
        : m_vorigeMap(QDir::currentPath())
    {
        QDir::setCurrent(m_map.path());
        QDir().mkpath("sound");
        for (int slot = 1; slot <= 20; ++slot) {
            QFile bestand("sound/" + Naam(slot) + ".wav");
            EXPECT_TRUE(bestand.open(QIODevice::WriteOnly) && bestand.write(Inhoud(slot)) > 0);
        }
        ZetGeluidsspeler(&speler);
        ZaaiToeval(77);
    }
    ~GeluidTest() override
    {
        ZetGeluidsspeler(nullptr);
        QDir::setCurrent(m_vorigeMap);
        LaadGeluiden();
    }

    NepSpeler speler;

private:
    QTemporaryDir m_map;
    QString m_vorigeMap;
};

// Approval plays slot Int(10 r) + 1, disapproval slot Int(10 r) + 11, each from one random number.
TEST_F(GeluidTest, ElkGeluidKiestZijnSlotMetEenToevalsgetal)
{
    LaadGeluiden();
    for (int i = 0; i < 300; ++i)
        (i % 3 == 0 ? SpeelFout : SpeelGoed)();
    const double volgende = Rnd();

    ZaaiToeval(77);
    ASSERT_EQ(speler.gespeeld.size(), 300u);
    for (std::size_t i = 0; i < 300; ++i) {
        const int slot = static_cast<int>(Rnd() * 10) + (i % 3 == 0 ? 11 : 1);
        EXPECT_EQ(speler.gespeeld[i], Inhoud(slot)) << i;
        EXPECT_EQ(Geluid(slot), Inhoud(slot));
    }
    EXPECT_EQ(Rnd(), volgende);
    EXPECT_TRUE(Geluid(0).isEmpty());
    EXPECT_TRUE(Geluid(21).isEmpty());
}

// Tests may run as root, so permissions cannot make a file unreadable; a directory, a FIFO (which would block a
// naive open) and an empty file can. Without the folder every slot is silent, but a sound still draws its number.
TEST_F(GeluidTest, OnleesbaarOfOntbrekendIsStilte)
{
    ASSERT_TRUE(QFile::remove("sound/goed3.wav") && QDir().mkdir("sound/goed3.wav"));
    ASSERT_TRUE(QFile::remove("sound/fout7.wav") && ::mkfifo("sound/fout7.wav", 0644) == 0);
    QFile("sound/goed10.wav").resize(0);
    LaadGeluiden();
    for (int slot = 1; slot <= 20; ++slot)
        EXPECT_EQ(Geluid(slot), slot == 3 || slot == 17 || slot == 10 ? QByteArray() : Inhoud(slot)) << slot;

    ASSERT_TRUE(QDir("sound").removeRecursively());
    LaadGeluiden();
    for (int slot = 1; slot <= 20; ++slot)
        EXPECT_TRUE(Geluid(slot).isEmpty()) << slot;
    SpeelGoed();
    SpeelFout();
    EXPECT_TRUE(speler.gespeeld.empty());
    const double derde = Rnd();
    ZaaiToeval(77);
    Rnd();
    Rnd();
    EXPECT_EQ(Rnd(), derde);
    ZetGeluidsspeler(nullptr);
    SpeelGoed();
}

} // namespace
