#pragma once

#include "drillinstellingen.h"
#include "reeksvenster.h"

#include <array>
#include <vector>

class QCheckBox;
class QLayout;
class QLineEdit;

// The place-value drills: exercises of the ticked kinds in random order, each typed and checked.
// The five windows differ only in their Drillinstelling.
class frmDrill : public Reeksvenster
{
    Q_OBJECT

protected:
    frmDrill(Dialogen& dialogen, const Drillinstelling& instelling, QWidget* parent);

private:
    // An exercise is tried this often before one already shown in the series is accepted.
    static constexpr int MaxPogingen = 51;

    std::variant<Melding, int> ControleerInstellingen() override;
    Oefening MaakOefening() override;
    void ReeksGereset() override;

    void MaakSetup();
    QLayout* MaakGroep(const Vakjesgroep& groep, QWidget* pagina);
    void TelGekozenSoorten();
    bool AlGemaakt(const QString& oefening) const;

    const Drillinstelling& m_instelling;
    std::vector<QCheckBox*> m_vakjes; // named after the window's box array
    QLineEdit* txtAantal;

    std::vector<std::size_t> Gekozen; // the ticked boxes, as last counted
    // The exercises of the series so far ("47-7"), by Gemaakt; kept until Setup or Help is clicked.
    std::array<QString, 101> GemaakteOefeningen;
};

class frmTwintig final : public frmDrill
{
    Q_OBJECT

public:
    explicit frmTwintig(Dialogen& dialogen, QWidget* parent = nullptr);
};

class frmHonderd final : public frmDrill
{
    Q_OBJECT

public:
    explicit frmHonderd(Dialogen& dialogen, QWidget* parent = nullptr);
};

class frmDuizend final : public frmDrill
{
    Q_OBJECT

public:
    explicit frmDuizend(Dialogen& dialogen, QWidget* parent = nullptr);
};

class frmTienduizend final : public frmDrill
{
    Q_OBJECT

public:
    explicit frmTienduizend(Dialogen& dialogen, QWidget* parent = nullptr);
};

class frmHonderdduizend final : public frmDrill
{
    Q_OBJECT

public:
    explicit frmHonderdduizend(Dialogen& dialogen, QWidget* parent = nullptr);
};
