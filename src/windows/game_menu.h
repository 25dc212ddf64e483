#pragma once

#include <QMenu>
#include <functional>

namespace tavrin {

class AppContext;
class GameWindow;

// The menu on the right button of the board and the status strip: sound effects and music on
// or off, the volume, the language of the next game, "How to play" and "About Tavrin". It
// shows the choices as they stand when it opens; each entry acts at once, except the
// language, which the game in play keeps.
class GameMenu : public QMenu {
    Q_OBJECT
public:
    GameMenu(AppContext& ctx, GameWindow& window);

    // Gives the window this menu on its right button (and on the keyboard's menu key).
    static void attachTo(GameWindow& window, AppContext& ctx);

private:
    void addChoice(const char* name, const QString& text, bool checked,
                   std::function<void(bool)> choose);
    void addVolumeSteps(AppContext& ctx);
    void addLanguages(AppContext& ctx);
};

} // namespace tavrin
