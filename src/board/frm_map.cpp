#include "board/frm_map.h"

#include "app/app_context.h"
#include "art/frm_gra.h"
#include "board/board_rules.h"
#include "board/frm_dice.h"
#include "content/content_error.h"
#include "controls/image_control.h"
#include "controls/label_control.h"
#include "controls/vb_timer.h"
#include "games/frm_game1.h"
#include "games/frm_game2.h"
#include "layouts/window_layouts.h"
#include "windows/frm_end.h"
#include "windows/frm_face.h"
#include "windows/frm_snd.h"
#include "windows/frm_status.h"

namespace tavrin {
namespace {

constexpr int kCharacterLift = 300;
constexpr int kWinOffsetLeft = 70;
constexpr int kWinOffsetTop = 200;

} // namespace

FrmMap::FrmMap(AppContext& ctx) : Form(ctx, layout::frmMapLayout()) {}

void FrmMap::Form_Load() {
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

void FrmMap::openCompanionWindows() {
    ctx.forms.show<FrmStatus>();
    ctx.forms.show<FrmDice>();
    ctx.forms.show<FrmFace>();
    ctx.forms.get<FrmSnd>();
    ctx.forms.get<FrmFace>().Image1_MouseUp(0, 0, 0, 0);
}

void FrmMap::buildBoard() {
    try {
        board_ = readBoardFiles(ctx.dataDir());
    } catch (const ContentError& error) {
        ctx.fatal(error);
    }
    for (int i = 0; i < kSquareCount; ++i) {
        image("tiles", i)
            .setPicture(ctx.forms.get<FrmGra>().imgTiles(tilePictureIndex(board_.values[i])));
        ctx.state.MapMsg[i] = board_.messages[i];
    }
}

void FrmMap::placeCharacter(int square) {
    ImageControl& tile = image("tiles", square);
    moveControl(image("imgChar"), controlLeft(tile), controlTop(tile) - kCharacterLift);
}

void FrmMap::setMessage(const QString& text) {
    ctx.forms.get<FrmStatus>().label("lblMsg").setCaption(text);
}

void FrmMap::releaseDie() {
    ctx.state.DiceHeld = false;
    ctx.forms.get<FrmDice>().timer("Timer1").setInterval(FrmDice::kTurningInterval);
}

void FrmMap::MoveChar() {
    using Kind = ThrowOutcome::Kind;
    const int face = ctx.state.DiceValue;
    const ThrowOutcome outcome = playThrow(ctx.state, CharPos, board_);
    int cancel = 0;
    switch (outcome.kind) {
    case Kind::Refused:
        ctx.log.write("refused", {EventLog::field("face", face)});
        return;
    case Kind::Won:
        showWin();
        Form_Unload(cancel);
        return;
    case Kind::LimitReached:
        ctx.log.write("limit", {EventLog::field("trial", ctx.state.Trial)});
        Form_Unload(cancel);
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
        ctx.forms.show<FrmGame1>();
    } else if (outcome.effect == SquareEffect::OpenTarget) {
        ctx.log.write("open", {EventLog::field("game", "target")});
        ctx.forms.show<FrmGame2>();
    }
    releaseDie();
}

void FrmMap::showWin() {
    const ImageControl& heart = image("Image1");
    moveControl(image("imgChar"), controlLeft(heart) + kWinOffsetLeft,
                controlTop(heart) + kWinOffsetTop);
    setMessage(kWinText);
    ctx.log.write("win", {EventLog::field("score", ctx.state.Score)});
    ctx.messages.show(this, kWinText, "Tavrin", MessageBoxes::Buttons::Ok);
}

void FrmMap::Form_Unload(int&) {
    ctx.forms.unload<FrmDice>();
    ctx.forms.unload<FrmFace>();
    ctx.forms.unload<FrmGame1>();
    ctx.forms.unload<FrmGame2>();
    ctx.forms.unload<FrmSnd>();
    ctx.forms.unload<FrmGra>();
    ctx.forms.unload<FrmStatus>();
    hide();
    ctx.forms.show<FrmEnd>();
}

} // namespace tavrin
