#include "rules/session_log.h"

namespace tavrin::rules {

void SessionLog::throwRefused(int face) {
    log_.write("refused", {EventLog::field("face", face)});
}

void SessionLog::throwPlayed(const ThrowOutcome& outcome) {
    const GameState& state = session_.state();
    log_.write("throw",
               {EventLog::field("face", state.dieFace), EventLog::field("trial", state.trial),
                EventLog::field("from", outcome.from), EventLog::field("to", outcome.to),
                EventLog::field("value", outcome.value), EventLog::field("score", state.score)});
}

void SessionLog::miniGameOpened(MiniGame game) {
    log_.write("open", {EventLog::field("game", miniGameName(game))});
}

// The question just answered, counted from 1; the points of the round so far. Learning mode
// adds what the player is shown: the question's place in the file and the right button.
void SessionLog::quizAnswered(const QuizRound& round, int button,
                              const QuizRound::Answered& answered) {
    const int right = answered.right ? 1 : 0;
    log_.write("answer",
               {EventLog::field("question", round.ordinal() - 1), EventLog::field("button", button),
                EventLog::field("right", right), EventLog::field("gamescore", round.score())});
    if (session_.mode() == GameMode::Learning)
        log_.write("feedback", {EventLog::field("number", answered.questionNumber),
                                EventLog::field("right", right),
                                EventLog::field("answer", answered.rightButton)});
}

void SessionLog::targetHit(const MiniGameRound& round, int target) {
    log_.write("hit",
               {EventLog::field("target", target), EventLog::field("gamescore", round.score())});
}

void SessionLog::bonusAdded(MiniGame game, long long points) {
    log_.write("bonus",
               {EventLog::field("game", miniGameName(game)), EventLog::field("points", points),
                EventLog::field("score", session_.state().score)});
}

void SessionLog::miniGameClosed(MiniGame game, MiniGameEnd how) {
    if (how == MiniGameEnd::ClosedEarly)
        log_.write("close", {EventLog::field("game", miniGameName(game))});
}

void SessionLog::gameWon() {
    log_.write("win", {EventLog::field("score", session_.state().score)});
}

void SessionLog::outOfThrows() {
    log_.write("limit", {EventLog::field("trial", session_.state().trial)});
}

} // namespace tavrin::rules
