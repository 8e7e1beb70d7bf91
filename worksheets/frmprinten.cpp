#include "frmprinten.h"

#include "bewerkingen.h"
#include "dialogen.h"
#include "document.h"
#include "frmprintvoorbeeld.h"
#include "getal.h"
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
#include <QStandardPaths>
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

// The documents folder, made when it is missing; the temporary folder when it cannot be written.
QString DocumentMap()
{
    for (const auto plaats : {QStandardPaths::DocumentsLocation, QStandardPaths::TempLocation}) {
        const QString map = QStandardPaths::writableLocation(plaats);
        if (!map.isEmpty() && QDir().mkpath(map) && QFileInfo(map).isWritable())
            return map;
    }
    return {};
}

// Never overwrites an earlier document: "naam.docx", then "naam (2).docx", "naam (3).docx", ...
QString VrijPad(const QString& map, const QString& naam)
{
    const QFileInfo info(naam);
    QString pad = QDir(map).filePath(naam);
    for (int n = 2; QFileInfo::exists(pad); ++n)
        pad = QDir(map).filePath(QStringLiteral("%1 (%2).%3").arg(info.completeBaseName()).arg(n).arg(info.suffix()));
    return pad;
}

QPushButton* MaakKnop(QWidget* ouder, const char* naam, const char* opschrift, const char* tip)
{
    auto* knop = new QPushButton(QString::fromUtf8(opschrift), ouder);
    knop->setObjectName(QString::fromUtf8(naam));
    knop->setToolTip(QString::fromUtf8(tip));
    return knop;
}

} // namespace

frmPrinten::frmPrinten(Dialogen& dialogen, QWidget* parent)
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
    connect(m_paginas.TabStrip, &QTabBar::tabBarClicked, this, &frmPrinten::TabKlik);
    ZetVoorbeeldKnoppen(false);
}

// One column per output (paper, PDF, document), each with an "Opgaven" and a solutions button
// under a small heading, so that the three "Opgaven" buttons cannot be mistaken for each other.
void frmPrinten::MaakKnoppen(QWidget* rij)
{
    auto* raster = new QGridLayout(rij);
    raster->setContentsMargins(0, 4, 0, 0);
    raster->setSpacing(3);
    cmdVoorbeeld = MaakKnop(rij, "cmdVoorbeeld", "Printvoorbeeld", "Voorbeeldknop");
    cmdVoorbeeldZelfde = MaakKnop(rij, "cmdVoorbeeldZelfde", "Andere oefeningen", "Voorbeeldknop");
    cmdPrintOpgaven = MaakKnop(rij, "cmdPrintOpgaven", "Opgaven", "print de opgaven");
    cmdPrintOplossingen = MaakKnop(rij, "cmdPrintOplossingen", "Oplossingen", "print de oplossingen");
    cmdPdfOpgaven = MaakKnop(rij, "cmdPdfOpgaven", "Opgaven", "bewaar de opgaven als PDF-bestand");
    cmdPdfOplossingen = MaakKnop(rij, "cmdPdfOplossingen", "Oplossingen", "bewaar de oplossingen als PDF-bestand");
    cmdWOpgaven = MaakKnop(rij, "cmdWOpgaven", "Opgaven", "maak een document met de opgaven");
    cmdWOplossingen = MaakKnop(rij, "cmdWOplossingen", "Oplossing", "maak een document met de oplossingen");
    cmdStop = new QToolButton(rij);
    cmdStop->setObjectName(QStringLiteral("cmdStop"));
    cmdStop->setToolTip(QStringLiteral("Deze oefening afsluiten"));
    cmdStop->setIcon(QIcon(QStringLiteral(":/practice/stop.svg")));
    cmdStop->setIconSize({24, 24});
    cmdStop->setAutoRaise(true);

    raster->addWidget(cmdVoorbeeld, 1, 0);
    raster->addWidget(cmdVoorbeeldZelfde, 2, 0);
    const std::array koppen {"Printen:", "PDF:", "Document:"};
    const std::array<std::array<QPushButton*, 2>, 3> kolommen {
        {{cmdPrintOpgaven, cmdPrintOplossingen}, {cmdPdfOpgaven, cmdPdfOplossingen}, {cmdWOpgaven, cmdWOplossingen}}};
    for (int k = 0; k < 3; ++k) {
        const auto i = static_cast<std::size_t>(k);
        raster->addWidget(new QLabel(QString::fromUtf8(koppen.at(i)), rij), 0, k + 1);
        raster->addWidget(kolommen.at(i)[0], 1, k + 1);
        raster->addWidget(kolommen.at(i)[1], 2, k + 1);
    }
    raster->addWidget(cmdStop, 1, 4, 2, 1, Qt::AlignRight | Qt::AlignVCenter);
    raster->setColumnStretch(4, 1);
}

