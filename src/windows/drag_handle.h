#pragma once

#include "windows/game_window.h"

namespace tavrin {

struct KeptSettings;

// The handle: a green ball the player drags with any button; on release the board, the status
// strip and the die take their places around it, and the place is kept for the next run.
// Moved by the window manager, any window of the group brings the others to their places
// around it.
class DragHandle : public GameWindow {
    Q_OBJECT
public:
    // Its place is kept in `settings`.
    DragHandle(const WindowBasics& basics, KeptSettings& settings);

    // Opens where the player last left it, while that place is still on a screen.
    void onLoad() override;

    // Pointer positions within the handle's picture.
    void onHandlePressed(QPoint at);
    void onHandleDragged(QPoint at);
    void onHandleReleased();
    // Moves the handle by `offset` pixels and the group with it: the arrow keys, and a window
    // manager's move of one window of the group.
    void moveGroupBy(QPoint offset);
    // Keeps the handle's place for the next run.
    void keepPlace();
    // Puts the board, the status strip and the die in their places around the handle.
    void placeGroup();
    // The group's first placement: around the handle, then moved as little as needed so that
    // every window of it is whole on the game's screen.
    void placeGroupOnScreen();

protected:
    // Closing the game's only taskbar window closes the board, which ends the game.
    void systemClose() override;

private:
    void followMovedWindow(tavrin::GameWindow* moved);
    void keepGroupTogether();
    void bringCompanionsToFront();
    std::vector<GameWindow*> group();
    std::vector<GameWindow*> loadedGroup();

    KeptSettings& settings_;
    bool dragging_ = false;
    QPoint dragStart_;
};

} // namespace tavrin
