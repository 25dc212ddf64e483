#pragma once

#include "windows/game_window.h"

namespace tavrin {

// The first window: the instructions and the "START ->" label that opens the board.
class StartWindow : public GameWindow {
    Q_OBJECT
public:
    explicit StartWindow(const WindowBasics& basics);

    void onStartClicked();
    LabelControl& startLink() const { return startLink_; }

protected:
    void systemClose() override;

private:
    LabelControl& startLink_;
};

} // namespace tavrin
