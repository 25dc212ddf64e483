#include "windows/board_window.h"

#include "controls/accessible.h"
#include "controls/image_control.h"
#include "layouts/window_layouts.h"
#include "rules/content_error.h"
#include "rules/quiz_rules.h"
#include "windows/app_context.h"
#include "windows/die_window.h"
#include "windows/drag_handle.h"
#include "windows/end_window.h"
#include "windows/game_menu.h"
#include "windows/image_bank.h"
#include "windows/quiz_window.h"
#include "windows/status_strip.h"
#include "windows/target_game_window.h"

namespace tavrin {
namespace {

constexpr int kCharacterLift = 300;
constexpr int kWinOffsetLeft = 70;
constexpr int kWinOffsetTop = 200;

} // namespace

BoardWindow::BoardWindow(AppContext& ctx) : GameWindow(ctx, layout::boardWindowLayout()) {
    GameMenu::attachTo(*this, ctx);
}

void BoardWindow::onLoad() {
    openCompanionWindows();
    ctx.rng.reseed();
    try {
        ctx.session.start(rules::readBoardFiles(ctx.contentDir()));
        // A broken set stops the game before play, not at its first quiz.
        rules::checkQuizFile(ctx.contentDir());
    } catch (const rules::ContentError& error) {
        ctx.fatal(error);
    }
    showSquares();
    placeCharacter(ctx.session.state().square);
    // After its companions: the status strip shows a throw's message before the board acts
    // on it (a win's message box among them).
    listenToSession();
}

void BoardWindow::openCompanionWindows() {
    ctx.windows.show<StatusStrip>();
    ctx.windows.show<DieWindow>();
    ctx.windows.show<DragHandle>();
    ctx.audio.startMusic();
    ctx.windows.get<DragHandle>().placeGroupOnScreen();
}

void BoardWindow::showSquares() {
    const ImageBank& bank = ctx.windows.get<ImageBank>();
    for (int i = 0; i < rules::kSquareCount; ++i) {
        ImageControl& square = image("squares", i);
        square.setPicture(
            bank.squarePicture(rules::tilePictureIndex(ctx.session.board().values[i])));
        // Square boxes on a square grid; the unscaled picture sits in the middle of its box.
        square.setBorder(false);
        square.setCentered(true);
        square.resize(square.height(), square.height());
        square.setStretch(false);
        accessible::setName(square, QString::fromStdString(ctx.session.message(i)), false);
    }
}

void BoardWindow::placeCharacter(int square) {
    ImageControl& box = image("squares", square);
    moveControl(image("character"), controlLeft(box), controlTop(box) - kCharacterLift);
    for (int i = 0; i < rules::kSquareCount; ++i)
        accessible::setMarked(image("squares", i), i == square);
}

void BoardWindow::throwPlayed(const rules::ThrowOutcome& outcome) {
    // Only the final square is ever drawn: nothing gives way to the event loop meanwhile.
    for (int square : outcome.path())
        placeCharacter(square);
}

void BoardWindow::miniGameOpened(rules::MiniGame game) {
    if (game == rules::MiniGame::Quiz)
        ctx.windows.show<QuizWindow>();
    else
        ctx.windows.show<TargetGameWindow>();
}

void BoardWindow::gameWon() {
    const ImageControl& heart = image("heart");
    moveControl(image("character"), controlLeft(heart) + kWinOffsetLeft,
                controlTop(heart) + kWinOffsetTop);
    ctx.messages.show(this, winText(), "Tavrin", MessageBoxes::Buttons::Ok);
}

void BoardWindow::gameEnded() {
    runEndSequence();
}

// Closed by the system (through the handle): the game ends the same way.
void BoardWindow::onUnload() {
    runEndSequence();
}

void BoardWindow::runEndSequence() {
    ctx.windows.unload<DieWindow>();
    ctx.windows.unload<DragHandle>();
    ctx.windows.unload<QuizWindow>();
    ctx.windows.unload<TargetGameWindow>();
    ctx.audio.stopMusic();
    ctx.windows.unload<ImageBank>();
    ctx.windows.unload<StatusStrip>();
    hide();
    ctx.windows.show<EndWindow>();
}

} // namespace tavrin
