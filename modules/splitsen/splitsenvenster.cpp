#include "splitsenvenster.h"

#include "bouwstenen.h"
#include "geluid.h"
#include "getal.h"
#include "scorebord.h"
#include "splitshuis.h"

#include <QApplication>
#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QVBoxLayout>

#include <array>

namespace {

constexpr std::array<const char*, 6> Soorten {
    "vrij gemengd", "vast gemengd", "vrij omgekeerd", "vast omgekeerd", "vrij per getal", "vast per getal"};
constexpr int EersteSoortPerGetal = 4;

ReeksVarianten Varianten()
{
    ReeksVarianten varianten;
    varianten.resterend = QStringLiteral("nog %1 oefeningen.");
    varianten.tellersNulBijStart = true;
    return varianten;
}

// The count box is emptied by a click into it, not by Tab.
class LeegBijKlik final : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* object, QEvent* event) override
    {
        if (event->type() == QEvent::MouseButtonPress && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
            static_cast<QLineEdit*>(object)->clear();
        return false;
    }
};

void ZetBehoudRuimte(QWidget* widget)
{
    QSizePolicy beleid = widget->sizePolicy();
    beleid.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(beleid);
}

} // namespace

SplitsenVenster::SplitsenVenster(Dialogen& dialogen, QWidget* parent)
    : Oefenvenster(dialogen, QStringLiteral("frmSplitsen"), QStringLiteral("Splitsen"), parent,
        Vensteropmaak {.grootteTwips = {7000, 9330}})
    , m_soorten(new QButtonGroup(this))
    , m_aanpassen(new QButtonGroup(this))
    , m_reeks(Varianten())
{
    MaakSetup();
    MaakOefening();
    ZetHelpteksten(
        QStringLiteral("Maak de gewenste instellingen en druk op het tabblad 'Oefening' om te starten. Uitgebreide "
                       "info vind je in de algemene helpfile (onder het menu 'Help')."),
        QStringLiteral("De leerling vult zijn oplossing in en drukt op [enter] of [spatie]. Pas als alle splitsingen "
                       "opgelost zijn start een nieuwe oefening. Wil je iets aanpassen of zo, dan druk je op het "
                       "tabblad 'Setup'."),
        QStringLiteral("Als alle oefeningen afgelopen zijn krijg je een melding. Je kan dan opnieuw beginnen, of de "
                       "oefening afsluiten."));
}

void SplitsenVenster::MaakSetup()
{
    QWidget* pagina = Pagina(TabSetup);
    m_max = MaakGetalvak(pagina, QStringLiteral("txtMax"), QStringLiteral("5"));
    m_aantal = new QLineEdit(QStringLiteral("20"), pagina);
    m_aantal->setObjectName(QStringLiteral("txtAantal"));
    m_aantal->setMaximumWidth(m_max->maximumWidth());
    m_aantal->installEventFilter(new LeegBijKlik(m_aantal));
    m_getal = new QLineEdit(pagina);
    m_getal->setObjectName(QStringLiteral("txtGetal"));
    m_getal->setMaximumWidth(m_max->maximumWidth());
    m_label2 = MaakLabel(pagina, QStringLiteral("Label2"), font(),
        QStringLiteral("Vul hier alleen iets in als u op 1 getal wil oefenen !"));
    m_label2->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_label2->setWordWrap(true);
    for (QWidget* perGetal : std::initializer_list<QWidget*> {m_label2, m_getal})
        ZetBehoudRuimte(perGetal);

    auto* getal = new QHBoxLayout;
    getal->setSpacing(12);
    getal->addWidget(m_label2);
    getal->addWidget(m_getal);
    getal->addStretch(1);
    auto* layout = new QVBoxLayout(pagina);
    layout->setContentsMargins(16, 12, 16, 12);
    layout->setSpacing(12);
    layout->addLayout(MaakSoorten(pagina));
    layout->addWidget(MaakAanpassen(pagina), 0, Qt::AlignLeft);
    layout->addLayout(getal);
    layout->addSpacing(12);
    layout->addLayout(MaakGetalregel(pagina, QStringLiteral("Maximum :"), m_max));
    layout->addLayout(MaakGetalregel(pagina, QStringLiteral("Aantal oefeningen :"), m_aantal));
    layout->addStretch(1);
    KiesSoort(0);
}

// Two columns, vrij left and vast right; the rows gemengd, omgekeerd and per getal.
QLayout* SplitsenVenster::MaakSoorten(QWidget* pagina)
{
    auto* raster = new QGridLayout;
    raster->setHorizontalSpacing(24);
    raster->setVerticalSpacing(6);
    raster->addWidget(new QLabel(QStringLiteral("Soort splitsing :"), pagina), 0, 0, 1, 2);
    for (int i = 0; i < static_cast<int>(Soorten.size()); ++i) {
        QRadioButton* optie = MaakOptie(
            pagina, QStringLiteral("optSoort(%1)").arg(i), QString::fromUtf8(Soorten.at(static_cast<std::size_t>(i))));
        m_soorten->addButton(optie, i);
        raster->addWidget(optie, 1 + i / 2, i % 2);
    }
    raster->setColumnStretch(2, 1);
    m_soorten->button(0)->setChecked(true);
    connect(m_soorten, &QButtonGroup::idToggled, this, [this](int index, bool aan) {
        if (aan)
            KiesSoort(index);
    });
    return raster;
}

