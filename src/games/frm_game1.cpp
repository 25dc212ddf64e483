#include "games/frm_game1.h"

#include "app/app_context.h"
#include "board/frm_dice.h"
#include "controls/vb_timer.h"
#include "layouts/window_layouts.h"

namespace tavrin {

FrmGame1::FrmGame1(AppContext& ctx) : Form(ctx, layout::frmGame1Layout()) {}

void FrmGame1::Form_Load() {
    ctx.state.MapActive = false;
    ctx.forms.get<FrmDice>().timer("Timer1").setInterval(0);
}

void FrmGame1::Form_Unload(int&) {
    ctx.state.MapActive = true;
}

} // namespace tavrin
