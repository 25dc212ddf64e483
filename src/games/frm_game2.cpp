#include "games/frm_game2.h"

#include "app/app_context.h"
#include "board/frm_dice.h"
#include "controls/vb_timer.h"
#include "layouts/window_layouts.h"

namespace tavrin {

FrmGame2::FrmGame2(AppContext& ctx) : Form(ctx, layout::frmGame2Layout()) {}

void FrmGame2::Form_Load() {
    ctx.state.MapActive = false;
    ctx.forms.get<FrmDice>().timer("Timer1").setInterval(0);
}

void FrmGame2::Form_Unload(int&) {
    ctx.state.MapActive = true;
}

} // namespace tavrin
