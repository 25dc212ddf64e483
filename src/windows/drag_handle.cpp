#include "windows/drag_handle.h"

#include "controls/image_control.h"
#include "layouts/window_layouts.h"
#include "platform/window_system.h"
#include "windows/app_context.h"
#include "windows/board_window.h"
#include "windows/die_window.h"
#include "windows/status_strip.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QWindow>

namespace tavrin {
namespace {

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
}

void DragHandle::placeGroup() {
    // Each step reads the handle's position anew.
    ctx.windows.get<BoardWindow>().setTopTwips(topTwips() - 4800);
    ctx.windows.get<BoardWindow>().setLeftTwips(leftTwips() + 1400);
    ctx.windows.get<StatusStrip>().setLeftTwips(leftTwips() + 1960);
    ctx.windows.get<StatusStrip>().setTopTwips(topTwips() + 600);
    ctx.windows.get<DieWindow>().setLeftTwips(leftTwips() + 7500);
    ctx.windows.get<DieWindow>().setTopTwips(topTwips());
}

void DragHandle::systemClose() {
    if (BoardWindow* board = ctx.windows.find<BoardWindow>())
        ctx.windows.unloadWindow(*board);
}

} // namespace tavrin
