#include "water.h"

#include "visknop.h"

#include <QCursor>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QSvgRenderer>

namespace {

// The float at the surface where the rod's line comes into the water, and where the line's end starts, in twips.
constexpr QPointF Dobber {6480, 100};
constexpr qreal DobberStraal = 80;
constexpr QPointF BeginHaak {3720, 120};

// The pointer's picture is 32 units square with the hook's eye, the hot spot, at (16, 3).
constexpr int AanwijzerTwips = 480;

void TekenWater(QPainter& schilder, const QSizeF& maat)
{
    QLinearGradient diepte(0, 0, 0, maat.height());
    diepte.setColorAt(0, QColor(125, 211, 252));
    diepte.setColorAt(0.55, QColor(56, 150, 225));
    diepte.setColorAt(1, QColor(30, 90, 170));
    schilder.fillRect(QRectF(QPointF(0, 0), maat), diepte);

    const qreal w = maat.width(), h = maat.height();
    schilder.setPen(QPen(QColor(255, 255, 255, 90), h * 0.012, Qt::SolidLine, Qt::RoundCap));
    for (int rij = 0; rij < 2; ++rij) {
        QPainterPath golf;
        const qreal y = h * (0.05 + rij * 0.06);
        golf.moveTo(0, y);
        for (int i = 0; i < 12; ++i)
            golf.quadTo(w * (i + 0.5) / 12, y + (rij ? -1 : 1) * h * 0.025, w * (i + 1) / 12, y);
        schilder.drawPath(golf);
    }
    QPainterPath zand(QPointF(0, h));
    zand.lineTo(0, h * 0.9);
    zand.cubicTo(w * 0.3, h * 0.84, w * 0.6, h * 0.96, w, h * 0.88);
    zand.lineTo(w, h);
    schilder.fillPath(zand, QColor(233, 216, 166));
}

void TekenWier(QPainter& schilder, const QSizeF& maat)
{
    const qreal w = maat.width(), h = maat.height();
    for (const qreal x : {0.06, 0.09, 0.41, 0.72, 0.75, 0.95}) {
        QPainterPath wier(QPointF(w * x, h));
        const qreal top = h * (0.55 + 0.1 * (static_cast<int>(x * 100) % 3));
        wier.cubicTo(w * (x - 0.02), h * 0.85, w * (x + 0.025), (h + top) / 2, w * x, top);
        schilder.setPen(QPen(QColor(34, 139, 34, 200), w * 0.008, Qt::SolidLine, Qt::RoundCap));
        schilder.drawPath(wier);
    }
    schilder.setPen(QPen(QColor(255, 255, 255, 140), w * 0.002));
    schilder.setBrush(Qt::NoBrush);
    for (const QPointF bel : {QPointF(0.2, 0.5), QPointF(0.21, 0.42), QPointF(0.55, 0.65), QPointF(0.86, 0.3)})
        schilder.drawEllipse(QPointF(w * bel.x(), h * bel.y()), w * 0.006, w * 0.006);
}

} // namespace

Water::Water(Visvijver& vijver, QWidget* parent)
    : QWidget(parent)
    , m_vijver(vijver)
    , m_klok(this)
    , m_haak(BeginHaak)
{
    setObjectName(QStringLiteral("fraWater"));
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    for (std::size_t i = 0; i < m_vissen.size(); ++i) {
        auto* vis = new Visknop(static_cast<int>(i), this);
        // Pressing is enough: a fish that swims on before the button comes up is still caught.
        connect(vis, &Visknop::pressed, this, [this, i] { emit VisGekozen(static_cast<int>(i)); });
        m_vissen[i] = vis;
    }
    m_klok.setTimerType(Qt::PreciseTimer);
    m_klok.setInterval(BeeldMs);
    connect(&m_klok, &QTimer::timeout, this, &Water::Tik);
}

qreal Water::Factor() const
{
    return width() / static_cast<qreal>(Visvijver::Breedte);
}