void frmPrinten::VerbindKnoppen()
{
    connect(cmdVoorbeeld, &QPushButton::clicked, this, &frmPrinten::cmdVoorbeeld_Click);
    connect(cmdVoorbeeldZelfde, &QPushButton::clicked, this, &frmPrinten::cmdVoorbeeldZelfde_Click);
    connect(cmdPrintOpgaven, &QPushButton::clicked, this, [this] { Print(Printversie::Opgaven); });
    connect(cmdPrintOplossingen, &QPushButton::clicked, this, [this] { Print(Printversie::Oplossingen); });
    connect(cmdPdfOpgaven, &QPushButton::clicked, this, [this] { BewaarPdf(Printversie::Opgaven); });
    connect(cmdPdfOplossingen, &QPushButton::clicked, this, [this] { BewaarPdf(Printversie::Oplossingen); });
    connect(cmdWOpgaven, &QPushButton::clicked, this, [this] { VulDocument(Printversie::Opgaven); });
    connect(cmdWOplossingen, &QPushButton::clicked, this, [this] { VulDocument(Printversie::Oplossingen); });
    // Closing this window closes the preview first (closeEvent).
    connect(cmdStop, &QToolButton::clicked, this, [this] { SluitVenster(this); });
}

void frmPrinten::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!m_geplaatst) {
        m_geplaatst = true;
        PlaatsVenster(this, VensterGrootte(), Plaatsing::LinksBoven());
    }
}

// Wider than the usual size only as far as the tab strip needs: the teacher must see all eight
// tabs at once, whatever the system font.
QSize frmPrinten::VensterGrootte() const
{
    const QMargins marges = layout()->contentsMargins();
    const int tabs = m_paginas.TabStrip->sizeHint().width() + marges.left() + marges.right();
    return {std::max(Grootte.width(), Twips(tabs)), Grootte.height()};
}

void frmPrinten::closeEvent(QCloseEvent* event)
{
    SluitVoorbeeld();
    QWidget::closeEvent(event);
}

void frmPrinten::TabKlik(int index)
{
    if (index < 0 || index >= PrintenTabAantal)
        return;
    m_paginas.Paginas->setCurrentIndex(index);
    cmdVoorbeeld->setEnabled(index != PrintenHelpTab);
    if (index == PrintenHelpTab)
        ToonHelpTeksten();
    m_tabSoort = QString::fromUtf8(TabSoortVan(index));
}

// The settings are read into a copy and only kept when they pass every check, so that a refused
// "Printvoorbeeld" leaves the sheet and what "Andere oefeningen" makes exactly as they were.
void frmPrinten::cmdVoorbeeld_Click()
{
    BladKeuze nieuw = m_keuze;
    nieuw.TabSoort = m_tabSoort;
    if (!LeesInstellingen(nieuw))
        return;
    nieuw.Ordening = VraagOrdening(TelSoorten(nieuw));
    m_keuze = nieuw;
    MaakBlad(m_blad, m_keuze);
    MaakOndertitel();
    ToonVoorbeeld();
}

void frmPrinten::cmdVoorbeeldZelfde_Click()
{
    if (!m_keuze.BladSoort)
        return;
    MaakBlad(m_blad, m_keuze);
    ToonVoorbeeld();
}

bool frmPrinten::LeesInstellingen(BladKeuze& keuze)
{
    if (m_tabSoort == QLatin1String("Hoofdrekenen"))
        return LeesHoofdrekenen(keuze);
    if (m_tabSoort == QLatin1String("Tafels"))
        return LeesTafels(keuze);
    const std::optional<std::size_t> pagina = PaginaVanTab(m_tabSoort);
    return pagina && LeesSoorten(keuze, *pagina);
}

bool frmPrinten::LeesHoofdrekenen(BladKeuze& keuze)
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
    keuze.BladSoort = bewerking + 1;
    return true;
}

bool frmPrinten::LeesTafels(BladKeuze& keuze)
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
    keuze.BladSoort = BladMaaltafels + soort;
    return true;
}

