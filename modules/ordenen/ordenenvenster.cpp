#include "ordenenvenster.h"

#include "bouwstenen.h"
#include "geluid.h"
#include "getal.h"
#include "lettertypen.h"
#include "scorebord.h"
#include "sleepstukken.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

// What the two ordering windows differ in.
struct Ordenvorm
{
    const char* naam;
    const char* titel;
    Plaatjessoort plaatjes;
    bool richtingInOpdracht; // the direction in lblopdracht, otherwise in the window's caption
    bool setupNieuweReeks; // the Setup tab shows "Nieuwe reeks !"
    const char* helpStart;
    const char* helpOefening;
};

namespace {

const Ordenvorm Getalbeelden {"frmGBOrdenen", "Getalbeelden ordenen", Plaatjessoort::Getalbeelden, true, false,
    "Vul het maximum in, alsook het aantal oefeningen, en kies een richting. Klik dan op het tabblad 'Oefening'.",
    "De leerling versleept de getalbeelden naar het juiste vakje. Als ze alledrie juist geplaatst zijn komt er "
    "automatisch een nieuwe opgave. Slepen lukt niet ? Klik dan op een getalbeeld en daarna op zijn vakje. Met het "
    "toetsenbord: spatie op een getalbeeld, dan 1, 2 of 3 voor het vakje links, in het midden of rechts."};

const Ordenvorm Getallen {"frmGROrdenen", "Getallenrij Ordenen", Plaatjessoort::Cijfers, false, true,
    "Kies een maximum, het aantal oefeningen en de richting. Klik dan op het tabblad 'Oefening' om te starten.",
    "De leerling sleept de getallen naar de juiste plaats in de vakjes eronder. Als alle 3 de getallen op de juiste "
    "plaats staan komt er automatisch een nieuwe opgave ! Slepen lukt niet ? Klik dan op een getal en daarna op zijn "
    "vakje. Met het toetsenbord: spatie op een getal, dan 1, 2 of 3 voor het vakje links, in het midden of rechts."};

const QColor Lichtgeel {255, 255, 192};

} // namespace

OrdenenVenster::OrdenenVenster(Dialogen& dialogen, Soort soort, QWidget* parent)
    : Oefenvenster(dialogen, QString::fromUtf8((soort == Soort::Getalbeelden ? Getalbeelden : Getallen).naam),
        QString::fromUtf8((soort == Soort::Getalbeelden ? Getalbeelden : Getallen).titel), parent)
    , m_vorm(soort == Soort::Getalbeelden ? Getalbeelden : Getallen)
    , m_timer(new QTimer(this))
{
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setInterval(Ordenspel::TikMs);
    connect(m_timer, &QTimer::timeout, this, &OrdenenVenster::Tik);
    MaakSetup();
    MaakOefening();
    ZetHelpteksten(QString::fromUtf8(m_vorm.helpStart), QString::fromUtf8(m_vorm.helpOefening));
}

void OrdenenVenster::MaakSetup()
{
    QWidget* pagina = Pagina(TabSetup);
    m_max = MaakGetalvak(pagina, QStringLiteral("txtMax"), QStringLiteral("10"));
    m_aantal = MaakGetalvak(pagina, QStringLiteral("txtAantal"), QStringLiteral("20"));
    m_kleinGroot = MaakOptie(pagina, QStringLiteral("optKleinGroot"), QStringLiteral("klein naar groot"));
    QRadioButton* grootKlein = MaakOptie(pagina, QStringLiteral("optGrootKlein"), QStringLiteral("groot naar klein"));
    m_kleinGroot->setChecked(true);

    auto* layout = new QVBoxLayout(pagina);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->setSpacing(12);
    layout->addLayout(MaakGetalregel(pagina, QStringLiteral("Maximum :"), m_max));
    layout->addLayout(MaakGetalregel(pagina, QStringLiteral("Aantal oefeningen :"), m_aantal));
    layout->addSpacing(6);
    layout->addWidget(m_kleinGroot);
    layout->addWidget(grootKlein);
    layout->addStretch(1);
}

