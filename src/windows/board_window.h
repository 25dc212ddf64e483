#pragma once

#include "rules/board_content.h"
#include "windows/game_window.h"

namespace tavrin {

// The board: 38 squares on a spiral path, the player's character and the heart in the middle.
// MoveChar plays one throw; onUnload is the end sequence that leads to the end window.
class BoardWindow : public GameWindow {
    Q_OBJECT
public:
    explicit BoardWindow(AppContext& ctx);

    void onLoad() override;
    void onUnload() override;
    void MoveChar();

    int CharPos = 0;
    const rules::BoardContent& MapData() const { return board_; }

private:
    void openCompanionWindows();
    void buildBoard();
    void placeCharacter(int square);
    void setMessage(const QString& text);
    void releaseDie();
    void showWin();

    rules::BoardContent board_;
};

// The win text, shown in the message line and in a message box.
inline constexpr const char* kWinText = "恭喜你!你成功在50步內拿到5000分!!";

} // namespace tavrin
