#include "tekenhulp.h"

#include <QLinearGradient>

#include <cmath>
#include <numbers>
#include <random>

namespace Teken {

void Vul(QPainter& p, const QColor& kleur, qreal lijn)
{
    p.setPen(QPen(Inkt, lijn, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(kleur);
}

void Vlak(QPainter& p, const QColor& kleur)
{
    p.setPen(Qt::NoPen);
    p.setBrush(kleur);
}

void Omtrek(QPainter& p, const QPainterPath& pad)
{
    p.setPen(QPen(Inkt, Lijn, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(pad);
}

void Streng(QPainter& p, const QPainterPath& pad, const QColor& kleur, qreal dikte)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Inkt, dikte + 2 * Lijn, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(pad);
    p.setPen(QPen(kleur, dikte, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(pad);
}

QPainterPath Ellips(QPointF midden, qreal rx, qreal ry)
{
    QPainterPath ellips;
    ellips.addEllipse(midden, rx, ry);
    return ellips;
}

QPainterPath Veelhoek(std::initializer_list<QPointF> punten)
{
    QPainterPath pad;
    pad.addPolygon(QPolygonF(QList<QPointF>(punten)));
    pad.closeSubpath();
    return pad;
}

void Lucht(QPainter& p, const QColor& boven, const QColor& onder, qreal van, qreal tot)
{
    QLinearGradient verloop(0, van, 0, tot);
    verloop.setColorAt(0, boven);
    verloop.setColorAt(1, onder);
    p.fillRect(QRectF(0, van, 100, tot - van), verloop);
}

void Zon(QPainter& p, QPointF midden, qreal straal, bool gezicht)
{
    p.setPen(QPen(QColor(255, 170, 0), straal * 0.22, Qt::SolidLine, Qt::RoundCap));
    for (int hoek = 0; hoek < 360; hoek += 30) {
        const QPointF richting(std::cos(hoek * std::numbers::pi / 180), std::sin(hoek * std::numbers::pi / 180));
        p.drawLine(midden + richting * straal * 1.35, midden + richting * straal * 1.75);
    }
    Vul(p, QColor(255, 215, 40));
    p.drawEllipse(midden, straal, straal);
    if (gezicht) {
        Vlak(p, Inkt);
        p.drawEllipse(midden + QPointF(-straal * 0.35, -straal * 0.2), straal * 0.12, straal * 0.15);
        p.drawEllipse(midden + QPointF(straal * 0.35, -straal * 0.2), straal * 0.12, straal * 0.15);
        Lach(p, midden + QPointF(0, straal * 0.2), straal * 0.9);
    }
}

void Wolk(QPainter& p, QPointF midden, qreal breedte)
{
    const qreal b = breedte / 4;
    QPainterPath wolk;
    wolk.setFillRule(Qt::WindingFill);
    wolk.addEllipse(midden + QPointF(-b * 1.2, b * 0.2), b * 1.1, b * 0.8);
    wolk.addEllipse(midden + QPointF(0, -b * 0.3), b * 1.3, b * 1.1);
    wolk.addEllipse(midden + QPointF(b * 1.3, b * 0.2), b * 1.0, b * 0.75);
    wolk.addRect(QRectF(midden.x() - b * 1.2, midden.y(), b * 2.5, b * 0.95));
    Vul(p, QColor(255, 255, 255), Lijn * 0.8);
    p.drawPath(wolk.simplified());
}

void Heuvel(QPainter& p, qreal y, qreal golf, qreal fase, const QColor& kleur)
{
    QPainterPath land(QPointF(-2, y));
    for (int x = 0; x <= 102; x += 2)
        land.lineTo(x, y + golf * std::sin((x / 100.0) * 2 * std::numbers::pi + fase));
    land.lineTo(102, 102);
    land.lineTo(-2, 102);
    land.closeSubpath();
    Vul(p, kleur);
    p.drawPath(land);
}

void Boom(QPainter& p, QPointF voet, qreal hoogte)
{
    const qreal h = hoogte;
    Vul(p, QColor(130, 80, 40));
    p.drawRect(QRectF(voet.x() - h * 0.07, voet.y() - h * 0.45, h * 0.14, h * 0.45));
    QPainterPath kruin;
    kruin.setFillRule(Qt::WindingFill);
    kruin.addEllipse(voet + QPointF(0, -h * 0.7), h * 0.3, h * 0.27);
    kruin.addEllipse(voet + QPointF(-h * 0.2, -h * 0.52), h * 0.2, h * 0.17);
    kruin.addEllipse(voet + QPointF(h * 0.2, -h * 0.52), h * 0.2, h * 0.17);
    Vul(p, QColor(70, 170, 60));
    p.drawPath(kruin.simplified());
}

void Den(QPainter& p, QPointF voet, qreal hoogte, const QColor& kleur)
{
    const qreal h = hoogte;
    Vul(p, QColor(120, 75, 40));
    p.drawRect(QRectF(voet.x() - h * 0.05, voet.y() - h * 0.15, h * 0.1, h * 0.15));
    Vul(p, kleur);
    for (int laag = 0; laag < 3; ++laag) {
        const qreal onder = voet.y() - h * (0.12 + 0.25 * laag);
        const qreal breed = h * (0.32 - 0.07 * laag);
        p.drawPath(Veelhoek({{voet.x() - breed, onder}, {voet.x() + breed, onder}, {voet.x(), onder - h * 0.4}}));
    }
}

void Bloem(QPainter& p, QPointF midden, qreal straal, const QColor& blad)
{
    p.setPen(QPen(QColor(50, 140, 50), straal * 0.3));
    p.drawLine(midden, midden + QPointF(0, straal * 4));
    Vul(p, blad, Lijn * 0.7);
    for (int i = 0; i < 6; ++i) {
        const qreal hoek = i * std::numbers::pi / 3;
        p.drawEllipse(midden + QPointF(std::cos(hoek), std::sin(hoek)) * straal, straal * 0.65, straal * 0.65);
    }
    Vul(p, QColor(255, 210, 40), Lijn * 0.7);
    p.drawEllipse(midden, straal * 0.55, straal * 0.55);
}

void Gras(QPainter& p, qreal y, unsigned zaad, const QColor& kleur)
{
    std::mt19937 toeval(zaad);
    std::uniform_real_distribution<qreal> spreiding(0, 1);
    p.setPen(QPen(kleur, 0.6, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 60; ++i) {
        const qreal x = spreiding(toeval) * 100;
        const qreal voet = y + spreiding(toeval) * (100 - y);
        p.drawLine(QPointF(x, voet), QPointF(x + (spreiding(toeval) - 0.5) * 2, voet - 1.5 - spreiding(toeval) * 2));
    }
}

void Oog(QPainter& p, QPointF midden, qreal straal, QPointF kijk)
{
    Vul(p, Qt::white, Lijn * 0.6);
    p.drawEllipse(midden, straal, straal * 1.1);
    Vlak(p, Inkt);
    const QPointF pupil = midden + kijk * straal * 0.35;
    p.drawEllipse(pupil, straal * 0.5, straal * 0.55);
    Vlak(p, Qt::white);
    p.drawEllipse(pupil + QPointF(-straal * 0.18, -straal * 0.2), straal * 0.17, straal * 0.17);
}

void Lach(QPainter& p, QPointF midden, qreal breedte)
{
    p.setPen(QPen(Inkt, breedte * 0.1, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(midden.x() - breedte / 2, midden.y() - breedte / 2, breedte, breedte * 0.8), -30 * 16, -120 * 16);
}

void Wiel(QPainter& p, QPointF midden, qreal straal)
{
    Vul(p, QColor(50, 50, 55));
    p.drawEllipse(midden, straal, straal);
    Vul(p, QColor(200, 200, 210));
    p.drawEllipse(midden, straal * 0.5, straal * 0.5);
    Vlak(p, QColor(120, 120, 130));
    p.drawEllipse(midden, straal * 0.15, straal * 0.15);
}

void Ster(QPainter& p, QPointF midden, qreal straal, const QColor& kleur, int punten)
{
    QPolygonF ster;
    for (int i = 0; i < 2 * punten; ++i) {
        const qreal hoek = -std::numbers::pi / 2 + i * std::numbers::pi / punten;
        const qreal r = i % 2 ? straal * 0.45 : straal;
        ster << midden + QPointF(std::cos(hoek), std::sin(hoek)) * r;
    }
    Vul(p, kleur, Lijn * 0.7);
    p.drawPolygon(ster);
}

void Hart(QPainter& p, QPointF midden, qreal grootte, const QColor& kleur)
{
    const qreal g = grootte / 2;
    QPainterPath hart(midden + QPointF(0, g * 0.9));
    hart.cubicTo(
        midden + QPointF(-g * 1.6, -g * 0.1), midden + QPointF(-g * 0.8, -g * 1.3), midden + QPointF(0, -g * 0.45));
    hart.cubicTo(
        midden + QPointF(g * 0.8, -g * 1.3), midden + QPointF(g * 1.6, -g * 0.1), midden + QPointF(0, g * 0.9));
    Vul(p, kleur);
    p.drawPath(hart);
}

void Sterretjes(QPainter& p, const QRectF& gebied, int aantal, unsigned zaad)
{
    std::mt19937 toeval(zaad);
    std::uniform_real_distribution<qreal> spreiding(0, 1);
    Vlak(p, QColor(255, 250, 200));
    for (int i = 0; i < aantal; ++i) {
        const QPointF plek(
            gebied.left() + spreiding(toeval) * gebied.width(), gebied.top() + spreiding(toeval) * gebied.height());
        const qreal r = 0.3 + spreiding(toeval) * 0.5;
        p.drawEllipse(plek, r, r);
    }
}

void Zee(QPainter& p, qreal y, const QColor& boven, const QColor& onder)
{
    Lucht(p, boven, onder, y, 100);
    p.setPen(QPen(boven.lighter(140), 0.7, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    for (int rij = 0; rij < 4; ++rij) {
        const qreal hoogte = y + 3 + rij * (100 - y) / 4.5;
        for (int x = (rij % 2) * 8; x < 100; x += 16)
            p.drawArc(QRectF(x, hoogte, 6, 3), 0, 180 * 16);
    }
}

} // namespace Teken
