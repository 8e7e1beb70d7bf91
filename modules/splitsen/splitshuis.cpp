#include "splitshuis.h"

#include "bouwstenen.h"
#include "lettertypen.h"
#include "twipsindeling.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace {

// Where everything stands on the page, in twips: the house on the left, the score on the right.
constexpr QSize PaginaTwips {6780, 8640};
constexpr int MuurLinks = 240;
constexpr int MuurRechts = 3540;
constexpr int Midden = (MuurLinks + MuurRechts) / 2;
constexpr int DakTop = 90;
constexpr int DakVoet = 1410; // where the roof rests on the walls
constexpr int Kelder = 150; // wall below the last row
constexpr QRect BovenVak {Midden - 510, 750, 1020, 540};
constexpr int RijBoven = 1950;
constexpr int RijAfstand = 600;
constexpr int VakHoogte = 480;
constexpr int VakBreedte = 960;
constexpr int LinksX = 540;
constexpr int RechtsX = MuurRechts - 300 - VakBreedte;
constexpr int ControleX = LinksX + VakBreedte + 90;
constexpr int ControleBreedte = RechtsX - 90 - ControleX;
constexpr int BeenBoven = DakVoet + 60;
constexpr int BeenOnder = RijBoven - 70;
constexpr int StandX = 3840;
constexpr int StandBreedte = PaginaTwips.width() - 120 - StandX;

constexpr QRect RijVak(int x, int breedte, int rij)
{
    return {x, RijBoven + RijAfstand * rij, breedte, VakHoogte};
}

const QColor Dakkleur {226, 88, 60};
const QColor Muurkleur {255, 246, 220};
const QColor Lijnkleur {90, 55, 35};
const QColor Gegeven {226, 236, 250}; // the background of a given number
const QColor Okkleur {0, 130, 40};
const QColor Focuskleur {20, 110, 230}; // the edge of the box the child types in

// A leg of the house: a line from one corner of its place to the opposite one, as thick as the house's lines.
class Been final : public QWidget
{
public:
    Been(QWidget* ouder, const QString& naam, bool naarLinks)
        : QWidget(ouder)
        , m_naarLinks(naarLinks)
    {
        setObjectName(naam);
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter verf(this);
        verf.setRenderHint(QPainter::Antialiasing);
        const qreal dikte = std::max(2.0, height() / 12.0);
        verf.setPen(QPen(Lijnkleur, dikte, Qt::SolidLine, Qt::RoundCap));
        const QRectF binnen = QRectF(rect()).adjusted(dikte, dikte / 2, -dikte, -dikte / 2);
        if (m_naarLinks)
            verf.drawLine(binnen.topRight(), binnen.bottomLeft());
        else
            verf.drawLine(binnen.topLeft(), binnen.bottomRight());
    }

private:
    bool m_naarLinks;
};

// White boxes with black digits; a given number stands on light blue and stays as readable as a typed one.
void KleurVak(QLineEdit* vak)
{
    QPalette palet = vak->palette();
    for (const auto groep : {QPalette::Active, QPalette::Inactive}) {
        palet.setColor(groep, QPalette::Base, Qt::white);
        palet.setColor(groep, QPalette::Text, Qt::black);
    }
    palet.setColor(QPalette::Disabled, QPalette::Base, Gegeven);
    palet.setColor(QPalette::Disabled, QPalette::Text, Qt::black);
    vak->setPalette(palet);
}

} // namespace

