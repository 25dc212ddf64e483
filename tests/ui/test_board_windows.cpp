#include "app/app_setup.h"
#include "art/frm_gra.h"
#include "board/board_rules.h"
#include "board/frm_dice.h"
#include "board/frm_map.h"
#include "controls/image_control.h"
#include "controls/label_control.h"
#include "controls/picture_box.h"
#include "controls/vb_timer.h"
#include "game_fixture.h"
#include "games/frm_game1.h"
#include "windows/frm_end.h"
#include "windows/frm_face.h"
#include "windows/frm_snd.h"
#include "windows/frm_start.h"
#include "windows/frm_status.h"
#include "windows/status_digits.h"

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QtTest>

using namespace tavrin;
using namespace tavrin::testing;

namespace {

// Starts a game as the player does: the start window, then its START label.
FrmMap& startGame(GameFixture& f) {
    f.ctx->forms.show<FrmStart>().Label4_Click();
    return f.ctx->forms.get<FrmMap>();
}

// Throws the die with a chosen face through the die's own click handler.
void throwFace(GameFixture& f, int face) {
    f.ctx->state.DiceValue = face;
    f.ctx->forms.get<FrmDice>().imgDice_Click();
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
        FrmMap& map = startGame(f);
        auto& forms = f.ctx->forms;
        QVERIFY(!forms.isLoaded<FrmStart>());
        for (QWidget* w : std::initializer_list<QWidget*>{
                 &map, &forms.get<FrmStatus>(), &forms.get<FrmDice>(), &forms.get<FrmFace>()})
            QVERIFY2(w->isVisible(), qPrintable(w->objectName()));
        QVERIFY(forms.isLoaded<FrmSnd>() && !forms.get<FrmSnd>().isVisible());
        QVERIFY(forms.isLoaded<FrmGra>() && !forms.get<FrmGra>().isVisible());
        QCOMPARE(f.ctx->state.Score, 1000LL);
        QCOMPARE(f.ctx->state.Trial, 1);
        QVERIFY(f.ctx->state.MapActive);
        QCOMPARE(map.CharPos, 0);
        QCOMPARE(twipsPos(map.image("imgChar")), QPoint(120, -60));
    }

    void windowsLoadImplicitlyAndUnloadQuietly() {
        GameFixture f;
        auto& forms = f.ctx->forms;
        forms.unload<FrmGame1>(); // never loaded: nothing happens
        QVERIFY(!forms.isLoaded<FrmGame1>());
        const QPixmap face = forms.get<FrmGra>().DiceGra(6);
        QVERIFY(forms.isLoaded<FrmGra>() && !forms.get<FrmGra>().isVisible());
        QCOMPARE(face.deviceIndependentSize().toSize(), QSize(70, 100));
        // Loading again starts from the layout.
        FrmStatus& status = forms.get<FrmStatus>();
        status.label("lblMsg").setCaption("changed");
        forms.unload<FrmStatus>();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(forms.get<FrmStatus>().label("lblMsg").Caption(), QString("!!歡迎!!"));
    }

    void groupStandsAroundTheHandle() {
        GameFixture f;
        startGame(f);
        auto& forms = f.ctx->forms;
        FrmFace& face = forms.get<FrmFace>();
        face.setLeft(3000);
        face.setTop(7500);
        face.Image1_MouseDown(2, 0, 0, 0);
        face.Image1_MouseUp(2, 0, 0, 0); // a press and release without moving places the group
        QCOMPARE(QPoint(forms.get<FrmMap>().Left(), forms.get<FrmMap>().Top()),
                 QPoint(onPixel(4400), 2700));
        QCOMPARE(QPoint(forms.get<FrmStatus>().Left(), forms.get<FrmStatus>().Top()),
                 QPoint(onPixel(4960), 8100));
        QCOMPARE(QPoint(forms.get<FrmDice>().Left(), forms.get<FrmDice>().Top()),
                 QPoint(10500, 7500));
    }

