#pragma once

#include "rules/game_session.h"

#include <string>
#include <vector>

namespace tavrin::rules {

// What the end of a game looks back on: the questions answered wrongly, with the right
// answer, and the squares landed on that gained or lost points. It listens to the session for
// the whole run of the program.
class GameReview final : public GameListener {
public:
    struct Missed {
        int number = 0; // the question's place in the file, 1 to 30
        std::string question;
        std::string rightChoice; // "2) ..."; empty when no button was right
    };
    struct Landed {
        int square = 0;
        long long points = 0;
        std::string message;
    };

    explicit GameReview(const GameSession& session) : session_(session) {}

    void throwPlayed(const ThrowOutcome& outcome) override;
    void quizAnswered(const QuizRound& round, int button,
                      const QuizRound::Answered& answered) override;
    void gameWon() override { won_ = true; }
    // A new game in the same run looks back on itself alone.
    void clear() {
        missed_.clear();
        landed_.clear();
        answersRight_ = answersGiven_ = 0;
        won_ = false;
    }

    // Each question once, in the order first missed: a later right answer does not take
    // it off the list, as the player should read it again.
    const std::vector<Missed>& missed() const { return missed_; }
    const std::vector<Landed>& landed() const { return landed_; }
    int answersRight() const { return answersRight_; }
    int answersGiven() const { return answersGiven_; }
    bool won() const { return won_; }

private:
    const GameSession& session_;
    std::vector<Missed> missed_;
    std::vector<Landed> landed_;
    int answersRight_ = 0;
    int answersGiven_ = 0;
    bool won_ = false;
};

} // namespace tavrin::rules
