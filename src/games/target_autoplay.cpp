#include "app/app_context.h"
#include "app/autoplay.h"
#include "games/frm_game2.h"

namespace tavrin {

// Stand-in until the game itself lands: close the window after a pause.
void autoplayTargetStep(AppContext& ctx, AutoplayPace& pace) {
    if (pace.idleMs() < 2000)
        return;
    pace.acted();
    ctx.forms.get<FrmGame2>().close();
}

} // namespace tavrin
