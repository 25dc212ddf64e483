#include "rules/board_rules.h"
#include "rules/random.h"
#include "rules/status_digits.h"

#include <QtTest>

using namespace tavrin;
using namespace tavrin::rules;
using Kind = ThrowOutcome::Kind;

namespace {

BoardContent boardWithValues(std::initializer_list<std::pair<int, long long>> values) {
    BoardContent board;
    for (auto [square, value] : values)
        board.values[square] = value;
    return board;
}

GameState readyState(int dice) {
    GameState state;
    state.score = kStartScore;
    state.trial = 1;
    state.takingThrows = true;
    state.dieFace = dice;
    return state;
}

} // namespace

class BoardRulesTest : public QObject {
    Q_OBJECT
private slots:
    void tilePictures() {
        QCOMPARE(tilePictureIndex(0), 2);
        QCOMPARE(tilePictureIndex(150), 0);
        QCOMPARE(tilePictureIndex(-150), 1);
        QCOMPARE(tilePictureIndex(33300), 0);
        QCOMPARE(tilePictureIndex(33301), 3);
        QCOMPARE(tilePictureIndex(33302), 3);
        QCOMPARE(tilePictureIndex(99999), 3);
    }

    void squareEffects() {
        QCOMPARE(squareEffect(0), SquareEffect::None);
        QCOMPARE(squareEffect(-20), SquareEffect::AddPoints);
        QCOMPARE(squareEffect(33299), SquareEffect::AddPoints);
        QCOMPARE(squareEffect(33300), SquareEffect::None);
        QCOMPARE(squareEffect(33301), SquareEffect::OpenQuiz);
        QCOMPARE(squareEffect(33302), SquareEffect::OpenTarget);
        QCOMPARE(squareEffect(33303), SquareEffect::None);
    }

    void walkWrapsFromLastSquareToFirst() {
        QCOMPARE(walkPath(35, 5), (std::vector<int>{36, 37, 0, 1, 2}));
        QCOMPARE(walkPath(37, 1), (std::vector<int>{0}));
        QCOMPARE(walkPath(0, 6), (std::vector<int>{1, 2, 3, 4, 5, 6}));
    }

    void throwMovesCountsAndScores() {
        auto board = boardWithValues({{4, -120}, {2, 33301}});
        auto state = readyState(4);
        state.square = 0;
        auto out = playThrow(state, board);
        QCOMPARE(out.kind, Kind::Moved);
        QCOMPARE(state.square, 4);
        QCOMPARE(state.trial, 2);
        QCOMPARE(state.score, 880LL);

        state.dieFace = 36; // only the walk matters here: from 4 to 2 after a wrap
        out = playThrow(state, board);
        QCOMPARE(out.to, 2);
        QCOMPARE(out.effect, SquareEffect::OpenQuiz);
        QCOMPARE(state.score, 880LL);
    }

    void refusedWhileMiniGameOpen() {
        auto state = readyState(3);
        state.takingThrows = false;
        state.square = 7;
        const auto out = playThrow(state, BoardContent{});
        QCOMPARE(out.kind, Kind::Refused);
        QCOMPARE(state.square, 7);
        QCOMPARE(state.trial, 1);
        QCOMPARE(state.score, kStartScore);
    }

    void winIsRecognisedAtStartOfThrowWithoutCounting() {
        auto state = readyState(1);
        state.score = 4999; // one short: the throw moves
        state.square = 0;
        const auto board = boardWithValues({{1, 1}});
        QCOMPARE(playThrow(state, board).kind, Kind::Moved);
        QCOMPARE(state.score, 5000LL); // reached now, recognised on the next click
        QCOMPARE(playThrow(state, board).kind, Kind::Won);
        QCOMPARE(state.trial, 2);
        QCOMPARE(state.square, 1);
    }

    void fiftiethClickEndsWithoutMoving() {
        auto state = readyState(1);
        state.square = 0;
        for (int i = 1; i <= 49; ++i)
            QCOMPARE(playThrow(state, BoardContent{}).kind, Kind::Moved);
        QCOMPARE(state.trial, 50);
        QCOMPARE(state.square, 49 % 38);
        QCOMPARE(playThrow(state, BoardContent{}).kind, Kind::LimitReached);
        QCOMPARE(state.square, 49 % 38);
        QCOMPARE(state.trial, 51);
    }

    void statusDigits_data() {
        QTest::addColumn<qlonglong>("number");
        QTest::addColumn<QString>("shown"); // leftmost box first, '-' for the minus sign
        QTest::newRow("score") << 5030LL << "005030";
        QTest::newRow("trial") << 12LL << "000012";
        QTest::newRow("start") << 1000LL << "001000";
        QTest::newRow("one") << 1LL << "000001";
        QTest::newRow("last six digits") << 1234567LL << "234567";
        QTest::newRow("negative") << -120LL << "-00120";
        QTest::newRow("large negative") << -1234567LL << "-34567";
    }
    void statusDigits() {
        QFETCH(qlonglong, number);
        QFETCH(QString, shown);
        const auto digits = rules::statusDigits(number);
        QString text;
        for (int i = 5; i >= 0; --i)
            text += digits[i] == kLedMinus ? QChar('-') : QChar('0' + digits[i]);
        QCOMPARE(text, shown);
    }

    void randomDrawsStayInRange() {
        Random rng(fixedSeedSource(7));
        std::array<int, 7> counts{};
        for (int i = 0; i < 60000; ++i) {
            const double r = rng.next();
            QVERIFY(r >= 0.0 && r < 1.0);
            counts[rng.wholeUpTo(6)]++;
        }
        QCOMPARE(counts[0], 0);
        for (int face = 1; face <= 6; ++face)
            QVERIFY2(counts[face] > 9000 && counts[face] < 11000,
                     qPrintable(QString::number(face)));
    }

    void seededRunsRepeat() {
        Random a(fixedSeedSource(42)), b(fixedSeedSource(42));
        QCOMPARE(a.lastSeed(), 42u); // what the log reports at start
        for (int i = 0; i < 10; ++i)
            QCOMPARE(a.next(), b.next());
        a.reseed(); // the next seed differs, so a reseed does not replay the first draws
        Random c(fixedSeedSource(42));
        QVERIFY(a.next() != c.next());
    }

    // Two starts within the same second must not play the same game.
    void timeOfDaySeedKeepsItsHundredths() {
        double now = 43200.37;
        Random r(timeOfDaySeedSource([&now] { return now; }));
        QCOMPARE(r.lastSeed(), 4320037u);
        now = 43200.38;
        r.reseed();
        QCOMPARE(r.lastSeed(), 4320038u);
    }
};

QTEST_APPLESS_MAIN(BoardRulesTest)
#include "test_board_rules.moc"