// The sources in a row over their boxes, each connected to the game by its place.
QLayout* OrdenenVenster::MaakStukken(QWidget* pagina)
{
    auto* stukken = new QGridLayout;
    stukken->setHorizontalSpacing(16);
    stukken->setVerticalSpacing(14);
    for (int plaats = 1; plaats <= Ordenspel::Plaatsen; ++plaats) {
        auto* bron = new Sleepbron(pagina, QStringLiteral("ImageB%1").arg(plaats), m_vorm.plaatjes);
        QSizePolicy houdPlaats = bron->sizePolicy();
        houdPlaats.setRetainSizeWhenHidden(true); // the boxes stay where they are while sources are placed
        bron->setSizePolicy(houdPlaats);
        auto* vak = new Sleepvak(pagina, QStringLiteral("ImageO%1").arg(plaats), m_vorm.plaatjes);
        connect(bron, &Sleepbron::Kies, this, [this, plaats] { Kies(plaats); });
        connect(bron, &Sleepbron::Plaats, this, [this, plaats](int doel) { ToetsVak(plaats, doel); });
        connect(bron, &Sleepbron::Slepen, this, &OrdenenVenster::Slepen);
        connect(vak, &Sleepvak::Gelaten, this, [this, plaats](int tag) { Laat(tag, plaats); });
        connect(vak, &Sleepvak::Geklikt, this, [this, plaats] { VakGeklikt(plaats); });
        stukken->addWidget(bron, 0, plaats - 1);
        stukken->addWidget(vak, 1, plaats - 1);
        m_bronnen[static_cast<std::size_t>(plaats - 1)] = bron;
        m_vakken[static_cast<std::size_t>(plaats - 1)] = vak;
    }
    return stukken;
}

void OrdenenVenster::MaakOefening()
{
    QWidget* pagina = Pagina(TabOefening);
    m_bord = new Scorebord(pagina, QStringLiteral("Starten maar !"));
    m_bord->hide(); // this game keeps no score: only its verdict and count stand on the page
    auto* aantal = new QHBoxLayout;
    aantal->addStretch(1);
    aantal->addWidget(m_bord->Resterend());

    auto* layout = new QVBoxLayout(pagina);
    layout->setContentsMargins(14, 10, 14, 10);
    layout->setSpacing(10);
    if (m_vorm.richtingInOpdracht) {
        m_opdracht = MaakLabel(
            pagina, QStringLiteral("lblopdracht"), Comic(13, true), QStringLiteral("Van klein naar groot !"));
        m_opdracht->setMargin(4);
        ZetAchtergrond(m_opdracht, Lichtgeel);
        layout->addWidget(m_opdracht);
    }
    layout->addLayout(MaakStukken(pagina), 1);
    layout->addWidget(m_bord->Uitslag());
    layout->addLayout(aantal);
}

void OrdenenVenster::SetupGekozen()
{
    if (m_vorm.setupNieuweReeks)
        m_bord->ToonNieuweReeks(QStringLiteral("Nieuwe reeks !"));
}

bool OrdenenVenster::OefeningGekozen()
{
    const double maximum = LeesGetal(m_max->text());
    if (maximum < 3 || maximum > 10) {
        Meld({QStringLiteral("Je maximum klopt niet.\r\nHet moet minstens 3,\r\nen maximum 10 zijn !")});
        return false;
    }
    const auto aantal = LeesGeheel16(m_aantal->text());
    if (LeesGetal(m_aantal->text()) < 1 || !aantal) {
        Meld({QStringLiteral("Je aantal oefeningen klopt niet.")});
        return false;
    }
    const bool kleinNaarGroot = m_kleinGroot->isChecked();
    const QString richting
        = kleinNaarGroot ? QStringLiteral("Klein naar groot !") : QStringLiteral("Groot naar klein !");
    if (m_opdracht)
        m_opdracht->setText(richting);
    else
        setWindowTitle(richting);

    m_timer->stop();
    m_eindeNaSlepen = false;
    m_spel.Start(*LeesGeheel32(m_max->text()), *aantal, kleinNaarGroot);
    m_bord->ToonResterend(m_spel.Resterend());
    ToonOefening();
    m_bronnen.front()->setFocus();
    return true;
}

void OrdenenVenster::ToonOefening()
{
    m_bord->ToonUitslag(QStringLiteral("Starten maar !"));
    ToonSpel();
}

