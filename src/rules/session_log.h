#pragma once

#include "rules/event_log.h"
#include "rules/game_session.h"

namespace tavrin::rules {

// Writes what the game session tells it to the event log, one line per event, in the words
// tests and demos read ("throw face=3 trial=2 ...").
class SessionLog : public GameListener {
public:
    SessionLog(const GameSession& session, EventLog& log) : session_(session), log_(log) {}

    void throwRefused(int face) override;
    void throwPlayed(const ThrowOutcome& outcome) override;
    void miniGameOpened(MiniGame game) override;
    void quizAnswered(const QuizRound& round, int button,
                      const QuizRound::Answered& answered) override;
    void targetHit(const MiniGameRound& round, int target) override;
    void bonusAdded(MiniGame game, long long points) override;
    void miniGameClosed(MiniGame game, MiniGameEnd how) override;
    void gameWon() override;
    void outOfThrows() override;

private:
    const GameSession& session_;
    EventLog& log_;
};

} // namespace tavrin::rules
