#pragma once

#include "windows/game_window.h"

namespace tavrin {

// The strip under the board: score and throw number in LED digits, the message line and the
// four shield buttons (information, help, web search, exit).
class StatusStrip : public GameWindow {
    Q_OBJECT
public:
    explicit StatusStrip(AppContext& ctx);

    void Timer1_Timer();
    void imgInfo_Click();
    void imgHelp_Click();
    void imgSearch_Click();
    void imgExit_Click();

protected:
    void systemClose() override {} // goes with the board

private:
    void showNumber(const QString& row, long long number);
};

inline constexpr const char* kExitQuestion = " * * * * * 你真的要離開嗎? * * * * * ";

} // namespace tavrin
