#include "reeksvenster.h"

#include "antwoordrij.h"
#include "geluid.h"
#include "getal.h"
#include "scorebord.h"

#include <QVBoxLayout>

Reeksvenster::Reeksvenster(Dialogen& dialogen, const QString& naam, const QString& titel, QWidget* parent,
    ReeksVarianten varianten, Vensteropmaak opmaak)
    : Oefenvenster(dialogen, naam, titel, parent, std::move(opmaak))
    , m_reeks(std::move(varianten))
    , m_rij(new Antwoordrij(Pagina(TabOefening)))
    , m_bord(new Scorebord(Pagina(TabOefening)))
{
    connect(m_rij, &Antwoordrij::Beantwoord, this, &Reeksvenster::ControleerOplossing);
    auto* layout = new QVBoxLayout(Pagina(TabOefening));
    layout->setContentsMargins(16, 12, 16, 12);
    layout->addStretch(1);
    layout->addWidget(m_rij);
    layout->addSpacing(20);
    layout->addWidget(m_bord);
    layout->addStretch(1);
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
    m_reeks.Start(std::get<int>(besluit));
    if (m_reeks.Varianten().startUitslag)
        m_bord->ToonUitslag(*m_reeks.Varianten().startUitslag);
    NieuweOefening();
    return true;
}

void Reeksvenster::NieuweOefening()
{
    if (!m_reeks.NieuweOefening()) {
        EindeReeks();
        return;
    }
    m_bord->ToonResterend(m_reeks.Resterend());
    m_opgave = MaakOefening();
    m_rij->Toon(m_opgave);
}

void Reeksvenster::ControleerOplossing(const QString& antwoord)
{
    if (!m_reeks.Loopt())
        return;
    // A generator that found no exercise shows 0 and 0 with no answer: then 0 is right.
    const bool goed = LeesGetal(antwoord) == static_cast<double>(m_opgave.Uitkomst.value_or(0));
    m_reeks.Beantwoord(goed);
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
    return QString::fromStdString(Som(m_opgave)) + u'=' + Tekst(m_opgave.Uitkomst.value_or(0));
}

void Reeksvenster::EindeReeks()
{
    m_bord->ToonUitslag(QStringLiteral("Klaar !"));
    m_bord->ToonResterend({});
    m_bord->ToonResultaat(m_reeks.EindResultaat());
    const Antwoord antwoord
        = dialogen().Melding(this, m_reeks.EindVraag(), QStringLiteral("opnieuw ?"), Knoppen::JaNee, Icoon::Geen);
    if (antwoord == Antwoord::Ja)
        KlikTab(TabSetup); // as if Setup were chosen: the tab follows, a new score
    else
        Sluit();
}
