#include "controls/vb_timer.h"

namespace tavrin {

VbTimer::VbTimer(QObject* parent, bool precise) : QObject(parent) {
    timer_.setTimerType(precise ? Qt::PreciseTimer : Qt::CoarseTimer);
    connect(&timer_, &QTimer::timeout, this, &VbTimer::Timer);
}

void VbTimer::setInterval(int milliseconds) {
    if (milliseconds == interval_ && (milliseconds == 0 || timer_.isActive()))
        return; // writing the same interval again does not restart the period
    interval_ = milliseconds;
    if (milliseconds <= 0)
        timer_.stop();
    else
        timer_.start(milliseconds);
}

} // namespace tavrin
