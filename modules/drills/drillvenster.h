#pragma once

#include "getalbereiken.h"
#include "reeksvenster.h"

#include <array>
#include <vector>

class QCheckBox;
class QLayout;
class QLineEdit;

// The place-value drills: exercises of the ticked kinds in random order, each typed and checked. The five
// windows, one per number range, differ only in the range and in what their Setup page is called.
class Drillvenster : public Reeksvenster
{
    Q_OBJECT

public:
    Drillvenster(Dialogen& dialogen, BereikIndex bereik, QWidget* parent = nullptr);

private:
    // An exercise is tried this often before one already shown in the series is accepted.
    static constexpr int MaxPogingen = 51;

    std::variant<Melding, int> ControleerInstellingen() override;
    Opgave MaakOefening() override;
    void ReeksGereset() override;
    QString Soort(const Opgave& opgave) const override;

    void MaakSetup(BereikIndex bereik);
    QLayout* MaakGroep(const Soortgroep& groep, int kolommen, QWidget* pagina);
    void TelGekozenSoorten();
    bool AlGemaakt(const std::string& som) const;

    const Getalbereik& m_bereik;
    std::vector<QCheckBox*> m_vakjes; // named after the window's box array
    QLineEdit* m_aantal = nullptr;

    std::vector<std::size_t> m_gekozen; // the ticked boxes, as last counted
    // The exercises of the series so far ("47-7"), by Gemaakt; kept until Setup or Help is clicked.
    std::array<std::string, 101> m_gemaakteOefeningen;
};
