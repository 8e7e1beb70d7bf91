#pragma once

#include "bewerkingkeuze.h"

#include "bewerkingen.h"
#include "reeksvenster.h"

#include <array>
#include <optional>

class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;

// Mental arithmetic: the four operations, a maximum, a number of exercises and whether a bridge may occur; the
// exercises come from the shared four-operation generators.
class HoofdrekenenVenster : public Reeksvenster
{
    Q_OBJECT

public:
    explicit HoofdrekenenVenster(Dialogen& dialogen, QWidget* parent = nullptr);

private:
    std::variant<Melding, int> ControleerInstellingen() override;
    Opgave MaakOefening() override;

    void MaakSetup();
    void ZetBrugopties();
    void ToonAantal();

    Bewerkingopties m_bewerkingen {};
    Brugopties m_brugopties;
    QLineEdit* m_max = nullptr;
    QLineEdit* m_aantal = nullptr;
    QLabel* m_verschillend = nullptr; // lblAantalOefeningen

    // Taken when a series starts; Keuze is empty before the first.
    std::optional<Bewerkingskeuze> m_keuze;
    std::int32_t m_maximum = 0;
    bool m_brug = true;
};