QGroupBox* SplitsenVenster::MaakAanpassen(QWidget* pagina)
{
    m_frame2 = new QGroupBox(QStringLiteral("Aantal velden aanpassen ?"), pagina);
    m_frame2->setObjectName(QStringLiteral("Frame2"));
    ZetBehoudRuimte(m_frame2);
    auto* rij = new QHBoxLayout(m_frame2);
    rij->setSpacing(24);
    for (int i = 0; i < 2; ++i) {
        QRadioButton* optie = MaakOptie(
            m_frame2, QStringLiteral("optAanpassen(%1)").arg(i), i == 0 ? QStringLiteral("ja") : QStringLiteral("nee"));
        m_aanpassen->addButton(optie, i);
        rij->addWidget(optie);
    }
    connect(m_aanpassen, &QButtonGroup::idToggled, this,
        [this] { m_aanpassenKeuze = m_aanpassen->button(0)->isChecked(); });
    return m_frame2;
}

void SplitsenVenster::MaakOefening()
{
    QWidget* pagina = Pagina(TabOefening);
    m_huis = new Splitshuis(pagina);
    m_stand = new Scorebord(pagina);
    m_huis->PlaatsStand(m_stand->Uitslag(), m_stand->Resultaat(), m_stand->Resterend());
    m_stand->hide(); // its labels stand beside the house
    auto* layout = new QVBoxLayout(pagina);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_huis);

    connect(m_huis, &Splitshuis::Getypt, this, &SplitsenVenster::Typ);
    connect(m_huis, &Splitshuis::Toets, this, &SplitsenVenster::Toets);
    connect(m_huis, &Splitshuis::VakVerlaten, this, &SplitsenVenster::VakVerlaten);
}

void SplitsenVenster::KiesSoort(int index)
{
    m_gekozenSoort = static_cast<Splitssoort>(index + 1);
    const bool perGetal = index >= EersteSoortPerGetal;
    m_frame2->setVisible(perGetal);
    for (QAbstractButton* optie : m_aanpassen->buttons())
        optie->setEnabled(perGetal);
    m_getal->setEnabled(perGetal);
    m_getal->setVisible(perGetal);
    m_label2->setVisible(perGetal);
}

void SplitsenVenster::SetupGekozen()
{
    m_reeks.Reset();
    m_stand->ToonResultaat(m_reeks.Resultaat());
    m_stand->ToonNieuweReeks(QStringLiteral("Nieuwe reeks !"));
}

bool SplitsenVenster::OefeningGekozen()
{
    const auto maximum = LeesGeheel32(m_max->text());
    if (!maximum || *maximum < 3 || *maximum > 10) {
        Meld({QStringLiteral("Kies een maximum tussen 3 en 10 !")});
        m_max->setText(QStringLiteral("5"));
        return false;
    }
    // No count is refused, except one the counter cannot hold; nothing or less than one ends at once.
    const auto aantal = LeesGeheel16(m_aantal->text());
    if (!aantal) {
        Meld({QStringLiteral("Kies een aantal oefeningen tussen 1 en 32767 !")});
        return false;
    }
    const auto instellingen = LeesInstellingen(*maximum);
    if (!instellingen) {
        Meld({QStringLiteral("Kies een getal tussen 1 en 10 !")});
        return false;
    }
    ToonPagina(TabOefening); // the house is on screen before the focus goes into it
    StartReeks(*instellingen, *aantal);
    return m_reeks.Loopt(); // a series without exercises ended at once and went back to Setup
}

// The single number counts for the per getal kinds, where the house has rows for every splitting of 0 to 10.
std::optional<Splitsinstellingen> SplitsenVenster::LeesInstellingen(int maximum)
{
    const QString getal = m_getal->text().trimmed();
    const bool perGetal = m_gekozenSoort >= Splitssoort::VrijPerGetal;
    const auto enkel = LeesGeheel32(getal);
    if (perGetal && (!enkel || *enkel < 0 || *enkel >= Splitsbord::AantalRijen))
        return std::nullopt;
    if (!m_aanpassenKeuze && LeesGetal(getal) > maximum)
        m_aanpassenKeuze = true; // the rows of a number above the maximum must fit; it stays on
    return Splitsinstellingen {m_gekozenSoort, maximum, m_aanpassenKeuze, perGetal ? *enkel : 0};
}

void SplitsenVenster::StartReeks(const Splitsinstellingen& instellingen, int aantal)
{
    m_bord.Start(instellingen);
    m_reeks.Start(aantal);
    NieuweOefening();
}

