#include "windows/frm_status.h"

#include "app/app_context.h"
#include "app/config.h"
#include "art/frm_gra.h"
#include "controls/image_control.h"
#include "controls/picture_box.h"
#include "controls/vb_timer.h"
#include "layouts/window_layouts.h"
#include "windows/status_digits.h"

namespace tavrin {

FrmStatus::FrmStatus(AppContext& ctx) : Form(ctx, layout::frmStatusLayout()) {
    connect(&timer("Timer1"), &VbTimer::Timer, this, &FrmStatus::Timer1_Timer);
    connect(&image("imgInfo"), &ImageControl::Click, this, &FrmStatus::imgInfo_Click);
    connect(&image("imgHelp"), &ImageControl::Click, this, &FrmStatus::imgHelp_Click);
    connect(&image("imgSearch"), &ImageControl::Click, this, &FrmStatus::imgSearch_Click);
    connect(&image("imgExit"), &ImageControl::Click, this, &FrmStatus::imgExit_Click);
}

void FrmStatus::Timer1_Timer() {
    showNumber("imgScore", ctx.state.Score);
    showNumber("imgTrial", ctx.state.Trial);
}

void FrmStatus::showNumber(const QString& row, long long number) {
    const auto digits = statusDigits(number);
    const FrmGra& bank = ctx.forms.get<FrmGra>();
    for (int i = 0; i < 6; ++i)
        pictureBox(row, i).setPicture(bank.RedDigit(digits[i]));
}

void FrmStatus::imgInfo_Click() {
    ctx.desktop.openAddress(config::kHomePage);
}

void FrmStatus::imgHelp_Click() {
    ctx.desktop.openAddress(config::kReadmePage);
}

void FrmStatus::imgSearch_Click() {
    ctx.desktop.openAddress(QString(config::kSearchHost) + config::kSearchPathAndQuery);
}

void FrmStatus::imgExit_Click() {
    const auto answer =
        ctx.messages.show(this, kExitQuestion, "Tavrin", MessageBoxes::Buttons::YesNo);
    if (answer == MessageBoxes::Answer::Yes) {
        ctx.log.write("quit");
        ctx.forms.endAtOnce(0);
    }
}

} // namespace tavrin
