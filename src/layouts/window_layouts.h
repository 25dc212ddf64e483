#pragma once

#include "layouts/layout.h"
#include "rules/game_state.h"
#include "rules/quiz_content.h"
#include "rules/target_scoring.h"

namespace tavrin::layout {

// Each window's designed look, applied every time the window loads.
WindowDesign startWindowLayout();
WindowDesign boardWindowLayout();
WindowDesign dieWindowLayout();
WindowDesign statusStripLayout();
WindowDesign dragHandleLayout();
WindowDesign quizWindowLayout();
WindowDesign targetGameWindowLayout();
WindowDesign endWindowLayout();
WindowDesign howToPlayWindowLayout();

using LabelId = ControlId<ControlKind::Label>;
using ImageId = ControlId<ControlKind::Image>;
using TextBoxId = ControlId<ControlKind::TextBox>;
template <int N> using ImageRowId = ControlRowId<ControlKind::Image, N>;
template <int N> using PictureBoxRowId = ControlRowId<ControlKind::PictureBox, N>;
template <int N> using ButtonRowId = ControlRowId<ControlKind::CommandButton, N>;

// The controls and timers of each window that its code binds.
namespace start {
inline constexpr TextBoxId instructions{"instructions"};
inline constexpr LabelId title{"title"};
inline constexpr LabelId startLink{"startLink"};
inline constexpr ImageId character{"character"};
} // namespace start

namespace board {
inline constexpr ImageId character{"character"};
inline constexpr ImageRowId<rules::kSquareCount> squares{"squares"};
inline constexpr ImageId heart{"heart"};
} // namespace board

namespace die {
inline constexpr ImageId face{"dieFace"};
inline constexpr TimerId turnTimer{"turnTimer"};
} // namespace die

namespace status {
inline constexpr PictureBoxRowId<6> trialDigits{"trialDigits"};
inline constexpr PictureBoxRowId<6> scoreDigits{"scoreDigits"};
inline constexpr ImageId trialWord{"trialWord"};
inline constexpr ImageId scoreWord{"scoreWord"};
inline constexpr LabelId message{"message"};
inline constexpr ImageId searchShield{"searchShield"};
inline constexpr ImageId helpShield{"helpShield"};
inline constexpr ImageId exitShield{"exitShield"};
inline constexpr ImageId infoShield{"infoShield"};
} // namespace status

namespace handle {
inline constexpr ImageId handle{"handle"};
} // namespace handle

namespace quiz {
inline constexpr ButtonRowId<rules::kQuizChoiceCount> answerButtons{"answerButtons"};
inline constexpr LabelId title{"title"};
inline constexpr LabelId score{"score"};
inline constexpr LabelId choices{"choices"};
inline constexpr LabelId question{"question"};
} // namespace quiz

namespace targetGame {
inline constexpr ImageRowId<rules::kTargetCount> targets{"targets"};
inline constexpr LabelId timeLeft{"timeLeft"};
inline constexpr LabelId score{"score"};
inline constexpr LabelId instruction{"instruction"};
inline constexpr ImageRowId<2> minuteDigits{"minuteDigits"};
inline constexpr ImageRowId<2> secondDigits{"secondDigits"};
inline constexpr ImageRowId<2> hundredthDigits{"hundredthDigits"};
inline constexpr TimerId clockTimer{"clockTimer"};
inline constexpr TimerId jumpTimer{"jumpTimer"};
} // namespace targetGame

namespace end {
inline constexpr LabelId linksHint{"linksHint"};
inline constexpr LabelId nextLink{"nextLink"};
inline constexpr LabelId reviewLink{"reviewLink"};
inline constexpr LabelId score{"score"};
inline constexpr ImageId character{"character"};
inline constexpr LabelId infoLink{"infoLink"};
inline constexpr LabelId helpLink{"helpLink"};
inline constexpr LabelId homeLink{"homeLink"};
inline constexpr LabelId emailLink{"emailLink"};
inline constexpr LabelId credit{"credit"};
inline constexpr LabelId cheer{"cheer"};
inline constexpr LabelId scoreHeading{"scoreHeading"};
inline constexpr LabelId thanks{"thanks"};
} // namespace end

namespace howToPlay {
inline constexpr LabelId title{"title"};
inline constexpr TextBoxId text{"howToPlay"};
} // namespace howToPlay

// The board's squares: index i is the i-th square of the path (left, top in twips).
struct TwipPoint {
    int left, top;
};
extern const TwipPoint kTilePositions[38];

// Font faces as designed; the start-up maps them to installed free fonts of the same kind.
inline const char* const kMingFace = "細明體";
inline const char* const kComicFace = "Comic Sans MS";

} // namespace tavrin::layout
