#include "disk_capture.h"
#include "midi_builder.h"
#include "sound/audio_engine.h"
#include "sound/sound_control.h"
#include "sound/synth_tuning.h"

#include <QSignalSpy>
#include <QtTest>

using namespace tavrin;

// The output opening on its own thread: what is asked for meanwhile, and what is left when it
// cannot open.
class SoundStartTest : public QObject {
    Q_OBJECT

    QTemporaryDir scratch_;

    QString oneSecondTune() {
        midi_builder::Track track;
        track.program(0, 19).noteOn(0, 60).noteOff(960, 60).end();
        const QString path = scratch_.filePath("one_second.mid");
        midi_builder::save(path, midi_builder::file({track}));
        return path;
    }
    static QString dataFile(const char* name) {
        return qEnvironmentVariable("TAVRIN_SOURCE_DIR") + "/data/" + name;
    }
    static void open(SoundControl& device, const char* type, const QString& file) {
        device.setDeviceType(type);
        device.setFileName(file);
        device.setCommand("Open");
    }

private slots:
    void cleanup() { qputenv("SDL_AUDIODRIVER", "dummy"); }

    void musicAskedForWhileTheOutputOpensStartsFromItsBeginningOnceOpen() {
        DiskCapture capture;
        QElapsedTimer sinceOpen;
        qint64 doneAfter = -1;
        {
            AudioEngine engine({});
            QSignalSpy started(&engine, &AudioEngine::started);
            // Connected before the devices, so it runs before the music starts.
            connect(&engine, &AudioEngine::started, this, [&] { sinceOpen.start(); });
            SoundControl music(engine);
            SoundControl hit(engine);
            // The devices start the engine; its news comes back as a later event.
            open(music, "Sequencer", oneSecondTune());
            open(hit, "WaveAudio", dataFile("hit3.WAV"));
            QCOMPARE(engine.state(), AudioEngine::State::Starting);
            QVERIFY(music.isOpen() && hit.isOpen());
            music.setNotify(true);
            music.setCommand("Play");
            hit.setCommand("Sound"); // not heard: the output is not there yet
            QVERIFY(music.isPlaying() && !engine.isMusicPlaying());
            connect(&music, &SoundControl::done, this, [&] { doneAfter = sinceOpen.elapsed(); });

            QVERIFY(started.wait(5000));
            QCOMPARE(started.first().first().toBool(), true);
            QVERIFY(engine.isMusicPlaying());
            hit.setCommand("Sound");
            QVERIFY(hit.isPlaying());
            QTRY_VERIFY_WITH_TIMEOUT(doneAfter >= 0, 3000);
        }
        // The whole tune was played once the output was open: its one long note, from the start.
        QVERIFY2(doneAfter >= 1000 && doneAfter < 2000, qPrintable(QString::number(doneAfter)));
        const auto sounding = loudRuns(capture.peaks(50), 500);
        QCOMPARE(sounding.size(), std::size_t(1));
        QVERIFY2(sounding.front().second >= 18, qPrintable(QString::number(sounding[0].second)));
    }

    void withoutADeviceWhatWasAskedForStaysQuiet() {
        qputenv("SDL_AUDIODRIVER", "nosuchdriver");
        AudioEngine engine({});
        SoundControl music(engine);
        SoundControl hit(engine);
        int done = 0;
        connect(&music, &SoundControl::done, this, [&] { ++done; });
        open(music, "Sequencer", oneSecondTune());
        open(hit, "WaveAudio", dataFile("hit3.WAV"));
        music.setNotify(true);
        music.setCommand("Play");
        QVERIFY(!engine.waitForStart());
        QVERIFY(engine.isSilent());
        QVERIFY(!music.isPlaying());
        hit.setCommand("Sound");
        QVERIFY(!hit.isPlaying());
        hit.setCommand("Close");
        hit.setCommand("Open"); // opened again, now that there is known to be no device
        QVERIFY(!hit.isOpen());
        QTest::qWait(1300);
        QCOMPARE(done, 0);
    }

    void anEngineGoneWhileOpeningLeavesTheOutputFree() {
        {
            AudioEngine opening({});
            opening.start();
        } // destroyed at once: it waits for its thread and closes what it opened
        AudioEngine next({});
        next.start();
        QVERIFY(next.waitForStart());
        // Only one engine has the output at a time; a second one is silent.
        AudioEngine second({});
        second.start();
        QVERIFY(second.isSilent() && !second.waitForStart());
    }

    void theTuneLoadedWhileOpeningIsTheOneThatPlays() {
        const QString tune = oneSecondTune();
        AudioEngine::Settings settings;
        settings.preloadTune = tune;
        AudioEngine engine(settings);
        const int synthsBefore = tunedSynthCount();
        engine.start();
        QVERIFY(engine.waitForStart());
        // Loading a tune starts a synthesizer, with our settings: once, while opening.
        QCOMPARE(tunedSynthCount(), synthsBefore + 1);
        SoundControl music(engine);
        open(music, "Sequencer", tune);
        music.setCommand("Play");
        QVERIFY(engine.isMusicPlaying());
        QCOMPARE(tunedSynthCount(), synthsBefore + 1);
    }
};

QTEST_GUILESS_MAIN(SoundStartTest)
#include "test_sound_start.moc"
