#include "app/app_context.h"
#include "app/autoplay.h"
#include "games/frm_game1.h"

namespace tavrin {

// Stand-in until the game itself lands: close the window after a pause.
void autoplayQuizStep(AppContext& ctx, AutoplayPace& pace) {
    if (pace.idleMs() < 2000)
        return;
    pace.acted();
    ctx.forms.get<FrmGame1>().close();
}

} // namespace tavrin
