#include "rules/target_clock.h"

#include "rules/clock.h"

#include <cmath>

namespace tavrin::rules {
namespace {

constexpr long long kHundredthsPerMinute = 6000;

} // namespace

long long roundHalfToEven(double value) {
    const double below = std::floor(value);
    const double fraction = value - below;
    auto whole = static_cast<long long>(below);
    if (fraction > 0.5 || (fraction == 0.5 && whole % 2 != 0))
        ++whole;
    return whole;
}

std::array<int, 6> countdownDigits(double secondsLeft) {
    const long long hundredths = roundHalfToEven(secondsLeft * 100) % kHundredthsPerMinute;
    const long long minutes = roundHalfToEven(secondsLeft) / 60 % 60;
    const long long seconds = hundredths / 100;
    const long long cents = hundredths % 100;
    return {static_cast<int>(minutes / 10), static_cast<int>(minutes % 10),
            static_cast<int>(seconds / 10), static_cast<int>(seconds % 10),
            static_cast<int>(cents / 10),   static_cast<int>(cents % 10)};
}

TargetCountdown::TargetCountdown(const Clock& clock)
    : clock_(clock), start_(clock.monotonicSeconds()) {}

TargetCountdown::Tick TargetCountdown::tick() {
    const double left = kTargetGameSeconds - (clock_.monotonicSeconds() - start_);
    if (over_)
        return {State::AlreadyOver, left};
    if (left > 0)
        return {State::Running, left};
    over_ = true;
    return {State::TimeUp, left};
}

} // namespace tavrin::rules
