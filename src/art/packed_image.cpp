#include "art/packed_image.h"

#include <QResource>
#include <QtEndian>
#include <cstring>

namespace tavrin {
namespace {

constexpr char kMagic[8] = {'T', 'V', 'R', 'N', 'I', 'M', 'G', '1'};
// After the magic: width, height, pixel format, bytes per row and the number of colours in the
// colour table, each a little-endian 32-bit number; then the colour table, then the rows.
constexpr int kFields = 5;
constexpr qsizetype kHeaderSize = sizeof kMagic + kFields * sizeof(quint32);

void append(QByteArray& out, quint32 value) {
    const quint32 little = qToLittleEndian(value);
    out.append(reinterpret_cast<const char*>(&little), sizeof little);
}

quint32 numberAt(QByteArrayView bytes, qsizetype offset) {
    return qFromLittleEndian<quint32>(bytes.data() + offset);
}

} // namespace

QByteArray packImage(const QImage& image) {
    if (image.isNull())
        return {};
    const QList<QRgb> colors = image.colorTable();
    QByteArray out(kMagic, sizeof kMagic);
    for (quint32 field : {quint32(image.width()), quint32(image.height()), quint32(image.format()),
                          quint32(image.bytesPerLine()), quint32(colors.size())})
        append(out, field);
    for (QRgb color : colors)
        append(out, color);
    out.append(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes());
    return out;
}

QImage unpackImage(QByteArrayView packed, Unpacking unpacking) {
    if (packed.size() < kHeaderSize || std::memcmp(packed.data(), kMagic, sizeof kMagic) != 0)
        return {};
    quint32 field[kFields];
    for (int i = 0; i < kFields; ++i)
        field[i] = numberAt(packed, sizeof kMagic + i * sizeof(quint32));
    const auto [width, height, format, bytesPerLine, colorCount] = field;
    if (format == QImage::Format_Invalid || format >= QImage::NImageFormats)
        return {};
    QImage image{int(width), int(height), QImage::Format(format)};
    const qsizetype colorBytes = qsizetype(colorCount) * sizeof(quint32);
    if (image.isNull() || image.bytesPerLine() != qsizetype(bytesPerLine) ||
        packed.size() != kHeaderSize + colorBytes + image.sizeInBytes())
        return {};
    const auto* rows = reinterpret_cast<const uchar*>(packed.data() + kHeaderSize + colorBytes);
    if (unpacking == Unpacking::InPlace && colorCount == 0 &&
        reinterpret_cast<quintptr>(rows) % alignof(quint32) == 0)
        return QImage(rows, image.width(), image.height(), image.bytesPerLine(), image.format());
    QList<QRgb> colors(colorCount);
    for (quint32 i = 0; i < colorCount; ++i)
        colors[i] = numberAt(packed, kHeaderSize + i * sizeof(quint32));
    if (!colors.isEmpty())
        image.setColorTable(colors);
    std::memcpy(image.bits(), rows, image.sizeInBytes());
    return image;
}

QImage unpackResource(const QString& path) {
    const QResource resource(path);
    if (!resource.isValid())
        return {};
    if (resource.compressionAlgorithm() == QResource::NoCompression)
        return unpackImage(QByteArrayView(resource.data(), resource.size()), Unpacking::InPlace);
    return unpackImage(resource.uncompressedData());
}

} // namespace tavrin
