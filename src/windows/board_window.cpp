#include "windows/board_window.h"

#include "controls/accessible.h"
#include "controls/image_control.h"
#include "controls/reading_control.h"
#include "layouts/window_layouts.h"
#include "platform/message_boxes.h"
#include "rules/content_error.h"
#include "rules/quiz_rules.h"
#include "rules/random.h"
#include "windows/accessible_names.h"
#include "windows/image_bank.h"
#include "windows/playing_screen.h"
#include "windows/win_text.h"

namespace tavrin {
namespace {

// Above the square it stands on; on the heart, a little to the right and down (70 and 200 twips
// as first laid out).
constexpr int kCharacterLift = 20;
constexpr QPoint kWinOffset(5, 13);

} // namespace

BoardWindow::BoardWindow(const WindowBasics& basics, rules::Random& rng, MessageBoxes& messages,
                         PlayingScreen& playingScreen, std::string contentDir,
                         ContentFailure failed)
    : GameWindow(basics, layout::boardWindowLayout()), rng_(rng), messages_(messages),
      playingScreen_(playingScreen), contentDir_(std::move(contentDir)), failed_(std::move(failed)),
      character_(bind(layout::board::character)), squares_(bind(layout::board::squares)),
      heart_(bind(layout::board::heart)) {
    describe();
}

// The squares are a list whose mark is where the character stands.
void BoardWindow::describe() {
    setAccessibleName("遊戲地圖 Game board");
    ReadingControl& list = addReading(*this, "squareList", rect());
    accessible::setRole(list, accessible::Role::List);
    accessible::setName(list, "方格 Squares", false);
    QList<QWidget*> squares;
    for (ImageControl* square : squares_) {
        squares << square;
        accessible::setRole(*square, accessible::Role::ListItem);
    }
    accessible::setListItems(list, squares);
    accessible::hide(character_);
    accessible::hide(heart_);
}

void BoardWindow::onLoad() {
    playingScreen_.openCompanions();
    rng_.reseed();
    try {
        session().start(rules::readBoardFiles(contentDir_));
        // A broken set stops the game before play, not at its first quiz.
        rules::checkQuizFile(contentDir_);
    } catch (const rules::ContentError& error) {
        failed_(error);
        return;
    }
    showSquares();
    placeCharacter(session().state().square);
    // After its companions: the status strip shows a throw's message before the board acts
    // on it (a win's message box among them).
    listenToSession();
}

void BoardWindow::showSquares() {
    for (int i = 0; i < rules::kSquareCount; ++i) {
        ImageControl& square = *squares_[i];
        square.setPicture(
            images::squarePicture(rules::tilePictureIndex(session().board().values[i])));
        // Square boxes on a square grid; the unscaled picture sits in the middle of its box.
        square.setBorder(false);
        square.setCentered(true);
        square.resize(square.height(), square.height());
        square.setStretch(false);
        accessible::setName(square, QString::fromStdString(session().message(i)), false);
    }
}

void BoardWindow::placeCharacter(int square) {
    character_.move(squares_[square]->pos() - QPoint(0, kCharacterLift));
    for (int i = 0; i < rules::kSquareCount; ++i)
        accessible::setMarked(*squares_[i], i == square);
}

void BoardWindow::throwPlayed(const rules::ThrowOutcome& outcome) {
    // Only the final square is ever drawn: nothing gives way to the event loop meanwhile.
    for (int square : outcome.path())
        placeCharacter(square);
}

void BoardWindow::miniGameOpened(rules::MiniGame game) {
    playingScreen_.openMiniGame(game);
}

void BoardWindow::gameWon() {
    character_.move(heart_.pos() + kWinOffset);
    messages_.show(this, winText(), "Tavrin", MessageBoxes::Buttons::Ok);
}

void BoardWindow::gameEnded() {
    runEndSequence();
}

// Closed by the system (through the handle): the game ends the same way.
void BoardWindow::onUnload() {
    runEndSequence();
}

void BoardWindow::runEndSequence() {
    playingScreen_.closeCompanions();
    hide();
    playingScreen_.showEnd();
}

} // namespace tavrin
