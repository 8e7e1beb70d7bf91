#pragma once

#include <QLayout>
#include <QList>
#include <QRect>
#include <QSize>

// Places widgets at their design positions in twips, scaled to the room the layout gets: the whole design as
// large as fits, its proportions kept, centred. So a board drawn in twips (the splitting house, the pond, the
// race track) grows with its window when the window is enlarged.
class TwipsIndeling final : public QLayout
{
public:
    TwipsIndeling(QWidget* ouder, QSize ontwerpTwips);
    ~TwipsIndeling() override;

    void Plaats(QWidget* widget, const QRect& twips);
    // Pixels per twip as laid out now (1/15 at the normal size).
    qreal Factor() const { return m_factor; }
    // Where a design rectangle in twips stands now, in the parent's pixels.
    QRect Rechthoek(const QRect& twips) const;

    void addItem(QLayoutItem* item) override;
    int count() const override;
    QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;
    QSize sizeHint() const override;
    QSize minimumSize() const override;
    void setGeometry(const QRect& rechthoek) override;

private:
    struct Plek
    {
        QLayoutItem* item;
        QRect twips;
    };
    QList<Plek> m_plekken;
    QSize m_ontwerp;
    qreal m_factor;
    QPointF m_begin;
};
