#include "drillvenster.h"

#include "bouwstenen.h"
#include "getal.h"
#include "toeval.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int MaxAantal = 100;

// What the five windows call their window and their kind boxes, and how they show them.
struct Drillnamen
{
    const char* venster;
    const char* vakjes; // element i of the box array is named vakjes + "(i)"
    int kolommen;
    const char* aantalLabel;
};

constexpr std::array<Drillnamen, 5> Namen {{
    {"frmTwintig", "chkOefening", 1, "aantal oefeningen :"},
    {"frmHonderd", "chkSoort", 4, "aantal oefeningen :"},
    {"frmDuizend", "chkSoort", 4, "aantal oefeningen :"},
    {"frmTienduizend", "chkSoortTD", 3, "Aantal oefeningen :"},
    {"frmHonderdduizend", "chkSoort", 2, "Aantal oefeningen :"},
}};

const Drillnamen& NamenVan(BereikIndex bereik)
{
    return Namen.at(static_cast<std::size_t>(bereik));
}

ReeksVarianten Varianten()
{
    ReeksVarianten varianten;
    varianten.resetOokOpHelp = true;
    varianten.resetUitslag = QStringLiteral("Nieuwe reeks");
    varianten.startUitslag.reset();
    varianten.tellersNulBijStart = true;
    varianten.eindResultaat = QStringLiteral("Resultaat : %1 op %2");
    varianten.fouttekst = ReeksVarianten::Fouttekst::Oplossing;
    return varianten;
}

} // namespace

Drillvenster::Drillvenster(Dialogen& dialogen, BereikIndex bereik, QWidget* parent)
    : Reeksvenster(dialogen, QString::fromUtf8(NamenVan(bereik).venster),
        QString::fromUtf8(BereikVan(bereik).drillTitel), parent, Varianten())
    , m_bereik(BereikVan(bereik))
{
    MaakSetup(bereik);
    ZetHelpteksten(QStringLiteral(
        "Vogel alle vakjes aan voor een oefening die je wil laten gebeuren. Druk dan op het tabblad 'Oefening'."));
    ZaaiToeval();
}

void Drillvenster::MaakSetup(BereikIndex bereik)
{
    const Drillnamen& namen = NamenVan(bereik);
    QWidget* pagina = Pagina(TabSetup);
    for (std::size_t i = 0; i < m_bereik.drillSoorten.size(); ++i) {
        auto* vakje = new QCheckBox(QString::fromStdString(m_bereik.drillSoorten[i]), pagina);
        vakje->setObjectName(QString::fromUtf8(namen.vakjes) + QStringLiteral("(%1)").arg(i));
        m_vakjes.push_back(vakje);
    }
    auto* groepen = new QHBoxLayout;
    groepen->setSpacing(24);
    if (m_bereik.groepen.empty())
        groepen->addLayout(MaakGroep({{}, 0, static_cast<int>(m_vakjes.size())}, namen.kolommen, pagina));
    for (const Soortgroep& groep : m_bereik.groepen)
        groepen->addLayout(MaakGroep(groep, namen.kolommen, pagina));
    groepen->addStretch(1);

    m_aantal = MaakGetalvak(pagina, QStringLiteral("txtAantal"), QStringLiteral("20"));
    QHBoxLayout* aantal = MaakGetalregel(pagina, QString::fromUtf8(namen.aantalLabel), m_aantal);
    aantal->addWidget(FoutjesKnop());

    auto* layout = new QVBoxLayout(pagina);
    layout->setContentsMargins(12, 10, 12, 10);
    layout->setSpacing(10);
    layout->addLayout(groepen);
    layout->addStretch(1);
    layout->addLayout(aantal);
}

// The boxes of a group in columns, filled column by column in index order, under the group's heading.
QLayout* Drillvenster::MaakGroep(const Soortgroep& groep, int kolommen, QWidget* pagina)
{
    auto* raster = new QGridLayout;
    raster->setHorizontalSpacing(14);
    raster->setVerticalSpacing(2);
    int rij = 0;
    if (!groep.kop.empty())
        raster->addWidget(
            new QLabel(QString::fromUtf8(groep.kop) + QStringLiteral(" :"), pagina), rij++, 0, 1, kolommen);
    const int rijen = (groep.aantal + kolommen - 1) / kolommen;
    for (int i = 0; i < groep.aantal; ++i)
        raster->addWidget(m_vakjes[static_cast<std::size_t>(groep.eerste + i)], rij + i % rijen, i / rijen);
    raster->setRowStretch(rij + rijen, 1);
    return raster;
}

void Drillvenster::TelGekozenSoorten()
{
    m_gekozen.clear();
    for (std::size_t i = 0; i < m_vakjes.size(); ++i) {
        if (m_vakjes[i]->isChecked())
            m_gekozen.push_back(i);
    }
}

std::variant<Melding, int> Drillvenster::ControleerInstellingen()
{
    TelGekozenSoorten();
    if (m_gekozen.empty())
        return Melding {QStringLiteral("Kies minstens 1 soort oefeningen !")};
    const auto aantal = LeesGeheel16(m_aantal->text());
    if (!aantal || *aantal < 1 || *aantal > MaxAantal)
        return Melding {QStringLiteral("Kies een degelijk aantal oefeningen !")};
    return int {*aantal};
}

Opgave Drillvenster::MaakOefening()
{
    // Every ticked box is equally likely, so a kind that stands on two boxes comes twice as often.
    const std::size_t vakje = m_gekozen[static_cast<std::size_t>(RandomIndex(std::ssize(m_gekozen)))];
    const std::string& soort = m_bereik.drillSoorten[vakje];
    Opgave opgave;
    for (int poging = 0; poging < MaxPogingen; ++poging) {
        opgave = m_bereik.maak(soort);
        if (!AlGemaakt(Som(opgave)))
            break;
    }
    m_gemaakteOefeningen.at(static_cast<std::size_t>(reeks().Gemaakt() - 1)) = Som(opgave);
    return opgave;
}

bool Drillvenster::AlGemaakt(const std::string& som) const
{
    return std::ranges::find(m_gemaakteOefeningen, som) != m_gemaakteOefeningen.end();
}

// The kind code after the range in the description: "100/TE-E=T".
QString Drillvenster::Soort(const Opgave& opgave) const
{
    return QString::fromStdString(opgave.Omschrijving).section(u'/', 1);
}

void Drillvenster::ReeksGereset()
{
    m_gemaakteOefeningen.fill({});
}