    void dragMovesOnlyTheHandleUntilRelease() {
        GameFixture f;
        startGame(f);
        auto& forms = f.ctx->forms;
        FrmFace& face = forms.get<FrmFace>();
        const int mapLeft = forms.get<FrmMap>().Left();
        const int handleLeft = face.Left();
        face.Image1_MouseDown(1, 0, 300, 300);
        face.Image1_MouseMove(1, 0, 600, 450);
        QCOMPARE(face.Left(), handleLeft + 300);
        QCOMPARE(forms.get<FrmMap>().Left(), mapLeft);
        face.Image1_MouseUp(1, 0, 600, 450);
        QCOMPARE(forms.get<FrmMap>().Left(), onPixel(face.Left() + 1400));
        face.Image1_MouseMove(0, 0, 900, 900); // no drag any more
        QCOMPARE(forms.get<FrmMap>().Left(), onPixel(face.Left() + 1400));
    }

    void everyTileShowsThePictureOfItsKind() {
        GameFixture f;
        f.useBoard(
            {{1, "100"}, {2, "-40"}, {3, "33300"}, {4, "33301"}, {5, "33302"}, {6, "40000"}});
        FrmMap& map = startGame(f);
        const FrmGra& bank = f.ctx->forms.get<FrmGra>();
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
        FrmStart& start = f.ctx->forms.get<FrmStart>();
        const QString text = start.multiLineText("Text1").toPlainText();
        QCOMPARE(text.count('\n'), 25);
        QVERIFY(text.startsWith("1, Moving the character\n     - Click on the green ball on \n"));
        QVERIFY(text.endsWith("in the status window\n"));
        QCOMPARE(start.label("Label4").Caption(), QString("START ->"));
        QCOMPARE(start.size(), QSize(317, 208));
    }

    void throwWalksShowsMessageAndScores() {
        GameFixture f;
        f.useBoard({{3, "-120"}}, {{3, "<b>x</b>"}});
        FrmMap& map = startGame(f);
        throwFace(f, 3);
        QCOMPARE(map.CharPos, 3);
        QCOMPARE(f.ctx->state.Score, 880LL);
        QCOMPARE(f.ctx->state.Trial, 2);
        const LabelControl& message = f.ctx->forms.get<FrmStatus>().label("lblMsg");
        QCOMPARE(message.Caption(), QString("<b>x</b>"));
        QCOMPARE(message.textFormat(), Qt::PlainText);
        const QPoint tile = twipsPos(map.image("tiles", 3));
        QCOMPARE(twipsPos(map.image("imgChar")), tile - QPoint(0, 300));
        FrmDice& dice = f.ctx->forms.get<FrmDice>();
        QCOMPARE(dice.lineText("Text1").text(), QString("3"));
        QVERIFY(!f.ctx->state.DiceHeld);
        QCOMPARE(dice.timer("Timer1").Interval(), 150);
    }

    void dieIsFrozenByAClickDuringAMiniGame() {
        GameFixture f;
        f.useBoard({{2, "33301"}, {6, "50"}});
        FrmMap& map = startGame(f);
        FrmDice& dice = f.ctx->forms.get<FrmDice>();
        throwFace(f, 2); // the quiz opens; the die turns again meanwhile
        QVERIFY(f.ctx->forms.isLoaded<FrmGame1>());
        QVERIFY(!f.ctx->state.MapActive);
        QCOMPARE(dice.timer("Timer1").Interval(), 150);
        throwFace(f, 4); // refused: held on 4, nothing moves
        QCOMPARE(map.CharPos, 2);
        QCOMPARE(f.ctx->state.Trial, 2);
        QVERIFY(f.ctx->state.DiceHeld);
        QCOMPARE(dice.timer("Timer1").Interval(), 0);
        f.ctx->forms.unload<FrmGame1>(); // the quiz ends
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
        FrmDice& dice = f.ctx->forms.get<FrmDice>();
        QVERIFY(f.ctx->state.DiceValue >= 1 && f.ctx->state.DiceValue <= 6); // drawn at load
        QSet<int> seen;
        for (int i = 0; i < 200; ++i) {
            dice.Timer1_Timer();
            seen << f.ctx->state.DiceValue;
            QCOMPARE(dice.image("imgDice").Picture().cacheKey(),
                     f.ctx->forms.get<FrmGra>().DiceGra(f.ctx->state.DiceValue).cacheKey());
        }
        QCOMPARE(seen, (QSet<int>{1, 2, 3, 4, 5, 6}));
    }

