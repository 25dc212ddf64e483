#pragma once

#include <string>

namespace tavrin::rules {

// What the quiz and the target game keep alike: the points of the round so far, its score line
// and, at its end, the bonus that goes to the game's score.
class MiniGameRound {
public:
    long long score() const { return score_; }
    virtual std::string scoreCaption() const = 0;
    std::string bonusText() const { return "Bonus: " + std::to_string(score_); }

protected:
    MiniGameRound() = default;
    MiniGameRound(const MiniGameRound&) = default;
    MiniGameRound& operator=(const MiniGameRound&) = default;
    ~MiniGameRound() = default;
    void addPoints(long long points) { score_ += points; }

private:
    long long score_ = 0;
};

} // namespace tavrin::rules