// The sources that still wait and the boxes with what they hold. A keyboard on this page goes to the first source
// that waits; while none waits it rests on the page itself, where no key acts (not on the stop button).
void OrdenenVenster::ToonSpel()
{
    ZetKeuze(0);
    QWidget* pagina = Pagina(TabOefening);
    const bool focusHier = pagina->isAncestorOf(QApplication::focusWidget()) || pagina->hasFocus();
    if (focusHier)
        pagina->setFocus();
    QWidget* focus = pagina;
    for (int plaats = Ordenspel::Plaatsen; plaats >= 1; --plaats) {
        Sleepbron* bron = m_bronnen[static_cast<std::size_t>(plaats - 1)];
        bron->Toon(m_spel.Getal(plaats), m_spel.Tag(plaats));
        bron->setVisible(!m_spel.Geplaatst(plaats));
        if (!m_spel.Geplaatst(plaats))
            focus = bron;
        m_vakken[static_cast<std::size_t>(plaats - 1)]->Toon(m_spel.InVak(plaats));
    }
    if (focusHier)
        focus->setFocus();
}

void OrdenenVenster::Laat(int tag, int vak)
{
    const Ordenspel::Afloop afloop = m_spel.Laat(tag, vak);
    if (afloop != Ordenspel::Afloop::Niets)
        ToonAfloop(afloop, vak);
}

void OrdenenVenster::ToonAfloop(Ordenspel::Afloop afloop, int vak)
{
    if (afloop == Ordenspel::Afloop::Fout) {
        ZetKeuze(0);
        m_bord->ToonFout(Ordenspel::Verwijt(vak));
        return;
    }
    m_bord->ToonGoed(Ordenspel::Lof(vak));
    ToonSpel();
    if (afloop == Ordenspel::Afloop::Alledrie) {
        m_bord->ToonResterend(m_spel.Resterend());
        m_bord->ToonUitslag(QStringLiteral("Alledrie op de juiste plaats !"));
        SpeelGoed();
        m_timer->start();
    } else if (afloop == Ordenspel::Afloop::Einde) {
        EindeReeks();
    }
}

// A click on a source, or Space on it, chooses it; choosing it again lets it go.
void OrdenenVenster::Kies(int bron)
{
    ZetKeuze(bron == m_gekozen ? 0 : bron);
}

void OrdenenVenster::ZetKeuze(int bron)
{
    m_gekozen = bron;
    for (int plaats = 1; plaats <= Ordenspel::Plaatsen; ++plaats)
        m_bronnen[static_cast<std::size_t>(plaats - 1)]->ZetGekozen(plaats == m_gekozen);
}

void OrdenenVenster::VakGeklikt(int vak)
{
    if (m_gekozen)
        Laat(m_bronnen[static_cast<std::size_t>(m_gekozen - 1)]->Tag(), vak);
}

// 1, 2 or 3 on a source puts the chosen source in that box, or else the source that has the keyboard.
void OrdenenVenster::ToetsVak(int bron, int vak)
{
    Laat(m_bronnen[static_cast<std::size_t>((m_gekozen ? m_gekozen : bron) - 1)]->Tag(), vak);
}

void OrdenenVenster::Tik()
{
    if (!m_spel.Tik())
        return;
    m_timer->stop();
    ToonOefening();
}

void OrdenenVenster::Slepen(bool bezig)
{
    m_sleept = bezig;
    if (!bezig && m_eindeNaSlepen) {
        m_eindeNaSlepen = false;
        VraagNogEens();
    }
}

void OrdenenVenster::EindeReeks()
{
    m_bord->ToonUitslag(QStringLiteral("Klaar !"));
    m_bord->ToonResterend({});
    // A question asked inside the drop would close the window under the drag that is still running.
    if (m_sleept)
        m_eindeNaSlepen = true;
    else
        VraagNogEens();
}

void OrdenenVenster::VraagNogEens()
{
    const Antwoord antwoord
        = dialogen().Melding(this, QStringLiteral("Alle oefeningen zijn gemaakt.\r\n\r\nNog eens ?"),
            QStringLiteral("opnieuw ?"), Knoppen::JaNee, Icoon::Geen);
    // No score is kept here, so the tab header can follow the page as a click on Setup would.
    if (antwoord == Antwoord::Ja)
        KlikTab(TabSetup);
    else
        Sluit();
}
