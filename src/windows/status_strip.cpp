#include "windows/status_strip.h"

#include "art/pictures.h"
#include "controls/image_control.h"
#include "controls/label_control.h"
#include "controls/picture_box.h"
#include "controls/reading_control.h"
#include "layouts/window_layouts.h"
#include "platform/message_boxes.h"
#include "rules/event_log.h"
#include "rules/status_digits.h"
#include "windows/accessible_names.h"
#include "windows/image_bank.h"
#include "windows/links.h"
#include "windows/win_text.h"
#include "windows/window_registry.h"

namespace tavrin {

StatusStrip::StatusStrip(const WindowBasics& basics, rules::EventLog& log, MessageBoxes& messages,
                         Links& links, QString language)
    : GameWindow(basics, layout::statusStripLayout()), log_(log), messages_(messages),
      links_(links), language_(std::move(language)),
      scoreDigits_(bind(layout::status::scoreDigits)),
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
    if (language_ != "zh-HK")
        trialWord_.setPicture(picture("picWordThrows"));
    listenToSession();
    standingChanged();
}

void StatusStrip::standingChanged() {
    const rules::GameState& state = session().state();
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
    setMessage(QString::fromStdString(session().message(outcome.to)));
}

void StatusStrip::gameWon() {
    setMessage(winText());
}

void StatusStrip::onInfoClicked() {
    links_.open(this, links_.infoCenter());
}

void StatusStrip::onHelpClicked() {
    links_.open(this, links_.help());
}

void StatusStrip::onSearchClicked() {
    links_.open(this, searchAddress());
}

void StatusStrip::onExitClicked() {
    const auto answer =
        messages_.show(this, exitQuestion(), "Tavrin", MessageBoxes::Buttons::YesNo);
    if (answer == MessageBoxes::Answer::Yes) {
        log_.write("quit");
        windows().endAtOnce(0);
    }
}

} // namespace tavrin
