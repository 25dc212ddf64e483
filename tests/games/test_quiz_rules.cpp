#include "app/random.h"
#include "content/content_error.h"
#include "content/whole_number.h"
#include "games/quiz_content.h"
#include "games/quiz_rules.h"
#include "quiz_test_files.h"

#include <QtTest>
#include <set>

using namespace tavrin;

namespace {

std::string errorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const ContentError& e) {
        return e.what();
    }
    return "no error";
}

QuizQuestion questionWithAnswer(const std::string& answer) {
    QuizQuestion q;
    q.text = "Q";
    q.choices = {"a", "b", "c"};
    q.answer = answer;
    q.answerLine = 11;
    return q;
}

Random seeded(std::uint32_t seed) {
    return Random(fixedSeedSource(seed));
}

// Plays a whole round, pressing the right button when `right(questionNo)` says so.
long long playRound(QuizRound& round, const std::function<bool(int)>& right) {
    while (!round.finished()) {
        const int rightButton = std::stoi(round.current().answer);
        round.answer(right(round.QuestionNo) ? rightButton : (rightButton + 1) % 3);
    }
    return round.GameScore;
}

} // namespace

class QuizRulesTest : public QObject {
    Q_OBJECT
private slots:
    void answerLineNamesTheRightButton() {
        const auto one = questionWithAnswer("1");
        QVERIFY(!isRightAnswer(one, 0));
        QVERIFY(isRightAnswer(one, 1));
        QVERIFY(!isRightAnswer(one, 2));
        // Blanks around the digit do no harm.
        QVERIFY(isRightAnswer(questionWithAnswer(" 1 "), 1));
        QVERIFY(isRightAnswer(questionWithAnswer("\t0"), 0));
        // A number outside 0 to 2 makes every button wrong.
        for (const char* outside : {"3", "-1"})
            for (int button = 0; button < 3; ++button)
                QVERIFY(!isRightAnswer(questionWithAnswer(outside), button));
    }

    void answerLineThatIsNoNumberNamesFileAndLine() {
        QCOMPARE(errorOf([] { isRightAnswer(questionWithAnswer("B"), 1); }),
                 std::string("gm1_data.txt line 11: \"B\" is not a number"));
        QCOMPARE(errorOf([] { isRightAnswer(questionWithAnswer(""), 0); }),
                 std::string("gm1_data.txt line 11: \"\" is not a number"));
    }

    void optionsOfFirstAndLaterQuestions() {
        QuizQuestion q = questionWithAnswer("0");
        q.choices = {"吸煙", " 運動", "多吃蔬菜"};
        QCOMPARE(optionsText(q, true), std::string("1)吸煙\r\n2) 運動\r\n3)多吃蔬菜"));
        QCOMPARE(optionsText(q, false), std::string("1) 吸煙\r\n2)  運動\r\n3) 多吃蔬菜"));
    }

    void fileRecordsAreSixLinesEach() {
        const QuizContent quiz = parseQuiz(quizLines({"0", " 2 "}));
        QCOMPARE(quiz[0].text, std::string("Q1"));
        QCOMPARE(quiz[0].answer, std::string("0"));
        QCOMPARE(quiz[0].answerLine, 5);
        QCOMPARE(quiz[1].answer, std::string(" 2 ")); // kept as written
        QCOMPARE(quiz[29].text, std::string("Q30"));
        QCOMPARE(quiz[29].choices[2], std::string("Q30-c"));
        QCOMPARE(quiz[29].answerLine, 179);
    }

    void shortFileIsRefusedLongerFileReadToLine180() {
        auto lines = quizLines();
        lines.pop_back(); // the last separator is missing
        QCOMPARE(errorOf([&] { parseQuiz(lines); }),
                 std::string("gm1_data.txt line 180: the file ends after 179 lines; 180 are "
                             "needed, 6 per question"));
        QVERIFY(errorOf([] { parseQuiz({}); }).starts_with("gm1_data.txt line 1: "));

        lines = quizLines();
        lines.insert(lines.end(), {"Q31", "x", "y", "z", "not a number", "-----"});
        const QuizContent quiz = parseQuiz(lines);
        QCOMPARE(quiz[29].text, std::string("Q30"));
    }