void SplitsenVenster::NieuweOefening()
{
    m_stand->ToonResultaat(m_reeks.Resultaat());
    if (!m_reeks.NieuweOefening()) {
        EindeReeks();
        return;
    }
    m_stand->ToonResterend(m_reeks.Resterend());
    m_bord.NieuweOefening();
    ToonBord();
    ZetFocus(m_bord.Beginfocus());
}

void SplitsenVenster::EindeReeks()
{
    m_stand->ToonUitslag(QStringLiteral("Klaar !"));
    m_stand->ToonResterend({});
    m_stand->ToonResultaat(m_reeks.EindResultaat());
    Meld({QStringLiteral("Alle oefeningen zijn opgelost !\r\nJe haalde ") + Tekst(m_reeks.Goed())
        + QStringLiteral(" op ") + Tekst(m_reeks.Gemaakt()) + u'.'});
    HerstelSetup();
}

// The window as it opened, apart from the typed texts.
void SplitsenVenster::HerstelSetup()
{
    m_reeks.Stop();
    m_reeks.Reset();
    m_soorten->button(0)->setChecked(true);
    KiesSoort(0);
    m_aanpassen->setExclusive(false);
    for (QAbstractButton* optie : m_aanpassen->buttons())
        optie->setChecked(false);
    m_aanpassen->setExclusive(true);
    m_aanpassenKeuze = true;
    ToonPagina(TabSetup);
}

void SplitsenVenster::ToonBord()
{
    const QScopedValueRollback bezig(m_bijwerken, true);
    m_huis->Toon(m_bord);
}

void SplitsenVenster::ZetFocus(Vakplek plek)
{
    const QScopedValueRollback bezig(m_bijwerken, true);
    m_huis->ZetFocus(plek);
}

void SplitsenVenster::Typ(Vakplek plek, const QString& tekst)
{
    m_bord.ZetTekst(plek, tekst);
}

void SplitsenVenster::Toets(Vakplek plek, bool spatie)
{
    if (!m_reeks.Loopt())
        return;
    if (spatie) {
        m_bord.Trim(plek);
        ToonBord();
    }
    const Toetsactie actie = m_bord.Toets(plek);
    if (actie.soort == Toetsactie::Soort::Controleer)
        Beoordeel(m_bord.ControleerRij(actie.doel.rij));
    else if (actie.soort == Toetsactie::Soort::Focus)
        Verplaats(plek, actie.doel);
}

// The box being left is checked before the focus moves, as its lost focus would check it. That check may solve
// the exercise (a new board, or the end of the series) or send the focus elsewhere; then this key's move is void.
void SplitsenVenster::Verplaats(Vakplek van, Vakplek naar)
{
    const int stand = m_bord.Stand();
    const bool focusVerzet = ControleerVerlaten(van);
    if (focusVerzet || !m_reeks.Loopt() || m_bord.Stand() != stand)
        return;
    ZetFocus(naar);
}

void SplitsenVenster::VakVerlaten(Vakplek plek, Qt::FocusReason reden)
{
    // The focus comes back to this box when a message box or menu closes or the program is active again; and
    // leaving the page (another tab, the window closing) leaves no box: no check may end a series then.
    if (reden == Qt::ActiveWindowFocusReason || reden == Qt::PopupFocusReason || !m_huis->isVisible())
        return;
    if (m_bijwerken || !m_reeks.Loopt())
        return;
    ControleerVerlaten(plek);
}

// The checks of leaving a part box; true when they sent the focus elsewhere.
bool SplitsenVenster::ControleerVerlaten(Vakplek plek)
{
    const Verlaten verlaten = m_bord.Verlaat(plek);
    if (verlaten.herhaling) {
        m_stand->ToonFout(QStringLiteral("Die had je al !!!"));
        QApplication::beep();
    }
    Beoordeel(verlaten.oordeel);
    if (verlaten.focus)
        ZetFocus(*verlaten.focus);
    return verlaten.focus.has_value();
}

void SplitsenVenster::Beoordeel(Oordeel oordeel)
{
    ToonBord();
    switch (oordeel) {
    case Oordeel::Geen:
        break;
    case Oordeel::LeegVak:
        Meld({QStringLiteral("Je moet wel iets invullen !!!")});
        break;
    case Oordeel::Juist:
        m_stand->ToonGoed(QStringLiteral("Juist !"));
        SpeelGoed();
        m_reeks.Beantwoord(true);
        NieuweOefening();
        break;
    case Oordeel::HelemaalJuist:
        m_reeks.Beantwoord(true);
        m_stand->ToonGoed(QStringLiteral("Die had je helemaal juist !"));
        NieuweOefening();
        break;
    case Oordeel::NietAf:
        m_stand->ToonUitslag(QStringLiteral("Nog niet af..."));
        ZetAchtergrond(m_stand->Uitslag(), Uitslagkleur::NieuweReeks);
        break;
    }
}
