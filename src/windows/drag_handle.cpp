#include "windows/drag_handle.h"

#include "windows/app_context.h"
#include "windows/die_window.h"
#include "windows/board_window.h"
#include "controls/image_control.h"
#include "layouts/window_layouts.h"
#include "windows/status_strip.h"

#include <QCoreApplication>
#include <QMouseEvent>

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
    ImageControl& handle = image("Image1");
    connect(&handle, &ImageControl::MouseDown, this, [this](QMouseEvent* e) {
        Image1_MouseDown(e->button(), e->modifiers(), twipsX(e), twipsY(e));
    });
    connect(&handle, &ImageControl::MouseMove, this, [this](QMouseEvent* e) {
        Image1_MouseMove(e->buttons(), e->modifiers(), twipsX(e), twipsY(e));
    });
    connect(&handle, &ImageControl::MouseUp, this, [this](QMouseEvent* e) {
        Image1_MouseUp(e->button(), e->modifiers(), twipsX(e), twipsY(e));
    });
}

void DragHandle::Image1_MouseDown(int, int, double X, double Y) {
    raise(); // dragged over the board, the handle stays in sight
    DragActive = true;
    DragStartX = X;
    DragStartY = Y;
}

void DragHandle::Image1_MouseMove(int, int, double X, double Y) {
    if (!DragActive)
        return;
    setLeft(static_cast<int>(X - DragStartX) + Left());
    setTop(static_cast<int>(Y - DragStartY) + Top());
    QCoreApplication::processEvents();
}

void DragHandle::Image1_MouseUp(int, int, double, double) {
    DragActive = false;
    // Each step reads the handle's position anew.
    ctx.windows.get<BoardWindow>().setTop(Top() - 4800);
    ctx.windows.get<BoardWindow>().setLeft(Left() + 1400);
    ctx.windows.get<StatusStrip>().setLeft(Left() + 1960);
    ctx.windows.get<StatusStrip>().setTop(Top() + 600);
    ctx.windows.get<DieWindow>().setLeft(Left() + 7500);
    ctx.windows.get<DieWindow>().setTop(Top());
}

void DragHandle::systemClose() {
    if (BoardWindow* board = ctx.windows.find<BoardWindow>())
        ctx.windows.unloadForm(*board);
}

} // namespace tavrin
