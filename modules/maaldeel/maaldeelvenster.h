#pragma once

#include "reeksvenster.h"
#include "tafels.h"

#include <array>

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLineEdit;
class QRadioButton;

// Times tables: the ticked tables of 1 to 10, multiplied, divided or both mixed. The exercises come from the
// times-table makers with this window's own previous answer.
class MaalDeelVenster : public Reeksvenster
{
    Q_OBJECT

public:
    explicit MaalDeelVenster(Dialogen& dialogen, QWidget* parent = nullptr);

private:
    enum class MaalDeelKeuze { Maal = 1, Deel = 2, Beide = 3 };

    std::variant<Melding, int> ControleerInstellingen() override;
    Opgave MaakOefening() override;

    void MaakSetup();
    QGroupBox* MaakTafels();
    QGroupBox* MaakBewerkingen();

    std::array<QCheckBox*, 10> m_tafelvakjes {}; // optTafel(i): the table of i + 1
    QButtonGroup* m_bewerkingen;
    QLineEdit* m_aantal = nullptr;

    // Taken when a series starts.
    Tafels m_tafels {};
    MaalDeelKeuze m_keuze = MaalDeelKeuze::Maal;
    std::int64_t m_vorigeUitkomst = 0;
};
