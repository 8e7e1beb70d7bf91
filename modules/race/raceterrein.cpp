#include "raceterrein.h"

#include "twipsindeling.h"

#include <QPainter>

#include <array>

namespace {

// Trees, bushes and flags in twips of the page, away from the track and the players' frames.
constexpr std::array<QPoint, 6> Bomen {
    {{500, 1150}, {1300, 900}, {2300, 1250}, {5400, 1050}, {6500, 1300}, {7200, 950}}};
constexpr std::array<QPoint, 6> Struiken {
    {{600, 5400}, {1700, 6200}, {2500, 5000}, {5300, 5900}, {6400, 5200}, {7100, 6400}}};
constexpr std::array<QPoint, 2> Vlaggen {{{2550, 6500}, {4900, 6500}}};

void TekenBoom(QPainter& schilder, QPointF voet, qreal maat)
{
    schilder.setPen(Qt::NoPen);
    schilder.setBrush(QColor(120, 72, 32));
    schilder.drawRect(QRectF(voet.x() - maat * 0.08, voet.y() - maat * 0.5, maat * 0.16, maat * 0.5));
    schilder.setBrush(QColor(22, 101, 52));
    schilder.drawEllipse(QPointF(voet.x(), voet.y() - maat * 0.75), maat * 0.38, maat * 0.38);
    schilder.setBrush(QColor(34, 139, 34));
    schilder.drawEllipse(QPointF(voet.x() - maat * 0.08, voet.y() - maat * 0.82), maat * 0.26, maat * 0.26);
}

void TekenVlag(QPainter& schilder, QPointF voet, qreal maat)
{
    schilder.setPen(QPen(QColor(55, 65, 81), maat * 0.05));
    schilder.drawLine(voet, voet - QPointF(0, maat));
    schilder.setPen(Qt::NoPen);
    const qreal vak = maat * 0.15;
    for (int rij = 0; rij < 3; ++rij) {
        for (int kolom = 0; kolom < 4; ++kolom) {
            schilder.setBrush((rij + kolom) % 2 ? Qt::white : QColor(17, 24, 39));
            schilder.drawRect(QRectF(voet.x() + kolom * vak, voet.y() - maat + rij * vak, vak, vak));
        }
    }
}

} // namespace

Raceterrein::Raceterrein(QWidget* parent, QSize ontwerpTwips)
    : QWidget(parent)
    , m_indeling(new TwipsIndeling(this, ontwerpTwips))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Raceterrein::paintEvent(QPaintEvent*)
{
    QPainter schilder(this);
    QLinearGradient gras(0, 0, 0, height());
    gras.setColorAt(0, QColor(134, 239, 172));
    gras.setColorAt(1, QColor(74, 190, 110));
    schilder.fillRect(rect(), gras);
    schilder.setRenderHint(QPainter::Antialiasing);
    const qreal maat = m_indeling->Factor() * 700;
    const auto plek = [this](QPoint twips) { return QPointF(m_indeling->Rechthoek({twips, QSize(1, 1)}).topLeft()); };
    for (const QPoint boom : Bomen)
        TekenBoom(schilder, plek(boom), maat);
    for (const QPoint struik : Struiken) {
        schilder.setBrush(QColor(21, 128, 61));
        schilder.drawEllipse(plek(struik), maat * 0.3, maat * 0.18);
    }
    for (const QPoint vlag : Vlaggen)
        TekenVlag(schilder, plek(vlag), maat);
}
