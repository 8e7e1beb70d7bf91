#pragma once

#include "visvijver.h"

#include <QPixmap>
#include <QPointF>
#include <QTimer>
#include <QWidget>

#include <array>

class Visknop;

// The water fraWater: the fish of a Visvijver swimming in it, a fishing line from the float at its surface to the
// pointer, and a fish hook as the pointer. Everything is placed relative to the water's size, so it grows with the
// window. The fish are moved by a timer only while the water is on screen.
class Water final : public QWidget
{
    Q_OBJECT

public:
    // The fish move 50 ticks a second, 250 twips a second (a fish crosses the water in half a minute), and are shown
    // 25 times a second: smooth enough for fish this slow, while every frame drawn costs time on a small computer.
    static constexpr int TikkenPerBeeld = 2;
    static constexpr int BeeldMs = 40;

    Water(Visvijver& vijver, QWidget* parent);

    // The end of the fishing line, in twips of the water.
    QPointF Haak() const { return m_haak; }
    bool Zwemt() const { return m_klok.isActive(); }

signals:
    void VisGekozen(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void Tik();
    void PlaatsVissen();
    void ZetAanwijzer();
    qreal Factor() const;
    QPointF Pixels(QPointF twips) const;
    QRect Lijnvlak() const;

    Visvijver& m_vijver;
    std::array<Visknop*, Visvijver::Aantal> m_vissen {};
    QTimer m_klok;
    QPixmap m_achtergrond;
    QPointF m_haak;
};
