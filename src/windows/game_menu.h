#pragma once

#include <QMenu>
#include <functional>
#include <span>

namespace tavrin {

class AppContext;
class GameWindow;

// The menu on the right button of the board and the status strip (and on the keyboard's menu
// key and Shift+F10 anywhere on the playing screen): sound effects and music on or off, the
// volume, the language of the next game, the size from the next start on, "How to play",
// "New game" and "About Tavrin". It shows the choices as they stand when it opens; each entry
// acts at once, except the language, which the game in play keeps, and the size.
class GameMenu : public QMenu {
    Q_OBJECT
public:
    GameMenu(AppContext& ctx, GameWindow& window);

    // Gives the window this menu on its right button.
    static void attachTo(GameWindow& window, AppContext& ctx);
    // Opens a menu of the window's own at a point on the screen (the menu key and Shift+F10
    // open it at the control with the focus); it goes once closed.
    static void popUp(GameWindow& window, AppContext& ctx, const QPoint& globalAt);

private:
    void addChoice(const char* name, const QString& text, bool checked,
                   std::function<void(bool)> choose);
    QMenu* addPercentSteps(const QString& title, const QString& name, std::span<const int> percents,
                           int current, std::function<void(int)> choose);
    void addVolumeSteps(AppContext& ctx);
    void addLanguages(AppContext& ctx);
    void addSizes(AppContext& ctx);
};

} // namespace tavrin
