#include "../rules/quiz_test_files.h"
#include "app/autoplay.h"
#include "controls/interval_timer.h"
#include "controls/label_control.h"
#include "game_fixture.h"
#include "session_setup.h"
#include "window_controls.h"
#include "windows/die_window.h"
#include "windows/quiz_window.h"

#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <QtTest>

using namespace tavrin;
using namespace tavrin::testing;

namespace {

// A game context whose question file is the test's own (answer line "1" unless told), with
// the event log written to a file.
struct QuizFixture : GameFixture {
    QuizFixture() {
        writeQuiz(quizLines());
        useOwnContent();
        ctx->log.open(dir.filePath("events.log").toStdString());
        rules::SessionSetup(ctx->session).score(1000);
        rules::SessionSetup(ctx->session).takingThrows(true);
        // The bonus box reports what the score label showed while it was open.
        ctx->messages.answerer = [this](const QString& text, const QString& title,
                                        MessageBoxes::Buttons) {
            boxes << title + ": " + text;
            if (QuizWindow* quiz = ctx->windows.find<QuizWindow>())
                scoreShownAtBox = label(*quiz, "score").caption();
            return MessageBoxes::Answer::Ok;
        };
    }

    void writeQuiz(const std::vector<std::string>& lines) {
        std::ofstream(dir.filePath("gm1_data.txt").toStdString(), std::ios::binary)
            << quizFileBytes(lines);
    }

    // As a throw onto a quiz square opens it, with the die turning.
    QuizWindow& open() {
        ctx->windows.load<DieWindow>();
        ctx->session.openMiniGame(rules::MiniGame::Quiz);
        return ctx->windows.show<QuizWindow>();
    }

    // A real click on answer button `index`.
    void click(int index) {
        QTest::mouseClick(&button(ctx->windows.load<QuizWindow>(), "answerButtons", index),
                          Qt::LeftButton);
    }

    QString caption(const char* name) const {
        return label(ctx->windows.load<QuizWindow>(), name).caption();
    }

    QStringList log() const {
        QFile file(dir.filePath("events.log"));
        file.open(QIODevice::ReadOnly);
        return QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
    }

    bool dieTurns() { return ctx->windows.load<DieWindow>().isTurning(); }

    QString scoreShownAtBox;
};

QString expectedOptions(int question, const char* gap) {
    const QString q = "Q" + QString::number(question);
    return QString("1)%2%1-a\r\n2)%2%1-b\r\n3)%2%1-c").arg(q, gap);
}

// The right-most column of the caption's ink inside the label's sunken frame.
int inkRight(QWidget& label) {
    const QImage shown = label.grab().toImage();
    for (int x = shown.width() - 3; x >= 2; --x)
        for (int y = 2; y < shown.height() - 2; ++y)
            if (qGray(shown.pixel(x, y)) < 128)
                return x;
    return -1;
}

} // namespace

class QuizWindowTest : public QObject {
    Q_OBJECT
private slots:
    void opensOnTheFirstQuestionWithTheBoardStopped() {
        QuizFixture f;
        QuizWindow& quiz = f.open();
        QVERIFY(!f.ctx->session.state().takingThrows);
        QCOMPARE(quiz.windowTitle(), QString("Game1  -  冠 心 病 問 答 遊 戲"));
        QCOMPARE(f.caption("score"), QString("Score: 0 "));
        const int k = quiz.round()->questionNumber();
        QCOMPARE(f.caption("question"), "Q" + QString::number(k));
        QCOMPARE(f.caption("choices"), expectedOptions(k, ""));
        // Button i stands i-th from the left and answers choice i + 1.
        for (int i = 0; i < 3; ++i) {
            const QPushButton& answer = button(quiz, "answerButtons", i);
            QCOMPARE(answer.text(),
                     QString("選擇%1(Answer%2)").arg(QString("一二三")[i]).arg(i + 1));
            QCOMPARE(answer.x(), 16 + 96 * i);
        }
    }

