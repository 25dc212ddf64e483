#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QImage>
#include <QString>

namespace tavrin {

// A picture stored as the image a window draws it from: its size, Qt's pixel format, its colour
// table and its pixel rows. The build decodes the artwork's PNGs and converts each image as a
// pixmap on the screen would hold it (tools/pictures), so that showing a picture costs neither
// a PNG decode, nor Qt's loading of every image-format plugin it finds (which on the first
// picture cost more than the decode itself), nor a conversion. Packed and unpacked on the same
// machine, in one build: pixel rows are in its byte order.
QByteArray packImage(const QImage& image);

enum class Unpacking {
    Copy,    // the image owns a copy of the pixels
    InPlace, // the image reads the pixels where they are: bytes that last as long as the program
};

// The image, or a null image when the bytes are not a packed image. In place only where the
// rows fall on 4-byte boundaries and there is no colour table; otherwise copied.
QImage unpackImage(QByteArrayView packed, Unpacking unpacking = Unpacking::Copy);

// The packed image in a resource (":/pictures/NAME.pix"), or a null image: read in place when
// the resource is stored uncompressed, so that it costs no memory of its own.
QImage unpackResource(const QString& path);

} // namespace tavrin
