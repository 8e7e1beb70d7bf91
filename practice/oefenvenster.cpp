#include "oefenvenster.h"

#include "tabstrook.h"
#include "venster.h"

#include <QEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QShortcut>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

struct Tab
{
    const char* titel;
    const char* sleutel;
    const char* tip;
};

constexpr std::array<Tab, 3> Tabs {{
    {"Setup", "setup", "Klik hier om de oefening op te maken"},
    {"Oefening", "oefening", "Klik hier om de oefening te starten"},
    {"Help", "help", "Klik hier voor meer uitleg"},
}};

constexpr std::array<const char*, 3> HelpTitels {"Start :", "Oefening:", "Einde :"};

class Leegmaker final : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* object, QEvent* event) override
    {
        if (event->type() == QEvent::FocusIn) {
            const auto reden = static_cast<QFocusEvent*>(event)->reason();
            if (reden != Qt::ActiveWindowFocusReason && reden != Qt::PopupFocusReason)
                static_cast<QLineEdit*>(object)->clear();
        }
        return false;
    }
};

} // namespace

Oefenvenster::Oefenvenster(
    Dialogen& dialogen, const QString& naam, const QString& titel, QWidget* parent, QSize grootteTwips)
    : QWidget(parent)
    , TabStrip(new Tabstrook(this))
    , cmdStop(new QToolButton(this))
    , m_dialogen(dialogen)
    , m_paginas(new QStackedWidget(this))
    , m_grootteTwips(grootteTwips)
{
    setObjectName(naam);
    setWindowTitle(titel);
    MaakTabs();
    MaakHelppagina();

    auto* kop = new QHBoxLayout;
    kop->addWidget(TabStrip, 1, Qt::AlignBottom);
    kop->addWidget(cmdStop, 0, Qt::AlignRight | Qt::AlignVCenter);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(0);
    layout->addLayout(kop);
    layout->addWidget(m_paginas, 1);

    cmdStop->setObjectName(QStringLiteral("cmdStop"));
    cmdStop->setToolTip(QStringLiteral("Deze oefening afsluiten"));
    cmdStop->setIcon(QIcon(QStringLiteral(":/practice/stop.svg")));
    cmdStop->setIconSize({24, 24});
    cmdStop->setAutoRaise(true);
    connect(cmdStop, &QToolButton::clicked, this, &Oefenvenster::Sluit);
    m_paginas->setCurrentIndex(TabSetup);
}

void Oefenvenster::MaakTabs()
{
    TabStrip->setObjectName(QStringLiteral("TabStrip"));
    TabStrip->setDrawBase(false);
    m_paginas->setFrameShape(QFrame::StyledPanel);
    for (std::size_t i = 0; i < Tabs.size(); ++i) {
        const int index = TabStrip->addTab(QString::fromUtf8(Tabs[i].titel));
        TabStrip->setTabData(index, QString::fromUtf8(Tabs[i].sleutel));
        TabStrip->setTabToolTip(index, QString::fromUtf8(Tabs[i].tip));
        Frame1[i] = new QWidget(m_paginas);
        Frame1[i]->setObjectName(QStringLiteral("Frame1(%1)").arg(i));
        m_paginas->addWidget(Frame1[i]);
    }
    // tabBarClicked also comes for the tab that is already selected: that click acts too.
    connect(TabStrip, &QTabBar::tabBarClicked, this, &Oefenvenster::Reageer);
    // The tab strip takes no focus, so the keyboard reaches the tabs through these, as in a browser.
    for (const auto& [toets, stap] : {std::pair {Qt::Key_PageDown, 1}, std::pair {Qt::Key_PageUp, -1}}) {
        auto* sneltoets = new QShortcut(QKeySequence(Qt::CTRL | toets), this);
        sneltoets->setContext(Qt::WidgetWithChildrenShortcut);
        connect(sneltoets, &QShortcut::activated, this,
            [this, stap] { KlikTab((TabStrip->currentIndex() + stap + TabStrip->count()) % TabStrip->count()); });
    }
}

void Oefenvenster::MaakHelppagina()
{
    auto* raster = new QGridLayout(Frame1[TabHelp]);
    raster->setContentsMargins(12, 12, 12, 12);
    raster->setHorizontalSpacing(12);
    raster->setVerticalSpacing(10);
    for (std::size_t i = 0; i < lblHelpTitel.size(); ++i) {
        lblHelpTitel[i] = new QLabel(Frame1[TabHelp]);
        lblHelpTitel[i]->setObjectName(QStringLiteral("lblHelpTitel(%1)").arg(i));
        lblHelpTitel[i]->setWordWrap(true);
        lblHelpTitel[i]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    for (std::size_t i = 0; i < HelpTitels.size(); ++i) {
        QLabel* titel = lblHelpTitel[i];
        titel->setText(QString::fromUtf8(HelpTitels[i]));
        QFont vet = titel->font();
        vet.setBold(true);
        titel->setFont(vet);
        titel->setWordWrap(false);
        raster->addWidget(titel, static_cast<int>(i), 0);
        raster->addWidget(lblHelpTitel[i + HelpTitels.size()], static_cast<int>(i), 1);
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
    lblHelpTitel[3]->setText(start);
    lblHelpTitel[4]->setText(oefening);
    lblHelpTitel[5]->setText(einde);
}

bool Oefenvenster::Reageer(int index)
{
    switch (index) {
    case TabSetup:
        SetupGekozen();
        break;
    case TabOefening:
        if (!OefeningGekozen())
            return false;
        break;
    case TabHelp:
        HelpGekozen();
        break;
    default:
        return false; // a click beside the tabs
    }
    ToonPagina(index);
    return true;
}

void Oefenvenster::KlikTab(int index)
{
    Reageer(index);
    if (index >= 0 && index < TabStrip->count())
        TabStrip->setCurrentIndex(index);
}

void Oefenvenster::ToonPagina(int index)
{
    m_paginas->setCurrentIndex(index);
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
        PlaatsVenster(this, m_grootteTwips, Plaatsing::MiddenBoven());
    }
    QWidget::showEvent(event);
}

void LeegBijBinnenkomst(QLineEdit* vak)
{
    vak->installEventFilter(new Leegmaker(vak));
}

QLineEdit* MaakGetalvak(const QString& naam, const QString& tekst, QWidget* ouder)
{
    auto* vak = new QLineEdit(tekst, ouder);
    vak->setObjectName(naam);
    vak->setMaximumWidth(vak->fontMetrics().horizontalAdvance(QStringLiteral("000000000")));
    LeegBijBinnenkomst(vak);
    return vak;
}
