#include "platform/message_boxes.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

namespace tavrin {
namespace {

// A box whose place is chosen once it has its final size (which it takes when shown), before it
// appears: in the middle of a screen's available area, or where Qt puts it without a screen.
class CentredBox : public QMessageBox {
public:
    CentredBox(QWidget* parent, QScreen* screen) : QMessageBox(parent), screen_(screen) {}

protected:
    void showEvent(QShowEvent* event) override {
        QMessageBox::showEvent(event);
        if (!screen_)
            return;
        QRect frame(QPoint(), size());
        frame.moveCenter(screen_->availableGeometry().center());
        move(frame.topLeft());
    }

private:
    QPointer<QScreen> screen_;
};

// The buttons' words in the game's language, from the game's own translation (Qt's would need
// a package of translations for three words).
const char* const kYes = QT_TRANSLATE_NOOP("messageBoxes", "是(&Y)");
const char* const kNo = QT_TRANSLATE_NOOP("messageBoxes", "否(&N)");
const char* const kOk = QT_TRANSLATE_NOOP("messageBoxes", "確定");

void labelButtons(QMessageBox& box) {
    const std::pair<QMessageBox::StandardButton, const char*> texts[] = {
        {QMessageBox::Yes, kYes}, {QMessageBox::No, kNo}, {QMessageBox::Ok, kOk}};
    for (const auto& [which, source] : texts)
        if (QAbstractButton* button = box.button(which))
            button->setText(QCoreApplication::translate("messageBoxes", source));
}

} // namespace

MessageBoxes::MessageBoxes() = default;
MessageBoxes::~MessageBoxes() = default;

MessageBoxes::Answer MessageBoxes::show(QWidget* parent, const QString& text, const QString& title,
                                        Buttons buttons) {
    if (answerer)
        return answerer(text, title, buttons);
    CentredBox box(parent, screen);
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
    labelButtons(box);
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
