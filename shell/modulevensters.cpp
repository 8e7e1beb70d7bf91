#include "modulevensters.h"

#include "drills/drillvenster.h"
#include "hoofdrekenen/hoofdrekenenvenster.h"
#include "maaldeel/maaldeelvenster.h"
#include "oefenbladvenster.h"
#include "race/rekenracevenster.h"
#include "vissen/gbvissenvenster.h"

using namespace Qt::StringLiterals;

namespace {

template<BereikIndex bereik> std::unique_ptr<QWidget> MaakDrill(Dialogen& dialogen)
{
    return std::make_unique<Drillvenster>(dialogen, bereik);
}

} // namespace

Modulevensters StandaardModulevensters()
{
    // A window is switched on by giving its item a factory, e.g. {Openwijze::Module, Maak<MaalDeelVenster>}.
    return {
        {u"gbordenen"_s, {Openwijze::Module, {}}}, // frmGBOrdenen
        {u"gbherkennen"_s, {Openwijze::Module, {}}}, // frmGBHerkennen
        {u"gbvissen"_s, {Openwijze::Module, Maak<GBVissenVenster>}}, // frmGBVissen
        {u"grordenen"_s, {Openwijze::Module, {}}}, // frmGROrdenen
        {u"graanvullen"_s, {Openwijze::Module, {}}}, // frmGRAanvullen
        {u"splitsen"_s, {Openwijze::Module, {}}}, // frmSplitsen
        {u"vierbewerkingen"_s, {Openwijze::Module, Maak<HoofdrekenenVenster>}},
        {u"maaldeel"_s, {Openwijze::Module, Maak<MaalDeelVenster>}}, // Maal- en deeltafels
        {u"twintig"_s, {Openwijze::Module, MaakDrill<BereikIndex::Twintig>}}, // Tot twintig
        {u"honderd"_s, {Openwijze::Module, MaakDrill<BereikIndex::Honderd>}}, // Tot honderd
        {u"duizend"_s, {Openwijze::Module, MaakDrill<BereikIndex::Duizend>}}, // Tot duizend
        {u"tienduizend"_s, {Openwijze::Module, MaakDrill<BereikIndex::Tienduizend>}}, // Tot tienduizend
        {u"honderdduizend"_s, {Openwijze::Module, MaakDrill<BereikIndex::Honderdduizend>}}, // Tot honderdduizend
        {u"puzzel"_s, {Openwijze::Module, {}}}, // frmPuzzel
        {u"race"_s, {Openwijze::Module, Maak<RekenraceVenster>}}, // frmRekenrace
        {u"oefenbladen"_s, {Openwijze::Module, Maak<OefenbladVenster>}}, // Oefenbladen
        {u"algemeen"_s, {Openwijze::Module, {}}}, // frmHelp
        {u"chrono"_s, {Openwijze::Ernaast, {}}}, // frmChrono
        {u"over"_s, {Openwijze::Ernaast, {}}}, // frmAbout
    };
}
