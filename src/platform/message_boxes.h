#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace tavrin {

// Every message box of the game goes through here: plain text, no icon, a title, OK or
// Yes/No. Tests answer boxes through `answerer`; autoplay shows the real box and presses its
// default button after a pause.
class MessageBoxes {
public:
    enum class Buttons { Ok, YesNo };
    enum class Answer { Ok, Yes, No };
    using Answerer = std::function<Answer(const QString& text, const QString& title, Buttons)>;

    Answer show(QWidget* parent, const QString& text, const QString& title, Buttons buttons);

    Answerer answerer;
    int autoAnswerAfterMs = -1;
    bool isOpen() const { return open_ > 0; }

private:
    int open_ = 0;
};

} // namespace tavrin
