#include "app/app_setup.h"
#include "controls/image_control.h"
#include "controls/label_control.h"
#include "game_fixture.h"
#include "layouts/how_to_play_text.h"
#include "platform/player_settings.h"
#include "session_setup.h"
#include "window_controls.h"
#include "windows/about_box.h"
#include "windows/board_window.h"
#include "windows/die_window.h"
#include "windows/drag_handle.h"
#include "windows/game_menu.h"
#include "windows/how_to_play_window.h"
#include "windows/key_list.h"
#include "windows/quiz_window.h"
#include "windows/sound_key.h"
#include "windows/start_window.h"
#include "windows/status_strip.h"

#include <QContextMenuEvent>
#include <QPlainTextEdit>
#include <QtTest>

using namespace tavrin;
using namespace tavrin::testing;

namespace {

// A run of the game keeping its settings in the test's own file, its sound recorded.
struct Run {
    explicit Run(const QString& settingsFile,
                 const QString& dataRoot = qEnvironmentVariable("TAVRIN_DATA_DIR")) {
        Options options;
        options.dataRoot = dataRoot;
        options.seed = 3;
        options.mute = true;
        options.settingsFile = settingsFile;
        auto recorded = std::make_unique<RecordedSound>();
        sound = recorded.get();
        ctx = std::make_unique<AppContext>(options, clock, std::move(recorded));
        ctx->messages.answerer = [this](const QString& text, const QString& title,
                                        MessageBoxes::Buttons) {
            boxes << title + ": " + text;
            return answer;
        };
    }
    BoardWindow& startGame() {
        ctx->windows.show<StartWindow>().onStartClicked();
        return ctx->windows.load<BoardWindow>();
    }
    // Right-clicks a control of a window and returns the menu that opens.
    GameMenu& openMenu(QWidget& control) {
        QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(3, 3),
                                control.mapToGlobal(QPoint(3, 3)));
        QApplication::sendEvent(&control, &click);
        auto* menu = control.window()->findChild<GameMenu*>();
        if (!menu)
            throw std::runtime_error("no menu on " + control.objectName().toStdString());
        return *menu;
    }

    FakeClock clock;
    RecordedSound* sound; // the context's
    std::unique_ptr<AppContext> ctx;
    QStringList boxes;
    MessageBoxes::Answer answer = MessageBoxes::Answer::Ok;
};

QStringList logLines(const QString& path) {
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
}

QAction& entry(QMenu& menu, const char* name) {
    auto* action = menu.findChild<QAction*>(name);
    if (!action)
        throw std::runtime_error(std::string("no menu entry ") + name);
    return *action;
}

} // namespace

class PlayerChoicesTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QString settingsPath() const { return dir_.filePath("tavrin.conf"); }
    PlayerSettings stored() const { return SettingsFile(settingsPath()).read(); }

