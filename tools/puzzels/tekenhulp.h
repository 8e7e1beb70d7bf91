#pragma once

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>

#include <initializer_list>

// Small drawing pieces the scenes are made of. Every scene draws on a square of 100 by 100 units, in a cartoon
// style: bright fills with a dark outline.
namespace Teken {

constexpr qreal Lijn = 0.7;
const QColor Inkt {40, 30, 45};

// A fill colour with the outline around it.
void Vul(QPainter& p, const QColor& kleur, qreal lijn = Lijn);
// A fill colour without an outline.
void Vlak(QPainter& p, const QColor& kleur);
// Only the outline of a shape, after its inside was painted in parts.
void Omtrek(QPainter& p, const QPainterPath& pad);
// Fills a shape, paints more inside it (only what falls within it shows) and outlines it: stripes, patches.
template<class Binnenin> void Vorm(QPainter& p, const QPainterPath& vorm, const QColor& kleur, Binnenin binnenin)
{
    Vlak(p, kleur);
    p.drawPath(vorm);
    p.save();
    p.setClipPath(vorm, Qt::IntersectClip);
    binnenin();
    p.restore();
    Omtrek(p, vorm);
}
QPainterPath Ellips(QPointF midden, qreal rx, qreal ry);
// A thick coloured stroke with the outline around it: a tail, a trunk, a branch.
void Streng(QPainter& p, const QPainterPath& pad, const QColor& kleur, qreal dikte);

QPainterPath Veelhoek(std::initializer_list<QPointF> punten);

// A vertical gradient from `boven` to `onder` between the heights `van` and `tot`.
void Lucht(QPainter& p, const QColor& boven, const QColor& onder, qreal van = 0, qreal tot = 100);
void Zon(QPainter& p, QPointF midden, qreal straal, bool gezicht = true);
void Wolk(QPainter& p, QPointF midden, qreal breedte);
// A band of rolling land from about height `y` down to the bottom.
void Heuvel(QPainter& p, qreal y, qreal golf, qreal fase, const QColor& kleur);
void Boom(QPainter& p, QPointF voet, qreal hoogte);
void Den(QPainter& p, QPointF voet, qreal hoogte, const QColor& kleur = QColor(40, 130, 70));
void Bloem(QPainter& p, QPointF midden, qreal straal, const QColor& blad);
// Blades of grass along the height `y`, spread by a fixed seed.
void Gras(QPainter& p, qreal y, unsigned zaad, const QColor& kleur = QColor(60, 150, 50));
void Oog(QPainter& p, QPointF midden, qreal straal, QPointF kijk = {});
void Lach(QPainter& p, QPointF midden, qreal breedte);
void Wiel(QPainter& p, QPointF midden, qreal straal);
void Ster(QPainter& p, QPointF midden, qreal straal, const QColor& kleur, int punten = 5);
void Hart(QPainter& p, QPointF midden, qreal grootte, const QColor& kleur);
// Small stars or dots scattered over a region, by a fixed seed.
void Sterretjes(QPainter& p, const QRectF& gebied, int aantal, unsigned zaad);
// Water with waves from height `y` down.
void Zee(QPainter& p, qreal y, const QColor& boven, const QColor& onder);

} // namespace Teken
