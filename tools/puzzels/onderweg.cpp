#include "taferelen.h"
#include "tekenhulp.h"

using namespace Teken;

namespace {

void Tractor(QPainter& p)
{
    Lucht(p, QColor(130, 200, 255), QColor(230, 245, 255), 0, 60);
    Zon(p, {16, 16}, 8);
    Heuvel(p, 56, 3, 2, QColor(230, 200, 80));
    p.setPen(QPen(QColor(200, 160, 50), 1));
    for (int i = 0; i < 7; ++i)
        p.drawLine(QPointF(i * 16.0, 100), QPointF(30 + i * 10.0, 58));
    Vul(p, QColor(40, 160, 70));
    p.drawRect(QRectF(22, 50, 30, 22));
    p.drawRoundedRect(QRectF(48, 58, 36, 16), 3, 3);
    Vul(p, QColor(180, 230, 255));
    p.drawRect(QRectF(26, 54, 22, 12));
    Vul(p, QColor(40, 160, 70));
    p.drawRect(QRectF(20, 46, 34, 4));
    Vul(p, Inkt);
    p.drawRect(QRectF(74, 48, 4, 10));
    Vul(p, QColor(255, 220, 60));
    p.drawEllipse(QPointF(84, 64), 2, 2);
    Vul(p, QColor(50, 50, 55));
    p.drawEllipse(QPointF(34, 76), 14, 14);
    Vul(p, QColor(255, 200, 40));
    p.drawEllipse(QPointF(34, 76), 7, 7);
    Vul(p, QColor(50, 50, 55));
    p.drawEllipse(QPointF(74, 80), 9, 9);
    Vul(p, QColor(255, 200, 40));
    p.drawEllipse(QPointF(74, 80), 4.5, 4.5);
    // a hay bale
    Vul(p, QColor(240, 200, 90));
    p.drawEllipse(QRectF(86, 70, 14, 16));
    p.setPen(QPen(QColor(190, 150, 50), 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(89, 74, 8, 8));
}

void Brandweerauto(QPainter& p)
{
    Lucht(p, QColor(140, 205, 255), QColor(230, 245, 255), 0, 72);
    Vul(p, QColor(200, 120, 90));
    p.drawRect(QRectF(60, 20, 36, 52));
    Vul(p, QColor(180, 230, 255));
    for (int rij = 0; rij < 3; ++rij)
        for (int kolom = 0; kolom < 3; ++kolom)
            p.drawRect(QRectF(64 + kolom * 11.0, 26 + rij * 14.0, 7, 8));
    Vlak(p, QColor(90, 90, 100));
    p.drawRect(QRectF(0, 72, 100, 28));
    const QColor rood(225, 40, 40);
    Vul(p, rood);
    p.drawRoundedRect(QRectF(8, 52, 58, 26), 3, 3);
    p.drawRoundedRect(QRectF(60, 46, 24, 32), 4, 4);
    Vul(p, QColor(180, 230, 255));
    p.drawRoundedRect(QRectF(66, 50, 14, 10), 2, 2);
    Vul(p, QColor(60, 140, 240));
    p.drawRoundedRect(QRectF(68, 41, 10, 5), 2, 2);
    // the ladder
    Vul(p, QColor(220, 220, 230));
    p.drawPath(Veelhoek({{12, 50}, {56, 28}, {58, 32}, {14, 54}}));
    p.setPen(QPen(Inkt, 0.6));
    for (int i = 1; i < 9; ++i)
        p.drawLine(QPointF(12 + i * 5.0, 50 - i * 2.5), QPointF(14 + i * 5.0, 54 - i * 2.5));
    Vlak(p, QColor(250, 250, 250));
    p.drawRect(QRectF(8.5, 64, 51, 3));
    Vul(p, QColor(255, 220, 60));
    p.drawEllipse(QPointF(84, 70), 2, 2);
    Wiel(p, {22, 78}, 7);
    Wiel(p, {70, 78}, 7);
    // water from the hose
    p.setPen(QPen(QColor(90, 170, 250), 2.2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath straal(QPointF(57, 30));
    straal.quadTo(QPointF(62, 10), QPointF(70, 18));
    p.drawPath(straal);
    Vlak(p, QColor(90, 170, 250));
    for (int i = 0; i < 4; ++i)
        p.drawEllipse(QPointF(70 + i * 2.0, 20 + i * 2.5), 1, 1.3);
}

void Helikopter(QPainter& p)
{
    Lucht(p, QColor(80, 170, 250), QColor(200, 235, 255));
    Wolk(p, {18, 20}, 22);
    Wolk(p, {85, 78}, 26);
    Den(p, {8, 100}, 24);
    Den(p, {22, 100}, 18);
    const QColor lak(255, 180, 30);
    Vul(p, lak);
    p.drawPath(Veelhoek({{60, 46}, {94, 40}, {94, 46}, {62, 54}}));
    Vul(p, QColor(230, 60, 60));
    p.drawPath(Veelhoek({{90, 32}, {96, 32}, {96, 46}, {91, 46}}));
    Vul(p, lak);
    p.drawEllipse(QPointF(44, 52), 22, 16);
    Vul(p, QColor(170, 225, 255));
    QPainterPath raam(QPointF(28, 44));
    raam.cubicTo(QPointF(32, 38), QPointF(44, 38), QPointF(46, 44));
    raam.lineTo(QPointF(46, 54));
    raam.lineTo(QPointF(24, 54));
    raam.closeSubpath();
    p.drawPath(raam);
    Vul(p, Inkt);
    p.drawRect(QRectF(42, 32, 4, 5));
    p.drawRoundedRect(QRectF(14, 29, 60, 3), 1.5, 1.5);
    Vul(p, QColor(120, 120, 130));
    p.drawRoundedRect(QRectF(24, 72, 42, 3), 1.5, 1.5);
    p.setPen(QPen(Inkt, 1.2));
    p.drawLine(QPointF(34, 66), QPointF(32, 72));
    p.drawLine(QPointF(54, 66), QPointF(56, 72));
    Vul(p, QColor(255, 210, 170), Lijn * 0.6);
    p.drawEllipse(QPointF(38, 48), 3.5, 3.5);
}

void Luchtballonnen(QPainter& p)
{
    Lucht(p, QColor(255, 170, 120), QColor(150, 210, 255));
    Heuvel(p, 85, 3, 1, QColor(100, 180, 90));
    Wolk(p, {80, 30}, 20);
    const QColor kleuren[][2] = {{QColor(230, 60, 60), QColor(255, 220, 60)},
        {QColor(60, 140, 230), QColor(250, 250, 250)}, {QColor(150, 80, 210), QColor(100, 220, 120)}};
    const QPointF plekken[] = {{36, 36}, {74, 58}, {16, 66}};
    const qreal maten[] = {20, 13, 9};
    for (int i = 0; i < 3; ++i) {
        const QPointF m = plekken[i];
        const qreal r = maten[i];
        QPainterPath ballon(m + QPointF(0, r * 1.25));
        ballon.cubicTo(m + QPointF(-r * 1.4, r * 0.2), m + QPointF(-r * 1.1, -r * 1.2), m + QPointF(0, -r * 1.1));
        ballon.cubicTo(m + QPointF(r * 1.1, -r * 1.2), m + QPointF(r * 1.4, r * 0.2), m + QPointF(0, r * 1.25));
        Vorm(p, ballon, kleuren[i][0], [&] {
            Vlak(p, kleuren[i][1]);
            p.drawEllipse(m, r * 0.3, r * 1.3);
            p.drawEllipse(m + QPointF(-r * 0.9, 0), r * 0.18, r * 1.2);
            p.drawEllipse(m + QPointF(r * 0.9, 0), r * 0.18, r * 1.2);
        });
        p.drawLine(m + QPointF(-r * 0.3, r * 1.2), m + QPointF(-r * 0.25, r * 1.6));
        p.drawLine(m + QPointF(r * 0.3, r * 1.2), m + QPointF(r * 0.25, r * 1.6));
        Vul(p, QColor(170, 110, 60));
        p.drawRect(QRectF(m.x() - r * 0.3, m.y() + r * 1.6, r * 0.6, r * 0.45));
    }
}

void Duikboot(QPainter& p)
{
    Lucht(p, QColor(40, 160, 210), QColor(10, 50, 110));
    Vlak(p, QColor(230, 200, 130));
    p.drawEllipse(QRectF(-20, 86, 140, 30));
    Vul(p, QColor(240, 100, 120));
    for (const qreal x : {12.0, 84.0}) {
        p.drawRoundedRect(QRectF(x - 2, 70, 4, 20), 2, 2);
        p.drawRoundedRect(QRectF(x - 8, 76, 4, 12), 2, 2);
        p.drawRoundedRect(QRectF(x + 4, 74, 4, 14), 2, 2);
    }
    const QColor lak(255, 200, 30);
    Vul(p, lak);
    p.drawRoundedRect(QRectF(42, 28, 16, 14), 3, 3);
    p.setPen(QPen(Inkt, 1.5));
    p.drawLine(QPointF(50, 28), QPointF(50, 18));
    p.drawLine(QPointF(50, 18), QPointF(56, 18));
    Vul(p, lak);
    p.drawRoundedRect(QRectF(16, 38, 66, 24), 12, 12);
    p.drawPath(Veelhoek({{16, 50}, {8, 40}, {8, 60}}));
    Vul(p, QColor(160, 220, 255));
    for (int i = 0; i < 3; ++i)
        p.drawEllipse(QPointF(34 + i * 14.0, 50), 4, 4);
    Vlak(p, QColor(200, 240, 255, 170));
    for (int i = 0; i < 4; ++i)
        p.drawEllipse(QPointF(86 + (i % 2) * 3.0, 40 - i * 7.0), 1.5 + i * 0.5, 1.5 + i * 0.5);
    Vul(p, QColor(255, 150, 60));
    p.drawEllipse(QPointF(72, 80), 5, 3);
    p.drawPath(Veelhoek({{67, 80}, {63, 77}, {63, 83}}));
}

} // namespace

std::vector<Tafereel> Onderweg()
{
    return {{"tractor", Tractor}, {"brandweerauto", Brandweerauto}, {"helikopter", Helikopter},
        {"luchtballonnen", Luchtballonnen}, {"duikboot", Duikboot}};
}
