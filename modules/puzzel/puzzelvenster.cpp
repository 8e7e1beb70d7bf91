#include "puzzelvenster.h"

#include "antwoordrij.h"
#include "bouwstenen.h"
#include "geluid.h"
#include "getal.h"
#include "lettertypen.h"
#include "puzzelbord.h"
#include "puzzelprent.h"
#include "puzzelstuk.h"
#include "scorebord.h"
#include "toeval.h"
#include "twipsindeling.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include <limits>

namespace {

// The Oefening page in twips: the picture square at the top left, the exercise beside it.
const QSize Oefenpagina {8940, 5400};
const QRect Prentvlak {120, 120, 4335, 4335};
const QRect Rechterkant {4575, 120, 4245, 5160};

const QColor Uitnodiging {255, 240, 170};

// The typed maximum as a number to compare; beyond 32 bits it is far above or below anything the rules ask.
std::int64_t Maximumwaarde(const QString& tekst)
{
    if (const auto waarde = LeesGeheel32(tekst))
        return *waarde;
    return LeesGetal(tekst) < 0 ? std::numeric_limits<std::int64_t>::min() : std::numeric_limits<std::int64_t>::max();
}

} // namespace

PuzzelVenster::PuzzelVenster(Dialogen& dialogen, QWidget* parent)
    : Oefenvenster(dialogen, QStringLiteral("frmPuzzel"), QStringLiteral("Puzzelen !!!"), parent,
        Vensteropmaak {.grootteTwips = {9180, 6100}})
{
    MaakSetup();
    MaakOefenpagina();
    ZetHelpteksten(QStringLiteral("Kies de soort bewerkingen, eventueel de mogelijkheid tot brug-oefeningen en het "
                                  "maximum van de oefeningen. Klik op het tabblad 'Oefening' om te starten."),
        QStringLiteral("De leerling klikt op een puzzelstuk en lost de oefening op. Als de oplossing juist is, wordt "
                       "een stukje van de puzzel zichtbaar. Anders krijgt de leerling een nieuwe kans..."),
        QStringLiteral("Als alle puzzelstukken opgelost zijn is het spel gedaan. Je kan een nieuwe puzzel starten door "
                       "op het tabblad 'Setup' te klikken. Of je kan stoppen door op 'Stop' te klikken."));
}

void PuzzelVenster::MaakSetup()
{
    QWidget* pagina = Pagina(TabSetup);
    QGroupBox* bewerkingen = MaakBewerkingkeuze(Pagina(TabSetup),
        {QStringLiteral("fraBewerkingen"), QStringLiteral("Welke bewerkingen ?"), QStringLiteral("alles")},
        m_bewerkingen);
    for (std::size_t i = 0; i < m_bewerkingen.size(); ++i)
        connect(m_bewerkingen[i], &QRadioButton::clicked, this, [this, i] { KiesBewerking(static_cast<int>(i)); });
    QGroupBox* brug = MaakBrugkeuze(
        Pagina(TabSetup), QStringLiteral("Brug ?"), QStringLiteral("ja"), QStringLiteral("nee"), m_brugopties);
    m_max = MaakGetalvak(pagina, QStringLiteral("txtMax"), QStringLiteral("20"));
    connect(m_max, &QLineEdit::textChanged, this, &PuzzelVenster::MaximumGewijzigd);

    auto* raster = new QGridLayout(pagina);
    raster->setContentsMargins(16, 12, 16, 12);
    raster->setHorizontalSpacing(16);
    raster->setVerticalSpacing(10);
    raster->addWidget(bewerkingen, 0, 0, 3, 1);
    raster->addWidget(brug, 0, 1, 1, 2);
    raster->addLayout(MaakGetalregel(pagina, QStringLiteral("Maximum :"), m_max), 1, 1, 1, 2);
    raster->setRowStretch(2, 1);
    raster->setColumnStretch(2, 1);
}

void PuzzelVenster::MaakOefenpagina()
{
    QWidget* pagina = Pagina(TabOefening);
    m_bord = new Puzzelbord(pagina);
    for (int i = 0; i < Puzzel::AantalStukken; ++i)
        connect(m_bord->Stuk(i), &QAbstractButton::clicked, this, [this, i] { KiesStuk(i); });

    auto* rechts = new QWidget(pagina);
    m_rij = new Antwoordrij(rechts);
    connect(m_rij, &Antwoordrij::Beantwoord, this, &PuzzelVenster::ControleerOplossing);
    m_fouten = MaakLabel(rechts, QStringLiteral("lblFouten"), Comic(12), QStringLiteral("Aantal fouten : 0"));
    m_uitslag = MaakLabel(rechts, QStringLiteral("lblUitslag"), Comic(13, true),
        QStringLiteral("Kies een oefening en los ze op om de tekening te ontdekken !"));
    m_uitslag->setWordWrap(true);
    m_uitslag->setMargin(8);
    ZetAchtergrond(m_uitslag, Uitnodiging);
    auto* kolom = new QVBoxLayout(rechts);
    kolom->setContentsMargins(0, 0, 0, 0);
    kolom->addSpacing(60); // a fixed top: the row stays put when the verdict takes one line or two
    kolom->addWidget(m_rij);
    kolom->addSpacing(24);
    kolom->addWidget(m_fouten);
    kolom->addSpacing(16);
    kolom->addWidget(m_uitslag);
    kolom->addStretch(1);

    auto* indeling = new TwipsIndeling(pagina, Oefenpagina);
    indeling->Plaats(m_bord, Prentvlak);
    indeling->Plaats(rechts, Rechterkant);
}