Splitshuis::Splitshuis(QWidget* parent)
    : QWidget(parent)
    , m_indeling(new TwipsIndeling(this, PaginaTwips))
{
    m_boven = MaakVak(Vakplek::Boven(), BovenVak, true);
    m_indeling->Plaats(new Been(this, QStringLiteral("Line1"), true),
        QRect(LinksX + VakBreedte / 2, BeenBoven, Midden - 150 - LinksX - VakBreedte / 2, BeenOnder - BeenBoven));
    m_indeling->Plaats(new Been(this, QStringLiteral("Line4"), false),
        QRect(Midden + 150, BeenBoven, RechtsX + VakBreedte / 2 - Midden - 150, BeenOnder - BeenBoven));
    QPalette okPalet = palette();
    okPalet.setColor(QPalette::Active, QPalette::WindowText, Okkleur);
    okPalet.setColor(QPalette::Inactive, QPalette::WindowText, Okkleur);
    for (int i = 0; i < Splitsbord::AantalRijen; ++i) {
        const auto index = static_cast<std::size_t>(i);
        m_links[index] = MaakVak(Vakplek::Links(i), RijVak(LinksX, VakBreedte, i), false);
        m_controle[index] = MaakLabel(this, QStringLiteral("lblControle(%1)").arg(i), Comic(14, true));
        m_controle[index]->setPalette(okPalet);
        m_indeling->Plaats(m_controle[index], RijVak(ControleX, ControleBreedte, i));
        m_rechts[index] = MaakVak(Vakplek::Rechts(i), RijVak(RechtsX, VakBreedte, i), false);
    }
}

QLineEdit* Splitshuis::MaakVak(Vakplek plek, const QRect& twips, bool geheel)
{
    auto* vak = new QLineEdit(this);
    switch (plek.kant) {
    case Vakplek::Kant::Boven:
        vak->setObjectName(QStringLiteral("txtBoven"));
        break;
    case Vakplek::Kant::Links:
        vak->setObjectName(QStringLiteral("txtLinks(%1)").arg(plek.rij));
        break;
    case Vakplek::Kant::Rechts:
        vak->setObjectName(QStringLiteral("txtRechts(%1)").arg(plek.rij));
        break;
    }
    vak->setFont(Comic(geheel ? 17 : 15, true));
    vak->setAlignment(Qt::AlignCenter);
    vak->setFrame(false); // the house draws a clear edge around each box
    KleurVak(vak);
    vak->installEventFilter(this);
    connect(vak, &QLineEdit::textEdited, this, [this, plek](const QString& tekst) { emit Getypt(plek, tekst); });
    m_indeling->Plaats(vak, twips);
    m_vakken.emplace_back(vak, plek);
    return vak;
}

void Splitshuis::PlaatsStand(QLabel* uitslag, QLabel* resultaat, QLabel* resterend)
{
    uitslag->setWordWrap(true);
    m_indeling->Plaats(uitslag, {StandX, BovenVak.y(), StandBreedte, 1230});
    m_indeling->Plaats(resultaat, {StandX, RijBoven + 210, StandBreedte, 480});
    m_indeling->Plaats(resterend, {StandX, RijBoven + 810, StandBreedte, 480});
}

QLineEdit* Splitshuis::VakOp(Vakplek plek) const
{
    const auto rij = static_cast<std::size_t>(plek.rij);
    switch (plek.kant) {
    case Vakplek::Kant::Links:
        return m_links.at(rij);
    case Vakplek::Kant::Rechts:
        return m_rechts.at(rij);
    case Vakplek::Kant::Boven:
        break;
    }
    return m_boven;
}

std::optional<Vakplek> Splitshuis::PlekVan(const QObject* object) const
{
    const auto gevonden = std::ranges::find_if(m_vakken, [object](const auto& paar) { return paar.first == object; });
    if (gevonden == m_vakken.end())
        return std::nullopt;
    return gevonden->second;
}

