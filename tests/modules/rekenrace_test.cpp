#include "nepspeler.h"
#include "programma.h"
#include "toon.h"
#include "werkmap.h"
#include "widgets.h"

#include <gtest/gtest.h>

#include <QGroupBox>
#include <QSvgWidget>

#include <tuple>

namespace {

// Whose turn it is: the one frame on show.
int Beurt(const QWidget& venster)
{
    const bool een = vind<QGroupBox>(venster, "fraSpeler1")->isVisible();
    const bool twee = vind<QGroupBox>(venster, "fraSpeler2")->isVisible();
    return een == twee ? 0 : een ? 1 : 2;
}

// Types the answer into the box that has the focus, which must be the player's own, and presses Enter.
void Beantwoord(const QWidget& venster, int speler, bool goed)
{
    QWidget* vak = focus();
    if (vak != vind<QLineEdit>(venster, QStringLiteral("txtOplossing%1").arg(speler)))
        throw std::logic_error("the focus is in " + vak->objectName().toStdString());
    const QString uitkomst = juist(venster, QString::number(speler));
    QTest::keyClicks(vak, goed ? uitkomst : uitkomst + "7");
    QTest::keyClick(vak, Qt::Key_Return);
}

int Auto(const QWidget& venster, int speler)
{
    return vind<QSvgWidget>(venster, QStringLiteral("imgCar%1").arg(speler))->y();
}

class Rekenrace : public ::testing::Test
{
protected:
    QRadioButton* optie(const QString& naam) { return vind<QRadioButton>(venster, naam); }
    void kies(int bewerking) { klik(optie(QStringLiteral("optBewerking(%1)").arg(bewerking))); }
    void start(const QString& naam1, const QString& naam2)
    {
        typIn(venster, "txtSpeler1", naam1);
        typIn(venster, "txtSpeler2", naam2);
        klikTab(venster, 1);
    }

