#include "controls/interval_timer.h"

namespace tavrin {

IntervalTimer::IntervalTimer(QObject* parent, bool precise) : QObject(parent) {
    timer_.setTimerType(precise ? Qt::PreciseTimer : Qt::CoarseTimer);
    connect(&timer_, &QTimer::timeout, this, &IntervalTimer::ticked);
}

void IntervalTimer::setInterval(int milliseconds) {
    if (milliseconds == interval_ && (milliseconds == 0 || timer_.isActive()))
        return; // writing the same interval again does not restart the period
    interval_ = milliseconds;
    if (milliseconds <= 0)
        timer_.stop();
    else
        timer_.start(milliseconds);
}

} // namespace tavrin
