#include "maaldeelvenster.h"

#include "bouwstenen.h"
#include "getal.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr std::array<const char*, 3> Bewerkingen {"x", ":", "beide"};
constexpr int TafelRijen = 5;

ReeksVarianten Varianten()
{
    ReeksVarianten varianten;
    varianten.resetUitslag.reset();
    varianten.startUitslag.reset();
    varianten.resterend = QStringLiteral("Nog %1 oefeningen");
    return varianten;
}

} // namespace

MaalDeelVenster::MaalDeelVenster(Dialogen& dialogen, QWidget* parent)
    : Reeksvenster(dialogen, QStringLiteral("frmMaalDeel"), QStringLiteral("Maal- en deeltafels"), parent, Varianten())
    , m_bewerkingen(new QButtonGroup(this))
{
    MaakSetup();
    ZetHelpteksten(QStringLiteral("Kies voor maaltafels, deeltafels of beide door elkaar, vogel de tafels die je wil "
                                  "oefenen aan en kies een aantal oefeningen. Klik op het tabblad 'Oefening' om te "
                                  "starten."));
}

void MaalDeelVenster::MaakSetup()
{
    QWidget* pagina = Pagina(TabSetup);
    QGroupBox* tafels = MaakTafels();
    QGroupBox* bewerkingen = MaakBewerkingen();
    m_aantal = MaakGetalvak(pagina, QStringLiteral("txtAantal"), QStringLiteral("20"));

    QHBoxLayout* aantal = MaakGetalregel(pagina, QStringLiteral("aantal oefeningen :"), m_aantal);

    auto* raster = new QGridLayout(pagina);
    raster->setContentsMargins(16, 12, 16, 12);
    raster->setHorizontalSpacing(16);
    raster->setVerticalSpacing(10);
    raster->addWidget(tafels, 0, 0, 3, 1);
    raster->addWidget(bewerkingen, 0, 1);
    raster->addLayout(aantal, 1, 1);
    raster->addWidget(FoutjesKnop(), 3, 0, 1, 2, Qt::AlignRight);
    raster->setRowStretch(2, 1);
    raster->setColumnStretch(1, 1);
}

QGroupBox* MaalDeelVenster::MaakTafels()
{
    auto* frame = new QGroupBox(QStringLiteral("De tafel van ..."), Pagina(TabSetup));
    frame->setObjectName(QStringLiteral("fraTafel"));
    auto* raster = new QGridLayout(frame);
    raster->setHorizontalSpacing(20);
    for (std::size_t i = 0; i < m_tafelvakjes.size(); ++i) {
        m_tafelvakjes[i] = new QCheckBox(QString::number(i + 1), frame);
        m_tafelvakjes[i]->setObjectName(QStringLiteral("optTafel(%1)").arg(i));
        const int plaats = static_cast<int>(i);
        raster->addWidget(m_tafelvakjes[i], plaats % TafelRijen, plaats / TafelRijen);
    }
    return frame;
}

QGroupBox* MaalDeelVenster::MaakBewerkingen()
{
    auto* frame = new QGroupBox(QStringLiteral("Bewerking"), Pagina(TabSetup));
    frame->setObjectName(QStringLiteral("fraBewerking"));
    auto* lijst = new QVBoxLayout(frame);
    // None is chosen until the teacher clicks one; the group keeps the choice to one after that.
    for (std::size_t i = 0; i < Bewerkingen.size(); ++i) {
        QRadioButton* optie
            = MaakOptie(frame, QStringLiteral("optMaal(%1)").arg(i), QString::fromUtf8(Bewerkingen.at(i)));
        m_bewerkingen->addButton(optie, static_cast<int>(i) + 1);
        lijst->addWidget(optie);
    }
    return frame;
}

std::variant<Melding, int> MaalDeelVenster::ControleerInstellingen()
{
    Tafels tafels {};
    std::ranges::transform(m_tafelvakjes, tafels.begin(), &QCheckBox::isChecked);
    if (std::ranges::none_of(tafels, std::identity {}))
        return Melding {QStringLiteral("Je koos geen enkele tafel !!!")};
    const int keuze = m_bewerkingen->checkedId();
    if (keuze < 0)
        return Melding {QStringLiteral("Je koos geen bewerking !!!")};
    const auto aantal = LeesGeheel16(m_aantal->text());
    if (!aantal || *aantal < 1)
        return Melding {QStringLiteral("Je aantal oefeningen klopt niet !")};
    m_tafels = tafels;
    m_keuze = static_cast<MaalDeelKeuze>(keuze);
    return int {*aantal};
}

Opgave MaalDeelVenster::MaakOefening()
{
    Opgave opgave;
    switch (m_keuze) {
    case MaalDeelKeuze::Maal:
        opgave = MaakMaalOefening(m_tafels, m_vorigeUitkomst);
        break;
    case MaalDeelKeuze::Deel:
        opgave = MaakDeelOefening(m_tafels, m_vorigeUitkomst);
        break;
    case MaalDeelKeuze::Beide:
        opgave = MaakTafelOefening(m_tafels, m_vorigeUitkomst);
        break;
    }
    m_vorigeUitkomst = opgave.Uitkomst.value_or(0);
    return opgave;
}
