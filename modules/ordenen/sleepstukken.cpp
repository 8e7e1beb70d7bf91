#include "sleepstukken.h"

#include <QApplication>
#include <QDrag>
#include <QKeyEvent>
#include <QMimeData>
#include <QPainter>

namespace {

const QString Sleepformaat = QStringLiteral("application/x-tallora-ordenen");
const QColor Keuzekleur {255, 140, 0};
const QColor Vakrand {120, 120, 150};
const QColor Vakkleur {255, 255, 255};
const QColor Bovenkleur {215, 255, 215};

// The sources and boxes of one page belong together; a drag from elsewhere (another window, another program)
// is not theirs.
QByteArray Herkomst(const QWidget* stuk)
{
    return QByteArray::number(QCoreApplication::applicationPid()) + ':'
        + QByteArray::number(reinterpret_cast<quintptr>(stuk->parentWidget()));
}

// The room around a picture, for the frame that shows a choice or the focus.
qreal Rand(const QWidget* stuk)
{
    return std::max<qreal>(3, stuk->height() / 12.0);
}

void ZetMaat(QWidget* stuk, const QString& naam)
{
    stuk->setObjectName(naam);
    stuk->setMinimumSize(120, 62);
    stuk->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

} // namespace

Sleepbron::Sleepbron(QWidget* parent, const QString& naam, Plaatjessoort soort)
    : QWidget(parent)
    , m_soort(soort)
{
    ZetMaat(this, naam);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::OpenHandCursor);
}

void Sleepbron::Toon(int getal, int tag)
{
    m_getal = getal;
    m_tag = tag;
    setAccessibleName(QString::number(getal));
    update();
}

void Sleepbron::ZetGekozen(bool gekozen)
{
    m_gekozen = gekozen;
    update();
}

QMimeData* Sleepbron::MaakSleepdata() const
{
    auto* inhoud = new QMimeData;
    inhoud->setText(QString::number(m_tag));
    inhoud->setData(Sleepformaat, Herkomst(this));
    return inhoud;
}

void Sleepbron::paintEvent(QPaintEvent*)
{
    QPainter schilder(this);
    schilder.setRenderHint(QPainter::Antialiasing);
    const qreal rand = Rand(this);
    const QRectF vlak = QRectF(rect()).adjusted(rand, rand, -rand, -rand);
    TekenPlaatje(schilder, vlak, m_getal, m_soort);
    if (m_gekozen || hasFocus()) {
        QPen pen(m_gekozen ? Keuzekleur : palette().color(QPalette::Highlight),
            m_gekozen ? rand * 0.8 : std::max<qreal>(1, rand / 3), m_gekozen ? Qt::SolidLine : Qt::DashLine);
        schilder.setPen(pen);
        schilder.setBrush(Qt::NoBrush);
        const qreal half = rand / 2;
        schilder.drawRoundedRect(QRectF(rect()).adjusted(half, half, -half, -half), rand, rand);
    }
}

void Sleepbron::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        m_druk = event->position().toPoint();
    QWidget::mousePressEvent(event);
}

void Sleepbron::mouseMoveEvent(QMouseEvent* event)
{
    if (m_druk && (event->buttons() & Qt::LeftButton)
        && (event->position().toPoint() - *m_druk).manhattanLength() >= QApplication::startDragDistance()) {
        const QPoint greep = *m_druk;
        m_druk.reset();
        Sleep(greep);
    }
}

void Sleepbron::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && m_druk && rect().contains(event->position().toPoint()))
        emit Kies();
    m_druk.reset();
}

void Sleepbron::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat())
        emit Kies();
    else if (event->key() >= Qt::Key_1 && event->key() <= Qt::Key_3)
        emit Plaats(event->key() - Qt::Key_0);
    else
        QWidget::keyPressEvent(event);
}

// The picture moves with the mouse, held where it was taken; the source itself stays until a box takes it.
void Sleepbron::Sleep(QPoint greep)
{
    auto* sleep = new QDrag(this);
    sleep->setMimeData(MaakSleepdata());
    sleep->setPixmap(Plaatje(m_getal, size(), devicePixelRatioF(), m_soort));
    sleep->setHotSpot(greep);
    emit Slepen(true);
    sleep->exec(Qt::MoveAction);
    emit Slepen(false);
}

Sleepvak::Sleepvak(QWidget* parent, const QString& naam, Plaatjessoort soort)
    : QWidget(parent)
    , m_soort(soort)
{
    ZetMaat(this, naam);
    setAcceptDrops(true);
}

void Sleepvak::Toon(int getal)
{
    m_getal = getal;
    setAccessibleName(getal ? QString::number(getal) : QString());
    update();
}

void Sleepvak::paintEvent(QPaintEvent*)
{
    QPainter schilder(this);
    schilder.setRenderHint(QPainter::Antialiasing);
    const qreal rand = Rand(this);
    const QRectF vlak = QRectF(rect()).adjusted(rand / 2, rand / 2, -rand / 2, -rand / 2);
    schilder.setPen(QPen(Vakrand, std::max<qreal>(1.5, rand / 2.5), Qt::DashLine));
    schilder.setBrush(m_boven ? Bovenkleur : Vakkleur);
    schilder.drawRoundedRect(vlak, rand * 1.5, rand * 1.5);
    TekenPlaatje(schilder, QRectF(rect()).adjusted(rand, rand, -rand, -rand), m_getal, m_soort);
}

std::optional<int> Sleepvak::Tag(const QMimeData* inhoud) const
{
    if (!inhoud || inhoud->data(Sleepformaat) != Herkomst(this))
        return std::nullopt;
    bool getal = false;
    const int tag = inhoud->text().toInt(&getal);
    return getal ? std::optional(tag) : std::nullopt;
}

void Sleepvak::ZetBoven(bool boven)
{
    m_boven = boven;
    update();
}

void Sleepvak::dragEnterEvent(QDragEnterEvent* event)
{
    if (Tag(event->mimeData())) {
        event->acceptProposedAction();
        ZetBoven(true);
    }
}

void Sleepvak::dragMoveEvent(QDragMoveEvent* event)
{
    if (Tag(event->mimeData()))
        event->acceptProposedAction();
}

void Sleepvak::dragLeaveEvent(QDragLeaveEvent*)
{
    ZetBoven(false);
}

void Sleepvak::dropEvent(QDropEvent* event)
{
    ZetBoven(false);
    if (const auto tag = Tag(event->mimeData())) {
        event->acceptProposedAction();
        emit Gelaten(*tag);
    }
}

void Sleepvak::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit Geklikt();
}
