#include "programma.h"
#include "widgets.h"

#include <gtest/gtest.h>

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QRadioButton>

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
    // Boxes and buttons by objectName with their first text.
    std::vector<std::pair<QString, QString>> teksten;
};

const Beginstand Vensters[] = {
    {"vierbewerkingen", "Hoofdrekenen", "De 4 bewerkingen", 0, {"optBewerking(0)", "optBrugJa"},
        {{"txtMax", "20"}, {"txtAantal", "20"}}},
    {"maaldeel", "Tafels", "Maal- en deeltafels", 10, {}, {{"txtAantal", "20"}, {"optTafel(9)", "10"}}},
    {"twintig", "twintig", "Tellen tot 20", 10, {}, {{"txtAantal", "20"}, {"chkOefening(8)", "E+E"}}},
    {"honderd", "honderd", "Tellen tot honderd", 27, {},
        {{"txtAantal", "20"}, {"chkSoort(4)", "TE-E=T"}, {"chkSoort(14)", "TE-E=T"}, {"chkSoort(26)", "TE-T=TE"}}},
    {"duizend", "duizend", "Tellen tot duizend", 35, {}, {{"txtAantal", "20"}}},
    {"tienduizend", "tienduizend", "Tellen tot tienduizend", 28, {}, {{"txtAantal", "20"}}},
    {"honderdduizend", "honderdduizend", "Tellen tot 100.000", 7, {}, {{"txtAantal", "20"}}},
    {"splitsen", "Splitsen", "Splitsen", 0, {"optSoort(0)"}, {{"txtMax", "5"}, {"txtAantal", "20"}}},
    {"graanvullen", "GRAanvullen", "Getallenrij aanvullen", 0, {},
        {{"txtMaximum", "10"}, {"txtInterval", "1"}, {"txtAantal", "20"}}},
    {"gbherkennen", "GBHerkennen", "Getalbeelden herkennen", 0, {"opt10"}, {{"txtAantal", "20"}}},
    {"gbordenen", "GBOrdenen", "Getalbeelden ordenen", 0, {"optKleinGroot"}, {{"txtMax", "10"}, {"txtAantal", "20"}}},
    {"grordenen", "GROrdenen", "Getallenrij Ordenen", 0, {"optKleinGroot"}, {{"txtMax", "10"}, {"txtAantal", "20"}}},
    {"gbvissen", "GBVissen", "Getalbeelden vissen", 0, {}, {}},
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
                EXPECT_EQ(vind<QWidget>(venster, naam)->property("text").toString(), verwacht) << naam.toStdString();
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
