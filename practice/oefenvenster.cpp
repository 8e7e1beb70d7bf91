#include "oefenvenster.h"

#include "bouwstenen.h"
#include "schaal.h"
#include "twips.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QShortcut>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr std::array<const char*, 3> HelpTitels {"Start :", "Oefening:", "Einde :"};

} // namespace

std::vector<Tabblad> StandaardTabs()
{
    return {
        {QStringLiteral("Setup"), QStringLiteral("setup"), QStringLiteral("Klik hier om de oefening op te maken")},
        {QStringLiteral("Oefening"), QStringLiteral("oefening"), QStringLiteral("Klik hier om de oefening te starten")},
        {QStringLiteral("Help"), QStringLiteral("help"), QStringLiteral("Klik hier voor meer uitleg")},
    };
}

Oefenvenster::Oefenvenster(
    Dialogen& dialogen, const QString& naam, const QString& titel, QWidget* parent, Vensteropmaak opmaak)
    : QWidget(parent)
    , m_dialogen(dialogen)
    , m_tabs(new Tabstrook(this, opmaak.vorm))
    , m_stapel(new QStackedWidget(this))
    , m_kop(new QHBoxLayout)
    , m_stop(new QToolButton(this))
    , m_grootteTwips(opmaak.grootteTwips)
    , m_plaatsing(opmaak.plaatsing)
    , m_zoombaar(opmaak.zoombaar)
{
    setObjectName(naam);
    setWindowTitle(titel);
    MaakTabs(opmaak.tabs);
    MaakSneltoetsen();

    m_stop->setObjectName(QStringLiteral("cmdStop"));
    m_stop->setToolTip(QStringLiteral("Deze oefening afsluiten"));
    m_stop->setAccessibleName(QStringLiteral("Afsluiten"));
    m_stop->setIcon(QIcon(QStringLiteral(":/practice/stop.svg")));
    m_stop->setIconSize({24, 24});
    m_stop->setAutoRaise(true);
    connect(m_stop, &QToolButton::clicked, this, &Oefenvenster::Sluit);

    m_kop->setSpacing(6);
    m_kop->addWidget(m_tabs, 1, Qt::AlignBottom);
    m_kop->addWidget(m_stop, 0, Qt::AlignRight | Qt::AlignVCenter);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(0);
    layout->addLayout(m_kop);
    layout->addWidget(m_stapel, 1);
    m_stapel->setCurrentIndex(0);
}

void Oefenvenster::MaakTabs(const std::vector<Tabblad>& tabs)
{
    m_tabs->setObjectName(QStringLiteral("TabStrip"));
    m_tabs->setDrawBase(false);
    m_stapel->setFrameShape(QFrame::StyledPanel);
    for (const Tabblad& tab : tabs) {
        const int index = m_tabs->addTab(tab.titel);
        m_tabs->setTabData(index, tab.sleutel);
        m_tabs->setTabToolTip(index, tab.tip);
        auto* pagina = new QWidget(m_stapel);
        pagina->setObjectName(QStringLiteral("Frame1(%1)").arg(index));
        m_stapel->addWidget(pagina);
        m_paginas.push_back(pagina);
        if (tab.sleutel == QLatin1String("help"))
            MaakHelppagina(pagina);
    }
    // tabBarClicked also comes for the tab that is already selected: that click acts too.
    connect(m_tabs, &QTabBar::tabBarClicked, this, &Oefenvenster::KlikTab);
}

// The tab strip takes no focus, so the keyboard reaches the tabs through these, as in a browser.
void Oefenvenster::MaakSneltoetsen()
{
    for (const auto& [toets, stap] : {std::pair {Qt::Key_PageDown, 1}, std::pair {Qt::Key_PageUp, -1}}) {
        auto* sneltoets = new QShortcut(QKeySequence(Qt::CTRL | toets), this);
        sneltoets->setContext(Qt::WidgetWithChildrenShortcut);
        connect(sneltoets, &QShortcut::activated, this,
            [this, stap] { KlikTab((m_tabs->currentIndex() + stap + m_tabs->count()) % m_tabs->count()); });
    }
}