    Programma programma;
    NepDialogen& dialogen = programma.dialogen;
    QWidget& venster = programma.Open("race", 17);
};

// The names typed are the frames' captions and start the message; with both names emptied it reads " mag
// beginnen !". Either player may begin, and only that player's frame shows, with the focus in its box.
TEST_F(Rekenrace, WieMagBeginnen)
{
    std::set<int> eersten;
    for (int ronde = 0; ronde < 12; ++ronde) {
        klikTab(venster, 0);
        start("Anna", "Bram & co");
        const int eerste = Beurt(venster);
        eersten.insert(eerste);
        EXPECT_EQ(dialogen.laatste().prompt, eerste == 1 ? "Anna mag beginnen !" : "Bram & co mag beginnen !");
        EXPECT_EQ(dialogen.laatste().titel, "RekenRace !");
        EXPECT_EQ(focus()->objectName(), QStringLiteral("txtOplossing%1").arg(eerste));
    }
    EXPECT_EQ(eersten, (std::set<int> {1, 2}));
    EXPECT_EQ(vind<QGroupBox>(venster, "fraSpeler2")->title(), "Bram && co");
    klikTab(venster, 0);
    start("", "");
    EXPECT_EQ(dialogen.laatste().prompt, " mag beginnen !");
}

// Each choice reaches its generator. "nee" keeps carries and borrows out of + and -, except with "+ - x :", which
// always allows them, whatever the bridge options show.
TEST_F(Rekenrace, ElkeKeuzeBereiktZijnGenerator)
{
    // operation, operators seen, a bridge seen
    const std::tuple<int, std::set<QString>, bool> gevallen[] {
        {0, {"+"}, false}, {2, {"+", "-"}, false}, {5, {"x", ":"}, false}, {6, {"+", "-", "x", ":"}, true}};
    typIn(venster, "txtMax", "99");
    klik(optie("optBrugNee"));
    for (const auto& [bewerking, tekens, brug] : gevallen) {
        SCOPED_TRACE(bewerking);
        klikTab(venster, 0);
        kies(bewerking);
        klikTab(venster, 1);
        std::set<QString> gezien;
        bool brugGezien = false;
        // Wrong answers, so the race never ends.
        for (int i = 0; i < 80; ++i) {
            const int speler = Beurt(venster);
            const auto getal = [&](const char* naam) { return tekst(venster, naam + QString::number(speler)).toInt(); };
            const QString teken = tekst(venster, QStringLiteral("lblBewerking%1").arg(speler));
            const int l = getal("lblLinks"), r = getal("lblRechts");
            gezien.insert(teken);
            brugGezien |= teken == "+" ? l % 10 + r % 10 > 9 || l / 10 + r / 10 > 9 : teken == "-" && l % 10 < r % 10;
            Beantwoord(venster, speler, false);
        }
        EXPECT_EQ(gezien, tekens);
        EXPECT_EQ(brugGezien, brug);
    }
}

// A whole race: the turn passes after every answer, a wrong answer leaves the car where it is, and the first to ten
// right answers wins while the other has nine. Ja shows Setup with the cars still down; Oefening alone leaves them
// there, and a click on Setup puts them back at the top. Nee closes the window.
TEST_F(Rekenrace, EenHeleRaceTotDeWinnaar)
{
    for (const Antwoord keuze : {Antwoord::Ja, Antwoord::Nee}) {
        klikTab(venster, 0);
        start("Anna", "Bram");
        const int eerste = Beurt(venster), tweede = 3 - eerste;
        const int stap = Auto(venster, 1);
        EXPECT_EQ(Auto(venster, 2), stap);
        // One wrong answer each, so the first player's tenth right answer is the 21st answer.
        for (int antwoord = 0; antwoord < 21; ++antwoord) {
            const int speler = Beurt(venster);
            ASSERT_EQ(speler, antwoord % 2 ? tweede : eerste);
            const int plek = Auto(venster, speler);
            const bool juist = antwoord != 4 && antwoord != 7;
            if (antwoord == 20) {
                dialogen.antwoord(Antwoord::Ok);
                dialogen.antwoord(keuze);
            }
            Beantwoord(venster, speler, juist);
            EXPECT_EQ(Auto(venster, speler) > plek, juist);
        }
        const auto& meldingen = dialogen.meldingen();
        ASSERT_GE(meldingen.size(), 2u);
        EXPECT_EQ(
            meldingen[meldingen.size() - 2].prompt, (eerste == 1 ? "Anna" : "Bram") + QString(" heeft gewonnen !!!"));
        EXPECT_EQ(meldingen.back().prompt, "Nog eens ?");
        EXPECT_EQ(meldingen.back().titel, "opnieuw ?");
        EXPECT_EQ(meldingen.back().knoppen, Knoppen::JaNee);
        if (keuze == Antwoord::Nee)
            break;
        EXPECT_EQ(paginaVoor(venster), 0);
        const int beneden = Auto(venster, eerste);
        klikTab(venster, 1);
        EXPECT_EQ(Auto(venster, eerste), beneden);
        klikTab(venster, 0);
        klikTab(venster, 1);
        EXPECT_EQ(Auto(venster, eerste), stap);
        EXPECT_EQ(Auto(venster, tweede), stap);
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(programma.OpenVensters(), QStringList());
}

// Each sound of the race from its own file, one at a time: the start, a car driving on, the wrong answer (an AIFF
// file) and the applause, each new one closing the one before; closing the window closes the last. A missing file
// is silence.
TEST(RekenraceGeluid, ElkeGebeurtenisZijnGeluid)
{
    Werkmap map;
    QDir().mkpath("sound");
    for (const auto& [bestand, ms] : {std::pair {"attention.wav", 300}, {"auto.wav", 200}, {"applaus.wav", 400}})
        Werkmap::Schrijf(QStringLiteral("sound/") + bestand, MaakToon({.toonMs = ms}));
    Werkmap::Schrijf("sound/fout1.aif", MaakToon({.formaat = SF_FORMAT_AIFF | SF_FORMAT_PCM_16, .toonMs = 150}));
    NepSpeler speler;
    {
        Programma programma;
        QWidget& venster = programma.Open("race", 5);
        klikTab(venster, 1);
        // The second answer is wrong, so the first player's tenth right answer is the nineteenth answer.
        for (int antwoord = 0; antwoord < 19; ++antwoord) {
            if (antwoord == 18) {
                programma.dialogen.antwoord(Antwoord::Ok);
                programma.dialogen.antwoord(Antwoord::Ja);
            }
            Beantwoord(venster, Beurt(venster), antwoord != 1);
        }
        ASSERT_EQ(programma.dialogen.laatste().prompt, "Nog eens ?");
        QFile::remove("sound/attention.wav");
        klikTab(venster, 1);
        Beantwoord(venster, Beurt(venster), true);
        vind<QAbstractButton>(venster, "cmdStop")->click();
    }
    // The slot and the length in ms of every sound asked for; 0 ms stops the sound of the slot.
    std::vector<std::pair<int, qint64>> gespeeld;
    for (const NepSpeler::Gespeeld& g : speler.gespeeld())
        gespeeld.emplace_back(g.slot, (g.geluid.frames * 1000 + 11025) / 22050);
    std::vector<std::pair<int, qint64>> verwacht {
        {21, 300}, {21, 0}, {22, 200}, {22, 0}, {23, 150}, {23, 0}, {22, 200}};
    for (int antwoord = 3; antwoord < 19; ++antwoord)
        verwacht.insert(verwacht.end(), {{22, 0}, {22, 200}});
    verwacht.insert(verwacht.end(), {{22, 0}, {24, 400}, {24, 0}, {22, 200}, {22, 0}});
    EXPECT_EQ(gespeeld, verwacht);
}

} // namespace
