#pragma once

#include "layouts/layout.h"
#include "rules/game_session.h"
#include "windows/move_requests.h"

#include <QHash>
#include <QWidget>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace tavrin {

class AppContext;
class ImageControl;
class LabelControl;
class PictureBox;
class IntervalTimer;

// One of the game's windows. It is built from its layout when loaded (and so starts from the
// layout's values on every load); the window registry loads, shows and unloads it. A window
// that shows what happens in the game listens to the game session from its loading until it
// is unloaded.
class GameWindow : public QWidget, public rules::GameListener {
    Q_OBJECT
public:
    GameWindow(AppContext& ctx, layout::WindowDesign design);
    ~GameWindow() override;

    virtual void onLoad() {}
    virtual void onUnload() {}
    // Another of the game's windows became active; a window that keeps the activation takes it
    // straight back.
    virtual void onDeactivate();

    const layout::WindowDesign& design() const { return design_; }
    // A text of the layout in the game's language.
    QString translated(const QString& designed) const;

    // Window position, frame included, in twips.
    int leftTwips() const;
    int topTwips() const;
    void setLeftTwips(int twips);
    void setTopTwips(int twips);
    // Moves the window, frame included, by `offset` pixels.
    void moveFrameBy(QPoint offset) { moveFrameTo(frameGeometry().topLeft() + offset); }

    // Controls by name and, for control arrays, index.
    QWidget* control(const QString& name, int index = -1) const;
    LabelControl& label(const QString& name, int index = -1) const;
    ImageControl& image(const QString& name, int index = -1) const;
    PictureBox& pictureBox(const QString& name, int index = -1) const;
    QPushButton& button(const QString& name, int index = -1) const;
    QPlainTextEdit& multiLineText(const QString& name) const;
    QLineEdit& lineText(const QString& name) const;
    IntervalTimer& timer(const QString& name) const;

    // Control positions in twips within the client area.
    static void moveControl(QWidget& control, int leftTwips, int topTwips);
    static int controlLeft(const QWidget& control);
    static int controlTop(const QWidget& control);

    bool isBeingDestroyed() const { return destroying_; }
    // From here on the window takes no input and its timers stop: clicks and ticks already
    // queued must not act on a game that has moved on (or load windows again).
    void markDestroying();

signals:
    // The window system moved the window, not the game: a window manager's move (Alt and drag,
    // the keyboard) or another program's.
    void movedBySystem(tavrin::GameWindow* window);

protected:
    void listenToSession();
    // The mini-games keep the activation against the game's other windows while they are open.
    void setKeepsActivation(bool keeps) { keepsActivation_ = keeps; }
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    // What a close by the system (close box, window manager) does; by default, unload.
    virtual void systemClose();

    AppContext& ctx;

private:
    void applyWindowSettings();
    void placeWindow();
    void moveFrameTo(QPoint position);
    void reclaimActivation();
    void buildControls();
    QWidget* createControl(const layout::ControlDesign& c);
    void showText(const layout::ControlDesign& c);
    template <class T> T& typed(const QString& name, int index) const;

    layout::WindowDesign design_;
    QPixmap background_;
    QHash<QString, QWidget*> controls_;
    QHash<QString, IntervalTimer*> timers_;
    MoveRequests moveRequests_;
    bool destroying_ = false;
    bool keepsActivation_ = false;
};

} // namespace tavrin
