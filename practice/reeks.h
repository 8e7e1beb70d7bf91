#pragma once

#include <QString>

#include <optional>

// How the series of the modules differ; the defaults are those of mental arithmetic.
struct ReeksVarianten
{
    enum class Fouttekst { Foutje, Oplossing };

    bool resetOokOpHelp = false; // the Help tab resets the series as the Setup tab does
    // lblUitslag on a reset (with the blue background); empty: the label is left alone.
    std::optional<QString> resetUitslag = QStringLiteral("Nieuwe reeks !");
    // lblUitslag when a series starts; empty: unchanged.
    std::optional<QString> startUitslag = QStringLiteral("Vul in en druk op [enter]");
    bool tellersNulBijStart = false; // Goed and Gemaakt back to 0 when a series starts
    QString resterend = QStringLiteral("nog %1 oefeningen");
    QString eindResultaat = QStringLiteral("%1 op %2"); // lblResultaat at the end: Goed, Gemaakt
    // A wrong answer shows "Foutje !" or the exercise with its answer ("47-7=40").
    Fouttekst fouttekst = Fouttekst::Foutje;
};

// The counting of a series, without any window: how many exercises are still to come, how many were
// shown and how many answered right, and the texts a window shows for them.
class Reeks
{
public:
    explicit Reeks(ReeksVarianten varianten = {});

    const ReeksVarianten& Varianten() const { return m_varianten; }
    int Aantal() const { return m_aantal; } // still to come, the one on screen included
    int Goed() const { return m_goed; }
    int Gemaakt() const { return m_gemaakt; }
    // An exercise is on screen and waits for its answer.
    bool Loopt() const { return m_aantal >= 1; }

    // Goed and Gemaakt back to 0.
    void Reset();
    // A series of `aantal` (>= 1) exercises; the first comes with NieuweOefening.
    void Start(int aantal);
    // Counts down; true when an exercise follows (it is counted as made), false when the series is over.
    bool NieuweOefening();
    // Counts an answer to the exercise on screen.
    void Beantwoord(bool goed);
    // Ends a series early, as closing its window does: nothing is on screen any more.
    void Stop() { m_aantal = 0; }

    QString Resterend() const; // "nog 7 oefeningen"
    QString Resultaat() const; // "Resultaat : 2 op 3"
    QString EindResultaat() const; // the score line at the end of the series
    QString EindVraag() const; // the end question, "Alle oefeningen zijn gemaakt. ... Nog eens ?"
    QString EindMelding() const; // the same without "Nog eens ?", for windows that only say it

private:
    ReeksVarianten m_varianten;
    int m_aantal = 0;
    int m_goed = 0;
    int m_gemaakt = 0;
};
