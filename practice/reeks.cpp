#include "reeks.h"

#include "getal.h"

#include <utility>

Reeks::Reeks(ReeksVarianten varianten)
    : m_varianten(std::move(varianten))
{ }

void Reeks::Reset()
{
    m_goed = 0;
    m_gemaakt = 0;
}

void Reeks::Start(int aantal)
{
    m_aantal = aantal + 1;
    if (m_varianten.tellersNulBijStart)
        Reset();
}

bool Reeks::NieuweOefening()
{
    --m_aantal;
    if (m_aantal < 1) {
        m_aantal = 0;
        return false;
    }
    ++m_gemaakt;
    return true;
}

void Reeks::Beantwoord(bool goed)
{
    if (goed)
        ++m_goed;
}

QString Reeks::Resterend() const
{
    return QString(m_varianten.resterend).replace(QStringLiteral("%1"), Tekst(m_aantal));
}

QString Reeks::Resultaat() const
{
    return QStringLiteral("Resultaat : ") + Tekst(m_goed) + QStringLiteral(" op ") + Tekst(m_gemaakt);
}

QString Reeks::EindResultaat() const
{
    return QString(m_varianten.eindResultaat)
        .replace(QStringLiteral("%1"), Tekst(m_goed))
        .replace(QStringLiteral("%2"), Tekst(m_gemaakt));
}

QString Reeks::EindMelding() const
{
    return QStringLiteral("Alle oefeningen zijn gemaakt.\r\nJe haalde ") + Tekst(m_goed) + QStringLiteral(" op ")
        + Tekst(m_gemaakt);
}

QString Reeks::EindVraag() const
{
    return EindMelding() + QStringLiteral("\r\n\r\nNog eens ?");
}
