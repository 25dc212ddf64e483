#include "disk_capture.h"
#include "sound_folder.h"

#include <QSignalSpy>
#include <QtTest>

using namespace tavrin;

// The engine as the game drives it: the music from the board's start to its end, a mini-game's
// effects opened and closed, and what is asked for while the output is still opening.
class SoundServiceTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { qputenv("SDL_AUDIODRIVER", "dummy"); }

    void effectsSoundOnlyWhileTheirGameHasThemOpen() {
        SoundFolder folder;
        StartedEngine engine(folder.settings());
        engine.play(Effect::Right);
        QVERIFY(!engine.isEffectPlaying(Effect::Right)); // no quiz has opened it
        engine.openEffectsOf(rules::MiniGame::Quiz);
        QVERIFY(engine.isEffectOpen(Effect::Right) && engine.isEffectOpen(Effect::Wrong));
        QVERIFY(!engine.isEffectOpen(Effect::Hit));
        engine.play(Effect::Right);
        QVERIFY(engine.isEffectPlaying(Effect::Right));
        // Played to its end, the game closes them, cutting off one still sounding.
        engine.closeEffectsOf(rules::MiniGame::Quiz);
        QVERIFY(!engine.isEffectOpen(Effect::Right) && !engine.isEffectPlaying(Effect::Right));
        // Closed early, a game leaves them open; the next opening finds them so.
        engine.openEffectsOf(rules::MiniGame::Quiz);
        engine.openEffectsOf(rules::MiniGame::Quiz);
        engine.play(Effect::Wrong);
        QVERIFY(engine.isEffectPlaying(Effect::Wrong));
    }

    void whatIsAskedForWhileTheOutputOpensHappensOnceOpen() {
        SoundFolder folder;
        DiskCapture capture;
        {
            AudioEngine engine(folder.settings());
            QSignalSpy started(&engine, &AudioEngine::started);
            engine.start();
            QCOMPARE(engine.state(), AudioEngine::State::Starting);
            engine.openEffectsOf(rules::MiniGame::Target);
            engine.play(Effect::Hit); // not heard: the output is not there yet
            engine.startMusic();
            QVERIFY(!engine.isMusicPlaying());
            QVERIFY(started.wait(5000));
            QCOMPARE(started.first().first().toBool(), true);
            QVERIFY(engine.isMusicPlaying());
            engine.play(Effect::Hit);
            QVERIFY(engine.isEffectPlaying(Effect::Hit));
            QTest::qWait(300);
        }
        // The tune from its beginning: its long first note is heard whole.
        const auto sounding = loudRuns(capture.peaks(50), 500);
        QVERIFY(!sounding.empty());
    }

    void anEngineGoneWhileOpeningLeavesTheOutputFree() {
        SoundFolder folder;
        {
            AudioEngine opening(folder.settings());
            opening.start();
        } // destroyed at once: it waits for its thread and closes what it opened
        AudioEngine next(folder.settings());
        next.start();
        QVERIFY(next.waitForStart());
        // Only one engine has the output at a time; a second one is silent.
        AudioEngine second(folder.settings());
        second.start();
        QVERIFY(second.isSilent() && !second.waitForStart());
    }
};

QTEST_GUILESS_MAIN(SoundServiceTest)
#include "test_sound_service.moc"
