#pragma once

#include <QPixmap>
#include <QWidget>

namespace tavrin {

// A picture drawn on its window: at its own size (the control takes the picture's size) or
// stretched to the control's box, optionally with a sunken border. Transparent pixels show
// what lies behind. Reports clicks and the raw mouse events (the handle drags with them).
class ImageControl : public QWidget {
    Q_OBJECT
public:
    explicit ImageControl(QWidget* parent = nullptr);

    const QPixmap& picture() const { return picture_; }
    void setPicture(const QPixmap& picture);
    bool stretch() const { return stretch_; }
    void setStretch(bool stretch);
    bool hasBorder() const { return border_; }
    void setBorder(bool sunken);
    // Draw an unstretched picture centred in a box of another size instead of at its corner.
    void setCentered(bool centered);

    // A click from the keyboard or assistive technology: the same handlers run.
    void activate() { emit clicked(); }

signals:
    void clicked();
    void pressed(QMouseEvent* event);
    void dragged(QMouseEvent* event);
    void released(QMouseEvent* event);

protected:
    void paintEvent(QPaintEvent* event) override;
    // An image that takes the focus acts on Enter and Space, as a button does.
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void fitToPicture();

    QPixmap picture_;
    bool stretch_ = false;
    bool border_ = false;
    bool centered_ = false;
    bool pressed_ = false;
};

// Draws the two-pixel sunken frame of the classic desktop look around rect.
void drawSunkenFrame(class QPainter& painter, const QRect& rect);

} // namespace tavrin
