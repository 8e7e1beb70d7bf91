#include "nepspeler.h"
#include "programma.h"
#include "puzzel/puzzel.h"
#include "puzzel/puzzelbord.h"
#include "puzzel/puzzelprent.h"
#include "toeval.h"
#include "werkmap.h"
#include "widgets.h"

#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QImageReader>

#include <set>
#include <sys/stat.h>
#include <tuple>

namespace {

// Sixteen pieces, each an exercise up to the maximum, no answer twice in a row; "alles" allows a bridge whatever the
// option says, "+ en -" with "nee" none. Which operators each choice brings is the generator's and mental
// arithmetic's test; the rules of choosing and answering pieces are the window's test.
TEST(PuzzelRegels, AllesNegeertDeBrugoptie)
{
    ZaaiToeval(11);
    for (const Bewerkingskeuze keuze : {Bewerkingskeuze::PlusOfMin, Bewerkingskeuze::Alles}) {
        SCOPED_TRACE(int(keuze));
        Puzzel puzzel;
        bool metBrug = false;
        for (int ronde = 0; ronde < 20; ++ronde) {
            puzzel.Nieuw(keuze, 50, false);
            for (int i = 0; i < Puzzel::AantalStukken; ++i) {
                const Opgave& stuk = puzzel.Stuk(i);
                ASSERT_TRUE(stuk.Uitkomst.has_value());
                EXPECT_LE(*stuk.Uitkomst, 50);
                EXPECT_TRUE(i == 0 || stuk.Uitkomst != puzzel.Stuk(i - 1).Uitkomst) << i;
                metBrug = metBrug || (stuk.Bewerking == "+" && stuk.Links % 10 + stuk.Rechts % 10 > 9);
            }
        }
        EXPECT_EQ(metBrug, keuze == Bewerkingskeuze::Alles);
    }
}

// A picture is read only from a small regular file: nothing else stalls or breaks the window.
TEST(PuzzelPrent, AlleenKleineGewoneBestanden)
{
    Werkmap map;
    QDir().mkpath("puzzels/map.gif");
    ASSERT_EQ(mkfifo("puzzels/fifo.gif", 0600), 0);
    Werkmap::Schrijf("puzzels/kapot.gif", QByteArray("GIF89a\x01\x00 geen plaatje", 20));
    QImage(Puzzelprent::GrootsteZijde + 1, 8, QImage::Format_RGB32).save("puzzels/breed.gif", "PNG");
    QImage(300, 300, QImage::Format_RGB32).save("puzzels/png.gif", "PNG");
    QFile::copy(QStringLiteral(TALLORA_PUZZELS "/7.gif"), "puzzels/echt.gif");
    // A readable picture with far too much behind it.
    QFile::copy("puzzels/echt.gif", "puzzels/groot.gif");
    QFile groot("puzzels/groot.gif");
    ASSERT_TRUE(groot.open(QIODevice::Append) && groot.resize(Puzzelprent::GrootsteBestand + 1));
    groot.close();
    const std::vector<std::tuple<QString, bool>> gevallen {{"ontbreekt", false}, {"map", false}, {"fifo", false},
        {"kapot", false}, {"breed", false}, {"groot", false}, {"png", true}, {"echt", true}};
    for (const auto& [naam, leesbaar] : gevallen) {
        SCOPED_TRACE(naam.toStdString());
        QElapsedTimer klok;
        klok.start();
        EXPECT_EQ(!Puzzelprent::Lees("puzzels/" + naam + ".gif").isNull(), leesbaar);
        EXPECT_LT(klok.elapsed(), 500);
    }
}

// Our forty pictures: GIF as named, square, large enough for the board, and all different.
TEST(PuzzelPrent, VeertigEigenPrenten)
{
    std::set<QByteArray> gezien;
    for (int n = 1; n <= Puzzelprent::Aantal; ++n) {
        SCOPED_TRACE(n);
        QImageReader lezer(QStringLiteral(TALLORA_PUZZELS "/%1.gif").arg(n), "gif");
        const QImage prent = lezer.read();
        ASSERT_FALSE(prent.isNull()) << lezer.errorString().toStdString();
        EXPECT_EQ(prent.width(), prent.height());
        EXPECT_GE(prent.width(), 290);
        gezien.insert(
            QCryptographicHash::hash(QByteArrayView(prent.constBits(), prent.sizeInBytes()), QCryptographicHash::Sha1));
    }
    EXPECT_EQ(gezien.size(), std::size_t(Puzzelprent::Aantal));
}

class PuzzelVensterTest : public ::testing::Test
{
protected:
    QAbstractButton* stuk(int i) { return vind<QAbstractButton>(*venster, QStringLiteral("cmdStuk(%1)").arg(i)); }
    QRadioButton* optie(const QString& naam) { return vind<QRadioButton>(*venster, naam); }
    const Puzzelbord& bord() { return *vind<Puzzelbord>(*venster, "Image1"); }
    QStringList opschriften()
    {
        QStringList teksten;
        for (int i = 0; i < 16; ++i)
            teksten << stuk(i)->text();
        return teksten;
    }

    // Clicks piece i and answers it right or wrong; the row must show the piece's exercise.
    void beantwoord(int i, bool goed)
    {
        klik(stuk(i));
        ASSERT_EQ(som(*venster), stuk(i)->text());
        antwoord(*venster, goed ? juist(*venster) : juist(*venster) + "1");
    }

