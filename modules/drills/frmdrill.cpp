#include "frmdrill.h"

#include "getal.h"
#include "toeval.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int MaxAantal = 100;

ReeksVarianten Varianten()
{
    ReeksVarianten varianten;
    varianten.resetOokOpHelp = true;
    varianten.resetUitslag = QStringLiteral("Nieuwe reeks");
    varianten.startUitslag.reset();
    varianten.tellersNulBijStart = true;
    varianten.eindResultaat = QStringLiteral("Resultaat : %1 op %2");
    varianten.fouttekst = ReeksVarianten::Fouttekst::Oplossing;
    return varianten;
}

} // namespace

frmDrill::frmDrill(Dialogen& dialogen, const Drillinstelling& instelling, QWidget* parent)
    : Reeksvenster(dialogen, instelling.naam, instelling.titel, parent, Varianten())
    , m_instelling(instelling)
{
    MaakSetup();
    ZetHelpteksten(QStringLiteral(
        "Vogel alle vakjes aan voor een oefening die je wil laten gebeuren. Druk dan op het tabblad 'Oefening'."));
    ZaaiToeval();
}

void frmDrill::MaakSetup()
{
    QWidget* pagina = Pagina(TabSetup);
    for (std::size_t i = 0; i < m_instelling.soorten.size(); ++i) {
        auto* vakje = new QCheckBox(QString::fromStdString(m_instelling.soorten[i]), pagina);
        vakje->setObjectName(QStringLiteral("%1(%2)").arg(m_instelling.vakjes).arg(i));
        m_vakjes.push_back(vakje);
    }
    auto* groepen = new QHBoxLayout;
    groepen->setSpacing(24);
    for (const Vakjesgroep& groep : m_instelling.groepen)
        groepen->addLayout(MaakGroep(groep, pagina));
    groepen->addStretch(1);

    txtAantal = MaakGetalvak(QStringLiteral("txtAantal"), QStringLiteral("20"), pagina);
    auto* aantal = new QHBoxLayout;
    aantal->addWidget(new QLabel(m_instelling.aantalLabel, pagina));
    aantal->addWidget(txtAantal);
    aantal->addStretch(1);

    auto* layout = new QVBoxLayout(pagina);
    layout->setContentsMargins(12, 10, 12, 10);
    layout->setSpacing(10);
    layout->addLayout(groepen);
    layout->addStretch(1);
    layout->addLayout(aantal);
}

QLayout* frmDrill::MaakGroep(const Vakjesgroep& groep, QWidget* pagina)
{
    auto* raster = new QGridLayout;
    raster->setHorizontalSpacing(14);
    raster->setVerticalSpacing(2);
    int rij = 0;
    if (!groep.kop.isEmpty())
        raster->addWidget(new QLabel(groep.kop, pagina), rij++, 0, 1, groep.kolommen);
    const int rijen = (groep.aantal + groep.kolommen - 1) / groep.kolommen;
    for (int i = 0; i < groep.aantal; ++i)
        raster->addWidget(m_vakjes[static_cast<std::size_t>(groep.eerste + i)], rij + i % rijen, i / rijen);
    raster->setRowStretch(rij + rijen, 1);
    return raster;
}

void frmDrill::TelGekozenSoorten()
{
    Gekozen.clear();
    for (std::size_t i = 0; i < m_vakjes.size(); ++i) {
        if (m_vakjes[i]->isChecked())
            Gekozen.push_back(i);
    }
}

std::variant<Melding, int> frmDrill::ControleerInstellingen()
{
    TelGekozenSoorten();
    if (Gekozen.empty())
        return Melding {QStringLiteral("Kies minstens 1 soort oefeningen !")};
    const auto aantal = LeesGeheel16(txtAantal->text());
    if (!aantal || *aantal < 1 || *aantal > MaxAantal)
        return Melding {QStringLiteral("Kies een degelijk aantal oefeningen !")};
    return int {*aantal};
}

Oefening frmDrill::MaakOefening()
{
    // Every ticked box is equally likely, so a kind that stands on two boxes comes twice as often.
    const std::size_t vakje = Gekozen[static_cast<std::size_t>(RandomIndex(std::ssize(Gekozen)))];
    const std::string& soort = m_instelling.soorten[vakje];
    Oefening oefening;
    QString tekst;
    for (int poging = 0; poging < MaxPogingen; ++poging) {
        m_instelling.generator(soort);
        oefening = OefeningUitOpgave();
        tekst = oefening.Som();
        if (!AlGemaakt(tekst))
            break;
    }
    GemaakteOefeningen.at(static_cast<std::size_t>(reeks().Gemaakt())) = tekst;
    return oefening;
}

bool frmDrill::AlGemaakt(const QString& oefening) const
{
    return std::ranges::find(GemaakteOefeningen, oefening) != GemaakteOefeningen.end();
}

void frmDrill::ReeksGereset()
{
    GemaakteOefeningen.fill(QString());
}

frmTwintig::frmTwintig(Dialogen& dialogen, QWidget* parent)
    : frmDrill(dialogen, DrillTwintig(), parent)
{ }

frmHonderd::frmHonderd(Dialogen& dialogen, QWidget* parent)
    : frmDrill(dialogen, DrillHonderd(), parent)
{ }

frmDuizend::frmDuizend(Dialogen& dialogen, QWidget* parent)
    : frmDrill(dialogen, DrillDuizend(), parent)
{ }

frmTienduizend::frmTienduizend(Dialogen& dialogen, QWidget* parent)
    : frmDrill(dialogen, DrillTienduizend(), parent)
{ }

frmHonderdduizend::frmHonderdduizend(Dialogen& dialogen, QWidget* parent)
    : frmDrill(dialogen, DrillHonderdduizend(), parent)
{ }
