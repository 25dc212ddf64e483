#pragma once

#include <QPointer>
#include <QString>
#include <functional>
#include <memory>

class QMessageBox;
class QScreen;
class QTranslator;
class QWidget;

namespace tavrin {

// Every message box of the game goes through here: plain text, no icon, a title, OK or
// Yes/No, centred on the game's screen. A box whose text is Chinese gets Chinese buttons from
// Qt's own translations; any other box keeps Qt's English ones. Tests answer boxes through
// `answerer`; autoplay shows the real box and presses its default button after a pause.
class MessageBoxes {
public:
    enum class Buttons { Ok, YesNo };
    enum class Answer { Ok, Yes, No };
    using Answerer = std::function<Answer(const QString& text, const QString& title, Buttons)>;

    MessageBoxes();
    ~MessageBoxes();

    Answer show(QWidget* parent, const QString& text, const QString& title, Buttons buttons);

    Answerer answerer;
    int autoAnswerAfterMs = -1;
    QPointer<QScreen> screen; // where boxes open; none: over their parent, as Qt places them
    bool isOpen() const { return open_ > 0; }

private:
    void labelButtonsInChinese(QMessageBox& box);

    int open_ = 0;
    std::unique_ptr<QTranslator> chinese_; // loaded on the first Chinese box
};

} // namespace tavrin
