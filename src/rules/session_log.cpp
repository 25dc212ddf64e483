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
