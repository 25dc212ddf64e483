#include "content_error_of.h"
#include "quiz_test_files.h"
#include "rules/content_error.h"
#include "rules/question_draw.h"
#include "rules/quiz_content.h"
#include "rules/quiz_rules.h"
#include "rules/random.h"

#include <QtTest>
#include <set>

using namespace tavrin;
using namespace tavrin::rules;
using tavrin::testing::errorOf;

namespace {

QuizQuestion questionWithAnswer(const std::string& answer) {
    QuizQuestion q{"Q", {"a", "b", "c"}, answer, 11};
    return q;
}

// Plays a whole round, pressing the right button when `right(questionNo)` says so.
long long playRound(Random& rng, const std::function<bool(int)>& right) {
    QuestionDraw draw(GameMode::Classic, kQuizQuestionCount);
    QuizRound round(parseQuiz(quizLines()), rng, draw); // every answer line is "1"
    while (!round.finished())
        round.answer(right(round.ordinal()) ? 1 : 2);
    return round.score();
}

} // namespace

class QuizRulesTest : public QObject {
    Q_OBJECT
private slots:
    void answerLineNamesTheRightButton() {
        // Read as a number: blanks around it, a sign, a fraction or an exponent do no harm.
        for (const char* one : {"1", " 1 ", "\t1", "1.0", " 1.00 ", "+1", "1.", "1e0", "10e-1"}) {
            QVERIFY2(!isRightAnswer(questionWithAnswer(one), 0), one);
            QVERIFY2(isRightAnswer(questionWithAnswer(one), 1), one);
            QVERIFY2(!isRightAnswer(questionWithAnswer(one), 2), one);
        }
        QVERIFY(isRightAnswer(questionWithAnswer(" 2 "), 2));
        QVERIFY(isRightAnswer(questionWithAnswer("-0.0"), 0));
        // A number that is not 0, 1 or 2 makes every button wrong.
        for (const char* outside : {"3", "-1", "1.5", "0.999"})
            for (int button = 0; button < 3; ++button)
                QVERIFY2(!isRightAnswer(questionWithAnswer(outside), button), outside);
        for (const char* notANumber : {"B", "", " ", "1 2", "1,0", "0x1", "inf", "nan", "1e999",
                                       "++1", "+-1", "1e", ".", "-"})
            QCOMPARE(errorOf([&] { isRightAnswer(questionWithAnswer(notANumber), 1); }),
                     "gm1_data.txt line 11: \"" + std::string(notANumber) + "\" is not a number");
    }

    void optionsOfFirstAndLaterQuestions() {
        QuizQuestion q = questionWithAnswer("0");
        q.choices = {"吸煙", " 運動", "多吃蔬菜"};
        QCOMPARE(optionsText(q, true), std::string("1)吸煙\r\n2) 運動\r\n3)多吃蔬菜"));
        QCOMPARE(optionsText(q, false), std::string("1) 吸煙\r\n2)  運動\r\n3) 多吃蔬菜"));
    }

    void fileRecordsAreSixLinesEach() {
        const QuizContent quiz = parseQuiz(quizLines({"0", " 2 "}));
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
        lines = quizLines();
        lines.insert(lines.end(), {"Q31", "x", "y", "z", "not a number", "-----"});
        QCOMPARE(parseQuiz(lines)[29].text, std::string("Q30"));
    }

    void scoresRangeFromMinus250To500() {
        Random rng(fixedSeedSource(3));
        QCOMPARE(playRound(rng, [](int) { return false; }), -250LL);
        QCOMPARE(playRound(rng, [](int) { return true; }), 500LL);
        QCOMPARE(playRound(rng, [](int n) { return n != 2; }), 350LL);
    }

    void fiveQuestionsEachDrawnOnce() {
        Random rng(fixedSeedSource(11));
        Random twin(fixedSeedSource(11));
        QuestionDraw draw(GameMode::Classic, kQuizQuestionCount);
        QuizRound round(parseQuiz(quizLines()), rng, draw);
        for (int n = 1; n <= 5; ++n) {
            QCOMPARE(round.ordinal(), n);
            QCOMPARE(round.questionNumber(), twin.wholeUpTo(30));
            QCOMPARE(round.current().text, "Q" + std::to_string(round.questionNumber()));
            QCOMPARE(round.answer(1).finished, n == 5);
        }
        // The fifth answer draws no sixth question: the game's next draw is left alone.
        QCOMPARE(rng.next(), twin.next());
    }

    // Learning: no repeat within a quiz; a missed question comes back in the next quiz before
    // any other, then questions never asked before those answered right. Classic draws as ever.
    void learningDrawNeverRepeatsAndBringsMissedQuestionsBack() {
        Random rng(fixedSeedSource(3));
        Random twin(fixedSeedSource(3));
        QuestionDraw classic(GameMode::Classic, 30);
        for (int i = 0; i < 50; ++i)
            QCOMPARE(classic.next(rng), twin.wholeUpTo(30));

        QuestionDraw draw(GameMode::Learning, 30);
        std::set<int> asked, missed;
        for (int quiz = 0; quiz < 6; ++quiz) {
            draw.startQuiz();
            std::set<int> thisQuiz;
            for (int q = 0; q < 5; ++q) {
                const int number = draw.next(rng);
                QVERIFY(thisQuiz.insert(number).second);
                if (q < static_cast<int>(missed.size()))
                    QVERIFY2(missed.count(number), "a missed question comes back first");
                else
                    QVERIFY2(!asked.count(number), "then one never asked");
            }
            for (int number : thisQuiz) { // the first of each quiz is missed, the rest right
                const bool right = number != *thisQuiz.begin();
                draw.answered(number, right);
                asked.insert(number);
                right ? (void)missed.erase(number) : (void)missed.insert(number);
            }
        }
        QuestionDraw small(GameMode::Learning, 3); // fewer than a quiz asks: repeats allowed
        small.startQuiz();
        for (int q = 0; q < 5; ++q)
            QVERIFY(small.next(rng) >= 1);
    }

    void badAnswerLineChangesNothing() {
        Random rng(fixedSeedSource(5));
        QuestionDraw draw(GameMode::Classic, kQuizQuestionCount);
        QuizRound round(parseQuiz(quizLines(std::vector<std::string>(30, "x"))), rng, draw);
        const int question = round.questionNumber();
        QVERIFY(errorOf([&] { round.answer(0); }).starts_with("gm1_data.txt line "));
        QCOMPARE(round.score(), 0LL);
        QCOMPARE(round.ordinal(), 1);
        QCOMPARE(round.questionNumber(), question);
    }
};

QTEST_GUILESS_MAIN(QuizRulesTest)
#include "test_quiz_rules.moc"
