#include "puzzelstuk.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

const QColor Keuzekleur {255, 230, 0};

} // namespace

Puzzelstuk::Puzzelstuk(QWidget* ouder, const QString& naam, QColor kleur)
    : QAbstractButton(ouder)
    , m_kleur(kleur)
{
    setObjectName(naam);
    setText(QStringLiteral("oefening"));
    setFont(QFont(QStringLiteral("Arial")));
    setCursor(Qt::PointingHandCursor);
    setAttribute(Qt::WA_Hover);
}

void Puzzelstuk::ZetGekozen(bool gekozen)
{
    if (gekozen != m_gekozen) {
        m_gekozen = gekozen;
        update();
    }
}

QColor Puzzelstuk::Vulkleur() const
{
    if (isDown())
        return m_kleur.darker(125);
    if (underMouse() || m_gekozen)
        return m_kleur.lighter(115);
    return m_kleur;
}

void Puzzelstuk::paintEvent(QPaintEvent*)
{
    QPainter schilder(this);
    schilder.setRenderHint(QPainter::Antialiasing);
    const qreal zijde = std::min(width(), height());
    const qreal rand = std::max(1.0, zijde * 0.03);
    const QRectF vlak = QRectF(rect()).adjusted(rand / 2, rand / 2, -rand / 2, -rand / 2);
    const qreal hoek = zijde * 0.12;

    QLinearGradient verloop(vlak.topLeft(), vlak.bottomLeft());
    verloop.setColorAt(0, Vulkleur().lighter(130));
    verloop.setColorAt(1, Vulkleur().darker(115));
    schilder.setBrush(verloop);
    schilder.setPen(QPen(m_gekozen ? Keuzekleur : m_kleur.darker(170), m_gekozen ? rand * 2.5 : rand));
    schilder.drawRoundedRect(m_gekozen ? vlak.adjusted(rand, rand, -rand, -rand) : vlak, hoek, hoek);
    if (hasFocus()) {
        schilder.setPen(QPen(Qt::white, rand, Qt::DashLine));
        schilder.setBrush(Qt::NoBrush);
        schilder.drawRoundedRect(vlak.adjusted(rand * 3, rand * 3, -rand * 3, -rand * 3), hoek / 2, hoek / 2);
    }
    TekenTekst(schilder, vlak.adjusted(rand * 2, rand * 2, -rand * 2, -rand * 2));
}

// White with a dark edge, readable on every colour. Exercises up to 5 characters ("12+15") share one size, so the
// pieces look alike; a longer one is made smaller until it fits.
void Puzzelstuk::TekenTekst(QPainter& schilder, const QRectF& vlak) const
{
    QFont letter = font();
    letter.setBold(true);
    letter.setPixelSize(100);
    const QFontMetricsF maten(letter);
    const qreal breedte = std::max(maten.tightBoundingRect(text()).width(), maten.horizontalAdvance(u"00+00"_s));
    const qreal schaal = std::min(vlak.width() / breedte, vlak.height() * 0.4 / 100);
    letter.setPixelSize(std::max(1, static_cast<int>(100 * schaal)));
    QPainterPath pad;
    pad.addText(0, 0, letter, text());
    const QRectF omvang = pad.boundingRect();
    pad.translate(vlak.center() - omvang.center());
    schilder.setPen(QPen(
        m_kleur.darker(220), std::max(1.0, letter.pixelSize() * 0.16), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    schilder.setBrush(Qt::NoBrush);
    schilder.drawPath(pad);
    schilder.setPen(Qt::NoPen);
    schilder.setBrush(Qt::white);
    schilder.drawPath(pad);
}
