#pragma once

#include "scorevenster.h"

#include <array>

class Getalbeeldlabels;
class QLineEdit;
class QPushButton;

// Recognising number images: a number from 1 to the chosen maximum (5 to 10) is shown as a number image, and
// the child clicks the button with that number.
class HerkennenVenster : public Scorevenster
{
    Q_OBJECT

public:
    explicit HerkennenVenster(Dialogen& dialogen, QWidget* parent = nullptr);

private:
    std::variant<Melding, int> ControleerInstellingen() override;
    void ToonOefening() override;

    void MaakSetup();
    void MaakOefening();
    void ToonKnoppen();
    void ControleerOplossing(int gekozenKnop);

    QLineEdit* m_aantalVak = nullptr;
    Getalbeeldlabels* m_getalbeeld = nullptr;
    std::array<QPushButton*, 10> m_knoppen {}; // cmdNummer(i) shows i + 1

    int m_maximum = 10; // set by opt5 … opt10
    int m_getal = 0; // on screen; never twice in a row
};
