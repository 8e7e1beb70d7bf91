#include "oefenbladvenster.h"

#include "aantaltekst.h"
#include "bladcode.h"
#include "bouwstenen.h"
#include "dialogen.h"
#include "document.h"
#include "printvoorbeeldvenster.h"
#include "venster.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const QString RegelEinde = QStringLiteral("\r\n");

QPushButton* MaakKnop(QWidget* ouder, const char* naam, const char* opschrift, const char* tip)
{
    auto* knop = new QPushButton(QString::fromUtf8(opschrift), ouder);
    knop->setObjectName(QString::fromUtf8(naam));
    knop->setToolTip(QString::fromUtf8(tip));
    return knop;
}

Vensteropmaak Opmaak()
{
    // Eight captions in a window of 7000 twips: only compact tabs show them all at once.
    return {PrintenTabs(), {7000, 5000}, Plaatsing::LinksBoven(), Tabstrook::Vorm::Compact, false};
}

std::array<QWidget*, PrintenTabAantal - 1> Instelpaginas(const Oefenvenster& venster)
{
    std::array<QWidget*, PrintenTabAantal - 1> paginas {};
    for (std::size_t i = 0; i < paginas.size(); ++i)
        paginas.at(i) = venster.Pagina(static_cast<int>(i));
    return paginas;
}

QString Bladcodemelding(BladcodeFout fout, const QString& code)
{
    if (fout == BladcodeFout::Leeg)
        return QStringLiteral("Typ eerst de bladcode die onderaan het oefenblad staat.");
    if (fout == BladcodeFout::Nieuwer)
        return QStringLiteral("De bladcode \"%1\" komt van een nieuwere versie van het programma.").arg(code)
            + RegelEinde + QStringLiteral("Met deze versie kan dat blad niet opnieuw gemaakt worden.");
    return QStringLiteral("De bladcode \"%1\" klopt niet.").arg(code) + RegelEinde
        + QStringLiteral(
            "Kijk de code onderaan het oefenblad nog eens na. Een bladcode heeft alleen de cijfers 2 tot 9 "
            "en hoofdletters zonder I, L en O.");
}

} // namespace

OefenbladVenster::OefenbladVenster(Dialogen& dialogen, QWidget* parent)
    : Oefenvenster(dialogen, QStringLiteral("frmPrinten"), QStringLiteral("Oefenbladen afprinten : voorbereiding"),
        parent, Opmaak())
    , m_paginas(MaakPrintenPaginas(Instelpaginas(*this)))
    , m_printer(StandaardPrinter)
    , m_opener(&QDesktopServices::openUrl)
    , m_sjabloon(SjabloonPad())
{
    VoegRijToe(MaakOnderkant());
    VerbindKnoppen();
    VolgInstellingen();
    ZetVoorbeeldKnoppen(false);
    ToonAantal();
}

// The count of different exercises over the buttons; the sheet code with the button that makes its sheet again
// beside the output buttons.
QWidget* OefenbladVenster::MaakOnderkant()
{
    auto* onderkant = new QWidget(this);
    auto* kolom = new QVBoxLayout(onderkant);
    kolom->setContentsMargins(0, 4, 0, 0);
    kolom->setSpacing(4);
    m_aantal = MaakLabel(onderkant, QStringLiteral("lblAantalOefeningen"), font());
    m_aantal->setWordWrap(true);
    m_aantal->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // Room for two lines, so that the pages keep their size as the text changes.
    m_aantal->setMinimumHeight(2 * m_aantal->fontMetrics().lineSpacing());
    kolom->addWidget(m_aantal);
    kolom->addWidget(MaakKnoppen());
    return onderkant;
}

