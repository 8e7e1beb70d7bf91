#include "printenpaginas.h"

#include "samenstellen.h"
#include "tabstrook.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollArea>
#include <QStackedWidget>
#include <QVBoxLayout>

#include <array>

namespace {

struct TabGegevens
{
    const char* Opschrift;
    const char* Sleutel;
    const char* Tooltip;
};

// In the order of TabSoort.
constexpr std::array<TabGegevens, PrintenTabAantal> Tabs {{
    {"Hoofdrekenen", "hoofdrekenen", "Klik hier om de oefening op te maken"},
    {"Tafels", "tafels", "Klik hier om de oefening te starten"},
    {"Tot 20", "twintig", "Klik hier voor meer uitleg"},
    {"Tot 100", "honderd", nullptr},
    {"Tot 1000", "duizend", nullptr},
    {"Tot 10.000", "tienduizend", nullptr},
    {"Tot 100.000", "honderdduizend", nullptr},
    {"Help", "help", nullptr},
}};

// Per range page: the boxes' array name and how many rows a column holds. The longest captions
// decide the rows: at the window's size the widest pages only fit three or four columns.
struct SoortRaster
{
    const char* Naam;
    int Rijen;
};

constexpr std::array<SoortRaster, 5> Rasters {{
    {"chkSoort20", 4},
    {"chkSoort", 7},
    {"chkSoort1000", 9},
    {"chkSoortTD", 10},
    {"chkSoortHD", 4},
}};

QString ArrayNaam(const char* naam, std::size_t index)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(naam)).arg(index);
}

