#include "reeksvenster.h"

#include "antwoordrij.h"
#include "geluid.h"
#include "getal.h"
#include "scorebord.h"

#include "bouwstenen.h"
#include "lettertypen.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

Reeksvenster::Reeksvenster(Dialogen& dialogen, const QString& naam, const QString& titel, QWidget* parent,
    ReeksVarianten varianten, Vensteropmaak opmaak)
    : Oefenvenster(dialogen, naam, titel, parent, std::move(opmaak))
    , m_reeks(std::move(varianten))
    , m_rij(new Antwoordrij(Pagina(TabOefening)))
    , m_bord(new Scorebord(Pagina(TabOefening)))
    , m_foutenvlak(new QScrollArea(Pagina(TabOefening)))
    , m_foutenlijst(MaakLabel(m_foutenvlak, QStringLiteral("lblFoutjes"), Comic(11)))
    , m_foutjesKnop(new QPushButton(Pagina(TabSetup)))
{
    connect(m_rij, &Antwoordrij::Beantwoord, this, &Reeksvenster::ControleerOplossing);
    m_foutenlijst->setWordWrap(true);
    m_foutenlijst->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_foutenvlak->setObjectName(QStringLiteral("scrFoutjes"));
    m_foutenvlak->setWidget(m_foutenlijst);
    m_foutenvlak->setWidgetResizable(true);
    m_foutenvlak->setFrameShape(QFrame::NoFrame);
    m_foutenvlak->hide();
    m_foutjesKnop->setObjectName(QStringLiteral("cmdFoutjes"));
    m_foutjesKnop->hide();
    connect(m_foutjesKnop, &QPushButton::clicked, this, &Reeksvenster::OefenFoutjes);

    auto* layout = new QVBoxLayout(Pagina(TabOefening));
    layout->setContentsMargins(16, 12, 16, 12);
    layout->addStretch(1);
    layout->addWidget(m_rij);
    layout->addSpacing(20);
    layout->addWidget(m_bord);
    layout->addWidget(m_foutenvlak, 2);
    layout->addStretch(1);
}

// The mistakes hold only for the settings they were made with: any change on the Setup page forgets them. The
// module builds its Setup page after this base, so its controls are found when the window is first shown.
void Reeksvenster::showEvent(QShowEvent* event)
{
    if (!m_instellingenGevolgd) {
        m_instellingenGevolgd = true;
        VolgInstellingen();
    }
    Oefenvenster::showEvent(event);
}

void Reeksvenster::VolgInstellingen()
{
    for (QAbstractButton* knop : Pagina(TabSetup)->findChildren<QAbstractButton*>()) {
        if (knop != m_foutjesKnop)
            connect(knop, &QAbstractButton::toggled, this, &Reeksvenster::VergeetFoutjes);
    }
    for (QLineEdit* vak : Pagina(TabSetup)->findChildren<QLineEdit*>())
        connect(vak, &QLineEdit::textChanged, this, &Reeksvenster::VergeetFoutjes);
}

void Reeksvenster::SetupGekozen()
{
    ResetReeks();
}

void Reeksvenster::HelpGekozen()
{
    if (m_reeks.Varianten().resetOokOpHelp)
        ResetReeks();
}

void Reeksvenster::ResetReeks()
{
    m_reeks.Reset();
    m_bord->ToonResultaat(m_reeks.Resultaat());
    if (m_reeks.Varianten().resetUitslag)
        m_bord->ToonNieuweReeks(*m_reeks.Varianten().resetUitslag);
    ReeksGereset();
}

bool Reeksvenster::OefeningGekozen()
{
    const auto besluit = ControleerInstellingen();
    if (const auto* melding = std::get_if<Melding>(&besluit)) {
        Meld(*melding);
        return false;
    }
    m_herhaling.clear();
    BeginReeks(std::get<int>(besluit));
    return true;
}

void Reeksvenster::BeginReeks(int aantal)
{
    m_foutjes.Begin();
    m_foutenvlak->hide();
    m_foutjesKnop->hide();
    m_reeks.Start(aantal);
    if (m_reeks.Varianten().startUitslag)
        m_bord->ToonUitslag(*m_reeks.Varianten().startUitslag);
    NieuweOefening();
}

// The mistakes of the last series, each once in a new order, as a series of their own with the module's messages,
// sounds and counters.
void Reeksvenster::OefenFoutjes()
{
    const std::vector<Opgave> geschud = m_foutjes.Geschud();
    if (geschud.empty())
        return;
    m_herhaling.assign(geschud.begin(), geschud.end());
    ToonTab(TabOefening);
    BeginReeks(static_cast<int>(geschud.size()));
}

void Reeksvenster::VergeetFoutjes()
{
    m_foutjesKnop->hide();
}

void Reeksvenster::NieuweOefening()
{
    if (!m_reeks.NieuweOefening()) {
        EindeReeks();
        return;
    }
    m_bord->ToonResterend(m_reeks.Resterend());
    if (m_herhaling.empty()) {
        m_opgave = MaakOefening();
    } else {
        m_opgave = m_herhaling.front();
        m_herhaling.pop_front();
    }
    m_rij->Toon(m_opgave);
}

void Reeksvenster::ControleerOplossing(const QString& antwoord)
{
    if (!m_reeks.Loopt())
        return;
    // A generator that found no exercise shows 0 and 0 with no answer: then 0 is right.
    const bool goed = LeesGetal(antwoord) == static_cast<double>(m_opgave.Uitkomst.value_or(0));
    m_reeks.Beantwoord(goed);
    m_foutjes.Noteer(m_opgave, goed, Soort(m_opgave));
    if (goed) {
        m_bord->ToonGoed();
        SpeelGoed();
    } else {
        m_bord->ToonFout(Fouttekst());
        SpeelFout();
    }
    m_bord->ToonResultaat(m_reeks.Resultaat());
    NieuweOefening();
}

QString Reeksvenster::Fouttekst() const
{
    if (m_reeks.Varianten().fouttekst == ReeksVarianten::Fouttekst::Foutje)
        return QStringLiteral("Foutje !");
    return MetOplossing(m_opgave);
}

void Reeksvenster::EindeReeks()
{
    m_bord->ToonUitslag(QStringLiteral("Klaar !"));
    m_bord->ToonResterend({});
    m_bord->ToonResultaat(m_reeks.EindResultaat());
    ToonFoutjes();
    const Antwoord antwoord
        = dialogen().Melding(this, m_reeks.EindVraag(), QStringLiteral("opnieuw ?"), Knoppen::JaNee, Icoon::Geen);
    if (antwoord == Antwoord::Ja)
        KlikTab(TabSetup); // as if Setup were chosen: the tab follows, a new score
    else
        Sluit();
}

// Behind the end question: what went wrong, and the button on the Setup page to practise it.
void Reeksvenster::ToonFoutjes()
{
    QString tekst = m_foutjes.Fout().empty() ? m_foutjes.Lijst() : QStringLiteral("Foutjes : ") + m_foutjes.Lijst();
    if (const QString perSoort = m_foutjes.PerSoort(); !perSoort.isEmpty())
        tekst += u'\n' + perSoort;
    m_foutenlijst->setText(tekst);
    m_foutenvlak->show();
    const auto aantal = static_cast<std::int64_t>(m_foutjes.Fout().size());
    m_foutjesKnop->setText(QStringLiteral("Foutjes oefenen (") + Tekst(aantal) + u')');
    m_foutjesKnop->setVisible(aantal > 0);
}
