#include "hoofdrekenenvenster.h"

#include "aantallen.h"
#include "aantaltekst.h"
#include "bouwstenen.h"
#include "getal.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>

namespace { } // namespace

HoofdrekenenVenster::HoofdrekenenVenster(Dialogen& dialogen, QWidget* parent)
    : Reeksvenster(dialogen, QStringLiteral("frmHoofdrekenen"), QStringLiteral("De 4 bewerkingen"), parent)
{
    MaakSetup();
    ZetHelpteksten(QStringLiteral("Kies een bewerking, een maximum een aantal oefeningen en of je de brug wil laten "
                                  "gebeuren of niet. Klik dan op het tabblad 'Oefening' om te starten."));
    connect(m_max, &QLineEdit::textChanged, this, &HoofdrekenenVenster::ZetBrugopties);
    for (QLineEdit* vak : {m_max, m_aantal})
        connect(vak, &QLineEdit::textChanged, this, &HoofdrekenenVenster::ToonAantal);
    for (QRadioButton* optie : m_bewerkingen)
        connect(optie, &QRadioButton::toggled, this, &HoofdrekenenVenster::ToonAantal);
    connect(m_brugopties.ja, &QRadioButton::toggled, this, &HoofdrekenenVenster::ToonAantal);
    ToonAantal();
}

void HoofdrekenenVenster::MaakSetup()
{
    QWidget* pagina = Pagina(TabSetup);
    QGroupBox* bewerkingen = MaakBewerkingkeuze(Pagina(TabSetup),
        {QStringLiteral("fraBewerking"), QStringLiteral("Bewerking"), QStringLiteral("alles")}, m_bewerkingen);
    QGroupBox* brug = MaakBrugkeuze(
        Pagina(TabSetup), QStringLiteral("Brug"), QStringLiteral("mag"), QStringLiteral("mag niet"), m_brugopties);
    m_max = MaakGetalvak(pagina, QStringLiteral("txtMax"), QStringLiteral("20"));
    m_aantal = MaakGetalvak(pagina, QStringLiteral("txtAantal"), QStringLiteral("20"));
    m_verschillend = MaakLabel(pagina, QStringLiteral("lblAantalOefeningen"), font());
    m_verschillend->setWordWrap(true);
    m_verschillend->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto* raster = new QGridLayout(pagina);
    raster->setContentsMargins(16, 12, 16, 12);
    raster->setHorizontalSpacing(16);
    raster->setVerticalSpacing(10);
    raster->addWidget(bewerkingen, 0, 0, 4, 1);
    raster->addWidget(brug, 0, 1, 1, 2);
    raster->addWidget(new QLabel(QStringLiteral("Maximum :"), pagina), 1, 1);
    raster->addWidget(m_max, 1, 2);
    raster->addWidget(new QLabel(QStringLiteral("aantal oefeningen :"), pagina), 2, 1);
    raster->addWidget(m_aantal, 2, 2);
    raster->addWidget(m_verschillend, 3, 1, 1, 2);
    raster->addWidget(FoutjesKnop(), 4, 0, 1, 3, Qt::AlignRight);
    raster->setRowStretch(3, 1);
    raster->setColumnStretch(2, 1);
}

std::variant<Melding, int> HoofdrekenenVenster::ControleerInstellingen()
{
    const auto maximum = LeesGeheel32(m_max->text());
    if (!maximum || *maximum < 2)
        return Melding {QStringLiteral("Geef een maximum op !"), QStringLiteral("Maximum !")};
    const auto aantal = LeesGeheel16(m_aantal->text());
    if (!aantal || *aantal < 1)
        return Melding {QStringLiteral("Je aantal oefeningen klopt niet !")};
    // Below this no exercise of the operation exists: the series could never show one.
    const Bewerkingskeuze keuze = GekozenBewerking(m_bewerkingen);
    if (*maximum < KleinsteMaximum(keuze))
        return Melding {QStringLiteral("Kies een maximum van minstens ") + Tekst(KleinsteMaximum(keuze))
                + QStringLiteral(" voor deze bewerking !"),
            QStringLiteral("Maximum !")};
    m_keuze = keuze;
    m_maximum = *maximum;
    m_brug = m_brugopties.ja->isChecked();
    return int {*aantal};
}

Opgave HoofdrekenenVenster::MaakOefening()
{
    return MaakBewerking(*m_keuze, m_maximum, m_brug);
}

// How many different exercises the settings on the page allow, counted as the series would take them; nothing
// while the maximum is no number.
void HoofdrekenenVenster::ToonAantal()
{
    const auto maximum = LeesGeheel32(m_max->text());
    const auto aantal = LeesGeheel16(m_aantal->text());
    if (!maximum) {
        m_verschillend->clear();
        return;
    }
    const std::uint64_t verschillend
        = AantalOefeningen(GekozenBewerking(m_bewerkingen), *maximum, m_brugopties.ja->isChecked());
    const auto nodig = static_cast<std::uint64_t>(std::max<std::int64_t>(0, aantal.value_or(0)));
    m_verschillend->setText(MetDezeKeuze(verschillend, nodig, QStringLiteral("in de reeks")));
}

// The bridge options are off for a maximum of 10 or less. Multiplication and division ignore the bridge: after
// such a series the options keep their state.
void HoofdrekenenVenster::ZetBrugopties()
{
    const QString tekst = m_max->text();
    const auto maxWaarde = LeesGeheel32(tekst);
    // Too large for 32 bits is far above 10, too small far below.
    const bool klein = maxWaarde ? *maxWaarde <= 10 : LeesGetal(tekst) < 0;
    const bool optellen = !m_keuze || *m_keuze < Bewerkingskeuze::Maal;
    if (klein || optellen) {
        m_brugopties.ja->setEnabled(!klein);
        m_brugopties.nee->setEnabled(!klein);
    }
}
