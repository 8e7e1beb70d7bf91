#pragma once

#include "bewerkingen.h"
#include "opgave.h"
#include "printlayout.h"
#include "tafels.h"

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The five kinds of test, in the order of their option buttons.
enum class TestSoort { Hoofdrekenen, Tafel, Tot20, Tot100, Tot1000 };
enum class BrugTekst { Ja, Nee, Gemengd };
enum class MaalOfDeel { Maaltafels, Deeltafels, Gemengd };

// The kind codes of the boxes of a range page (Tot 20, Tot 100, Tot 1000), by box index; empty for the others.
// The test's own lists: to 20 and to 1000 they differ from the drills' and the worksheet's.
const std::vector<std::string>& TestSoorten(TestSoort soort);

// What the teacher set on the Setup page, as read from its controls.
struct Testinstellingen
{
    TestSoort soort = TestSoort::Hoofdrekenen;
    Bewerkingskeuze bewerking = Bewerkingskeuze::Plus;
    BrugTekst brug = BrugTekst::Ja;
    QString maximum = QStringLiteral("10"); // the text of txtMax
    Tafels tafels {};
    MaalOfDeel maalOfDeel = MaalOfDeel::Maaltafels;
    std::vector<bool> soorten; // the ticked boxes of the range page of `soort`
};

// Settings that passed their check, ready to make a test from.
struct Testplan
{
    Testinstellingen instellingen;
    std::int32_t maximum = 0; // Hoofdrekenen only
};

constexpr int TestAantal = 50;
using Test = std::array<Opgave, TestAantal>;

// The maximum must lie in 3..100001, and reach 6 where a multiplication or division can come (below that none
// can be found); a table test needs a ticked table, a range test a ticked kind. Empty when something is wrong.
std::optional<Testplan> ControleerInstellingen(const Testinstellingen& instellingen);

// Fifty exercises of the planned kind; repeats are allowed.
Test MaakTest(const Testplan& plan);

// The lines of the list: "0) 7+5=12 ... Optelling met brug tot 20".
QStringList TestLijst(const Test& test);

// The list on paper under the test's title, the kind of test and the pupil's name (when one was given): per
// exercise its number, the exercise with its answer and its description, each in a column of its own.
PrintModel TestPrintModel(const Test& test, const QString& soort, const QString& leerling);
