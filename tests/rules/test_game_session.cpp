#include "quiz_test_files.h"
#include "rules/best_games.h"
#include "rules/clock.h"
#include "rules/game_session.h"
#include "rules/random.h"
#include "rules/session_log.h"
#include "session_setup.h"

#include <QTemporaryDir>
#include <QtTest>
#include <fstream>
#include <sstream>

using namespace tavrin::rules;

namespace {

// Writes down every event it hears, in order, as "event argument".
class Recorder : public GameListener {
public:
    void throwRefused(int face) override { heard.push_back("refused " + std::to_string(face)); }
    void throwPlayed(const ThrowOutcome& o) override {
        heard.push_back("played " + std::to_string(o.from) + ">" + std::to_string(o.to));
    }
    void miniGameOpened(MiniGame g) override {
        heard.push_back(std::string("opened ") + miniGameName(g));
    }
    void dieReleased() override { heard.push_back("released"); }
    void bonusAdded(MiniGame g, long long p) override {
        heard.push_back(std::string("bonus ") + miniGameName(g) + " " + std::to_string(p));
    }
    void miniGameClosed(MiniGame g, MiniGameEnd how) override {
        heard.push_back(std::string(how == MiniGameEnd::Finished ? "finished " : "closed ") +
                        miniGameName(g));
    }
    void gameWon() override { heard.push_back("won"); }
    void outOfThrows() override { heard.push_back("out"); }
    void gameEnded() override { heard.push_back("ended"); }

    std::vector<std::string> heard;
};

BoardContent boardWith(std::initializer_list<std::pair<int, long long>> values) {
    BoardContent board;
    for (auto [square, value] : values)
        board.values[square] = value;
    return board;
}

void throwFace(GameSession& session, int face) {
    SessionSetup(session).dieFace(face);
    session.throwDie();
}

using Heard = std::vector<std::string>;

} // namespace

class GameSessionTest : public QObject {
    Q_OBJECT
private slots:
    void startsAtTheFirstSquareWithAThousandPoints() {
        GameSession session;
        session.start(boardWith({}));
        QCOMPARE(session.state().score, 1000LL);
        QCOMPARE(session.state().trial, 1);
        QCOMPARE(session.state().square, 0);
        QVERIFY(session.state().takingThrows);
    }

    // A throw onto a mini-game square opens it and then releases the die, which turns while
    // the game is open; a click meanwhile is refused and holds the die until its face is thrown.
    void miniGameThrowOpensThenReleasesAndRefusesUntilItEnds() {
        GameSession session;
        Recorder recorder;
        session.addListener(recorder);
        session.start(boardWith({{2, kQuizSquare}, {6, 50}}));
        throwFace(session, 2);
        QCOMPARE(recorder.heard, (Heard{"played 0>2", "opened quiz", "released"}));
        QVERIFY(!session.state().dieHeld && !session.state().takingThrows);
        throwFace(session, 4);
        QCOMPARE(recorder.heard.back(), std::string("refused 4"));
        QVERIFY(session.state().dieHeld);
        session.finishMiniGame(MiniGame::Quiz, -250);
        QCOMPARE(session.state().score, 750LL);
        QVERIFY(session.state().takingThrows);
        QVERIFY(session.state().dieHeld); // still held: the refused face comes next
        tavrin::rules::Random random(fixedSeedSource(1));
        QVERIFY(!session.turnDie(random));
        QCOMPARE(session.state().dieFace, 4);
        session.throwDie();
        QCOMPARE(session.state().square, 6);
        QCOMPARE(recorder.heard,
                 (Heard{"played 0>2", "opened quiz", "released", "refused 4", "bonus quiz -250",
                        "finished quiz", "played 2>6", "released"}));
    }

    void closingEarlyGivesNoBonusAndLeavingTakesThrowsAgain() {
        GameSession session;
        Recorder recorder;
        session.addListener(recorder);
        session.start(boardWith({{3, kTargetSquare}}));
        throwFace(session, 3);
        session.closeMiniGameEarly(MiniGame::Target);
        QVERIFY(!session.state().takingThrows); // until the window is gone
        session.leaveMiniGame();
        QVERIFY(session.state().takingThrows);
        QCOMPARE(session.state().score, 1000LL);
        QCOMPARE(recorder.heard.back(), std::string("closed target"));
    }

    void winAndLastThrowEndTheGame() {
        GameSession session;
        Recorder recorder;
        session.addListener(recorder);
        session.start(boardWith({}));
        SessionSetup(session).score(5000);
        throwFace(session, 1);
        QCOMPARE(recorder.heard, (Heard{"won", "ended"}));
        session.start(boardWith({}));
        recorder.heard.clear();
        SessionSetup(session).trial(50);
        throwFace(session, 1);
        QCOMPARE(recorder.heard, (Heard{"out", "ended"}));
        QCOMPARE(session.state().square, 0);
    }

    // A window that goes while the news goes round hears nothing more; one that comes hears
    // only later news.
    void listenersMayComeAndGoWhileTold() {
        struct Leaver : Recorder {
            GameSession* session = nullptr;
            Recorder* other = nullptr;
            Recorder* newcomer = nullptr;
            void throwPlayed(const ThrowOutcome& o) override {
                Recorder::throwPlayed(o);
                session->removeListener(*other);
                session->addListener(*newcomer);
            }
        };
        GameSession session;
        Leaver leaver;
        Recorder other, newcomer;
        leaver.session = &session;
        leaver.other = &other;
        leaver.newcomer = &newcomer;
        session.addListener(leaver);
        session.addListener(other);
        session.start(boardWith({}));
        throwFace(session, 1);
        QCOMPARE(other.heard, Heard{});
        QCOMPARE(newcomer.heard, Heard{"released"});
        QCOMPARE(leaver.heard, (Heard{"played 0>1", "released"}));
    }

