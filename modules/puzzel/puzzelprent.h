#pragma once

#include <QImage>
#include <QString>

class QPainter;
class QRectF;

namespace Puzzelprent {

// Pictures 1..Aantal lie beside the program as puzzels/<n>.gif, relative to the working directory.
constexpr int Aantal = 40;
QString Pad(int nummer);

// Our pictures are a few dozen kilobytes of about 320 pixels square; anything far larger is no puzzle picture and
// is not read, so that opening one never stalls the window.
constexpr qint64 GrootsteBestand = 4 * 1024 * 1024;
constexpr int GrootsteZijde = 2048;

// The picture in the file, or a null image when it is missing, no regular file (a folder, a FIFO or a device),
// too large, or unreadable.
QImage Lees(const QString& pad);

// The cheerful picture shown when none could be read: a rainbow and a smiling sun over green hills.
void TekenVervanging(QPainter& schilder, const QRectF& vlak);

} // namespace Puzzelprent