    void fiveWrongAnswersLoseTwoHundredFifty() {
        QuizFixture f;
        QuizWindow& quiz = f.open();
        QVERIFY((f.sound->open == std::set{Effect::Right, Effect::Wrong}));
        const QStringList scores = {"-50", "-100", "-150", "-200"};
        const int firstInkRight = inkRight(label(quiz, "score")); // "Score: 0 "
        for (int n = 1; n <= 4; ++n) {
            f.click(0);
            QVERIFY(f.sound->played == std::vector<Effect>(n, Effect::Wrong));
            QCOMPARE(f.caption("score"), "Score: " + scores[n - 1]);
            const int k = f.ctx->windows.load<QuizWindow>().round()->questionNumber();
            QCOMPARE(f.caption("choices"), expectedOptions(k, " "));
            QVERIFY(f.boxes.isEmpty());
        }
        // Without the first caption's trailing blank the points still end where its 0 does (to
        // a pixel: the glyphs sit at fractional places).
        QVERIFY(qAbs(inkRight(label(quiz, "score")) - firstInkRight) <= 1);
        f.click(2);
        QCOMPARE(f.boxes, QStringList{"Tavrin: Bonus: -250"});
        QCOMPARE(f.scoreShownAtBox, QString("Score: -250"));
        QCOMPARE(f.ctx->session.state().score, 750LL);
        QVERIFY(f.ctx->session.state().takingThrows);
        QVERIFY(f.dieTurns());
        QVERIFY(f.sound->open.empty() && f.sound->played.size() == 5);
        QVERIFY(!f.ctx->windows.isLoaded<QuizWindow>());
        const QStringList log = f.log();
        QCOMPARE(log.size(), 7);
        QCOMPARE(log[0], QString("open game=quiz"));
        QCOMPARE(log[1], QString("answer question=1 button=0 right=0 gamescore=-50"));
        QCOMPARE(log[5], QString("answer question=5 button=2 right=0 gamescore=-250"));
        QCOMPARE(log[6], QString("bonus game=quiz points=-250 score=750"));

        // A click that still reaches the window on its way out counts for nothing.
        quiz.onAnswerClicked(0);
        QCOMPARE(f.boxes.size(), 1);
        QCOMPARE(f.ctx->session.state().score, 750LL);
    }

    // Learning mode: every answer is explained, and waits for the player; no question twice.
    void learningModeExplainsEachAnswerUntilThePlayerGoesOn() {
        QuizFixture f;
        f.ctx->session.setMode(rules::GameMode::Learning);
        std::string why;
        for (int k = 1; k <= 30; ++k)
            why += "Why " + std::to_string(k) + "\r\n";
        std::ofstream(f.dir.filePath("gm1_why.txt").toStdString(), std::ios::binary) << why;
        QuizWindow& quiz = f.open();
        QSet<int> asked;
        for (int n = 1; n <= 5; ++n) {
            const QString k = QString::number(quiz.round()->questionNumber());
            QVERIFY(!asked.contains(k.toInt()));
            asked << k.toInt();
            f.click(0); // the answer line is "1": the second button is right
            QVERIFY(quiz.feedback().isVisible() && quiz.focusWidget() == &quiz.feedback());
            QCOMPARE(quiz.feedback().text().section('\n', 0, 1),
                     "答錯了。 正確答案：2) Q" + k + "-b\nWhy " + k);
            QVERIFY(!button(quiz, "answerButtons", 1).isEnabled());
            QCOMPARE(button(quiz, "answerButtons", 1).text(), QString("✔ 正確"));
            QVERIFY(f.boxes.isEmpty()); // nothing moves on by itself
            QCOMPARE(f.log().last(), "feedback number=" + k + " right=0 answer=1");
            QTest::keyClick(&quiz.feedback(), n % 2 ? Qt::Key_Return : Qt::Key_Space);
        }
        QCOMPARE(f.boxes, QStringList{"Tavrin: Bonus: -250"});
    }

    void aSecondQuizStartsAgainAndReadsTheFileAgain() {
        QuizFixture f;
        f.open();
        for (int n = 0; n < 5; ++n)
            f.click(1);
        QCOMPARE(f.boxes.last(), QString("Tavrin: Bonus: 500"));
        QCOMPARE(f.ctx->session.state().score, 1500LL);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        f.writeQuiz(quizLines(std::vector<std::string>(30, "2")));
        QuizWindow& second = f.open();
        QCOMPARE(f.caption("score"), QString("Score: 0 "));
        QCOMPARE(second.round()->ordinal(), 1);
        QCOMPARE(f.caption("choices"), expectedOptions(second.round()->questionNumber(), ""));
        for (int button : {2, 0, 2, 1, 2})
            f.click(button);
        QCOMPARE(f.boxes.last(), QString("Tavrin: Bonus: 200"));
        QCOMPARE(f.ctx->session.state().score, 1700LL);
    }

