#include "windows/board_window.h"

#include "windows/app_context.h"
#include "windows/image_bank.h"
#include "rules/board_rules.h"
#include "windows/die_window.h"
#include "rules/content_error.h"
#include "controls/image_control.h"
#include "controls/label_control.h"
#include "controls/interval_timer.h"
#include "windows/quiz_window.h"
#include "windows/target_game_window.h"
#include "layouts/window_layouts.h"
#include "windows/end_window.h"
#include "windows/drag_handle.h"
#include "windows/sound_holder.h"
#include "windows/status_strip.h"
#include "rules/quiz_rules.h"

namespace tavrin {
namespace {

constexpr int kCharacterLift = 300;
constexpr int kWinOffsetLeft = 70;
constexpr int kWinOffsetTop = 200;

} // namespace

BoardWindow::BoardWindow(AppContext& ctx) : GameWindow(ctx, layout::boardWindowLayout()) {}

void BoardWindow::onLoad() {
    openCompanionWindows();
    ctx.rng.reseed();
    CharPos = 0;
    ctx.state.Trial = 1;
    ctx.state.Score = kStartScore;
    ctx.state.MapActive = true;
    buildBoard();
    placeCharacter(CharPos);
    for (int i = 0; i < kSquareCount; ++i) {
        // Square boxes on a square grid; the unscaled picture sits in the middle of its box.
        ImageControl& tile = image("tiles", i);
        tile.setBorder(false);
        tile.setCentered(true);
        tile.resize(tile.height(), tile.height());
        tile.setStretch(false);
    }
}

void BoardWindow::openCompanionWindows() {
    ctx.windows.show<StatusStrip>();
    ctx.windows.show<DieWindow>();
    ctx.windows.show<DragHandle>();
    ctx.windows.get<SoundHolder>();
    ctx.windows.get<DragHandle>().Image1_MouseUp(0, 0, 0, 0);
}

void BoardWindow::buildBoard() {
    try {
        board_ = readBoardFiles(ctx.dataDir());
        checkQuizFile(ctx.dataDir()); // a broken set stops the game before play, not at a quiz
    } catch (const ContentError& error) {
        ctx.fatal(error);
    }
    for (int i = 0; i < kSquareCount; ++i) {
        image("tiles", i)
            .setPicture(ctx.windows.get<ImageBank>().imgTiles(tilePictureIndex(board_.values[i])));
        ctx.state.MapMsg[i] = board_.messages[i];
    }
}

void BoardWindow::placeCharacter(int square) {
    ImageControl& tile = image("tiles", square);
    moveControl(image("imgChar"), controlLeft(tile), controlTop(tile) - kCharacterLift);
}

void BoardWindow::setMessage(const QString& text) {
    ctx.windows.get<StatusStrip>().label("lblMsg").setCaption(text);
}

void BoardWindow::releaseDie() {
    ctx.state.DiceHeld = false;
    ctx.windows.get<DieWindow>().timer("Timer1").setInterval(DieWindow::kTurningInterval);
}

void BoardWindow::MoveChar() {
    using Kind = ThrowOutcome::Kind;
    const int face = ctx.state.DiceValue;
    const ThrowOutcome outcome = playThrow(ctx.state, CharPos, board_);
    switch (outcome.kind) {
    case Kind::Refused:
        ctx.log.write("refused", {EventLog::field("face", face)});
        return;
    case Kind::Won:
        showWin();
        onUnload();
        return;
    case Kind::LimitReached:
        ctx.log.write("limit", {EventLog::field("trial", ctx.state.Trial)});
        onUnload();
        return;
    case Kind::Moved:
        break;
    }
    // Only the final square is ever drawn: nothing gives way to the event loop meanwhile.
    for (int square : outcome.path)
        placeCharacter(square);
    setMessage(QString::fromStdString(ctx.state.MapMsg[CharPos]));
    ctx.log.write("throw",
                  {EventLog::field("face", face), EventLog::field("trial", ctx.state.Trial),
                   EventLog::field("from", outcome.from), EventLog::field("to", outcome.to),
                   EventLog::field("value", outcome.value),
                   EventLog::field("score", ctx.state.Score)});
    if (outcome.effect == SquareEffect::OpenQuiz) {
        ctx.log.write("open", {EventLog::field("game", "quiz")});
        ctx.windows.show<QuizWindow>();
    } else if (outcome.effect == SquareEffect::OpenTarget) {
        ctx.log.write("open", {EventLog::field("game", "target")});
        ctx.windows.show<TargetGameWindow>();
    }
    releaseDie();
}

void BoardWindow::showWin() {
    const ImageControl& heart = image("Image1");
    moveControl(image("imgChar"), controlLeft(heart) + kWinOffsetLeft,
                controlTop(heart) + kWinOffsetTop);
    setMessage(kWinText);
    ctx.log.write("win", {EventLog::field("score", ctx.state.Score)});
    ctx.messages.show(this, kWinText, "Tavrin", MessageBoxes::Buttons::Ok);
}

void BoardWindow::onUnload() {
    ctx.windows.unload<DieWindow>();
    ctx.windows.unload<DragHandle>();
    ctx.windows.unload<QuizWindow>();
    ctx.windows.unload<TargetGameWindow>();
    ctx.windows.unload<SoundHolder>();
    ctx.windows.unload<ImageBank>();
    ctx.windows.unload<StatusStrip>();
    hide();
    ctx.windows.show<EndWindow>();
}

} // namespace tavrin
