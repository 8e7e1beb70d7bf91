#pragma once

#include <QColor>
#include <QWidget>

class QLabel;

// The feedback colours of lblUitslag.
namespace Uitslagkleur {
inline const QColor NieuweReeks {0, 0, 255};
inline const QColor Goed {0, 255, 0};
inline const QColor Fout {255, 0, 0};
} // namespace Uitslagkleur

// Fills the label's background; the text stays readable on every colour.
void ZetAchtergrond(QLabel* label, const QColor& kleur);

// The score-and-feedback strip of a series: lblUitslag with the verdict on its coloured background,
// lblResultaat with the running score and lblAantal with the exercises still to come. The three labels
// stand in one column; a window that needs them elsewhere takes them out with Uitslag() and the others.
class Scorebord : public QWidget
{
    Q_OBJECT

public:
    explicit Scorebord(QWidget* parent, const QString& uitslag = QStringLiteral("Vul in en druk op [enter]"));

    QLabel* Uitslag() const { return m_uitslag; }
    QLabel* Resultaat() const { return m_resultaat; }
    QLabel* Resterend() const { return m_aantal; }

    void ToonNieuweReeks(const QString& tekst); // on blue
    void ToonGoed(const QString& tekst = QStringLiteral("Goed zo !")); // on green
    void ToonFout(const QString& tekst = QStringLiteral("Foutje !")); // on red
    void ToonUitslag(const QString& tekst); // the colour stays

    void ToonResultaat(const QString& tekst);
    void ToonResterend(const QString& tekst);

private:
    QLabel* m_uitslag;
    QLabel* m_resultaat;
    QLabel* m_aantal;
};
