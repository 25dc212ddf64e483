#include "windows/drag_handle.h"

#include "controls/image_control.h"
#include "layouts/window_layouts.h"
#include "platform/window_system.h"
#include "windows/app_context.h"
#include "windows/board_window.h"
#include "windows/die_window.h"
#include "windows/group_place.h"
#include "windows/screen_fit.h"
#include "windows/status_strip.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QTimer>
#include <QWindow>

namespace tavrin {
namespace {

// Where the group's windows stand relative to the handle, in twips.
constexpr QPoint kBoardOffset(1400, -4800);
constexpr QPoint kStatusOffset(1960, 600);
constexpr QPoint kDieOffset(7500, 0);

// Mouse positions in twips within the handle's picture.
double twipsX(const QMouseEvent* e) {
    return e->position().x() * layout::kTwipsPerPixel;
}
double twipsY(const QMouseEvent* e) {
    return e->position().y() * layout::kTwipsPerPixel;
}

} // namespace

DragHandle::DragHandle(AppContext& ctx) : GameWindow(ctx, layout::dragHandleLayout()) {
    ImageControl& handle = image("handle");
    connect(&handle, &ImageControl::pressed, this,
            [this](QMouseEvent* e) { onHandlePressed(twipsX(e), twipsY(e)); });
    connect(&handle, &ImageControl::dragged, this,
            [this](QMouseEvent* e) { onHandleDragged(twipsX(e), twipsY(e)); });
    connect(&handle, &ImageControl::released, this, &DragHandle::onHandleReleased);
}

void DragHandle::onLoad() {
    const std::optional<QPoint> place = ctx.settings.handlePlace;
    if (place && handleReachableAt(*place))
        move(*place);
}

void DragHandle::onHandlePressed(double x, double y) {
    raise(); // dragged over the board, the handle stays in sight
    if (!windowsCanBePlaced()) {
        // The compositor moves the handle; the others cannot follow where nobody may place them.
        if (QWindow* window = windowHandle())
            window->startSystemMove();
        return;
    }
    dragging_ = true;
    dragStartX_ = x;
    dragStartY_ = y;
}

void DragHandle::onHandleDragged(double x, double y) {
    if (!dragging_)
        return;
    setLeftTwips(static_cast<int>(x - dragStartX_) + leftTwips());
    setTopTwips(static_cast<int>(y - dragStartY_) + topTwips());
    QCoreApplication::processEvents();
}

void DragHandle::onHandleReleased() {
    dragging_ = false;
    placeGroup();
    if (ctx.settings.handlePlace != pos()) {
        ctx.settings.handlePlace = pos();
        ctx.saveSettings();
    }
}

void DragHandle::placeGroup() {
    // Each step reads the handle's position anew.
    auto& board = ctx.windows.get<BoardWindow>();
    auto& status = ctx.windows.get<StatusStrip>();
    auto& die = ctx.windows.get<DieWindow>();
    board.setTopTwips(topTwips() + kBoardOffset.y());
    board.setLeftTwips(leftTwips() + kBoardOffset.x());
    status.setLeftTwips(leftTwips() + kStatusOffset.x());
    status.setTopTwips(topTwips() + kStatusOffset.y());
    die.setLeftTwips(leftTwips() + kDieOffset.x());
    die.setTopTwips(topTwips() + kDieOffset.y());
    keepGroupTogether();
}

std::vector<GameWindow*> DragHandle::group() {
    return {this, &ctx.windows.get<BoardWindow>(), &ctx.windows.get<StatusStrip>(),
            &ctx.windows.get<DieWindow>()};
}

// The windows of the group that are loaded, without loading the others (the end sequence
// unloads them one by one).
std::vector<GameWindow*> DragHandle::loadedGroup() {
    std::vector<GameWindow*> loaded;
    for (GameWindow* w : std::initializer_list<GameWindow*>{this, ctx.windows.find<BoardWindow>(),
                                                            ctx.windows.find<StatusStrip>(),
                                                            ctx.windows.find<DieWindow>()})
        if (w && !w->isBeingDestroyed())
            loaded.push_back(w);
    return loaded;
}

void DragHandle::placeGroupOnScreen() {
    placeGroup();
    const QScreen* screen = ctx.screen();
    if (!screen || !windowsCanBePlaced())
        return;
    const std::vector<GameWindow*> windows = group();
    std::vector<QRect> frames;
    for (const GameWindow* w : windows)
        frames.push_back(w->frameGeometry());
    const GroupFit fit = fitInside(frames, screen->availableGeometry());
    for (std::size_t i = 0; i < windows.size(); ++i) {
        windows[i]->setLeftTwips(layout::twips(fit.positions[i].x()));
        windows[i]->setTopTwips(layout::twips(fit.positions[i].y()));
    }
    // Squeezed onto a small screen, the board would cover the die and the handle: they come
    // to the front once the board (shown after this) is up.
    if (!fit.keptTogether)
        QTimer::singleShot(0, this, &DragHandle::bringCompanionsToFront);
}

void DragHandle::bringCompanionsToFront() {
    for (GameWindow* w : loadedGroup())
        if (w != ctx.windows.find<BoardWindow>())
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
    QPoint offset;
    if (moved == ctx.windows.find<BoardWindow>())
        offset = kBoardOffset;
    else if (moved == ctx.windows.find<StatusStrip>())
        offset = kStatusOffset;
    else if (moved == ctx.windows.find<DieWindow>())
        offset = kDieOffset;
    setLeftTwips(moved->leftTwips() - offset.x());
    setTopTwips(moved->topTwips() - offset.y());
    placeGroup();
}

void DragHandle::systemClose() {
    if (BoardWindow* board = ctx.windows.find<BoardWindow>())
        ctx.windows.unloadWindow(*board);
}

} // namespace tavrin