void Oefenvenster::MaakHelppagina(QWidget* pagina)
{
    auto* raster = new QGridLayout(pagina);
    raster->setContentsMargins(12, 12, 12, 12);
    raster->setHorizontalSpacing(12);
    raster->setVerticalSpacing(10);
    for (std::size_t i = 0; i < m_helpteksten.size(); ++i) {
        QLabel* label = MaakLabel(pagina, QStringLiteral("lblHelpTitel(%1)").arg(i), font());
        label->setWordWrap(i >= HelpTitels.size());
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        m_helpteksten[i] = label;
    }
    for (std::size_t i = 0; i < HelpTitels.size(); ++i) {
        QLabel* titel = m_helpteksten[i];
        titel->setText(QString::fromUtf8(HelpTitels[i]));
        QFont vet = titel->font();
        vet.setBold(true);
        titel->setFont(vet);
        raster->addWidget(titel, static_cast<int>(i), 0);
        raster->addWidget(m_helpteksten[i + HelpTitels.size()], static_cast<int>(i), 1);
    }
    raster->setColumnStretch(1, 1);
    raster->setRowStretch(static_cast<int>(HelpTitels.size()), 1);
}

QString Oefenvenster::HelpOefening()
{
    return QStringLiteral("De leerling vult zijn oplossing in en drukt op [enter]. Wil je iets aanpassen of zo, dan "
                          "druk je op het tabblad 'Setup'.");
}

QString Oefenvenster::HelpEinde()
{
    return QStringLiteral("Als alle oefeningen afgelopen zijn krijg je een melding met je resultaat. Je kan dan "
                          "opnieuw beginnen, of de oefening afsluiten.");
}

void Oefenvenster::ZetHelpteksten(const QString& start, const QString& oefening, const QString& einde)
{
    if (!m_helpteksten[3])
        return;
    m_helpteksten[3]->setText(start);
    m_helpteksten[4]->setText(oefening);
    m_helpteksten[5]->setText(einde);
}

bool Oefenvenster::TabGekozen(int index)
{
    const QString sleutel = m_tabs->tabData(index).toString();
    if (sleutel == QLatin1String("setup"))
        SetupGekozen();
    else if (sleutel == QLatin1String("oefening"))
        return OefeningGekozen();
    else if (sleutel == QLatin1String("help"))
        HelpGekozen();
    return true;
}

bool Oefenvenster::Reageer(int index)
{
    if (index < 0 || index >= m_tabs->count())
        return false; // a click beside the tabs
    if (!TabGekozen(index))
        return false;
    ToonPagina(index);
    return true;
}

void Oefenvenster::KlikTab(int index)
{
    Reageer(index);
    if (index >= 0 && index < m_tabs->count())
        m_tabs->setCurrentIndex(index);
}

void Oefenvenster::ToonPagina(int index)
{
    m_stapel->setCurrentIndex(index);
}

void Oefenvenster::ToonTab(int index)
{
    m_tabs->setCurrentIndex(index);
    ToonPagina(index);
}

int Oefenvenster::PaginaVoor() const
{
    return m_stapel->currentIndex();
}

void Oefenvenster::Meld(const Melding& melding)
{
    m_dialogen.Melding(this, melding.prompt, melding.titel, Knoppen::Ok, melding.icoon);
}

void Oefenvenster::Sluit()
{
    SluitVenster(this);
}

void Oefenvenster::showEvent(QShowEvent* event)
{
    if (!m_geplaatst) {
        m_geplaatst = true;
        Plaats();
        ZetBeginfocus();
    }
    QWidget::showEvent(event);
}

void Oefenvenster::ZetSchaal(double schaal)
{
    if (schaal != m_schaal || !m_geplaatst) {
        m_schaal = schaal;
        SchaalWidgets(this, schaal);
    }
    if (m_geplaatst)
        Plaats();
}

void Oefenvenster::VoegRijToe(QWidget* rij)
{
    layout()->addWidget(rij);
}

void Oefenvenster::Plaats()
{
    PlaatsVenster(this, GrootteInTwips(), m_plaatsing);
}

QSize Oefenvenster::GrootteInTwips() const
{
    const QSize grootte = (QSizeF(m_grootteTwips) * m_schaal).toSize();
    const QMargins marges = layout()->contentsMargins();
    const int kop = m_kop->minimumSize().width() + marges.left() + marges.right();
    return {std::max(grootte.width(), Twips(kop)), grootte.height()};
}

// The keyboard starts on the first control of the first page, so that a window can be used without a mouse.
// The focus is given, not entered: a number box keeps its text.
void Oefenvenster::ZetBeginfocus()
{
    QWidget* pagina = m_paginas.front();
    for (QWidget* widget = pagina->nextInFocusChain(); widget != pagina && isAncestorOf(widget);
         widget = widget->nextInFocusChain()) {
        if (pagina->isAncestorOf(widget) && (widget->focusPolicy() & Qt::TabFocus) && widget->isEnabled()
            && !widget->isHidden()) {
            widget->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
}
