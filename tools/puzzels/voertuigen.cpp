#include "taferelen.h"
#include "tekenhulp.h"

using namespace Teken;

namespace {

void Weg(QPainter& p, qreal y)
{
    Vul(p, QColor(90, 90, 100));
    p.drawRect(QRectF(-1, y, 102, 100 - y + 1));
    Vlak(p, QColor(250, 250, 250));
    for (int x = 2; x < 100; x += 16)
        p.drawRect(QRectF(x, y + (100 - y) / 2 - 0.8, 9, 1.6));
}

void Auto(QPainter& p)
{
    Lucht(p, QColor(120, 200, 255), QColor(220, 245, 255), 0, 62);
    Zon(p, {84, 16}, 8);
    Wolk(p, {25, 20}, 20);
    Heuvel(p, 58, 3, 0, QColor(120, 200, 90));
    Boom(p, {12, 68}, 26);
    Boom(p, {88, 66}, 22);
    Weg(p, 70);
    const QColor lak(230, 50, 50);
    Vul(p, lak);
    p.drawPath(Veelhoek({{30, 62}, {38, 46}, {64, 46}, {74, 62}}));
    p.drawRoundedRect(QRectF(16, 60, 70, 18), 5, 5);
    Vul(p, QColor(180, 230, 255));
    p.drawPath(Veelhoek({{34, 61}, {40, 49}, {50, 49}, {50, 61}}));
    p.drawPath(Veelhoek({{53, 61}, {53, 49}, {62, 49}, {70, 61}}));
    Vul(p, QColor(255, 240, 120));
    p.drawEllipse(QPointF(83, 66), 2.5, 2.5);
    Vul(p, QColor(255, 120, 60));
    p.drawRect(QRectF(16, 64, 3, 4));
    Wiel(p, {32, 78}, 7);
    Wiel(p, {70, 78}, 7);
}

void Bus(QPainter& p)
{
    Lucht(p, QColor(140, 200, 250), QColor(230, 245, 255), 0, 70);
    Vul(p, QColor(230, 170, 120));
    p.drawRect(QRectF(4, 20, 22, 50));
    Vul(p, QColor(170, 190, 220));
    p.drawRect(QRectF(74, 12, 22, 58));
    Vul(p, QColor(255, 240, 180));
    for (int rij = 0; rij < 4; ++rij) {
        p.drawRect(QRectF(8, 26 + rij * 11.0, 5, 6));
        p.drawRect(QRectF(17, 26 + rij * 11.0, 5, 6));
        p.drawRect(QRectF(78, 18 + rij * 12.0, 5, 7));
        p.drawRect(QRectF(87, 18 + rij * 12.0, 5, 7));
    }
    Weg(p, 70);
    const QColor lak(250, 190, 30);
    Vul(p, lak);
    p.drawRoundedRect(QRectF(10, 38, 80, 36), 6, 6);
    Vul(p, QColor(180, 230, 255));
    for (int i = 0; i < 5; ++i)
        p.drawRoundedRect(QRectF(14 + i * 13.0, 43, 10, 12), 2, 2);
    p.drawRoundedRect(QRectF(80, 43, 8, 20), 2, 2);
    Vlak(p, QColor(230, 70, 60));
    p.drawRect(QRectF(10.5, 60, 68, 3));
    Vul(p, QColor(255, 250, 200));
    p.drawEllipse(QPointF(87, 69), 2, 2);
    // faces in the windows
    Vlak(p, QColor(255, 205, 160));
    for (const qreal x : {19.0, 45.0, 71.0})
        p.drawEllipse(QPointF(x, 51), 3, 3);
    Wiel(p, {26, 75}, 6.5);
    Wiel(p, {72, 75}, 6.5);
}

void Trein(QPainter& p)
{
    Lucht(p, QColor(130, 200, 255), QColor(225, 245, 255), 0, 60);
    Wolk(p, {60, 15}, 18);
    Heuvel(p, 55, 4, 1, QColor(110, 190, 80));
    Heuvel(p, 66, 2, 3, QColor(140, 210, 90));
    Vul(p, QColor(130, 90, 60));
    for (int x = 0; x < 100; x += 6)
        p.drawRect(QRectF(x, 82, 3, 4));
    p.setPen(QPen(QColor(100, 100, 110), 1.4));
    p.drawLine(QPointF(0, 82), QPointF(100, 82));
    // the wagons
    const QColor wagens[] = {QColor(60, 140, 230), QColor(250, 170, 40)};
    for (int i = 0; i < 2; ++i) {
        const qreal x = 4 + i * 26.0;
        Vul(p, wagens[i]);
        p.drawRoundedRect(QRectF(x, 60, 22, 16), 2, 2);
        Vul(p, QColor(255, 240, 180));
        p.drawRect(QRectF(x + 4, 63, 6, 6));
        p.drawRect(QRectF(x + 12, 63, 6, 6));
        Wiel(p, {x + 6, 78}, 4);
        Wiel(p, {x + 16, 78}, 4);
    }
    const QColor lok(220, 50, 50);
    Vul(p, lok);
    p.drawRect(QRectF(58, 46, 16, 30));
    p.drawRoundedRect(QRectF(72, 58, 22, 18), 3, 3);
    Vul(p, Inkt);
    p.drawRect(QRectF(82, 46, 6, 12));
    p.drawRect(QRectF(56, 43, 20, 4));
    Vul(p, QColor(180, 230, 255));
    p.drawRect(QRectF(62, 50, 8, 8));
    Vul(p, QColor(255, 220, 60));
    p.drawEllipse(QPointF(94, 66), 2, 2);
    Wiel(p, {64, 77}, 5);
    Wiel(p, {78, 78}, 4);
    Wiel(p, {89, 78}, 4);
    // puffs of steam
    Vul(p, QColor(245, 245, 250), Lijn * 0.6);
    p.drawEllipse(QPointF(86, 40), 4, 3.5);
    p.drawEllipse(QPointF(80, 32), 5, 4.5);
    p.drawEllipse(QPointF(72, 23), 6, 5.5);
}

void Vliegtuig(QPainter& p)
{
    Lucht(p, QColor(60, 150, 240), QColor(190, 230, 255));
    Wolk(p, {20, 75}, 30);
    Wolk(p, {80, 85}, 26);
    Wolk(p, {78, 18}, 18);
    const QColor romp(245, 245, 250), streep(230, 60, 60);
    Vul(p, QColor(200, 60, 60));
    p.drawPath(Veelhoek({{46, 46}, {38, 26}, {46, 26}, {60, 46}}));
    Vul(p, romp);
    p.drawRoundedRect(QRectF(12, 44, 74, 14), 7, 7);
    Vul(p, streep);
    p.drawPath(Veelhoek({{14, 46}, {8, 32}, {16, 32}, {24, 46}}));
    Vul(p, QColor(200, 60, 60));
    p.drawPath(Veelhoek({{44, 54}, {34, 74}, {44, 74}, {60, 54}}));
    Vul(p, QColor(120, 190, 250), Lijn * 0.6);
    for (int i = 0; i < 6; ++i)
        p.drawEllipse(QPointF(30 + i * 7.0, 49), 2, 2);
    p.drawPath(Veelhoek({{78, 46}, {84, 46}, {86, 51}, {78, 51}}));
    Vlak(p, streep);
    p.drawRect(QRectF(16, 54, 66, 2));
    // the trail
    p.setPen(QPen(QColor(255, 255, 255, 200), 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(0, 50), QPointF(9, 50));
    p.drawLine(QPointF(0, 54), QPointF(7, 54));
}

void Zeilboot(QPainter& p)
{
    Lucht(p, QColor(100, 190, 255), QColor(255, 230, 200), 0, 66);
    Zon(p, {20, 18}, 8);
    Vul(p, QColor(120, 170, 120));
    p.drawEllipse(QRectF(62, 58, 50, 20));
    Zee(p, 66, QColor(40, 150, 220), QColor(20, 80, 160));
    p.setPen(QPen(Inkt, 1.5));
    p.drawLine(QPointF(48, 14), QPointF(48, 68));
    Vul(p, QColor(250, 250, 250));
    p.drawPath(Veelhoek({{50, 16}, {50, 62}, {78, 62}}));
    Vul(p, QColor(255, 120, 60));
    p.drawPath(Veelhoek({{46, 22}, {46, 62}, {26, 62}}));
    Vul(p, QColor(230, 60, 60));
    p.drawPath(Veelhoek({{48, 14}, {58, 17}, {48, 20}}));
    Vul(p, QColor(150, 90, 50));
    p.drawPath(Veelhoek({{22, 66}, {82, 66}, {74, 78}, {30, 78}}));
    Vlak(p, QColor(255, 255, 255));
    for (int i = 0; i < 3; ++i)
        p.drawEllipse(QPointF(40 + i * 10.0, 71), 2, 2);
    Vul(p, Qt::white, Lijn * 0.6);
    p.drawEllipse(QPointF(14, 88), 4, 2);
}

void Raket(QPainter& p)
{
    Lucht(p, QColor(15, 15, 50), QColor(60, 30, 100));
    Sterretjes(p, QRectF(0, 0, 100, 100), 60, 9);
    Vul(p, QColor(240, 140, 60));
    p.drawEllipse(QPointF(80, 78), 14, 14);
    p.setPen(QPen(QColor(255, 210, 120), 2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(58, 74, 44, 8));
    Vul(p, QColor(120, 200, 255));
    p.drawEllipse(QPointF(16, 20), 7, 7);
    Ster(p, {84, 16}, 4, QColor(255, 230, 80));
    // the flame
    Vul(p, QColor(255, 120, 30));
    p.drawPath(Veelhoek({{38, 70}, {44, 92}, {50, 78}, {56, 92}, {62, 70}}));
    Vlak(p, QColor(255, 230, 80));
    p.drawPath(Veelhoek({{43, 72}, {50, 86}, {57, 72}}));
    Vul(p, QColor(230, 50, 60));
    p.drawPath(Veelhoek({{36, 52}, {28, 72}, {38, 70}}));
    p.drawPath(Veelhoek({{64, 52}, {72, 72}, {62, 70}}));
    Vul(p, QColor(240, 240, 250));
    QPainterPath romp(QPointF(50, 8));
    romp.cubicTo(QPointF(66, 22), QPointF(66, 50), QPointF(62, 72));
    romp.lineTo(QPointF(38, 72));
    romp.cubicTo(QPointF(34, 50), QPointF(34, 22), QPointF(50, 8));
    p.drawPath(romp);
    Vul(p, QColor(230, 50, 60));
    QPainterPath neus(QPointF(50, 8));
    neus.cubicTo(QPointF(56, 13), QPointF(59, 17), QPointF(60, 22));
    neus.lineTo(QPointF(40, 22));
    neus.cubicTo(QPointF(41, 17), QPointF(44, 13), QPointF(50, 8));
    p.drawPath(neus);
    Vul(p, QColor(140, 210, 255));
    p.drawEllipse(QPointF(50, 38), 7, 7);
    Vul(p, QColor(255, 220, 180), Lijn * 0.6);
    p.drawEllipse(QPointF(50, 39), 3.5, 3.5);
    Vlak(p, QColor(230, 50, 60));
    p.drawRect(QRectF(40, 60, 20, 3));
}

} // namespace

std::vector<Tafereel> Voertuigen()
{
    return {{"auto", Auto}, {"bus", Bus}, {"trein", Trein}, {"vliegtuig", Vliegtuig}, {"zeilboot", Zeilboot},
        {"raket", Raket}};
}
