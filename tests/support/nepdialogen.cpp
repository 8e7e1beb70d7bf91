#include "nepdialogen.h"

#include <gtest/gtest.h>

namespace {

template<class T> std::optional<T> Volgende(std::deque<T>& rij)
{
    if (rij.empty())
        return std::nullopt;
    T eerste = std::move(rij.front());
    rij.pop_front();
    return eerste;
}

bool Past(Antwoord antwoord, Knoppen knoppen)
{
    return knoppen == Knoppen::Ok ? antwoord == Antwoord::Ok : antwoord != Antwoord::Ok;
}

} // namespace

const NepDialogen::Oproep& NepDialogen::laatste() const
{
    static const Oproep geen;
    if (m_oproepen.empty()) {
        ADD_FAILURE() << "no dialog was shown";
        return geen;
    }
    return m_oproepen.back();
}

bool NepDialogen::alleAntwoordenGebruikt() const
{
    return m_antwoorden.empty() && m_invoer.empty() && m_bestanden.empty();
}

Antwoord NepDialogen::Melding(QWidget* ouder, const QString& prompt, const QString& titel, Knoppen knoppen, Icoon icoon)
{
    m_oproepen.push_back({Soort::Melding, prompt, titel, knoppen, icoon, {}, ouder});
    const Antwoord standaard = knoppen == Knoppen::Ok ? Antwoord::Ok : Antwoord::Nee;
    const Antwoord antwoord = Volgende(m_antwoorden).value_or(standaard);
    if (!Past(antwoord, knoppen)) {
        ADD_FAILURE() << "scripted answer does not fit the buttons of: " << prompt.toStdString();
        return standaard;
    }
    return antwoord;
}

std::optional<QString> NepDialogen::Invoer(
    QWidget* ouder, const QString& prompt, const QString& titel, const QString& standaard)
{
    m_oproepen.push_back({Soort::Invoer, prompt, titel, Knoppen::Ok, Icoon::Geen, standaard, ouder});
    return Volgende(m_invoer).value_or(std::nullopt);
}

QString NepDialogen::BewaarAls(QWidget* ouder, const QString& titel, const QString& voorstel, const QString& filter)
{
    m_oproepen.push_back({Soort::BewaarAls, voorstel, titel, Knoppen::Ok, Icoon::Geen, filter, ouder});
    return Volgende(m_bestanden).value_or(QString());
}
