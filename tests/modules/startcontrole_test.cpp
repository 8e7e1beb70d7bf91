#include "nepspeler.h"
#include "programma.h"
#include "widgets.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// A click on Oefening after the steps, taken in a window as it opens ("name=text" replaces the text of a box, a
// bare name clicks that button): the message that refuses the start, or the remaining count of the series that
// starts ("" where the window shows none).
struct Geval
{
    const char* stappen;
    QString verwacht;
    QString titel = ProgrammaTitel();
};

const QString GeenMaximum = QStringLiteral("Geef een maximum op !");
const QString AantalFout = QStringLiteral("Je aantal oefeningen klopt niet !");
const QString Minstens6 = QStringLiteral("Kies een maximum van minstens 6 voor deze bewerking !");
const QString DrillAantal = QStringLiteral("Kies een degelijk aantal oefeningen !");
const QString GeenTafel = QStringLiteral("Je koos geen enkele tafel !!!");
const QString SplitsMaximum = QStringLiteral("Kies een maximum tussen 3 en 10 !");
const QString SplitsGetal = QStringLiteral("Kies een getal tussen 1 en 10 !");
const QString OrdenMaximum = QStringLiteral("Je maximum klopt niet.\r\nHet moet minstens 3,\r\nen maximum 10 zijn !");
const QString OrdenAantal = QStringLiteral("Je aantal oefeningen klopt niet.");
const QString PuzzelMaximum = QStringLiteral("Je koos een ongeldig maximum !");
const QString RaceMaximum = QStringLiteral("Je koos nog geen maximum !!");
const QString RaceMinstens6 = QStringLiteral("Kies voor deze bewerking een maximum van minstens 6 !!");

