#include "reeksvenster.h"

Reeksvenster::Reeksvenster(Dialogen& dialogen, const QString& naam, const QString& titel, QWidget* parent,
    ReeksVarianten varianten, QSize grootteTwips)
    : Oefenvenster(dialogen, naam, titel, parent, grootteTwips)
    , m_reeks(*this, std::move(varianten), [this] { return MaakOefening(); })
{ }

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
    return true;
}
