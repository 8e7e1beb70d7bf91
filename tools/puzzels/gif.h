#pragma once

#include <QImage>
#include <QString>

// Writes the image as a GIF of at most 256 colours chosen for it (median cut); false when the file could not be
// written.
bool SchrijfGif(const QImage& beeld, const QString& pad);
