#pragma once

#include "bewerkingen.h"
#include "reeksvenster.h"

#include <array>
#include <optional>

class QGroupBox;
class QLineEdit;
class QRadioButton;

// Mental arithmetic: the four operations, a maximum, a number of exercises and whether a bridge
// may occur; the exercises come from the shared four-operation generators.
class frmHoofdrekenen : public Reeksvenster
{
    Q_OBJECT

public:
    explicit frmHoofdrekenen(Dialogen& dialogen, QWidget* parent = nullptr);

private:
    std::variant<Melding, int> ControleerInstellingen() override;
    Oefening MaakOefening() override;

    void MaakSetup();
    QGroupBox* MaakBewerkingen();
    QGroupBox* MaakBrug();
    Bewerkingskeuze GekozenBewerking() const;
    void txtMaxGewijzigd();

    QGroupBox* fraBewerking;
    std::array<QRadioButton*, 7> optBewerking {};
    QGroupBox* fraBrug;
    QRadioButton* optBrugJa;
    QRadioButton* optBrugNee;
    QLineEdit* txtMax;
    QLineEdit* txtAantal;

    // The operation of the last series started; empty before the first.
    std::optional<Bewerkingskeuze> Keuze;
};
