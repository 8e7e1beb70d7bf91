#include "rekenracevenster.h"

#include "bouwstenen.h"
#include "getal.h"
#include "lettertypen.h"
#include "raceterrein.h"
#include "renbaan.h"
#include "twipsindeling.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSvgWidget>
#include <QVBoxLayout>

namespace {

// The Oefening page in twips: the players' frames left and right of the track.
constexpr QSize Ontwerp {7785, 7000};
constexpr std::array<QRect, 2> SpelerPlek {QRect {75, 1500, 3000, 2850}, QRect {4710, 1500, 3000, 2850}};
constexpr QRect BaanPlek {3165, 130, Renbaan::Breedte, Race::Baanhoogte};

// Light shades of the cars' colours.
const std::array<QColor, 2> Spelerkleur {QColor(254, 226, 226), QColor(219, 234, 254)};

// A name longer than this would not fit the frame's caption or the messages.
constexpr int LangsteNaam = 20;

QSvgWidget* Autootje(QWidget* ouder, int speler, int zijde)
{
    auto* autootje = new QSvgWidget(QStringLiteral(":/race/auto%1.svg").arg(speler), ouder);
    autootje->setFixedSize(zijde, zijde);
    return autootje;
}

} // namespace

RekenraceVenster::RekenraceVenster(Dialogen& dialogen, QWidget* parent)
    : Oefenvenster(dialogen, QStringLiteral("frmRekenrace"), QStringLiteral("Rekenrace !!!"), parent,
        Vensteropmaak {.grootteTwips = {8000, 8500}})
{
    MaakSetup();
    MaakOefening();
    ZetHelpteksten(QStringLiteral("Kies een soort bewerking, een maximum en eventueel de brug. Geef ook de namen van "
                                  "de twee spelers. Klik op het tabblad 'Oefening' om te starten. De computer bepaalt "
                                  "een willekeurige 'startrij'."),
        HelpOefening(),
        QStringLiteral("Wie eerst beneden is, is gewonnen. Je kan opnieuw starten door op het tabblad 'Setup' te "
                       "klikken."));
    LeesInstellingen();
}

void RekenraceVenster::MaakSetup()
{
    // Made in the order of the keyboard: the operations first, where the focus starts.
    QWidget* pagina = Pagina(TabSetup);
    auto* raster = new QGridLayout(pagina);
    raster->setContentsMargins(16, 12, 16, 12);
    raster->setHorizontalSpacing(16);
    raster->setVerticalSpacing(10);
    raster->addWidget(MaakBewerkingkeuze(Pagina(TabSetup),
                          {QStringLiteral("fraBewerking"), QStringLiteral("Bewerking(en)"), QStringLiteral("+ - x :")},
                          m_bewerkingen),
        0, 0, 3, 1, Qt::AlignTop);
    raster->addWidget(MaakBrugkeuze(Pagina(TabSetup), QStringLiteral("Brug ?"), QStringLiteral("ja"),
                          QStringLiteral("nee"), m_brugopties),
        0, 1);
    m_max = MaakGetalvak(pagina, QStringLiteral("txtMax"), QStringLiteral("20"));
    raster->addLayout(MaakGetalregel(pagina, QStringLiteral("Maximum :"), m_max), 1, 1);
    raster->addLayout(MaakNamen(), 0, 2, 3, 1);
    raster->setRowStretch(2, 1);
    raster->setColumnStretch(2, 1);

    // Every change of a setting is read at once, so the bridge options follow it.
    connect(m_max, &QLineEdit::textChanged, this, &RekenraceVenster::LeesInstellingen);
    for (QRadioButton* optie : m_bewerkingen)
        connect(optie, &QRadioButton::toggled, this, &RekenraceVenster::LeesInstellingen);
    for (QRadioButton* optie : {m_brugopties.ja, m_brugopties.nee})
        connect(optie, &QRadioButton::toggled, this, &RekenraceVenster::LeesInstellingen);
}

