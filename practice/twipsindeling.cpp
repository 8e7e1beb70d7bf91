#include "twipsindeling.h"

#include "twips.h"

#include <QWidgetItem>

#include <algorithm>
#include <cmath>

TwipsIndeling::TwipsIndeling(QWidget* ouder, QSize ontwerpTwips)
    : QLayout(ouder)
    , m_ontwerp(ontwerpTwips)
    , m_factor(1.0 / Twips(1))
{
    setContentsMargins(0, 0, 0, 0);
}

TwipsIndeling::~TwipsIndeling()
{
    while (QLayoutItem* item = takeAt(0))
        delete item;
}

void TwipsIndeling::Plaats(QWidget* widget, const QRect& twips)
{
    addChildWidget(widget);
    m_plekken.append(Plek {new QWidgetItem(widget), twips});
    invalidate();
}

void TwipsIndeling::addItem(QLayoutItem* item)
{
    m_plekken.append(Plek {item, {}});
}

int TwipsIndeling::count() const
{
    return static_cast<int>(m_plekken.size());
}

QLayoutItem* TwipsIndeling::itemAt(int index) const
{
    return index >= 0 && index < m_plekken.size() ? m_plekken.at(index).item : nullptr;
}

QLayoutItem* TwipsIndeling::takeAt(int index)
{
    if (index < 0 || index >= m_plekken.size())
        return nullptr;
    return m_plekken.takeAt(index).item;
}

QSize TwipsIndeling::sizeHint() const
{
    return PixelsGrootte(m_ontwerp.width(), m_ontwerp.height());
}

QSize TwipsIndeling::minimumSize() const
{
    return sizeHint();
}

QRect TwipsIndeling::Rechthoek(const QRect& twips) const
{
    const QPointF linksboven = m_begin + QPointF(twips.x(), twips.y()) * m_factor;
    const QPointF rechtsonder = m_begin + QPointF(twips.x() + twips.width(), twips.y() + twips.height()) * m_factor;
    return QRectF(linksboven, rechtsonder).toRect();
}

void TwipsIndeling::setGeometry(const QRect& rechthoek)
{
    QLayout::setGeometry(rechthoek);
    if (m_ontwerp.isEmpty())
        return;
    m_factor = std::min(rechthoek.width() / static_cast<qreal>(m_ontwerp.width()),
        rechthoek.height() / static_cast<qreal>(m_ontwerp.height()));
    m_begin = QPointF(rechthoek.x() + (rechthoek.width() - m_ontwerp.width() * m_factor) / 2,
        rechthoek.y() + (rechthoek.height() - m_ontwerp.height() * m_factor) / 2);
    for (const Plek& plek : std::as_const(m_plekken))
        plek.item->setGeometry(Rechthoek(plek.twips));
}
