#include "modulebeheer.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStringList>

using namespace Qt::StringLiterals;

void SluitAlleModules(QMdiArea& werkruimte)
{
    static const QStringList volgorde {u"frmGBOrdenen"_s, u"frmGBHerkennen"_s, u"frmGBVissen"_s, u"frmGROrdenen"_s,
        u"frmGRAanvullen"_s, u"frmSplitsen"_s, u"frmHoofdrekenen"_s, u"frmMaalDeel"_s, u"frmTwintig"_s, u"frmHonderd"_s,
        u"frmDuizend"_s, u"frmPuzzel"_s, u"frmRekenrace"_s, u"frmPrintVoorbeeld"_s, u"frmPrinten"_s, u"frmTest"_s,
        u"frmTienduizend"_s, u"frmHonderdduizend"_s, u"frmHelp"_s};
    for (const QString& naam : volgorde) {
        for (QMdiSubWindow* sub : werkruimte.subWindowList()) {
            // A closed window may wait for its deferred deletion; it must not be closed twice.
            if (!sub->isHidden() && sub->widget() && sub->widget()->objectName() == naam)
                sub->close();
        }
    }
}

QMdiSubWindow* OpenVenster(const QMdiArea& werkruimte, const QString& naam)
{
    for (QMdiSubWindow* sub : werkruimte.subWindowList()) {
        if (!sub->isHidden() && sub->widget() && sub->widget()->objectName() == naam)
            return sub;
    }
    return nullptr;
}

QMdiSubWindow* ToonVenster(QMdiArea& werkruimte, std::unique_ptr<QWidget> venster)
{
    if (!venster)
        return nullptr;
    QWidget* kind = venster.get();
    QMdiSubWindow* sub = werkruimte.addSubWindow(venster.release());
    sub->setAttribute(Qt::WA_DeleteOnClose);
    kind->show();
    return sub;
}

QMdiSubWindow* OpenModule(QMdiArea& werkruimte, std::unique_ptr<QWidget> venster)
{
    SluitAlleModules(werkruimte);
    return ToonVenster(werkruimte, std::move(venster));
}
