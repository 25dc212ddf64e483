#include "windows/drag_handle.h"

#include "controls/image_control.h"
#include "layouts/window_layouts.h"
#include "platform/window_system.h"
#include "windows/accessible_names.h"
#include "windows/game_screen.h"
#include "windows/group_place.h"
#include "windows/kept_settings.h"
#include "windows/playing_screen.h"
#include "windows/screen_fit.h"
#include "windows/window_registry.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QTimer>
#include <QWindow>

namespace tavrin {
namespace {

// Where the group's windows stand relative to the handle (first laid out in twips: 1400 and
// -4800, 1960 and 600, 7500 and 0).
constexpr QPoint kBoardOffset(93, -320);
constexpr QPoint kStatusOffset(131, 40);
constexpr QPoint kDieOffset(500, 0);

QPoint pointerAt(const QMouseEvent* e) {
    return e->position().toPoint();
}

} // namespace

DragHandle::DragHandle(const WindowBasics& basics, KeptSettings& settings)
    : GameWindow(basics, layout::dragHandleLayout()), settings_(settings) {
    ImageControl& handle = bind(layout::handle::handle);
    nameByTooltip(*this, handle, accessible::Role::Picture);
    connect(&handle, &ImageControl::pressed, this,
            [this](QMouseEvent* e) { onHandlePressed(pointerAt(e)); });
    connect(&handle, &ImageControl::dragged, this,
            [this](QMouseEvent* e) { onHandleDragged(pointerAt(e)); });
    connect(&handle, &ImageControl::released, this, &DragHandle::onHandleReleased);
}

void DragHandle::onLoad() {
    const std::optional<QPoint> place = settings_.values.handlePlace;
    if (place && handleReachableAt(*place))
        move(*place);
}

void DragHandle::onHandlePressed(QPoint at) {
    raise(); // dragged over the board, the handle stays in sight
    if (!windowsCanBePlaced()) {
        // The compositor moves the handle; the others cannot follow where nobody may place them.
        if (QWindow* window = windowHandle())
            window->startSystemMove();
        return;
    }
    dragging_ = true;
    dragStart_ = at;
}

void DragHandle::onHandleDragged(QPoint at) {
    if (!dragging_)
        return;
    moveFrameBy(at - dragStart_);
    QCoreApplication::processEvents();
}

void DragHandle::onHandleReleased() {
    dragging_ = false;
    placeGroup();
    keepPlace();
}

void DragHandle::moveGroupBy(QPoint offset) {
    if (!windowsCanBePlaced())
        return; // the compositor alone places windows there
    moveFrameBy(offset);
    placeGroup();
}

void DragHandle::keepPlace() {
    if (settings_.values.handlePlace != pos()) {
        settings_.values.handlePlace = pos();
        settings_.save();
    }
}

void DragHandle::placeGroup() {
    const HandleGroup g = handleGroup(windows());
    if (!g.board || !g.status || !g.die)
        return; // the group is being taken down
    const QPoint handle = frameGeometry().topLeft();
    g.board->moveFrameTo(handle + kBoardOffset);
    g.status->moveFrameTo(handle + kStatusOffset);
    g.die->moveFrameTo(handle + kDieOffset);
    keepGroupTogether();
}

std::vector<GameWindow*> DragHandle::group() {
    const HandleGroup g = handleGroup(windows());
    std::vector<GameWindow*> windows{this};
    for (GameWindow* w : {g.board, g.status, g.die})
        if (w)
            windows.push_back(w);
    return windows;
}

// The windows of the group that are loaded, without loading the others (the end sequence
// unloads them one by one).
std::vector<GameWindow*> DragHandle::loadedGroup() {
    std::vector<GameWindow*> loaded;
    for (GameWindow* w : group())
        if (!w->isBeingDestroyed())
            loaded.push_back(w);
    return loaded;
}

void DragHandle::placeGroupOnScreen() {
    placeGroup();
    const QScreen* screen = gameScreen().screen();
    if (!screen || !windowsCanBePlaced())
        return;
    const std::vector<GameWindow*> windows = group();
    std::vector<QRect> frames;
    for (const GameWindow* w : windows)
        frames.push_back(w->frameGeometry());
    const GroupFit fit = fitInside(frames, screen->availableGeometry());
    for (std::size_t i = 0; i < windows.size(); ++i)
        windows[i]->moveFrameTo(fit.positions[i]);
    // Squeezed onto a small screen, the board would cover the die and the handle: they come
    // to the front once the board (shown after this) is up.
    if (!fit.keptTogether)
        QTimer::singleShot(0, this, &DragHandle::bringCompanionsToFront);
}

void DragHandle::bringCompanionsToFront() {
    const GameWindow* board = handleGroup(windows()).board;
    for (GameWindow* w : loadedGroup())
        if (w != board)
            w->raise();
}

// A window manager moves one window of the group at a time (Alt and drag, the keyboard, a
// script): the others follow as a release of the handle would place them.
void DragHandle::keepGroupTogether() {
    for (GameWindow* w : group())
        connect(w, &GameWindow::movedBySystem, this, &DragHandle::followMovedWindow,
                Qt::UniqueConnection);
}

void DragHandle::followMovedWindow(GameWindow* moved) {
    // The handle's own drag places the group on release; a group being taken down stays put.
    if (dragging_ || loadedGroup().size() != 4)
        return;
    const HandleGroup g = handleGroup(windows());
    QPoint offset;
    if (moved == g.board)
        offset = kBoardOffset;
    else if (moved == g.status)
        offset = kStatusOffset;
    else if (moved == g.die)
        offset = kDieOffset;
    moveGroupBy(moved->frameGeometry().topLeft() - offset - frameGeometry().topLeft());
}

void DragHandle::systemClose() {
    if (GameWindow* board = handleGroup(windows()).board)
        windows().unloadWindow(*board);
}

} // namespace tavrin
