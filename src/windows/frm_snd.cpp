#include "windows/frm_snd.h"

#include "layouts/window_layouts.h"

namespace tavrin {

FrmSnd::FrmSnd(AppContext& ctx) : Form(ctx, layout::frmSndLayout()) {}

} // namespace tavrin
