#pragma once

#include <QLabel>

namespace tavrin {

// A caption drawn on its window. Text is always plain (file content is never markup), wraps
// at word breaks inside the box and is clipped by it.
class LabelControl : public QLabel {
    Q_OBJECT
public:
    explicit LabelControl(QWidget* parent = nullptr);

    QString caption() const { return text(); }
    void setCaption(const QString& caption);
    void setSunkenBorder(bool sunken);
    void setOpaque(bool opaque);

    // A click from the keyboard or assistive technology: the same handlers run.
    void activate() { emit clicked(); }

signals:
    void clicked();
    void captionChanged();

protected:
    // A label that takes the focus acts on Enter and Space, as a button does.
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool sunken_ = false;
    bool pressed_ = false;
};

} // namespace tavrin
