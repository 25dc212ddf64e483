#include "platform/message_boxes.h"

#include <QLibraryInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QTranslator>

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

bool isChinese(const QString& text) {
    for (const QChar c : text)
        if (c.script() == QChar::Script_Han)
            return true;
    return false;
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
    if (isChinese(text))
        labelButtonsInChinese(box);
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

// Qt's translation of its own button texts (是(&Y), 否(&N), 確定), applied to this box only:
// installed for the whole program it would also turn the rest of Qt's texts into Chinese.
// Without the translation file the buttons stay English.
void MessageBoxes::labelButtonsInChinese(QMessageBox& box) {
    if (!chinese_) {
        chinese_ = std::make_unique<QTranslator>();
        if (!chinese_->load("qtbase_zh_TW", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            return;
    }
    if (chinese_->isEmpty())
        return;
    const std::pair<QMessageBox::StandardButton, const char*> texts[] = {
        {QMessageBox::Yes, "&Yes"}, {QMessageBox::No, "&No"}, {QMessageBox::Ok, "OK"}};
    for (const auto& [which, english] : texts) {
        QAbstractButton* button = box.button(which);
        const QString translated = chinese_->translate("QPlatformTheme", english);
        if (button && !translated.isEmpty())
            button->setText(translated);
    }
}

} // namespace tavrin
