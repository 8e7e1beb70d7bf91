#include "taferelen.h"
#include "tekenhulp.h"

using namespace Teken;

namespace {

void Olifant(QPainter& p)
{
    Lucht(p, QColor(255, 200, 120), QColor(255, 240, 190), 0, 65);
    Zon(p, {20, 20}, 9, false);
    Heuvel(p, 66, 1.5, 0, QColor(220, 190, 100));
    Boom(p, {86, 70}, 30);
    const QColor huid(160, 170, 195);
    Vul(p, huid);
    p.drawRoundedRect(QRectF(36, 42, 44, 30), 14, 14);
    for (const qreal x : {40.0, 52.0, 64.0, 72.0})
        p.drawRoundedRect(QRectF(x, 62, 8, 22), 3, 3);
    QPainterPath slurf(QPointF(24, 50));
    slurf.cubicTo(QPointF(14, 60), QPointF(12, 75), QPointF(20, 80));
    Streng(p, slurf, huid, 7);
    Vul(p, huid);
    p.drawEllipse(QPointF(30, 42), 14, 13);
    Vul(p, huid.lighter(110));
    p.drawEllipse(QRectF(36, 28, 20, 26));
    Vul(p, QColor(255, 190, 200));
    p.drawEllipse(QRectF(40, 32, 12, 18));
    Oog(p, {26, 40}, 2.8, {-0.3, 0.2});
    Vul(p, Qt::white, Lijn * 0.6);
    p.drawPath(Veelhoek({{32, 52}, {40, 58}, {33, 55}}));
    // a splash of water from the trunk
    Vlak(p, QColor(80, 170, 240));
    for (int i = 0; i < 5; ++i)
        p.drawEllipse(QPointF(18 + i * 3.0, 86 - (i % 2) * 3.0), 1.5, 1.5);
}

void Giraf(QPainter& p)
{
    Lucht(p, QColor(120, 200, 255), QColor(220, 245, 255), 0, 80);
    Wolk(p, {75, 18}, 22);
    Heuvel(p, 80, 1.5, 1, QColor(150, 200, 80));
    Boom(p, {15, 82}, 45);
    const QColor vacht(250, 200, 70), vlek(190, 110, 40);
    Vul(p, vacht);
    for (const qreal x : {50.0, 58.0, 72.0, 80.0})
        p.drawRect(QRectF(x, 70, 5, 24));
    p.drawRoundedRect(QRectF(47, 55, 40, 20), 8, 8);
    p.drawPath(Veelhoek({{48, 62}, {56, 58}, {48, 18}, {41, 20}}));
    p.drawEllipse(QPointF(42, 16), 9, 7);
    p.drawEllipse(QPointF(36, 19), 6, 5);
    Vlak(p, vlek);
    for (const QPointF plek : {QPointF(55, 62), QPointF(65, 67), QPointF(75, 60), QPointF(82, 68), QPointF(47, 48),
             QPointF(46, 36), QPointF(45, 26), QPointF(62, 58)})
        p.drawEllipse(plek, 2.8, 2.3);
    Vul(p, vlek);
    p.drawRect(QRectF(41, 6, 2, 5));
    p.drawRect(QRectF(46, 6, 2, 5));
    p.drawEllipse(QPointF(42, 6), 1.8, 1.8);
    p.drawEllipse(QPointF(47, 6), 1.8, 1.8);
    Oog(p, {42, 14}, 2.4, {-0.3, 0});
    Vlak(p, Inkt);
    p.drawEllipse(QPointF(33, 18), 0.8, 0.8);
    Lach(p, {36, 21}, 5);
    p.setPen(QPen(Inkt, 1, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(87, 58), QPointF(92, 70));
}

void Leeuw(QPainter& p)
{
    Lucht(p, QColor(255, 170, 80), QColor(255, 230, 150));
    QPainterPath manen;
    manen.setFillRule(Qt::WindingFill);
    for (int i = 0; i < 14; ++i) {
        const QPointF midden = QPointF(50, 50) + QLineF::fromPolar(26, i * 360.0 / 14).p2() - QPointF(0, 0);
        manen.addEllipse(midden, 11, 11);
    }
    Vul(p, QColor(200, 100, 30));
    p.drawPath(manen.simplified());
    const QColor vacht(250, 190, 80);
    Vul(p, vacht);
    p.drawEllipse(QPointF(33, 30), 6, 6);
    p.drawEllipse(QPointF(67, 30), 6, 6);
    p.drawEllipse(QPointF(50, 52), 24, 24);
    Vul(p, QColor(255, 230, 170));
    p.drawEllipse(QPointF(50, 63), 11, 8);
    Oog(p, {41, 46}, 4, {0.2, 0.2});
    Oog(p, {59, 46}, 4, {-0.2, 0.2});
    Vul(p, QColor(120, 60, 40), Lijn * 0.6);
    p.drawPath(Veelhoek({{45, 55}, {55, 55}, {50, 60}}));
    Lach(p, {46, 63}, 8);
    Lach(p, {54, 63}, 8);
    Vlak(p, QColor(255, 140, 120, 160));
    p.drawEllipse(QPointF(34, 57), 4, 2.5);
    p.drawEllipse(QPointF(66, 57), 4, 2.5);
}

void Pinguin(QPainter& p)
{
    Lucht(p, QColor(140, 200, 250), QColor(230, 245, 255), 0, 70);
    Vul(p, QColor(235, 245, 255));
    p.drawPath(Veelhoek({{0, 40}, {18, 22}, {32, 38}, {45, 28}, {60, 45}, {60, 70}, {0, 70}}));
    Zee(p, 70, QColor(40, 120, 200), QColor(20, 70, 150));
    Vul(p, QColor(245, 250, 255));
    p.drawPath(Veelhoek({{30, 74}, {90, 72}, {96, 82}, {26, 84}}));
    const QColor zwart(40, 45, 70);
    Vul(p, zwart);
    p.drawEllipse(QPointF(62, 52), 16, 24);
    Vul(p, Qt::white);
    p.drawEllipse(QPointF(62, 58), 11, 17);
    Vul(p, zwart);
    p.drawEllipse(QPointF(46, 56), 4, 12);
    p.drawEllipse(QPointF(78, 56), 4, 12);
    Oog(p, {57, 40}, 3, {0.2, 0.2});
    Oog(p, {67, 40}, 3, {-0.2, 0.2});
    Vul(p, QColor(255, 150, 30));
    p.drawPath(Veelhoek({{59, 45}, {65, 45}, {62, 50}}));
    p.drawEllipse(QPointF(56, 76), 4, 2);
    p.drawEllipse(QPointF(68, 76), 4, 2);
    // a fish in the water
    Vul(p, QColor(255, 120, 60));
    p.drawEllipse(QPointF(22, 90), 5, 3);
    p.drawPath(Veelhoek({{27, 90}, {31, 87}, {31, 93}}));
    Wolk(p, {80, 14}, 20);
}

void Krokodil(QPainter& p)
{
    Lucht(p, QColor(140, 210, 255), QColor(220, 250, 240), 0, 55);
    Zon(p, {82, 16}, 8, false);
    Den(p, {12, 58}, 30, QColor(60, 150, 80));
    Den(p, {26, 58}, 22, QColor(60, 150, 80));
    Zee(p, 55, QColor(70, 180, 170), QColor(40, 120, 140));
    const QColor huid(90, 180, 70);
    Vul(p, huid);
    QPainterPath lijf(QPointF(10, 72));
    lijf.cubicTo(QPointF(20, 58), QPointF(60, 58), QPointF(92, 66));
    lijf.lineTo(QPointF(92, 74));
    lijf.cubicTo(QPointF(60, 78), QPointF(20, 80), QPointF(10, 72));
    p.drawPath(lijf);
    for (int i = 0; i < 7; ++i)
        p.drawPath(Veelhoek({{28.0 + i * 6, 61.5}, {31.0 + i * 6, 56.0}, {34.0 + i * 6, 61.5}}));
    Vul(p, huid);
    p.drawEllipse(QPointF(80, 58), 6, 5);
    Oog(p, {80, 57}, 3, {0.4, 0});
    Vul(p, Qt::white, Lijn * 0.5);
    for (int i = 0; i < 4; ++i)
        p.drawPath(Veelhoek({{78.0 + i * 3.5, 70.0}, {79.5 + i * 3.5, 73.0}, {81.0 + i * 3.5, 70.0}}));
    Vlak(p, QColor(255, 255, 255, 140));
    p.drawEllipse(QPointF(50, 80), 30, 2);
}

} // namespace

std::vector<Tafereel> WildeDieren()
{
    return {{"olifant", Olifant}, {"giraf", Giraf}, {"leeuw", Leeuw}, {"pinguin", Pinguin}, {"krokodil", Krokodil}};
}
