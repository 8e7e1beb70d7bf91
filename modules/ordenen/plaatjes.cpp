#include "plaatjes.h"

#include "getal.h"
#include "getalbeeld.h"
#include "lettertypen.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace {

const QColor Paneel {255, 248, 220};
const QColor Licht {255, 255, 255};
const QColor Schaduw {160, 140, 100};
const QColor Cijferkleur {20, 40, 150};

// A rounded panel that stands out: light along the top and left edge, shadow along the bottom and right.
QRectF TekenPaneel(QPainter& schilder, const QRectF& vlak)
{
    const qreal rand = std::max<qreal>(1.5, std::min(vlak.width(), vlak.height()) / 22);
    const qreal straal = rand * 3;
    schilder.setPen(Qt::NoPen);
    schilder.setBrush(Schaduw);
    schilder.drawRoundedRect(vlak.adjusted(rand, rand, 0, 0), straal, straal);
    schilder.setBrush(Licht);
    schilder.drawRoundedRect(vlak.adjusted(0, 0, -rand, -rand), straal, straal);
    schilder.setBrush(Paneel);
    const QRectF binnen = vlak.adjusted(rand, rand, -rand, -rand);
    schilder.drawRoundedRect(binnen, straal, straal);
    return binnen;
}

} // namespace

void TekenPlaatje(QPainter& schilder, const QRectF& vlak, int getal, Plaatjessoort soort)
{
    if (getal < 1 || vlak.isEmpty())
        return;
    schilder.save();
    schilder.setRenderHint(QPainter::Antialiasing);
    const QRectF binnen = TekenPaneel(schilder, vlak);
    if (soort == Plaatjessoort::Getalbeelden) {
        const qreal marge = binnen.height() / 7;
        Getalbeeld::Teken(schilder, binnen.adjusted(marge, marge, -marge, -marge), getal);
    } else {
        QFont font = Comic(10, true);
        font.setPixelSize(std::max(1, static_cast<int>(binnen.height() * 0.62)));
        schilder.setFont(font);
        schilder.setPen(Cijferkleur);
        schilder.drawText(binnen, Qt::AlignCenter, Tekst(getal));
    }
    schilder.restore();
}

QPixmap Plaatje(int getal, QSize grootte, qreal pixelverhouding, Plaatjessoort soort)
{
    QPixmap plaatje(grootte * pixelverhouding);
    plaatje.setDevicePixelRatio(pixelverhouding);
    plaatje.fill(Qt::transparent);
    QPainter schilder(&plaatje);
    TekenPlaatje(schilder, QRectF(QPointF(0, 0), QSizeF(grootte)), getal, soort);
    return plaatje;
}
