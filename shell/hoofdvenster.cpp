#include "hoofdvenster.h"

#include "dialogen.h"
#include "geluid.h"
#include "menubalk.h"
#include "modulebeheer.h"
#include "programmagegevens.h"
#include "schaalbediening.h"
#include "toeval.h"
#include "twips.h"
#include "werkbalk.h"
#include "werkbalkinstelling.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QScreen>
#include <QToolBar>

#include <algorithm>

using namespace Qt::StringLiterals;

QString Bijschrift(const QString& programma)
{
    // Joined, not filled in with arg(): a program named like "les%2" would have its "%2" replaced.
    // Qt takes "[*]" in a title for the modified mark and shows "[*][*]" as "[*]".
    const QString naam = QFileInfo(programma).completeBaseName().replace(u"[*]"_s, u"[*][*]"_s);
    return naam + u' ' + QString::number(TALLORA_VERSIE_MAJOR) + u'.' + QString::number(TALLORA_VERSIE_MINOR)
        + u" Revisie : "_s + QString::number(TALLORA_VERSIE_REVISIE);
}

Hoofdvenster::Hoofdvenster(Dialogen& dialogen, Modulevensters vensters, QWidget* parent)
    : QMainWindow(parent)
    , m_dialogen(dialogen)
    , m_vensters(std::move(vensters))
    , m_werkruimte(new QMdiArea(this))
{
    LaadIconen();
    setObjectName(u"MDIForm1"_s);
    setWindowTitle(ProgrammaTitel());
    setWindowIcon(QIcon(u":/iconen/tallora.svg"_s));
    // The toolbar is shown and hidden only through "Werkbalk tonen", so that the check mark and the
    // saved setting always match it.
    setContextMenuPolicy(Qt::NoContextMenu);
    setCentralWidget(m_werkruimte);
    // The worksheet preview stands beside the worksheet window and reaches beyond a small main window.
    m_werkruimte->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_werkruimte->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    const Menuacties acties = MaakMenus();
    MaakWerkbalk(acties);
    m_schaal = new Schaalbediening(*this, *m_werkruimte, acties);
    ZetGrootte();
    Opstarten();
}

// Wider than the client area of 9015 twips where the toolbar needs it: a toolbar does not wrap, and the last
// buttons (help, afsluiten) would hide behind an overflow arrow. On a screen too narrow for that (a small laptop
// at 200 %) the buttons get smaller pictures, and the window stays on the screen.
void Hoofdvenster::ZetGrootte()
{
    const QSize client = PixelsGrootte(9015, 6750);
    const QSize scherm = screen()->availableGeometry().size();
    if (m_werkbalk->sizeHint().width() > scherm.width())
        m_werkbalk->setIconSize(QSize(24, 24));
    const int breedte = std::min(std::max(client.width(), m_werkbalk->sizeHint().width()), scherm.width());
    const int hoogte = client.height() + menuBar()->sizeHint().height() + m_werkbalk->sizeHint().height();
    resize(breedte, std::min(hoogte, scherm.height()));
}

Menuacties Hoofdvenster::MaakMenus()
{
    const Menuacties acties = VulMenubalk(*menuBar());
    for (const auto& [naam, actie] : acties) {
        if (actie->isSeparator())
            continue;
        const auto venster = m_vensters.find(naam);
        // An item without its window yet stays disabled, and its button with it.
        actie->setEnabled(venster != m_vensters.end() && venster->second.maak);
        if (actie->isEnabled())
            connect(actie, &QAction::triggered, this, [this, &gekozen = venster->second] { OpenVenster(gekozen); });
    }
    for (const QString& altijd : {u"groter"_s, u"kleiner"_s, u"gewonegrootte"_s})
        acties.at(altijd)->setEnabled(true);
    QAction* afsluiten = acties.at(u"afsluiten"_s);
    afsluiten->setEnabled(true);
    connect(afsluiten, &QAction::triggered, this, &Hoofdvenster::VraagAfsluiten);
    m_toonWerkbalk = acties.at(u"ToonWerkbalk"_s);
    m_toonWerkbalk->setEnabled(true);
    m_toonWerkbalk->setCheckable(true);
    connect(m_toonWerkbalk, &QAction::triggered, this, &Hoofdvenster::WisselWerkbalk);
    return acties;
}

void Hoofdvenster::MaakWerkbalk(const Menuacties& acties)
{
    m_werkbalk = addToolBar(u"Werkbalk"_s);
    m_werkbalk->setObjectName(u"Toolbar1"_s);
    m_werkbalk->setMovable(false);
    m_werkbalk->setFloatable(false);
    m_werkbalk->setToolButtonStyle(Qt::ToolButtonIconOnly);
    m_werkbalk->setIconSize(QSize(32, 32));
    VulWerkbalk(*m_werkbalk, acties);
}

void Hoofdvenster::Opstarten()
{
    ZaaiToeval();
    setWindowTitle(Bijschrift(QCoreApplication::applicationFilePath()));
    LaadGeluiden();
    ToonWerkbalk(LeesWerkbalkTonen());
}

void Hoofdvenster::OpenVenster(const Modulevenster& venster)
{
    std::unique_ptr<QWidget> nieuw = venster.maak(m_dialogen);
    // There is one stopwatch and one About box: asked again, the open one comes to the front.
    if (venster.wijze == Openwijze::Ernaast) {
        if (QMdiSubWindow* al = ::OpenVenster(*m_werkruimte, nieuw->objectName())) {
            m_werkruimte->setActiveSubWindow(al);
            return;
        }
    }
    QWidget* open = nieuw.get();
    m_schaal->BereidVoor(open);
    if (venster.wijze == Openwijze::Module)
        OpenModule(*m_werkruimte, std::move(nieuw));
    else
        ToonVenster(*m_werkruimte, std::move(nieuw));
    m_schaal->PasIn(open);
}

void Hoofdvenster::VraagAfsluiten()
{
    const Antwoord antwoord = m_dialogen.Melding(
        this, u"Bent u zeker dat u wilt afsluiten ?"_s, u"Afsluiten ?"_s, Knoppen::JaNee, Icoon::Informatie);
    if (antwoord == Antwoord::Ja)
        close();
}

void Hoofdvenster::WisselWerkbalk()
{
    const bool tonen = m_werkbalk->isHidden();
    ToonWerkbalk(tonen);
    // A setting that cannot be saved still holds for this run.
    BewaarWerkbalkTonen(tonen);
}

void Hoofdvenster::ToonWerkbalk(bool tonen)
{
    m_werkbalk->setVisible(tonen);
    m_toonWerkbalk->setChecked(tonen);
}

QMdiArea& Hoofdvenster::werkruimte() const
{
    return *m_werkruimte;
}

void Hoofdvenster::closeEvent(QCloseEvent* event)
{
    m_werkruimte->closeAllSubWindows();
    QMainWindow::closeEvent(event);
}
