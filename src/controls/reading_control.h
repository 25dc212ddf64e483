#pragma once

#include <QWidget>

namespace tavrin {

// A control with nothing to see: it tells assistive technology in words what the pictures
// under it show (the score's LED digits, the clock, the board's squares as a list). It takes
// no clicks and no focus.
class ReadingControl : public QWidget {
    Q_OBJECT
public:
    explicit ReadingControl(QWidget* parent);

    QString reading() const { return reading_; }
    // A new reading is announced; the same one again says nothing.
    void setReading(const QString& reading);

private:
    QString reading_;
};

} // namespace tavrin
