#pragma once

#include <QWidget>

#include <array>

class QSvgWidget;

// The track fraRace: asphalt with kerbs, the two cars imgCar1 and imgCar2 side by side in their lanes, the white line
// linMarkering between the lanes, the start line Line1 across the top and the finish Picture1 across the bottom.
// Everything is placed relative to the track's size, so it grows with the window.
class Renbaan final : public QWidget
{
    Q_OBJECT

public:
    static constexpr int Breedte = 1455; // twips
    static constexpr int Autobreedte = 495;

    explicit Renbaan(QWidget* parent);

    // The tops of the two cars, in twips from the top of the track.
    void ZetAutos(int boven1, int boven2);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void Plaats(QWidget* widget, const QRectF& twips) const;
    void PlaatsAlles();

    std::array<QSvgWidget*, 2> m_autos {};
    std::array<int, 2> m_boven {};
    QWidget* m_markering;
    QWidget* m_startlijn;
    QSvgWidget* m_finish;
};
