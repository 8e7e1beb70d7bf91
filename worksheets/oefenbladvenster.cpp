#include "oefenbladvenster.h"

#include "bewerkingen.h"
#include "dialogen.h"
#include "document.h"
#include "getal.h"
#include "printvoorbeeldvenster.h"
#include "twips.h"
#include "venster.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTabBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const QString RegelEinde = QStringLiteral("\r\n");

template<std::size_t N> int GekozenIndex(const std::array<QRadioButton*, N>& knoppen)
{
    const auto gekozen = std::ranges::find_if(knoppen, [](const QRadioButton* knop) { return knop->isChecked(); });
    return gekozen == knoppen.end() ? -1 : static_cast<int>(gekozen - knoppen.begin());
}

QPushButton* MaakKnop(QWidget* ouder, const char* naam, const char* opschrift, const char* tip)
{
    auto* knop = new QPushButton(QString::fromUtf8(opschrift), ouder);
    knop->setObjectName(QString::fromUtf8(naam));
    knop->setToolTip(QString::fromUtf8(tip));
    return knop;
}

} // namespace

OefenbladVenster::OefenbladVenster(Dialogen& dialogen, QWidget* parent)
    : QWidget(parent)
    , m_dialogen(dialogen)
    , m_paginas(MaakPrintenPaginas(*this))
    , m_printer(StandaardPrinter)
    , m_opener(&QDesktopServices::openUrl)
    , m_sjabloon(SjabloonPad())
{
    setObjectName(QStringLiteral("frmPrinten"));
    setWindowTitle(QStringLiteral("Oefenbladen afprinten : voorbereiding"));
    auto* knoppen = new QWidget(this);
    MaakKnoppen(knoppen);
    VerbindKnoppen();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(0);
    layout->addWidget(m_paginas.TabStrip);
    layout->addWidget(m_paginas.Paginas, 1);
    layout->addWidget(knoppen);
    // tabBarClicked also comes for the tab that is already selected: that click acts too.
    connect(m_paginas.TabStrip, &QTabBar::tabBarClicked, this, &OefenbladVenster::KiesTab);
    ZetVoorbeeldKnoppen(false);
}

// One column per output (paper, PDF, document), each with an "Opgaven" and a solutions button
// under a small heading, so that the three "Opgaven" buttons cannot be mistaken for each other.
void OefenbladVenster::MaakKnoppen(QWidget* rij)
{
    auto* raster = new QGridLayout(rij);
    raster->setContentsMargins(0, 4, 0, 0);
    raster->setSpacing(3);
    m_nieuwBlad = MaakKnop(rij, "cmdVoorbeeld", "Printvoorbeeld", "Voorbeeldknop");
    m_andereOefeningen = MaakKnop(rij, "cmdVoorbeeldZelfde", "Andere oefeningen", "Voorbeeldknop");
    m_printOpgaven = MaakKnop(rij, "cmdPrintOpgaven", "Opgaven", "print de opgaven");
    m_printOplossingen = MaakKnop(rij, "cmdPrintOplossingen", "Oplossingen", "print de oplossingen");
    m_pdfOpgaven = MaakKnop(rij, "cmdPdfOpgaven", "Opgaven", "bewaar de opgaven als PDF-bestand");
    m_pdfOplossingen = MaakKnop(rij, "cmdPdfOplossingen", "Oplossingen", "bewaar de oplossingen als PDF-bestand");
    m_documentOpgaven = MaakKnop(rij, "cmdWOpgaven", "Opgaven", "maak een document met de opgaven");
    m_documentOplossingen = MaakKnop(rij, "cmdWOplossingen", "Oplossing", "maak een document met de oplossingen");
    m_stop = new QToolButton(rij);
    m_stop->setObjectName(QStringLiteral("cmdStop"));
    m_stop->setAccessibleName(QStringLiteral("Afsluiten"));
    m_stop->setToolTip(QStringLiteral("Deze oefening afsluiten"));
    m_stop->setIcon(QIcon(QStringLiteral(":/practice/stop.svg")));
    m_stop->setIconSize({24, 24});
    m_stop->setAutoRaise(true);

    raster->addWidget(m_nieuwBlad, 1, 0);
    raster->addWidget(m_andereOefeningen, 2, 0);
    const std::array koppen {"Printen:", "PDF:", "Document:"};
    const std::array<std::array<QPushButton*, 2>, 3> kolommen {{{m_printOpgaven, m_printOplossingen},
        {m_pdfOpgaven, m_pdfOplossingen}, {m_documentOpgaven, m_documentOplossingen}}};
    for (int k = 0; k < 3; ++k) {
        const auto i = static_cast<std::size_t>(k);
        auto* kop = new QLabel(QString::fromUtf8(koppen.at(i)), rij);
        kop->setTextFormat(Qt::PlainText);
        raster->addWidget(kop, 0, k + 1);
        raster->addWidget(kolommen.at(i)[0], 1, k + 1);
        raster->addWidget(kolommen.at(i)[1], 2, k + 1);
    }
    raster->addWidget(m_stop, 1, 4, 2, 1, Qt::AlignRight | Qt::AlignVCenter);
    raster->setColumnStretch(4, 1);
}

