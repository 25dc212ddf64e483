#include "windows/status_strip.h"

#include "controls/image_control.h"
#include "controls/interval_timer.h"
#include "controls/picture_box.h"
#include "layouts/window_layouts.h"
#include "platform/config.h"
#include "rules/status_digits.h"
#include "windows/app_context.h"
#include "windows/image_bank.h"

namespace tavrin {

StatusStrip::StatusStrip(AppContext& ctx) : GameWindow(ctx, layout::statusStripLayout()) {
    connect(&timer("Timer1"), &IntervalTimer::Timer, this, &StatusStrip::Timer1_Timer);
    connect(&image("imgInfo"), &ImageControl::Click, this, &StatusStrip::imgInfo_Click);
    connect(&image("imgHelp"), &ImageControl::Click, this, &StatusStrip::imgHelp_Click);
    connect(&image("imgSearch"), &ImageControl::Click, this, &StatusStrip::imgSearch_Click);
    connect(&image("imgExit"), &ImageControl::Click, this, &StatusStrip::imgExit_Click);
}

void StatusStrip::Timer1_Timer() {
    showNumber("imgScore", ctx.state.Score);
    showNumber("imgTrial", ctx.state.Trial);
}

void StatusStrip::showNumber(const QString& row, long long number) {
    const auto digits = rules::statusDigits(number);
    const ImageBank& bank = ctx.windows.get<ImageBank>();
    for (int i = 0; i < 6; ++i)
        pictureBox(row, i).setPicture(bank.RedDigit(digits[i]));
}

void StatusStrip::imgInfo_Click() {
    ctx.desktop.openAddress(config::kHomePage);
}

void StatusStrip::imgHelp_Click() {
    ctx.desktop.openAddress(config::kReadmePage);
}

void StatusStrip::imgSearch_Click() {
    ctx.desktop.openAddress(QString(config::kSearchHost) + config::kSearchPathAndQuery);
}

void StatusStrip::imgExit_Click() {
    const auto answer =
        ctx.messages.show(this, kExitQuestion, "Tavrin", MessageBoxes::Buttons::YesNo);
    if (answer == MessageBoxes::Answer::Yes) {
        ctx.log.write("quit");
        ctx.windows.endAtOnce(0);
    }
}

} // namespace tavrin
