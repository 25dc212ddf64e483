#pragma once

#include "layouts/layout.h"
#include "rules/game_session.h"
#include "windows/move_requests.h"

#include <QHash>
#include <QWidget>
#include <array>
#include <vector>

class QPushButton;

namespace tavrin {

class GameScreen;
class ImageControl;
class LabelControl;
class MultiLineTextBox;
class PictureBox;
class IntervalTimer;
class WindowRegistry;

// What every window uses: the game it shows, the clock its moves are timed by, the registry
// that loads and unloads it, and the screen the game is played on.
struct WindowBasics {
    rules::GameSession& session;
    const rules::Clock& clock;
    WindowRegistry& windows;
    GameScreen& screen;
};

// The class a window's control of each kind is built as.
template <layout::ControlKind K> struct ControlClass;
template <> struct ControlClass<layout::ControlKind::Label> { using type = LabelControl; };
template <> struct ControlClass<layout::ControlKind::Image> { using type = ImageControl; };
template <> struct ControlClass<layout::ControlKind::PictureBox> { using type = PictureBox; };
template <> struct ControlClass<layout::ControlKind::TextBox> { using type = MultiLineTextBox; };
template <> struct ControlClass<layout::ControlKind::CommandButton> { using type = QPushButton; };
template <layout::ControlKind K> using ControlOf = typename ControlClass<K>::type;

// One of the game's windows. It is built from its layout when loaded (and so starts from the
// layout's values on every load); the window registry loads, shows and unloads it. A window
// that shows what happens in the game listens to the game session from its loading until it
// is unloaded.
class GameWindow : public QWidget, public rules::GameListener {
    Q_OBJECT
public:
    GameWindow(const WindowBasics& basics, layout::WindowDesign design);
    ~GameWindow() override;

    virtual void onLoad() {}
    virtual void onUnload() {}
    // Another of the game's windows became active; a window that keeps the activation takes it
    // straight back.
    virtual void onDeactivate();

    const layout::WindowDesign& design() const { return design_; }
    // A text of the layout in the game's language.
    QString translated(const QString& designed) const;

    // Moves the window, frame included, to `position` or by `offset` pixels.
    void moveFrameTo(QPoint position);
    void moveFrameBy(QPoint offset) { moveFrameTo(frameGeometry().topLeft() + offset); }

    // The controls as the layout built them, front to back.
    struct BuiltControl {
        const layout::ControlDesign* design;
        QWidget* widget;
    };
    const std::vector<BuiltControl>& controls() const { return controls_; }

    bool isBeingDestroyed() const { return destroying_; }
    // From here on the window takes no input and its timers stop: clicks and ticks already
    // queued must not act on a game that has moved on (or load windows again).
    void markDestroying();

signals:
    // The window system moved the window, not the game: a window manager's move (Alt and drag,
    // the keyboard) or another program's.
    void movedBySystem(tavrin::GameWindow* window);

protected:
    // A control or timer of the window's layout, bound once by the window's constructor.
    template <layout::ControlKind K> ControlOf<K>& bind(layout::ControlId<K> id) const {
        return member<K>(id.name, -1);
    }
    template <layout::ControlKind K, int N>
    std::array<ControlOf<K>*, N> bind(layout::ControlRowId<K, N> id) const {
        std::array<ControlOf<K>*, N> row;
        for (int i = 0; i < N; ++i)
            row[i] = &member<K>(id.name, i);
        return row;
    }
    IntervalTimer& bind(layout::TimerId id) const;

    void listenToSession();
    rules::GameSession& session() const { return basics_.session; }
    WindowRegistry& windows() const { return basics_.windows; }
    GameScreen& gameScreen() const { return basics_.screen; }
    const rules::Clock& clock() const { return basics_.clock; }
    // The mini-games keep the activation against the game's other windows while they are open.
    void setKeepsActivation(bool keeps) { keepsActivation_ = keeps; }
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    // What a close by the system (close box, window manager) does; by default, unload.
    virtual void systemClose();

private:
    void applyWindowSettings();
    void placeWindow();
    void reclaimActivation();
    void buildControls();
    QWidget* createControl(const layout::ControlDesign& c);
    void showText(const BuiltControl& c);
    template <layout::ControlKind K> ControlOf<K>& member(const char* name, int index) const;
    QWidget& controlNamed(const char* name, int index) const;

    WindowBasics basics_;
    layout::WindowDesign design_;
    QPixmap background_;
    std::vector<BuiltControl> controls_;
    QHash<QString, QWidget*> controlsByName_;
    QHash<QString, IntervalTimer*> timers_;
    MoveRequests moveRequests_;
    bool destroying_ = false;
    bool keepsActivation_ = false;
};

} // namespace tavrin