private slots:
    void initTestCase() { setUpAppearance(*qApp); }
    void cleanup() { QFile::remove(settingsPath()); }

    void theMenuOfBothWindowsShowsAndChangesTheChoices_data() {
        QTest::addColumn<bool>("onBoard");
        QTest::newRow("board") << true;
        QTest::newRow("status strip") << false;
    }
    void theMenuOfBothWindowsShowsAndChangesTheChoices() {
        QFETCH(bool, onBoard);
        Run run(settingsPath());
        BoardWindow& board = run.startGame();
        StatusStrip& strip = run.ctx->windows.load<StatusStrip>();
        // A click on a control reaches its window's menu.
        QWidget& control =
            onBoard ? static_cast<QWidget&>(image(board, "heart")) : label(strip, "message");
        const RecordedSound& engine = *run.sound;

        GameMenu& menu = run.openMenu(control);
        QVERIFY(menu.isVisible());
        QVERIFY(entry(menu, "effects").isChecked() && entry(menu, "music").isChecked());
        QVERIFY(entry(menu, "volume100").isChecked() && !entry(menu, "volume50").isChecked());
        entry(menu, "music").trigger();
        QCOMPARE(engine.musicVolume, 0.0);
        QCOMPARE(engine.effectsVolume, 1.0);
        QVERIFY(!stored().musicOn);
        menu.close();

        GameMenu& again = run.openMenu(control); // shows the choices as they stand now
        QVERIFY(entry(again, "effects").isChecked() && !entry(again, "music").isChecked());
        entry(again, "volume50").trigger();
        QCOMPARE(engine.effectsVolume, 0.5);
        QCOMPARE(engine.musicVolume, 0.0); // music stays off at any volume
        entry(again, "effects").trigger();
        QCOMPARE(engine.effectsVolume, 0.0);
        again.close();

        GameMenu& third = run.openMenu(control);
        QVERIFY(entry(third, "volume50").isChecked() && !entry(third, "volume100").isChecked());
        entry(third, "music").trigger();
        QCOMPARE(engine.musicVolume, 0.5);
        PlayerSettings expected;
        expected.effectsOn = false;
        expected.volumePercent = 50;
        QCOMPARE(stored(), expected);
    }

    // The game in play keeps its language and its size; the choices are stored for the next
    // game and the next start.
    void theLanguageAndSizeChosenInTheMenuAreKeptForLater() {
        Run run(settingsPath());
        run.startGame();
        QWidget& control = label(run.ctx->windows.load<StatusStrip>(), "message");
        GameMenu& menu = run.openMenu(control);
        QVERIFY(entry(menu, "language-system").isChecked());
        QVERIFY(!entry(menu, "language-en").isChecked());
        QVERIFY(entry(menu, "size100").isChecked() && !entry(menu, "size200").isChecked());
        entry(menu, "language-en").trigger();
        entry(menu, "size200").trigger();
        QCOMPARE(stored().language, std::optional<QString>("en"));
        QCOMPARE(stored().scalePercent, 200);
        QCOMPARE(run.ctx->options.language, QString("zh-HK"));
        menu.close();

        GameMenu& again = run.openMenu(control);
        QVERIFY(entry(again, "language-en").isChecked());
        QVERIFY(!entry(again, "language-system").isChecked());
        QVERIFY(entry(again, "size200").isChecked() && !entry(again, "size100").isChecked());
        entry(again, "language-system").trigger();
        entry(again, "size100").trigger();
        QCOMPARE(stored().language, std::nullopt);
        QCOMPARE(stored(), PlayerSettings{}); // nothing else changed on the way
    }

    void howToPlayOpensWhileTheGameGoesOn() {
        Run run(settingsPath());
        BoardWindow& board = run.startGame();
        const auto stateBefore = run.ctx->session.state().trial;
        entry(run.openMenu(board), "howToPlay").trigger();
        QTRY_VERIFY(run.ctx->windows.isLoaded<HowToPlayWindow>());
        HowToPlayWindow& help = run.ctx->windows.load<HowToPlayWindow>();
        QVERIFY(help.isVisible());
        const QPlainTextEdit& text = textBox(help, "howToPlay");
        QVERIFY(text.toPlainText().startsWith(layout::howToPlayText().replace("\r\n", "\n")));
        QVERIFY(text.toPlainText().contains(keyListText().trimmed())); // and the keys
        QVERIFY(text.toPlainText().startsWith("1, Moving the character"));
        QVERIFY(text.toPlainText().contains("M to turn all sound off"));
        // A page, not the start window's narrow column: its sentences run on.
        QVERIFY(text.toPlainText().contains("Click on the green ball on the bottom right hand "
                                            "side(the dice)\n"));
        QVERIFY(text.isReadOnly());
        help.close(); // its close box unloads it, and only it
        QVERIFY(!run.ctx->windows.isLoaded<HowToPlayWindow>());
        QVERIFY(board.isVisible() && run.ctx->session.state().takingThrows);
        QCOMPARE(run.ctx->session.state().trial, stateBefore);
    }

    // The build's data root, where the licences are copied as they are installed.
    void aboutShowsTheCreditsAndTheLicencesInFull() {
        Run run(settingsPath(), qEnvironmentVariable("TAVRIN_TRANSLATIONS_ROOT"));
        BoardWindow& board = run.startGame();
        entry(run.openMenu(board), "about").trigger();
        AboutWindow* about = nullptr;
        QTRY_VERIFY((about = board.findChild<AboutWindow*>()) && about->isVisible());
        QVERIFY(about->tabText("about").startsWith("Tavrin " TAVRIN_VERSION "\n"));
        QVERIFY(about->tabText("credits").contains("TimGM6mb, by Tim Brechbill"));
        QVERIFY(about->tabText("GPL-3.0-or-later")
                    .startsWith("                    GNU GENERAL PUBLIC LICENSE\n"));
        QVERIFY(
            about->tabText("CC-BY-SA-4.0").startsWith("Attribution-ShareAlike 4.0 International"));
        QPointer<AboutWindow> closing(about);
        QTest::keyClick(about->findChild<QPlainTextEdit*>("credits"), Qt::Key_Escape);
        QTRY_VERIFY(!closing);
        QVERIFY(board.isVisible() && run.ctx->session.state().takingThrows);

        QTemporaryDir empty; // a missing licence is said in one line
        const QString missing = AboutWindow(empty.path(), nullptr).tabText("CC-BY-SA-4.0");
        QVERIFY2(missing.startsWith("找不到") && !missing.contains('\n'), qPrintable(missing));
    }

    void newGameAsksThenGoesBackToTheStartWindow() {
        Run run(settingsPath());
        const QString log = dir_.filePath("events.log");
        run.ctx->log.open(log.toStdString());
        run.startGame();
        rules::SessionSetup(run.ctx->session).dieFace(2);
        run.ctx->windows.load<DieWindow>().onDieClicked(); // the quiz opens
        run.ctx->windows.load<QuizWindow>().answerButton(0).click();
        const long long score = run.ctx->session.state().score;

        run.answer = MessageBoxes::Answer::No;
        entry(run.openMenu(run.ctx->windows.load<StatusStrip>()), "newGame").trigger();
        QTRY_COMPARE(run.boxes.size(), 1);
        QVERIFY(run.boxes.first().contains("新遊戲"));
        QVERIFY(run.ctx->windows.isLoaded<QuizWindow>() &&
                !run.ctx->windows.isLoaded<StartWindow>());
        QCOMPARE(run.ctx->session.state().score, score);

        run.answer = MessageBoxes::Answer::Yes;
        entry(run.openMenu(run.ctx->windows.load<BoardWindow>()), "newGame").trigger();
        QTRY_VERIFY(run.ctx->windows.isLoaded<StartWindow>());
        // The start window alone: no end window, no music, the review emptied for the next game.
        QCOMPARE(run.ctx->windows.loaded().size(), 1u);
        QVERIFY(!run.sound->musicPlaying && run.ctx->review.answersGiven() == 0);
        QCOMPARE(logLines(log).last(), QString("new"));

        run.startGame();
        const rules::GameState& fresh = run.ctx->session.state();
        QVERIFY(fresh.score == 1000 && fresh.trial == 1 && fresh.square == 0 && fresh.takingThrows);
    }

    void mTurnsAllSoundOffAndOnFromAnyGameWindow() {
        Run run(settingsPath());
        SoundKey key(run.ctx->sound);
        qApp->installEventFilter(&key);
        const SoundChoices& sound = run.ctx->sound;
        StartWindow& start = run.ctx->windows.show<StartWindow>();
        // The start window's instructions take typing: an M there is a letter.
        QPlainTextEdit& instructions = textBox(start, "instructions");
        instructions.moveCursor(QTextCursor::Start);
        QTest::keyClick(&instructions, Qt::Key_M);
        QVERIFY(instructions.toPlainText().startsWith("m1, Moving"));
        QVERIFY(sound.effectsOn() && sound.musicOn());
        QTest::keyClick(&start, Qt::Key_M);
        QVERIFY(!sound.effectsOn() && !sound.musicOn());
        start.onStartClicked();

        QTest::keyClick(&run.ctx->windows.load<BoardWindow>(), Qt::Key_M);
        QVERIFY(sound.effectsOn() && sound.musicOn());
        QCOMPARE(run.sound->musicVolume, 1.0);
        run.ctx->sound.setMusicOn(false);
        // Any sound on: all goes off; none: all comes on.
        QTest::keyClick(&run.ctx->windows.load<DragHandle>(), Qt::Key_M, Qt::ShiftModifier);
        QVERIFY(!sound.effectsOn() && !sound.musicOn());
        QCOMPARE(run.sound->effectsVolume, 0.0);
        QTest::keyClick(&label(run.ctx->windows.load<StatusStrip>(), "message"), Qt::Key_M);
        QVERIFY(sound.effectsOn() && sound.musicOn());
        QVERIFY(stored().effectsOn && stored().musicOn);
        // Other keys and M with Ctrl are not the sound key.
        QTest::keyClick(&run.ctx->windows.load<BoardWindow>(), Qt::Key_M, Qt::ControlModifier);
        QTest::keyClick(&run.ctx->windows.load<BoardWindow>(), Qt::Key_N);
        QVERIFY(sound.effectsOn() && sound.musicOn());
        qApp->removeEventFilter(&key);
    }

    void choicesAreKeptForTheNextRunAndMuteLeavesThemAlone() {
        {
            Run first(settingsPath());
            first.ctx->sound.setMusicOn(false);
            first.ctx->sound.setVolumePercent(75);
        }
        QFile file(settingsPath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray written = file.readAll();
        file.close();

        Run next(settingsPath()); // muted, as every run here
        QVERIFY(next.ctx->sound.effectsOn() && !next.ctx->sound.musicOn());
        QCOMPARE(next.ctx->sound.volumePercent(), 75);
        // Applied before any sound: the music is silent from its start.
        QCOMPARE(next.sound->musicVolume, 0.0);
        QCOMPARE(next.sound->effectsVolume, 0.75);
        next.startGame();
        next.ctx.reset();
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), written);
    }

    void aDamagedSettingsFileGivesTheDefaults() {
        QFile file(settingsPath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[sound\x01\xff\nmusic=false\n\x00\x00", 22);
        file.close();
        Run run(settingsPath());
        QCOMPARE(run.ctx->settings, PlayerSettings{});
        QCOMPARE(run.sound->musicVolume, 1.0);
        run.ctx->sound.setEffectsOn(false); // the next choice makes the file whole again
        PlayerSettings expected;
        expected.effectsOn = false;
        QCOMPARE(stored(), expected);
    }

    void theGroupOpensWhereItWasLastDragged() {
        QPoint dragged;
        {
            Run first(settingsPath());
            first.startGame();
            DragHandle& handle = first.ctx->windows.load<DragHandle>();
            dragged = handle.pos() + QPoint(0, 30); // the group still on the small test screen
            handle.onHandlePressed({0, 0});
            handle.onHandleDragged({0, 30});
            handle.onHandleReleased();
            QCOMPARE(stored().handlePlace, std::optional(dragged));
        }
        Run next(settingsPath());
        next.startGame();
        const DragHandle& handle = next.ctx->windows.load<DragHandle>();
        QCOMPARE(handle.pos(), dragged);
        // The others stand around it as after a drag.
        QCOMPARE(next.ctx->windows.load<StatusStrip>().pos(),
                 dragged + QPoint(layout::px(1960), layout::px(600)));
        next.ctx.reset();

        PlayerSettings offScreen;
        offScreen.handlePlace = QPoint(5000, -3000);
        QVERIFY(SettingsFile(settingsPath()).write(offScreen));
        Run elsewhere(settingsPath());
        elsewhere.startGame();
        QCOMPARE(elsewhere.ctx->windows.load<DragHandle>().pos(), QPoint(3, 349)); // as designed
    }
};

QTEST_MAIN(PlayerChoicesTest)
#include "test_player_choices.moc"
