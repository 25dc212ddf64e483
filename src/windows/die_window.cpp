#include "windows/die_window.h"

#include "controls/accessible.h"
#include "controls/image_control.h"
#include "controls/interval_timer.h"
#include "layouts/window_layouts.h"
#include "rules/random.h"
#include "windows/accessible_names.h"
#include "windows/image_bank.h"
#include "windows/keyboard_focus.h"

namespace tavrin {

DieWindow::DieWindow(const WindowBasics& basics, rules::Random& rng)
    : GameWindow(basics, layout::dieWindowLayout()), rng_(rng), face_(bind(layout::die::face)),
      turnTimer_(bind(layout::die::turnTimer)), turningInterval_(turnTimer_.interval()) {
    connect(&turnTimer_, &IntervalTimer::ticked, this, &DieWindow::onTurnTick);
    connect(&face_, &ImageControl::clicked, this, &DieWindow::onDieClicked);
    setAccessibleName("骰子 Die");
    accessible::setRole(face_, accessible::Role::Button);
    takeFocusFirst(face_);
}

void DieWindow::onLoad() {
    rng_.reseed();
    session().resetDie(rng_);
    showFace();
    listenToSession();
}

void DieWindow::onTurnTick() {
    if (session().turnDie(rng_))
        showFace();
}

void DieWindow::onDieClicked() {
    stopTurning();
    showFace(true);
    session().throwDie();
}

bool DieWindow::isTurning() const {
    return turnTimer_.interval() != 0;
}

void DieWindow::dieReleased() {
    startTurning();
}

// The timer runs again after a bonus; a die held by a click during the mini-game still ignores
// its ticks until that face has been thrown.
void DieWindow::miniGameClosed(rules::MiniGame, rules::MiniGameEnd how) {
    if (how == rules::MiniGameEnd::Finished)
        startTurning();
}

void DieWindow::startTurning() {
    turnTimer_.setInterval(turningInterval_);
}

void DieWindow::stopTurning() {
    turnTimer_.setInterval(0);
}

void DieWindow::showFace(bool announce) {
    const int face = session().state().dieFace;
    face_.setPicture(images::dieFace(face));
    accessible::setName(face_, dieReading(face), announce);
}

} // namespace tavrin
