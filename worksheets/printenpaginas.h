#pragma once

#include "oefenvenster.h"
#include "samenstellen.h"

#include <QStringList>

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

class QCheckBox;
class QLineEdit;
class QRadioButton;
class QWidget;

// The tabs of the worksheet window, numbered as TabSoort, with their captions, keys and tooltips.
constexpr int PrintenTabAantal = 8;
std::vector<Tabblad> PrintenTabs();

// The seven settings pages of the worksheet window (the Help page is the frame's), with their named controls.
struct PrintenPaginas
{
    QLineEdit* txtMax = nullptr;
    std::array<QRadioButton*, 7> optHRbewerking {};
    QRadioButton* optBrugJa = nullptr;
    QRadioButton* optBrugNee = nullptr;
    std::array<QCheckBox*, 10> chkTafel {};
    std::array<QRadioButton*, 3> optTtafels {};
    // The kind boxes of the five range pages, in SoortPaginas() order.
    std::array<std::vector<QCheckBox*>, 5> chkSoorten;
};

// Fills the pages of the tabs Hoofdrekenen .. Tot 100.000; each scrolls its controls when a large system font needs
// more room than the window has.
PrintenPaginas MaakPrintenPaginas(const std::array<QWidget*, PrintenTabAantal - 1>& paginas);

// Reads the page of keuze.Tab into keuze. The messages of the first failing check, each followed by nothing else;
// none when the settings make a sheet (keuze.Soort is then set). The page's selection is read in either case.
QStringList LeesInstellingen(const PrintenPaginas& p, BladKeuze& keuze);

// Shows the settings of a choice on its own page, as a teacher would tick them.
void ToonKeuze(PrintenPaginas& p, const BladKeuze& keuze);

// How many different exercises the page of the tab allows as it stands (a mixed sheet); empty while it would not
// make a sheet (nothing ticked or chosen, no workable maximum) and on the Help page.
std::optional<std::uint64_t> AantalVerschillend(const PrintenPaginas& p, TabSoort tab);
