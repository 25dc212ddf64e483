#include "app/after_first_paint.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace tavrin {
namespace {

class FirstPaintWatch : public QObject {
public:
    FirstPaintWatch(QWidget& window, std::function<void()> then)
        : QObject(&window), then_(std::move(then)) {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            // Queued: the paint reaches the screen when its handler has returned.
            QTimer::singleShot(0, watched, then_);
            deleteLater();
        }
        return false;
    }

private:
    std::function<void()> then_;
};

} // namespace

void afterFirstPaint(QWidget& window, std::function<void()> then) {
    new FirstPaintWatch(window, std::move(then));
}

} // namespace tavrin
