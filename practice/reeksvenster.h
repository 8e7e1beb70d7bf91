#pragma once

#include "oefenvenster.h"
#include "opgave.h"
#include "reeks.h"

#include <variant>

class Antwoordrij;
class Scorebord;

// The base of the typed-answer modules: the tab frame with a series behind its tabs, its Oefening page showing
// the exercise row over the score strip. A module adds its Setup page, its checks and how it makes one exercise;
// the rest follows from the variants.
class Reeksvenster : public Oefenvenster
{
    Q_OBJECT

protected:
    Reeksvenster(Dialogen& dialogen, const QString& naam, const QString& titel, QWidget* parent,
        ReeksVarianten varianten = {}, Vensteropmaak opmaak = {});

    // The module's checks in its own order: the first failing one as its message, or, when all pass, the number
    // of exercises (1..32767) after the module took its settings for the series.
    virtual std::variant<Melding, int> ControleerInstellingen() = 0;
    // The next exercise of the running series; it is exercise number reeks().Gemaakt() of the series.
    virtual Opgave MaakOefening() = 0;
    // After the series was reset by a tab; for module state that lives as long as a series.
    virtual void ReeksGereset() { }

    const Reeks& reeks() const { return m_reeks; }

private:
    void SetupGekozen() final;
    bool OefeningGekozen() final;
    void HelpGekozen() final;
    void ResetReeks();
    void NieuweOefening();
    void ControleerOplossing(const QString& antwoord);
    void EindeReeks();
    QString Fouttekst() const;

    Reeks m_reeks;
    Antwoordrij* m_rij;
    Scorebord* m_bord;
    Opgave m_opgave;
};
