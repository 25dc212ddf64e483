// Light wood grain in pale peach and orange, grain running across. Text in navy, red and
// light green is written on it, so the grain stays soft and light.

#include "drawings.h"
#include "style.h"
#include "texture.h"

#include <algorithm>
#include <cmath>

namespace {

double smoothEdge(double t, double from, double to) {
    const double u = std::clamp((t - from) / (to - from), 0.0, 1.0);
    return u * u * (3 - 2 * u);
}

const QColor pale(246, 214, 178);
const QColor peach(238, 184, 134);
const QColor orange(216, 138, 78);

QColor woodAt(double x, double y) {
    // Growth rings, bent by slow noise and stretched along x so that they run across. Each ring
    // darkens slowly towards its dense late wood and then starts pale again.
    const double warp = 30 * fractalNoise(x / 190.0, y / 70.0, 3, 11);
    const double ring = (y + warp) / 13.0 + 2.2 * fractalNoise(x / 260.0, y / 45.0, 2, 23);
    const double phase = ring - std::floor(ring);
    const double lateWood = std::pow(phase, 5.0) * (1 - smoothEdge(phase, 0.93, 1.0));
    const double fibre = fractalNoise(x / 28.0, y * 1.6, 3, 37) - 0.5;
    const double broad = fractalNoise(x / 140.0, y / 60.0, 2, 51);
    QColor colour = style::mix(pale, peach, 0.15 + 0.45 * broad + 0.3 * phase);
    return style::mix(colour, orange, std::clamp(0.7 * lateWood + 0.22 * fibre, 0.0, 1.0));
}

} // namespace

void drawWood(QPainter& painter) {
    paintPixels(painter, QSizeF(420, 247), woodAt);
}
