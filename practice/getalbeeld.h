#pragma once

#include <QColor>
#include <QRectF>

class QPainter;

// The number image children know from school: ten squares in two rows of five, the columns in groups of two, two
// and one with a wider gap between the groups. Square 2k is the top and square 2k + 1 the bottom square of column
// k, so a number fills the squares column by column from the left, top square first.
namespace Getalbeeld {

constexpr int Vakjes = 10;

// Square `vakje` (0..9) is coloured for the number `getal`.
constexpr bool Gevuld(int getal, int vakje)
{
    return vakje >= 0 && vakje < getal;
}

// Where square `vakje` stands in `vlak`: the whole image as large as fits, centred, its squares square.
QRectF Vakje(int vakje, const QRectF& vlak);

struct Kleuren
{
    QColor vol {0, 0, 255};
    QColor leeg {Qt::white};
    QColor rand {Qt::black};
};

// Draws the image of `getal` (0..10) in `vlak`, crisp at every scale.
void Teken(QPainter& schilder, const QRectF& vlak, int getal, const Kleuren& kleuren = {});

} // namespace Getalbeeld
