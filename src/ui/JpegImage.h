#pragma once
// JPEG pictures decoded with libjpeg into QImage (the splash window's picture).
#include <QByteArray>
#include <QImage>
#include <QString>

namespace palvane {

// Decodes JPEG data (greyscale, RGB or CMYK) into an RGB32 image. Returns a null image and a
// message in error when the data is not a JPEG picture or is damaged beyond its header.
QImage decodeJpeg(const QByteArray& data, QString* error = nullptr);

// Reads and decodes a JPEG file or Qt resource (":/..."); null image when it cannot.
QImage loadJpeg(const QString& path, QString* error = nullptr);

} // namespace palvane
