#pragma once

#include "foutjes.h"
#include "oefenvenster.h"
#include "opgave.h"
#include "reeks.h"

#include <deque>
#include <variant>

class Antwoordrij;
class QLabel;
class QPushButton;
class QScrollArea;
class Scorebord;

// The base of the typed-answer modules: the tab frame with a series behind its tabs, its Oefening page showing
// the exercise row over the score strip. A module adds its Setup page, its checks and how it makes one exercise;
// the rest follows from the variants. At the end of a series the page lists the exercises answered wrong, and the
// Setup page offers to practise exactly those again ("Foutjes oefenen (n)") until a setting changes.
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
    // The kind of an exercise, for the score per kind at the end; empty: the module has no kinds.
    virtual QString Soort(const Opgave&) const { return {}; }

    const Reeks& reeks() const { return m_reeks; }
    // The button that practises the last series' mistakes; the module places it on its Setup page.
    QPushButton* FoutjesKnop() const { return m_foutjesKnop; }

    void showEvent(QShowEvent* event) override;

private:
    void SetupGekozen() final;
    bool OefeningGekozen() final;
    void HelpGekozen() final;
    void ResetReeks();
    void NieuweOefening();
    void ControleerOplossing(const QString& antwoord);
    void EindeReeks();
    QString Fouttekst() const;
    void BeginReeks(int aantal);
    void OefenFoutjes();
    void ToonFoutjes();
    void VergeetFoutjes();
    void VolgInstellingen();

    Reeks m_reeks;
    Antwoordrij* m_rij;
    Scorebord* m_bord;
    QScrollArea* m_foutenvlak;
    QLabel* m_foutenlijst;
    QPushButton* m_foutjesKnop;
    Opgave m_opgave;
    Foutjes m_foutjes;
    std::deque<Opgave> m_herhaling; // the mistakes still to come in a series of mistakes
    bool m_instellingenGevolgd = false;
};
