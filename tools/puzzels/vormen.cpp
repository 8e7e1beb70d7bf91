#include "taferelen.h"
#include "tekenhulp.h"

#include <cmath>
#include <numbers>

using namespace Teken;

namespace {

void Gezichtje(QPainter& p, QPointF midden, qreal grootte)
{
    Oog(p, midden + QPointF(-grootte * 0.3, -grootte * 0.1), grootte * 0.16);
    Oog(p, midden + QPointF(grootte * 0.3, -grootte * 0.1), grootte * 0.16);
    Lach(p, midden + QPointF(0, grootte * 0.25), grootte * 0.5);
}

void Vormpjes(QPainter& p)
{
    Lucht(p, QColor(255, 245, 200), QColor(255, 220, 230));
    Vul(p, QColor(250, 90, 90));
    p.drawEllipse(QPointF(28, 28), 18, 18);
    Gezichtje(p, {28, 28}, 18);
    Vul(p, QColor(70, 150, 240));
    p.drawRoundedRect(QRectF(56, 12, 32, 32), 3, 3);
    Gezichtje(p, {72, 28}, 16);
    Vul(p, QColor(80, 200, 100));
    p.drawPath(Veelhoek({{28, 54}, {48, 88}, {8, 88}}));
    Gezichtje(p, {28, 76}, 12);
    Ster(p, {72, 72}, 20, QColor(255, 210, 40));
    Gezichtje(p, {72, 74}, 12);
    Hart(p, {50, 50}, 9, QColor(240, 110, 180));
}

void Regenboog(QPainter& p)
{
    Lucht(p, QColor(110, 190, 255), QColor(220, 240, 255));
    const QColor kleuren[] = {QColor(230, 40, 40), QColor(255, 140, 0), QColor(255, 220, 0), QColor(60, 180, 75),
        QColor(40, 110, 220), QColor(140, 70, 200)};
    for (int i = 0; i < 6; ++i) {
        const qreal straal = 44 - i * 5.5;
        p.setPen(QPen(kleuren[i], 5.6, Qt::SolidLine, Qt::FlatCap));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(50 - straal, 78 - straal, 2 * straal, 2 * straal), 0, 180 * 16);
    }
    Wolk(p, {14, 76}, 28);
    Wolk(p, {86, 76}, 28);
    Hart(p, {50, 60}, 14, QColor(240, 60, 120));
    Ster(p, {16, 18}, 6, QColor(255, 220, 60));
    Ster(p, {84, 16}, 5, QColor(255, 220, 60));
    Ster(p, {50, 14}, 4, QColor(255, 255, 255));
    Hart(p, {30, 92}, 7, QColor(255, 120, 170));
    Hart(p, {70, 92}, 7, QColor(180, 110, 240));
}

void Blokken(QPainter& p)
{
    Lucht(p, QColor(250, 235, 210), QColor(240, 210, 180), 0, 78);
    Vlak(p, QColor(190, 130, 80));
    p.drawRect(QRectF(0, 78, 100, 22));
    Vul(p, QColor(80, 170, 230));
    p.drawEllipse(QRectF(8, 82, 84, 14));
    const QColor kleuren[] = {QColor(230, 60, 60), QColor(255, 190, 40), QColor(70, 170, 80), QColor(70, 130, 230),
        QColor(170, 90, 210), QColor(255, 130, 60)};
    const QRectF blokken[]
        = {{20, 66, 16, 16}, {36, 66, 16, 16}, {52, 66, 16, 16}, {28, 50, 16, 16}, {44, 50, 16, 16}, {36, 34, 16, 16}};
    for (int i = 0; i < 6; ++i) {
        Vul(p, kleuren[i]);
        p.drawRoundedRect(blokken[i], 2, 2);
        Vul(p, kleuren[i].lighter(140), Lijn * 0.6);
        const QPointF m = blokken[i].center();
        switch (i % 3) {
        case 0:
            p.drawEllipse(m, 4.5, 4.5);
            break;
        case 1:
            Hart(p, m, 9, kleuren[i].lighter(140));
            break;
        default:
            Ster(p, m, 5.5, kleuren[i].lighter(140));
        }
    }
    // a triangle roof on top and a ball beside the tower
    Vul(p, QColor(60, 190, 180));
    p.drawPath(Veelhoek({{36, 34}, {44, 22}, {52, 34}}));
    Vorm(p, Ellips({80, 74}, 9, 9), QColor(255, 80, 80), [&p] {
        Vlak(p, QColor(255, 230, 80));
        p.drawRect(QRectF(70, 71, 20, 6));
    });
    Ster(p, {14, 20}, 5, QColor(255, 220, 90));
    Ster(p, {84, 30}, 4, QColor(140, 200, 255));
}

} // namespace

std::vector<Tafereel> Vormen()
{
    return {{"vormpjes", Vormpjes}, {"regenboog", Regenboog}, {"blokken", Blokken}};
}