    // The score digits and the throw count are drawn on this news alone: every change of
    // either is told, after it happened.
    void standingIsToldOnEveryChangeOfScoreOrThrow() {
        struct Standing : GameListener {
            const GameSession* session = nullptr;
            std::vector<std::pair<long long, int>> seen;
            void standingChanged() override {
                seen.emplace_back(session->state().score, session->state().trial);
            }
        } standing;
        GameSession session;
        standing.session = &session;
        session.addListener(standing);
        session.start(boardWith({{2, 40}, {3, kQuizSquare}}));
        throwFace(session, 2);
        throwFace(session, 1);
        session.finishMiniGame(MiniGame::Quiz, 150);
        throwFace(session, 1); // no points there: only the throw count changes
        using Seen = std::vector<std::pair<long long, int>>;
        QCOMPARE(standing.seen, (Seen{{1000, 1}, {1040, 2}, {1040, 3}, {1190, 3}, {1190, 4}}));
        SessionSetup(session).trial(50);
        throwFace(session, 1);
        QCOMPARE(standing.seen.back(), (std::pair<long long, int>{1190, 51}));
    }

    void sessionLogWritesTheLinesTestsAndDemosRead() {
        QTemporaryDir dir;
        const std::string path = dir.filePath("events.log").toStdString();
        GameSession session;
        EventLog log;
        QVERIFY(log.open(path));
        SessionLog sessionLog(session, log);
        session.addListener(sessionLog);
        session.start(boardWith({{3, kTargetSquare}, {5, -120}}));
        throwFace(session, 3);
        throwFace(session, 2);
        SystemClock clock;
        TargetRound target(clock, GameMode::Classic);
        session.hitTarget(target, 4);
        session.hitTarget(target, 1);
        session.hitTarget(target, 1);
        session.closeMiniGameEarly(MiniGame::Target);
        session.leaveMiniGame();
        throwFace(session, 2);
        Random random(fixedSeedSource(1));
        QuizRound quiz(parseQuiz(quizLines()), random, session.questionDraw()); // answers: "1"
        session.answerQuiz(quiz, 1);
        session.answerQuiz(quiz, 0);
        SessionSetup(session).trial(50);
        throwFace(session, 1);
        // Learning mode: the feedback shown after each answer, and a fallen target not hit again.
        session.setMode(GameMode::Learning);
        session.start(boardWith({}));
        QuizRound learning(parseQuiz(quizLines()), random, session.questionDraw());
        const int asked = learning.questionNumber();
        session.answerQuiz(learning, 2);
        TargetRound falling(clock, GameMode::Learning);
        QVERIFY(session.hitTarget(falling, 0) && !session.hitTarget(falling, 0));
        std::ifstream in(path);
        std::stringstream text;
        text << in.rdbuf();
        QCOMPARE(QString::fromStdString(text.str()),
                 QString("throw face=3 trial=2 from=0 to=3 value=33302 score=1000\n"
                         "open game=target\n"
                         "refused face=2\n"
                         "hit target=4 gamescore=100\n"
                         "hit target=1 gamescore=0\n"
                         "hit target=1 gamescore=-100\n"
                         "close game=target\n"
                         "throw face=2 trial=3 from=3 to=5 value=-120 score=880\n"
                         "answer question=1 button=1 right=1 gamescore=100\n"
                         "answer question=2 button=0 right=0 gamescore=50\n"
                         "limit trial=51\n"
                         "answer question=1 button=2 right=0 gamescore=-50\n"
                         "feedback number=" +
                         QString::number(asked) +
                         " right=0 answer=1\n"
                         "hit target=0 gamescore=150\n"));
    }

    // The ten best games on this computer: highest score first, a win before a loss on the
    // same score, an earlier game before a later one; stored lines read back, damaged ones not.
    void bestGamesKeepTheTenHighest() {
        std::vector<GameRecord> best;
        for (int i = 0; i < 12; ++i)
            best = withGame(
                best, {"2026-12-0" + std::to_string(i % 10), 4000 + 100 * (i % 6), false, i, 15});
        best = withGame(best, {"2026-12-31", 4500, true, 15, 15});
        QCOMPARE(best.size(), std::size_t(10));
        QCOMPARE(best[0].score, 4500LL);
        QVERIFY(best[0].won && !best[1].won && best[1].date == "2026-12-05");
        QCOMPARE(best[2].date, std::string("2026-12-01")); // i = 11 came later
        for (const GameRecord& game : best) {
            QCOMPARE(recordFromLine(recordLine(game)), std::optional(game));
        }
        QCOMPARE(recordLine({"2026-12-07", -250, false, 3, 10}),
                 std::string("2026-12-07 -250 lost 3/10"));
        for (const char* damaged : {"", "2026-12-07 5100 won 16/15", "2026-12-07 5100 maybe 1/2",
                                    "2026-12-07 99999999999999 won 1/2", "x 1 won 1/2"})
            QVERIFY2(!recordFromLine(damaged), damaged);
    }
};

QTEST_APPLESS_MAIN(GameSessionTest)
#include "test_game_session.moc"
