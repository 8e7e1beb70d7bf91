#include "scorevenster.h"

#include "geluid.h"
#include "scorebord.h"

Scorevenster::Scorevenster(Dialogen& dialogen, const QString& naam, const QString& titel, QWidget* parent,
    const QString& beginUitslag, Stand stand)
    : Oefenvenster(dialogen, naam, titel, parent)
    , m_bord(new Scorebord(Pagina(TabOefening), beginUitslag))
    , m_stand(stand)
{
    m_bord->ToonResultaat(Score());
}

QString Scorevenster::Score() const
{
    return m_stand == Stand::MetWoord ? m_reeks.Resultaat() : m_reeks.EindResultaat();
}

void Scorevenster::ZetTellersNul()
{
    m_reeks.Reset();
    m_bord->ToonResultaat(Score());
}

void Scorevenster::SetupGekozen()
{
    ZetTellersNul();
    m_bord->ToonNieuweReeks(QStringLiteral("Nieuwe reeks !"));
}

bool Scorevenster::OefeningGekozen()
{
    const auto besluit = ControleerInstellingen();
    if (const auto* melding = std::get_if<Melding>(&besluit)) {
        Meld(*melding);
        StartGeweigerd();
        return false;
    }
    m_reeks.Start(std::get<int>(besluit));
    NieuweOefening();
    return true;
}

void Scorevenster::NieuweOefening()
{
    if (!m_reeks.NieuweOefening()) {
        EindeReeks();
        return;
    }
    m_bord->ToonResterend(m_reeks.Resterend());
    ToonOefening();
}

void Scorevenster::Beantwoord(bool goed)
{
    if (!m_reeks.Loopt())
        return;
    m_reeks.Beantwoord(goed);
    if (goed) {
        m_bord->ToonGoed();
        SpeelGoed();
    } else {
        m_bord->ToonFout();
        SpeelFout();
    }
    m_bord->ToonResultaat(Score());
    NieuweOefening();
}

// Ja shows the Setup page without clicking its tab, so the score stands until the teacher clicks Setup.
void Scorevenster::EindeReeks()
{
    m_bord->ToonUitslag(QStringLiteral("Klaar !"));
    m_bord->ToonResterend({});
    m_bord->ToonResultaat(m_reeks.EindResultaat());
    const Antwoord antwoord
        = dialogen().Melding(this, m_reeks.EindVraag(), QStringLiteral("opnieuw ?"), Knoppen::JaNee, Icoon::Geen);
    if (antwoord == Antwoord::Ja)
        ToonPagina(TabSetup);
    else
        Sluit();
}
