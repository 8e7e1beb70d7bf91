#include "taferelen.h"
#include "tekenhulp.h"

using namespace Teken;

namespace {

void Kat(QPainter& p)
{
    Lucht(p, QColor(255, 230, 200), QColor(255, 200, 160), 0, 70);
    Vlak(p, QColor(180, 110, 70));
    p.drawRect(QRectF(0, 70, 100, 30));
    Vul(p, QColor(220, 60, 80));
    p.drawEllipse(QPointF(50, 85), 40, 10);
    // window with the moon
    Vul(p, QColor(60, 80, 160));
    p.drawRect(QRectF(62, 10, 28, 28));
    Vlak(p, QColor(255, 240, 150));
    p.drawEllipse(QPointF(82, 18), 4, 4);
    p.setPen(QPen(Inkt, 1.2));
    p.drawLine(QPointF(76, 10), QPointF(76, 38));
    p.drawLine(QPointF(62, 24), QPointF(90, 24));
    const QColor vacht(250, 150, 50);
    Vul(p, vacht);
    QPainterPath staart(QPointF(66, 78));
    staart.cubicTo(QPointF(85, 80), QPointF(90, 60), QPointF(80, 52));
    Streng(p, staart, vacht, 5);
    Vul(p, vacht);
    p.drawEllipse(QPointF(50, 68), 20, 16);
    p.drawPath(Veelhoek({{30, 40}, {31, 22}, {42, 33}}));
    p.drawPath(Veelhoek({{70, 40}, {69, 22}, {58, 33}}));
    p.drawEllipse(QPointF(50, 44), 20, 16);
    Vlak(p, QColor(255, 180, 190));
    p.drawPath(Veelhoek({{33, 36}, {33, 27}, {39, 33}}));
    p.drawPath(Veelhoek({{67, 36}, {67, 27}, {61, 33}}));
    Oog(p, {42, 42}, 4.2, {0.3, 0.3});
    Oog(p, {58, 42}, 4.2, {-0.3, 0.3});
    Vul(p, QColor(255, 120, 150), Lijn * 0.6);
    p.drawPath(Veelhoek({{47.5, 49}, {52.5, 49}, {50, 52}}));
    Lach(p, {47.5, 54}, 5);
    Lach(p, {52.5, 54}, 5);
    p.setPen(QPen(Inkt, 0.5));
    for (int i = -1; i <= 1; ++i) {
        p.drawLine(QPointF(40, 51 + i * 2), QPointF(26, 49 + i * 4));
        p.drawLine(QPointF(60, 51 + i * 2), QPointF(74, 49 + i * 4));
    }
    Vul(p, vacht);
    p.drawEllipse(QPointF(40, 83), 6, 4);
    p.drawEllipse(QPointF(60, 83), 6, 4);
}

void Hond(QPainter& p)
{
    Lucht(p, QColor(110, 190, 255), QColor(200, 235, 255), 0, 65);
    Wolk(p, {20, 15}, 22);
    Wolk(p, {78, 22}, 18);
    Heuvel(p, 62, 2, 1, QColor(110, 200, 80));
    Gras(p, 64, 7);
    const QColor vacht(230, 200, 150), vlek(150, 95, 55);
    Vul(p, vacht);
    p.drawRoundedRect(QRectF(38, 58, 34, 22), 10, 10);
    p.drawRoundedRect(QRectF(41, 72, 7, 16), 3, 3);
    p.drawRoundedRect(QRectF(62, 72, 7, 16), 3, 3);
    QPainterPath staart(QPointF(71, 62));
    staart.lineTo(80, 52);
    Streng(p, staart, vacht, 2.8);
    Vul(p, vlek);
    p.drawEllipse(QPointF(58, 64), 6, 4);
    Vul(p, vacht);
    p.drawEllipse(QPointF(36, 48), 15, 14);
    Vul(p, vlek);
    p.drawEllipse(QRectF(17, 38, 9, 20));
    p.drawEllipse(QRectF(46, 38, 9, 20));
    Vul(p, vacht.lighter(110));
    p.drawEllipse(QPointF(36, 56), 8, 6);
    Oog(p, {30, 45}, 3.2, {0.2, 0.3});
    Oog(p, {42, 45}, 3.2, {-0.2, 0.3});
    Vlak(p, Inkt);
    p.drawEllipse(QPointF(36, 53), 3, 2.2);
    Lach(p, {36, 58}, 6);
    Vul(p, QColor(255, 110, 130), Lijn * 0.6);
    p.drawRoundedRect(QRectF(34.5, 59.5, 3, 4), 1.5, 1.5);
    Vul(p, QColor(220, 40, 40));
    p.drawRect(QRectF(27, 60, 18, 3));
    // the ball
    Vul(p, QColor(255, 90, 60));
    p.drawEllipse(QPointF(18, 82), 7, 7);
    p.setPen(QPen(Qt::white, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(11, 78, 14, 8), 0, 180 * 16);
}

void Konijn(QPainter& p)
{
    Lucht(p, QColor(150, 210, 255), QColor(220, 245, 255), 0, 60);
    Zon(p, {82, 16}, 8, false);
    Heuvel(p, 58, 3, 2, QColor(120, 205, 90));
    Gras(p, 60, 11);
    for (int i = 0; i < 3; ++i)
        Bloem(p, {10.0 + i * 12, 72.0 + (i % 2) * 8}, 2.5, QColor(255, 120, 180));
    Bloem(p, {88, 76}, 2.5, QColor(255, 240, 90));
    // a carrot
    Vul(p, QColor(255, 140, 30));
    p.drawPath(Veelhoek({{70, 80}, {86, 76}, {88, 82}}));
    Vul(p, QColor(70, 170, 60));
    p.drawPath(Veelhoek({{86, 76}, {94, 70}, {90, 78}, {96, 78}, {88, 82}}));
    const QColor vacht(245, 245, 250), roze(255, 170, 190);
    Vul(p, vacht);
    p.drawEllipse(QPointF(50, 72), 17, 14);
    p.drawEllipse(QRectF(38, 14, 10, 30));
    p.drawEllipse(QRectF(52, 14, 10, 30));
    Vlak(p, roze);
    p.drawEllipse(QRectF(40.5, 18, 5, 22));
    p.drawEllipse(QRectF(54.5, 18, 5, 22));
    Vul(p, vacht);
    p.drawEllipse(QPointF(50, 50), 15, 13);
    Oog(p, {44, 48}, 3, {0.2, 0.2});
    Oog(p, {56, 48}, 3, {-0.2, 0.2});
    Vul(p, roze, Lijn * 0.6);
    p.drawEllipse(QPointF(50, 54), 2, 1.5);
    Lach(p, {50, 57}, 5);
    Vlak(p, QColor(255, 190, 200, 200));
    p.drawEllipse(QPointF(40, 55), 3, 2);
    p.drawEllipse(QPointF(60, 55), 3, 2);
    Vul(p, vacht);
    p.drawEllipse(QPointF(42, 85), 6, 3.5);
    p.drawEllipse(QPointF(58, 85), 6, 3.5);
}

void Vogel(QPainter& p)
{
    Lucht(p, QColor(100, 180, 250), QColor(210, 240, 255));
    Wolk(p, {75, 15}, 25);
    Wolk(p, {15, 30}, 16);
    // the branch with leaves
    QPainterPath tak(QPointF(0, 72));
    tak.lineTo(100, 64);
    Streng(p, tak, QColor(140, 90, 50), 4);
    Vul(p, QColor(80, 180, 70));
    for (int i = 0; i < 5; ++i)
        p.drawEllipse(QPointF(8.0 + i * 22, 76.0 - i * 1.8), 5, 2.5);
    const QColor veren(60, 150, 240), buik(255, 220, 90);
    Vul(p, veren);
    p.drawPath(Veelhoek({{30, 58}, {16, 66}, {20, 56}}));
    p.drawEllipse(QPointF(45, 52), 18, 15);
    Vul(p, buik);
    p.drawEllipse(QPointF(50, 57), 10, 9);
    Vul(p, veren.darker(120));
    p.drawEllipse(QPointF(38, 52), 9, 6);
    Vul(p, veren);
    p.drawEllipse(QPointF(56, 36), 11, 10);
    Vul(p, QColor(255, 150, 30));
    p.drawPath(Veelhoek({{65, 35}, {74, 38}, {65, 41}}));
    Oog(p, {59, 34}, 3, {0.4, 0});
    Vul(p, QColor(255, 150, 30), Lijn * 0.6);
    p.drawRect(QRectF(42, 64, 2, 5));
    p.drawRect(QRectF(50, 64, 2, 5));
    // a little song
    p.setPen(QPen(Inkt, 0.8));
    p.setBrush(Inkt);
    p.drawEllipse(QPointF(80, 40), 2, 1.5);
    p.drawLine(QPointF(82, 40), QPointF(82, 30));
    p.drawEllipse(QPointF(88, 35), 2, 1.5);
    p.drawLine(QPointF(90, 35), QPointF(90, 25));
    p.drawLine(QPointF(82, 30), QPointF(90, 25));
}

void Uil(QPainter& p)
{
    Lucht(p, QColor(20, 25, 70), QColor(60, 60, 130));
    Sterretjes(p, QRectF(0, 0, 100, 60), 40, 3);
    Vlak(p, QColor(255, 245, 180));
    p.drawEllipse(QPointF(80, 18), 10, 10);
    Vlak(p, QColor(20, 25, 70));
    p.drawEllipse(QPointF(85, 14), 9, 9);
    Vul(p, QColor(110, 70, 40));
    p.drawPath(Veelhoek({{0, 75}, {100, 66}, {100, 74}, {0, 83}}));
    const QColor veren(170, 110, 60);
    Vul(p, veren);
    p.drawPath(Veelhoek({{32, 22}, {37, 36}, {42, 30}}));
    p.drawPath(Veelhoek({{68, 22}, {63, 36}, {58, 30}}));
    p.drawEllipse(QPointF(50, 50), 20, 24);
    Vul(p, QColor(240, 210, 160));
    p.drawEllipse(QPointF(50, 58), 12, 14);
    p.setPen(QPen(veren.darker(130), 0.8));
    for (int rij = 0; rij < 3; ++rij)
        for (int k = -1; k <= 1; ++k)
            p.drawArc(QRectF(46 + k * 6, 52 + rij * 5, 4, 3), 180 * 16, 180 * 16);
    Vul(p, QColor(255, 230, 120));
    p.drawEllipse(QPointF(42, 38), 8, 8);
    p.drawEllipse(QPointF(58, 38), 8, 8);
    Oog(p, {42, 38}, 5, {0.2, 0.1});
    Oog(p, {58, 38}, 5, {-0.2, 0.1});
    Vul(p, QColor(255, 150, 30));
    p.drawPath(Veelhoek({{47, 44}, {53, 44}, {50, 50}}));
    Vul(p, veren.darker(115));
    p.drawEllipse(QPointF(31, 54), 5, 12);
    p.drawEllipse(QPointF(69, 54), 5, 12);
    Vul(p, QColor(255, 150, 30), Lijn * 0.6);
    p.drawEllipse(QPointF(44, 73), 3, 2);
    p.drawEllipse(QPointF(56, 72), 3, 2);
}

} // namespace

std::vector<Tafereel> Huisdieren()
{
    return {{"kat", Kat}, {"hond", Hond}, {"konijn", Konijn}, {"vogel", Vogel}, {"uil", Uil}};
}