void OefenbladVenster::VerbindKnoppen()
{
    connect(m_nieuwBlad, &QPushButton::clicked, this, &OefenbladVenster::MaakNieuwBlad);
    connect(m_andereOefeningen, &QPushButton::clicked, this, &OefenbladVenster::MaakAndereOefeningen);
    connect(m_printOpgaven, &QPushButton::clicked, this, [this] { Print(Printversie::Opgaven); });
    connect(m_printOplossingen, &QPushButton::clicked, this, [this] { Print(Printversie::Oplossingen); });
    connect(m_pdfOpgaven, &QPushButton::clicked, this, [this] { BewaarPdf(Printversie::Opgaven); });
    connect(m_pdfOplossingen, &QPushButton::clicked, this, [this] { BewaarPdf(Printversie::Oplossingen); });
    connect(m_documentOpgaven, &QPushButton::clicked, this, [this] { MaakDocument(Printversie::Opgaven); });
    connect(m_documentOplossingen, &QPushButton::clicked, this, [this] { MaakDocument(Printversie::Oplossingen); });
    // Closing this window closes the preview first (closeEvent).
    connect(m_stop, &QToolButton::clicked, this, [this] { SluitVenster(this); });
}

void OefenbladVenster::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!m_geplaatst) {
        m_geplaatst = true;
        PlaatsVenster(this, VensterGrootte(), Plaatsing::LinksBoven());
    }
}

// Wider than the usual size only as far as the tab strip needs: the teacher must see all eight
// tabs at once, whatever the system font.
QSize OefenbladVenster::VensterGrootte() const
{
    const QMargins marges = layout()->contentsMargins();
    const int tabs = m_paginas.TabStrip->sizeHint().width() + marges.left() + marges.right();
    return {std::max(Grootte.width(), Twips(tabs)), Grootte.height()};
}

void OefenbladVenster::closeEvent(QCloseEvent* event)
{
    SluitVoorbeeld();
    QWidget::closeEvent(event);
}

void OefenbladVenster::KiesTab(int index)
{
    if (index < 0 || index >= PrintenTabAantal)
        return;
    m_paginas.Paginas->setCurrentIndex(index);
    m_tab = static_cast<TabSoort>(index);
    m_nieuwBlad->setEnabled(m_tab != TabSoort::Help);
    if (m_tab == TabSoort::Help)
        ToonHelpTeksten();
}

// The settings are read into a copy and only kept when they pass every check, so that a refused
// "Printvoorbeeld" leaves the sheet and what "Andere oefeningen" makes exactly as they were.
void OefenbladVenster::MaakNieuwBlad()
{
    BladKeuze nieuw = m_keuze;
    nieuw.Tab = m_tab;
    if (!LeesInstellingen(nieuw))
        return;
    nieuw.Ordening = VraagOrdening(TelSoorten(nieuw));
    m_keuze = nieuw;
    MaakBlad(m_blad, m_keuze);
    MaakOndertitel();
    ToonVoorbeeld();
}

void OefenbladVenster::MaakAndereOefeningen()
{
    if (!m_keuze.Soort)
        return;
    MaakBlad(m_blad, m_keuze);
    ToonVoorbeeld();
}

bool OefenbladVenster::LeesInstellingen(BladKeuze& keuze)
{
    if (m_tab == TabSoort::Hoofdrekenen)
        return LeesHoofdrekenen(keuze);
    if (m_tab == TabSoort::Tafel)
        return LeesTafels(keuze);
    const std::optional<std::size_t> pagina = PaginaVanTab(m_tab);
    return pagina && LeesSoorten(keuze, *pagina);
}

