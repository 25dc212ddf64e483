#include "app/app_setup.h"
#include "windows/image_bank.h"
#include "rules/board_rules.h"
#include "windows/die_window.h"
#include "windows/board_window.h"
#include "controls/image_control.h"
#include "controls/label_control.h"
#include "controls/picture_box.h"
#include "controls/interval_timer.h"
#include "game_fixture.h"
#include "windows/quiz_window.h"
#include "windows/end_window.h"
#include "windows/drag_handle.h"
#include "windows/sound_holder.h"
#include "windows/start_window.h"
#include "windows/status_strip.h"
#include "rules/status_digits.h"

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QtTest>
#include <QClipboard>
#include <QMimeData>

using namespace tavrin;
using namespace tavrin::testing;

namespace {

// Starts a game as the player does: the start window, then its START label.
BoardWindow& startGame(GameFixture& f) {
    f.ctx->windows.show<StartWindow>().Label4_Click();
    return f.ctx->windows.get<BoardWindow>();
}

// Throws the die with a chosen face through the die's own click handler.
void throwFace(GameFixture& f, int face) {
    f.ctx->state.DiceValue = face;
    f.ctx->windows.get<DieWindow>().imgDice_Click();
}

QPoint twipsPos(const QWidget& w) {
    return QPoint(w.x() * 15, w.y() * 15);
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

    void startOpensTheBoardAndItsCompanions() {
        GameFixture f;
        BoardWindow& map = startGame(f);
        auto& forms = f.ctx->windows;
        QVERIFY(!forms.isLoaded<StartWindow>());
        for (QWidget* w : std::initializer_list<QWidget*>{
                 &map, &forms.get<StatusStrip>(), &forms.get<DieWindow>(), &forms.get<DragHandle>()})
            QVERIFY2(w->isVisible(), qPrintable(w->objectName()));
        QVERIFY(forms.isLoaded<SoundHolder>() && !forms.get<SoundHolder>().isVisible());
        QVERIFY(forms.isLoaded<ImageBank>() && !forms.get<ImageBank>().isVisible());
        QCOMPARE(f.ctx->state.Score, 1000LL);
        QCOMPARE(f.ctx->state.Trial, 1);
        QVERIFY(f.ctx->state.MapActive);
        QCOMPARE(map.CharPos, 0);
        QCOMPARE(twipsPos(map.image("imgChar")), QPoint(120, -60));
    }

    void windowsLoadImplicitlyAndUnloadQuietly() {
        GameFixture f;
        auto& forms = f.ctx->windows;
        forms.unload<QuizWindow>(); // never loaded: nothing happens
        QVERIFY(!forms.isLoaded<QuizWindow>());
        const QPixmap face = forms.get<ImageBank>().DiceGra(6);
        QVERIFY(forms.isLoaded<ImageBank>() && !forms.get<ImageBank>().isVisible());
        QCOMPARE(face.deviceIndependentSize().toSize(), QSize(70, 100));
        // Loading again starts from the layout.
        StatusStrip& status = forms.get<StatusStrip>();
        status.label("lblMsg").setCaption("changed");
        forms.unload<StatusStrip>();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(forms.get<StatusStrip>().label("lblMsg").Caption(), QString("!!歡迎!!"));
    }

    void groupStandsAroundTheHandle() {
        GameFixture f;
        startGame(f);
        auto& forms = f.ctx->windows;
        DragHandle& face = forms.get<DragHandle>();
        face.setLeft(3000);
        face.setTop(7500);
        face.Image1_MouseDown(2, 0, 0, 0);
        face.Image1_MouseUp(2, 0, 0, 0); // a press and release without moving places the group
        QCOMPARE(QPoint(forms.get<BoardWindow>().Left(), forms.get<BoardWindow>().Top()),
                 QPoint(onPixel(4400), 2700));
        QCOMPARE(QPoint(forms.get<StatusStrip>().Left(), forms.get<StatusStrip>().Top()),
                 QPoint(onPixel(4960), 8100));
        QCOMPARE(QPoint(forms.get<DieWindow>().Left(), forms.get<DieWindow>().Top()),
                 QPoint(10500, 7500));
    }

    void dragMovesOnlyTheHandleUntilRelease() {
        GameFixture f;
        startGame(f);
        auto& forms = f.ctx->windows;
        DragHandle& face = forms.get<DragHandle>();
        const int mapLeft = forms.get<BoardWindow>().Left();
        const int handleLeft = face.Left();
        face.Image1_MouseDown(1, 0, 300, 300);
        face.Image1_MouseMove(1, 0, 600, 450);
        QCOMPARE(face.Left(), handleLeft + 300);
        QCOMPARE(forms.get<BoardWindow>().Left(), mapLeft);
        face.Image1_MouseUp(1, 0, 600, 450);
        QCOMPARE(forms.get<BoardWindow>().Left(), onPixel(face.Left() + 1400));
        face.Image1_MouseMove(0, 0, 900, 900); // no drag any more
        QCOMPARE(forms.get<BoardWindow>().Left(), onPixel(face.Left() + 1400));
    }

    void everyTileShowsThePictureOfItsKind() {
        GameFixture f;
        f.useBoard(
            {{1, "100"}, {2, "-40"}, {3, "33300"}, {4, "33301"}, {5, "33302"}, {6, "40000"}});
        BoardWindow& map = startGame(f);
        const ImageBank& bank = f.ctx->windows.get<ImageBank>();
        const int expected[] = {2, 0, 1, 0, 3, 3, 3, 2};
        for (int i = 0; i < 8; ++i)
            QCOMPARE(map.image("tiles", i).Picture().cacheKey(),
                     bank.imgTiles(expected[i]).cacheKey());
        for (int i = 0; i < kSquareCount; ++i) {
            const ImageControl& tile = map.image("tiles", i);
            QVERIFY(!tile.hasBorder() && !tile.Stretch());
            QCOMPARE(tile.width(), tile.height());
        }
    }

    void startWindowShowsTheInstructionsExactly() {
        GameFixture f;
        StartWindow& start = f.ctx->windows.get<StartWindow>();
        const QString text = start.multiLineText("Text1").toPlainText();
        QCOMPARE(text.count('\n'), 25);
        QVERIFY(text.startsWith("1, Moving the character\n     - Click on the green ball on \n"));
        QVERIFY(text.endsWith("in the status window\n"));
        QCOMPARE(start.label("Label4").Caption(), QString("START ->"));
        QCOMPARE(start.size(), QSize(317, 208));
    }

    // The box stays editable; a paste of nothing (a fresh session's clipboard) does nothing.
    void instructionsTakeAPasteOnlyOfSomething() {
        GameFixture f;
        StartWindow& start = f.ctx->windows.show<StartWindow>();
        QPlainTextEdit& text = start.multiLineText("Text1");
        const QString before = text.toPlainText();
        QGuiApplication::clipboard()->setMimeData(new QMimeData);
        QTest::keyClick(&text, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(&text, Qt::Key_Insert, Qt::ShiftModifier);
        QCOMPARE(text.toPlainText(), before);
        QGuiApplication::clipboard()->setText("pasted");
        QTest::keyClick(&text, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(text.toPlainText(), "pasted" + before);
    }

    void throwWalksShowsMessageAndScores() {
        GameFixture f;
        f.useBoard({{3, "-120"}}, {{3, "<b>x</b>"}});
        BoardWindow& map = startGame(f);
        throwFace(f, 3);
        QCOMPARE(map.CharPos, 3);
        QCOMPARE(f.ctx->state.Score, 880LL);
        QCOMPARE(f.ctx->state.Trial, 2);
        const LabelControl& message = f.ctx->windows.get<StatusStrip>().label("lblMsg");
        QCOMPARE(message.Caption(), QString("<b>x</b>"));
        QCOMPARE(message.textFormat(), Qt::PlainText);
        const QPoint tile = twipsPos(map.image("tiles", 3));
        QCOMPARE(twipsPos(map.image("imgChar")), tile - QPoint(0, 300));
        DieWindow& dice = f.ctx->windows.get<DieWindow>();
        QCOMPARE(dice.lineText("Text1").text(), QString("3"));
        QVERIFY(!f.ctx->state.DiceHeld);
        QCOMPARE(dice.timer("Timer1").Interval(), 150);
    }

    void dieIsFrozenByAClickDuringAMiniGame() {
        GameFixture f;
        f.useBoard({{2, "33301"}, {6, "50"}});
        BoardWindow& map = startGame(f);
        DieWindow& dice = f.ctx->windows.get<DieWindow>();
        throwFace(f, 2); // the quiz opens; the die turns again meanwhile
        QVERIFY(f.ctx->windows.isLoaded<QuizWindow>());
        QVERIFY(!f.ctx->state.MapActive);
        QCOMPARE(dice.timer("Timer1").Interval(), 150);
        throwFace(f, 4); // refused: held on 4, nothing moves
        QCOMPARE(map.CharPos, 2);
        QCOMPARE(f.ctx->state.Trial, 2);
        QVERIFY(f.ctx->state.DiceHeld);
        QCOMPARE(dice.timer("Timer1").Interval(), 0);
        f.ctx->windows.unload<QuizWindow>(); // the quiz ends
        dice.timer("Timer1").setInterval(150);
        QVERIFY(f.ctx->state.MapActive);
        dice.Timer1_Timer(); // frozen: ticks leave the face alone
        QCOMPARE(f.ctx->state.DiceValue, 4);
        dice.imgDice_Click();
        QCOMPARE(map.CharPos, 6);
        QCOMPARE(f.ctx->state.Score, 1050LL);
    }

    void turningDieShowsFacesOneToSix() {
        GameFixture f;
        startGame(f);
        DieWindow& dice = f.ctx->windows.get<DieWindow>();
        QVERIFY(f.ctx->state.DiceValue >= 1 && f.ctx->state.DiceValue <= 6); // drawn at load
        QSet<int> seen;
        for (int i = 0; i < 200; ++i) {
            dice.Timer1_Timer();
            seen << f.ctx->state.DiceValue;
            QCOMPARE(dice.image("imgDice").Picture().cacheKey(),
                     f.ctx->windows.get<ImageBank>().DiceGra(f.ctx->state.DiceValue).cacheKey());
        }
        QCOMPARE(seen, (QSet<int>{1, 2, 3, 4, 5, 6}));
    }

    void winAtTheStartOfAThrowOpensTheEndWindow() {
        GameFixture f;
        BoardWindow& map = startGame(f);
        f.ctx->state.Score = 5000;
        throwFace(f, 5);
        QCOMPARE(f.boxes, QStringList{QString("Tavrin: ") + kWinText});
        QCOMPARE(twipsPos(map.image("imgChar")), QPoint(onPixel(3430), onPixel(2120)));
        QCOMPARE(f.ctx->state.Trial, 1);
        QVERIFY(!map.isVisible());
        for (bool loaded : {f.ctx->windows.isLoaded<DieWindow>(), f.ctx->windows.isLoaded<DragHandle>(),
                            f.ctx->windows.isLoaded<SoundHolder>(), f.ctx->windows.isLoaded<ImageBank>(),
                            f.ctx->windows.isLoaded<StatusStrip>()})
            QVERIFY(!loaded);
        EndWindow& end = f.ctx->windows.get<EndWindow>();
        QVERIFY(end.isVisible());
        QCOMPARE(end.label("lblScore").Caption(), QString("5000"));
    }

    void fiftiethClickEndsTheGameWithoutMoving() {
        GameFixture f;
        BoardWindow& map = startGame(f);
        f.ctx->state.Trial = 50;
        throwFace(f, 3);
        QCOMPARE(map.CharPos, 0);
        QVERIFY(f.ctx->windows.isLoaded<EndWindow>());
        QVERIFY(f.boxes.isEmpty());
    }

    void clicksAndTicksAfterTheEndDoNothing() {
        GameFixture f;
        startGame(f);
        QPointer<DieWindow> dice = &f.ctx->windows.get<DieWindow>();
        QPointer<StatusStrip> status = &f.ctx->windows.get<StatusStrip>();
        f.ctx->state.Trial = 50;
        throwFace(f, 3);         // the end: the die and the status strip go
        QVERIFY(dice && status); // destroyed only when the event loop next runs
        QTest::mouseClick(&dice->image("imgDice"), Qt::LeftButton);
        QCOMPARE(f.ctx->state.Trial, 51);
        QCOMPARE(dice->timer("Timer1").Interval(), 0);
        QCOMPARE(status->timer("Timer1").Interval(), 0);
        QVERIFY(!f.ctx->windows.isLoaded<ImageBank>());
        QVERIFY(!f.ctx->windows.isLoaded<DieWindow>());
    }

    void statusStripDrawsScoreAndTrial() {
        GameFixture f;
        startGame(f);
        StatusStrip& status = f.ctx->windows.get<StatusStrip>();
        const ImageBank& bank = f.ctx->windows.get<ImageBank>();
        auto shown = [&](const QString& row) {
            QString digits;
            for (int i = 5; i >= 0; --i) {
                const qint64 key = status.pictureBox(row, i).Picture().cacheKey();
                digits += key == bank.RedDigit(kLedMinus).cacheKey() ? QString("-") : QString("?");
                for (int d = 0; d <= 9; ++d)
                    if (key == bank.RedDigit(d).cacheKey())
                        digits.back() = QChar('0' + d);
            }
            return digits;
        };
        f.ctx->state.Score = 5030;
        f.ctx->state.Trial = 12;
        status.Timer1_Timer();
        QCOMPARE(shown("imgScore"), QString("005030"));
        QCOMPARE(shown("imgTrial"), QString("000012"));
        f.ctx->state.Score = -120;
        status.Timer1_Timer();
        QCOMPARE(shown("imgScore"), QString("-00120"));
    }

    void shieldsOpenAddressesAndExitAsks() {
        GameFixture f;
        startGame(f);
        StatusStrip& status = f.ctx->windows.get<StatusStrip>();
        status.imgInfo_Click();
        status.imgHelp_Click();
        status.imgSearch_Click();
        QCOMPARE(f.opened.size(), 3);
        QVERIFY(f.opened[1].endsWith("/readme.htm"));
        QVERIFY(f.opened[2].endsWith("/cgi-bin/query?pg=q&kl=XX&q=%22coronary+heart+disease%22"));
        f.answer = MessageBoxes::Answer::No;
        status.imgExit_Click();
        QCOMPARE(f.boxes.last(), QString("Tavrin: ") + kExitQuestion);
        QVERIFY(f.ctx->windows.isLoaded<BoardWindow>());
        f.answer = MessageBoxes::Answer::Yes;
        status.imgExit_Click();
        QVERIFY(f.ctx->windows.loaded().empty()); // at once, and no end window
    }

    void endWindowTurnsItsPageThenEnds() {
        GameFixture f;
        f.ctx->state.Score = -120;
        EndWindow& end = f.ctx->windows.show<EndWindow>();
        QCOMPARE(end.label("lblScore").Caption(), QString("-120"));
        QVERIFY(!end.label("Label6").isVisible() && end.label("lblUrl1").y() > end.height());
        end.Label4_Click();
        QCOMPARE(end.label("Label4").Caption(), QString("END ->"));
        for (const char* hidden : {"Label1", "Label2", "lblScore", "Label3"})
            QVERIFY(!end.label(hidden).isVisible());
        QCOMPARE(twipsPos(end.label("Label5")), QPoint(1800, 360));
        QCOMPARE(twipsPos(end.label("lblUrl3")), QPoint(2040, 2040));
        QVERIFY(end.label("Label6").isVisible());
        end.lblEMail_Click();
        QVERIFY(f.opened.value(0).startsWith("mailto:"));
        QVERIFY(f.ctx->windows.isLoaded<EndWindow>());
        end.Label4_Click();
        QVERIFY(f.ctx->windows.loaded().empty());
    }

    void captionsFitOnOneLineOfTheirBoxes() {
        GameFixture f;
        std::vector<GameWindow*> windows{&f.ctx->windows.get<StartWindow>(), &f.ctx->windows.get<StatusStrip>(),
                                   &f.ctx->windows.get<EndWindow>()};
        f.ctx->windows.get<EndWindow>().Label4_Click(); // the credit and links show on page two
        for (GameWindow* window : windows)
            for (LabelControl* label : window->findChildren<LabelControl*>()) {
                const int width = QFontMetrics(label->font()).horizontalAdvance(label->Caption());
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
        for (GameWindow* form : f.ctx->windows.loaded())
            QVERIFY2(!form->isVisible(), qPrintable(form->objectName()));
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
