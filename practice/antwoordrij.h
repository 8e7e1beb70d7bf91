#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
struct Opgave;

// The exercise in one row with the box for the typed answer: lblLinks lblBewerking lblRechts lblIsgelijkaan
// txtOplossing. Return or Enter in the box hands the typed text on; other keys only type.
class Antwoordrij : public QWidget
{
    Q_OBJECT

public:
    explicit Antwoordrij(QWidget* parent);

    // Shows the exercise and empties the answer box, which gets the focus.
    void Toon(const Opgave& opgave);
    // Empties the exercise and the answer box; the equals sign stays.
    void Leeg();
    QLineEdit* Oplossing() const { return m_oplossing; }

signals:
    void Beantwoord(const QString& tekst);

private:
    QLabel* m_links;
    QLabel* m_bewerking;
    QLabel* m_rechts;
    QLabel* m_isgelijkaan;
    QLineEdit* m_oplossing;
};