bool OefenbladVenster::LeesHoofdrekenen(BladKeuze& keuze)
{
    const std::optional<std::int32_t> maximum = LeesGeheel32(m_paginas.txtMax->text().trimmed());
    if (!maximum || *maximum < 1 || *maximum > 100000) {
        Meld(QStringLiteral("Kies een geldig maximum voor de oefeningen !"));
        if (maximum == 0)
            Meld(QStringLiteral("Je moest nog een maximum opgeven !") + RegelEinde
                + QStringLiteral("Even herbeginnen..."));
        return false;
    }
    const int bewerking = GekozenIndex(m_paginas.optHRbewerking);
    if (bewerking < 0) {
        Meld(QStringLiteral("Kies nog een bewerking !!"));
        return false;
    }
    // Below this maximum the generators cannot make two different exercises, let alone 30.
    const std::int32_t kleinste = KleinsteMaximum(static_cast<Bewerkingskeuze>(bewerking + 1));
    if (*maximum < kleinste) {
        Meld(QStringLiteral("Kies een maximum van minstens %1 voor deze bewerking !").arg(kleinste));
        return false;
    }
    keuze.BladMax = *maximum;
    keuze.Brug = m_paginas.optBrugJa->isChecked();
    keuze.Soort = static_cast<BladSoort>(bewerking + 1);
    return true;
}

bool OefenbladVenster::LeesTafels(BladKeuze& keuze)
{
    for (std::size_t i = 0; i < keuze.TafelKeuze.size(); ++i)
        keuze.TafelKeuze.at(i) = m_paginas.chkTafel.at(i)->isChecked();
    if (std::ranges::none_of(keuze.TafelKeuze, std::identity {})) {
        Meld(QStringLiteral("Je moest nog minstens 1 tafel kiezen !") + RegelEinde
            + QStringLiteral("Even herbeginnen..."));
        return false;
    }
    const int soort = GekozenIndex(m_paginas.optTtafels);
    if (soort < 0) {
        Meld(QStringLiteral("Kies nog maaltafels, deeltafels of beide !!"));
        return false;
    }
    keuze.Soort = static_cast<BladSoort>(static_cast<int>(BladSoort::Maaltafels) + soort);
    return true;
}

bool OefenbladVenster::LeesSoorten(BladKeuze& keuze, std::size_t pagina)
{
    std::vector<bool>& gekozen = keuze.SoortKeuze.at(pagina);
    gekozen.clear();
    for (const QCheckBox* vakje : m_paginas.chkSoorten.at(pagina))
        gekozen.push_back(vakje->isChecked());
    if (std::ranges::none_of(gekozen, std::identity {})) {
        Meld(QStringLiteral("Kies minstens 1 soort oefeningen !") + RegelEinde + QStringLiteral("Even herbeginnen..."));
        return false;
    }
    keuze.Soort = SoortPaginas().at(pagina).Soort;
    return true;
}

BladOrdening OefenbladVenster::VraagOrdening(int aantalSoorten)
{
    if (aantalSoorten != 3 && aantalSoorten != 6)
        return BladOrdening::Gemengd;
    const QString vraag = QStringLiteral("Je hebt %1 oefensoorten gekozen.").arg(aantalSoorten) + RegelEinde
        + QStringLiteral("Wil je de oefeningen ordenen per soort ?");
    if (m_dialogen.Melding(this, vraag, QStringLiteral("Ordenen ?"), Knoppen::JaNee, Icoon::Informatie) != Antwoord::Ja)
        return BladOrdening::Gemengd;
    return aantalSoorten == 3 ? BladOrdening::Per10 : BladOrdening::Per5;
}

void OefenbladVenster::MaakOndertitel()
{
    const std::optional<QString> ondertitel
        = m_dialogen.Invoer(this, QStringLiteral("Pas eventueel de ondertitel hier aan :"),
            QStringLiteral("Ondertitel ?"), OndertitelVoorstel(m_keuze));
    m_blad.Ondertitel = ondertitel.value_or(QString());
}

