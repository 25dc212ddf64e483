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

StatusStrip::StatusStrip(AppContext& ctx) : GameWindow(ctx, layout::statusStripLayout()) {
    connect(&image("infoShield"), &ImageControl::clicked, this, &StatusStrip::onInfoClicked);
    connect(&image("helpShield"), &ImageControl::clicked, this, &StatusStrip::onHelpClicked);
    connect(&image("searchShield"), &ImageControl::clicked, this, &StatusStrip::onSearchClicked);
    connect(&image("exitShield"), &ImageControl::clicked, this, &StatusStrip::onExitClicked);
    GameMenu::attachTo(*this, ctx);
}

// The Hong Kong edition keeps the word plate as first drawn; the translations name the count
// by what it counts.
void StatusStrip::onLoad() {
    if (ctx.options.language != "zh-HK")
        image("trialWord").setPicture(picture("picWordThrows"));
    listenToSession();
    standingChanged();
}

void StatusStrip::standingChanged() {
    const rules::GameState& state = ctx.session.state();
    showNumber("scoreDigits", state.score);
    showNumber("trialDigits", state.trial);
    // Read out as the digits change, not before.
    reading(*this, "scoreReading").setReading(scoreReading(state.score));
    reading(*this, "throwReading").setReading(throwReading(state.trial));
}

void StatusStrip::showNumber(const QString& digitRow, long long number) {
    const auto digits = rules::statusDigits(number);
    for (int i = 0; i < 6; ++i)
        pictureBox(digitRow, i).setPicture(images::redDigit(digits[i]));
}

void StatusStrip::setMessage(const QString& text) {
    label("message").setCaption(text);
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
