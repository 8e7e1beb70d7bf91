#pragma once

#include "printen.h"
#include "toetsreeks.h"

#include <QWidget>

#include <array>
#include <vector>

class Dialogen;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QStackedWidget;

// The test series for the teacher (objectName "frmTest"): four stacked pages, Login, Setup, Test and Resultaten.
// "Start" checks the settings and lists fifty exercises of the chosen kind with their answers and descriptions;
// the list can be printed or saved as a PDF file.
class ToetsVenster : public QWidget
{
    Q_OBJECT

public:
    static constexpr int PaginaLogin = 0;
    static constexpr int PaginaSetup = 1;
    static constexpr int PaginaTest = 2;
    static constexpr int PaginaResultaten = 3;

    explicit ToetsVenster(Dialogen& dialogen, QWidget* parent = nullptr);

    // Where "Afdrukken" prints; the system's printer unless a test gives another.
    void ZetPrinter(PrinterBron printer) { m_printer = std::move(printer); }

protected:
    void showEvent(QShowEvent* event) override;

private:
    QGroupBox* MaakPagina(int index, const QString& titel);
    void MaakLogin();
    void MaakSetup();
    void MaakTestpagina();
    QWidget* MaakSoortkeuze();
    QGroupBox* MaakHoofdrekenen();
    QGroupBox* MaakTafels();
    QGroupBox* MaakSoortpagina(TestSoort soort, const QString& naam, int kolommen);

    void KiesSoort(int index);
    void Start();
    Testinstellingen LeesInstellingen() const;
    Printstuk Lijststuk() const;
    void Afdrukken();
    void BewaarPdf();

    Dialogen& m_dialogen;
    PrinterBron m_printer;
    QStackedWidget* m_paginas; // fraTest(i)
    QStackedWidget* m_soortpaginas = nullptr; // fraSoort(i)
    QComboBox* m_leerlingen = nullptr;
    std::array<QRadioButton*, 5> m_soortKeuze {}; // optSoortOefeningen(i)
    std::array<QRadioButton*, 7> m_hrSoort {}; // optHRSoort(i)
    std::array<QRadioButton*, 3> m_brug {}; // optBrug(i)
    QLineEdit* m_max = nullptr;
    std::array<QCheckBox*, 10> m_tafels {}; // chkTafels(i)
    std::array<QRadioButton*, 3> m_maalOfDeel {}; // optMaalOfDeel(i)
    std::array<std::vector<QCheckBox*>, 5> m_soortvakjes; // the boxes of the range pages, by TestSoort
    QPushButton* m_start = nullptr;
    QListWidget* m_opgaven = nullptr;

    TestSoort m_soort = TestSoort::Hoofdrekenen;
    Test m_test {};
    TestSoort m_testSoort = TestSoort::Hoofdrekenen; // of the list shown
    bool m_geplaatst = false;
};