// One column per output (paper, PDF, document), each with an "Opgaven" and a solutions button under a small
// heading, so that the three "Opgaven" buttons cannot be mistaken for each other.
QWidget* OefenbladVenster::MaakKnoppen()
{
    auto* rij = new QWidget(this);
    auto* raster = new QGridLayout(rij);
    raster->setContentsMargins(0, 0, 0, 0);
    raster->setSpacing(3);
    m_nieuwBlad = MaakKnop(rij, "cmdVoorbeeld", "Printvoorbeeld", "Voorbeeldknop");
    m_andereOefeningen = MaakKnop(rij, "cmdVoorbeeldZelfde", "Andere oefeningen", "Voorbeeldknop");
    m_printOpgaven = MaakKnop(rij, "cmdPrintOpgaven", "Opgaven", "print de opgaven");
    m_printOplossingen = MaakKnop(rij, "cmdPrintOplossingen", "Oplossingen", "print de oplossingen");
    m_pdfOpgaven = MaakKnop(rij, "cmdPdfOpgaven", "Opgaven", "bewaar de opgaven als PDF-bestand");
    m_pdfOplossingen = MaakKnop(rij, "cmdPdfOplossingen", "Oplossingen", "bewaar de oplossingen als PDF-bestand");
    m_documentOpgaven = MaakKnop(rij, "cmdWOpgaven", "Opgaven", "maak een document met de opgaven");
    m_documentOplossingen = MaakKnop(rij, "cmdWOplossingen", "Oplossing", "maak een document met de oplossingen");
    m_haalCode = MaakKnop(rij, "cmdBladcode", "Blad terughalen", "maak het blad van deze bladcode opnieuw");
    m_code = new QLineEdit(rij);
    m_code->setObjectName(QStringLiteral("txtBladcode"));
    m_code->setToolTip(QStringLiteral("de bladcode onderaan een oefenblad"));

    raster->addWidget(m_nieuwBlad, 1, 0);
    raster->addWidget(m_andereOefeningen, 2, 0);
    const std::array koppen {"Printen:", "PDF:", "Document:", "Bladcode:"};
    const std::array<std::array<QWidget*, 2>, 4> kolommen {{{m_printOpgaven, m_printOplossingen},
        {m_pdfOpgaven, m_pdfOplossingen}, {m_documentOpgaven, m_documentOplossingen}, {m_code, m_haalCode}}};
    for (int k = 0; k < 4; ++k) {
        const auto i = static_cast<std::size_t>(k);
        raster->addWidget(MaakLabel(rij, {}, font(), QString::fromUtf8(koppen.at(i))), 0, k + 1);
        raster->addWidget(kolommen.at(i)[0], 1, k + 1);
        raster->addWidget(kolommen.at(i)[1], 2, k + 1);
    }
    raster->setColumnStretch(4, 1);
    return rij;
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
    connect(m_haalCode, &QPushButton::clicked, this, &OefenbladVenster::HaalBladcodeOp);
    connect(m_code, &QLineEdit::returnPressed, this, &OefenbladVenster::HaalBladcodeOp);
}

// Every change on a settings page shows the new count at once.
void OefenbladVenster::VolgInstellingen()
{
    connect(m_paginas.txtMax, &QLineEdit::textChanged, this, &OefenbladVenster::ToonAantal);
    std::vector<QAbstractButton*> knoppen {m_paginas.optBrugJa, m_paginas.optBrugNee};
    knoppen.insert(knoppen.end(), m_paginas.optHRbewerking.begin(), m_paginas.optHRbewerking.end());
    knoppen.insert(knoppen.end(), m_paginas.chkTafel.begin(), m_paginas.chkTafel.end());
    knoppen.insert(knoppen.end(), m_paginas.optTtafels.begin(), m_paginas.optTtafels.end());
    for (const std::vector<QCheckBox*>& vakjes : m_paginas.chkSoorten)
        knoppen.insert(knoppen.end(), vakjes.begin(), vakjes.end());
    for (QAbstractButton* knop : knoppen)
        connect(knop, &QAbstractButton::toggled, this, &OefenbladVenster::ToonAantal);
}

void OefenbladVenster::closeEvent(QCloseEvent* event)
{
    SluitVoorbeeld();
    Oefenvenster::closeEvent(event);
}

bool OefenbladVenster::TabGekozen(int index)
{
    m_tab = static_cast<TabSoort>(index);
    m_nieuwBlad->setEnabled(m_tab != TabSoort::Help);
    if (m_tab == TabSoort::Help)
        ToonHelpTeksten();
    ToonAantal();
    return true;
}

// The settings are read into a copy and only kept when they pass every check, so that a refused
// "Printvoorbeeld" leaves the sheet and what "Andere oefeningen" makes exactly as they were.
void OefenbladVenster::MaakNieuwBlad()
{
    BladKeuze nieuw = m_keuze;
    nieuw.Tab = m_tab;
    const QStringList meldingen = LeesInstellingen(m_paginas, nieuw);
    for (const QString& melding : meldingen)
        Meld(melding);
    if (!meldingen.isEmpty())
        return;
    nieuw.Ordening = VraagOrdening(TelSoorten(nieuw));
    m_keuze = nieuw;
    StelSamen();
    MaakOndertitel();
    ToonVoorbeeld();
}

