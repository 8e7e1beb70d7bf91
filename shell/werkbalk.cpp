#include "werkbalk.h"

#include <QIcon>
#include <QToolBar>
#include <QToolButton>

#include <vector>

using namespace Qt::StringLiterals;

namespace {

struct Werkbalkknop
{
    QString sleutel;
    QString menu;
    QString tip;
};

const std::vector<std::vector<Werkbalkknop>>& WerkbalkIndeling()
{
    static const std::vector<std::vector<Werkbalkknop>> indeling {
        {{u"GBHerkennen"_s, u"gbherkennen"_s, u"Getalbeelden herkennen"_s},
            {u"GBOrdenen"_s, u"gbordenen"_s, u"Getalbeelden ordenen"_s},
            {u"GBVissen"_s, u"gbvissen"_s, u"Vissen naar getalbeelden"_s}},
        {{u"GROrdenen"_s, u"grordenen"_s, u"Getallen ordenen"_s},
            {u"GRAanvullen"_s, u"graanvullen"_s, u"Getallenrij aanvullen"_s}},
        {{u"Splitsen"_s, u"splitsen"_s, u"Getallen splitsen"_s}},
        {{u"Hoofdrekenen"_s, u"vierbewerkingen"_s, u"Hoofdrekenen: de 4 bewerkingen"_s},
            {u"Tafels"_s, u"maaldeel"_s, u"Maal- en deeltafels"_s}},
        {{u"twintig"_s, u"twintig"_s, u"Rekenen tot twintig"_s}, {u"honderd"_s, u"honderd"_s, u"Rekenen tot honderd"_s},
            {u"duizend"_s, u"duizend"_s, u"Rekenen tot duizend"_s},
            {u"tienduizend"_s, u"tienduizend"_s, u"Rekenen tot tienduizend"_s},
            {u"honderdduizend"_s, u"honderdduizend"_s, u"Rekenen tot honderdduizend"_s}},
        {{u"puzzel"_s, u"puzzel"_s, u"Puzzel"_s}, {u"race"_s, u"race"_s, u"Rekenrace"_s},
            {u"printen"_s, u"oefenbladen"_s, u"Oefenbladen maken en afdrukken"_s},
            {u"test"_s, u"toets"_s, u"De 50-oefeningen-test"_s}},
        {{u"help"_s, u"algemeen"_s, u"Help"_s}, {u"afsluiten"_s, u"afsluiten"_s, u"Afsluiten"_s}},
    };
    return indeling;
}

void VoegKnopToe(QToolBar& balk, QAction& actie, const Werkbalkknop& knop)
{
    actie.setToolTip(knop.tip);
    balk.addAction(&actie);
    auto* knopwidget = qobject_cast<QToolButton*>(balk.widgetForAction(&actie));
    knopwidget->setObjectName(knop.sleutel);
    knopwidget->setAccessibleName(knop.tip);
    // The icon belongs to the button alone: the commands on the menu bar itself (Splitsen,
    // Afsluiten) would show an icon of their action in place of their caption. The button takes
    // over the action's icon at every change of the action, so it gets its own back each time.
    const QIcon icoon(u":/iconen/"_s + knop.sleutel.toLower() + u".svg"_s);
    knopwidget->setIcon(icoon);
    QObject::connect(&actie, &QAction::changed, knopwidget, [knopwidget, icoon] { knopwidget->setIcon(icoon); });
}

} // namespace

void VulWerkbalk(QToolBar& balk, const Menuacties& acties)
{
    for (const auto& groep : WerkbalkIndeling()) {
        if (!balk.actions().isEmpty())
            balk.addSeparator();
        for (const Werkbalkknop& knop : groep)
            VoegKnopToe(balk, *acties.at(knop.menu), knop);
    }
}
