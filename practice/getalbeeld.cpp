#include "getalbeeld.h"

#include <QPainter>

#include <algorithm>

namespace {

// In units of one square: the gap inside a group, the gap between groups, and the size of the whole image.
constexpr qreal Tussen = 0.15;
constexpr qreal TussenGroepen = 0.6;
constexpr qreal Breedte = 5 + 2 * Tussen + 2 * TussenGroepen;
constexpr qreal Hoogte = 2 + Tussen;

// The left edge of column 0..4, in units: columns 0-1 and 2-3 are pairs, column 4 stands alone.
qreal Kolom(int kolom)
{
    const int groep = kolom / 2;
    return kolom + (kolom - groep) * Tussen + groep * TussenGroepen;
}

} // namespace

namespace Getalbeeld {

QRectF Vakje(int vakje, const QRectF& vlak)
{
    const qreal zijde = std::min(vlak.width() / Breedte, vlak.height() / Hoogte);
    const QPointF begin = vlak.center() - QPointF(Breedte * zijde / 2, Hoogte * zijde / 2);
    const qreal x = Kolom(vakje / 2);
    const qreal y = vakje % 2 == 0 ? 0 : 1 + Tussen;
    return {begin + QPointF(x * zijde, y * zijde), QSizeF(zijde, zijde)};
}

void Teken(QPainter& schilder, const QRectF& vlak, int getal, const Kleuren& kleuren)
{
    schilder.save();
    schilder.setRenderHint(QPainter::Antialiasing);
    for (int vakje = 0; vakje < Vakjes; ++vakje) {
        const QRectF plaats = Vakje(vakje, vlak);
        QPen pen(kleuren.rand, std::max<qreal>(1, plaats.width() / 16));
        pen.setJoinStyle(Qt::MiterJoin);
        schilder.setPen(pen);
        schilder.setBrush(Gevuld(getal, vakje) ? kleuren.vol : kleuren.leeg);
        const qreal half = pen.widthF() / 2;
        schilder.drawRect(plaats.adjusted(half, half, -half, -half));
    }
    schilder.restore();
}

} // namespace Getalbeeld
