#pragma once

#include <QPixmap>
#include <QRectF>

class QPainter;

// The pictures of the ordering game: picture k (1..10) shows the number k, as a number image on a raised panel or
// as a numeral on a card; picture 0 is empty. They are drawn at whatever size they get, so that they stay crisp
// on the digital board.
enum class Plaatjessoort { Getalbeelden, Cijfers };

void TekenPlaatje(QPainter& schilder, const QRectF& vlak, int getal, Plaatjessoort soort);

// The picture as a pixmap of `grootte` logical pixels, for the drag icon; transparent around the panel.
QPixmap Plaatje(int getal, QSize grootte, qreal pixelverhouding, Plaatjessoort soort);
