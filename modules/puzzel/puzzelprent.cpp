#include "puzzelprent.h"

#include "geluid.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageReader>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <array>

namespace Puzzelprent {

QString Pad(int nummer)
{
    return QStringLiteral("puzzels/%1.gif").arg(nummer);
}

QImage Lees(const QString& pad)
{
    const QFileInfo info(pad);
    if (!info.isFile() || info.size() > GrootsteBestand)
        return {};
    QByteArray inhoud = LeesBestand(pad);
    QBuffer buffer(&inhoud);
    QImageReader lezer(&buffer);
    const QSize grootte = lezer.size();
    if (!grootte.isValid() || grootte.width() > GrootsteZijde || grootte.height() > GrootsteZijde)
        return {};
    return lezer.read();
}

namespace {

QPointF Punt(const QRectF& vlak, qreal x, qreal y)
{
    return {vlak.left() + x * vlak.width(), vlak.top() + y * vlak.height()};
}

void TekenRegenboog(QPainter& schilder, const QRectF& vlak)
{
    static const std::array<QColor, 6> kleuren {QColor(230, 40, 40), QColor(255, 140, 0), QColor(255, 215, 0),
        QColor(60, 180, 75), QColor(40, 110, 220), QColor(140, 70, 200)};
    const qreal dikte = vlak.width() * 0.045;
    const QPointF midden = Punt(vlak, 0.5, 0.78);
    for (std::size_t i = 0; i < kleuren.size(); ++i) {
        const qreal straal = vlak.width() * 0.46 - dikte * static_cast<qreal>(i);
        schilder.setPen(QPen(kleuren[i], dikte, Qt::SolidLine, Qt::FlatCap));
        schilder.drawArc(QRectF(midden - QPointF(straal, straal), QSizeF(2 * straal, 2 * straal)), 0, 180 * 16);
    }
}

void TekenZon(QPainter& schilder, const QRectF& vlak)
{
    const QPointF midden = Punt(vlak, 0.2, 0.2);
    const qreal straal = vlak.width() * 0.1;
    schilder.setPen(QPen(QColor(255, 190, 0), vlak.width() * 0.02, Qt::SolidLine, Qt::RoundCap));
    for (int hoek = 0; hoek < 360; hoek += 30) {
        QLineF straalLijn = QLineF::fromPolar(straal * 1.8, hoek);
        straalLijn.setP1(QLineF::fromPolar(straal * 1.3, hoek).p2());
        schilder.drawLine(straalLijn.translated(midden));
    }
    schilder.setPen(Qt::NoPen);
    schilder.setBrush(QColor(255, 220, 40));
    schilder.drawEllipse(midden, straal, straal);
    schilder.setBrush(QColor(60, 40, 20));
    const qreal oog = straal * 0.13;
    schilder.drawEllipse(midden + QPointF(-straal * 0.35, -straal * 0.2), oog, oog);
    schilder.drawEllipse(midden + QPointF(straal * 0.35, -straal * 0.2), oog, oog);
    schilder.setPen(QPen(QColor(60, 40, 20), straal * 0.12, Qt::SolidLine, Qt::RoundCap));
    schilder.setBrush(Qt::NoBrush);
    const QRectF mond(midden.x() - straal * 0.5, midden.y() - straal * 0.35, straal, straal * 0.8);
    schilder.drawArc(mond, -20 * 16, -140 * 16);
}

void TekenHeuvels(QPainter& schilder, const QRectF& vlak)
{
    schilder.setPen(Qt::NoPen);
    QPainterPath achter(Punt(vlak, 0, 0.8));
    achter.cubicTo(Punt(vlak, 0.25, 0.62), Punt(vlak, 0.5, 0.7), Punt(vlak, 0.7, 0.74));
    achter.cubicTo(Punt(vlak, 0.85, 0.77), Punt(vlak, 0.95, 0.66), Punt(vlak, 1, 0.68));
    achter.lineTo(Punt(vlak, 1, 1));
    achter.lineTo(Punt(vlak, 0, 1));
    schilder.setBrush(QColor(110, 190, 70));
    schilder.drawPath(achter);
    QPainterPath voor(Punt(vlak, 0, 0.9));
    voor.cubicTo(Punt(vlak, 0.3, 0.78), Punt(vlak, 0.6, 0.95), Punt(vlak, 1, 0.84));
    voor.lineTo(Punt(vlak, 1, 1));
    voor.lineTo(Punt(vlak, 0, 1));
    schilder.setBrush(QColor(70, 160, 60));
    schilder.drawPath(voor);
}

} // namespace

void TekenVervanging(QPainter& schilder, const QRectF& vlak)
{
    schilder.save();
    schilder.setRenderHint(QPainter::Antialiasing);
    schilder.setClipRect(vlak);
    QLinearGradient lucht(vlak.topLeft(), vlak.bottomLeft());
    lucht.setColorAt(0, QColor(120, 190, 255));
    lucht.setColorAt(1, QColor(200, 235, 255));
    schilder.fillRect(vlak, lucht);
    TekenRegenboog(schilder, vlak);
    TekenHeuvels(schilder, vlak);
    TekenZon(schilder, vlak);
    schilder.restore();
}

} // namespace Puzzelprent
