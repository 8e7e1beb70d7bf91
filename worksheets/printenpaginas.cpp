#include "printenpaginas.h"

#include "bewerkingen.h"
#include "getal.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollArea>
#include <QStringList>
#include <QVBoxLayout>

#include <algorithm>
#include <array>

namespace {

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
    {"chkSoortTD", 7},
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
    kolom->setSpacing(0);
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

// Boxes run down the columns in index order, so the page reads like the list of kinds; a group of the range
// ("Zonder brug", "Met brug") takes columns of its own under its heading.
void VulSoorten(QWidget* pagina, std::size_t paginaIndex, PrintenPaginas& p)
{
    QGridLayout* raster = Raster(pagina);
    const Getalbereik& bereik = SoortPaginas().at(paginaIndex).Bereik;
    const SoortRaster& vorm = Rasters.at(paginaIndex);
    std::vector<Soortgroep> groepen = bereik.groepen;
    if (groepen.empty())
        groepen.push_back({{}, 0, static_cast<int>(bereik.bladSoorten.size())});
    const int eersteRij = bereik.groepen.empty() ? 0 : 1;
    std::vector<QCheckBox*>& vakjes = p.chkSoorten.at(paginaIndex);
    for (std::size_t i = 0; i < bereik.bladSoorten.size(); ++i)
        vakjes.push_back(
            MaakKnop<QCheckBox>(pagina, QString::fromStdString(bereik.bladSoorten[i]), ArrayNaam(vorm.Naam, i)));
    int kolom = 0;
    for (const Soortgroep& groep : groepen) {
        const int kolommen = (groep.aantal + vorm.Rijen - 1) / vorm.Rijen;
        if (!groep.kop.empty())
            raster->addWidget(Label(QString::fromUtf8(groep.kop), pagina), 0, kolom, 1, kolommen);
        for (int i = 0; i < groep.aantal; ++i)
            raster->addWidget(vakjes.at(static_cast<std::size_t>(groep.eerste + i)), eersteRij + i % vorm.Rijen,
                kolom + i / vorm.Rijen);
        kolom += kolommen;
    }
    raster->setColumnStretch(kolom, 1);
    raster->setRowStretch(eersteRij + vorm.Rijen, 1);
}

// A page that does not fit a larger system font scrolls instead of squeezing its captions.
QWidget* RolbareInhoud(QWidget* pagina)
{
    auto* layout = new QVBoxLayout(pagina);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* rol = new QScrollArea(pagina);
    rol->setFrameShape(QFrame::NoFrame);
    rol->setWidgetResizable(true);
    auto* inhoud = new QWidget(rol);
    rol->setWidget(inhoud);
    layout->addWidget(rol);
    return inhoud;
}

void Vink(const std::vector<QCheckBox*>& vakjes, const std::vector<bool>& aan)
{
    for (std::size_t i = 0; i < vakjes.size(); ++i)
        vakjes[i]->setChecked(i < aan.size() && aan[i]);
}

std::vector<bool> Aangevinkt(const std::vector<QCheckBox*>& vakjes)
{
    std::vector<bool> aan;
    for (const QCheckBox* vakje : vakjes)
        aan.push_back(vakje->isChecked());
    return aan;
}

template<std::size_t N> int GekozenIndex(const std::array<QRadioButton*, N>& knoppen)
{
    const auto gekozen = std::ranges::find_if(knoppen, [](const QRadioButton* knop) { return knop->isChecked(); });
    return gekozen == knoppen.end() ? -1 : static_cast<int>(gekozen - knoppen.begin());
}

const QString Herbegin = QStringLiteral("\r\nEven herbeginnen...");

QStringList LeesHoofdrekenen(const PrintenPaginas& p, BladKeuze& keuze)
{
    const std::optional<std::int32_t> maximum = LeesGeheel32(p.txtMax->text().trimmed());
    if (!maximum || *maximum < 1 || *maximum > GrootsteBladMax) {
        QStringList meldingen {QStringLiteral("Kies een geldig maximum voor de oefeningen !")};
        if (maximum == 0)
            meldingen << QStringLiteral("Je moest nog een maximum opgeven !") + Herbegin;
        return meldingen;
    }
    const int bewerking = GekozenIndex(p.optHRbewerking);
    if (bewerking < 0)
        return {QStringLiteral("Kies nog een bewerking !!")};
    // Below this maximum the generators cannot make two different exercises, let alone 30.
    const std::int32_t kleinste = KleinsteMaximum(static_cast<Bewerkingskeuze>(bewerking + 1));
    if (*maximum < kleinste)
        return {QStringLiteral("Kies een maximum van minstens %1 voor deze bewerking !").arg(kleinste)};
    keuze.BladMax = *maximum;
    keuze.Brug = p.optBrugJa->isChecked();
    keuze.Soort = static_cast<BladSoort>(bewerking + 1);
    return {};
}

QStringList LeesTafels(const PrintenPaginas& p, BladKeuze& keuze)
{
    for (std::size_t i = 0; i < keuze.TafelKeuze.size(); ++i)
        keuze.TafelKeuze.at(i) = p.chkTafel.at(i)->isChecked();
    if (std::ranges::none_of(keuze.TafelKeuze, std::identity {}))
        return {QStringLiteral("Je moest nog minstens 1 tafel kiezen !") + Herbegin};
    const int soort = GekozenIndex(p.optTtafels);
    if (soort < 0)
        return {QStringLiteral("Kies nog maaltafels, deeltafels of beide !!")};
    keuze.Soort = static_cast<BladSoort>(static_cast<int>(BladSoort::Maaltafels) + soort);
    return {};
}

QStringList LeesSoorten(const PrintenPaginas& p, BladKeuze& keuze, std::size_t pagina)
{
    std::vector<bool>& gekozen = keuze.SoortKeuze.at(pagina);
    gekozen = Aangevinkt(p.chkSoorten.at(pagina));
    if (std::ranges::none_of(gekozen, std::identity {}))
        return {QStringLiteral("Kies minstens 1 soort oefeningen !") + Herbegin};
    keuze.Soort = SoortPaginas().at(pagina).Soort;
    return {};
}

} // namespace

