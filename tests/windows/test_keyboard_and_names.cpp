#include "app/app_setup.h"
#include "controls/accessible.h"
#include "controls/focus_mark.h"
#include "controls/image_control.h"
#include "controls/label_control.h"
#include "controls/plain_tool_tip.h"
#include "controls/reading_control.h"
#include "game_fixture.h"
#include "session_setup.h"
#include "window_controls.h"
#include "windows/accessible_window.h"
#include "windows/board_window.h"
#include "windows/die_window.h"
#include "windows/end_window.h"
#include "windows/game_menu.h"
#include "windows/help_window.h"
#include "windows/how_to_play_window.h"
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
#include <QTextBrowser>
#include <QTextDocument>
#include <QtTest>

using namespace tavrin;
using namespace tavrin::testing;

namespace {

// A game as the program sets it up, keys and focus included.
struct KeyboardGame : GameFixture {
    KeyboardGame() : keys(*ctx), focus(*ctx) {}

    BoardWindow& start() {
        ctx->windows.show<StartWindow>().onStartClicked();
        return ctx->windows.load<BoardWindow>();
    }

    // A key as the player presses it, delivered to a control or window of the game.
    static void press(QWidget& to, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
                      bool autoRepeat = false) {
        QKeyEvent event(QEvent::KeyPress, key, modifiers, QString(), autoRepeat);
        QApplication::sendEvent(&to, &event);
    }

    void throwWithKey(QWidget& on, int face, int key = Qt::Key_Space) {
        rules::SessionSetup(ctx->session).dieFace(face);
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

// The end-to-end tests play a whole game from the keyboard and read the tree from outside;
// these check what they cannot reach: refusals, held keys, the keypad, focus policies, the
// focus mark, the reading order and the readings' wording.
class KeyboardAndNamesTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        setUpAppearance(*qApp);
        installAccessibility();
    }

