#include "meldvenster.h"
#include "modulebeheer.h"
#include "toeval.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

#include <algorithm>

using namespace Qt::StringLiterals;

// The modules close in a fixed order, whatever order they opened in, and a module that is not open
// is skipped; the stopwatch, the About box and unknown windows stay. A second call does nothing.
TEST(SluitAlleModules, VasteVolgordeEnChronoEnOverBlijven)
{
    ZaaiToeval(11);
    const QStringList modules {u"frmGBOrdenen"_s, u"frmGBHerkennen"_s, u"frmGBVissen"_s, u"frmGROrdenen"_s,
        u"frmGRAanvullen"_s, u"frmSplitsen"_s, u"frmHoofdrekenen"_s, u"frmMaalDeel"_s, u"frmTwintig"_s, u"frmHonderd"_s,
        u"frmDuizend"_s, u"frmPuzzel"_s, u"frmRekenrace"_s, u"frmPrintVoorbeeld"_s, u"frmPrinten"_s, u"frmTest"_s,
        u"frmTienduizend"_s, u"frmHonderdduizend"_s, u"frmHelp"_s};
    QStringList open = modules + QStringList {u"frmChrono"_s, u"frmAbout"_s, u"frmOnbekend"_s};
    open.removeAll(u"frmPrintVoorbeeld"_s);
    std::ranges::reverse(open);
    QStringList gesloten;
    QMdiArea werkruimte;
    for (const QString& naam : open)
        ToonVenster(werkruimte, std::make_unique<Meldvenster>(naam, gesloten));

    SluitAlleModules(werkruimte);
    SluitAlleModules(werkruimte);

    QStringList verwacht = modules;
    verwacht.removeAll(u"frmPrintVoorbeeld"_s);
    EXPECT_EQ(gesloten, verwacht);
    EXPECT_EQ(OpenVensters(werkruimte), (QStringList {u"frmAbout"_s, u"frmChrono"_s, u"frmOnbekend"_s}));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(werkruimte.subWindowList().size(), 3) << "the frames of the closed windows are left";
}