const std::pair<const char*, std::vector<Geval>> Vensters[] = {
    {"vierbewerkingen",
        {{"txtMax=1", GeenMaximum, "Maximum !"}, {"txtMax=", GeenMaximum, "Maximum !"},
            {"txtMax=1.4", GeenMaximum, "Maximum !"}, {"txtMax=2147483648", GeenMaximum, "Maximum !"},
            {"txtMax=1 txtAantal=0", GeenMaximum, "Maximum !"}, {"txtAantal=0", AantalFout},
            {"txtAantal=32768", AantalFout},
            {"txtMax=2 optBewerking(2)", "Kies een maximum van minstens 3 voor deze bewerking !", "Maximum !"},
            {"txtMax=2 optBewerking(3)", Minstens6, "Maximum !"}, {"txtMax=5 optBewerking(6)", Minstens6, "Maximum !"},
            {"txtAantal=32767", "nog 32767 oefeningen"}}},
    {"honderd",
        {{"txtAantal=0", "Kies minstens 1 soort oefeningen !"}, {"chkSoort(2) txtAantal=0", DrillAantal},
            {"chkSoort(2) txtAantal=101", DrillAantal}, {"chkSoort(2) txtAantal=veel", DrillAantal},
            {"chkSoort(2) txtAantal=70000", DrillAantal}, {"chkSoort(2) txtAantal=100.6", DrillAantal},
            {"chkSoort(2) txtAantal=100", "nog 100 oefeningen"}, {"chkSoort(2) txtAantal=0.6", "nog 1 oefeningen"}}},
    {"maaldeel",
        {{"", GeenTafel}, {"optTafel(2) txtAantal=0", "Je koos geen bewerking !!!"},
            {"optTafel(2) optTafel(2) optMaal(0) txtAantal=0", GeenTafel},
            {"optTafel(2) optMaal(1) txtAantal=0", AantalFout}, {"optTafel(2) optMaal(1) txtAantal=drie", AantalFout},
            {"optTafel(2) optMaal(1) txtAantal=0.4", AantalFout},
            {"optTafel(2) optMaal(1) txtAantal=32768", AantalFout}}},
    {"splitsen",
        {{"txtMax=11", SplitsMaximum}, {"txtMax=2.5", SplitsMaximum}, {"txtMax=", SplitsMaximum},
            {"txtMax=10.5 txtAantal=40000", "Kies een aantal oefeningen tussen 1 en 32767 !"},
            {"optSoort(5) txtGetal=-1", SplitsGetal}, {"optSoort(4) txtGetal=11", SplitsGetal},
            {"optSoort(4) txtGetal=11 optSoort(0) txtAantal=2", "nog 2 oefeningen."},
            {"txtAantal=0", "Alle oefeningen zijn opgelost !\r\nJe haalde 0 op 0."}}},
    {"graanvullen",
        {{"txtInterval=3", "Je interval mag maximaal een vierde van je maximum zijn !"}, {"txtAantal=3", AantalFout},
            {"txtAantal=40000", AantalFout}, {"txtMaximum=3 txtInterval=9 txtAantal=3", AantalFout},
            {"txtMaximum=3 txtInterval=9", "Kies een groter maximum !"},
            {"txtMaximum=3000000000", "Kies een kleiner maximum !"},
            {"txtInterval=1.5", "Je interval moet een geheel getal zijn !"}}},
    {"gbherkennen", {{"txtAantal=0", AantalFout}, {"txtAantal=nul", AantalFout}, {"txtAantal=40000", AantalFout}}},
    {"grordenen",
        {{"txtMax=2 txtAantal=0", OrdenMaximum}, {"txtMax=10.2", OrdenMaximum}, {"txtAantal=0.6", OrdenAantal},
            {"txtMax=3 txtAantal=2.6", "Nog 3 oefeningen."}}},
    {"gbordenen", {{"txtAantal=40000", OrdenAantal}}},
    {"puzzel",
        {{"txtMax=", PuzzelMaximum}, {"txtMax=2", PuzzelMaximum}, {"optBewerking(1) txtMax=twee", PuzzelMaximum},
            {"txtMax=2147483648", PuzzelMaximum}, {"optBewerking(3) txtMax=5", Minstens6},
            {"optBewerking(4) txtMax=4", Minstens6}, {"optBewerking(5) txtMax=3", Minstens6},
            {"optBewerking(6) txtMax=5.4", Minstens6}, {"txtMax=3", ""}, {"optBewerking(6) txtMax=6", ""},
            {"optBewerking(3) txtMax=2147483647", ""}}},
    {"race",
        {{"txtMax=", RaceMaximum}, {"txtMax=2", RaceMaximum}, {"optBewerking(1) txtMax=drie", RaceMaximum},
            {"txtMax=2147483648", RaceMaximum}, {"optBewerking(3) txtMax=5", RaceMinstens6},
            {"optBewerking(4) txtMax=5", RaceMinstens6}, {"optBewerking(5) txtMax=4", RaceMinstens6},
            {"optBewerking(6) txtMax=3", RaceMinstens6}}}};

// Every window's start checks, each window's in their order (the tables of the times tables first, then the
// operation, then the count; a second click takes a table away): a refused start shows its one OK message, keeps the
// Setup page in front and plays nothing (Programma::Start checks the message box and the page).
TEST(Startcontrole, ElkeInstellingOfEenMelding)
{
    Programma programma;
    for (const auto& [menu, gevallen] : Vensters) {
        for (const Geval& geval : gevallen) {
            SCOPED_TRACE(std::string(menu) + ": " + geval.stappen);
            QWidget& venster = programma.Open(menu);
            for (const QString& stap : QString(geval.stappen).split(u' ', Qt::SkipEmptyParts)) {
                if (stap.contains(u'='))
                    vervang(venster, stap.section(u'=', 0, 0), stap.section(u'=', 1));
                else
                    klik(vind<QAbstractButton>(venster, stap));
            }
            const NepSpeler speler;
            const QString melding = programma.Start(venster, geval.titel);
            const bool resterend = melding.isEmpty() && !geval.verwacht.isEmpty();
            EXPECT_EQ(resterend ? tekst(venster, "lblAantal") : melding, geval.verwacht);
            EXPECT_TRUE(melding.isEmpty() || speler.gespeeld().empty());
        }
    }
}

} // namespace