QPointF Water::Pixels(QPointF twips) const
{
    return twips * Factor();
}

void Water::Tik()
{
    for (int i = 0; i < TikkenPerBeeld; ++i)
        m_vijver.Tik();
    PlaatsVissen();
}

// A fish is only moved when its place in pixels changes: at the normal size that is every third tick.
void Water::PlaatsVissen()
{
    // One size for all places: rounding each place's corners apart would make a fish a pixel wider now and then, and
    // each new size draws its picture again.
    const QSize maat = (QSizeF(Visvijver::VisBreedte, Visvijver::VisHoogte) * Factor()).toSize();
    for (std::size_t i = 0; i < m_vissen.size(); ++i) {
        const Visvijver::Vis& vis = m_vijver.Vissen()[i];
        const QRect plek(Pixels(QPointF(vis.links, vis.boven)).toPoint(), maat);
        if (m_vissen[i]->geometry() != plek)
            m_vissen[i]->setGeometry(plek);
        m_vissen[i]->ZetRichting(vis.naarRechts);
    }
}

void Water::paintEvent(QPaintEvent*)
{
    QPainter schilder(this);
    schilder.drawPixmap(0, 0, m_achtergrond);
    schilder.setRenderHint(QPainter::Antialiasing);
    const QPointF dobber = Pixels(Dobber);
    schilder.setPen(QPen(QColor(31, 41, 55), std::max<qreal>(1, Factor() * 15)));
    schilder.drawLine(Pixels({Dobber.x(), 0}), dobber);
    schilder.drawLine(dobber, Pixels(m_haak));
    const qreal straal = DobberStraal * Factor();
    schilder.setPen(QPen(QColor(31, 41, 55), std::max<qreal>(1, straal / 8)));
    schilder.setBrush(Qt::white);
    schilder.drawEllipse(dobber, straal, straal);
    schilder.setBrush(QColor(239, 68, 68));
    schilder.drawChord(QRectF(dobber - QPointF(straal, straal), QSizeF(2 * straal, 2 * straal)), 0, 180 * 16);
}

void Water::resizeEvent(QResizeEvent*)
{
    const qreal ratio = devicePixelRatioF();
    m_achtergrond = QPixmap(size() * ratio);
    m_achtergrond.setDevicePixelRatio(ratio);
    QPainter schilder(&m_achtergrond);
    schilder.setRenderHint(QPainter::Antialiasing);
    TekenWater(schilder, size());
    TekenWier(schilder, size());
    PlaatsVissen();
    ZetAanwijzer();
}

void Water::ZetAanwijzer()
{
    const int zijde = std::max(16, qRound(AanwijzerTwips * Factor()));
    const qreal ratio = devicePixelRatioF();
    QPixmap haak(QSize(zijde, zijde) * ratio);
    haak.setDevicePixelRatio(ratio);
    haak.fill(Qt::transparent);
    QPainter schilder(&haak);
    QSvgRenderer(QStringLiteral(":/vissen/haak.svg")).render(&schilder, QRectF(0, 0, zijde, zijde));
    setCursor(QCursor(haak, zijde / 2, zijde * 3 / 32));
}

// The line between the float and the hook, with room for its width.
QRect Water::Lijnvlak() const
{
    const int rand = qRound(std::max<qreal>(2, Factor() * 30));
    return QRectF(Pixels(Dobber), Pixels(m_haak)).normalized().toAlignedRect().adjusted(-rand, -rand, rand, rand);
}

void Water::mouseMoveEvent(QMouseEvent* event)
{
    const QRect voor = Lijnvlak();
    m_haak = event->position() / Factor();
    update(voor.united(Lijnvlak()));
}

void Water::showEvent(QShowEvent* event)
{
    m_klok.start();
    QWidget::showEvent(event);
}

void Water::hideEvent(QHideEvent* event)
{
    m_klok.stop();
    QWidget::hideEvent(event);
}
