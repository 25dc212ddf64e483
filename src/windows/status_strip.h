#pragma once

#include "windows/game_window.h"

#include <array>

namespace tavrin {

class Links;
class MessageBoxes;
class ReadingControl;

namespace rules {
class EventLog;
}

// The exit question, as designed.
inline constexpr const char* kExitQuestion =
    QT_TRANSLATE_NOOP("tavrin::StatusStrip", " * * * * * 你真的要離開嗎? * * * * * ");

// The strip under the board: score and throw number in LED digits, the message line and the
// four shield buttons (information, help, web search, exit).
class StatusStrip : public GameWindow {
    Q_OBJECT
public:
    // `language`: the edition, whose word plate names the throw count.
    StatusStrip(const WindowBasics& basics, rules::EventLog& log, MessageBoxes& messages,
                Links& links, QString language);

    void onLoad() override;
    void onInfoClicked();
    void onHelpClicked();
    void onSearchClicked();
    void onExitClicked();

    void standingChanged() override;
    void throwPlayed(const rules::ThrowOutcome& outcome) override;
    void gameWon() override;

    // The exit question in the game's language.
    static QString exitQuestion() { return tr(kExitQuestion); }

protected:
    void systemClose() override {} // goes with the board

private:
    using DigitRow = std::array<PictureBox*, 6>;
    void describe();
    static void showNumber(const DigitRow& row, long long number);
    void setMessage(const QString& text);

    rules::EventLog& log_;
    MessageBoxes& messages_;
    Links& links_;
    const QString language_;
    DigitRow scoreDigits_;
    DigitRow trialDigits_;
    ImageControl& scoreWord_;
    ImageControl& trialWord_;
    LabelControl& message_;
    ReadingControl* scoreReading_ = nullptr;
    ReadingControl* throwReading_ = nullptr;
};

} // namespace tavrin
