#pragma once

#include "bewerkingkeuze.h"

#include "bewerkingen.h"
#include "oefenvenster.h"
#include "race.h"
#include "racegeluiden.h"

#include <array>
#include <optional>

class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class Renbaan;

// The race of two children on one computer: they answer in turn, every right answer drives the player's car a tenth
// of the track down, and ten right answers win. The teacher chooses the operation, the maximum, the bridge and the
// players' names on the Setup page.
class RekenraceVenster : public Oefenvenster
{
    Q_OBJECT

public:
    explicit RekenraceVenster(Dialogen& dialogen, QWidget* parent = nullptr);

private:
    // The exercise row of one player, inside the frame that carries the player's name.
    struct Speler
    {
        QGroupBox* frame = nullptr; // fraSpelerN
        QLabel* links = nullptr;
        QLabel* bewerking = nullptr;
        QLabel* rechts = nullptr;
        QLineEdit* oplossing = nullptr;
        QLineEdit* naam = nullptr; // txtSpelerN on the Setup page
        QString naamInRace; // as read when the race started
    };

    void SetupGekozen() override;
    bool OefeningGekozen() override;

    void MaakSetup();
    QLayout* MaakNamen();
    void MaakOefening();
    QGroupBox* MaakSpeler(int nummer, QWidget* terrein);

    void LeesInstellingen();
    std::optional<Melding> ControleerInstellingen() const;
    void StartRace();
    void Beurt(int speler);
    void Controleer(int speler);
    void ToonWinnaar();
    Speler& Paneel(int speler) { return m_spelers.at(static_cast<std::size_t>(speler - 1)); }

    Bewerkingopties m_bewerkingen {};
    Brugopties m_brugopties;
    QLineEdit* m_max = nullptr;
    std::array<Speler, 2> m_spelers;
    Renbaan* m_baan = nullptr;

    // As last read from the Setup page.
    std::optional<Bewerkingskeuze> m_keuze;
    std::optional<std::int32_t> m_maximum;
    bool m_raceBrug = true;

    Race m_race;
    Opgave m_opgave;
    Racegeluiden m_geluiden; // MMControl1
};