void OefenbladVenster::ToonHelpTeksten()
{
    m_paginas.lblHelpTitel[3]->setText(
        QStringLiteral("Kies eerst een soort oefening, en vul dan de rest aan de hand hiervan aan. Ben je klaar, druk "
                       "dan op de knop voor het printvoorbeeld (blad met vergrootglas).")
        + RegelEinde
        + QStringLiteral("Als je onder Tafels, 20, 100 of 1000 3 of 6 soorten aanvinkt, kan je kiezen om de "
                         "oefeningen te ordenen op je blad."));
    m_paginas.lblHelpTitel[4]->setText(
        QStringLiteral("Als je akkoord bent met de oefeningen die voorgesteld worden, kan je zowel alleen opgaven "
                       "afdrukken, alsook opgaven én oplossingen. Doe dat door op de desbetreffende knop te drukken."));
    m_paginas.lblHelpTitel[5]->setText(
        QStringLiteral("Ben je niet akkoord, verander dan instellingen, of druk nogmaals op de printvoorbeeldknop. Je "
                       "krijgt dan een nieuwe set oefeningen te zien. Afsluiten door op 'Stop' te klikken"));
}

// Closes the open preview (which disables the buttons) and opens a new one beside this window.
void OefenbladVenster::ToonVoorbeeld()
{
    SluitVoorbeeld();
    auto* voorbeeld = new PrintvoorbeeldVenster(this);
    connect(voorbeeld, &PrintvoorbeeldVenster::Gesloten, this, [this] {
        m_voorbeeld = nullptr;
        ZetVoorbeeldKnoppen(false);
    });
    QMdiSubWindow* kader = qobject_cast<QMdiSubWindow*>(parentWidget());
    if (QMdiArea* gebied = kader ? kader->mdiArea() : nullptr) {
        gebied->addSubWindow(voorbeeld);
    } else {
        voorbeeld->setWindowFlag(Qt::Window);
        voorbeeld->setAttribute(Qt::WA_DeleteOnClose);
    }
    const QRect buitenkant = Buitenkant(this);
    PlaatsVenster(voorbeeld, {PrintvoorbeeldVenster::Breedte, PrintvoorbeeldVenster::Hoogte},
        Plaatsing::Op({buitenkant.x() + buitenkant.width(), 0}));
    voorbeeld->ToonBlad(m_blad);
    voorbeeld->show();
    m_voorbeeld = voorbeeld;
    ZetVoorbeeldKnoppen(true);
}

void OefenbladVenster::SluitVoorbeeld()
{
    if (m_voorbeeld)
        SluitVenster(m_voorbeeld);
}

void OefenbladVenster::ZetVoorbeeldKnoppen(bool aan)
{
    for (QPushButton* knop : {m_andereOefeningen, m_printOpgaven, m_printOplossingen, m_pdfOpgaven, m_pdfOplossingen,
             m_documentOpgaven, m_documentOplossingen})
        knop->setEnabled(aan);
}

void OefenbladVenster::Print(Printversie versie)
{
    PrintBlad(m_blad, versie, m_dialogen, this, m_printer);
}

void OefenbladVenster::BewaarPdf(Printversie versie)
{
    BewaarBladAlsPdfMetDialoog(m_blad, versie, m_dialogen, this);
}

// The filled document is a new file, so the template stays clean and no earlier sheet is lost.
void OefenbladVenster::MaakDocument(Printversie versie)
{
    const Documentmap map = KiesDocumentmap();
    if (map.Pad.isEmpty()) {
        Meld(QStringLiteral("Er is geen map gevonden waarin het document bewaard kan worden."));
        return;
    }
    const QString naam
        = QFileInfo(VoorgesteldeBestandsnaam(m_blad, versie, QStringLiteral("docx"), QDateTime::currentDateTime()))
              .fileName();
    const Documentuitslag uitslag = VulDocument(m_blad, versie, m_sjabloon, map.Pad, naam);
    if (uitslag.Fout != DocumentFout::Geen) {
        Meld(Foutmelding(uitslag.Fout, m_sjabloon, QDir(map.Pad).filePath(naam)));
        return;
    }
    // The temporary folder may be emptied at the next start of the computer.
    if (map.Tijdelijk)
        Meld(QStringLiteral("De map Documenten kan niet gebruikt worden. Het document staat in de tijdelijke map :")
            + RegelEinde + QDir::toNativeSeparators(uitslag.Pad) + RegelEinde
            + QStringLiteral("Bewaar het op een vaste plaats voor je het sluit."));
    if (!m_opener(QUrl::fromLocalFile(uitslag.Pad)))
        Meld(QStringLiteral("Er is geen programma gevonden dat het document kan openen :") + RegelEinde
            + QDir::toNativeSeparators(uitslag.Pad));
}

void OefenbladVenster::Meld(const QString& prompt)
{
    m_dialogen.Melding(this, prompt, ProgrammaTitel(), Knoppen::Ok, Icoon::Geen);
}