    void keysActAsTheirClicks() {
        KeyboardGame g;
        g.useBoard({{2, "33301"}, {5, "33302"}});
        BoardWindow& board = g.start();
        const auto& state = g.ctx->session.state();
        g.throwWithKey(board, 2);
        QuizWindow& quiz = g.ctx->windows.load<QuizWindow>();
        // Refused while the quiz is open, as a click is: the die holds the face.
        g.throwWithKey(g.ctx->windows.load<StatusStrip>(), 4, Qt::Key_Return);
        QCOMPARE(state.trial, 2);
        QVERIFY(state.dieHeld);
        KeyboardGame::press(quiz, Qt::Key_1, Qt::NoModifier, true); // held: no answer
        KeyboardGame::press(quiz, Qt::Key_3, Qt::KeypadModifier);
        KeyboardGame::press(quiz, Qt::Key_Escape); // the quiz has no such key
        QCOMPARE(quiz.round()->ordinal(), 2);
        g.ctx->windows.unload<QuizWindow>();
        // A held key throws once; the held face is thrown.
        KeyboardGame::press(board, Qt::Key_Space, Qt::NoModifier, true);
        QCOMPARE(state.trial, 2);
        KeyboardGame::press(g.ctx->windows.load<DieWindow>(), Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(state.square, 6);
        // Esc closes the target game as its close box does: no bonus.
        g.throwWithKey(board, 5);
        TargetGameWindow& game = g.ctx->windows.load<TargetGameWindow>();
        game.onTargetClicked(0);
        KeyboardGame::press(game, Qt::Key_Escape);
        QVERIFY(!g.ctx->windows.isLoaded<TargetGameWindow>());
        QCOMPARE(state.score, 1000LL);

        for (int key : {Qt::Key_F1, Qt::Key_F2, Qt::Key_F3})
            KeyboardGame::press(board, key);
        StatusStrip& status = g.ctx->windows.load<StatusStrip>();
        QVERIFY(status.findChild<HelpWindow*>()->browser().source().path().endsWith(
            "/info-zh-HK.html"));
        status.onSearchClicked();
        QCOMPARE(g.opened.mid(0, 1), g.opened.mid(1)); // F3: the search, as its shield
        g.answer = MessageBoxes::Answer::No;
        KeyboardGame::press(board, Qt::Key_Escape);
        KeyboardGame::press(board, Qt::Key_Q, Qt::ControlModifier);
        KeyboardGame::press(board, Qt::Key_Q); // Q alone is no key of the game
        QCOMPARE(g.boxes, QStringList(2, QString("Tavrin: ") + kExitQuestion));
    }

    // The menu opens at the focused control; Esc puts How to play away and asks nothing.
    // Tab and the arrows aim over the targets in view (in learning mode a fallen one is passed
    // over), and the target's own key shoots it as a click.
    void menuHowToPlayAndTargetKeys() {
        KeyboardGame g;
        g.ctx->session.setMode(rules::GameMode::Learning);
        g.useBoard({{5, "33302"}});
        BoardWindow& board = g.start();
        DieWindow& die = g.ctx->windows.load<DieWindow>();
        QWidget& face = control(die, "dieFace");
        KeyboardGame::press(face, Qt::Key_F10, Qt::ShiftModifier);
        QCOMPARE(die.findChild<GameMenu*>()->pos(), face.mapToGlobal(face.rect().center()));
        KeyboardGame::press(board, Qt::Key_Menu);
        KeyboardGame::press(board, Qt::Key_F10); // F10 alone is no key of the game
        QCOMPARE(board.findChildren<GameMenu*>().size(), 1);
        KeyboardGame::press(g.ctx->windows.show<HowToPlayWindow>(), Qt::Key_Escape);
        QVERIFY(!g.ctx->windows.isLoaded<HowToPlayWindow>());
        QVERIFY(g.boxes.isEmpty());

        g.throwWithKey(board, 5);
        TargetGameWindow& game = g.ctx->windows.load<TargetGameWindow>();
        QCOMPARE(game.focusWidget(), nullptr); // played with the mouse, it shows no aim
        KeyboardGame::press(game, Qt::Key_Tab);
        KeyboardGame::press(*game.focusWidget(), Qt::Key_Space);
        QVERIFY(image(game, "targets", 0).isHidden());
        KeyboardGame::press(game, Qt::Key_Right);
        KeyboardGame::press(game, Qt::Key_Left); // past the fallen one, round to the last
        QCOMPARE(game.focusWidget(), &image(game, "targets", 4));
        KeyboardGame::press(*game.focusWidget(), Qt::Key_Space, Qt::NoModifier, true);
        KeyboardGame::press(*game.focusWidget(), Qt::Key_Space);
        QCOMPARE(game.round().causesHit() + game.round().habitsHit(), 2);
    }

    void focusGoesWhereKeysActAndShows() {
        KeyboardGame g;
        StartWindow& start = g.ctx->windows.show<StartWindow>();
        QVERIFY(QTest::qWaitForWindowActive(&start)); // handed the focus by the keeper
        auto* mark = start.findChild<FocusMark*>();
        QVERIFY(mark && mark->isVisible());
        QCOMPARE(mark->followed(), &control(start, "startLink"));
        // Round the caption's words, inside its box as far as they go.
        const QRect box = control(start, "startLink").geometry();
        const int m = FocusMark::kMargin;
        QVERIFY(mark->geometry().adjusted(m, m, -m, -m).intersects(box));
        QVERIFY(box.adjusted(-m, -m, m, m).contains(mark->geometry()));
        QTest::keyClick(&start, Qt::Key_Tab);
        QCOMPARE(mark->followed(), &control(start, "instructions"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); // out again, no tab typed
        QCOMPARE(mark->followed(), &control(start, "startLink"));

        g.start();
        DieWindow& die = g.ctx->windows.load<DieWindow>();
        QCOMPARE(die.focusWidget(), &control(die, "dieFace"));
        EndWindow& end = g.ctx->windows.show<EndWindow>();
        QCOMPARE(end.focusWidget(), &control(end, "nextLink"));
        QCOMPARE(label(end, "emailLink").focusPolicy(), Qt::NoFocus); // below the window yet
        QApplication::setActiveWindow(&end);
        label(end, "nextLink").setFocus();
        KeyboardGame::press(label(end, "nextLink"), Qt::Key_Space);
        QCOMPARE(label(end, "emailLink").focusPolicy(), Qt::TabFocus);
        // The outline fits "END ->" as a fresh one would, and the hint's words stay over it.
        auto* endMark = end.findChild<FocusMark*>();
        const QRect turned = endMark->geometry();
        endMark->follow(nullptr);
        endMark->follow(&label(end, "nextLink"));
        QCOMPARE(turned, endMark->geometry());
        QVERIFY(end.children().indexOf(&label(end, "linksHint")) > end.children().indexOf(endMark));
        KeyboardGame::press(label(end, "nextLink"), Qt::Key_Space, Qt::NoModifier, true);
        QVERIFY(g.ctx->windows.isLoaded<EndWindow>()); // a held key is no second press
    }

    void namesInReadingOrderAndReadingsAsShown() {
        KeyboardGame g;
        g.useBoard({{5, "-1200"}});
        StartWindow& start = g.ctx->windows.show<StartWindow>();
        QCOMPARE(childrenOf(start),
                 (QStringList{QString("%1 How to Play?").arg(QAccessible::StaticText),
                              QString("%1 How to Play?").arg(QAccessible::EditableText),
                              QString("%1 START").arg(QAccessible::Button)}));
        g.start();
        StatusStrip& status = g.ctx->windows.load<StatusStrip>();
        QCOMPARE(reading(status, "scoreReading"), QString("分數 Score 1000"));
        g.throwWithKey(status, 5);
        QCOMPARE(childrenOf(status),
                 (QStringList{QString("%1 m5").arg(QAccessible::StatusBar),
                              QString("%1 資訊中心(Information Center)").arg(QAccessible::Button),
                              QString("%1 說明(Help)").arg(QAccessible::Button),
                              QString("%1 萬維網搜尋(Internet Search)").arg(QAccessible::Button),
                              QString("%1 離開(Exit)").arg(QAccessible::Button),
                              QString("%1 分數 Score -200").arg(QAccessible::StaticText),
                              QString("%1 步數 Throw 2 of 49").arg(QAccessible::StaticText)}));
        rules::SessionSetup(g.ctx->session).trial(50);
        QCOMPARE(reading(status, "throwReading"), QString("步數 Throw 50: no throws left"));
        DieWindow& die = g.ctx->windows.load<DieWindow>();
        for (int i = 0; i < 20; ++i) {
            die.onTurnTick();
            QCOMPARE(nameOf(image(die, "dieFace")),
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
        QCOMPARE(image(g.ctx->windows.load<DieWindow>(), "dieFace").toolTip(),
                 QString("擲骰子(Click here to throw the dice)  [Space or Enter]"));
        StatusStrip& status = g.ctx->windows.load<StatusStrip>();
        QCOMPARE(QAccessible::queryAccessibleInterface(&image(status, "exitShield"))
                     ->text(QAccessible::Description),
                 QString("離開(Exit)  [Esc or Ctrl+Q]"));
        QCOMPARE(label(status, "message").toolTip(), QString("遊戲訊息(Message Window)"));
        // A translation's tooltip that looks like markup shows as written, never read as HTML
        // (an image tag would have Qt open its file); any other stays as it is.
        for (const QString text : {"<img src=/etc/passwd>", "a <b>c</b>  [Esc]"}) {
            QTextDocument shown;
            shown.setHtml(plainToolTip(text));
            QCOMPARE(shown.toPlainText(), text);
            QVERIFY(!plainToolTip(text).contains("<img"));
        }
        QCOMPARE(plainToolTip("<3 [Space]"), QString("<3 [Space]"));
    }

private:
    static QString reading(StatusStrip& status, const char* name) {
        return status.findChild<ReadingControl*>(name)->reading();
    }
};

QTEST_MAIN(KeyboardAndNamesTest)
#include "test_keyboard_and_names.moc"