QLabel* Label(const QString& tekst, QWidget* ouder)
{
    auto* label = new QLabel(tekst, ouder);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QGridLayout* Raster(QWidget* pagina)
{
    auto* raster = new QGridLayout(pagina);
    raster->setContentsMargins(6, 4, 6, 2);
    raster->setVerticalSpacing(0);
    return raster;
}

template<class Knop> Knop* MaakKnop(QWidget* ouder, const QString& opschrift, const QString& naam)
{
    auto* knop = new Knop(opschrift, ouder);
    knop->setObjectName(naam);
    return knop;
}

void VulHoofdrekenen(QWidget* pagina, PrintenPaginas& p)
{
    QGridLayout* raster = Raster(pagina);
    raster->addWidget(Label(QStringLiteral("Maximum :"), pagina), 0, 0);
    p.txtMax = new QLineEdit(QStringLiteral("20"), pagina);
    p.txtMax->setObjectName(QStringLiteral("txtMax"));
    raster->addWidget(p.txtMax, 0, 1);
    auto* bewerkingen = new QWidget(pagina);
    auto* kolom = new QVBoxLayout(bewerkingen);
    kolom->setContentsMargins(0, 0, 0, 0);
    constexpr std::array opschriften {"+", "-", "+ en -", "x", ":", "x en :", "+ - x :"};
    for (std::size_t i = 0; i < p.optHRbewerking.size(); ++i) {
        p.optHRbewerking[i]
            = MaakKnop<QRadioButton>(bewerkingen, QString::fromUtf8(opschriften.at(i)), ArrayNaam("optHRbewerking", i));
        kolom->addWidget(p.optHRbewerking[i]);
    }
    raster->addWidget(bewerkingen, 1, 0, 1, 2, Qt::AlignTop);
    auto* brug = new QGroupBox(QStringLiteral("Brug ?"), pagina);
    brug->setObjectName(QStringLiteral("fraBrug"));
    auto* brugKolom = new QVBoxLayout(brug);
    p.optBrugJa = MaakKnop<QRadioButton>(brug, QStringLiteral("ja"), QStringLiteral("optBrugJa"));
    p.optBrugNee = MaakKnop<QRadioButton>(brug, QStringLiteral("nee"), QStringLiteral("optBrugNee"));
    p.optBrugJa->setChecked(true);
    brugKolom->addWidget(p.optBrugJa);
    brugKolom->addWidget(p.optBrugNee);
    raster->addWidget(brug, 0, 2, 2, 1, Qt::AlignTop);
    raster->setColumnStretch(3, 1);
}

void VulTafels(QWidget* pagina, PrintenPaginas& p)
{
    QGridLayout* raster = Raster(pagina);
    for (std::size_t i = 0; i < p.chkTafel.size(); ++i) {
        p.chkTafel[i] = MaakKnop<QCheckBox>(pagina, QString::number(i + 1), ArrayNaam("chkTafel", i));
        raster->addWidget(p.chkTafel[i], static_cast<int>(i % 5), static_cast<int>(i / 5));
    }
    constexpr std::array opschriften {"Maaltafels", "Deeltafels", "Maal- en deeltafels"};
    for (std::size_t i = 0; i < p.optTtafels.size(); ++i) {
        p.optTtafels[i]
            = MaakKnop<QRadioButton>(pagina, QString::fromUtf8(opschriften.at(i)), ArrayNaam("optTtafels", i));
        raster->addWidget(p.optTtafels[i], static_cast<int>(i), 2);
    }
    raster->setColumnStretch(3, 1);
    raster->setRowStretch(5, 1);
}

// Boxes run down the columns in index order, so the page reads like the list of kinds.
void VulSoorten(QWidget* pagina, std::size_t paginaIndex, PrintenPaginas& p)
{
    QGridLayout* raster = Raster(pagina);
    const SoortPagina& soorten = SoortPaginas().at(paginaIndex);
    const SoortRaster& vorm = Rasters.at(paginaIndex);
    const bool twintig = paginaIndex == 0;
    const int eersteRij = twintig ? 1 : 0;
    if (twintig) {
        raster->addWidget(Label(QStringLiteral("Zonder brug"), pagina), 0, 0, 1, 2);
        raster->addWidget(Label(QStringLiteral("Met brug"), pagina), 0, 2);
    }
    std::vector<QCheckBox*>& vakjes = p.chkSoorten.at(paginaIndex);
    for (std::size_t i = 0; i < soorten.Soorten.size(); ++i) {
        vakjes.push_back(
            MaakKnop<QCheckBox>(pagina, QString::fromStdString(soorten.Soorten[i]), ArrayNaam(vorm.Naam, i)));
        const int plaats = static_cast<int>(i);
        raster->addWidget(vakjes.back(), eersteRij + plaats % vorm.Rijen, plaats / vorm.Rijen);
    }
    raster->setColumnStretch(raster->columnCount(), 1);
    raster->setRowStretch(eersteRij + vorm.Rijen, 1);
}

void VulHelp(QWidget* pagina, PrintenPaginas& p)
{
    QGridLayout* raster = Raster(pagina);
    raster->setVerticalSpacing(4);
    constexpr std::array titels {"Start :", "Oefening:", "Einde :"};
    for (std::size_t i = 0; i < p.lblHelpTitel.size(); ++i) {
        p.lblHelpTitel[i] = Label(i < titels.size() ? QString::fromUtf8(titels.at(i)) : QString(), pagina);
        p.lblHelpTitel[i]->setObjectName(ArrayNaam("lblHelpTitel", i));
        p.lblHelpTitel[i]->setWordWrap(true);
        p.lblHelpTitel[i]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        if (i < titels.size()) {
            QFont vet = p.lblHelpTitel[i]->font();
            vet.setBold(true);
            p.lblHelpTitel[i]->setFont(vet);
        }
        const int rij = static_cast<int>(i % titels.size());
        raster->addWidget(p.lblHelpTitel[i], rij, i < titels.size() ? 0 : 1);
    }
    raster->setColumnStretch(1, 1);
}

// A page that does not fit a larger system font scrolls instead of squeezing its captions.
QWidget* MaakPagina(PrintenPaginas& p, std::size_t index)
{
    auto* rol = new QScrollArea(p.Paginas);
    rol->setObjectName(ArrayNaam("Frame1", index));
    rol->setFrameShape(QFrame::NoFrame);
    rol->setWidgetResizable(true);
    auto* inhoud = new QWidget(rol);
    rol->setWidget(inhoud);
    p.Paginas->addWidget(rol);
    p.Frame1.at(index) = rol;
    return inhoud;
}

} // namespace

PrintenPaginas MaakPrintenPaginas(QWidget& venster)
{
    PrintenPaginas p;
    // Eight captions in a window of 7000 twips: only compact tabs show them all at once.
    p.TabStrip = new Tabstrook(&venster, Tabstrook::Vorm::Compact);
    p.TabStrip->setObjectName(QStringLiteral("TabStrip"));
    p.Paginas = new QStackedWidget(&venster);
    std::array<QWidget*, PrintenTabAantal> inhoud {};
    for (std::size_t i = 0; i < Tabs.size(); ++i) {
        const int tab = p.TabStrip->addTab(QString::fromUtf8(Tabs.at(i).Opschrift));
        p.TabStrip->setTabData(tab, QString::fromUtf8(Tabs.at(i).Sleutel));
        if (Tabs.at(i).Tooltip)
            p.TabStrip->setTabToolTip(tab, QString::fromUtf8(Tabs.at(i).Tooltip));
        inhoud.at(i) = MaakPagina(p, i);
    }
    VulHoofdrekenen(inhoud[0], p);
    VulTafels(inhoud[1], p);
    for (std::size_t i = 0; i < Rasters.size(); ++i)
        VulSoorten(inhoud.at(i + 2), i, p);
    VulHelp(inhoud[static_cast<std::size_t>(TabSoort::Help)], p);
    return p;
}
