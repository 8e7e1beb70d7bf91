#pragma once

#include "getallenrij.h"
#include "scorevenster.h"

class QLabel;
class QLineEdit;

// Completing a number row: four numbers with a constant step of which the third is missing; the child types it.
// The teacher chooses the maximum, the step (negative for a falling row) and the number of exercises.
class AanvullenVenster : public Scorevenster
{
    Q_OBJECT

public:
    explicit AanvullenVenster(Dialogen& dialogen, QWidget* parent = nullptr);

private:
    std::variant<Melding, int> ControleerInstellingen() override;
    void StartGeweigerd() override;
    void ToonOefening() override;

    void MaakSetup();
    void MaakOefening();
    void ControleerOplossing();

    QLineEdit* m_maximumVak = nullptr;
    QLineEdit* m_intervalVak = nullptr;
    QLineEdit* m_aantalVak = nullptr;
    QLabel* m_links = nullptr;
    QLabel* m_midden = nullptr;
    QLabel* m_rechts = nullptr;
    QLineEdit* m_oplossing = nullptr;

    // Taken when a series starts.
    std::int64_t m_maximum = 0;
    std::int64_t m_interval = 0;
    Getallenrij m_rij; // on screen; its missing number is not drawn twice in a row
};
