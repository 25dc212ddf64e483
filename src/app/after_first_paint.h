#pragma once

#include <functional>

class QWidget;

namespace tavrin {

// Runs `then` once `window` has been painted for the first time, and so is on screen, as an
// event of its own after that paint. Nothing runs if the window goes before it is painted.
void afterFirstPaint(QWidget& window, std::function<void()> then);

} // namespace tavrin
