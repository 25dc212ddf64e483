#include "controls/image_control.h"
#include "controls/interval_timer.h"
#include "controls/label_control.h"
#include "game_fixture.h"
#include "rules/target_positions.h"
#include "session_setup.h"
#include "window_controls.h"
#include "windows/board_window.h"
#include "windows/die_window.h"
#include "windows/image_bank.h"
#include "windows/start_window.h"
#include "windows/status_strip.h"
#include "windows/target_game_window.h"

#include <QHelpEvent>
#include <QMessageBox>
#include <QToolTip>
#include <QtTest>

using namespace tavrin;
using namespace tavrin::testing;

namespace {

// Target squares three and six squares from the start.
void startOnTargetBoard(GameFixture& f) {
    f.useBoard({{3, "33302"}, {6, "33302"}});
    f.ctx->windows.show<StartWindow>().onStartClicked();
}

// Throws a three through the die's own handler: the board opens the next target square.
TargetGameWindow& openTargetGame(GameFixture& f) {
    rules::SessionSetup(f.ctx->session).dieFace(3);
    f.ctx->windows.load<DieWindow>().onDieClicked();
    TargetGameWindow* game = f.ctx->windows.find<TargetGameWindow>();
    if (!game)
        throw std::runtime_error("the target game did not open");
    return *game;
}

void click(TargetGameWindow& game, int target, int times = 1) {
    for (int i = 0; i < times; ++i)
        QTest::mouseClick(&image(game, "targets", target), Qt::LeftButton);
}

// Lets the fake clock run out and the game take its next clock tick.
void runOut(GameFixture& f, TargetGameWindow& game) {
    f.clock.now += 20;
    game.onClockTick();
}

QImage digitPicture(int d) {
    return images::redDigit(d).toImage();
}

QString logTo(GameFixture& f) {
    const QString path = f.dir.filePath("events.log");
    f.ctx->log.open(path.toStdString());
    return path;
}

QStringList logLines(const QString& path, const char* pattern) {
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return QString::fromUtf8(file.readAll())
        .split('\n', Qt::SkipEmptyParts)
        .filter(QRegularExpression(pattern));
}

} // namespace

class TargetWindowTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    void openingStopsTheBoardAndStartsAFreshGame() {
        GameFixture f;
        startOnTargetBoard(f);
        TargetGameWindow& game = openTargetGame(f);
        QVERIFY(game.isVisible());
        QVERIFY(!f.ctx->session.state().takingThrows);
        QCOMPARE(game.round().score(), 0LL);
        QCOMPARE(label(game, "score").caption(), QString("Score: 0 "));
        for (int i = 0; i < 5; ++i) {
            const bool cause = i % 2 == 0;
            QCOMPARE(image(game, "targets", i).cursor().shape(),
                     cause ? Qt::CrossCursor : Qt::ArrowCursor);
        }
        QCOMPARE(timer(game, "jumpTimer").interval(), 600);
        QCOMPARE(timer(game, "clockTimer").interval(), 10);
        QVERIFY(
            image(game, "secondDigits", 0).picture().isNull()); // no digits before the first tick
        // The throw that opened the game still released the die afterwards.
        QVERIFY(f.ctx->windows.load<DieWindow>().isTurning());
        // The board takes no throw while the game is open.
        const int trial = f.ctx->session.state().trial;
        f.ctx->windows.load<DieWindow>().onDieClicked();
        QCOMPARE(f.ctx->session.state().trial, trial);
    }

    void clockShowsTheTimeLeftInRedDigits() {
        GameFixture f;
        startOnTargetBoard(f);
        TargetGameWindow& game = openTargetGame(f);
        f.clock.now += 0.25; // 19.75 left
        game.onClockTick();
        const char* names[] = {"minuteDigits", "minuteDigits",    "secondDigits",
                               "secondDigits", "hundredthDigits", "hundredthDigits"};
        const int expected[] = {0, 0, 1, 9, 7, 5};
        for (int i = 0; i < 6; ++i)
            QCOMPARE(image(game, names[i], i % 2).picture().toImage(), digitPicture(expected[i]));
        f.clock.now += 7.25; // 12.5 left
        game.onClockTick();
        QCOMPARE(image(game, "secondDigits", 0).picture().toImage(), digitPicture(1));
        QCOMPARE(image(game, "secondDigits", 1).picture().toImage(), digitPicture(2));
        QCOMPARE(image(game, "hundredthDigits", 0).picture().toImage(), digitPicture(5));
        QCOMPARE(image(game, "hundredthDigits", 1).picture().toImage(), digitPicture(0));
        QCOMPARE(image(game, "minuteDigits", 1).size(), QSize(16, 21)); // the digit picture's size
    }

    void noClickGivesBonusZero() {
        GameFixture f;
        startOnTargetBoard(f);
        TargetGameWindow& game = openTargetGame(f);
        game.onClockTick();
        QVERIFY(f.boxes.isEmpty());
        runOut(f, game);
        QCOMPARE(f.boxes, QStringList{"Tavrin: Bonus: 0"});
        QCOMPARE(f.ctx->session.state().score, 1000LL);
        QVERIFY(f.ctx->session.state().takingThrows);
        QVERIFY(f.ctx->windows.load<DieWindow>().isTurning());
        QVERIFY(!f.ctx->windows.isLoaded<TargetGameWindow>());
    }

    void healthyHabitsAloneLowerTheScore() {
        GameFixture f;
        const QString log = logTo(f);
        startOnTargetBoard(f);
        TargetGameWindow& game = openTargetGame(f);
        click(game, 1);
        click(game, 3);
        QCOMPARE(label(game, "score").caption(), QString("Score: -200 "));
        runOut(f, game);
        QCOMPARE(f.boxes, QStringList{"Tavrin: Bonus: -200"});
        QCOMPARE(f.ctx->session.state().score, 800LL);
        QCOMPARE(logLines(log, "^(hit|bonus) "),
                 (QStringList{"hit target=1 gamescore=-100", "hit target=3 gamescore=-200",
                              "bonus game=target points=-200 score=800"}));
    }

    void everyClickBetweenTwoMovesCounts() {
        GameFixture f;
        startOnTargetBoard(f);
        TargetGameWindow& game = openTargetGame(f);
        game.onJumpTick();
        click(game, 0, 3);
        click(game, 4, 2);
        click(game, 3);
        game.onJumpTick();
        click(game, 2);
        QCOMPARE(label(game, "score").caption(), QString("Score: 500 "));
        runOut(f, game);
        QCOMPARE(f.ctx->session.state().score, 1500LL);
    }

    // Learning mode: a target shot falls until the next jump, the crosshair is over every
    // target, and the bonus box says what was shot and names a healthy habit.
    void learningModeTargetsFallAndTheBonusTeaches() {
        GameFixture f;
        f.ctx->session.setMode(rules::GameMode::Learning);
        startOnTargetBoard(f);
        TargetGameWindow& game = openTargetGame(f);
        for (int i = 0; i < 5; ++i)
            QCOMPARE(image(game, "targets", i).cursor().shape(), Qt::CrossCursor);
        game.onJumpTick();
        click(game, 0, 3);
        QVERIFY(image(game, "targets", 0).isHidden());
        game.onTargetClicked(0); // one that slips through to the fallen target hits nothing
        click(game, 3);
        QCOMPARE(label(game, "score").caption(), QString("Score: -100 "));
        game.onJumpTick();
        QVERIFY(!image(game, "targets", 0).isHidden());
        click(game, 0);
        runOut(f, game);
        QCOMPARE(f.boxes,
                 QStringList{"Tavrin: Bonus: 50\n\n你射中了 2 個誘因和 1 個健康習慣。記住："
                             "作息定時，對心臟有益！"});
    }

    void targetsMoveToTheDrawnPlaces() {
        GameFixture f;
        startOnTargetBoard(f);
        TargetGameWindow& game = openTargetGame(f);
        f.ctx->rng.seed(42);
        game.onJumpTick();
        rules::Random replay(rules::fixedSeedSource(42));
        const auto expected = rules::drawTargetPositions(replay);
        for (int i = 0; i < 5; ++i)
            QCOMPARE(image(game, "targets", i).pos(),
                     QPoint(layout::px(expected[i].left), layout::px(expected[i].top)));
    }

    void timeOverRunsOnceWhileTicksKeepComing() {
        GameFixture f;
        startOnTargetBoard(f);
        TargetGameWindow& game = openTargetGame(f);
        click(game, 0);
        int boxes = 0;
        f.ctx->messages.answerer = [&](const QString&, const QString&, MessageBoxes::Buttons) {
            ++boxes;
            // The box runs its own loop: the real 10 ms clock keeps ticking meanwhile.
            if (boxes == 1) {
                game.onClockTick();
                QTest::qWait(100);
            }
            return MessageBoxes::Answer::Ok;
        };
        runOut(f, game);
        QCOMPARE(boxes, 1);
        QCOMPARE(f.ctx->session.state().score, 1100LL);
        QVERIFY(!f.ctx->windows.isLoaded<TargetGameWindow>());
    }

    void aSecondGameStartsAgainAtZero() {
        GameFixture f;
        startOnTargetBoard(f);
        TargetGameWindow& first = openTargetGame(f);
        click(first, 0, 4);
        runOut(f, first);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        TargetGameWindow& second = openTargetGame(f);
        QCOMPARE(second.round().score(), 0LL);
        QCOMPARE(label(second, "score").caption(), QString("Score: 0 "));
        second.onClockTick();
        QVERIFY(f.boxes.size() == 1); // its own 20 seconds start at its opening
        click(second, 1);
        runOut(f, second);
        QCOMPARE(f.boxes, (QStringList{"Tavrin: Bonus: 400", "Tavrin: Bonus: -100"}));
        QCOMPARE(f.ctx->session.state().score, 1300LL);
    }

    void causesSoundTheHitAndHabitsTheBlip() {
        GameFixture f;
        TargetGameWindow& game = f.ctx->windows.show<TargetGameWindow>();
        const std::set<Effect> both{Effect::Hit, Effect::Miss};
        QVERIFY(f.sound->open == both);
        QVERIFY(f.sound->played == std::vector{Effect::Hit}); // the opening shot
        click(game, 3);
        QVERIFY(f.sound->played.back() == Effect::Miss);
        f.clock.now += 20;
        game.onClockTick();
        QVERIFY(f.sound->open.empty());
        // The close box leaves them open; the next opening finds them so.
        f.ctx->windows.show<TargetGameWindow>().close();
        QVERIFY(f.sound->open == both);
        QVERIFY(f.sound->played.back() == Effect::Hit);
    }

    void closeBoxGivesNoBonus() {
        GameFixture f;
        const QString log = logTo(f);
        startOnTargetBoard(f);
        TargetGameWindow& game = openTargetGame(f);
        click(game, 0, 2);
        game.close();
        QVERIFY(!f.ctx->windows.isLoaded<TargetGameWindow>());
        QVERIFY(f.boxes.isEmpty());
        QCOMPARE(f.ctx->session.state().score, 1000LL);
        QVERIFY(f.ctx->session.state().takingThrows);
        // A late tick before the window is deleted ends nothing, even with the time up.
        f.clock.now += 20;
        game.onClockTick();
        game.onJumpTick();
        QVERIFY(f.boxes.isEmpty());
        QCOMPARE(logLines(log, "^(bonus|close|targets) "), QStringList{"close game=target"});
        // The board takes throws again.
        rules::SessionSetup(f.ctx->session).dieFace(1);
        f.ctx->windows.load<DieWindow>().onDieClicked();
        QCOMPARE(f.ctx->session.state().trial, 3);
    }

    void tooltipKeepsItsCarriageReturnsAndShowsThemAsLineBreaks() {
        GameFixture f;
        startOnTargetBoard(f);
        TargetGameWindow& game = openTargetGame(f);
        ImageControl& fatty = image(game, "targets", 2);
        QCOMPARE(fatty.toolTip(), QString("高 脂 肪\r、\r 高 膽 固\r 醇 "));
        QHelpEvent help(QEvent::ToolTip, QPoint(5, 5), fatty.mapToGlobal(QPoint(5, 5)));
        QCoreApplication::sendEvent(&fatty, &help);
        QCOMPARE(QToolTip::text(), QString("高 脂 肪\n、\n 高 膽 固\n 醇 "));
        QToolTip::hideText();
    }

    void gameTakesTheActivationBackFromTheOtherWindows() {
        GameFixture f;
        startOnTargetBoard(f);
        TargetGameWindow& game = openTargetGame(f);
        QVERIFY(QTest::qWaitForWindowActive(&game)); // it takes the activation as it opens
        StatusStrip& status = f.ctx->windows.load<StatusStrip>();
        status.activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(&game));
        // A message box of the program keeps the activation.
        QMessageBox box;
        box.show();
        box.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&box));
        QTest::qWait(50);
        QCOMPARE(QApplication::activeWindow(), static_cast<QWidget*>(&box));
    }
};

QTEST_MAIN(TargetWindowTest)
#include "test_target_window.moc"
