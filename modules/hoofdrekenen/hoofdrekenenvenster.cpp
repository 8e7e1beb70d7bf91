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

namespace {

constexpr std::array<const char*, 7> Bewerkingen {"+", "-", "+ en -", "x", ":", "x en :", "alles"};

} // namespace

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
    connect(m_brugJa, &QRadioButton::toggled, this, &HoofdrekenenVenster::ToonAantal);
    ToonAantal();
}

void HoofdrekenenVenster::MaakSetup()
{
    QWidget* pagina = Pagina(TabSetup);
    QGroupBox* bewerkingen = MaakBewerkingen();
    QGroupBox* brug = MaakBrug();
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

QGroupBox* HoofdrekenenVenster::MaakBewerkingen()
{
    auto* frame = new QGroupBox(QStringLiteral("Bewerking"), Pagina(TabSetup));
    frame->setObjectName(QStringLiteral("fraBewerking"));
    auto* lijst = new QVBoxLayout(frame);
    for (std::size_t i = 0; i < m_bewerkingen.size(); ++i) {
        m_bewerkingen[i]
            = MaakOptie(frame, QStringLiteral("optBewerking(%1)").arg(i), QString::fromUtf8(Bewerkingen[i]));
        lijst->addWidget(m_bewerkingen[i]);
    }
    m_bewerkingen[0]->setChecked(true);
    return frame;
}

QGroupBox* HoofdrekenenVenster::MaakBrug()
{
    auto* frame = new QGroupBox(QStringLiteral("Brug"), Pagina(TabSetup));
    frame->setObjectName(QStringLiteral("fraBrug"));
    m_brugJa = MaakOptie(frame, QStringLiteral("optBrugJa"), QStringLiteral("mag"));
    m_brugNee = MaakOptie(frame, QStringLiteral("optBrugNee"), QStringLiteral("mag niet"));
    m_brugJa->setChecked(true);
    auto* lijst = new QVBoxLayout(frame);
    lijst->addWidget(m_brugJa);
    lijst->addWidget(m_brugNee);
    return frame;
}

Bewerkingskeuze HoofdrekenenVenster::GekozenBewerking() const
{
    for (std::size_t i = 0; i < m_bewerkingen.size(); ++i) {
        if (m_bewerkingen[i]->isChecked())
            return static_cast<Bewerkingskeuze>(i + 1);
    }
    return Bewerkingskeuze::Plus;
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
    const Bewerkingskeuze keuze = GekozenBewerking();
    if (*maximum < KleinsteMaximum(keuze))
        return Melding {QStringLiteral("Kies een maximum van minstens ") + Tekst(KleinsteMaximum(keuze))
                + QStringLiteral(" voor deze bewerking !"),
            QStringLiteral("Maximum !")};
    m_keuze = keuze;
    m_maximum = *maximum;
    m_brug = m_brugJa->isChecked();
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
    const std::uint64_t verschillend = AantalOefeningen(GekozenBewerking(), *maximum, m_brugJa->isChecked());
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
        m_brugJa->setEnabled(!klein);
        m_brugNee->setEnabled(!klein);
    }
}
