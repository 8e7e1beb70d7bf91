#include "race.h"

#include "toeval.h"

#include <algorithm>

void Race::Start()
{
    m_scores = {};
    m_winnaar = 0;
    m_beurt = RandomTot(200) % 2 == 1 ? 1 : 2;
}

void Race::Beantwoord(bool goed)
{
    if (m_beurt == 0 || m_winnaar != 0)
        return;
    const std::size_t i = Index(m_beurt);
    if (goed) {
        ++m_scores[i];
        // A race started again without going back to the start would drive a car past the finish and out of sight;
        // it waits on the finish instead.
        m_boven[i] = std::min(m_boven[i] + Stap, Finish);
    }
    if (m_scores[i] >= Doel)
        m_winnaar = m_beurt;
    else
        m_beurt = 3 - m_beurt;
}

void Race::TerugNaarStart()
{
    m_scores = {};
    m_boven = {};
}
