#include "puzzelbord.h"

#include "puzzelprent.h"
#include "puzzelstuk.h"

#include <QPainter>

#include <algorithm>

namespace {

// Neighbours never share a colour: (column + 3 * row) % 6 differs by 1 across and by 3 down.
const std::array<QColor, 6> Stukkleuren {QColor(235, 80, 70), QColor(250, 160, 30), QColor(60, 170, 90),
    QColor(40, 140, 220), QColor(150, 90, 210), QColor(230, 90, 160)};

const QColor Voeg {45, 35, 60};

} // namespace

Puzzelbord::Puzzelbord(QWidget* ouder)
    : QWidget(ouder)
{
    setObjectName(QStringLiteral("Image1"));
    for (int i = 0; i < Zijde * Zijde; ++i) {
        const QColor kleur = Stukkleuren[static_cast<std::size_t>((i % Zijde + 3 * (i / Zijde)) % 6)];
        m_stukken[static_cast<std::size_t>(i)] = new Puzzelstuk(this, QStringLiteral("cmdStuk(%1)").arg(i), kleur);
    }
}

void Puzzelbord::Leg(int i, bool ligt)
{
    if (Stuk(i)->isHidden() == ligt) {
        Stuk(i)->setVisible(ligt);
        update(Vak(i).toAlignedRect()); // the seam around it too
    }
}

void Puzzelbord::ZetPrent(const QImage& prent)
{
    m_prent = prent;
    m_achtergrond = {};
    update();
}

QRectF Puzzelbord::Vak(int i) const
{
    const qreal zijde = std::min(width(), height()) / static_cast<qreal>(Zijde);
    return {(i % Zijde) * zijde, (i / Zijde) * zijde, zijde, zijde};
}

// A seam of a few pixels between the pieces, growing with the board.
void Puzzelbord::resizeEvent(QResizeEvent*)
{
    const qreal voeg = std::max(2.0, Vak(0).width() * 0.03);
    for (int i = 0; i < Zijde * Zijde; ++i)
        Stuk(i)->setGeometry(Vak(i).adjusted(voeg, voeg, -voeg, -voeg).toRect());
    m_achtergrond = {};
}

const QPixmap& Puzzelbord::Achtergrond()
{
    const QSize grootte = size() * devicePixelRatio();
    if (m_achtergrond.size() != grootte) {
        m_achtergrond = QPixmap(grootte);
        m_achtergrond.setDevicePixelRatio(devicePixelRatio());
        QPainter schilder(&m_achtergrond);
        schilder.setRenderHint(QPainter::SmoothPixmapTransform);
        if (m_prent.isNull())
            Puzzelprent::TekenVervanging(schilder, rect());
        else
            schilder.drawImage(rect(), m_prent);
    }
    return m_achtergrond;
}

void Puzzelbord::paintEvent(QPaintEvent*)
{
    QPainter schilder(this);
    schilder.drawPixmap(0, 0, Achtergrond());
    for (int i = 0; i < Zijde * Zijde; ++i) {
        if (!Stuk(i)->isHidden())
            schilder.fillRect(Vak(i), Voeg);
    }
}
