#include "app/autoplay.h"
#include "controls/image_control.h"
#include "rules/target_scoring.h"
#include "windows/app_context.h"
#include "windows/target_game_window.h"

namespace tavrin {
namespace {

constexpr int kShotPauseMs = 900;
// Every fifth shot goes astray onto a healthy habit; the others hit a cause.
constexpr int kShotsPerMistake = 5;
constexpr int kCauses[] = {0, 2, 4};
constexpr int kHabits[] = {1, 3};

} // namespace

// A shot at a human pace through a real click on the target, wherever it stands now.
void autoplayTargetStep(AppContext& ctx, AutoplayPace& pace) {
    static int shots = 0;
    if (pace.idleMs() < kShotPauseMs)
        return;
    pace.acted();
    ++shots;
    const int target =
        shots % kShotsPerMistake == 0 ? kHabits[shots / kShotsPerMistake % 2] : kCauses[shots % 3];
    clickWidget(ctx.windows.get<TargetGameWindow>().target(target));
}

} // namespace tavrin