    // Enter in the answer box with nothing typed.
    void enter()
    {
        typIn(*venster, "txtOplossing", {});
        antwoord(*venster, {});
    }

    Werkmap map;
    Programma programma;
    QWidget* venster = &programma.Open("puzzel", 17);
};

// A whole puzzle as a child plays it, on a board of 4335 twips, with right and wrong answers; Setup lays every
// piece back.
TEST_F(PuzzelVensterTest, HeelPuzzelMetGoedeEnFouteAntwoorden)
{
    ASSERT_TRUE(QFile::link(QStringLiteral(TALLORA_PUZZELS), "puzzels"));
    klik(optie("optBewerking(2)"));
    ASSERT_EQ(programma.Start(*venster), "");
    EXPECT_EQ(bord().Prent().width(), 480);
    EXPECT_NEAR(bord().width(), 289, 2);
    EXPECT_NEAR(stuk(15)->width(), 289 / 4, 6);
    EXPECT_EQ(botsingen(*venster), QStringList());
    int fouten = 0;
    for (int i = 0; i < 16; ++i) {
        SCOPED_TRACE(i);
        if (i % 3 == 0) {
            beantwoord(i, false);
            EXPECT_EQ(tekst(*venster, "lblUitslag"), "Foutje, probeer opnieuw...");
            EXPECT_EQ(achtergrond(*venster, "lblUitslag"), QColor(255, 0, 0));
            EXPECT_EQ(tekst(*venster, "lblFouten"), QStringLiteral("Aantal fouten : %1").arg(++fouten));
            EXPECT_FALSE(stuk(i)->isHidden());
            EXPECT_EQ(tekst(*venster, "lblLinks") + tekst(*venster, "lblBewerking"), "");
        }
        beantwoord(i, true);
        EXPECT_EQ(tekst(*venster, "lblUitslag"), "Goed zo !");
        EXPECT_EQ(achtergrond(*venster, "lblUitslag"), QColor(0, 255, 0));
        EXPECT_EQ(tekst(*venster, "lblFouten"), QStringLiteral("Aantal fouten : %1").arg(fouten));
        EXPECT_TRUE(stuk(i)->isHidden());
    }
    EXPECT_EQ(fouten, 6);
    klikTab(*venster, 0);
    EXPECT_EQ(tekst(*venster, "lblFouten"), "Aantal fouten : 0");
    EXPECT_EQ(opschriften(), QStringList(16, "oefening"));
    for (int i = 0; i < 16; ++i)
        EXPECT_FALSE(stuk(i)->isHidden()) << i;
}

// Enter with no exercise on the row (before the first click, after an answer) is no answer: no sound, no mistake.
// An answer plays exactly one sound. Oefening again without Setup makes new exercises; taken pieces stay taken and
// the mistakes keep counting.
TEST_F(PuzzelVensterTest, EnterZonderStukEnOpnieuwZonderSetup)
{
    NepSpeler speler;
    klikTab(*venster, 1);
    enter();
    EXPECT_EQ(tekst(*venster, "lblUitslag"), "Kies een oefening en los ze op om de tekening te ontdekken !");
    beantwoord(5, false);
    enter();
    EXPECT_EQ(speler.Slots().size(), 1u);
    EXPECT_EQ(speler.Fout(), 1);
    beantwoord(6, true);
    enter();
    EXPECT_EQ(speler.Slots().size(), 2u);
    EXPECT_EQ(speler.Goed(), 1);
    EXPECT_EQ(tekst(*venster, "lblFouten"), "Aantal fouten : 1");
    EXPECT_EQ(tekst(*venster, "lblUitslag"), "Goed zo !");
    klik(stuk(7));
    const QStringList eerste = opschriften();
    klikTab(*venster, 2);
    klikTab(*venster, 1);
    EXPECT_NE(opschriften(), eerste);
    EXPECT_TRUE(stuk(6)->isHidden());
    EXPECT_EQ(tekst(*venster, "lblLinks"), ""); // piece 7 has another exercise now: chosen again or not at all
    enter();
    EXPECT_EQ(tekst(*venster, "lblFouten"), "Aantal fouten : 1");
    beantwoord(8, false);
    EXPECT_EQ(tekst(*venster, "lblFouten"), "Aantal fouten : 2");
}

// With a missing or broken picture the program draws one of its own, and the puzzle plays as always.
TEST_F(PuzzelVensterTest, OntbrekendeOfKapottePrent)
{
    for (const bool kapot : {false, true}) {
        SCOPED_TRACE(kapot);
        if (kapot) {
            QDir().mkpath("puzzels");
            for (int n = 1; n <= Puzzelprent::Aantal; ++n)
                Werkmap::Schrijf(QStringLiteral("puzzels/%1.gif").arg(n), "GIF89a kapot");
        }
        klikTab(*venster, 0);
        klikTab(*venster, 1);
        ASSERT_EQ(paginaVoor(*venster), 1);
        EXPECT_TRUE(bord().Prent().isNull());
        beantwoord(0, true);
        EXPECT_TRUE(stuk(0)->isHidden());
        EXPECT_EQ(programma.dialogen.meldingen().size(), 0u);
    }
}

} // namespace
