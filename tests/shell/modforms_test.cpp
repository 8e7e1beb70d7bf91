#include "meldvenster.h"
#include "modforms.h"
#include "toeval.h"

#include <QCoreApplication>
#include <QMdiArea>
#include <QMdiSubWindow>

#include <gtest/gtest.h>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

const QStringList modules {u"frmGBOrdenen"_s, u"frmGBHerkennen"_s, u"frmGBVissen"_s, u"frmGROrdenen"_s,
    u"frmGRAanvullen"_s, u"frmSplitsen"_s, u"frmHoofdrekenen"_s, u"frmMaalDeel"_s, u"frmTwintig"_s, u"frmHonderd"_s,
    u"frmDuizend"_s, u"frmPuzzel"_s, u"frmRekenrace"_s, u"frmPrintVoorbeeld"_s, u"frmPrinten"_s, u"frmTest"_s,
    u"frmTienduizend"_s, u"frmHonderdduizend"_s, u"frmHelp"_s};

// The names of the windows that are open in the work area, sorted.
QStringList Open(const QMdiArea& werkruimte)
{
    QStringList namen;
    for (const QMdiSubWindow* sub : werkruimte.subWindowList()) {
        if (!sub->isHidden())
            namen.append(sub->widget()->objectName());
    }
    namen.sort();
    return namen;
}

void VerwijderGeslotenVensters()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

TEST(SluitAlleModules, SluitInVasteVolgordeEnLaatChronoEnOverStaan)
{
    ZaaiToeval(11);
    QStringList gesloten;
    QMdiArea werkruimte;
    QStringList alle = modules + QStringList {u"frmChrono"_s, u"frmAbout"_s};
    std::reverse(alle.begin(), alle.end());
    for (const QString& naam : alle)
        ToonVenster(werkruimte, Meldvenster::Maak(naam, gesloten));

    SluitAlleModules(werkruimte);

    EXPECT_EQ(gesloten, modules);
    EXPECT_EQ(Open(werkruimte), (QStringList {u"frmAbout"_s, u"frmChrono"_s}));
    VerwijderGeslotenVensters();
    EXPECT_EQ(werkruimte.subWindowList().size(), 2);
}

TEST(SluitAlleModules, NietGeopendeVenstersEnTweedeOproepDoenNiets)
{
    ZaaiToeval(12);
    QStringList gesloten;
    QMdiArea werkruimte;
    for (const QString& naam : {u"frmHelp"_s, u"frmOnbekend"_s, u"frmTwintig"_s})
        ToonVenster(werkruimte, Meldvenster::Maak(naam, gesloten));

    SluitAlleModules(werkruimte);
    SluitAlleModules(werkruimte);

    EXPECT_EQ(gesloten, (QStringList {u"frmTwintig"_s, u"frmHelp"_s}));
    EXPECT_EQ(Open(werkruimte), QStringList {u"frmOnbekend"_s});
}

TEST(OpenModule, SluitDeAndereModuleEnLaatDeChronoOpen)
{
    ZaaiToeval(13);
    QStringList gesloten;
    QMdiArea werkruimte;
    ToonVenster(werkruimte, Meldvenster::Maak(u"frmHoofdrekenen"_s, gesloten));
    ToonVenster(werkruimte, Meldvenster::Maak(u"frmChrono"_s, gesloten));

    QMdiSubWindow* sub = OpenModule(werkruimte, Meldvenster::Maak(u"frmHonderd"_s, gesloten));

    EXPECT_EQ(gesloten, QStringList {u"frmHoofdrekenen"_s});
    EXPECT_EQ(Open(werkruimte), (QStringList {u"frmChrono"_s, u"frmHonderd"_s}));
    ASSERT_NE(sub, nullptr);
    EXPECT_TRUE(sub->testAttribute(Qt::WA_DeleteOnClose));
    EXPECT_EQ(ToonVenster(werkruimte, nullptr), nullptr);
    EXPECT_EQ(Open(werkruimte), (QStringList {u"frmChrono"_s, u"frmHonderd"_s}));
}
