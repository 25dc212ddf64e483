#pragma once

#include "controls/image_control.h"
#include "controls/interval_timer.h"
#include "controls/label_control.h"
#include "controls/multi_line_text_box.h"
#include "controls/picture_box.h"

#include <QPushButton>
#include <QWidget>
#include <stdexcept>

// A window's controls by the names their layout gives them, as a tester (or a screen reader's
// tree) finds them; the game's own code holds them as typed members.
namespace tavrin::testing {

template <class T> T& named(const QObject& window, const QString& name, int index = -1) {
    const QString key = index < 0 ? name : QString("%1(%2)").arg(name).arg(index);
    auto* found = window.findChild<T*>(key, Qt::FindDirectChildrenOnly);
    if (!found)
        throw std::logic_error(("no control " + window.objectName() + "." + key).toStdString());
    return *found;
}

inline QWidget& control(const QObject& w, const QString& name, int i = -1) {
    return named<QWidget>(w, name, i);
}
inline LabelControl& label(const QObject& w, const QString& name, int i = -1) {
    return named<LabelControl>(w, name, i);
}
inline ImageControl& image(const QObject& w, const QString& name, int i = -1) {
    return named<ImageControl>(w, name, i);
}
inline PictureBox& pictureBox(const QObject& w, const QString& name, int i = -1) {
    return named<PictureBox>(w, name, i);
}
inline QPushButton& button(const QObject& w, const QString& name, int i = -1) {
    return named<QPushButton>(w, name, i);
}
inline MultiLineTextBox& textBox(const QObject& w, const QString& name) {
    return named<MultiLineTextBox>(w, name);
}
inline IntervalTimer& timer(const QObject& w, const QString& name) {
    return named<IntervalTimer>(w, name);
}

} // namespace tavrin::testing
