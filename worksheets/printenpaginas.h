#pragma once

#include <array>
#include <vector>

class QCheckBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QScrollArea;
class QStackedWidget;
class QTabBar;
class QWidget;

// The tabs are numbered as TabSoort.
constexpr int PrintenTabAantal = 8;

// The tab strip and the eight pages of the worksheet window, with their named controls.
struct PrintenPaginas
{
    QTabBar* TabStrip = nullptr;
    QStackedWidget* Paginas = nullptr;
    std::array<QScrollArea*, PrintenTabAantal> Frame1 {}; // each page scrolls its controls if need be
    QLineEdit* txtMax = nullptr;
    std::array<QRadioButton*, 7> optHRbewerking {};
    QRadioButton* optBrugJa = nullptr;
    QRadioButton* optBrugNee = nullptr;
    std::array<QCheckBox*, 10> chkTafel {};
    std::array<QRadioButton*, 3> optTtafels {};
    // The kind boxes of the five range pages, in SoortPaginas() order.
    std::array<std::vector<QCheckBox*>, 5> chkSoorten;
    std::array<QLabel*, 6> lblHelpTitel {};
};

// Builds the tabs and pages as children of venster; the caller lays out TabStrip and Paginas.
PrintenPaginas MaakPrintenPaginas(QWidget& venster);
