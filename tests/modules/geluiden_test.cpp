#include "nepspeler.h"
#include "programma.h"
#include "widgets.h"

#include <gtest/gtest.h>

namespace {

// Every typed-answer module: a right answer plays exactly one approval sound, a wrong one exactly one
// disapproval sound, with or without sound files.
TEST(Geluiden, EenGeluidPerAntwoord)
{
    // the menu item and the boxes to tick before the start
    const std::pair<const char*, QStringList> modules[]
        = {{"vierbewerkingen", {}}, {"maaldeel", {"optTafel(2)", "optMaal(2)"}}, {"twintig", {"chkOefening(0)"}},
            {"tienduizend", {"chkSoortTD(3)"}}};
    for (const auto& [menu, kies] : modules) {
        SCOPED_TRACE(menu);
        Programma programma;
        QWidget& venster = programma.Open(menu);
        for (const QString& naam : kies)
            klik(vind<QAbstractButton>(venster, naam));
        klikTab(venster, 1);
        NepSpeler speler;
        antwoord(venster, juist(venster));
        EXPECT_EQ(speler.Slots().size(), 1u);
        EXPECT_EQ(speler.Goed(), 1);
        antwoord(venster, juist(venster) + "1");
        EXPECT_EQ(speler.Slots().size(), 2u);
        EXPECT_EQ(speler.Fout(), 1);
    }
}

} // namespace
