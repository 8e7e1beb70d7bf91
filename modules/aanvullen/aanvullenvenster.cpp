#include "aanvullenvenster.h"

#include "bouwstenen.h"
#include "getal.h"
#include "lettertypen.h"
#include "scorebord.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include <array>
#include <cmath>
#include <limits>

namespace {

// As every maximum in the program, it fits in 32 bits; far above what a row for children needs.
constexpr double HoogsteMaximum = std::numeric_limits<std::int32_t>::max();

QLabel* MaakUitleg(QWidget* pagina, const QString& naam, const QString& tekst)
{
    QLabel* label = MaakLabel(pagina, naam, pagina->font(), tekst);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label->setWordWrap(true);
    return label;
}

// A place of the row: a white card as wide as six digits; a number shown there that is longer widens it.
void MaakPlaats(QWidget* plaats)
{
    plaats->setFont(Comic(16, true));
    const int breedte = plaats->fontMetrics().horizontalAdvance(QStringLiteral("000000")) + 16;
    plaats->setMinimumSize(breedte, plaats->fontMetrics().height() + 16);
    plaats->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    if (auto* label = qobject_cast<QLabel*>(plaats)) {
        label->setFrameShape(QFrame::Panel);
        label->setFrameShadow(QFrame::Sunken);
        ZetAchtergrond(label, Qt::white);
    } else {
        plaats->setMaximumWidth(breedte);
    }
}

} // namespace

AanvullenVenster::AanvullenVenster(Dialogen& dialogen, QWidget* parent)
    : Scorevenster(dialogen, QStringLiteral("frmGRAanvullen"), QStringLiteral("Getallenrij aanvullen"), parent,
        QStringLiteral("Vul in en druk op [enter]"), Stand::MetWoord)
{
    MaakSetup();
    MaakOefening();
    ZetHelpteksten(QStringLiteral("Kies een maximum voor deze oefening, een interval en het aantal oefeningen. Het "
                                  "interval is de afstand tussen twee getallen. Deze afstand mag negatief zijn !"));
}

void AanvullenVenster::MaakSetup()
{
    QWidget* pagina = Pagina(TabSetup);
    m_maximumVak = new QLineEdit(QStringLiteral("10"), pagina);
    m_maximumVak->setObjectName(QStringLiteral("txtMaximum"));
    m_intervalVak = new QLineEdit(QStringLiteral("1"), pagina);
    m_intervalVak->setObjectName(QStringLiteral("txtInterval"));
    m_aantalVak = MaakGetalvak(pagina, QStringLiteral("txtAantal"), QStringLiteral("20"));

    const std::array<std::pair<QLabel*, QLineEdit*>, 3> regels {{
        {MaakUitleg(pagina, QStringLiteral("Label1"), QStringLiteral("Maximum van deze oefening (maximaal 100000 !)")),
            m_maximumVak},
        {MaakUitleg(pagina, QStringLiteral("Label2"),
             QStringLiteral(" Interval voor deze oefening : kies het niet te groot, het mag negatief zijn.")),
            m_intervalVak},
        {MaakUitleg(pagina, QStringLiteral("Label3"), QStringLiteral("aantal oefeningen :")), m_aantalVak},
    }};
    auto* raster = new QGridLayout(pagina);
    raster->setContentsMargins(16, 16, 16, 16);
    raster->setHorizontalSpacing(16);
    raster->setVerticalSpacing(14);
    for (int rij = 0; rij < static_cast<int>(regels.size()); ++rij) {
        const auto& [label, vak] = regels[static_cast<std::size_t>(rij)];
        vak->setFixedWidth(vak->fontMetrics().horizontalAdvance(QStringLiteral("000000000")));
        raster->addWidget(label, rij, 0);
        raster->addWidget(vak, rij, 1, Qt::AlignTop);
    }
    raster->setColumnStretch(0, 1);
    raster->setRowStretch(static_cast<int>(regels.size()), 1);
}

void AanvullenVenster::MaakOefening()
{
    QWidget* pagina = Pagina(TabOefening);
    m_links = MaakLabel(pagina, QStringLiteral("lblLinks"), font());
    m_midden = MaakLabel(pagina, QStringLiteral("lblMidden"), font());
    m_rechts = MaakLabel(pagina, QStringLiteral("lblRechts"), font());
    m_oplossing = new QLineEdit(pagina);
    m_oplossing->setObjectName(QStringLiteral("txtOplossing"));
    m_oplossing->setAlignment(Qt::AlignCenter);
    connect(m_oplossing, &QLineEdit::returnPressed, this, &AanvullenVenster::ControleerOplossing);

    auto* rij = new QHBoxLayout;
    rij->setSpacing(12);
    rij->addStretch(1);
    for (QWidget* plaats : std::initializer_list<QWidget*> {m_links, m_midden, m_oplossing, m_rechts}) {
        MaakPlaats(plaats);
        rij->addWidget(plaats);
    }
    rij->addStretch(1);

    auto* layout = new QVBoxLayout(pagina);
    layout->setContentsMargins(16, 12, 16, 12);
    layout->addStretch(1);
    layout->addLayout(rij);
    layout->addSpacing(24);
    layout->addWidget(bord());
    layout->addStretch(1);
}

std::variant<Melding, int> AanvullenVenster::ControleerInstellingen()
{
    const auto aantal = LeesGeheel16(m_aantalVak->text());
    if (!aantal || *aantal < 4)
        return Melding {QStringLiteral("Je aantal oefeningen klopt niet !")};
    const double maximum = LeesGetal(m_maximumVak->text());
    if (maximum < 4)
        return Melding {QStringLiteral("Kies een groter maximum !")};
    if (maximum > HoogsteMaximum)
        return Melding {QStringLiteral("Kies een kleiner maximum !")};
    const double interval = LeesGetal(m_intervalVak->text());
    if (std::abs(interval) > std::floor(maximum / 4))
        return Melding {QStringLiteral("Je interval mag maximaal een vierde van je maximum zijn !")};
    // A step of 1.5 would give rows of fractions where the child can only type whole numbers to match.
    if (interval != std::trunc(interval))
        return Melding {QStringLiteral("Je interval moet een geheel getal zijn !")};
    m_maximum = static_cast<std::int64_t>(maximum);
    m_interval = static_cast<std::int64_t>(interval);
    return int {*aantal};
}

// A refused start brings the window back as it opened, and the score starts again from zero.
void AanvullenVenster::StartGeweigerd()
{
    ZetTellersNul();
    ToonPagina(TabSetup);
    ZetSchaal(Schaal());
}

void AanvullenVenster::ToonOefening()
{
    m_rij = MaakGetallenrij(m_maximum, m_interval, m_rij.getal);
    m_links->setText(Tekst(m_rij.links));
    m_midden->setText(Tekst(m_rij.midden));
    m_rechts->setText(Tekst(m_rij.rechts));
    m_oplossing->clear();
    m_oplossing->setFocus();
}

void AanvullenVenster::ControleerOplossing()
{
    Beantwoord(LeesGetal(m_oplossing->text()) == static_cast<double>(m_rij.getal));
}
