#pragma once

#include <QObject>
#include <QTimer>

namespace tavrin {

// A timer switched by its interval, as the game's windows use it: 0 stops it, any other
// value (re)starts it with that period. Ticks arrive on the UI thread between handlers.
class IntervalTimer : public QObject {
    Q_OBJECT
public:
    explicit IntervalTimer(QObject* parent = nullptr, bool precise = false);

    int interval() const { return interval_; }
    void setInterval(int milliseconds);

signals:
    void ticked();

private:
    QTimer timer_;
    int interval_ = 0;
};

} // namespace tavrin
