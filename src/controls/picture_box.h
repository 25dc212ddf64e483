#pragma once

#include <QPixmap>
#include <QWidget>

namespace tavrin {

// A child window showing a picture at its own size from its top-left corner, inside a flat
// one-pixel border on a white background (the LED digit boxes).
class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);

    const QPixmap& picture() const { return picture_; }
    void setPicture(const QPixmap& picture);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap picture_;
};

} // namespace tavrin
