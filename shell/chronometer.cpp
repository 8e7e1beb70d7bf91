#include "chronometer.h"

namespace {

// Two digits up to 99, the plain number beyond.
QString TweeCijfers(std::int64_t waarde)
{
    return waarde < 10 ? QStringLiteral("0") + QString::number(waarde) : QString::number(waarde);
}

} // namespace

void Chronometer::Tik()
{
    if (!m_loopt)
        return;
    if (++m_tienden == 10) {
        m_tienden = 0;
        ++m_seconden;
    }
    if (m_seconden == 60) {
        m_seconden = 0;
        ++m_minuten;
    }
}

void Chronometer::Start()
{
    m_loopt = true;
    m_startMag = false;
}

void Chronometer::Pauze()
{
    m_loopt = false;
}

void Chronometer::Stop()
{
    m_loopt = false;
    m_startMag = true;
    m_tienden = 0;
    m_seconden = 0;
    m_minuten = 0;
}

QString Chronometer::Minuten() const
{
    return TweeCijfers(m_minuten);
}

QString Chronometer::Seconden() const
{
    return TweeCijfers(m_seconden);
}

QString Chronometer::Tienden() const
{
    return QString::number(m_tienden);
}
