#pragma once

#include <QObject>

class QWidget;

namespace tavrin {

class AppContext;
class GameWindow;

// Adds to the design's tooltips the keys that do the same.
void addKeyHints(GameWindow& window);
// The control Tab reaches (a click does not move the focus) and the window's first focus.
void takeFocusFirst(QWidget& control);

// Keeps the keyboard where a player can use it: a window of the game that opens or closes
// while the game has the focus leaves it with the window in play (an open message box, a
// mini-game, the die, the end or the start window), since without a window manager nobody
// else would hand it on. It also draws the focus mark around the control that has the focus.
class FocusKeeper : public QObject {
    Q_OBJECT
public:
    explicit FocusKeeper(AppContext& ctx);
    ~FocusKeeper() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void onFocusChanged(QWidget* old, QWidget* now);
    void passActivation();
    QWidget* windowInPlay() const;

    AppContext& ctx_;
    bool passPending_ = false;
    bool everFocused_ = false; // until then, the first window to show takes the focus
};

} // namespace tavrin
