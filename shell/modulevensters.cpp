#include "modulevensters.h"

#include "aanvullen/aanvullenvenster.h"
#include "chronovenster.h"
#include "drills/drillvenster.h"
#include "helpvenster.h"
#include "herkennen/herkennenvenster.h"
#include "hoofdrekenen/hoofdrekenenvenster.h"
#include "maaldeel/maaldeelvenster.h"
#include "oefenbladvenster.h"
#include "ordenen/ordenenvenster.h"
#include "overvenster.h"
#include "puzzel/puzzelvenster.h"
#include "race/rekenracevenster.h"
#include "splitsen/splitsenvenster.h"
#include "toets/toetsvenster.h"
#include "vissen/gbvissenvenster.h"

using namespace Qt::StringLiterals;

namespace {

template<BereikIndex bereik> std::unique_ptr<QWidget> MaakDrill(Dialogen& dialogen)
{
    return std::make_unique<Drillvenster>(dialogen, bereik);
}

template<OrdenenVenster::Soort soort> std::unique_ptr<QWidget> MaakOrdenen(Dialogen& dialogen)
{
    return std::make_unique<OrdenenVenster>(dialogen, soort);
}

} // namespace

Modulevensters StandaardModulevensters()
{
    // A window is switched on by giving its item a factory, e.g. {Openwijze::Module, Maak<MaalDeelVenster>}.
    return {
        {u"gbordenen"_s, {Openwijze::Module, MaakOrdenen<OrdenenVenster::Soort::Getalbeelden>}}, // frmGBOrdenen
        {u"gbherkennen"_s, {Openwijze::Module, Maak<HerkennenVenster>}}, // frmGBHerkennen
        {u"gbvissen"_s, {Openwijze::Module, Maak<GBVissenVenster>}}, // frmGBVissen
        {u"grordenen"_s, {Openwijze::Module, MaakOrdenen<OrdenenVenster::Soort::Getallen>}}, // frmGROrdenen
        {u"graanvullen"_s, {Openwijze::Module, Maak<AanvullenVenster>}}, // frmGRAanvullen
        {u"splitsen"_s, {Openwijze::Module, Maak<SplitsenVenster>}}, // frmSplitsen
        {u"vierbewerkingen"_s, {Openwijze::Module, Maak<HoofdrekenenVenster>}},
        {u"maaldeel"_s, {Openwijze::Module, Maak<MaalDeelVenster>}}, // Maal- en deeltafels
        {u"twintig"_s, {Openwijze::Module, MaakDrill<BereikIndex::Twintig>}}, // Tot twintig
        {u"honderd"_s, {Openwijze::Module, MaakDrill<BereikIndex::Honderd>}}, // Tot honderd
        {u"duizend"_s, {Openwijze::Module, MaakDrill<BereikIndex::Duizend>}}, // Tot duizend
        {u"tienduizend"_s, {Openwijze::Module, MaakDrill<BereikIndex::Tienduizend>}}, // Tot tienduizend
        {u"honderdduizend"_s, {Openwijze::Module, MaakDrill<BereikIndex::Honderdduizend>}}, // Tot honderdduizend
        {u"puzzel"_s, {Openwijze::Module, Maak<PuzzelVenster>}}, // frmPuzzel
        {u"race"_s, {Openwijze::Module, Maak<RekenraceVenster>}}, // frmRekenrace
        {u"oefenbladen"_s, {Openwijze::Module, Maak<OefenbladVenster>}}, // Oefenbladen
        {u"toets"_s, {Openwijze::Module, Maak<ToetsVenster>}}, // De 50-oefeningen-test
        {u"algemeen"_s, {Openwijze::Module, Maak<HelpVenster>}},
        {u"chrono"_s, {Openwijze::Ernaast, Maak<ChronoVenster>}},
        {u"over"_s, {Openwijze::Ernaast, Maak<OverVenster>}},
    };
}
