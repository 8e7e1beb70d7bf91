#include "aftelling.h"

using namespace Qt::StringLiterals;

bool Aftelling::Tik()
{
    if (m_teller > 0)
        --m_teller;
    return m_teller < 1;
}

QString Aftelling::Tekst() const
{
    return u"Klik, druk of wacht "_s + QString::number(m_teller) + u" seconden."_s;
}

QColor Aftelling::Kleur() const
{
    // Ten, at the start, is shown in the colour of the odd numbers: the line starts blinking at the first tick.
    if (m_teller == Begin || m_teller % 2 != 0)
        return {255, 255, 192};
    return {255, 128, 128};
}