// Each name box under its caption, beside the car that player drives.
QLayout* RekenraceVenster::MaakNamen()
{
    QWidget* pagina = Pagina(TabSetup);
    auto* namen = new QGridLayout;
    namen->setHorizontalSpacing(8);
    namen->setVerticalSpacing(4);
    for (int speler = 1; speler <= 2; ++speler) {
        QLineEdit* naam = new QLineEdit(QStringLiteral("Speler%1").arg(speler), pagina);
        naam->setObjectName(QStringLiteral("txtSpeler%1").arg(speler));
        naam->setMaxLength(LangsteNaam);
        LeegBijBinnenkomst(naam);
        Paneel(speler).naam = naam;
        const int rij = 3 * (speler - 1);
        namen->addWidget(new QLabel(QStringLiteral("Naam van"), pagina), rij, 1);
        namen->addWidget(Autootje(pagina, speler, 32), rij + 1, 0);
        namen->addWidget(naam, rij + 1, 1);
        namen->setRowMinimumHeight(rij + 2, 16);
    }
    namen->setRowStretch(6, 1);
    return namen;
}

void RekenraceVenster::MaakOefening()
{
    auto* terrein = new Raceterrein(Pagina(TabOefening), Ontwerp);
    auto* lijst = new QVBoxLayout(Pagina(TabOefening));
    lijst->setContentsMargins(0, 0, 0, 0);
    lijst->addWidget(terrein);
    m_baan = new Renbaan(terrein);
    terrein->Indeling()->Plaats(MaakSpeler(1, terrein), SpelerPlek[0]);
    terrein->Indeling()->Plaats(m_baan, BaanPlek);
    terrein->Indeling()->Plaats(MaakSpeler(2, terrein), SpelerPlek[1]);
}

// The frame in the colour of the player's car, with the exercise large enough to read from a distance.
QGroupBox* RekenraceVenster::MaakSpeler(int nummer, QWidget* terrein)
{
    Speler& speler = Paneel(nummer);
    speler.frame = new QGroupBox(QStringLiteral("Speler %1").arg(nummer), terrein);
    speler.frame->setObjectName(QStringLiteral("fraSpeler%1").arg(nummer));
    speler.frame->setFont(Comic(16, true));
    QPalette palet = speler.frame->palette();
    palet.setColor(QPalette::Window, Spelerkleur[static_cast<std::size_t>(nummer - 1)]);
    speler.frame->setPalette(palet);
    speler.frame->setAutoFillBackground(true);
    speler.frame->hide();
    const auto label = [&](const char* naam, const QFont& font, const QString& tekst = {}) {
        return MaakLabel(speler.frame, QString::fromLatin1(naam) + Tekst(nummer), font, tekst);
    };
    speler.links = label("lblLinks", Comic(18));
    speler.bewerking = label("lblBewerking", ArialBlack(16));
    speler.rechts = label("lblRechts", Comic(18));
    speler.oplossing = new QLineEdit(speler.frame);
    speler.oplossing->setObjectName(QStringLiteral("txtOplossing%1").arg(nummer));
    speler.oplossing->setFont(Comic(18));
    speler.oplossing->setAlignment(Qt::AlignCenter);
    speler.oplossing->setMaximumWidth(speler.oplossing->fontMetrics().horizontalAdvance(QStringLiteral("0000000")));
    connect(speler.oplossing, &QLineEdit::returnPressed, this, [this, nummer] { Controleer(nummer); });

    auto* rij = new QHBoxLayout;
    rij->setSpacing(6);
    rij->addStretch(1);
    for (QLabel* deel : {speler.links, speler.bewerking, speler.rechts, label("lblIs", ArialBlack(16), "=")})
        rij->addWidget(deel);
    rij->addStretch(1);
    auto* lijst = new QVBoxLayout(speler.frame);
    lijst->setSpacing(12);
    lijst->addWidget(Autootje(speler.frame, nummer, 40), 0, Qt::AlignHCenter);
    lijst->addLayout(rij);
    lijst->addWidget(speler.oplossing, 0, Qt::AlignHCenter);
    lijst->addStretch(1);
    return speler.frame;
}

