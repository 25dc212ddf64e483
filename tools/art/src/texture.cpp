#include "texture.h"

#include <QImage>
#include <cmath>

namespace {

double latticeValue(std::int64_t x, std::int64_t y, std::uint32_t seed) {
    std::uint64_t h = std::uint64_t(x) * 0x9E3779B97F4A7C15ull ^
                      std::uint64_t(y) * 0xC2B2AE3D27D4EB4Full ^
                      std::uint64_t(seed) * 0x165667B19E3779F9ull;
    h ^= h >> 29;
    h *= 0xBF58476D1CE4E5B9ull;
    h ^= h >> 32;
    return double(h & 0xFFFFFF) / double(0xFFFFFF);
}

double smooth(double t) {
    return t * t * (3 - 2 * t);
}

} // namespace

double valueNoise(double x, double y, std::uint32_t seed) {
    const double fx = std::floor(x), fy = std::floor(y);
    const auto ix = std::int64_t(fx), iy = std::int64_t(fy);
    const double tx = smooth(x - fx), ty = smooth(y - fy);
    const double top = std::lerp(latticeValue(ix, iy, seed), latticeValue(ix + 1, iy, seed), tx);
    const double bottom =
        std::lerp(latticeValue(ix, iy + 1, seed), latticeValue(ix + 1, iy + 1, seed), tx);
    return std::lerp(top, bottom, ty);
}

double fractalNoise(double x, double y, int octaves, std::uint32_t seed) {
    double sum = 0, weight = 1, total = 0;
    for (int octave = 0; octave < octaves; ++octave) {
        sum += weight * valueNoise(x, y, seed + std::uint32_t(octave) * 101u);
        total += weight;
        x *= 2.03;
        y *= 2.03;
        weight *= 0.5;
    }
    return sum / total;
}

void paintPixels(QPainter& painter, const QSizeF& area,
                 const std::function<QColor(double x, double y)>& colourAt) {
    const qreal scale = painter.deviceTransform().m11();
    const QSize pixels(qCeil(area.width() * scale), qCeil(area.height() * scale));
    QImage image(pixels, QImage::Format_ARGB32);
    for (int row = 0; row < pixels.height(); ++row) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(row));
        for (int column = 0; column < pixels.width(); ++column)
            line[column] = colourAt((column + 0.5) / scale, (row + 0.5) / scale).rgba();
    }
    painter.drawImage(QRectF(QPointF(0, 0), QSizeF(pixels) / scale), image);
}