    void missingFileIsNamed() {
        QTemporaryDir empty;
        QVERIFY(errorOf([&] {
                    readQuizFile(empty.path().toStdString());
                }).starts_with("gm1_data.txt: cannot open "));
    }

    void roundOpensOnFirstQuestionWithNoPoints() {
        Random rng = seeded(7);
        QuizRound round(parseQuiz(quizLines()), rng);
        QCOMPARE(round.QuestionNo, 1);
        QCOMPARE(round.GameScore, 0LL);
        QVERIFY(round.CurQuestion >= 1 && round.CurQuestion <= 30);
        QCOMPARE(round.current().text, "Q" + std::to_string(round.CurQuestion));
        QVERIFY(round.optionsText().starts_with("1)Q"));
        round.answer(1);
        QVERIFY(round.optionsText().starts_with("1) Q"));
    }

    void scoresRangeFromMinus250To500() {
        Random rng = seeded(3);
        QuizRound allWrong(parseQuiz(quizLines()), rng);
        QCOMPARE(playRound(allWrong, [](int) { return false; }), -250LL);
        QuizRound allRight(parseQuiz(quizLines()), rng);
        QCOMPARE(playRound(allRight, [](int) { return true; }), 500LL);
        QuizRound mixed(parseQuiz(quizLines()), rng);
        QCOMPARE(playRound(mixed, [](int n) { return n != 2; }), 350LL);
    }

    void fifthAnswerEndsTheRoundWithoutDrawingAgain() {
        Random rng = seeded(11);
        Random twin = seeded(11);
        QuizRound round(parseQuiz(quizLines()), rng);
        for (int n = 1; n <= 5; ++n) {
            QCOMPARE(round.CurQuestion, twin.wholeUpTo(30));
            const auto answered = round.answer(1);
            QVERIFY(answered.right);
            QCOMPARE(answered.finished, n == 5);
        }
        QCOMPARE(round.QuestionNo, 6);
        // Exactly five draws: the game's next draw is not spent on a sixth question.
        QCOMPARE(rng.next(), twin.next());
    }

    void badAnswerLineChangesNothing() {
        Random rng = seeded(5);
        QuizRound round(parseQuiz(quizLines(std::vector<std::string>(30, "x"))), rng);
        const int question = round.CurQuestion;
        QVERIFY(errorOf([&] { round.answer(0); }).starts_with("gm1_data.txt line "));
        QCOMPARE(round.GameScore, 0LL);
        QCOMPARE(round.QuestionNo, 1);
        QCOMPARE(round.CurQuestion, question);
    }

    void questionsAreDrawnFromAllThirtyAndMayRepeat() {
        Random rng = seeded(1);
        std::set<int> seen;
        bool repeatedInARow = false;
        for (int round = 0; round < 200; ++round) {
            QuizRound quiz(parseQuiz(quizLines()), rng);
            int previous = 0;
            while (!quiz.finished()) {
                seen.insert(quiz.CurQuestion);
                repeatedInARow = repeatedInARow || quiz.CurQuestion == previous;
                previous = quiz.CurQuestion;
                quiz.answer(0);
            }
        }
        QCOMPARE(seen.size(), std::size_t(30));
        QCOMPARE(*seen.begin(), 1);
        QCOMPARE(*seen.rbegin(), 30);
        QVERIFY(repeatedInARow);
    }

    void shippedQuestionFileIsComplete() {
        const std::string dir = qEnvironmentVariable("TAVRIN_DATA_DIR").toStdString();
        const QuizContent quiz = readQuizFile(dir);
        std::set<long long> answers;
        for (const QuizQuestion& q : quiz) {
            QVERIFY(!q.text.empty());
            for (const auto& choice : q.choices)
                QVERIFY2(!choice.empty(), q.text.c_str());
            const auto answer = parseWholeNumber(q.answer);
            QVERIFY2(answer && *answer >= 0 && *answer <= 2, q.text.c_str());
            answers.insert(*answer);
        }
        QCOMPARE(answers.size(), std::size_t(3));
    }
};

QTEST_GUILESS_MAIN(QuizRulesTest)
#include "test_quiz_rules.moc"
