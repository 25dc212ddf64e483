#include "windows/frm_face.h"

#include "app/app_context.h"
#include "board/frm_dice.h"
#include "board/frm_map.h"
#include "controls/image_control.h"
#include "layouts/window_layouts.h"
#include "windows/frm_status.h"

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

FrmFace::FrmFace(AppContext& ctx) : Form(ctx, layout::frmFaceLayout()) {
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

void FrmFace::Image1_MouseDown(int, int, double X, double Y) {
    raise(); // dragged over the board, the handle stays in sight
    DragActive = true;
    DragStartX = X;
    DragStartY = Y;
}

void FrmFace::Image1_MouseMove(int, int, double X, double Y) {
    if (!DragActive)
        return;
    setLeft(static_cast<int>(X - DragStartX) + Left());
    setTop(static_cast<int>(Y - DragStartY) + Top());
    QCoreApplication::processEvents();
}

void FrmFace::Image1_MouseUp(int, int, double, double) {
    DragActive = false;
    // Each step reads the handle's position anew.
    ctx.forms.get<FrmMap>().setTop(Top() - 4800);
    ctx.forms.get<FrmMap>().setLeft(Left() + 1400);
    ctx.forms.get<FrmStatus>().setLeft(Left() + 1960);
    ctx.forms.get<FrmStatus>().setTop(Top() + 600);
    ctx.forms.get<FrmDice>().setLeft(Left() + 7500);
    ctx.forms.get<FrmDice>().setTop(Top());
}

void FrmFace::systemClose() {
    if (FrmMap* board = ctx.forms.find<FrmMap>())
        ctx.forms.unloadForm(*board);
}

} // namespace tavrin
