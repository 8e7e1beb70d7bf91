#include "taferelen.h"
#include "tekenhulp.h"

using namespace Teken;

namespace {

void Bergen(QPainter& p)
{
    Lucht(p, QColor(90, 170, 250), QColor(210, 235, 255), 0, 70);
    Zon(p, {82, 15}, 7, false);
    Wolk(p, {24, 14}, 18);
    const QColor rots(130, 120, 170), sneeuw(250, 250, 255);
    Vul(p, rots.lighter(115));
    p.drawPath(Veelhoek({{40, 66}, {70, 22}, {100, 60}, {100, 66}}));
    Vul(p, rots);
    p.drawPath(Veelhoek({{-2, 66}, {30, 16}, {62, 66}}));
    Vul(p, sneeuw);
    p.drawPath(Veelhoek({{22, 28.5}, {30, 16}, {38, 28.5}, {34, 26}, {30, 30}, {26, 26}}));
    p.drawPath(Veelhoek({{63, 32.5}, {70, 22}, {77, 32.5}, {73, 30}, {70, 34}, {67, 30}}));
    Zee(p, 66, QColor(70, 170, 230), QColor(40, 120, 200));
    Heuvel(p, 82, 2, 0.5, QColor(90, 180, 80));
    Den(p, {10, 92}, 22);
    Den(p, {22, 94}, 16);
    Den(p, {88, 92}, 20);
    Bloem(p, {60, 90}, 2, QColor(255, 230, 80));
    Bloem(p, {70, 93}, 2, QColor(255, 120, 170));
}

void Strand(QPainter& p)
{
    Lucht(p, QColor(60, 180, 250), QColor(190, 240, 255), 0, 50);
    Zon(p, {20, 18}, 9);
    Zee(p, 50, QColor(40, 200, 220), QColor(30, 140, 200));
    Vlak(p, QColor(250, 225, 150));
    QPainterPath strand(QPointF(0, 70));
    strand.cubicTo(QPointF(30, 62), QPointF(70, 74), QPointF(100, 66));
    strand.lineTo(100, 100);
    strand.lineTo(0, 100);
    p.drawPath(strand);
    // the palm tree
    Vul(p, QColor(170, 110, 60));
    p.drawPath(Veelhoek({{74, 86}, {80, 86}, {76, 30}, {72, 30}}));
    Vul(p, QColor(60, 170, 70));
    for (const auto& blad :
        {Veelhoek({{74, 30}, {52, 30}, {40, 42}, {58, 34}}), Veelhoek({{74, 30}, {92, 26}, {100, 40}, {90, 32}}),
            Veelhoek({{74, 30}, {60, 16}, {46, 18}, {62, 22}}), Veelhoek({{74, 30}, {86, 14}, {98, 16}, {86, 20}})})
        p.drawPath(blad);
    Vul(p, QColor(130, 80, 40));
    p.drawEllipse(QPointF(72, 32), 2.5, 2.5);
    p.drawEllipse(QPointF(77, 33), 2.5, 2.5);
    // the sand castle and a beach ball
    Vul(p, QColor(230, 190, 110));
    p.drawRect(QRectF(14, 76, 18, 10));
    p.drawRect(QRectF(19, 70, 8, 6));
    Vul(p, QColor(230, 60, 60));
    p.drawPath(Veelhoek({{23, 70}, {23, 63}, {28, 65}}));
    Vorm(p, Ellips({48, 86}, 6, 6), Qt::white, [&p] {
        Vlak(p, QColor(60, 140, 240));
        p.drawRect(QRectF(42, 80, 4, 12));
        Vlak(p, QColor(250, 200, 40));
        p.drawRect(QRectF(50, 80, 4, 12));
    });
    Ster(p, {62, 92}, 3.5, QColor(255, 140, 90));
}

void Huis(QPainter& p, QPointF voet, qreal breedte, const QColor& muur, bool licht)
{
    const qreal b = breedte;
    Vul(p, muur);
    p.drawRect(QRectF(voet.x(), voet.y() - b, b, b));
    Vul(p, QColor(170, 60, 60));
    p.drawPath(Veelhoek({{voet.x() - b * 0.1, voet.y() - b}, {voet.x() + b / 2, voet.y() - b * 1.6},
        {voet.x() + b * 1.1, voet.y() - b}}));
    Vul(p, licht ? QColor(255, 230, 110) : QColor(60, 70, 110));
    p.drawRect(QRectF(voet.x() + b * 0.15, voet.y() - b * 0.8, b * 0.3, b * 0.3));
    p.drawRect(QRectF(voet.x() + b * 0.6, voet.y() - b * 0.8, b * 0.25, b * 0.3));
    Vul(p, QColor(120, 70, 40));
    p.drawRect(QRectF(voet.x() + b * 0.55, voet.y() - b * 0.42, b * 0.25, b * 0.42));
}

void Nacht(QPainter& p)
{
    Lucht(p, QColor(10, 20, 60), QColor(60, 70, 140));
    Sterretjes(p, QRectF(0, 0, 100, 60), 45, 21);
    Ster(p, {20, 14}, 3, QColor(255, 240, 140));
    Ster(p, {60, 26}, 2.5, QColor(255, 240, 140));
    Vlak(p, QColor(255, 245, 180));
    p.drawEllipse(QPointF(78, 20), 11, 11);
    Vlak(p, QColor(235, 225, 160));
    p.drawEllipse(QPointF(74, 17), 2, 2);
    p.drawEllipse(QPointF(82, 25), 3, 3);
    Heuvel(p, 80, 3, 2, QColor(40, 90, 70));
    Huis(p, {8, 84}, 20, QColor(240, 200, 150), true);
    Huis(p, {38, 86}, 16, QColor(170, 200, 240), false);
    Huis(p, {64, 84}, 22, QColor(250, 230, 170), true);
    Den(p, {93, 88}, 18, QColor(30, 100, 70));
}

void Sneeuwpop(QPainter& p)
{
    Lucht(p, QColor(120, 170, 230), QColor(220, 235, 250));
    Vul(p, QColor(250, 250, 255));
    QPainterPath sneeuw(QPointF(0, 72));
    sneeuw.cubicTo(QPointF(30, 64), QPointF(70, 78), QPointF(100, 70));
    sneeuw.lineTo(100, 100);
    sneeuw.lineTo(0, 100);
    p.drawPath(sneeuw);
    Den(p, {12, 74}, 30, QColor(40, 120, 80));
    Den(p, {88, 72}, 26, QColor(40, 120, 80));
    Vlak(p, Qt::white);
    p.drawPath(Veelhoek({{3.5, 52}, {20.5, 52}, {12, 46}}));
    p.drawPath(Veelhoek({{80.5, 53}, {95.5, 53}, {88, 48}}));
    const QColor wit(252, 252, 255);
    Vul(p, wit);
    p.drawEllipse(QPointF(50, 74), 18, 16);
    p.drawEllipse(QPointF(50, 50), 13, 12);
    p.drawEllipse(QPointF(50, 30), 10, 9.5);
    Vul(p, QColor(40, 40, 60));
    p.drawRect(QRectF(42, 12, 16, 12));
    p.drawRect(QRectF(38, 22, 24, 3));
    Vlak(p, QColor(230, 60, 60));
    p.drawRect(QRectF(42.5, 19, 15, 2.5));
    Vul(p, QColor(230, 60, 60));
    p.drawRoundedRect(QRectF(39, 37, 22, 5), 2.5, 2.5);
    p.drawRoundedRect(QRectF(54, 40, 5, 12), 2, 2);
    Vlak(p, Inkt);
    p.drawEllipse(QPointF(46, 28), 1.3, 1.5);
    p.drawEllipse(QPointF(54, 28), 1.3, 1.5);
    for (const qreal y : {48.0, 54.0, 66.0})
        p.drawEllipse(QPointF(50, y), 1.4, 1.4);
    Vul(p, QColor(255, 140, 40), Lijn * 0.6);
    p.drawPath(Veelhoek({{50, 30}, {59, 32}, {50, 33}}));
    Lach(p, {50, 34}, 6);
    p.setPen(QPen(QColor(120, 70, 40), 1.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(38, 48), QPointF(26, 40));
    p.drawLine(QPointF(62, 48), QPointF(74, 38));
    Sterretjes(p, QRectF(0, 0, 100, 70), 30, 5);
}

void Boerderij(QPainter& p)
{
    Lucht(p, QColor(130, 200, 255), QColor(230, 245, 255), 0, 62);
    Zon(p, {86, 14}, 7);
    Wolk(p, {55, 14}, 18);
    Heuvel(p, 60, 2, 0.3, QColor(120, 200, 80));
    Gras(p, 64, 13);
    const QColor rood(200, 50, 50);
    Vul(p, rood);
    p.drawRect(QRectF(14, 40, 40, 34));
    Vul(p, QColor(120, 60, 50));
    p.drawPath(Veelhoek({{10, 42}, {34, 22}, {58, 42}}));
    Vul(p, QColor(250, 250, 250));
    p.drawRect(QRectF(26, 54, 16, 20));
    p.setPen(QPen(Inkt, 1));
    p.drawLine(QPointF(26, 54), QPointF(42, 74));
    p.drawLine(QPointF(42, 54), QPointF(26, 74));
    Vul(p, QColor(255, 230, 120));
    p.drawEllipse(QPointF(34, 36), 3.5, 3.5);
    // the silo
    Vul(p, QColor(190, 200, 210));
    p.drawRect(QRectF(58, 34, 12, 40));
    p.drawEllipse(QRectF(58, 28, 12, 12));
    // the fence
    Vul(p, QColor(250, 240, 220), Lijn * 0.6);
    for (int x = 0; x < 100; x += 8)
        p.drawRect(QRectF(x + 1, 76, 3, 10));
    p.drawRect(QRectF(-1, 78, 102, 2));
    p.drawRect(QRectF(-1, 82, 102, 2));
    // a pig
    Vul(p, QColor(255, 180, 190));
    p.drawEllipse(QPointF(82, 90), 9, 6);
    p.drawEllipse(QPointF(74, 86), 5, 5);
    Vul(p, QColor(255, 150, 170), Lijn * 0.6);
    p.drawEllipse(QPointF(70, 87), 2, 1.6);
    Vlak(p, Inkt);
    p.drawEllipse(QPointF(74, 84), 0.8, 0.8);
}

} // namespace

std::vector<Tafereel> Landschappen()
{
    return {
        {"bergen", Bergen}, {"strand", Strand}, {"nacht", Nacht}, {"sneeuwpop", Sneeuwpop}, {"boerderij", Boerderij}};
}
