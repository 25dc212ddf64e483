#pragma once

#include "rules/board_content.h"
#include "rules/board_rules.h"
#include "rules/game_mode.h"
#include "rules/game_state.h"
#include "rules/question_draw.h"
#include "rules/quiz_rules.h"
#include "rules/target_round.h"

#include <string>
#include <vector>

namespace tavrin::rules {

class SessionSetup;

enum class MiniGame { Quiz, Target };
// The mini-game's name in the event log.
const char* miniGameName(MiniGame game);

enum class MiniGameEnd {
    Finished,    // played to its end: its bonus has been added
    ClosedEarly, // closed by the player: no bonus
};

// What a game session tells the parts that show or record it. Every call comes after the
// state has changed, so a listener reads the session for the new score, square or throw.
class GameListener {
public:
    virtual void throwRefused(int face) { (void)face; }
    virtual void throwPlayed(const ThrowOutcome& outcome) { (void)outcome; }
    // The score or the throw count changed.
    virtual void standingChanged() {}
    virtual void miniGameOpened(MiniGame game) { (void)game; }
    // A moving throw is over: the die turns again (even while a mini-game it opened is open).
    virtual void dieReleased() {}
    // An answer in the quiz, or a click on a target: `round` has scored it.
    virtual void quizAnswered(const QuizRound& round, int button,
                              const QuizRound::Answered& answered) {
        (void)round, (void)button, (void)answered;
    }
    virtual void targetHit(const MiniGameRound& round, int target) { (void)round, (void)target; }
    virtual void bonusAdded(MiniGame game, long long points) { (void)game, (void)points; }
    virtual void miniGameClosed(MiniGame game, MiniGameEnd how) { (void)game, (void)how; }
    virtual void gameWon() {}
    virtual void outOfThrows() {}
    // After a win or the last throw: the board gives way to the end window.
    virtual void gameEnded() {}

protected:
    ~GameListener() = default;
};

// One game, from the board's loading to its end: the score, the throw count, the character's
// square, the die's face and whether a mini-game is open. It plays throws and tells its
// listeners, in the order they were added, what happened; it needs no display, so the
// simulator plays whole games on it.
class GameSession {
public:
    void addListener(GameListener& listener);
    void removeListener(GameListener& listener);

    // The board is loaded: 1000 points, throw 1, the first square, throws taken.
    void start(const BoardContent& board);
    // Classic or learning: how the quizzes draw their questions, how the target game scores
    // and whether answers are explained. A change applies from the next question or game on.
    void setMode(GameMode mode) {
        mode_ = mode;
        draw_.setMode(mode);
    }
    GameMode mode() const { return mode_; }
    // The questions of this game's quizzes.
    QuestionDraw& questionDraw() { return draw_; }

    // The die is loaded: released, with a face from the start, so that a throw before the
    // first turn still moves 1 to 6. `random` is the game's generator or a simulation's.
    template <class Generator> void resetDie(Generator& random) {
        state_.dieHeld = false;
        state_.dieFace = random.wholeUpTo(6);
    }
    // One turn of the die: a new face, unless the die is held (then nothing is drawn).
    template <class Generator> bool turnDie(Generator& random) {
        if (state_.dieHeld)
            return false;
        state_.dieFace = random.wholeUpTo(6);
        return true;
    }
    // A click on the die: the face on show is held and played.
    void throwDie();

    // A throw landed on a mini-game's square: the board takes no throws while it is open.
    void openMiniGame(MiniGame game);
    // The quiz's answer or the target game's hit, scored by its round and told to listeners.
    // An answer line that is not a number throws ContentError, and nothing is told.
    QuizRound::Answered answerQuiz(QuizRound& round, int button);
    // A shot at a target that has fallen hits nothing and is not told: false.
    bool hitTarget(TargetRound& round, int target);
    // The mini-game ends with its points added.
    void finishMiniGame(MiniGame game, long long points);
    // The player closes a mini-game before its end: no bonus, the die is left as it is.
    void closeMiniGameEarly(MiniGame game);
    // A mini-game is over, however it went (played to its end or its window gone): the board
    // takes throws again.
    void leaveMiniGame();

    const GameState& state() const { return state_; }
    const BoardContent& board() const { return board_; }
    const std::string& message(int square) const { return board_.messages[square]; }

private:
    // Puts the game in a chosen position, for tests and the screenshot renderer.
    friend class SessionSetup;

    template <class Call> void tell(Call call);
    void tellStanding();

    GameState state_;
    BoardContent board_;
    GameMode mode_ = GameMode::Classic;
    QuestionDraw draw_{mode_, kQuizQuestionCount};
    // A listener removed while the news goes round leaves a gap, closed when it is over.
    std::vector<GameListener*> listeners_;
    int telling_ = 0;
    bool gapsLeft_ = false;
};

} // namespace tavrin::rules
