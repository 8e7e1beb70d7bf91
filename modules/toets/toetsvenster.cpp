#include "toetsvenster.h"

#include "bouwstenen.h"
#include "dialogen.h"
#include "twips.h"
#include "venster.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QStackedWidget>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr std::array<const char*, 5> Soortnamen {"Hoofdrekenen", "Tafels", "Tot 20", "Tot 100", "Tot 1000"};
constexpr QSize OntwerpTwips {5655, 4200};

QPushButton* MaakKnop(QWidget* ouder, const QString& naam, const QString& tekst)
{
    auto* knop = new QPushButton(tekst, ouder);
    knop->setObjectName(naam);
    return knop;
}

template<std::size_t N> int GekozenIndex(const std::array<QRadioButton*, N>& knoppen)
{
    const auto gekozen = std::ranges::find_if(knoppen, [](const QRadioButton* knop) { return knop->isChecked(); });
    return gekozen == knoppen.end() ? 0 : static_cast<int>(gekozen - knoppen.begin());
}

// Option buttons under each other, the first chosen; named naam(0), naam(1), ...
template<std::size_t N>
void MaakOpties(QWidget* ouder, QBoxLayout* lijst, const QString& naam, const std::array<const char*, N>& teksten,
    std::array<QRadioButton*, N>& knoppen)
{
    for (std::size_t i = 0; i < N; ++i) {
        knoppen[i] = MaakOptie(ouder, naam + QStringLiteral("(%1)").arg(i), QString::fromUtf8(teksten[i]));
        lijst->addWidget(knoppen[i]);
    }
    knoppen[0]->setChecked(true);
}

// The combo box gives its edit field a little less height than the field asks for: a typed name would be cut.
void RuimVoorNaam(QComboBox* keuze)
{
    QStyleOptionComboBox optie;
    optie.initFrom(keuze);
    optie.editable = true;
    optie.rect = QRect(QPoint(), keuze->sizeHint());
    const QRect veld = keuze->style()->subControlRect(QStyle::CC_ComboBox, &optie, QStyle::SC_ComboBoxEditField, keuze);
    const int tekort = keuze->lineEdit()->minimumSizeHint().height() - veld.height();
    if (tekort > 0)
        keuze->setMinimumHeight(keuze->sizeHint().height() + tekort);
}

} // namespace

