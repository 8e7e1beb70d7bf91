#include "splashvenster.h"

#include "bouwstenen.h"
#include "dialogen.h"
#include "programmagegevens.h"

#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

QFont Arial(qreal punten)
{
    QFont font(u"Arial"_s);
    font.setPointSizeF(punten);
    font.setBold(true);
    return font;
}

void ZetKleur(QWidget* widget, QPalette::ColorRole rol, const QColor& kleur)
{
    QPalette palet = widget->palette();
    palet.setColor(rol, kleur);
    widget->setPalette(palet);
}

} // namespace

SplashVenster::SplashVenster(Dialogen& dialogen, std::function<void()> toonHoofdvenster, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
    , m_dialogen(dialogen)
    , m_toonHoofdvenster(std::move(toonHoofdvenster))
    , m_timer(new QTimer(this))
{
    LaadIconen();
    setObjectName(u"frmSplash"_s);
    setWindowTitle(ProgrammaTitel());
    setAutoFillBackground(true);
    setFocusPolicy(Qt::StrongFocus);
    ZetKleur(this, QPalette::Window, Qt::black);
    ZetKleur(this, QPalette::WindowText, {255, 255, 192});
    MaakInhoud();
    m_timer->setObjectName(u"Timer1"_s);
    m_timer->setInterval(1000);
    connect(m_timer, &QTimer::timeout, this, &SplashVenster::Tik);
}

void SplashVenster::MaakInhoud()
{
    auto* kader = new QFrame(this);
    kader->setObjectName(u"fraBeeld"_s);
    kader->setFrameShape(QFrame::Box);
    kader->setLineWidth(2);
    ZetKleur(kader, QPalette::WindowText, Qt::black);
    auto* beeld = new QLabel(kader);
    beeld->setObjectName(u"imgBeeld"_s);
    // Drawn from shell/iconen/splash.svg when the program is built, so that a PNG is on screen at once; Qt takes
    // splash@2x.png on a high-resolution screen.
    beeld->setPixmap(QPixmap(u":/iconen/splash.png"_s));
    auto* kaderLayout = new QVBoxLayout(kader);
    kaderLayout->setContentsMargins(8, 8, 8, 8);
    kaderLayout->addWidget(beeld);

    QLabel* voorstelling
        = MaakLabel(this, u"lblVoorstelling"_s, Arial(12), u"Het Tallora-team stelt voor : rekenen op de computer"_s);
    QLabel* versie = MaakLabel(this, u"lblVersion"_s, Arial(12), VersieTekst());
    QLabel* platform = MaakLabel(this, u"lblPlatform"_s, Arial(15.75), PlatformTekst());
    m_teller = MaakLabel(this, u"lblTeller"_s, Arial(12));
    m_teller->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    ToonAftelling();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 12);
    layout->setSpacing(6);
    layout->addWidget(kader, 0, Qt::AlignHCenter);
    layout->addWidget(voorstelling, 0, Qt::AlignHCenter);
    layout->addWidget(versie, 0, Qt::AlignHCenter);
    layout->addWidget(platform, 0, Qt::AlignHCenter);
    layout->addSpacing(6);
    layout->addWidget(m_teller);
}

void SplashVenster::paintEvent(QPaintEvent* event)
{
    QWidget::paintEvent(event);
    if (!m_getekend) {
        m_getekend = true;
        emit Getekend();
    }
}

void SplashVenster::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (m_gestart)
        return;
    m_gestart = true;
    adjustSize();
    move(screen()->geometry().center() - rect().center());
    activateWindow();
    // Once the window is on screen: the warning may wait for an answer.
    QTimer::singleShot(0, this, &SplashVenster::Begin);
}

// The warning comes first; the countdown runs once it is read.
void SplashVenster::Begin()
{
    if (SchermTeSmal(screen()->geometry().width()))
        m_dialogen.Melding(this,
            u"Dit programma zal met grote moeite lopen, \r\nu kan best uw scherm op een grotere resolutie zetten."_s,
            ProgrammaTitel(), Knoppen::Ok, Icoon::Geen);
    if (!m_klaar)
        m_timer->start();
}

void SplashVenster::Tik()
{
    if (m_klaar)
        return;
    const bool afgelopen = m_aftelling.Tik();
    ToonAftelling();
    if (afgelopen)
        Beeindig();
}

void SplashVenster::ToonAftelling()
{
    m_teller->setText(m_aftelling.Tekst());
    ZetKleur(m_teller, QPalette::WindowText, m_aftelling.Kleur());
}

void SplashVenster::keyPressEvent(QKeyEvent*)
{
    Beeindig();
}

void SplashVenster::mousePressEvent(QMouseEvent*)
{
    Beeindig();
}

void SplashVenster::closeEvent(QCloseEvent* event)
{
    Beeindig();
    event->accept();
}

// The main window first: with the start window gone and no other window yet, the program would end.
void SplashVenster::Beeindig()
{
    if (m_klaar)
        return;
    m_klaar = true;
    m_timer->stop();
    m_toonHoofdvenster();
    close();
}
