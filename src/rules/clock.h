#pragma once

namespace tavrin::rules {

// Time as the game needs it: the time of day seeds the generator, the monotonic reading
// measures the target game's 20 seconds (unaffected by midnight or a changed system clock).
class Clock {
public:
    virtual ~Clock() = default;
    virtual double secondsSinceMidnight() const = 0;
    virtual double monotonicSeconds() const = 0;
};

class SystemClock final : public Clock {
public:
    double secondsSinceMidnight() const override;
    double monotonicSeconds() const override;
};

} // namespace tavrin::rules
