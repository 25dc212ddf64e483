#include "app/app_setup.h"
#include "controls/image_control.h"
#include "controls/interval_timer.h"
#include "controls/label_control.h"
#include "controls/picture_box.h"
#include "game_fixture.h"
#include "rules/board_rules.h"
#include "rules/status_digits.h"
#include "session_setup.h"
#include "window_controls.h"
#include "windows/board_window.h"
#include "windows/die_window.h"
#include "windows/drag_handle.h"
#include "windows/end_window.h"
#include "windows/help_window.h"
#include "windows/image_bank.h"
#include "windows/quiz_window.h"
#include "windows/start_window.h"
#include "windows/status_strip.h"
#include "windows/target_game_window.h"
#include "windows/win_text.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTextBrowser>
#include <QtTest>

using namespace tavrin;
using namespace tavrin::testing;

namespace {

// Starts a game as the player does: the start window, then its START label.
BoardWindow& startGame(GameFixture& f) {
    f.ctx->windows.show<StartWindow>().onStartClicked();
    return f.ctx->windows.load<BoardWindow>();
}

// Throws the die with a chosen face through the die's own click handler.
void throwFace(GameFixture& f, int face) {
    rules::SessionSetup(f.ctx->session).dieFace(face);
    f.ctx->windows.load<DieWindow>().onDieClicked();
}

QPoint twipsPos(const QWidget& w) {
    return QPoint(w.x() * 15, w.y() * 15);
}
QPoint frameTwips(const QWidget& window) {
    return window.frameGeometry().topLeft() * 15;
}

// Window positions are whole pixels: a position in twips reads back as its pixel, in twips.
int onPixel(int twips) {
    return layout::twips(layout::px(twips));
}

} // namespace

class BoardWindowsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { setUpAppearance(*qApp); }

    // A window unloaded just before the game's context goes (the program ending, or a test's
    // end) is deleted with it, not later by the event loop, when it would find no game left.
    void windowsUnloadedAtTheEndGoWithTheGame() {
        QPointer<StartWindow> start;
        QPointer<EndWindow> end;
        {
            GameFixture f;
            start = &f.ctx->windows.show<StartWindow>();
            end = &f.ctx->windows.show<EndWindow>();
            f.ctx->windows.unload<StartWindow>();
            f.ctx->windows.endAtOnce();
            QVERIFY(start && end); // their deletion waits for the event loop
        }
        QVERIFY(!start && !end);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void startOpensTheBoardAndItsCompanions() {
        GameFixture f;
        BoardWindow& board = startGame(f);
        auto& windows = f.ctx->windows;
        QVERIFY(!windows.isLoaded<StartWindow>());
        for (QWidget* w : std::initializer_list<QWidget*>{&board, &windows.load<StatusStrip>(),
                                                          &windows.load<DieWindow>(),
                                                          &windows.load<DragHandle>()})
            QVERIFY2(w->isVisible(), qPrintable(w->objectName()));
        QVERIFY(f.sound->musicPlaying);
        QCOMPARE(f.ctx->session.state().score, 1000LL);
        QCOMPARE(f.ctx->session.state().trial, 1);
        QVERIFY(f.ctx->session.state().takingThrows);
        QCOMPARE(f.ctx->session.state().square, 0);
        QCOMPARE(twipsPos(image(board, "character")), QPoint(120, -60));
    }

    void windowsLoadImplicitlyAndUnloadQuietly() {
        GameFixture f;
        auto& windows = f.ctx->windows;
        windows.unload<QuizWindow>(); // never loaded: nothing happens
        QVERIFY(!windows.isLoaded<QuizWindow>());
        // Loading again starts from the layout.
        StatusStrip& status = windows.load<StatusStrip>();
        label(status, "message").setCaption("changed");
        windows.unload<StatusStrip>();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(label(windows.load<StatusStrip>(), "message").caption(), QString("!!歡迎!!"));
    }

    void groupStandsAroundTheHandle() {
        GameFixture f;
        startGame(f);
        auto& windows = f.ctx->windows;
        DragHandle& face = windows.load<DragHandle>();
        face.moveFrameTo(QPoint(3000, 7500) / 15);
        face.onHandlePressed({0, 0});
        face.onHandleReleased(); // a press and release without moving places the group
        QCOMPARE(frameTwips(windows.load<BoardWindow>()), QPoint(onPixel(4400), 2700));
        QCOMPARE(frameTwips(windows.load<StatusStrip>()), QPoint(onPixel(4960), 8100));
        QCOMPARE(frameTwips(windows.load<DieWindow>()), QPoint(10500, 7500));
    }

    void dragMovesOnlyTheHandleUntilRelease() {
        GameFixture f;
        startGame(f);
        auto& windows = f.ctx->windows;
        DragHandle& face = windows.load<DragHandle>();
        const int boardLeft = frameTwips(windows.load<BoardWindow>()).x();
        const int handleLeft = frameTwips(face).x();
        face.onHandlePressed({20, 20});
        face.onHandleDragged({40, 30});
        QCOMPARE(frameTwips(face).x(), handleLeft + 300);
        QCOMPARE(frameTwips(windows.load<BoardWindow>()).x(), boardLeft);
        face.onHandleReleased();
        const auto boardBesideHandle = [&] {
            return frameTwips(windows.load<BoardWindow>()).x() ==
                   onPixel(frameTwips(face).x() + 1400);
        };
        QVERIFY(boardBesideHandle());
        face.onHandleDragged({60, 60}); // no drag any more
        QVERIFY(boardBesideHandle());
    }

    void everyTileShowsThePictureOfItsKind() {
        GameFixture f;
        f.useBoard(
            {{1, "100"}, {2, "-40"}, {3, "33300"}, {4, "33301"}, {5, "33302"}, {6, "40000"}});
        BoardWindow& board = startGame(f);
        const int expected[] = {2, 0, 1, 0, 3, 3, 3, 2};
        for (int i = 0; i < 8; ++i)
            QCOMPARE(image(board, "squares", i).picture().cacheKey(),
                     images::squarePicture(expected[i]).cacheKey());
        for (int i = 0; i < rules::kSquareCount; ++i) {
            const ImageControl& tile = image(board, "squares", i);
            QVERIFY(!tile.hasBorder() && !tile.stretch());
            QCOMPARE(tile.width(), tile.height());
        }
    }

    void startWindowShowsTheInstructionsExactly() {
        GameFixture f;
        StartWindow& start = f.ctx->windows.load<StartWindow>();
        const QString text = textBox(start, "instructions").toPlainText();
        QCOMPARE(text.count('\n'), 25);
        QVERIFY(text.startsWith("1, Moving the character\n     - Click on the green ball on \n"));
        QVERIFY(text.endsWith("in the status window\n"));
        QCOMPARE(label(start, "startLink").caption(), QString("START ->"));
        QCOMPARE(start.size(), QSize(317, 208));
    }

    // The box stays editable; a paste of nothing (a fresh session's clipboard) does nothing,
    // and a huge one brings its first 64 KiB, cut between characters.
    void instructionsTakeAPasteOnlyOfSomething() {
        GameFixture f;
        StartWindow& start = f.ctx->windows.show<StartWindow>();
        QPlainTextEdit& text = textBox(start, "instructions");
        const QString before = text.toPlainText();
        QGuiApplication::clipboard()->setMimeData(new QMimeData);
        QTest::keyClick(&text, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(&text, Qt::Key_Insert, Qt::ShiftModifier);
        QCOMPARE(text.toPlainText(), before);
        QGuiApplication::clipboard()->setText("pasted");
        QTest::keyClick(&text, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(text.toPlainText(), "pasted" + before);
        for (const QString& huge : {QString(1'000'000, 'x'), QString(30'000, QChar(0x4E2D))}) {
            text.setPlainText(before);
            QGuiApplication::clipboard()->setText(huge);
            QTest::keyClick(&text, Qt::Key_V, Qt::ControlModifier);
            const QString pasted = text.toPlainText().chopped(before.size());
            QCOMPARE(pasted, huge.left(huge[0] == 'x' ? 65536 : 21845)); // 21845 * 3 bytes
        }
    }

    void throwWalksShowsMessageAndScores() {
        GameFixture f;
        f.useBoard({{3, "-120"}}, {{3, "<b>x</b>"}});
        BoardWindow& board = startGame(f);
        throwFace(f, 3);
        QCOMPARE(f.ctx->session.state().square, 3);
        QCOMPARE(f.ctx->session.state().score, 880LL);
        QCOMPARE(f.ctx->session.state().trial, 2);
        const LabelControl& message = label(f.ctx->windows.load<StatusStrip>(), "message");
        QCOMPARE(message.caption(), QString("<b>x</b>"));
        QCOMPARE(message.textFormat(), Qt::PlainText);
        const QPoint tile = twipsPos(image(board, "squares", 3));
        QCOMPARE(twipsPos(image(board, "character")), tile - QPoint(0, 300));
        DieWindow& dice = f.ctx->windows.load<DieWindow>();
        QVERIFY(!f.ctx->session.state().dieHeld);
        QVERIFY(dice.isTurning());
    }

    void dieIsFrozenByAClickDuringAMiniGame() {
        GameFixture f;
        f.useBoard({{2, "33301"}, {6, "50"}});
        startGame(f);
        DieWindow& dice = f.ctx->windows.load<DieWindow>();
        throwFace(f, 2); // the quiz opens; the die turns again meanwhile
        QVERIFY(f.ctx->windows.isLoaded<QuizWindow>());
        QVERIFY(!f.ctx->session.state().takingThrows);
        QVERIFY(dice.isTurning());
        throwFace(f, 4); // refused: held on 4, nothing moves
        QCOMPARE(f.ctx->session.state().square, 2);
        QCOMPARE(f.ctx->session.state().trial, 2);
        QVERIFY(f.ctx->session.state().dieHeld);
        QVERIFY(!dice.isTurning());
        f.ctx->session.finishMiniGame(rules::MiniGame::Quiz, 0); // the quiz ends
        f.ctx->windows.unload<QuizWindow>();
        QVERIFY(dice.isTurning());
        QVERIFY(f.ctx->session.state().takingThrows);
        dice.onTurnTick(); // frozen: ticks leave the face alone
        QCOMPARE(f.ctx->session.state().dieFace, 4);
        dice.onDieClicked();
        QCOMPARE(f.ctx->session.state().square, 6);
        QCOMPARE(f.ctx->session.state().score, 1050LL);
    }

    void turningDieShowsFacesOneToSix() {
        GameFixture f;
        startGame(f);
        DieWindow& dice = f.ctx->windows.load<DieWindow>();
        QVERIFY(f.ctx->session.state().dieFace >= 1 &&
                f.ctx->session.state().dieFace <= 6); // drawn at load
        QSet<int> seen;
        for (int i = 0; i < 200; ++i) {
            dice.onTurnTick();
            seen << f.ctx->session.state().dieFace;
            QCOMPARE(image(dice, "dieFace").picture().cacheKey(),
                     images::dieFace(f.ctx->session.state().dieFace).cacheKey());
        }
        QCOMPARE(seen, (QSet<int>{1, 2, 3, 4, 5, 6}));
    }

    void winAtTheStartOfAThrowOpensTheEndWindow() {
        GameFixture f;
        BoardWindow& board = startGame(f);
        rules::SessionSetup(f.ctx->session).score(5000);
        throwFace(f, 5);
        QCOMPARE(f.boxes, QStringList{QString("Tavrin: ") + kWinText});
        QCOMPARE(twipsPos(image(board, "character")), QPoint(onPixel(3430), onPixel(2120)));
        QCOMPARE(f.ctx->session.state().trial, 1);
        QVERIFY(!board.isVisible());
        for (bool loaded :
             {f.ctx->windows.isLoaded<DieWindow>(), f.ctx->windows.isLoaded<DragHandle>(),
              f.sound->musicPlaying, f.ctx->windows.isLoaded<StatusStrip>()})
            QVERIFY(!loaded);
        EndWindow& end = f.ctx->windows.load<EndWindow>();
        QVERIFY(end.isVisible());
        QCOMPARE(label(end, "score").caption(), QString("5000"));
    }

    void fiftiethClickEndsTheGameWithoutMoving() {
        GameFixture f;
        startGame(f);
        rules::SessionSetup(f.ctx->session).trial(50);
        throwFace(f, 3);
        QCOMPARE(f.ctx->session.state().square, 0);
        QVERIFY(f.ctx->windows.isLoaded<EndWindow>());
        QVERIFY(f.boxes.isEmpty());
    }

    void clicksAndTicksAfterTheEndDoNothing() {
        GameFixture f;
        startGame(f);
        QPointer<DieWindow> dice = &f.ctx->windows.load<DieWindow>();
        QPointer<StatusStrip> status = &f.ctx->windows.load<StatusStrip>();
        rules::SessionSetup(f.ctx->session).trial(50);
        throwFace(f, 3);         // the end: the die and the status strip go
        QVERIFY(dice && status); // destroyed only when the event loop next runs
        QTest::mouseClick(&image(*dice, "dieFace"), Qt::LeftButton);
        QCOMPARE(f.ctx->session.state().trial, 51);
        QVERIFY(!dice->isTurning());
        QVERIFY(!f.ctx->windows.isLoaded<DieWindow>());
    }

    void statusStripDrawsScoreAndTrial() {
        GameFixture f;
        startGame(f);
        StatusStrip& status = f.ctx->windows.load<StatusStrip>();
        auto shown = [&](const QString& row) {
            QString digits;
            for (int i = 5; i >= 0; --i) {
                const qint64 key = pictureBox(status, row, i).picture().cacheKey();
                digits += key == images::redDigit(rules::kLedMinus).cacheKey() ? QString("-")
                                                                               : QString("?");
                for (int d = 0; d <= 9; ++d)
                    if (key == images::redDigit(d).cacheKey())
                        digits.back() = QChar('0' + d);
            }
            return digits;
        };
        QCOMPARE(shown("scoreDigits"), QString("001000")); // from its loading
        QCOMPARE(shown("trialDigits"), QString("000001"));
        rules::SessionSetup(f.ctx->session).score(5030).trial(12);
        QCOMPARE(shown("scoreDigits"), QString("005030"));
        QCOMPARE(shown("trialDigits"), QString("000012"));
        rules::SessionSetup(f.ctx->session).score(-120);
        QCOMPARE(shown("scoreDigits"), QString("-00120"));
    }

    void shieldsOpenAddressesAndExitAsks() {
        GameFixture f;
        startGame(f);
        StatusStrip& status = f.ctx->windows.load<StatusStrip>();
        status.onInfoClicked();
        status.onHelpClicked();
        status.onSearchClicked();
        QCOMPARE(f.opened.size(), 1); // the pages show in the game's help window
        QVERIFY(f.opened[0].endsWith("%22coronary+heart+disease%22"));
        f.answer = MessageBoxes::Answer::No;
        status.onExitClicked();
        QCOMPARE(f.boxes.last(), QString("Tavrin: ") + kExitQuestion);
        QVERIFY(f.ctx->windows.isLoaded<BoardWindow>());
        f.answer = MessageBoxes::Answer::Yes;
        status.onExitClicked();
        QVERIFY(f.ctx->windows.loaded().empty()); // at once, and no end window
    }

    // However the game ends, no mini-game is left behind the end window.
    void theEndLeavesNoMiniGameLoaded() {
        GameFixture f;
        f.useBoard({{1, "33301"}});
        startGame(f);
        throwFace(f, 1);
        QVERIFY(f.ctx->windows.isLoaded<QuizWindow>());
        f.ctx->windows.load<DragHandle>().close(); // the handle's close box ends the game
        QVERIFY(f.ctx->windows.isLoaded<EndWindow>());
        QVERIFY(!f.ctx->windows.isLoaded<QuizWindow>());
        QVERIFY(!f.ctx->windows.isLoaded<TargetGameWindow>());
    }

    void endWindowTurnsItsPageThenEnds() {
        GameFixture f;
        rules::SessionSetup(f.ctx->session).score(-120);
        EndWindow& end = f.ctx->windows.show<EndWindow>();
        QCOMPARE(label(end, "score").caption(), QString("-120"));
        QVERIFY(!label(end, "linksHint").isVisible() && label(end, "homeLink").y() > end.height());
        end.onNextClicked();
        QCOMPARE(label(end, "nextLink").caption(), QString("END ->"));
        for (const char* hidden : {"thanks", "scoreHeading", "score", "cheer"})
            QVERIFY(!label(end, hidden).isVisible());
        QCOMPARE(twipsPos(label(end, "credit")), QPoint(1800, 360));
        QCOMPARE(twipsPos(label(end, "infoLink")), QPoint(2040, 2040));
        QVERIFY(label(end, "linksHint").isVisible());
        end.onInfoClicked();
        QVERIFY(
            end.findChild<HelpWindow*>()->browser().source().path().endsWith("/info-zh-HK.html"));
        QVERIFY(f.ctx->windows.isLoaded<EndWindow>());
        end.onNextClicked();
        QVERIFY(f.ctx->windows.loaded().empty());
    }

    void captionsFitOnOneLineOfTheirBoxes() {
        GameFixture f;
        std::vector<GameWindow*> windows{&f.ctx->windows.load<StartWindow>(),
                                         &f.ctx->windows.load<StatusStrip>(),
                                         &f.ctx->windows.load<EndWindow>()};
        f.ctx->windows.load<EndWindow>().onNextClicked(); // the credit and links show on page two
        for (GameWindow* window : windows)
            for (LabelControl* label : window->findChildren<LabelControl*>()) {
                const int width = QFontMetrics(label->font()).horizontalAdvance(label->caption());
                QVERIFY2(width <= label->contentsRect().width(),
                         qPrintable(QString("%1.%2 needs %3 px, has %4")
                                        .arg(window->objectName(), label->objectName())
                                        .arg(width)
                                        .arg(label->contentsRect().width())));
            }
    }

    void badBoardFileEndsTheGameWithNothingShown() {
        GameFixture f;
        f.useBoard({{11, "abc"}});
        QVERIFY_THROWS_EXCEPTION(FatalEnded, startGame(f));
        QCOMPARE(f.boxes,
                 QStringList{"Tavrin: mapdata.txt line 12: \"abc\" is not a whole number"});
        for (GameWindow* window : f.ctx->windows.loaded())
            QVERIFY2(!window->isVisible(), qPrintable(window->objectName()));
    }

    // Not at the first quiz square, with the game half played.
    void badQuizFileEndsTheGameBeforePlay() {
        GameFixture f;
        f.useBoard({});
        QFile::resize(f.dir.filePath("gm1_data.txt"), 0);
        QVERIFY_THROWS_EXCEPTION(FatalEnded, startGame(f));
        QCOMPARE(f.boxes, QStringList{"Tavrin: gm1_data.txt line 1: the file ends after 0 lines; "
                                      "180 are needed, 6 per question"});
    }
};

QTEST_MAIN(BoardWindowsTest)
#include "test_board_windows.moc"