void PuzzelVenster::KiesBewerking(int index)
{
    m_keuze = static_cast<Bewerkingskeuze>(index + 1);
    ZetBrugopties(BrugMogelijk(m_keuze, Maximumwaarde(m_max->text())));
}

void PuzzelVenster::MaximumGewijzigd()
{
    if (const auto aan = BrugNaMaximum(m_keuze, Maximumwaarde(m_max->text())))
        ZetBrugopties(*aan);
}

void PuzzelVenster::ZetBrugopties(bool aan)
{
    m_brugopties.ja->setEnabled(aan);
    m_brugopties.nee->setEnabled(aan);
}

void PuzzelVenster::SetupGekozen()
{
    m_puzzel.ZetTerug();
    ToonFouten();
    for (int i = 0; i < Puzzel::AantalStukken; ++i)
        m_bord->Stuk(i)->setText(QStringLiteral("oefening"));
    ToonStukken();
}

std::optional<Melding> PuzzelVenster::ControleerMaximum(std::optional<std::int32_t> maximum) const
{
    if (!maximum || *maximum < 3)
        return Melding {QStringLiteral("Je koos een ongeldig maximum !")};
    // Below this the operation offers too few different answers for sixteen exercises.
    const std::int32_t kleinste = KleinsteMaximum(GekozenBewerking(m_bewerkingen));
    if (*maximum < kleinste)
        return Melding {QStringLiteral("Kies een maximum van minstens ") + Tekst(kleinste)
            + QStringLiteral(" voor deze bewerking !")};
    return std::nullopt;
}

bool PuzzelVenster::OefeningGekozen()
{
    const auto maximum = LeesGeheel32(m_max->text());
    if (const auto melding = ControleerMaximum(maximum)) {
        Meld(*melding);
        return false;
    }
    m_keuze = GekozenBewerking(m_bewerkingen);
    NieuwePuzzel(*maximum);
    return true;
}

void PuzzelVenster::NieuwePuzzel(std::int32_t maximum)
{
    m_puzzel.Nieuw(*m_keuze, maximum, m_brugopties.ja->isChecked());
    for (int i = 0; i < Puzzel::AantalStukken; ++i)
        m_bord->Stuk(i)->setText(QString::fromStdString(Som(m_puzzel.Stuk(i))));
    m_rij->Leeg();
    ToonStukken();
    m_bord->ZetPrent(Puzzelprent::Lees(Puzzelprent::Pad(static_cast<int>(RandomTot(Puzzelprent::Aantal)))));
}

void PuzzelVenster::KiesStuk(int stuk)
{
    if (!m_puzzel.Kies(stuk))
        return;
    m_rij->Toon(m_puzzel.Stuk(stuk));
    ToonStukken();
}

void PuzzelVenster::ControleerOplossing(const QString& antwoord)
{
    const Puzzel::Uitslag uitslag = m_puzzel.Beantwoord(LeesGetal(antwoord));
    if (uitslag == Puzzel::Uitslag::GeenStuk)
        return; // no exercise on the row: nothing to answer, nothing to count
    if (uitslag == Puzzel::Uitslag::Goed) {
        m_uitslag->setText(QStringLiteral("Goed zo !"));
        ZetAchtergrond(m_uitslag, Uitslagkleur::Goed);
        SpeelGoed();
    } else {
        m_uitslag->setText(QStringLiteral("Foutje, probeer opnieuw..."));
        ZetAchtergrond(m_uitslag, Uitslagkleur::Fout);
        SpeelFout();
    }
    ToonFouten();
    m_rij->Leeg();
    ToonStukken();
}

void PuzzelVenster::ToonStukken()
{
    for (int i = 0; i < Puzzel::AantalStukken; ++i) {
        m_bord->Leg(i, m_puzzel.Ligt(i));
        m_bord->Stuk(i)->ZetGekozen(m_puzzel.Gekozen() == i);
    }
}

void PuzzelVenster::ToonFouten()
{
    m_fouten->setText(QStringLiteral("Aantal fouten : ") + Tekst(m_puzzel.Fouten()));
}
