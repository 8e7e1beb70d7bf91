#pragma once

#include <QColor>
#include <QObject>
#include <QString>

#include <cstdint>
#include <functional>
#include <optional>

class Oefenvenster;
class QLabel;
class QLineEdit;

// The feedback colours of lblUitslag.
namespace Uitslagkleur {
inline const QColor NieuweReeks {0, 0, 255};
inline const QColor Goed {0, 255, 0};
inline const QColor Fout {255, 0, 0};
} // namespace Uitslagkleur

// Fills the label's background; the text stays readable on every colour.
void ZetAchtergrond(QLabel* label, const QColor& kleur);

// One exercise as shown (Links Bewerking Rechts =) and the answer it is checked against.
struct Oefening
{
    QString Links;
    QString Bewerking;
    QString Rechts;
    std::int64_t Uitkomst = 0;

    // Written without blanks, "47-7": how the exercise is named in feedback and in a list of those shown.
    QString Som() const { return Links + Bewerking + Rechts; }
};

// The exercise the last generator call left in Opgave.
Oefening OefeningUitOpgave();

// How the typed-answer modules differ; the defaults are those of mental arithmetic.
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

// The series of typed answers: the counters, the Oefening page (built once, here) and the flow from
// the start of a series through every answer to the end dialog.
class Reeks : public QObject
{
    Q_OBJECT

public:
    using Maker = std::function<Oefening()>;

    // Builds the Oefening page into the window's page 1; `maak` makes one exercise.
    Reeks(Oefenvenster& venster, ReeksVarianten varianten, Maker maak);

    const ReeksVarianten& Varianten() const { return m_varianten; }
    int Aantal() const { return m_aantal; } // still to come, the one on screen included
    int Goed() const { return m_goed; }
    int Gemaakt() const { return m_gemaakt; }

    void Reset();
    // Starts a series of `aantal` (>= 1) exercises and shows the first.
    void Start(int aantal);
    void NieuweOefening();
    void ControleerOplossing();
    void EindeReeks();

    QLabel* lblLinks;
    QLabel* lblBewerking;
    QLabel* lblRechts;
    QLabel* lblIsgelijkaan;
    QLineEdit* txtOplossing;
    QLabel* lblUitslag;
    QLabel* lblResultaat;
    QLabel* lblAantal;

private:
    void MaakPagina();
    void SchikPagina(QWidget* pagina);
    void ToonOefening();
    QString Fouttekst() const;

    Oefenvenster& m_venster;
    ReeksVarianten m_varianten;
    Maker m_maak;
    Oefening m_oefening;
    int m_aantal = 0;
    int m_goed = 0;
    int m_gemaakt = 0;
};