void Splitshuis::Toon(const Splitsbord& bord)
{
    for (const auto& [vak, plek] : m_vakken) {
        const Splitsvak& inhoud = bord.Vak(plek);
        if (vak->text() != inhoud.tekst)
            vak->setText(inhoud.tekst);
        vak->setEnabled(inhoud.actief);
        vak->setVisible(plek.kant == Vakplek::Kant::Boven || bord.Rij(plek.rij).getoond);
    }
    for (int i = 0; i < Splitsbord::AantalRijen; ++i) {
        QLabel* controle = m_controle.at(static_cast<std::size_t>(i));
        controle->setText(bord.Rij(i).ok ? QStringLiteral("ok") : QString());
        controle->setEnabled(bord.PerGetal()); // dimmed where a single row decides
        controle->setVisible(bord.Rij(i).getoond);
    }
    update(); // the walls reach down to the last row shown
}

void Splitshuis::ZetFocus(Vakplek plek)
{
    QLineEdit* vak = VakOp(plek);
    if (vak->isVisible() && vak->isEnabled())
        vak->setFocus(Qt::OtherFocusReason);
}

bool Splitshuis::eventFilter(QObject* object, QEvent* event)
{
    const auto plek = PlekVan(object);
    if (!plek)
        return QWidget::eventFilter(object, event);
    switch (event->type()) {
    case QEvent::KeyPress: {
        const int toets = static_cast<QKeyEvent*>(event)->key();
        if (toets != Qt::Key_Return && toets != Qt::Key_Enter && toets != Qt::Key_Space)
            return false;
        emit Toets(*plek, toets == Qt::Key_Space);
        return true; // Space moves on and is not typed
    }
    case QEvent::FocusIn:
        update(); // its edge shows where the child types
        return false;
    case QEvent::FocusOut:
        update();
        emit VakVerlaten(*plek, static_cast<QFocusEvent*>(event)->reason());
        return false;
    default:
        return false;
    }
}

QPointF Splitshuis::Punt(int x, int y) const
{
    return m_indeling->Rechthoek(QRect(x, y, 0, 0)).topLeft();
}

void Splitshuis::paintEvent(QPaintEvent*)
{
    QPainter verf(this);
    verf.setRenderHint(QPainter::Antialiasing);
    const qreal dikte = std::max(2.0, m_indeling->Factor() * 45);
    TekenMuren(verf, dikte);
    TekenDak(verf, dikte);
    TekenVakranden(verf, dikte * 0.75);
}

void Splitshuis::TekenMuren(QPainter& verf, qreal dikte) const
{
    int laatste = 0;
    for (int i = 0; i < Splitsbord::AantalRijen; ++i) {
        if (!m_links.at(static_cast<std::size_t>(i))->isHidden())
            laatste = i;
    }
    const int onder = RijVak(0, 0, laatste).bottom() + Kelder;
    verf.setPen(QPen(Lijnkleur, dikte, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    verf.setBrush(Muurkleur);
    verf.drawRect(QRectF(Punt(MuurLinks, DakVoet), Punt(MuurRechts, onder)));
}

void Splitshuis::TekenDak(QPainter& verf, qreal dikte) const
{
    constexpr int Overstek = 150; // the roof reaches a little beyond the walls
    QPainterPath dak;
    dak.moveTo(Punt(Midden, DakTop));
    dak.lineTo(Punt(MuurRechts + Overstek, DakVoet));
    dak.lineTo(Punt(MuurLinks - Overstek, DakVoet));
    dak.closeSubpath();
    verf.setPen(QPen(Lijnkleur, dikte, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    verf.setBrush(Dakkleur);
    verf.drawPath(dak);
}

void Splitshuis::TekenVakranden(QPainter& verf, qreal dikte) const
{
    verf.setBrush(Qt::NoBrush);
    for (const auto& [vak, plek] : m_vakken) {
        if (vak->isHidden())
            continue;
        const qreal lijn = vak->hasFocus() ? dikte * 1.6 : dikte;
        const qreal rand = lijn / 2 + 1;
        verf.setPen(QPen(vak->hasFocus() ? Focuskleur : Lijnkleur, lijn));
        verf.drawRoundedRect(QRectF(vak->geometry()).adjusted(-rand, -rand, rand, rand), dikte, dikte);
    }
}
