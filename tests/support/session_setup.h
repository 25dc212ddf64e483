#pragma once

#include "rules/game_session.h"

namespace tavrin::rules {

// Puts a game in a chosen position, for tests and the screenshot renderer. A changed score or
// throw count is told to the session's listeners, as in play, so the digits show it.
class SessionSetup {
public:
    explicit SessionSetup(GameSession& session) : session_(session) {}

    SessionSetup& dieFace(int face) {
        session_.state_.dieFace = face;
        return *this;
    }
    SessionSetup& score(long long points) {
        session_.state_.score = points;
        session_.tellStanding();
        return *this;
    }
    SessionSetup& trial(int number) {
        session_.state_.trial = number;
        session_.tellStanding();
        return *this;
    }
    SessionSetup& takingThrows(bool taking) {
        session_.state_.takingThrows = taking;
        return *this;
    }

private:
    GameSession& session_;
};

} // namespace tavrin::rules
