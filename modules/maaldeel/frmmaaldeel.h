#pragma once

#include "reeksvenster.h"
#include "tafeloefening.h"

#include <array>

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLineEdit;
class QRadioButton;

// Times tables: the ticked tables of 1 to 10, multiplied, divided or both mixed. The exercises are
// made here, from the ticked tables, and kept in the window.
class frmMaalDeel : public Reeksvenster
{
    Q_OBJECT

public:
    explicit frmMaalDeel(Dialogen& dialogen, QWidget* parent = nullptr);

private:
    enum class MaalDeelKeuze { Maal = 1, Deel = 2, Beide = 3 };

    std::variant<Melding, int> ControleerInstellingen() override;
    Oefening MaakOefening() override;

    void MaakSetup();
    QGroupBox* MaakTafels();
    QGroupBox* MaakBewerkingen();

    QGroupBox* fraTafel;
    std::array<QCheckBox*, 10> optTafel {};
    QGroupBox* fraBewerking;
    std::array<QRadioButton*, 3> optMaal {};
    QButtonGroup* m_bewerkingen;
    QLineEdit* txtAantal;

    // Taken when a series starts.
    Tafels m_tafels {};
    MaalDeelKeuze m_keuze = MaalDeelKeuze::Maal;
    Tafeloefening m_oefening;
};
