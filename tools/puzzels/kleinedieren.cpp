#include "taferelen.h"
#include "tekenhulp.h"

#include <cmath>
#include <numbers>

using namespace Teken;

namespace {

void Vis(QPainter& p, QPointF midden, qreal lengte, const QColor& kleur, bool naarLinks)
{
    const qreal r = naarLinks ? -1 : 1;
    const qreal l = lengte / 2;
    Vul(p, kleur);
    p.drawPath(Veelhoek({midden + QPointF(-r * l * 0.8, 0), midden + QPointF(-r * l * 1.4, -l * 0.6),
        midden + QPointF(-r * l * 1.4, l * 0.6)}));
    p.drawEllipse(midden, l, l * 0.6);
    Vul(p, kleur.lighter(130), Lijn * 0.6);
    p.drawPath(Veelhoek({midden + QPointF(-r * l * 0.2, -l * 0.5), midden + QPointF(r * l * 0.2, -l * 0.95),
        midden + QPointF(r * l * 0.4, -l * 0.5)}));
    Oog(p, midden + QPointF(r * l * 0.5, -l * 0.1), l * 0.18, {r * 0.3, 0});
}

void Aquarium(QPainter& p)
{
    Lucht(p, QColor(60, 170, 230), QColor(20, 90, 170));
    Vlak(p, QColor(240, 210, 140));
    p.drawEllipse(QRectF(-10, 82, 120, 30));
    for (int i = 0; i < 3; ++i) {
        QPainterPath wier(QPointF(12.0 + i * 36, 92));
        wier.cubicTo(QPointF(4.0 + i * 36, 80), QPointF(20.0 + i * 36, 70), QPointF(12.0 + i * 36, 55));
        p.setPen(QPen(QColor(40, 150, 70), 3, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawPath(wier);
    }
    Vis(p, {30, 30}, 22, QColor(255, 140, 30), false);
    Vis(p, {72, 50}, 18, QColor(240, 80, 160), true);
    Vis(p, {35, 68}, 14, QColor(255, 220, 40), false);
    Vis(p, {80, 20}, 10, QColor(80, 220, 120), true);
    p.setPen(QPen(QColor(220, 245, 255), 0.6));
    p.setBrush(QColor(255, 255, 255, 60));
    for (int i = 0; i < 5; ++i)
        p.drawEllipse(QPointF(46 + (i % 2) * 3, 24 - i * 5.0), 1.2 + i * 0.3, 1.2 + i * 0.3);
    Vul(p, QColor(250, 120, 110));
    p.drawEllipse(QRectF(58, 82, 16, 8));
    Vul(p, QColor(255, 230, 240));
    p.drawEllipse(QPointF(66, 84), 3, 2);
}

void Vlinder(QPainter& p)
{
    Lucht(p, QColor(170, 220, 255), QColor(230, 250, 230), 0, 70);
    Heuvel(p, 72, 2, 0.5, QColor(120, 200, 90));
    Bloem(p, {15, 75}, 4, QColor(255, 100, 150));
    Bloem(p, {85, 70}, 4, QColor(180, 120, 255));
    Bloem(p, {70, 85}, 3, QColor(255, 200, 40));
    Vul(p, QColor(255, 120, 60));
    p.drawEllipse(QRectF(18, 14, 32, 30));
    p.drawEllipse(QRectF(50, 14, 32, 30));
    Vul(p, QColor(255, 200, 60));
    p.drawEllipse(QRectF(24, 42, 24, 22));
    p.drawEllipse(QRectF(52, 42, 24, 22));
    Vlak(p, QColor(120, 60, 200));
    for (const QPointF plek : {QPointF(32, 26), QPointF(68, 26), QPointF(36, 53), QPointF(64, 53)})
        p.drawEllipse(plek, 5, 5);
    Vlak(p, Qt::white);
    for (const QPointF plek : {QPointF(32, 26), QPointF(68, 26), QPointF(36, 53), QPointF(64, 53)})
        p.drawEllipse(plek, 2, 2);
    Vul(p, QColor(70, 50, 80));
    p.drawRoundedRect(QRectF(47, 22, 6, 40), 3, 3);
    p.drawEllipse(QPointF(50, 20), 5, 5);
    p.setPen(QPen(Inkt, 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(40, 4, 10, 14), 0, 90 * 16);
    p.drawArc(QRectF(50, 4, 10, 14), 90 * 16, 90 * 16);
    Oog(p, {48, 19}, 1.5);
    Oog(p, {52, 19}, 1.5);
}

void Lieveheersbeestje(QPainter& p)
{
    Lucht(p, QColor(200, 240, 150), QColor(120, 200, 90));
    Vul(p, QColor(60, 170, 60));
    QPainterPath blad(QPointF(5, 90));
    blad.cubicTo(QPointF(0, 30), QPointF(60, 0), QPointF(95, 8));
    blad.cubicTo(QPointF(95, 50), QPointF(60, 95), QPointF(5, 90));
    p.drawPath(blad);
    p.setPen(QPen(QColor(40, 120, 40), 1.2));
    p.drawLine(QPointF(5, 90), QPointF(92, 10));
    const QColor rood(230, 40, 40);
    Vul(p, Inkt);
    p.drawEllipse(QPointF(38, 36), 9, 8);
    for (int i = -1; i <= 1; ++i) {
        p.setPen(QPen(Inkt, 1.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(50, 50 + i * 8), QPointF(36, 52 + i * 12));
        p.drawLine(QPointF(50, 50 + i * 8), QPointF(68, 46 + i * 12));
    }
    Vul(p, rood);
    p.drawEllipse(QPointF(53, 52), 18, 17);
    p.setPen(QPen(Inkt, 1));
    p.drawLine(QPointF(41, 39), QPointF(65, 65));
    Vlak(p, Inkt);
    for (const QPointF plek : {QPointF(48, 58), QPointF(58, 44), QPointF(62, 56), QPointF(46, 48), QPointF(53, 64)})
        p.drawEllipse(plek, 3, 3);
    Oog(p, {35, 34}, 2.2, {-0.3, 0});
    Oog(p, {40, 31}, 2.2, {-0.3, 0});
    Vlak(p, QColor(140, 210, 255, 200));
    p.drawEllipse(QPointF(80, 80), 3, 4);
}

void Slak(QPainter& p)
{
    Lucht(p, QColor(160, 215, 255), QColor(230, 250, 255), 0, 70);
    Wolk(p, {25, 18}, 22);
    Heuvel(p, 70, 1.5, 3, QColor(110, 190, 80));
    Gras(p, 72, 5);
    Bloem(p, {85, 62}, 3.5, QColor(255, 120, 180));
    const QColor lijf(170, 220, 110);
    Vul(p, lijf);
    QPainterPath slak;
    slak.addRoundedRect(QRectF(12, 72, 66, 9), 4.5, 4.5);
    QPainterPath nek(QPointF(60, 78));
    nek.cubicTo(QPointF(62, 60), QPointF(64, 50), QPointF(72, 47));
    nek.cubicTo(QPointF(80, 46), QPointF(82, 56), QPointF(78, 78));
    nek.closeSubpath();
    p.drawPath(slak.united(nek));
    p.setPen(QPen(Inkt, 1, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(70, 50), QPointF(66, 36));
    p.drawLine(QPointF(74, 50), QPointF(80, 37));
    Vul(p, lijf);
    p.drawEllipse(QPointF(66, 36), 2, 2);
    p.drawEllipse(QPointF(80, 37), 2, 2);
    Oog(p, {72, 56}, 2.5, {0.3, 0});
    Lach(p, {75, 64}, 5);
    Vul(p, QColor(200, 120, 60));
    p.drawEllipse(QPointF(40, 56), 20, 20);
    QPainterPath spiraal;
    for (int i = 0; i <= 200; ++i) {
        const qreal hoek = i * 0.09;
        const QPointF punt = QPointF(40, 56) + QPointF(std::cos(hoek), std::sin(hoek)) * (1 + hoek * 0.95);
        if (i == 0)
            spiraal.moveTo(punt);
        else
            spiraal.lineTo(punt);
    }
    p.setPen(QPen(QColor(130, 70, 30), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(spiraal);
}

void Kikker(QPainter& p)
{
    Lucht(p, QColor(150, 220, 255), QColor(210, 240, 255), 0, 50);
    Zee(p, 50, QColor(60, 150, 200), QColor(30, 100, 160));
    p.setPen(QPen(QColor(50, 150, 60), 1.5));
    for (int i = 0; i < 3; ++i)
        p.drawLine(QPointF(6.0 + i * 4, 50), QPointF(4.0 + i * 5, 30 - i * 3.0));
    Vul(p, QColor(130, 80, 40));
    for (int i = 0; i < 3; ++i)
        p.drawRoundedRect(QRectF(2.5 + i * 5, 24 - i * 3.0, 3, 8), 1.5, 1.5);
    Vul(p, QColor(60, 170, 70));
    QPainterPath blad;
    blad.moveTo(50, 76);
    blad.arcTo(QRectF(14, 64, 72, 24), 80, 340);
    blad.closeSubpath();
    p.drawPath(blad);
    Bloem(p, {82, 68}, 3, QColor(255, 170, 210));
    const QColor huid(110, 200, 70);
    Vul(p, huid);
    p.drawEllipse(QPointF(38, 72), 7, 4);
    p.drawEllipse(QPointF(62, 72), 7, 4);
    p.drawEllipse(QPointF(50, 60), 18, 13);
    p.drawEllipse(QPointF(41, 46), 6, 6);
    p.drawEllipse(QPointF(59, 46), 6, 6);
    Oog(p, {41, 46}, 4, {0, 0.2});
    Oog(p, {59, 46}, 4, {0, 0.2});
    Vul(p, QColor(200, 240, 150));
    p.drawEllipse(QPointF(50, 64), 10, 7);
    Lach(p, {50, 56}, 14);
    Vlak(p, QColor(255, 140, 140, 150));
    p.drawEllipse(QPointF(37, 57), 3, 2);
    p.drawEllipse(QPointF(63, 57), 3, 2);
}

void Schildpad(QPainter& p)
{
    Lucht(p, QColor(110, 200, 250), QColor(200, 240, 255), 0, 45);
    Zee(p, 45, QColor(60, 180, 220), QColor(40, 140, 200));
    Vlak(p, QColor(250, 225, 160));
    QPainterPath strand(QPointF(0, 62));
    strand.cubicTo(QPointF(40, 55), QPointF(70, 68), QPointF(100, 60));
    strand.lineTo(100, 100);
    strand.lineTo(0, 100);
    p.drawPath(strand);
    Ster(p, {85, 85}, 5, QColor(255, 150, 100));
    Vul(p, QColor(255, 240, 220));
    p.drawEllipse(QRectF(10, 82, 9, 6));
    const QColor huid(150, 210, 110);
    Vul(p, huid);
    for (const QPointF plek : {QPointF(32, 82), QPointF(64, 82), QPointF(30, 66), QPointF(66, 66)})
        p.drawEllipse(plek, 6, 4);
    p.drawEllipse(QPointF(76, 68), 9, 7);
    Oog(p, {79, 66}, 2.3, {0.3, 0});
    Lach(p, {80, 70}, 6);
    Vul(p, QColor(60, 140, 80));
    QPainterPath schild;
    schild.moveTo(22, 78);
    schild.arcTo(QRectF(22, 52, 52, 52), 180, -180);
    schild.closeSubpath();
    p.drawPath(schild);
    Vul(p, QColor(110, 180, 90), Lijn * 0.6);
    for (const QPointF plek : {QPointF(38, 68), QPointF(58, 68), QPointF(48, 61)})
        p.drawEllipse(plek, 6, 5);
    Vul(p, QColor(230, 180, 90));
    p.drawRect(QRectF(21, 76, 54, 4));
}

void Bij(QPainter& p)
{
    Lucht(p, QColor(130, 210, 255), QColor(230, 250, 255), 0, 75);
    Heuvel(p, 75, 2, 1, QColor(120, 200, 90));
    for (int i = 0; i < 5; ++i)
        Bloem(p, {10.0 + i * 20, 72.0 + (i % 2) * 6}, 3.2, i % 2 ? QColor(255, 120, 170) : QColor(170, 120, 255));
    // the hive hanging from a branch
    p.setPen(QPen(QColor(120, 80, 40), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(60, 6), QPointF(100, 3));
    Vul(p, QColor(240, 180, 50));
    for (int laag = 0; laag < 4; ++laag)
        p.drawRoundedRect(QRectF(72.0 - laag * 2, 8.0 + laag * 8, 16.0 + laag * 4, 9), 4.5, 4.5);
    Vlak(p, Inkt);
    p.drawEllipse(QPointF(80, 38), 3, 3);
    // the bee
    Vul(p, QColor(220, 240, 255, 220));
    p.drawEllipse(QRectF(28, 22, 16, 20));
    p.drawEllipse(QRectF(42, 20, 16, 20));
    Vorm(p, Ellips({42, 48}, 18, 13), QColor(255, 210, 30), [&p] {
        Vlak(p, Inkt);
        for (const qreal x : {36.0, 46.0, 56.0})
            p.drawRect(QRectF(x, 30, 4.5, 40));
    });
    Vul(p, Inkt);
    p.drawPath(Veelhoek({{59, 47}, {64, 48}, {59, 50}}));
    Vul(p, QColor(255, 210, 30));
    p.drawEllipse(QPointF(25, 45), 8, 8);
    Oog(p, {22, 43}, 2.2, {-0.3, 0});
    Lach(p, {22, 48}, 4);
    p.setPen(QPen(Inkt, 0.8));
    p.drawLine(QPointF(24, 38), QPointF(20, 31));
    p.drawLine(QPointF(28, 38), QPointF(30, 31));
    p.setPen(QPen(Inkt, 0.6, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(56, 48, 30, 20), 90 * 16, -200 * 16);
}

} // namespace

std::vector<Tafereel> KleineDieren()
{
    return {{"aquarium", Aquarium}, {"vlinder", Vlinder}, {"lieveheersbeestje", Lieveheersbeestje}, {"slak", Slak},
        {"kikker", Kikker}, {"schildpad", Schildpad}, {"bij", Bij}};
}
