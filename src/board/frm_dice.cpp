#include "board/frm_dice.h"

#include "app/app_context.h"
#include "art/frm_gra.h"
#include "board/frm_map.h"
#include "controls/image_control.h"
#include "controls/vb_timer.h"
#include "layouts/window_layouts.h"

#include <QLineEdit>

namespace tavrin {

FrmDice::FrmDice(AppContext& ctx) : Form(ctx, layout::frmDiceLayout()) {
    connect(&timer("Timer1"), &VbTimer::Timer, this, &FrmDice::Timer1_Timer);
    connect(&image("imgDice"), &ImageControl::Click, this, &FrmDice::imgDice_Click);
}

void FrmDice::Form_Load() {
    ctx.rng.reseed();
    ctx.state.DiceHeld = false;
    // A face from the start, so that a click before the first tick still throws 1 to 6.
    ctx.state.DiceValue = ctx.rng.wholeUpTo(6);
    showFace();
}

void FrmDice::Timer1_Timer() {
    if (ctx.state.DiceHeld)
        return;
    ctx.state.DiceValue = ctx.rng.wholeUpTo(6);
    showFace();
}

void FrmDice::imgDice_Click() {
    timer("Timer1").setInterval(0);
    ctx.state.DiceHeld = true;
    lineText("Text1").setText(QString::number(ctx.state.DiceValue));
    showFace();
    ctx.forms.get<FrmMap>().MoveChar();
}

void FrmDice::showFace() {
    image("imgDice").setPicture(ctx.forms.get<FrmGra>().DiceGra(ctx.state.DiceValue));
}

} // namespace tavrin
