#include "windows/status_strip.h"

#include "art/pictures.h"
#include "controls/image_control.h"
#include "controls/label_control.h"
#include "controls/picture_box.h"
#include "controls/reading_control.h"
#include "layouts/window_layouts.h"
#include "rules/status_digits.h"
#include "windows/accessible_names.h"
#include "windows/app_context.h"
#include "windows/game_menu.h"
#include "windows/image_bank.h"
#include "windows/links.h"
#include "windows/win_text.h"

namespace tavrin {

StatusStrip::StatusStrip(AppContext& ctx)
    : GameWindow(ctx, layout::statusStripLayout()), scoreDigits_(bind(layout::status::scoreDigits)),
      trialDigits_(bind(layout::status::trialDigits)), scoreWord_(bind(layout::status::scoreWord)),
      trialWord_(bind(layout::status::trialWord)), message_(bind(layout::status::message)) {
    const std::pair<layout::ImageId, void (StatusStrip::*)()> shields[] = {
        {layout::status::infoShield, &StatusStrip::onInfoClicked},
        {layout::status::helpShield, &StatusStrip::onHelpClicked},
        {layout::status::searchShield, &StatusStrip::onSearchClicked},
        {layout::status::exitShield, &StatusStrip::onExitClicked},
    };
    describe();
    for (const auto& [shield, onClicked] : shields) {
        ImageControl& control = bind(shield);
        nameByTooltip(*this, control, accessible::Role::Button);
        connect(&control, &ImageControl::clicked, this, onClicked);
    }
    GameMenu::attachTo(*this, ctx);
}

// The digits and their words are read as one sentence each, as they change.
void StatusStrip::describe() {
    setAccessibleName("遊戲狀態 Status");
    accessible::setRole(message_, accessible::Role::LiveText);
    scoreReading_ = &addReading(*this, "scoreReading", boxOf(scoreDigits_) | scoreWord_.geometry());
    throwReading_ = &addReading(*this, "throwReading", boxOf(trialDigits_) | trialWord_.geometry());
    hideRow(scoreDigits_);
    hideRow(trialDigits_);
    accessible::hide(scoreWord_);
    accessible::hide(trialWord_);
}

// The Hong Kong edition keeps the word plate as first drawn; the translations name the count
// by what it counts.
void StatusStrip::onLoad() {
    if (ctx.options.language != "zh-HK")
        trialWord_.setPicture(picture("picWordThrows"));
    listenToSession();
    standingChanged();
}

void StatusStrip::standingChanged() {
    const rules::GameState& state = ctx.session.state();
    showNumber(scoreDigits_, state.score);
    showNumber(trialDigits_, state.trial);
    // Read out as the digits change, not before.
    scoreReading_->setReading(scoreReading(state.score));
    throwReading_->setReading(throwReading(state.trial));
}

void StatusStrip::showNumber(const DigitRow& row, long long number) {
    const auto digits = rules::statusDigits(number);
    for (int i = 0; i < 6; ++i)
        row[i]->setPicture(images::redDigit(digits[i]));
}

void StatusStrip::setMessage(const QString& text) {
    message_.setCaption(text);
}

void StatusStrip::throwPlayed(const rules::ThrowOutcome& outcome) {
    setMessage(QString::fromStdString(ctx.session.message(outcome.to)));
}

void StatusStrip::gameWon() {
    setMessage(winText());
}

void StatusStrip::onInfoClicked() {
    openLink(ctx, this, infoCenterAddress(ctx));
}

void StatusStrip::onHelpClicked() {
    openLink(ctx, this, helpAddress(ctx));
}

void StatusStrip::onSearchClicked() {
    openLink(ctx, this, searchAddress());
}

void StatusStrip::onExitClicked() {
    const auto answer =
        ctx.messages.show(this, exitQuestion(), "Tavrin", MessageBoxes::Buttons::YesNo);
    if (answer == MessageBoxes::Answer::Yes) {
        ctx.log.write("quit");
        ctx.windows.endAtOnce(0);
    }
}

} // namespace tavrin
