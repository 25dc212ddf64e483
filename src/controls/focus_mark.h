#pragma once

#include <QPointer>
#include <QWidget>

namespace tavrin {

// A soft gold outline just outside the control that has the keyboard focus (round the words
// of a caption), so that the control itself keeps its designed look. It follows the control
// and takes no clicks.
class FocusMark : public QWidget {
    Q_OBJECT
public:
    explicit FocusMark(QWidget* parent = nullptr);

    // The control to surround; nullptr hides the mark.
    void follow(QWidget* control);
    QWidget* followed() const { return control_; }

    static constexpr int kMargin = 4; // pixels outside the control or caption

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void fit();
    void stackJustAboveControl();

    QPointer<QWidget> control_;
};

} // namespace tavrin
