#include "sound/volume_ramp.h"

#include <algorithm>
#include <utility>

namespace tavrin {

namespace {
constexpr int kStepMs = 20;
}

VolumeRamp::VolumeRamp(int level, Apply apply)
    : apply_(std::move(apply)), level_(level), target_(level) {
    timer_.setInterval(kStepMs);
    connect(&timer_, &QTimer::timeout, this, &VolumeRamp::step);
}

void VolumeRamp::moveTo(int target, int durationMs) {
    target_ = target;
    if (durationMs <= 0 || target == level_) {
        timer_.stop();
        set(target);
        return;
    }
    from_ = level_;
    durationMs_ = durationMs;
    clock_.start();
    timer_.start();
}

void VolumeRamp::step() {
    const double done = std::min(1.0, double(clock_.elapsed()) / durationMs_);
    set(from_ + int((target_ - from_) * done));
    if (level_ == target_)
        timer_.stop();
}

void VolumeRamp::set(int level) {
    if (level == level_)
        return;
    level_ = level;
    apply_(level);
}

} // namespace tavrin
