#include "nepspeler.h"
#include "programma.h"
#include "widgets.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

// The answer of the exercise on screen.
QString Juist(const QWidget& venster)
{
    const qint64 l = tekst(venster, "lblLinks").toLongLong(), r = tekst(venster, "lblRechts").toLongLong();
    const QString teken = tekst(venster, "lblBewerking");
    return QString::number(teken == "+" ? l + r : teken == "-" ? l - r : teken == "x" ? l * r : l / r);
}

// Every typed-answer module: a right answer plays exactly one approval sound, a wrong one exactly one
// disapproval sound, with or without sound files.
TEST(Geluiden, EenGeluidPerAntwoord)
{
    const std::pair<const char*, std::function<void(QWidget&)>> modules[] = {
        {"vierbewerkingen", [](QWidget&) {}},
        {"maaldeel",
            [](QWidget& venster) {
                klik(vind<QCheckBox>(venster, "optTafel(2)"));
                klik(vind<QRadioButton>(venster, "optMaal(2)"));
            }},
        {"twintig", [](QWidget& venster) { klik(vind<QCheckBox>(venster, "chkOefening(0)")); }},
        {"tienduizend", [](QWidget& venster) { klik(vind<QCheckBox>(venster, "chkSoortTD(3)")); }},
    };
    for (const auto& [menu, kies] : modules) {
        SCOPED_TRACE(menu);
        Programma programma;
        QWidget& venster = programma.Open(menu);
        kies(venster);
        klikTab(venster, 1);
        NepSpeler speler;
        antwoord(venster, Juist(venster));
        EXPECT_EQ(speler.Goed(), 1);
        EXPECT_EQ(speler.Fout(), 0);
        antwoord(venster, Juist(venster) + "1");
        EXPECT_EQ(speler.Goed(), 1);
        EXPECT_EQ(speler.Fout(), 1);
    }
}

} // namespace