    void closeBoxGivesNoBonus() {
        QuizFixture f;
        f.open();
        f.click(1);
        f.click(1);
        f.ctx->windows.load<DieWindow>().dieReleased();      // as the board left it
        QVERIFY(!f.ctx->windows.load<QuizWindow>().close()); // the registry destroys it later
        // Its effects stay open: the next quiz opens them again.
        QVERIFY(f.sound->open.contains(Effect::Right) && f.sound->played.back() == Effect::Right);
        QVERIFY(!f.ctx->windows.isLoaded<QuizWindow>());
        QVERIFY(f.boxes.isEmpty());
        QCOMPARE(f.ctx->session.state().score, 1000LL);
        QVERIFY(f.ctx->session.state().takingThrows);
        QVERIFY(f.dieTurns());
        QCOMPARE(f.log().last(), QString("close game=quiz"));
    }

    // The board checks the file before play; one edited during the game ends only the quiz.
    void fileBrokenDuringTheGameEndsTheQuizWithoutBonus() {
        QuizFixture missing;
        QFile::remove(missing.dir.filePath("gm1_data.txt"));
        missing.open();
        QTRY_VERIFY(!missing.ctx->windows.isLoaded<QuizWindow>());
        QCOMPARE(missing.boxes.size(), 1);
        QVERIFY2(missing.boxes[0].startsWith("Tavrin: gm1_data.txt: cannot open "),
                 qPrintable(missing.boxes[0]));
        QVERIFY(missing.boxes[0].endsWith("The quiz ends here without a bonus; the game goes on."));
        QCOMPARE(missing.ctx->session.state().score, 1000LL);
        QVERIFY(missing.ctx->session.state().takingThrows);
        QCOMPARE(missing.log(), (QStringList{"open game=quiz", "error file=gm1_data.txt line=0",
                                             "close game=quiz"}));

        QuizFixture shortFile;
        auto lines = quizLines();
        lines.resize(150);
        shortFile.writeQuiz(lines);
        shortFile.open();
        QTRY_VERIFY(!shortFile.ctx->windows.isLoaded<QuizWindow>());
        QVERIFY2(shortFile.boxes.value(0).startsWith("Tavrin: gm1_data.txt line 151: "),
                 qPrintable(shortFile.boxes.value(0)));
    }

    void answerLineBrokenDuringTheGameEndsTheQuizWhenAnswered() {
        QuizFixture f;
        f.writeQuiz(quizLines(std::vector<std::string>(30, "two")));
        QuizWindow& quiz = f.open(); // opening does not look at the answers
        const int line = 6 * quiz.round()->questionNumber() - 1;
        f.click(1);
        f.click(1); // before the box: counts for nothing
        QTRY_VERIFY(!f.ctx->windows.isLoaded<QuizWindow>());
        QCOMPARE(f.boxes, QStringList{QString("Tavrin: gm1_data.txt line %1: \"two\" is not a "
                                              "number\n\nThe quiz ends here without a bonus; the "
                                              "game goes on.")
                                          .arg(line)});
        QCOMPARE(f.ctx->session.state().score, 1000LL);
        QVERIFY(f.ctx->session.state().takingThrows);
    }

    void keepsTheActivationAgainstTheGamesOtherWindows() {
        QuizFixture f;
        QuizWindow& quiz = f.open();
        QTRY_COMPARE(QApplication::activeWindow(), &quiz); // as it opens
        DieWindow& die = f.ctx->windows.show<DieWindow>();

        bool dieWasActive = false;
        QTimer watch;
        connect(&watch, &QTimer::timeout,
                [&] { dieWasActive = dieWasActive || QApplication::activeWindow() == &die; });
        watch.start(0);
        die.activateWindow();
        QTRY_VERIFY(dieWasActive);
        QTRY_COMPARE(QApplication::activeWindow(), &quiz);

        // A dialog of the game's own (a message box) keeps the activation.
        QDialog box(&quiz);
        box.show();
        box.activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), &box);
        QTest::qWait(50);
        QCOMPARE(QApplication::activeWindow(), &box);
    }

    void autoplayAnswersEveryQuestionSometimesWrongly() {
        QuizFixture f;
        f.open();
        AutoplayPace pace;
        QTimer poll;
        connect(&poll, &QTimer::timeout, [&] {
            if (f.ctx->windows.isLoaded<QuizWindow>())
                autoplayQuizStep(*f.ctx, pace);
        });
        poll.start(100);
        QTRY_VERIFY_WITH_TIMEOUT(!f.ctx->windows.isLoaded<QuizWindow>(), 20000);
        const QStringList answers = f.log().filter(QRegularExpression("^answer "));
        QCOMPARE(answers.size(), 5);
        QCOMPARE(f.boxes.size(), 1);
    }
};

QTEST_MAIN(QuizWindowTest)
#include "test_quiz_window.moc"
