#pragma once

#include "oefenvenster.h"
#include "reeks.h"

#include <variant>

class Scorebord;

// A practice window whose exercises are answered once each, right or wrong, and that shows them its own way (a
// number row, a number image): this counts, gives the verdict with its sound and asks at the end whether to
// practise again. The score lasts until the Setup tab is clicked: Help, a new start and the end question's Ja
// leave it standing, so that two series in a row can be counted together.
class Scorevenster : public Oefenvenster
{
    Q_OBJECT

protected:
    // The running score line reads "Resultaat : 2 op 3", or "2 op 3" where the word stands in a label of its own.
    enum class Stand { MetWoord, ZonderWoord };

    Scorevenster(Dialogen& dialogen, const QString& naam, const QString& titel, QWidget* parent,
        const QString& beginUitslag, Stand stand);

    // The module's checks in its own order: the first failing one as its message, or, when all pass, the number
    // of exercises after the module took its settings for the series.
    virtual std::variant<Melding, int> ControleerInstellingen() = 0;
    // A start was refused and its message shown.
    virtual void StartGeweigerd() { }
    // Makes and shows the next exercise of the running series.
    virtual void ToonOefening() = 0;

    // The answer to the exercise on screen: the verdict, its sound, the score, then the next exercise.
    void Beantwoord(bool goed);
    // Goed and Gemaakt back to 0, and the score line with them.
    void ZetTellersNul();
    bool Loopt() const { return m_reeks.Loopt(); }
    Scorebord* bord() const { return m_bord; }

private:
    void SetupGekozen() final;
    bool OefeningGekozen() final;
    void NieuweOefening();
    void EindeReeks();
    QString Score() const;

    Reeks m_reeks;
    Scorebord* m_bord;
    Stand m_stand;
};
