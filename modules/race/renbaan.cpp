#include "renbaan.h"

#include "race.h"

#include <QPainter>
#include <QSvgWidget>

namespace {

// In twips: each car in the middle of its half, the line between the halves, the start line just below the cars at
// the start, and the finish across the bottom, each a little apart from the others.
constexpr std::array<qreal, 2> AutoLinks {(Renbaan::Breedte / 2.0 - Renbaan::Autobreedte) / 2,
    Renbaan::Breedte / 2.0 + (Renbaan::Breedte / 2.0 - Renbaan::Autobreedte) / 2};
constexpr qreal Lijndikte = 30;
constexpr qreal StartlijnBoven = Race::Autohoogte + 90;
constexpr qreal FinishHoogte = 360;
constexpr qreal Kant = 60; // the kerbs along both sides

QWidget* MaakLijn(QWidget* ouder, const QString& naam)
{
    auto* lijn = new QWidget(ouder);
    lijn->setObjectName(naam);
    QPalette palet = lijn->palette();
    palet.setColor(QPalette::Window, Qt::white);
    lijn->setPalette(palet);
    lijn->setAutoFillBackground(true);
    return lijn;
}

QSvgWidget* MaakPlaatje(QWidget* ouder, const QString& naam, const QString& bestand)
{
    auto* plaatje = new QSvgWidget(bestand, ouder);
    plaatje->setObjectName(naam);
    return plaatje;
}

} // namespace

Renbaan::Renbaan(QWidget* parent)
    : QWidget(parent)
    , m_markering(MaakLijn(this, QStringLiteral("linMarkering")))
    , m_startlijn(MaakLijn(this, QStringLiteral("Line1")))
    , m_finish(MaakPlaatje(this, QStringLiteral("Picture1"), QStringLiteral(":/race/finish.svg")))
{
    setObjectName(QStringLiteral("fraRace"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    for (std::size_t i = 0; i < m_autos.size(); ++i) {
        m_autos[i]
            = MaakPlaatje(this, QStringLiteral("imgCar%1").arg(i + 1), QStringLiteral(":/race/auto%1.svg").arg(i + 1));
        m_autos[i]->setAccessibleName(QStringLiteral("Auto van speler %1").arg(i + 1));
    }
}

void Renbaan::ZetAutos(int boven1, int boven2)
{
    m_boven = {boven1, boven2};
    PlaatsAlles();
}

void Renbaan::Plaats(QWidget* widget, const QRectF& twips) const
{
    const qreal factor = width() / static_cast<qreal>(Breedte);
    widget->setGeometry(QRectF(twips.topLeft() * factor, twips.size() * factor).toRect());
}

void Renbaan::PlaatsAlles()
{
    const qreal hoogte = Race::Baanhoogte;
    const qreal midden = Breedte / 2.0;
    Plaats(m_startlijn, {Kant, StartlijnBoven, Breedte - 2 * Kant, Lijndikte});
    const qreal markeringBoven = StartlijnBoven + 2 * Lijndikte;
    Plaats(m_markering,
        {midden - Lijndikte / 2, markeringBoven, Lijndikte, hoogte - FinishHoogte - Lijndikte - markeringBoven});
    Plaats(m_finish, {0, hoogte - FinishHoogte, Breedte, FinishHoogte});
    for (std::size_t i = 0; i < m_autos.size(); ++i) {
        Plaats(m_autos[i], {AutoLinks[i], static_cast<qreal>(m_boven[i]), Autobreedte, Race::Autohoogte});
        m_autos[i]->raise();
    }
}

void Renbaan::resizeEvent(QResizeEvent*)
{
    PlaatsAlles();
}

void Renbaan::paintEvent(QPaintEvent*)
{
    QPainter schilder(this);
    schilder.fillRect(rect(), QColor(75, 85, 99));
    const qreal factor = width() / static_cast<qreal>(Breedte);
    const qreal kant = Kant * factor;
    const qreal blok = 2 * Race::Autohoogte * factor / 3;
    for (int i = 0; i * blok < height(); ++i) {
        const QColor kleur = i % 2 ? QColor(Qt::white) : QColor(220, 38, 38);
        schilder.fillRect(QRectF(0, i * blok, kant, blok), kleur);
        schilder.fillRect(QRectF(width() - kant, i * blok, kant, blok), kleur);
    }
}
