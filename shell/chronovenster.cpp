#include "chronovenster.h"

#include "bouwstenen.h"
#include "venster.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTimer>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace {

QFont Cijfers()
{
    QFont font(u"Arial Unicode MS"_s);
    font.setPointSizeF(20.25);
    font.setBold(true);
    return font;
}

QLabel* Cijferlabel(QWidget* ouder, const QString& naam, const QString& tekst, Qt::Alignment uitlijning)
{
    QLabel* label = MaakLabel(ouder, naam, Cijfers(), tekst);
    label->setAlignment(uitlijning | Qt::AlignVCenter);
    return label;
}

} // namespace

ChronoVenster::ChronoVenster(Dialogen&, QWidget* parent)
    : QWidget(parent)
    , m_timer(new QTimer(this))
    , m_minuten(Cijferlabel(this, u"lblMinuten"_s, u"00"_s, Qt::AlignRight))
    , m_seconden(Cijferlabel(this, u"lblSeconden"_s, u"00"_s, Qt::AlignHCenter))
    , m_tienden(Cijferlabel(this, u"lblTienden"_s, u"0"_s, Qt::AlignLeft))
    , m_start(MaakKnop(u"cmdStart"_s, u"chronostart"_s, u"Start"_s))
    , m_pauze(MaakKnop(u"cmdPauze"_s, u"chronopauze"_s, u"Pauze"_s))
    , m_stop(MaakKnop(u"cmdStop"_s, u"chronostop"_s, u"Stop en terug op nul"_s))
{
    setObjectName(u"frmChrono"_s);
    setWindowTitle(u"Chronometer"_s);
    setAutoFillBackground(true);
    QPalette palet = palette();
    palet.setColor(QPalette::Window, Qt::black);
    palet.setColor(QPalette::WindowText, {0, 255, 0});
    setPalette(palet);
    m_timer->setObjectName(u"Timer1"_s);
    m_timer->setInterval(100);
    connect(m_timer, &QTimer::timeout, this, &ChronoVenster::Tik);
    connect(m_start, &QToolButton::clicked, this, &ChronoVenster::Start);
    connect(m_pauze, &QToolButton::clicked, this, &ChronoVenster::Pauze);
    connect(m_stop, &QToolButton::clicked, this, &ChronoVenster::Stop);
    auto* sluit = new QToolButton(this);
    sluit->setObjectName(u"cmdExit"_s);
    sluit->setText(u"x"_s);
    sluit->setToolTip(u"De chronometer sluiten"_s);
    connect(sluit, &QToolButton::clicked, this, [this] { SluitVenster(this); });

    auto* cijfers = new QHBoxLayout;
    cijfers->setSpacing(2);
    cijfers->addWidget(m_minuten);
    cijfers->addWidget(Cijferlabel(this, u"lblDubbelpunt(0)"_s, u":"_s, Qt::AlignHCenter));
    cijfers->addWidget(m_seconden);
    cijfers->addWidget(Cijferlabel(this, u"lblDubbelpunt(1)"_s, u":"_s, Qt::AlignHCenter));
    cijfers->addWidget(m_tienden);
    auto* knoppen = new QHBoxLayout;
    knoppen->setSpacing(2);
    knoppen->addStretch(1);
    for (QToolButton* knop : {m_start, m_pauze, m_stop})
        knoppen->addWidget(knop);
    knoppen->addStretch(1);
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(4, 2, 4, 4);
    layout->setVerticalSpacing(2);
    layout->addLayout(cijfers, 0, 0, 1, 2);
    layout->addWidget(sluit, 1, 0, Qt::AlignBottom);
    layout->addLayout(knoppen, 1, 1);
    Toon();
}

QToolButton* ChronoVenster::MaakKnop(const QString& naam, const QString& icoon, const QString& tip)
{
    auto* knop = new QToolButton(this);
    knop->setObjectName(naam);
    knop->setToolTip(tip);
    knop->setAccessibleName(tip);
    knop->setIcon(QIcon(u":/iconen/"_s + icoon + u".svg"_s));
    knop->setIconSize(QSize(16, 26));
    return knop;
}

// The work area gives its windows a title bar; the stopwatch has none, so it brings its own "x".
bool ChronoVenster::event(QEvent* event)
{
    if (event->type() == QEvent::ParentChange) {
        if (auto* kader = qobject_cast<QMdiSubWindow*>(parentWidget()))
            kader->setWindowFlags(Qt::FramelessWindowHint);
    }
    return QWidget::event(event);
}

void ChronoVenster::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (m_geplaatst)
        return;
    m_geplaatst = true;
    auto* kader = qobject_cast<QMdiSubWindow*>(parentWidget());
    if (!kader || !kader->mdiArea())
        return;
    kader->adjustSize();
    kader->move(kader->mdiArea()->viewport()->width() - kader->width(), 0);
}

void ChronoVenster::Tik()
{
    m_chrono.Tik();
    Toon();
}

// The timer runs only while the watch counts: a watch that stands still costs nothing.
void ChronoVenster::Start()
{
    m_chrono.Start();
    m_timer->start();
    Toon();
}

void ChronoVenster::Pauze()
{
    m_chrono.Pauze();
    m_timer->stop();
    Toon();
}

void ChronoVenster::Stop()
{
    m_chrono.Stop();
    m_timer->stop();
    Toon();
}

void ChronoVenster::Toon()
{
    m_minuten->setText(m_chrono.Minuten());
    m_seconden->setText(m_chrono.Seconden());
    m_tienden->setText(m_chrono.Tienden());
    m_start->setEnabled(m_chrono.StartMag());
    m_pauze->setEnabled(m_chrono.PauzeMag());
    m_stop->setEnabled(m_chrono.StopMag());
    Groei();
}

// From a hundred minutes on the minutes take a digit more: the window grows to the left, its right edge stays.
void ChronoVenster::Groei()
{
    auto* kader = qobject_cast<QMdiSubWindow*>(parentWidget());
    // The digits stand in a layout of their own inside the window's: activating the whole refreshes its size hint.
    layout()->activate();
    const int tekort = sizeHint().width() - width();
    if (kader && m_geplaatst && tekort > 0)
        kader->setGeometry(kader->geometry().adjusted(-tekort, 0, 0, 0));
}
