#include "visknop.h"

#include "getalbeeld.h"

#include <QFile>
#include <QPainter>
#include <QPen>
#include <QSvgRenderer>

#include <algorithm>
#include <array>

namespace {

struct Viskleur
{
    const char* lijf;
    const char* rand;
};

constexpr std::array<Viskleur, 10> Kleuren {{{"#fb923c", "#c2410c"}, {"#facc15", "#a16207"}, {"#f472b6", "#be185d"},
    {"#4ade80", "#15803d"}, {"#c084fc", "#7e22ce"}, {"#f87171", "#b91c1c"}, {"#2dd4bf", "#0f766e"},
    {"#a3e635", "#4d7c0f"}, {"#fda4af", "#be123c"}, {"#fcd34d", "#b45309"}}};

// Where the card with the number image lies on the fish facing left, as parts of its width and height.
constexpr QRectF Kaart {0.17, 0.21, 0.63, 0.58};

QByteArray Vis(const Viskleur& kleur)
{
    QFile bestand(QStringLiteral(":/vissen/vis.svg"));
    bestand.open(QIODevice::ReadOnly);
    return bestand.readAll().replace("#ff00ff", kleur.lijf).replace("#00ff00", kleur.rand);
}

// The grey card with a dark shadow, and the number image on it: blue squares for the number, light grey ones after.
void TekenKaart(QPainter& schilder, const QRectF& kaart, int getal)
{
    const qreal schaduw = kaart.height() * 0.07;
    const qreal hoek = kaart.height() * 0.12;
    schilder.setPen(Qt::NoPen);
    schilder.setBrush(QColor(55, 65, 81, 200));
    schilder.drawRoundedRect(kaart.translated(schaduw, schaduw), hoek, hoek);
    schilder.setBrush(QColor(209, 213, 219));
    schilder.drawRoundedRect(kaart, hoek, hoek);
    const qreal rand = kaart.height() * 0.1;
    Getalbeeld::Teken(schilder, kaart.adjusted(rand, rand, -rand, -rand), getal,
        {QColor(29, 78, 216), QColor(243, 244, 246), QColor(31, 41, 55)});
}

} // namespace

Visknop::Visknop(int index, QWidget* parent)
    : QAbstractButton(parent)
    , m_getal(index + 1)
    , m_vis(new QSvgRenderer(Vis(Kleuren.at(static_cast<std::size_t>(index) % Kleuren.size())), this))
{
    setObjectName(QStringLiteral("cmdBeeld(%1)").arg(index));
    setAccessibleName(QStringLiteral("Vis met het getalbeeld van %1").arg(m_getal));
    // Tab reaches each fish and Space catches it, for children who use the keyboard; a click takes no focus.
    setFocusPolicy(Qt::TabFocus);
    // The button passes moves without a pressed button on, so the fishing line follows the pointer over it too.
    setMouseTracking(true);
}

void Visknop::ZetRichting(bool naarRechts)
{
    if (naarRechts == m_naarRechts)
        return;
    m_naarRechts = naarRechts;
    m_beeld = {};
    update();
}

void Visknop::paintEvent(QPaintEvent*)
{
    const qreal ratio = devicePixelRatioF();
    if (m_beeld.isNull() || m_beeld.size() != size() * ratio)
        m_beeld = Teken();
    QPainter schilder(this);
    schilder.drawPixmap(0, 0, m_beeld);
    if (hasFocus()) {
        // The fish the keyboard is on: a yellow ring, as the chosen puzzle piece has.
        schilder.setRenderHint(QPainter::Antialiasing);
        schilder.setPen(QPen(QColor(255, 215, 0), std::max(2.0, height() / 16.0)));
        schilder.drawEllipse(QRectF(rect()).adjusted(2, 2, -2, -2));
    }
}

QPixmap Visknop::Teken() const
{
    const qreal ratio = devicePixelRatioF();
    QPixmap beeld(size() * ratio);
    beeld.setDevicePixelRatio(ratio);
    beeld.fill(Qt::transparent);
    QPainter schilder(&beeld);
    schilder.setRenderHint(QPainter::Antialiasing);
    const QRectF vlak(QPointF(0, 0), QSizeF(size()));
    QRectF kaart(Kaart.x() * vlak.width(), Kaart.y() * vlak.height(), Kaart.width() * vlak.width(),
        Kaart.height() * vlak.height());
    if (m_naarRechts) {
        // The fish turns round; its number image does not.
        schilder.save();
        schilder.translate(vlak.width(), 0);
        schilder.scale(-1, 1);
        m_vis->render(&schilder, vlak);
        schilder.restore();
        kaart.moveRight(vlak.width() - kaart.left());
    } else {
        m_vis->render(&schilder, vlak);
    }
    TekenKaart(schilder, kaart, m_getal);
    return beeld;
}