bool frmPrinten::LeesSoorten(BladKeuze& keuze, std::size_t pagina)
{
    std::vector<bool>& gekozen = keuze.SoortKeuze.at(pagina);
    gekozen.clear();
    for (const QCheckBox* vakje : m_paginas.chkSoorten.at(pagina))
        gekozen.push_back(vakje->isChecked());
    if (std::ranges::none_of(gekozen, std::identity {})) {
        Meld(QStringLiteral("Kies minstens 1 soort oefeningen !") + RegelEinde + QStringLiteral("Even herbeginnen..."));
        return false;
    }
    keuze.BladSoort = SoortPaginas().at(pagina).BladSoort;
    return true;
}

BladOrdening frmPrinten::VraagOrdening(int aantalSoorten)
{
    if (aantalSoorten != 3 && aantalSoorten != 6)
        return BladOrdening::Gemengd;
    const QString vraag = QStringLiteral("Je hebt %1 oefensoorten gekozen.").arg(aantalSoorten) + RegelEinde
        + QStringLiteral("Wil je de oefeningen ordenen per soort ?");
    if (m_dialogen.Melding(this, vraag, QStringLiteral("Ordenen ?"), Knoppen::JaNee, Icoon::Informatie) != Antwoord::Ja)
        return BladOrdening::Gemengd;
    return aantalSoorten == 3 ? BladOrdening::Per10 : BladOrdening::Per5;
}

void frmPrinten::MaakOndertitel()
{
    const std::optional<QString> ondertitel
        = m_dialogen.Invoer(this, QStringLiteral("Pas eventueel de ondertitel hier aan :"),
            QStringLiteral("Ondertitel ?"), OndertitelVoorstel(m_keuze));
    m_blad.Ondertitel = ondertitel.value_or(QString());
}

void frmPrinten::ToonHelpTeksten()
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
void frmPrinten::ToonVoorbeeld()
{
    MaakTeksten(m_blad);
    SluitVoorbeeld();
    auto* voorbeeld = new frmPrintVoorbeeld(this);
    connect(voorbeeld, &frmPrintVoorbeeld::Gesloten, this, [this] {
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
    PlaatsVenster(voorbeeld, {frmPrintVoorbeeld::Breedte, frmPrintVoorbeeld::Hoogte},
        Plaatsing::Op({buitenkant.x() + buitenkant.width(), 0}));
    voorbeeld->ToonBlad(m_blad);
    voorbeeld->show();
    m_voorbeeld = voorbeeld;
    ZetVoorbeeldKnoppen(true);
}

void frmPrinten::SluitVoorbeeld()
{
    if (m_voorbeeld)
        SluitVenster(m_voorbeeld);
}

void frmPrinten::ZetVoorbeeldKnoppen(bool aan)
{
    for (QPushButton* knop : {cmdVoorbeeldZelfde, cmdPrintOpgaven, cmdPrintOplossingen, cmdPdfOpgaven,
             cmdPdfOplossingen, cmdWOpgaven, cmdWOplossingen})
        knop->setEnabled(aan);
}

void frmPrinten::Print(Printversie versie)
{
    PrintBlad(m_blad, versie, m_dialogen, this, m_printer);
}

void frmPrinten::BewaarPdf(Printversie versie)
{
    BewaarBladAlsPdfMetDialoog(m_blad, versie, m_dialogen, this);
}

// The filled document is a new file, so the template stays clean and no earlier sheet is lost.
void frmPrinten::VulDocument(Printversie versie)
{
    const QString map = DocumentMap();
    if (map.isEmpty()) {
        Meld(QStringLiteral("Er is geen map gevonden waarin het document bewaard kan worden."));
        return;
    }
    const QString naam
        = QFileInfo(VoorgesteldeBestandsnaam(m_blad, versie, QStringLiteral("docx"), QDateTime::currentDateTime()))
              .fileName();
    const QString doel = VrijPad(map, naam);
    const DocumentFout fout = ::VulDocument(m_blad, versie, m_sjabloon, doel);
    if (fout != DocumentFout::Geen) {
        Meld(Foutmelding(fout, m_sjabloon, doel));
        return;
    }
    if (!m_opener(QUrl::fromLocalFile(doel)))
        Meld(QStringLiteral("Er is geen programma gevonden dat het document kan openen :") + RegelEinde
            + QDir::toNativeSeparators(doel));
}

void frmPrinten::Meld(const QString& prompt)
{
    m_dialogen.Melding(this, prompt, ProgrammaTitel(), Knoppen::Ok, Icoon::Geen);
}
