#include "menubalk.h"

#include <QMenuBar>

#include <vector>

using namespace Qt::StringLiterals;

namespace {

// One line of a menu: its name and caption; a caption "-" is a separator line, which keeps its name.
struct Menuregel
{
    QString naam;
    QString tekst;
};

// A menu of the bar; one without lines is a command on the bar itself. The "&" marks the letter
// that opens it with Alt, so that the menus can be reached without a mouse.
struct Hoofdmenu
{
    QString naam;
    QString tekst;
    std::vector<Menuregel> regels;
};

const std::vector<Hoofdmenu>& MenuIndeling()
{
    static const std::vector<Hoofdmenu> indeling {
        {u"getalbeelden"_s, u"&Getalbeelden"_s,
            {{u"gbordenen"_s, u"Ordenen"_s}, {u"gbherkennen"_s, u"Herkennen"_s}, {u"gbvissen"_s, u"Vissen"_s}}},
        {u"getallenrij"_s, u"Getallen&rij"_s, {{u"grordenen"_s, u"Ordenen"_s}, {u"graanvullen"_s, u"Aanvullen"_s}}},
        {u"splitsen"_s, u"&Splitsen"_s, {}},
        {u"hoofdrekenen"_s, u"H&oofdrekenen"_s,
            {{u"vierbewerkingen"_s, u"De 4 bewerkingen"_s}, {u"maaldeel"_s, u"Maal- en deeltafels"_s},
                {u"tss1"_s, u"-"_s}, {u"twintig"_s, u"Tot twintig"_s}, {u"honderd"_s, u"Tot honderd"_s},
                {u"duizend"_s, u"Tot duizend"_s}, {u"tienduizend"_s, u"Tot tienduizend"_s},
                {u"honderdduizend"_s, u"Tot honderdduizend"_s}}},
        {u"extra"_s, u"&Extra"_s,
            {{u"puzzel"_s, u"Puzzel"_s}, {u"race"_s, u"Rekenrace"_s}, {u"oefenbladen"_s, u"Oefenbladen"_s},
                {u"toets"_s, u"De 50-oefeningen-test"_s}, {u"tss4"_s, u"-"_s}, {u"ToonWerkbalk"_s, u"Werkbalk tonen"_s},
                {u"chrono"_s, u"Chronometer"_s}, {u"tss5"_s, u"-"_s}, {u"groter"_s, u"Groter"_s},
                {u"kleiner"_s, u"Kleiner"_s}, {u"gewonegrootte"_s, u"Gewone grootte"_s}}},
        {u"help"_s, u"&Help"_s, {{u"algemeen"_s, u"Algemeen"_s}, {u"over"_s, u"Over Tallora"_s}}},
        {u"afsluiten"_s, u"&Afsluiten"_s, {}},
    };
    return indeling;
}

} // namespace

Menuacties VulMenubalk(QMenuBar& balk)
{
    Menuacties acties;
    for (const Hoofdmenu& hoofd : MenuIndeling()) {
        if (hoofd.regels.empty()) {
            acties[hoofd.naam] = balk.addAction(hoofd.tekst);
            acties[hoofd.naam]->setObjectName(hoofd.naam);
            continue;
        }
        QMenu* menu = balk.addMenu(hoofd.tekst);
        menu->setObjectName(hoofd.naam);
        for (const Menuregel& regel : hoofd.regels) {
            QAction* actie = regel.tekst == u"-"_s ? menu->addSeparator() : menu->addAction(regel.tekst);
            actie->setObjectName(regel.naam);
            acties[regel.naam] = actie;
        }
    }
    return acties;
}
