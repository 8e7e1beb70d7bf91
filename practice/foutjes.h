#pragma once

#include "opgave.h"

#include <QString>
#include <QStringList>

#include <vector>

// The exercise with its right answer, written without blanks: "47-7=40".
QString MetOplossing(const Opgave& opgave);

// What one series got wrong, for practising it again: the exercises answered wrong, and per kind how many of the
// kind's exercises were answered right.
class Foutjes
{
public:
    // Forgets the last series.
    void Begin();
    // One answer; `soort` names the exercise's kind where the window has kinds (empty otherwise).
    void Noteer(const Opgave& opgave, bool goed, const QString& soort = {});

    const std::vector<Opgave>& Fout() const { return m_fout; }
    // The wrong exercises with their answers, or "Geen foutjes !".
    QString Lijst() const;
    // "T+E : 5 op 5, TE-E : 3 op 5", in the order the kinds first came; empty without kinds.
    QString PerSoort() const;
    // The wrong exercises, each once, in a new random order.
    std::vector<Opgave> Geschud() const;

private:
    struct Stand
    {
        QString soort;
        int goed = 0;
        int gemaakt = 0;
    };
    std::vector<Opgave> m_fout;
    std::vector<Stand> m_soorten;
};