    void winAtTheStartOfAThrowOpensTheEndWindow() {
        GameFixture f;
        FrmMap& map = startGame(f);
        f.ctx->state.Score = 5000;
        throwFace(f, 5);
        QCOMPARE(f.boxes, QStringList{QString("Tavrin: ") + kWinText});
        QCOMPARE(twipsPos(map.image("imgChar")), QPoint(onPixel(3430), onPixel(2120)));
        QCOMPARE(f.ctx->state.Trial, 1);
        QVERIFY(!map.isVisible());
        for (bool loaded : {f.ctx->forms.isLoaded<FrmDice>(), f.ctx->forms.isLoaded<FrmFace>(),
                            f.ctx->forms.isLoaded<FrmSnd>(), f.ctx->forms.isLoaded<FrmGra>(),
                            f.ctx->forms.isLoaded<FrmStatus>()})
            QVERIFY(!loaded);
        FrmEnd& end = f.ctx->forms.get<FrmEnd>();
        QVERIFY(end.isVisible());
        QCOMPARE(end.label("lblScore").Caption(), QString("5000"));
    }

    void fiftiethClickEndsTheGameWithoutMoving() {
        GameFixture f;
        FrmMap& map = startGame(f);
        f.ctx->state.Trial = 50;
        throwFace(f, 3);
        QCOMPARE(map.CharPos, 0);
        QVERIFY(f.ctx->forms.isLoaded<FrmEnd>());
        QVERIFY(f.boxes.isEmpty());
    }

    void clicksAndTicksAfterTheEndDoNothing() {
        GameFixture f;
        startGame(f);
        QPointer<FrmDice> dice = &f.ctx->forms.get<FrmDice>();
        QPointer<FrmStatus> status = &f.ctx->forms.get<FrmStatus>();
        f.ctx->state.Trial = 50;
        throwFace(f, 3);         // the end: the die and the status strip go
        QVERIFY(dice && status); // destroyed only when the event loop next runs
        QTest::mouseClick(&dice->image("imgDice"), Qt::LeftButton);
        QCOMPARE(f.ctx->state.Trial, 51);
        QCOMPARE(dice->timer("Timer1").Interval(), 0);
        QCOMPARE(status->timer("Timer1").Interval(), 0);
        QVERIFY(!f.ctx->forms.isLoaded<FrmGra>());
        QVERIFY(!f.ctx->forms.isLoaded<FrmDice>());
    }

    void statusStripDrawsScoreAndTrial() {
        GameFixture f;
        startGame(f);
        FrmStatus& status = f.ctx->forms.get<FrmStatus>();
        const FrmGra& bank = f.ctx->forms.get<FrmGra>();
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
        FrmStatus& status = f.ctx->forms.get<FrmStatus>();
        status.imgInfo_Click();
        status.imgHelp_Click();
        status.imgSearch_Click();
        QCOMPARE(f.opened.size(), 3);
        QVERIFY(f.opened[1].endsWith("/readme.htm"));
        QVERIFY(f.opened[2].endsWith("/cgi-bin/query?pg=q&kl=XX&q=%22coronary+heart+disease%22"));
        f.answer = MessageBoxes::Answer::No;
        status.imgExit_Click();
        QCOMPARE(f.boxes.last(), QString("Tavrin: ") + kExitQuestion);
        QVERIFY(f.ctx->forms.isLoaded<FrmMap>());
        f.answer = MessageBoxes::Answer::Yes;
        status.imgExit_Click();
        QVERIFY(f.ctx->forms.loaded().empty()); // at once, and no end window
    }

    void endWindowTurnsItsPageThenEnds() {
        GameFixture f;
        f.ctx->state.Score = -120;
        FrmEnd& end = f.ctx->forms.show<FrmEnd>();
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
        QVERIFY(f.ctx->forms.isLoaded<FrmEnd>());
        end.Label4_Click();
        QVERIFY(f.ctx->forms.loaded().empty());
    }

    void captionsFitOnOneLineOfTheirBoxes() {
        GameFixture f;
        std::vector<Form*> windows{&f.ctx->forms.get<FrmStart>(), &f.ctx->forms.get<FrmStatus>(),
                                   &f.ctx->forms.get<FrmEnd>()};
        f.ctx->forms.get<FrmEnd>().Label4_Click(); // the credit and links show on page two
        for (Form* window : windows)
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
        for (Form* form : f.ctx->forms.loaded())
            QVERIFY2(!form->isVisible(), qPrintable(form->objectName()));
    }
};

QTEST_MAIN(BoardWindowsTest)
#include "test_board_windows.moc"