ToetsVenster::ToetsVenster(Dialogen& dialogen, QWidget* parent)
    : QWidget(parent)
    , m_dialogen(dialogen)
    , m_printer(StandaardPrinter)
    , m_paginas(new QStackedWidget(this))
{
    setObjectName(QStringLiteral("frmTest"));
    setWindowTitle(QStringLiteral("De 50-oefeningen-test !"));
    MaakLogin();
    MaakSetup();
    MaakTestpagina();
    MaakPagina(PaginaResultaten, QStringLiteral("   Resultaten"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(m_paginas);
    m_paginas->setCurrentIndex(PaginaLogin);
}

QGroupBox* ToetsVenster::MaakPagina(int index, const QString& titel)
{
    auto* pagina = new QGroupBox(titel, m_paginas);
    pagina->setObjectName(QStringLiteral("fraTest(%1)").arg(index));
    m_paginas->insertWidget(index, pagina);
    return pagina;
}

// The pupil list has no entries and "Nieuwe leerling" no action yet; a name typed here goes onto the printed list.
void ToetsVenster::MaakLogin()
{
    QGroupBox* pagina = MaakPagina(PaginaLogin, QStringLiteral("Login"));
    m_leerlingen = new QComboBox(pagina);
    m_leerlingen->setObjectName(QStringLiteral("cboLeerlingen"));
    m_leerlingen->setEditable(true);
    m_leerlingen->lineEdit()->setPlaceholderText(QStringLiteral("Welke leerling gaat de test doen ?"));
    m_leerlingen->setMinimumContentsLength(30);
    RuimVoorNaam(m_leerlingen);
    QPushButton* nieuw = MaakKnop(pagina, QStringLiteral("cmdNieuweLL"), QStringLiteral("Nieuwe leerling"));
    nieuw->setEnabled(false);
    QPushButton* verder = MaakKnop(pagina, QStringLiteral("cmdGaVerder"), QStringLiteral("Volgende"));
    connect(verder, &QPushButton::clicked, this, [this] { m_paginas->setCurrentIndex(PaginaSetup); });

    auto* knoppen = new QHBoxLayout;
    knoppen->addWidget(nieuw);
    knoppen->addStretch(1);
    knoppen->addWidget(verder);
    auto* layout = new QVBoxLayout(pagina);
    layout->addWidget(m_leerlingen);
    layout->addStretch(1);
    layout->addLayout(knoppen);
}

void ToetsVenster::MaakSetup()
{
    QGroupBox* pagina = MaakPagina(PaginaSetup, QStringLiteral("   Setup"));
    m_soortpaginas = new QStackedWidget(pagina);
    m_soortpaginas->addWidget(MaakHoofdrekenen());
    m_soortpaginas->addWidget(MaakTafels());
    m_soortpaginas->addWidget(MaakSoortpagina(TestSoort::Tot20, QStringLiteral("chkSoort20"), 2));
    m_soortpaginas->addWidget(MaakSoortpagina(TestSoort::Tot100, QStringLiteral("chkSoort"), 3));
    m_soortpaginas->addWidget(MaakSoortpagina(TestSoort::Tot1000, QStringLiteral("chkSoort1000"), 4));
    m_start = MaakKnop(pagina, QStringLiteral("cmdStart"), QStringLiteral("Start"));
    connect(m_start, &QPushButton::clicked, this, &ToetsVenster::Start);

    auto* links = new QVBoxLayout;
    links->addWidget(MaakSoortkeuze());
    links->addStretch(1);
    links->addWidget(m_start);
    auto* layout = new QHBoxLayout(pagina);
    layout->addLayout(links);
    layout->addWidget(m_soortpaginas, 1);
}

QWidget* ToetsVenster::MaakSoortkeuze()
{
    auto* keuze = new QWidget(m_paginas->widget(PaginaSetup));
    auto* lijst = new QVBoxLayout(keuze);
    lijst->setContentsMargins(0, 0, 0, 0);
    MaakOpties(keuze, lijst, QStringLiteral("optSoortOefeningen"), Soortnamen, m_soortKeuze);
    for (std::size_t i = 0; i < m_soortKeuze.size(); ++i)
        connect(m_soortKeuze[i], &QRadioButton::clicked, this, [this, i] { KiesSoort(static_cast<int>(i)); });
    return keuze;
}

QGroupBox* ToetsVenster::MaakHoofdrekenen()
{
    auto* frame = new QGroupBox(QString::fromUtf8(Soortnamen[0]), m_soortpaginas);
    frame->setObjectName(QStringLiteral("fraSoort(0)"));
    m_max = MaakGetalvak(frame, QStringLiteral("txtMax"), QStringLiteral("10"));
    auto* soorten = new QVBoxLayout;
    MaakOpties(frame, soorten, QStringLiteral("optHRSoort"),
        std::array<const char*, 7> {
            "Plus", "Min", "Plus en min", "Maal", "Gedeeld door", "Maal en gedeeld door", "Alle vier + - x :"},
        m_hrSoort);
    for (QRadioButton* knop : m_hrSoort)
        connect(knop, &QRadioButton::clicked, this, [this] { m_start->setFocus(); });
    auto* brug = new QGroupBox(QStringLiteral("Oefeningen met brug ?"), frame);
    brug->setObjectName(QStringLiteral("fraBrug"));
    auto* brugLijst = new QVBoxLayout(brug);
    MaakOpties(brug, brugLijst, QStringLiteral("optBrug"), std::array<const char*, 3> {"Ja", "Nee", "Gemengd"}, m_brug);
    brugLijst->addStretch(1);

    auto* raster = new QGridLayout(frame);
    raster->addLayout(MaakGetalregel(frame, QStringLiteral("Geef hier een maximum op :"), m_max), 0, 0, 1, 2);
    raster->addLayout(soorten, 1, 0);
    raster->addWidget(brug, 1, 1, Qt::AlignTop);
    raster->setRowStretch(2, 1);
    return frame;
}

QGroupBox* ToetsVenster::MaakTafels()
{
    auto* frame = new QGroupBox(QString::fromUtf8(Soortnamen[1]), m_soortpaginas);
    frame->setObjectName(QStringLiteral("fraSoort(1)"));
    auto* raster = new QGridLayout;
    for (std::size_t i = 0; i < m_tafels.size(); ++i) {
        m_tafels[i] = new QCheckBox(QString::number(i + 1), frame);
        m_tafels[i]->setObjectName(QStringLiteral("chkTafels(%1)").arg(i));
        raster->addWidget(m_tafels[i], static_cast<int>(i / 5), static_cast<int>(i % 5));
    }
    auto* opties = new QVBoxLayout;
    MaakOpties(frame, opties, QStringLiteral("optMaalOfDeel"),
        std::array<const char*, 3> {"Maaltafels", "Deeltafels", "Gemengd"}, m_maalOfDeel);
    for (QRadioButton* knop : m_maalOfDeel)
        connect(knop, &QRadioButton::clicked, this, [this] { m_start->setFocus(); });
    auto* layout = new QVBoxLayout(frame);
    layout->addLayout(raster);
    layout->addSpacing(8);
    layout->addLayout(opties);
    layout->addStretch(1);
    return frame;
}

// The boxes in columns, filled column by column in index order; to 20 under the headings of the bridge.
QGroupBox* ToetsVenster::MaakSoortpagina(TestSoort soort, const QString& naam, int kolommen)
{
    const auto index = static_cast<std::size_t>(soort);
    auto* frame = new QGroupBox(QString::fromUtf8(Soortnamen.at(index)), m_soortpaginas);
    frame->setObjectName(QStringLiteral("fraSoort(%1)").arg(index));
    const std::vector<std::string>& soorten = TestSoorten(soort);
    std::vector<QCheckBox*>& vakjes = m_soortvakjes.at(index);
    for (std::size_t i = 0; i < soorten.size(); ++i) {
        vakjes.push_back(new QCheckBox(QString::fromStdString(soorten[i]), frame));
        vakjes.back()->setObjectName(naam + QStringLiteral("(%1)").arg(i));
    }
    auto* raster = new QGridLayout(frame);
    raster->setVerticalSpacing(2);
    const int aantal = static_cast<int>(vakjes.size());
    const int metBrug = soort == TestSoort::Tot20 ? 7 : aantal; // the first box of the bridge column
    const int kop = soort == TestSoort::Tot20 ? 1 : 0;
    if (kop) {
        raster->addWidget(new QLabel(QStringLiteral("Zonder brug :"), frame), 0, 0);
        raster->addWidget(new QLabel(QStringLiteral("Met brug :"), frame), 0, 1);
    }
    const int rijen = kop ? metBrug : (aantal + kolommen - 1) / kolommen;
    for (int i = 0; i < aantal; ++i) {
        const int plek = i < metBrug ? i : i - metBrug + rijen;
        raster->addWidget(vakjes[static_cast<std::size_t>(i)], kop + plek % rijen, plek / rijen);
    }
    raster->setRowStretch(kop + rijen, 1);
    return frame;
}

void ToetsVenster::MaakTestpagina()
{
    QGroupBox* pagina = MaakPagina(PaginaTest, QStringLiteral("   Test"));
    m_opgaven = new QListWidget(pagina);
    m_opgaven->setObjectName(QStringLiteral("lstOpgaven"));
    QLabel* uitleg = MaakLabel(pagina, QStringLiteral("lblUitleg"), font(),
        QStringLiteral("Hier zie je de oefeningen en de soort van oefening er achter. Klikken op de 'Stop'-knop "
                       "hieronder brengt je terug naar de Setup, zodat je nog eens kan proberen."));
    uitleg->setWordWrap(true);
    uitleg->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    QPushButton* afdrukken = MaakKnop(pagina, QStringLiteral("cmdAfdrukken"), QStringLiteral("Afdrukken"));
    afdrukken->setToolTip(QStringLiteral("print de lijst"));
    QPushButton* pdf = MaakKnop(pagina, QStringLiteral("cmdPdf"), QStringLiteral("Bewaren als PDF"));
    pdf->setToolTip(QStringLiteral("bewaar de lijst als PDF-bestand"));
    QPushButton* stop = MaakKnop(pagina, QStringLiteral("cmdStop"), QStringLiteral("Stop"));
    connect(afdrukken, &QPushButton::clicked, this, &ToetsVenster::Afdrukken);
    connect(pdf, &QPushButton::clicked, this, &ToetsVenster::BewaarPdf);
    connect(stop, &QPushButton::clicked, this, [this] { m_paginas->setCurrentIndex(PaginaSetup); });

    auto* knoppen = new QHBoxLayout;
    knoppen->addWidget(afdrukken);
    knoppen->addWidget(pdf);
    knoppen->addStretch(1);
    knoppen->addWidget(stop);
    auto* layout = new QVBoxLayout(pagina);
    layout->addWidget(m_opgaven, 1);
    layout->addWidget(uitleg);
    layout->addLayout(knoppen);
}

// The window needs more room than the design gave it for the larger lists of kinds.
void ToetsVenster::showEvent(QShowEvent* event)
{
    if (!m_geplaatst) {
        m_geplaatst = true;
        const QSize nodig = minimumSizeHint().expandedTo(PixelsGrootte(OntwerpTwips.width(), OntwerpTwips.height()));
        PlaatsVenster(this, {Twips(nodig.width()), Twips(nodig.height())}, Plaatsing::LinksBoven());
    }
    QWidget::showEvent(event);
}

void ToetsVenster::KiesSoort(int index)
{
    m_start->setFocus();
    m_soortpaginas->setCurrentIndex(index);
    m_soort = static_cast<TestSoort>(index);
}

Testinstellingen ToetsVenster::LeesInstellingen() const
{
    Testinstellingen instellingen;
    instellingen.soort = m_soort;
    instellingen.bewerking = static_cast<Bewerkingskeuze>(GekozenIndex(m_hrSoort) + 1);
    instellingen.brug = static_cast<BrugTekst>(GekozenIndex(m_brug));
    instellingen.maximum = m_max->text();
    for (std::size_t i = 0; i < m_tafels.size(); ++i)
        instellingen.tafels[i] = m_tafels[i]->isChecked();
    instellingen.maalOfDeel = static_cast<MaalOfDeel>(GekozenIndex(m_maalOfDeel));
    for (const QCheckBox* vakje : m_soortvakjes.at(static_cast<std::size_t>(m_soort)))
        instellingen.soorten.push_back(vakje->isChecked());
    return instellingen;
}

void ToetsVenster::Start()
{
    const std::optional<Testplan> plan = ControleerInstellingen(LeesInstellingen());
    if (!plan) {
        m_dialogen.Melding(this, QStringLiteral("Kijk je instellingen na, iets klopt niet !"), ProgrammaTitel(),
            Knoppen::Ok, Icoon::Geen);
        return;
    }
    m_test = MaakTest(*plan);
    m_testSoort = m_soort;
    m_paginas->setCurrentIndex(PaginaTest);
    m_opgaven->clear();
    m_opgaven->addItems(TestLijst(m_test));
    m_opgaven->setFocus();
}

Printstuk ToetsVenster::Lijststuk() const
{
    const QString soort = QString::fromUtf8(Soortnamen.at(static_cast<std::size_t>(m_testSoort)));
    return {TestPrintModel(m_test, soort, m_leerlingen->currentText().trimmed()), QStringLiteral("Test ") + soort,
        QStringLiteral("de lijst"), QStringLiteral("Lijst")};
}

void ToetsVenster::Afdrukken()
{
    PrintStuk(Lijststuk(), m_dialogen, this, m_printer);
}

void ToetsVenster::BewaarPdf()
{
    BewaarStukAlsPdfMetDialoog(Lijststuk(), m_dialogen, this);
}
