#include "herkennenvenster.h"

#include "bouwstenen.h"
#include "getal.h"
#include "getalbeeldlabels.h"
#include "lettertypen.h"
#include "scorebord.h"
#include "toeval.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int KleinsteMaximum = 5;
constexpr int GrootsteMaximum = 10;

} // namespace

HerkennenVenster::HerkennenVenster(Dialogen& dialogen, QWidget* parent)
    : Scorevenster(dialogen, QStringLiteral("frmGBHerkennen"), QStringLiteral("Getalbeelden herkennen"), parent,
        QStringLiteral("Starten maar !"), Stand::ZonderWoord)
{
    MaakSetup();
    MaakOefening();
    ZetHelpteksten(QStringLiteral("Kies een maximum door het bolletje ervoor aan te klikken, kies eventueel een ander "
                                  "aantal oefeningen en klik op het tabblad 'Oefening'."),
        QStringLiteral("De leerling klikt op het getal dat overeenkomt met het getalbeeld."));
}

void HerkennenVenster::MaakSetup()
{
    QWidget* pagina = Pagina(TabSetup);
    auto* maxima = new QGroupBox(QStringLiteral("Maximum"), pagina);
    auto* opties = new QHBoxLayout(maxima);
    opties->setSpacing(16);
    auto* groep = new QButtonGroup(maxima);
    for (int maximum = KleinsteMaximum; maximum <= GrootsteMaximum; ++maximum) {
        QRadioButton* optie = MaakOptie(maxima, QStringLiteral("opt%1").arg(maximum), Tekst(maximum));
        optie->setChecked(maximum == m_maximum);
        groep->addButton(optie, maximum);
        opties->addWidget(optie);
    }
    opties->addStretch(1);
    connect(groep, &QButtonGroup::idClicked, this, [this](int maximum) { m_maximum = maximum; });

    m_aantalVak = MaakGetalvak(pagina, QStringLiteral("txtAantal"), QStringLiteral("20"));
    auto* aantalLabel = new QLabel(QStringLiteral("aantal oefeningen :"), pagina);
    aantalLabel->setObjectName(QStringLiteral("Label1"));
    auto* aantal = new QHBoxLayout;
    aantal->setSpacing(8);
    aantal->addWidget(aantalLabel);
    aantal->addWidget(m_aantalVak);
    aantal->addStretch(1);

    auto* layout = new QVBoxLayout(pagina);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->setSpacing(18);
    layout->addWidget(maxima);
    layout->addLayout(aantal);
    layout->addStretch(1);
}

void HerkennenVenster::MaakOefening()
{
    QWidget* pagina = Pagina(TabOefening);
    m_getalbeeld = new Getalbeeldlabels(pagina);
    auto* knoppen = new QGridLayout;
    knoppen->setSpacing(6);
    auto* groep = new QButtonGroup(pagina);
    for (int i = 0; i < static_cast<int>(m_knoppen.size()); ++i) {
        auto* knop = new QPushButton(Tekst(i + 1), pagina);
        knop->setObjectName(QStringLiteral("cmdNummer(%1)").arg(i));
        knop->setFont(Comic(14, true));
        knop->setMinimumSize(48, 34);
        groep->addButton(knop, i);
        knoppen->addWidget(knop, i / 5, i % 5);
        m_knoppen[static_cast<std::size_t>(i)] = knop;
    }
    connect(groep, &QButtonGroup::idClicked, this, &HerkennenVenster::ControleerOplossing);

    auto* resultaatTekst
        = MaakLabel(pagina, QStringLiteral("lblResultaatTekst"), Comic(12), QStringLiteral("Resultaat :"));
    auto* stand = new QHBoxLayout;
    stand->setSpacing(8);
    stand->addWidget(resultaatTekst);
    stand->addWidget(bord()->Resultaat());
    stand->addStretch(1);
    stand->addWidget(bord()->Resterend());
    bord()->hide(); // its labels stand in this page's own layout

    auto* layout = new QVBoxLayout(pagina);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->setSpacing(10);
    layout->addWidget(m_getalbeeld, 1);
    layout->addLayout(knoppen);
    layout->addWidget(bord()->Uitslag());
    layout->addLayout(stand);
}

std::variant<Melding, int> HerkennenVenster::ControleerInstellingen()
{
    const auto aantal = LeesGeheel16(m_aantalVak->text());
    if (!aantal || *aantal < 1)
        return Melding {QStringLiteral("Je aantal oefeningen klopt niet !")};
    ToonKnoppen();
    return int {*aantal};
}

void HerkennenVenster::ToonKnoppen()
{
    for (std::size_t i = 0; i < m_knoppen.size(); ++i)
        m_knoppen[i]->setVisible(static_cast<int>(i) < m_maximum);
}

void HerkennenVenster::ToonOefening()
{
    int getal = m_getal;
    while (getal == m_getal)
        getal = static_cast<int>(RandomTot(m_maximum));
    m_getal = getal;
    m_getalbeeld->Toon(m_getal);
    // Not on an answer button: Enter or Space must not answer by themselves.
    StopKnop()->setFocus();
}

void HerkennenVenster::ControleerOplossing(int gekozenKnop)
{
    Beantwoord(gekozenKnop == m_getal - 1);
}
