#include "werkbalk.h"

#include <QIcon>
#include <QToolBar>

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
            {u"printen"_s, u"oefenbladen"_s, u"Oefenbladen maken en afdrukken"_s}},
        {{u"help"_s, u"algemeen"_s, u"Help"_s}, {u"afsluiten"_s, u"afsluiten"_s, u"Afsluiten"_s}},
    };
    return indeling;
}

} // namespace

void VulWerkbalk(QToolBar& balk)
{
    for (const auto& groep : WerkbalkIndeling()) {
        if (!balk.actions().isEmpty())
            balk.addSeparator();
        for (const Werkbalkknop& knop : groep) {
            QAction* actie = balk.addAction(QIcon(u":/iconen/"_s + knop.sleutel.toLower() + u".svg"_s), knop.tip);
            actie->setObjectName(knop.sleutel);
            actie->setData(knop.sleutel);
        }
    }
}

QString MenuVanKnop(const QString& sleutel)
{
    for (const auto& groep : WerkbalkIndeling()) {
        for (const Werkbalkknop& knop : groep) {
            if (knop.sleutel == sleutel)
                return knop.menu;
        }
    }
    return {};
}