void OefenbladVenster::MaakAndereOefeningen()
{
    if (!m_keuze.Soort)
        return;
    StelSamen();
    ToonVoorbeeld();
}

// A new sheet that avoids the exercises of the one it replaces, and the code that makes it again.
void OefenbladVenster::StelSamen()
{
    Samenstelling nieuw = StelNieuwBladSamen(m_keuze, m_blad, AantalZaden(m_keuze));
    m_blad = std::move(nieuw.Blad);
    m_blad.Code = MaakBladcode(m_keuze, nieuw.Zaad);
    m_code->setText(m_blad.Code);
}

// A code puts its settings back on their page and makes its sheet again, subtitle proposal included; a code that
// cannot be read changes nothing.
void OefenbladVenster::HaalBladcodeOp()
{
    const std::variant<Bladrecept, BladcodeFout> gelezen = LeesBladcode(m_code->text());
    if (const auto* fout = std::get_if<BladcodeFout>(&gelezen)) {
        Meld(Bladcodemelding(*fout, m_code->text().trimmed()));
        return;
    }
    const Bladrecept& recept = std::get<Bladrecept>(gelezen);
    ToonKeuze(m_paginas, recept.Keuze);
    KlikTab(static_cast<int>(recept.Keuze.Tab));
    m_keuze = recept.Keuze;
    MaakBlad(m_blad, m_keuze, recept.Zaad);
    m_blad.Code = MaakBladcode(m_keuze, recept.Zaad);
    m_code->setText(m_blad.Code);
    MaakOndertitel();
    ToonVoorbeeld();
}

BladOrdening OefenbladVenster::VraagOrdening(int aantalSoorten)
{
    if (aantalSoorten != 3 && aantalSoorten != 6)
        return BladOrdening::Gemengd;
    const QString vraag = QStringLiteral("Je hebt %1 oefensoorten gekozen.").arg(aantalSoorten) + RegelEinde
        + QStringLiteral("Wil je de oefeningen ordenen per soort ?");
    if (dialogen().Melding(this, vraag, QStringLiteral("Ordenen ?"), Knoppen::JaNee, Icoon::Informatie) != Antwoord::Ja)
        return BladOrdening::Gemengd;
    return aantalSoorten == 3 ? BladOrdening::Per10 : BladOrdening::Per5;
}

void OefenbladVenster::MaakOndertitel()
{
    const std::optional<QString> ondertitel
        = dialogen().Invoer(this, QStringLiteral("Pas eventueel de ondertitel hier aan :"),
            QStringLiteral("Ondertitel ?"), OndertitelVoorstel(m_keuze));
    m_blad.Ondertitel = ondertitel.value_or(QString());
}

void OefenbladVenster::ToonHelpTeksten()
{
    ZetHelpteksten(
        QStringLiteral("Kies eerst een soort oefening, en vul dan de rest aan de hand hiervan aan. Ben je klaar, druk "
                       "dan op de knop voor het printvoorbeeld (blad met vergrootglas).")
            + RegelEinde
            + QStringLiteral("Als je onder Tafels, 20, 100 of 1000 3 of 6 soorten aanvinkt, kan je kiezen om de "
                             "oefeningen te ordenen op je blad."),
        QStringLiteral("Als je akkoord bent met de oefeningen die voorgesteld worden, kan je zowel alleen opgaven "
                       "afdrukken, alsook opgaven én oplossingen. Doe dat door op de desbetreffende knop te drukken."),
        QStringLiteral("Ben je niet akkoord, verander dan instellingen, of druk nogmaals op de printvoorbeeldknop. Je "
                       "krijgt dan een nieuwe set oefeningen te zien. Afsluiten door op 'Stop' te klikken"));
}

// Not on the Help page, whose texts need the room.
void OefenbladVenster::ToonAantal()
{
    m_aantal->setVisible(m_tab != TabSoort::Help);
    const std::optional<std::uint64_t> aantal = AantalVerschillend(m_paginas, m_tab);
    m_aantal->setText(aantal ? MetDezeKeuze(*aantal, BladAantal, QStringLiteral("op het blad")) : QString());
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
    PrintBlad(m_blad, versie, dialogen(), this, m_printer);
}

void OefenbladVenster::BewaarPdf(Printversie versie)
{
    BewaarBladAlsPdfMetDialoog(m_blad, versie, dialogen(), this);
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
    Oefenvenster::Meld(Melding {prompt});
}
