#include "frmmaaldeel.h"

#include "getal.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
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

frmMaalDeel::frmMaalDeel(Dialogen& dialogen, QWidget* parent)
    : Reeksvenster(dialogen, QStringLiteral("frmMaalDeel"), QStringLiteral("Maal- en deeltafels"), parent, Varianten())
    , m_bewerkingen(new QButtonGroup(this))
{
    MaakSetup();
    ZetHelpteksten(QStringLiteral("Kies voor maaltafels, deeltafels of beide door elkaar, vogel de tafels die je wil "
                                  "oefenen aan en kies een aantal oefeningen. Klik op het tabblad 'Oefening' om te "
                                  "starten."));
}

void frmMaalDeel::MaakSetup()
{
    QWidget* pagina = Pagina(TabSetup);
    fraTafel = MaakTafels();
    fraBewerking = MaakBewerkingen();
    txtAantal = MaakGetalvak(QStringLiteral("txtAantal"), QStringLiteral("20"), pagina);

    auto* aantal = new QHBoxLayout;
    aantal->addWidget(new QLabel(QStringLiteral("aantal oefeningen :"), pagina));
    aantal->addWidget(txtAantal);
    aantal->addStretch(1);

    auto* raster = new QGridLayout(pagina);
    raster->setContentsMargins(16, 12, 16, 12);
    raster->setHorizontalSpacing(16);
    raster->setVerticalSpacing(10);
    raster->addWidget(fraTafel, 0, 0, 3, 1);
    raster->addWidget(fraBewerking, 0, 1);
    raster->addLayout(aantal, 1, 1);
    raster->setRowStretch(2, 1);
    raster->setColumnStretch(1, 1);
}

QGroupBox* frmMaalDeel::MaakTafels()
{
    auto* frame = new QGroupBox(QStringLiteral("De tafel van ..."), Pagina(TabSetup));
    frame->setObjectName(QStringLiteral("fraTafel"));
    auto* raster = new QGridLayout(frame);
    raster->setHorizontalSpacing(20);
    for (std::size_t i = 0; i < optTafel.size(); ++i) {
        optTafel[i] = new QCheckBox(QString::number(i + 1), frame);
        optTafel[i]->setObjectName(QStringLiteral("optTafel(%1)").arg(i));
        const int plaats = static_cast<int>(i);
        raster->addWidget(optTafel[i], plaats % TafelRijen, plaats / TafelRijen);
    }
    return frame;
}

QGroupBox* frmMaalDeel::MaakBewerkingen()
{
    auto* frame = new QGroupBox(QStringLiteral("Bewerking"), Pagina(TabSetup));
    frame->setObjectName(QStringLiteral("fraBewerking"));
    auto* lijst = new QVBoxLayout(frame);
    // None is chosen until the teacher clicks one; the group keeps the choice to one after that.
    for (std::size_t i = 0; i < optMaal.size(); ++i) {
        optMaal[i] = new QRadioButton(QString::fromUtf8(Bewerkingen[i]), frame);
        optMaal[i]->setObjectName(QStringLiteral("optMaal(%1)").arg(i));
        m_bewerkingen->addButton(optMaal[i], static_cast<int>(i) + 1);
        lijst->addWidget(optMaal[i]);
    }
    return frame;
}

std::variant<Melding, int> frmMaalDeel::ControleerInstellingen()
{
    Tafels tafels {};
    std::ranges::transform(optTafel, tafels.begin(), &QCheckBox::isChecked);
    if (std::ranges::none_of(tafels, std::identity {}))
        return Melding {QStringLiteral("Je koos geen enkele tafel !!!")};
    const int keuze = m_bewerkingen->checkedId();
    if (keuze < 0)
        return Melding {QStringLiteral("Je koos geen bewerking !!!")};
    const auto aantal = LeesGeheel16(txtAantal->text());
    if (!aantal || *aantal < 1)
        return Melding {QStringLiteral("Je aantal oefeningen klopt niet !")};
    m_tafels = tafels;
    m_keuze = static_cast<MaalDeelKeuze>(keuze);
    return int {*aantal};
}

Oefening frmMaalDeel::MaakOefening()
{
    switch (m_keuze) {
    case MaalDeelKeuze::Maal:
        MaakMaalOefening(m_oefening, m_tafels);
        break;
    case MaalDeelKeuze::Deel:
        MaakDeelOefening(m_oefening, m_tafels);
        break;
    case MaalDeelKeuze::Beide:
        MaakTafelOefening(m_oefening, m_tafels);
        break;
    }
    return {Tekst(m_oefening.Links), QString(QChar::fromLatin1(m_oefening.Bewerking)), Tekst(m_oefening.Rechts),
        m_oefening.Uitkomst};
}