std::vector<Tabblad> PrintenTabs()
{
    return {
        {QStringLiteral("Hoofdrekenen"), QStringLiteral("hoofdrekenen"),
            QStringLiteral("Klik hier om de oefening op te maken")},
        {QStringLiteral("Tafels"), QStringLiteral("tafels"), QStringLiteral("Klik hier om de oefening te starten")},
        {QStringLiteral("Tot 20"), QStringLiteral("twintig"), QStringLiteral("Klik hier voor meer uitleg")},
        {QStringLiteral("Tot 100"), QStringLiteral("honderd"), {}},
        {QStringLiteral("Tot 1000"), QStringLiteral("duizend"), {}},
        {QStringLiteral("Tot 10.000"), QStringLiteral("tienduizend"), {}},
        {QStringLiteral("Tot 100.000"), QStringLiteral("honderdduizend"), {}},
        {QStringLiteral("Help"), QStringLiteral("help"), {}},
    };
}

PrintenPaginas MaakPrintenPaginas(const std::array<QWidget*, PrintenTabAantal - 1>& paginas)
{
    PrintenPaginas p;
    VulHoofdrekenen(RolbareInhoud(paginas[0]), p);
    VulTafels(RolbareInhoud(paginas[1]), p);
    for (std::size_t i = 0; i < Rasters.size(); ++i)
        VulSoorten(RolbareInhoud(paginas.at(i + 2)), i, p);
    return p;
}

QStringList LeesInstellingen(const PrintenPaginas& p, BladKeuze& keuze)
{
    if (keuze.Tab == TabSoort::Hoofdrekenen)
        return LeesHoofdrekenen(p, keuze);
    if (keuze.Tab == TabSoort::Tafel)
        return LeesTafels(p, keuze);
    const std::optional<std::size_t> pagina = PaginaVanTab(keuze.Tab);
    return pagina ? LeesSoorten(p, keuze, *pagina) : QStringList {};
}

void ToonKeuze(PrintenPaginas& p, const BladKeuze& keuze)
{
    const int soort = static_cast<int>(*keuze.Soort);
    if (keuze.Tab == TabSoort::Hoofdrekenen) {
        p.txtMax->setText(QString::number(keuze.BladMax));
        p.optHRbewerking.at(static_cast<std::size_t>(soort - 1))->setChecked(true);
        (keuze.Brug ? p.optBrugJa : p.optBrugNee)->setChecked(true);
    } else if (keuze.Tab == TabSoort::Tafel) {
        for (std::size_t i = 0; i < p.chkTafel.size(); ++i)
            p.chkTafel.at(i)->setChecked(keuze.TafelKeuze.at(i));
        p.optTtafels.at(static_cast<std::size_t>(soort - static_cast<int>(BladSoort::Maaltafels)))->setChecked(true);
    } else if (const std::optional<std::size_t> pagina = PaginaVanTab(keuze.Tab)) {
        Vink(p.chkSoorten.at(*pagina), keuze.SoortKeuze.at(*pagina));
    }
}

std::optional<std::uint64_t> AantalVerschillend(const PrintenPaginas& p, TabSoort tab)
{
    BladKeuze keuze;
    keuze.Tab = tab;
    if (tab == TabSoort::Help || !LeesInstellingen(p, keuze).isEmpty())
        return std::nullopt;
    return AantalVerschillend(keuze);
}
