#include "app/app_setup.h"
#include "controls/accessible.h"
#include "controls/focus_mark.h"
#include "controls/image_control.h"
#include "controls/interval_timer.h"
#include "controls/label_control.h"
#include "controls/reading_control.h"
#include "game_fixture.h"
#include "windows/accessible_window.h"
#include "windows/board_window.h"
#include "windows/die_window.h"
#include "windows/drag_handle.h"
#include "windows/end_window.h"
#include "windows/key_list.h"
#include "windows/keyboard_control.h"
#include "windows/keyboard_focus.h"
#include "windows/quiz_window.h"
#include "windows/start_window.h"
#include "windows/status_strip.h"
#include "windows/target_game_window.h"

#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

using namespace tavrin;
using namespace tavrin::testing;

namespace {

// A game as the program sets it up, keys and focus included.
struct KeyboardGame : GameFixture {
    KeyboardGame() : keys(*ctx), focus(*ctx) {}

    BoardWindow& start() {
        ctx->windows.show<StartWindow>().onStartClicked();
        return ctx->windows.get<BoardWindow>();
    }

    // A key as the player presses it, delivered to a control or window of the game.
    static void press(QWidget& to, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
                      bool autoRepeat = false) {
        QKeyEvent event(QEvent::KeyPress, key, modifiers, QString(), autoRepeat);
        QApplication::sendEvent(&to, &event);
    }

    void throwWithKey(QWidget& on, int face, int key = Qt::Key_Space) {
        ctx->session.stateForSetup().dieFace = face;
        press(on, key);
    }

    KeyboardControl keys;
    FocusKeeper focus;
};

QAccessibleInterface* accessibleOf(QWidget& w) {
    return QAccessible::queryAccessibleInterface(&w);
}

QString nameOf(QWidget& w) {
    return accessibleOf(w)->text(QAccessible::Name);
}

QStringList childrenOf(QWidget& window) {
    QStringList children;
    QAccessibleInterface* iface = accessibleOf(window);
    for (int i = 0; i < iface->childCount(); ++i)
        children << QString("%1 %2")
                        .arg(iface->child(i)->role())
                        .arg(iface->child(i)->text(QAccessible::Name));
    return children;
}

} // namespace

class KeyboardAndNamesTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        setUpAppearance(*qApp);
        installAccessibility();
    }

    void playingScreenKeysActAsTheirClicks() {
        KeyboardGame g;
        g.useBoard({{2, "33301"}});
        BoardWindow& board = g.start();
        const auto& state = g.ctx->session.state();
        g.throwWithKey(board, 2);
        QCOMPARE(state.square, 2);
        QVERIFY(g.ctx->windows.isLoaded<QuizWindow>());
        // Refused while the quiz is open, as a click is: the die holds the face.
        g.throwWithKey(g.ctx->windows.get<StatusStrip>(), 4, Qt::Key_Return);
        QCOMPARE(state.trial, 2);
        QVERIFY(state.dieHeld);
        g.ctx->windows.unload<QuizWindow>();
        // A held key throws once.
        KeyboardGame::press(board, Qt::Key_Space, Qt::NoModifier, true);
        QCOMPARE(state.trial, 2);
        KeyboardGame::press(g.ctx->windows.get<DragHandle>(), Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(state.trial, 3);
        QCOMPARE(state.square, 6);

        for (int key : {Qt::Key_F1, Qt::Key_F2, Qt::Key_F3})
            KeyboardGame::press(board, key);
        // The same addresses as the help, information and search shields open.
        StatusStrip& status = g.ctx->windows.get<StatusStrip>();
        status.onHelpClicked();
        status.onInfoClicked();
        status.onSearchClicked();
        QCOMPARE(g.opened.size(), 6);
        QCOMPARE(g.opened.mid(0, 3), g.opened.mid(3));

        g.answer = MessageBoxes::Answer::No;
        KeyboardGame::press(g.ctx->windows.get<DieWindow>(), Qt::Key_Escape);
        KeyboardGame::press(board, Qt::Key_Q, Qt::ControlModifier);
        KeyboardGame::press(board, Qt::Key_Q); // Q alone is no key of the game
        QCOMPARE(g.boxes, QStringList(2, QString("Tavrin: ") + kExitQuestion));
        QVERIFY(g.ctx->windows.isLoaded<BoardWindow>());
        g.answer = MessageBoxes::Answer::Yes;
        KeyboardGame::press(board, Qt::Key_Escape);
        QVERIFY(g.ctx->windows.loaded().empty());
    }

    void arrowsMoveTheGroupAsADragWould() {
        KeyboardGame g;
        g.start();
        DragHandle& handle = g.ctx->windows.get<DragHandle>();
        BoardWindow& board = g.ctx->windows.get<BoardWindow>();
        const QPoint from = handle.pos();
        KeyboardGame::press(board, Qt::Key_Down);
        KeyboardGame::press(board, Qt::Key_Right, Qt::ShiftModifier);
        QCOMPARE(handle.pos(), from + QPoint(1, 10));
        QCOMPARE(board.topTwips(), handle.topTwips() - 4800);
        QCOMPARE(g.ctx->windows.get<DieWindow>().leftTwips(), handle.leftTwips() + 7500);
        KeyboardGame::press(handle, Qt::Key_Up, Qt::NoModifier, true); // held: it keeps moving
        QCOMPARE(handle.pos(), from + QPoint(1, 0));
    }

    void quizAnswersWithOneTwoThree() {
        KeyboardGame g;
        g.useBoard({{2, "33301"}});
        g.throwWithKey(g.start(), 2);
        QuizWindow& quiz = g.ctx->windows.get<QuizWindow>();
        KeyboardGame::press(quiz, Qt::Key_2);
        QCOMPARE(quiz.round()->ordinal, 2);
        KeyboardGame::press(quiz, Qt::Key_4);
        KeyboardGame::press(quiz, Qt::Key_1, Qt::NoModifier, true);
        QCOMPARE(quiz.round()->ordinal, 2);
        KeyboardGame::press(quiz.button("answerButtons", 0), Qt::Key_3, Qt::KeypadModifier);
        QCOMPARE(quiz.round()->ordinal, 3);
        QVERIFY(quiz.label("score").caption().startsWith("Score: "));
        KeyboardGame::press(quiz, Qt::Key_Escape); // the quiz has no such key
        QVERIFY(g.ctx->windows.isLoaded<QuizWindow>());
    }

    void escapeClosesTheTargetGameWithoutBonus() {
        KeyboardGame g;
        g.useBoard({{3, "33302"}});
        g.throwWithKey(g.start(), 3);
        TargetGameWindow& game = g.ctx->windows.get<TargetGameWindow>();
        game.onTargetClicked(0);
        KeyboardGame::press(game, Qt::Key_Space); // no throw from inside the game
        QCOMPARE(g.ctx->session.state().trial, 2);
        KeyboardGame::press(game, Qt::Key_Escape);
        QVERIFY(!g.ctx->windows.isLoaded<TargetGameWindow>());
        QCOMPARE(g.ctx->session.state().score, 1000LL);
        QVERIFY(g.ctx->session.state().takingThrows);
        QVERIFY(g.boxes.isEmpty());
    }

    void startAndEndWindowsTakeEnterAndSpace() {
        KeyboardGame g;
        StartWindow& start = g.ctx->windows.get<StartWindow>();
        QCOMPARE(start.focusWidget(), start.control("startLink"));
        QVERIFY(start.multiLineText("instructions").tabChangesFocus());
        KeyboardGame::press(start.label("startLink"), Qt::Key_Return);
        QVERIFY(g.ctx->windows.isLoaded<BoardWindow>());
        // The die window's parts outside the ball never take the focus.
        DieWindow& die = g.ctx->windows.get<DieWindow>();
        QCOMPARE(die.focusWidget(), die.control("dieFace"));
        QCOMPARE(die.button("spareButton").focusPolicy(), Qt::NoFocus);
        QCOMPARE(die.lineText("thrownFace").focusPolicy(), Qt::NoFocus);

        EndWindow& end = g.ctx->windows.show<EndWindow>();
        QCOMPARE(end.focusWidget(), end.control("nextLink"));
        QCOMPARE(end.label("emailLink").focusPolicy(), Qt::NoFocus); // not in view yet
        KeyboardGame::press(end.label("nextLink"), Qt::Key_Return);
        QVERIFY(end.linksShown());
        for (const char* link : {"emailLink", "teamLink", "heartLink", "homeLink"})
            QCOMPARE(end.label(link).focusPolicy(), Qt::TabFocus);
        KeyboardGame::press(end.label("teamLink"), Qt::Key_Return);
        QCOMPARE(g.opened, QStringList{end.label("teamLink").caption()});
        KeyboardGame::press(end.label("nextLink"), Qt::Key_Space, Qt::NoModifier, true);
        QVERIFY(g.ctx->windows.isLoaded<EndWindow>()); // a held key is no second press
        KeyboardGame::press(end.label("nextLink"), Qt::Key_Space);
        QVERIFY(g.ctx->windows.loaded().empty());
    }

    void focusShowsAndTabLeavesTheInstructions() {
        KeyboardGame g;
        StartWindow& start = g.ctx->windows.show<StartWindow>();
        QVERIFY(QTest::qWaitForWindowActive(&start)); // handed the focus by the keeper
        auto* mark = start.findChild<FocusMark*>();
        QVERIFY(mark && mark->isVisible());
        // Round the caption's words, inside its box as far as they go.
        QCOMPARE(mark->followed(), start.control("startLink"));
        const QRect box = start.control("startLink")->geometry();
        const int m = FocusMark::kMargin;
        QVERIFY(mark->geometry().adjusted(m, m, -m, -m).intersects(box));
        QVERIFY(box.adjusted(-m, -m, m, m).contains(mark->geometry()));
        QTest::keyClick(&start, Qt::Key_Tab);
        QCOMPARE(mark->followed(), start.control("instructions"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), start.control("startLink"));
        QCOMPARE(start.multiLineText("instructions").toPlainText().count('\t'), 0);
        QCOMPARE(mark->followed(), start.control("startLink"));
    }

    void controlsHaveNamesAndRoles() {
        KeyboardGame g;
        StartWindow& start = g.ctx->windows.show<StartWindow>();
        QCOMPARE(childrenOf(start),
                 (QStringList{QString("%1 How to Play?").arg(QAccessible::StaticText),
                              QString("%1 How to Play?").arg(QAccessible::EditableText),
                              QString("%1 START").arg(QAccessible::Button)}));
        // Pressed by assistive technology, START starts the game as a click does.
        accessibleOf(start.label("startLink"))
            ->actionInterface()
            ->doAction(QAccessibleActionInterface::pressAction());
        QVERIFY(g.ctx->windows.isLoaded<BoardWindow>());

        StatusStrip& status = g.ctx->windows.get<StatusStrip>();
        g.ctx->session.stateForSetup().score = -120;
        status.onRefreshTick();
        QCOMPARE(childrenOf(status),
                 (QStringList{QString("%1 !!歡迎!!").arg(QAccessible::StatusBar),
                              QString("%1 資訊中心(Information Center)").arg(QAccessible::Button),
                              QString("%1 說明(Help)").arg(QAccessible::Button),
                              QString("%1 萬維網搜尋(Internet Search)").arg(QAccessible::Button),
                              QString("%1 離開(Exit)").arg(QAccessible::Button),
                              QString("%1 分數 Score -120").arg(QAccessible::StaticText),
                              QString("%1 步數 Throw 1 of 49").arg(QAccessible::StaticText)}));
        QCOMPARE(accessibleOf(status.image("helpShield"))->text(QAccessible::Description),
                 QString("說明(Help)  [F1]"));
        g.ctx->session.stateForSetup().trial = 50;
        status.onRefreshTick();
        QCOMPARE(reading(status, "throwReading"), QString("步數 Throw 50: no throws left"));

        DieWindow& die = g.ctx->windows.get<DieWindow>();
        die.onTurnTick();
        QCOMPARE(nameOf(die.image("dieFace")),
                 QString("骰子 Die: %1").arg(g.ctx->session.state().dieFace));
        QCOMPARE(accessibleOf(die.image("dieFace"))->role(), QAccessible::Button);
        QCOMPARE(childrenOf(die).size(), 1); // the parts outside the ball are left out

        EndWindow& end = g.ctx->windows.show<EndWindow>();
        QVERIFY(!childrenOf(end).join(' ').contains("Email")); // below the window, unseen
        end.onNextClicked();
        QCOMPARE(nameOf(end.label("nextLink")), QString("END"));
        QCOMPARE(accessibleOf(end.label("homeLink"))->role(), QAccessible::Link);
        QVERIFY(childrenOf(end).join(' ').contains("Email"));
    }

    void squaresAreAListMarkedWhereTheCharacterStands() {
        KeyboardGame g;
        g.useBoard({}, {{4, "m4 <b>"}});
        BoardWindow& board = g.start();
        QAccessibleInterface* window = accessibleOf(board);
        QCOMPARE(window->childCount(), 1);
        QAccessibleInterface* list = window->child(0);
        QCOMPARE(list->role(), QAccessible::List);
        QCOMPARE(list->childCount(), 38);
        QAccessibleInterface* square4 = list->child(4);
        QCOMPARE(square4->text(QAccessible::Name), QString("m4 <b>"));
        QCOMPARE(square4->role(), QAccessible::ListItem);
        QCOMPARE(square4->parent()->object(), list->object());
        QCOMPARE(list->indexOfChild(square4), 4);
        QVERIFY(list->child(0)->state().selected && !square4->state().selected);
        g.throwWithKey(board, 4);
        QVERIFY(!list->child(0)->state().selected && square4->state().selected);
    }

    // Whether a change is announced is seen from the outside (tests/e2e/test_screen_reader.sh):
    // the offscreen platform has no accessibility bridge to tell.
    void readingsChangeWithTheDigits() {
        KeyboardGame g;
        g.useBoard({{5, "-70"}});
        g.start();
        StatusStrip& status = g.ctx->windows.get<StatusStrip>();
        status.onRefreshTick();
        g.throwWithKey(status, 5);
        QCOMPARE(reading(status, "scoreReading"), QString("分數 Score 1000")); // as still shown
        status.onRefreshTick();
        QCOMPARE(reading(status, "scoreReading"), QString("分數 Score 930"));
        QCOMPARE(reading(status, "throwReading"), QString("步數 Throw 2 of 49"));
        QCOMPARE(nameOf(status.label("message")), QString("m5"));
        DieWindow& die = g.ctx->windows.get<DieWindow>();
        for (int i = 0; i < 20; ++i) {
            die.onTurnTick();
            QCOMPARE(nameOf(die.image("dieFace")),
                     QString("骰子 Die: %1").arg(g.ctx->session.state().dieFace));
        }
    }

    void keysAreListedInTheReadmeAndTheTooltips() {
        KeyboardGame g;
        QFile readme(qEnvironmentVariable("TAVRIN_SOURCE_DIR") + "/README.md");
        QVERIFY(readme.open(QIODevice::ReadOnly));
        QVERIFY2(QString::fromUtf8(readme.readAll()).contains(keyListText()),
                 "README.md does not show the key list as the game has it");
        g.start();
        QCOMPARE(g.ctx->windows.get<DieWindow>().image("dieFace").toolTip(),
                 QString("擲骰子(Click here to throw the dice)  [Space or Enter]"));
        QVERIFY(g.ctx->windows.get<StatusStrip>()
                    .image("exitShield")
                    .toolTip()
                    .endsWith("[Esc or Ctrl+Q]"));
        QVERIFY(
            g.ctx->windows.get<DragHandle>().image("handle").toolTip().endsWith("[Arrow keys]"));
        QCOMPARE(g.ctx->windows.get<StatusStrip>().label("message").toolTip(),
                 QString("遊戲訊息(Message Window)")); // no key acts on it
    }

private:
    static QString reading(StatusStrip& status, const char* name) {
        return status.findChild<ReadingControl*>(name)->reading();
    }
};

QTEST_MAIN(KeyboardAndNamesTest)
#include "test_keyboard_and_names.moc"
