// Glossy green bands like a lit metal bar, behind the status window. Only the top left
// 371 x 88 pixels are seen, so the bands are laid out for that part.

#include "drawings.h"
#include "style.h"
#include "texture.h"

#include <QLinearGradient>
#include <cmath>

namespace {

// Light and dark stops down the bar: each band rises to a bright crest and falls off.
QLinearGradient bandProfile() {
    QLinearGradient bands(0, 0, 0, 148);
    const QColor deep(10, 70, 22), dark(24, 112, 34), mid(52, 168, 58), bright(168, 246, 140);
    const QList<QPair<qreal, QColor>> stops = {
        {0, dark},    {6, mid},     {11, bright}, {17, mid},  {27, dark},    {31, deep},
        {37, mid},    {44, bright}, {52, mid},    {60, dark}, {64, deep},    {70, mid},
        {77, bright}, {85, mid},    {92, dark},   {96, deep}, {102, mid},    {110, bright},
        {118, mid},   {126, dark},  {130, deep},  {136, mid}, {142, bright}, {148, mid}};
    for (const auto& [y, colour] : stops)
        bands.setColorAt(y / 148.0, colour);
    return bands;
}

} // namespace

void drawGreenBands(QPainter& painter) {
    const QRectF area(0, 0, 486, 148);
    painter.fillRect(area, bandProfile());

    // The light falls from the left: the bar darkens gently towards its right end.
    QLinearGradient falloff(0, 0, 486, 0);
    falloff.setColorAt(0, QColor(255, 255, 255, 40));
    falloff.setColorAt(0.45, QColor(0, 0, 0, 0));
    falloff.setColorAt(1, QColor(0, 30, 0, 70));
    painter.fillRect(area, falloff);

    // Fine brushed streaks along the bar.
    paintPixels(painter, area.size(), [](double x, double y) {
        const double streak = fractalNoise(x / 140.0, y * 1.1, 3, 7) - 0.5;
        const int alpha = qRound(std::abs(streak) * 36);
        return streak > 0 ? QColor(255, 255, 255, alpha) : QColor(0, 40, 0, alpha);
    });
}
