#pragma once

#include <array>

namespace tavrin::rules {

class Clock;

inline constexpr double kTargetGameSeconds = 20.0;

// The nearest whole number, a tie going to the even neighbour (2.5 -> 2, 3.5 -> 4).
long long roundHalfToEven(double value);

// The six red digits of the countdown (time left above 0), left to right: minutes, seconds
// and hundredths, two digits each. The hundredths and seconds come from the time rounded to
// hundredths, the minutes from the time rounded to whole seconds.
std::array<int, 6> countdownDigits(double secondsLeft);

// The target game's 20 seconds. They are measured on the monotonic clock, so a game across
// midnight or a change of the system time still lasts 20 seconds. The end is reported once:
// the clock keeps ticking while the bonus message is open, and later ticks must do nothing.
class TargetCountdown {
public:
    enum class State { Running, TimeUp, AlreadyOver };
    struct Tick {
        State state;
        double secondsLeft; // one reading per tick, so the digits agree with the state
    };

    explicit TargetCountdown(const Clock& clock);

    Tick tick();

private:
    const Clock& clock_;
    double start_;
    bool over_ = false;
};

} // namespace tavrin::rules
