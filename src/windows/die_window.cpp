#include "windows/die_window.h"

#include "windows/app_context.h"
#include "windows/image_bank.h"
#include "windows/board_window.h"
#include "controls/image_control.h"
#include "controls/interval_timer.h"
#include "layouts/window_layouts.h"

#include <QLineEdit>

namespace tavrin {

DieWindow::DieWindow(AppContext& ctx) : GameWindow(ctx, layout::dieWindowLayout()) {
    connect(&timer("Timer1"), &IntervalTimer::Timer, this, &DieWindow::Timer1_Timer);
    connect(&image("imgDice"), &ImageControl::Click, this, &DieWindow::imgDice_Click);
}

void DieWindow::onLoad() {
    ctx.rng.reseed();
    ctx.state.DiceHeld = false;
    // A face from the start, so that a click before the first tick still throws 1 to 6.
    ctx.state.DiceValue = ctx.rng.wholeUpTo(6);
    showFace();
}

void DieWindow::Timer1_Timer() {
    if (ctx.state.DiceHeld)
        return;
    ctx.state.DiceValue = ctx.rng.wholeUpTo(6);
    showFace();
}

void DieWindow::imgDice_Click() {
    timer("Timer1").setInterval(0);
    ctx.state.DiceHeld = true;
    lineText("Text1").setText(QString::number(ctx.state.DiceValue));
    showFace();
    ctx.windows.get<BoardWindow>().MoveChar();
}

void DieWindow::showFace() {
    image("imgDice").setPicture(ctx.windows.get<ImageBank>().DiceGra(ctx.state.DiceValue));
}

} // namespace tavrin
