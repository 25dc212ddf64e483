#include "windows/frm_start.h"

#include "app/app_context.h"
#include "board/frm_map.h"
#include "controls/label_control.h"
#include "layouts/window_layouts.h"

namespace tavrin {

FrmStart::FrmStart(AppContext& ctx) : Form(ctx, layout::frmStartLayout()) {
    connect(&label("Label4"), &LabelControl::Click, this, &FrmStart::Label4_Click);
}

void FrmStart::Label4_Click() {
    // Unloaded before the board shows, so the start window can never come back.
    ctx.forms.unloadForm(*this);
    ctx.forms.show<FrmMap>();
}

void FrmStart::systemClose() {
    ctx.forms.endAtOnce(0);
}

} // namespace tavrin
