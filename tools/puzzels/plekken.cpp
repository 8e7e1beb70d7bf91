#include "taferelen.h"
#include "tekenhulp.h"

#include <cmath>
#include <numbers>

using namespace Teken;

namespace {

void Kanteel(QPainter& p, const QRectF& toren, const QColor& kleur)
{
    Vul(p, kleur);
    p.drawRect(toren);
    const qreal b = toren.width() / 5;
    for (int i = 0; i < 5; i += 2)
        p.drawRect(QRectF(toren.left() + i * b, toren.top() - b, b, b));
}

void Kasteel(QPainter& p)
{
    Lucht(p, QColor(150, 120, 230), QColor(255, 200, 220), 0, 75);
    Wolk(p, {80, 14}, 18);
    Sterretjes(p, QRectF(0, 0, 100, 30), 10, 4);
    Heuvel(p, 74, 2, 1, QColor(100, 190, 100));
    const QColor steen(225, 215, 235);
    Kanteel(p, QRectF(26, 40, 48, 40), steen);
    for (const qreal x : {14.0, 72.0}) {
        Vul(p, steen);
        p.drawRect(QRectF(x, 30, 14, 50));
        Vul(p, QColor(90, 110, 220));
        p.drawPath(Veelhoek({{x - 2, 30}, {x + 7, 12}, {x + 16, 30}}));
        Vul(p, QColor(255, 90, 140));
        p.drawPath(Veelhoek({{x + 7, 12}, {x + 7, 4}, {x + 13, 6}, {x + 7, 8}}));
        Vul(p, QColor(255, 230, 120));
        p.drawRoundedRect(QRectF(x + 4, 40, 6, 9), 3, 3);
    }
    Vul(p, steen);
    p.drawRect(QRectF(42, 22, 16, 22));
    Vul(p, QColor(250, 120, 160));
    p.drawPath(Veelhoek({{40, 22}, {50, 6}, {60, 22}}));
    Vul(p, QColor(255, 230, 120));
    p.drawRoundedRect(QRectF(47, 28, 6, 9), 3, 3);
    Vul(p, QColor(140, 90, 60));
    QPainterPath poort(QPointF(42, 80));
    poort.lineTo(42, 64);
    poort.arcTo(QRectF(42, 56, 16, 16), 180, -180);
    poort.lineTo(58, 80);
    poort.closeSubpath();
    p.drawPath(poort);
    Vlak(p, QColor(80, 160, 230));
    p.drawRect(QRectF(0, 82, 100, 6));
    Ster(p, {32, 16}, 3, QColor(255, 240, 120));
}

void Woestijn(QPainter& p)
{
    Lucht(p, QColor(255, 150, 70), QColor(255, 225, 140), 0, 70);
    Zon(p, {74, 24}, 11, false);
    Vul(p, QColor(240, 190, 100));
    QPainterPath duin(QPointF(-2, 66));
    duin.cubicTo(QPointF(30, 54), QPointF(50, 70), QPointF(102, 60));
    duin.lineTo(102, 102);
    duin.lineTo(-2, 102);
    p.drawPath(duin);
    Vul(p, QColor(250, 210, 120));
    QPainterPath voor(QPointF(-2, 82));
    voor.cubicTo(QPointF(40, 72), QPointF(60, 90), QPointF(102, 80));
    voor.lineTo(102, 102);
    voor.lineTo(-2, 102);
    p.drawPath(voor);
    const QColor groen(70, 170, 90);
    Vul(p, groen);
    p.drawRoundedRect(QRectF(18, 40, 8, 20), 4, 4);
    p.drawRoundedRect(QRectF(20, 54, 12, 7), 3.5, 3.5);
    p.drawRoundedRect(QRectF(46, 34, 8, 22), 4, 4);
    p.drawRoundedRect(QRectF(40, 50, 12, 7), 3.5, 3.5);
    Vul(p, groen);
    p.drawRoundedRect(QRectF(30, 28, 12, 56), 6, 6);
    Bloem(p, {36, 27}, 2.2, QColor(255, 100, 150));
    Vul(p, QColor(50, 150, 80));
    p.drawRoundedRect(QRectF(76, 64, 9, 20), 4.5, 4.5);
    // a little lizard in the sand
    Vul(p, QColor(120, 200, 80));
    p.drawEllipse(QPointF(64, 90), 7, 2.5);
    p.drawEllipse(QPointF(72, 89), 3, 2);
    QPainterPath staart(QPointF(57, 90));
    staart.lineTo(50, 93);
    Streng(p, staart, QColor(120, 200, 80), 0.8);
    Vlak(p, Inkt);
    p.drawEllipse(QPointF(73, 88.5), 0.6, 0.6);
}

void Paddenstoel(QPainter& p, QPointF voet, qreal grootte, const QColor& hoed)
{
    const qreal g = grootte;
    Vul(p, QColor(250, 240, 220));
    p.drawRoundedRect(QRectF(voet.x() - g * 0.25, voet.y() - g * 0.8, g * 0.5, g * 0.8), g * 0.1, g * 0.1);
    Vul(p, hoed);
    QPainterPath kap(QPointF(voet.x() - g * 0.7, voet.y() - g * 0.75));
    kap.cubicTo(QPointF(voet.x() - g * 0.7, voet.y() - g * 1.5), QPointF(voet.x() + g * 0.7, voet.y() - g * 1.5),
        QPointF(voet.x() + g * 0.7, voet.y() - g * 0.75));
    kap.closeSubpath();
    p.drawPath(kap);
    Vlak(p, Qt::white);
    p.drawEllipse(QPointF(voet.x() - g * 0.3, voet.y() - g * 1.0), g * 0.1, g * 0.08);
    p.drawEllipse(QPointF(voet.x() + g * 0.25, voet.y() - g * 1.1), g * 0.12, g * 0.1);
    p.drawEllipse(QPointF(voet.x(), voet.y() - g * 0.88), g * 0.08, g * 0.07);
}

void Bos(QPainter& p)
{
    Lucht(p, QColor(160, 220, 190), QColor(230, 250, 210), 0, 70);
    for (int i = 0; i < 6; ++i)
        Den(p, {8.0 + i * 17, 66.0 - (i % 2) * 4}, 44 - (i % 3) * 6.0, QColor(40 + i * 8, 120 + (i % 2) * 20, 70));
    Heuvel(p, 66, 2, 2, QColor(100, 170, 70));
    Gras(p, 68, 17, QColor(60, 130, 50));
    Paddenstoel(p, {30, 90}, 16, QColor(230, 50, 50));
    Paddenstoel(p, {52, 88}, 10, QColor(240, 120, 40));
    Paddenstoel(p, {16, 86}, 8, QColor(230, 50, 50));
    // a hedgehog
    QPainterPath rug(QPointF(62, 90));
    for (int i = 0; i <= 16; ++i) {
        const qreal hoek = std::numbers::pi * (1 - i / 16.0);
        const qreal straal = i % 2 ? 17 : 13;
        rug.lineTo(QPointF(78, 90) + QPointF(std::cos(hoek) * straal, -std::sin(hoek) * straal * 0.9));
    }
    rug.closeSubpath();
    Vul(p, QColor(110, 70, 45));
    p.drawPath(rug);
    Vul(p, QColor(235, 195, 150));
    p.drawPath(Veelhoek({{68, 90}, {66, 80}, {54, 88}, {56, 90}}));
    Vlak(p, Inkt);
    p.drawEllipse(QPointF(54.5, 88), 1.4, 1.4);
    Oog(p, {63, 84}, 1.6, {-0.3, 0});
    Vul(p, QColor(200, 60, 60), Lijn * 0.6);
    p.drawEllipse(QPointF(82, 72), 3, 3);
    p.setPen(QPen(QColor(60, 130, 50), 0.8));
    p.drawLine(QPointF(82, 69), QPointF(83, 67));
}

void Vuurtoren(QPainter& p)
{
    Lucht(p, QColor(40, 60, 140), QColor(250, 160, 120), 0, 62);
    Sterretjes(p, QRectF(0, 0, 100, 25), 14, 8);
    Vlak(p, QColor(255, 240, 160, 190));
    p.drawPath(Veelhoek({{58, 18}, {0, 6}, {0, 26}}));
    p.drawPath(Veelhoek({{58, 18}, {100, 8}, {100, 26}}));
    Zee(p, 62, QColor(50, 110, 190), QColor(20, 60, 130));
    Vul(p, QColor(110, 100, 100));
    p.drawPath(Veelhoek({{36, 76}, {46, 64}, {72, 62}, {84, 74}, {78, 80}, {40, 80}}));
    Vorm(p, Veelhoek({{50, 66}, {54, 24}, {62, 24}, {66, 66}}), QColor(250, 250, 250), [&p] {
        Vlak(p, QColor(225, 50, 50));
        for (const qreal y : {32.0, 46.0, 60.0})
            p.drawRect(QRectF(40, y, 40, 7));
    });
    Vul(p, QColor(255, 235, 120));
    p.drawRect(QRectF(54, 14, 8, 10));
    Vul(p, QColor(225, 50, 50));
    p.drawPath(Veelhoek({{52, 14}, {58, 7}, {64, 14}}));
    p.drawRect(QRectF(52, 23, 12, 2));
    Vul(p, QColor(120, 70, 40));
    p.drawRoundedRect(QRectF(56, 56, 4, 10), 2, 2);
    // a little boat on its way home
    Vul(p, QColor(250, 250, 250), Lijn * 0.6);
    p.drawPath(Veelhoek({{18, 70}, {18, 56}, {27, 70}}));
    Vul(p, QColor(240, 180, 60));
    p.drawPath(Veelhoek({{12, 71}, {30, 71}, {27, 75}, {15, 75}}));
}

} // namespace

std::vector<Tafereel> Plekken()
{
    return {{"kasteel", Kasteel}, {"woestijn", Woestijn}, {"bos", Bos}, {"vuurtoren", Vuurtoren}};
}
