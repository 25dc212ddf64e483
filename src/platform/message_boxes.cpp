#include "platform/message_boxes.h"

#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

namespace tavrin {

MessageBoxes::Answer MessageBoxes::show(QWidget* parent, const QString& text, const QString& title,
                                        Buttons buttons) {
    if (answerer)
        return answerer(text, title, buttons);
    QMessageBox box(parent);
    box.setWindowTitle(title);
    box.setTextFormat(Qt::PlainText);
    box.setText(text);
    box.setTextInteractionFlags(Qt::TextSelectableByMouse); // an address in it can be copied
    box.setIcon(QMessageBox::NoIcon);
    if (buttons == Buttons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
        box.setEscapeButton(QMessageBox::Ok); // every way of dismissing it counts as OK
    }
    if (autoAnswerAfterMs >= 0)
        QTimer::singleShot(autoAnswerAfterMs, &box, [&box] {
            if (auto* button = box.defaultButton() ? box.defaultButton() : box.buttons().value(0))
                button->click();
        });
    ++open_;
    const int result = box.exec();
    --open_;
    if (buttons == Buttons::Ok)
        return Answer::Ok;
    return result == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

} // namespace tavrin
