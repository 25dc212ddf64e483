#pragma once

#include <QPointer>
#include <QString>
#include <functional>

class QMessageBox;
class QScreen;
class QWidget;

namespace tavrin {

// Every message box of the game goes through here: plain text, no icon, a title, OK or
// Yes/No in the game's language, centred on the game's screen. Tests answer boxes through
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
    int open_ = 0;
};

} // namespace tavrin
