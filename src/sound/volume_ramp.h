#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <functional>

namespace tavrin {

// Moves a whole-number level to a target in small even steps over a given time, on the
// thread's event loop; each new level is handed to `apply`. A new target takes over from
// wherever the level stands.
class VolumeRamp : public QObject {
    Q_OBJECT
public:
    using Apply = std::function<void(int level)>;
    VolumeRamp(int level, Apply apply);

    void moveTo(int target, int durationMs); // 0: at once
    int level() const { return level_; }
    int target() const { return target_; }

private:
    void step();
    void set(int level);

    Apply apply_;
    QTimer timer_;
    QElapsedTimer clock_;
    int level_;
    int from_ = 0;
    int target_;
    int durationMs_ = 0;
};

} // namespace tavrin
