#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QImage>
#include <QString>

namespace tavrin {

// A picture stored as the image it decodes to: its size, Qt's pixel format, its colour table
// and its pixel rows, exactly as decoding its PNG gives them. The build packs the artwork this
// way (tools/pictures) and the resource compiler compresses it, so that showing a picture costs
// a decompression and a copy instead of a PNG decode and Qt's loading of every image-format
// plugin it finds (which, on the first picture, cost more than the decode itself).
// Packed and unpacked on the same machine, in one build: pixel rows are in its byte order.
QByteArray packImage(const QImage& image);

// The image, or a null image when the bytes are not a packed image.
QImage unpackImage(QByteArrayView packed);

// The packed image in a resource (":/pictures/NAME.pix"), or a null image.
QImage unpackResource(const QString& path);

} // namespace tavrin