// Reads the settings as they stand and switches the bridge off where it has no meaning: a maximum below 11, or
// multiplication or division in the choice.
void RekenraceVenster::LeesInstellingen()
{
    const QString tekst = m_max->text();
    m_maximum = LeesGeheel32(tekst);
    m_keuze.reset();
    for (std::size_t i = 0; i < m_bewerkingen.size(); ++i) {
        if (m_bewerkingen[i]->isChecked())
            m_keuze = static_cast<Bewerkingskeuze>(i + 1);
    }
    m_raceBrug = m_brugopties.ja->isChecked();
    // Too large for 32 bits is far above 10, too small far below.
    const bool klein = m_maximum ? *m_maximum < 11 : LeesGetal(tekst) < 0;
    const bool brug = !klein && m_keuze && *m_keuze < Bewerkingskeuze::Maal;
    m_brugopties.ja->setEnabled(brug);
    m_brugopties.nee->setEnabled(brug);
}

std::optional<Melding> RekenraceVenster::ControleerInstellingen() const
{
    if (!m_keuze)
        return Melding {QStringLiteral("Je koos nog geen bewerking !!")};
    if (!m_maximum || *m_maximum < 3)
        return Melding {QStringLiteral("Je koos nog geen maximum !!")};
    // Below this the generators find too few different answers to make one exercise after another.
    if (*m_maximum < KleinsteMaximum(*m_keuze))
        return Melding {QStringLiteral("Kies voor deze bewerking een maximum van minstens ")
            + Tekst(KleinsteMaximum(*m_keuze)) + QStringLiteral(" !!")};
    return std::nullopt;
}

void RekenraceVenster::SetupGekozen()
{
    m_race.TerugNaarStart();
    m_baan->ZetAutos(m_race.Boven(1), m_race.Boven(2));
}

bool RekenraceVenster::OefeningGekozen()
{
    LeesInstellingen();
    if (const std::optional<Melding> melding = ControleerInstellingen()) {
        Meld(*melding);
        return false;
    }
    for (int nummer = 1; nummer <= 2; ++nummer) {
        Speler& speler = Paneel(nummer);
        speler.naamInRace = speler.naam->text();
        // An ampersand in a caption would underline the next letter instead of showing itself.
        speler.frame->setTitle(QString(speler.naamInRace).replace(u'&', QStringLiteral("&&")));
    }
    m_race.Start();
    StartRace();
    return true;
}

void RekenraceVenster::StartRace()
{
    const int eerste = m_race.Beurt();
    Meld({Paneel(eerste).naamInRace + QStringLiteral(" mag beginnen !"), QStringLiteral("RekenRace !")});
    Beurt(eerste);
    m_geluiden.Speel(Racegeluiden::Soort::Start);
}

// Only the frame of the player whose turn it is shows, with a new exercise.
void RekenraceVenster::Beurt(int nummer)
{
    Paneel(3 - nummer).frame->hide();
    Speler& speler = Paneel(nummer);
    speler.frame->show();
    const Bewerkingskeuze keuze = m_keuze.value_or(Bewerkingskeuze::Plus);
    m_opgave = MaakBewerking(keuze, m_maximum.value_or(0), keuze == Bewerkingskeuze::Alles || m_raceBrug);
    speler.links->setText(Tekst(m_opgave.Links));
    speler.bewerking->setText(QString::fromStdString(m_opgave.Bewerking));
    speler.rechts->setText(Tekst(m_opgave.Rechts));
    speler.oplossing->clear();
    speler.oplossing->setFocus();
}

void RekenraceVenster::Controleer(int nummer)
{
    const bool goed = LeesGetal(Paneel(nummer).oplossing->text()) == static_cast<double>(m_opgave.Uitkomst.value_or(0));
    m_race.Beantwoord(goed);
    m_baan->ZetAutos(m_race.Boven(1), m_race.Boven(2));
    m_geluiden.Speel(goed ? Racegeluiden::Soort::Auto : Racegeluiden::Soort::Fout);
    if (m_race.Winnaar() != 0)
        ToonWinnaar();
    else
        Beurt(m_race.Beurt());
}

void RekenraceVenster::ToonWinnaar()
{
    m_geluiden.Speel(Racegeluiden::Soort::Applaus);
    Meld({Paneel(m_race.Winnaar()).naamInRace + QStringLiteral(" heeft gewonnen !!!")});
    const Antwoord antwoord = dialogen().Melding(
        this, QStringLiteral("Nog eens ?"), QStringLiteral("opnieuw ?"), Knoppen::JaNee, Icoon::Geen);
    if (antwoord == Antwoord::Ja)
        ToonTab(TabSetup); // the cars stay where they are until Setup is clicked
    else
        Sluit();
}
