#include "programma.h"
#include "widgets.h"

#include <gtest/gtest.h>

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QRadioButton>

#include <algorithm>
#include <tuple>
#include <vector>

namespace {

struct Beginstand
{
    const char* menu;
    const char* knop;
    const char* titel;
    int vakjes; // check boxes
    QStringList gekozen; // the options and boxes chosen at first; all others are not
    // Controls and labels by objectName with their first text; a label without a name is looked for by its text.
    std::vector<std::pair<QString, QString>> teksten;
};

const Beginstand Vensters[] = {
    {"vierbewerkingen", "Hoofdrekenen", "De 4 bewerkingen", 0, {"optBewerking(0)", "optBrugJa"},
        {{"txtMax", "20"}, {"txtAantal", "20"}}},
    {"maaldeel", "Tafels", "Maal- en deeltafels", 10, {}, {{"txtAantal", "20"}, {"optTafel(9)", "10"}}},
    {"twintig", "twintig", "Tellen tot 20", 10, {},
        {{"txtAantal", "20"}, {"", "aantal oefeningen :"}, {"chkOefening(8)", "E+E"}}},
    {"honderd", "honderd", "Tellen tot honderd", 27, {},
        {{"txtAantal", "20"}, {"", "aantal oefeningen :"}, {"chkSoort(4)", "TE-E=T"}, {"chkSoort(14)", "TE-E=T"},
            {"chkSoort(26)", "TE-T=TE"}}},
    {"duizend", "duizend", "Tellen tot duizend", 35, {}, {{"txtAantal", "20"}, {"", "aantal oefeningen :"}}},
    {"tienduizend", "tienduizend", "Tellen tot tienduizend", 28, {},
        {{"txtAantal", "20"}, {"", "Aantal oefeningen :"}}},
    {"honderdduizend", "honderdduizend", "Tellen tot 100.000", 7, {},
        {{"txtAantal", "20"}, {"", "Aantal oefeningen :"}}},
    {"splitsen", "Splitsen", "Splitsen", 0, {"optSoort(0)"}, {{"txtMax", "5"}, {"txtAantal", "20"}}},
    {"graanvullen", "GRAanvullen", "Getallenrij aanvullen", 0, {},
        {{"txtMaximum", "10"}, {"txtInterval", "1"}, {"txtAantal", "20"}, {"lblUitslag", "Vul in en druk op [enter]"},
            {"Label2", " Interval voor deze oefening : kies het niet te groot, het mag negatief zijn."}}},
    {"gbherkennen", "GBHerkennen", "Getalbeelden herkennen", 0, {"opt10"},
        {{"txtAantal", "20"}, {"lblResultaatTekst", "Resultaat :"}, {"lblResultaat", "0 op 0"},
            {"lblUitslag", "Starten maar !"}}},
    {"gbordenen", "GBOrdenen", "Getalbeelden ordenen", 0, {"optKleinGroot"},
        {{"txtMax", "10"}, {"txtAantal", "20"},
            {"lblHelpTitel(3)",
                "Vul het maximum in, alsook het aantal oefeningen, en kies een richting. Klik dan op "
                "het tabblad 'Oefening'."},
            {"lblHelpTitel(4)",
                "De leerling versleept de getalbeelden naar het juiste vakje. Als ze alledrie juist geplaatst zijn "
                "komt er automatisch een nieuwe opgave. Slepen lukt niet ? Klik dan op een getalbeeld en daarna op "
                "zijn vakje. Met het toetsenbord: spatie op een getalbeeld, dan 1, 2 of 3 voor het vakje links, in "
                "het midden of rechts."}}},
    {"grordenen", "GROrdenen", "Getallenrij Ordenen", 0, {"optKleinGroot"},
        {{"txtMax", "10"}, {"txtAantal", "20"},
            {"lblHelpTitel(3)",
                "Kies een maximum, het aantal oefeningen en de richting. Klik dan op het tabblad "
                "'Oefening' om te starten."},
            {"lblHelpTitel(4)",
                "De leerling sleept de getallen naar de juiste plaats in de vakjes eronder. Als alle 3 de getallen op "
                "de juiste plaats staan komt er automatisch een nieuwe opgave ! Slepen lukt niet ? Klik dan op een "
                "getal en daarna op zijn vakje. Met het toetsenbord: spatie op een getal, dan 1, 2 of 3 voor het "
                "vakje links, in het midden of rechts."}}},
    {"gbvissen", "GBVissen", "Getalbeelden vissen", 0, {},
        {{"lblGeenInstellingen", "Geen instellingen voor dit item..."},
            {"lblHelpTitel(3)", "Er zijn geen instellingen voor deze oefening."}}},
    {"puzzel", "puzzel", "Puzzelen !!!", 0, {"optBewerking(0)", "optBrugJa"},
        {{"txtMax", "20"}, {"cmdStuk(0)", "oefening"}, {"cmdStuk(15)", "oefening"}}},
    {"race", "race", "Rekenrace !!!", 0, {"optBewerking(0)", "optBrugJa"},
        {{"txtMax", "20"}, {"txtSpeler1", "Speler1"}, {"txtSpeler2", "Speler2"}, {"optBewerking(6)", "+ - x :"}}},
    {"toets", "test", "De 50-oefeningen-test !", 78,
        {"optSoortOefeningen(0)", "optHRSoort(0)", "optBrug(0)", "optMaalOfDeel(0)"}, {{"txtMax", "10"}}},
};

QStringList Gekozen(const QWidget& venster)
{
    QStringList namen;
    for (const QAbstractButton* knop : venster.findChildren<QAbstractButton*>()) {
        if (knop->isChecked())
            namen << knop->objectName();
    }
    namen.sort();
    return namen;
}

bool ToontTekst(const QWidget& venster, const QString& naam, const QString& verwacht)
{
    if (!naam.isEmpty())
        return vind<QWidget>(venster, naam)->property("text").toString() == verwacht;
    const QList<QLabel*> labels = venster.findChildren<QLabel*>();
    return std::ranges::any_of(labels, [&](const QLabel* label) { return label->text() == verwacht; });
}

// Every module window from its toolbar button and then from its menu item, as the one module: its caption, its
// settings as they first stand, and its place at the top of the work area, in the middle (the test at the left).
TEST(Vensters, ElkVensterOpentMetZijnBeginstand)
{
    Programma programma;
    for (const Beginstand& stand : Vensters) {
        SCOPED_TRACE(stand.menu);
        for (const bool viaKnop : {true, false}) {
            QWidget& venster = viaKnop ? programma.OpenViaKnop(stand.knop) : programma.Open(stand.menu);
            EXPECT_EQ(programma.OpenVensters().size(), 1);
            EXPECT_EQ(venster.windowTitle(), stand.titel);
            EXPECT_EQ(venster.findChildren<QCheckBox*>().size(), stand.vakjes);
            QStringList gekozen = stand.gekozen;
            gekozen.sort();
            EXPECT_EQ(Gekozen(venster), gekozen);
            for (const auto& [naam, verwacht] : stand.teksten)
                EXPECT_TRUE(ToontTekst(venster, naam, verwacht)) << naam.toStdString() << " " << verwacht.toStdString();
            const QMdiSubWindow* kader = programma.hoofd.werkruimte().activeSubWindow();
            const int midden = (programma.hoofd.werkruimte().viewport()->width() - kader->width()) / 2;
            EXPECT_EQ(kader->y(), 0);
            EXPECT_NEAR(kader->x(), stand.menu == std::string_view("toets") ? 0 : midden, 1);
        }
    }
}

// In the puzzle and the race the bridge options follow the operation and the maximum at once: on for "+", "-" and
// "+ en -" from 11 on, off otherwise.
TEST(Vensters, BrugoptiesVolgenBewerkingEnMaximum)
{
    // an operation to click (-1: none), a maximum to type (null: none), the options on
    const std::vector<std::tuple<int, QString, bool>> stappen {{-1, "10", false}, {-1, "11", true}, {3, {}, false},
        {-1, "20", false}, {0, {}, true}, {-1, "10.5", false}, {-1, "99999999999", true}, {6, {}, false},
        {-1, "3", false}, {1, {}, false}, {-1, "40", true}, {2, {}, true}, {5, {}, false}, {4, "10", false},
        {0, "", false}};
    Programma programma;
    for (const char* menu : {"puzzel", "race"}) {
        QWidget& venster = programma.Open(menu);
        for (const auto& [bewerking, maximum, aan] : stappen) {
            SCOPED_TRACE(std::string(menu) + " " + std::to_string(bewerking) + " " + maximum.toStdString());
            if (bewerking >= 0)
                klik(vind<QRadioButton>(venster, QStringLiteral("optBewerking(%1)").arg(bewerking)));
            if (!maximum.isNull())
                typIn(venster, "txtMax", maximum);
            for (const char* optie : {"optBrugJa", "optBrugNee"})
                EXPECT_EQ(vind<QRadioButton>(venster, optie)->isEnabled(), aan) << optie;
        }
    }
}

} // namespace
