#pragma once

#include "windows/game_window.h"

class QMouseEvent;

namespace tavrin {

// The handle: a green ball the player drags; on release the board, the status strip and the
// die take their places around it.
class DragHandle : public GameWindow {
    Q_OBJECT
public:
    explicit DragHandle(AppContext& ctx);

    void Image1_MouseDown(int Button, int Shift, double X, double Y);
    void Image1_MouseMove(int Button, int Shift, double X, double Y);
    void Image1_MouseUp(int Button, int Shift, double X, double Y);

protected:
    // Closing the game's only taskbar window closes the board, which ends the game.
    void systemClose() override;

private:
    bool DragActive = false;
    double DragStartX = 0;
    double DragStartY = 0;
};

} // namespace tavrin
