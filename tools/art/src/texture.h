#pragma once

#include <QColor>
#include <QPainter>
#include <QSizeF>
#include <cstdint>
#include <functional>

// Smooth pseudo-random noise in [0, 1], the same for the same coordinates and seed, so that
// each texture comes out identical on every run and at every scale.
double valueNoise(double x, double y, std::uint32_t seed);
double fractalNoise(double x, double y, int octaves, std::uint32_t seed);

// Fills the given logical area pixel by pixel at the painter's device resolution; the colour
// function receives logical coordinates, so a 2x rendering resolves finer detail.
void paintPixels(QPainter& painter, const QSizeF& area,
                 const std::function<QColor(double x, double y)>& colourAt);
