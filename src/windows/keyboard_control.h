#pragma once

#include <QObject>

class QKeyEvent;

namespace tavrin {

class AppContext;
class GameWindow;
class QuizWindow;
class TargetGameWindow;

// The game's keys (windows/key_list.cpp lists them for the player). Each key calls the handler
// that the matching click calls, so that a key is refused, logged and shown exactly as the
// click would be. Keys on focused controls (START, NEXT, the links, the quiz's buttons) are
// the controls' own.
class KeyboardControl : public QObject {
    Q_OBJECT
public:
    explicit KeyboardControl(AppContext& ctx);
    ~KeyboardControl() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool onPlayingScreen(GameWindow& window, const QKeyEvent& key);
    void openMenu(GameWindow& window);
    bool inQuiz(QuizWindow& quiz, const QKeyEvent& key);
    bool inTargetGame(TargetGameWindow& game, const QKeyEvent& key);
    // As a drag of the handle by this many pixels would.
    void moveGroup(int dx, int dy);

    AppContext& ctx_;
};

} // namespace tavrin
