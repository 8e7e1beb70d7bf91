#include "modulevensters.h"

#include "drills/frmdrill.h"
#include "hoofdrekenen/frmhoofdrekenen.h"
#include "maaldeel/frmmaaldeel.h"
#include "oefenbladvenster.h"

using namespace Qt::StringLiterals;

Modulevensters StandaardModulevensters()
{
    // A window is switched on by giving its item a factory, e.g. {Openwijze::Module, Maak<frmMaalDeel>}.
    return {
        {u"gbordenen"_s, {Openwijze::Module, {}}}, // frmGBOrdenen
        {u"gbherkennen"_s, {Openwijze::Module, {}}}, // frmGBHerkennen
        {u"gbvissen"_s, {Openwijze::Module, {}}}, // frmGBVissen
        {u"grordenen"_s, {Openwijze::Module, {}}}, // frmGROrdenen
        {u"graanvullen"_s, {Openwijze::Module, {}}}, // frmGRAanvullen
        {u"splitsen"_s, {Openwijze::Module, {}}}, // frmSplitsen
        {u"vierbewerkingen"_s, {Openwijze::Module, Maak<frmHoofdrekenen>}},
        {u"maaldeel"_s, {Openwijze::Module, Maak<frmMaalDeel>}}, // Maal- en deeltafels
        {u"twintig"_s, {Openwijze::Module, Maak<frmTwintig>}}, // Tot twintig
        {u"honderd"_s, {Openwijze::Module, Maak<frmHonderd>}}, // Tot honderd
        {u"duizend"_s, {Openwijze::Module, Maak<frmDuizend>}}, // Tot duizend
        {u"tienduizend"_s, {Openwijze::Module, Maak<frmTienduizend>}}, // Tot tienduizend
        {u"honderdduizend"_s, {Openwijze::Module, Maak<frmHonderdduizend>}}, // Tot honderdduizend
        {u"puzzel"_s, {Openwijze::Module, {}}}, // frmPuzzel
        {u"race"_s, {Openwijze::Module, {}}}, // frmRekenrace
        {u"oefenbladen"_s, {Openwijze::Module, Maak<OefenbladVenster>}}, // Oefenbladen
        {u"algemeen"_s, {Openwijze::Module, {}}}, // frmHelp
        {u"chrono"_s, {Openwijze::Ernaast, {}}}, // frmChrono
        {u"over"_s, {Openwijze::Ernaast, {}}}, // frmAbout
    };
}
