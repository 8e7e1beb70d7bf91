#include "gbvissenvenster.h"

#include "bouwstenen.h"
#include "geluid.h"
#include "getal.h"
#include "lettertypen.h"
#include "scorebord.h"
#include "twipsindeling.h"
#include "water.h"

#include <QLabel>
#include <QSvgWidget>
#include <QVBoxLayout>

namespace {

// The Oefening page in twips: the instruction and the number at the top, the rod above the water, the verdict and
// the count below it.
constexpr QSize Ontwerp {7935, 5460};
constexpr QRect Uitleg {240, 300, 4560, 600};
constexpr QRect Opgave {4920, 120, 1080, 960};
constexpr QRect Hengel {6240, 60, 1455, 1125};
constexpr QRect WaterPlek {240, 1200, Visvijver::Breedte, Visvijver::Hoogte};
constexpr QRect Uitslag {240, 4620, 2280, 600};
constexpr QRect Resultaat {2700, 4620, 4995, 600};

QString Resultaattekst(int goedeVissen)
{
    return QStringLiteral("Je haalde al ") + Tekst(goedeVissen) + QStringLiteral(" goede vissen uit het water...");
}

} // namespace

GBVissenVenster::GBVissenVenster(Dialogen& dialogen, QWidget* parent)
    : Oefenvenster(dialogen, QStringLiteral("frmGBVissen"), QStringLiteral("Getalbeelden vissen"), parent,
        Vensteropmaak {.grootteTwips = {8340, 6240}})
{
    MaakSetup();
    MaakOefening();
    ZetHelpteksten(QStringLiteral("Er zijn geen instellingen voor deze oefening."),
        QStringLiteral("De leerling klikt op de vis die overeenkomt met het getal in de opgave. Het spel gaat oneindig "
                       "door."),
        QStringLiteral("Je kan alleen opnieuw beginnen door de oefening af te sluiten en opnieuw te starten."));
    ToonDoelgetal();
}

void GBVissenVenster::MaakSetup()
{
    auto* lijst = new QVBoxLayout(Pagina(TabSetup));
    lijst->setContentsMargins(16, 16, 16, 16);
    lijst->addWidget(MaakLabel(Pagina(TabSetup), QStringLiteral("lblGeenInstellingen"), Comic(12),
                         QStringLiteral("Geen instellingen voor dit item...")),
        0, Qt::AlignLeft | Qt::AlignTop);
}

void GBVissenVenster::MaakOefening()
{
    QWidget* pagina = Pagina(TabOefening);
    auto* indeling = new TwipsIndeling(pagina, Ontwerp);
    QLabel* uitleg = MaakLabel(
        pagina, QStringLiteral("lblUitleg"), Comic(13, true), QStringLiteral("Vis dit getalbeeld uit het water :"));
    uitleg->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_opgave = MaakLabel(pagina, QStringLiteral("lblOpgave"), Comic(28, true));
    ZetAchtergrond(m_opgave, Qt::white);
    m_opgave->setFrameShape(QFrame::Box);
    auto* hengel = new QSvgWidget(QStringLiteral(":/vissen/hengel.svg"), pagina);
    hengel->setObjectName(QStringLiteral("imgHengel"));
    m_water = new Water(m_vijver, pagina);
    m_uitslag = MaakLabel(pagina, QStringLiteral("lblUitslag"), Comic(13, true));
    m_resultaat = MaakLabel(pagina, QStringLiteral("lblResultaat"), Comic(12), Resultaattekst(0));
    m_resultaat->setWordWrap(true);

    indeling->Plaats(uitleg, Uitleg);
    indeling->Plaats(m_opgave, Opgave);
    indeling->Plaats(hengel, Hengel);
    indeling->Plaats(m_water, WaterPlek);
    indeling->Plaats(m_uitslag, Uitslag);
    indeling->Plaats(m_resultaat, Resultaat);
    connect(m_water, &Water::VisGekozen, this, &GBVissenVenster::Vang);
}

void GBVissenVenster::Vang(int index)
{
    if (m_vijver.Vang(index)) {
        m_uitslag->setText(QStringLiteral("Goed zo !"));
        ZetAchtergrond(m_uitslag, Uitslagkleur::Goed);
        SpeelGoed();
        m_resultaat->setText(Resultaattekst(m_vijver.GoedeVissen()));
        ToonDoelgetal();
    } else {
        m_uitslag->setText(QStringLiteral("Foutje..."));
        ZetAchtergrond(m_uitslag, Uitslagkleur::Fout);
        SpeelFout();
    }
}

void GBVissenVenster::ToonDoelgetal()
{
    m_opgave->setText(Tekst(m_vijver.Doelgetal()));
}
