#include "rules/game_session.h"

#include <algorithm>

namespace tavrin::rules {

const char* miniGameName(MiniGame game) {
    return game == MiniGame::Quiz ? "quiz" : "target";
}

void GameSession::addListener(GameListener& listener) {
    listeners_.push_back(&listener);
}

void GameSession::removeListener(GameListener& listener) {
    if (telling_ > 0) {
        std::replace(listeners_.begin(), listeners_.end(), &listener,
                     static_cast<GameListener*>(nullptr));
        gapsLeft_ = true;
    } else
        std::erase(listeners_, &listener);
}

// A listener may add or remove listeners while it is told (a window opening or closing):
// the news goes to those listening when it happened who are still listening.
template <class Call> void GameSession::tell(Call call) {
    struct Telling { // also when a listener throws
        GameSession& session;
        explicit Telling(GameSession& s) : session(s) { ++session.telling_; }
        ~Telling() {
            if (--session.telling_ == 0 && session.gapsLeft_) {
                std::erase(session.listeners_, nullptr);
                session.gapsLeft_ = false;
            }
        }
    } telling(*this);
    const std::size_t listening = listeners_.size();
    for (std::size_t i = 0; i < listening; ++i)
        if (GameListener* listener = listeners_[i])
            call(*listener);
}

void GameSession::tellStanding() {
    tell([](GameListener& l) { l.standingChanged(); });
}

void GameSession::start(const BoardContent& board) {
    board_ = board;
    state_.square = 0;
    state_.trial = 1;
    state_.score = kStartScore;
    state_.takingThrows = true;
    draw_ = QuestionDraw(mode_, kQuizQuestionCount);
    tellStanding();
}

void GameSession::throwDie() {
    state_.dieHeld = true;
    const int face = state_.dieFace;
    const ThrowOutcome outcome = playThrow(state_, board_);
    switch (outcome.kind) {
    case ThrowOutcome::Kind::Refused:
        tell([&](GameListener& l) { l.throwRefused(face); });
        return;
    case ThrowOutcome::Kind::Won:
        tell([](GameListener& l) { l.gameWon(); });
        tell([](GameListener& l) { l.gameEnded(); });
        return;
    case ThrowOutcome::Kind::LimitReached:
        tellStanding();
        tell([](GameListener& l) { l.outOfThrows(); });
        tell([](GameListener& l) { l.gameEnded(); });
        return;
    case ThrowOutcome::Kind::Moved:
        break;
    }
    tellStanding();
    tell([&](GameListener& l) { l.throwPlayed(outcome); });
    if (outcome.effect == SquareEffect::OpenQuiz)
        openMiniGame(MiniGame::Quiz);
    else if (outcome.effect == SquareEffect::OpenTarget)
        openMiniGame(MiniGame::Target);
    state_.dieHeld = false;
    tell([](GameListener& l) { l.dieReleased(); });
}

void GameSession::openMiniGame(MiniGame game) {
    state_.takingThrows = false;
    tell([&](GameListener& l) { l.miniGameOpened(game); });
}

QuizRound::Answered GameSession::answerQuiz(QuizRound& round, int button) {
    const QuizRound::Answered answered = round.answer(button);
    tell([&](GameListener& l) { l.quizAnswered(round, button, answered); });
    return answered;
}

bool GameSession::hitTarget(TargetRound& round, int target) {
    if (!round.hit(target))
        return false;
    tell([&](GameListener& l) { l.targetHit(round, target); });
    return true;
}

void GameSession::finishMiniGame(MiniGame game, long long points) {
    state_.score += points;
    tellStanding();
    tell([&](GameListener& l) { l.bonusAdded(game, points); });
    leaveMiniGame();
    tell([&](GameListener& l) { l.miniGameClosed(game, MiniGameEnd::Finished); });
}

void GameSession::closeMiniGameEarly(MiniGame game) {
    tell([&](GameListener& l) { l.miniGameClosed(game, MiniGameEnd::ClosedEarly); });
}

void GameSession::leaveMiniGame() {
    state_.takingThrows = true;
}

} // namespace tavrin::rules
