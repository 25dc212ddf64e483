#include "midi_builder.h"
#include "rules/clock.h"
#include "windows/app_context.h"
#include "windows/sound_holder.h"

#include <QDir>
#include <QtTest>
#include <memory>

using namespace tavrin;

// The sound holder as the board loads it: a context of its own reading from a folder holding
// a one-second tune in place of the real one, so that its loop can be watched in seconds.
class FrmSndTest : public QObject {
    Q_OBJECT

    rules::SystemClock clock_;
    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<AppContext> ctx_;

    void startContext(bool mute, bool withSoundFiles = true) {
        dir_ = std::make_unique<QTemporaryDir>();
        if (withSoundFiles) {
            const QDir shipped(qEnvironmentVariable("TAVRIN_SOURCE_DIR") + "/data");
            for (const char* name : {"hit3.WAV", "blip2.WAV", "yeah.WAV", "boo.WAV"})
                QVERIFY(QFile::copy(shipped.filePath(name), dir_->filePath(name)));
            midi_builder::Track track;
            track.noteOn(0, 72).noteOff(960, 72).end();
            QVERIFY(midi_builder::save(dir_->filePath("p_samy.mid"), midi_builder::file({track})));
        }
        Options options;
        options.dataRoot = dir_->path(); // the sounds come from the data root
        options.mute = mute;
        ctx_ = std::make_unique<AppContext>(options, clock_);
        ctx_->audio.start(); // as the program does once its start window shows
        ctx_->audio.waitForStart();
    }

    void unloadSnd() {
        ctx_->windows.unload<SoundHolder>();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

private slots:
    void cleanup() { ctx_.reset(); }

    void loadingPreparesTheEffectsAndStartsTheMusic() {
        startContext(false);
        SoundHolder& snd = ctx_->windows.load<SoundHolder>();
        QVERIFY(!snd.isVisible());
        QCOMPARE(snd.windowTitle(), QString("Sound: wave + midi"));

        QVERIFY(snd.music.isOpen() && snd.music.isPlaying());
        QVERIFY(ctx_->audio.isMusicPlaying());
        const std::pair<SoundControl*, const char*> effects[] = {{&snd.hitSound, "hit3.WAV"},
                                                                 {&snd.missSound, "blip2.WAV"},
                                                                 {&snd.wrongSound, "boo.WAV"},
                                                                 {&snd.rightSound, "yeah.WAV"}};
        for (auto [device, file] : effects) {
            QVERIFY(!device->isOpen()); // the mini-games open them
            QCOMPARE(device->deviceType(), QString("WaveAudio"));
            QCOMPARE(device->fileName(), QDir(dir_->path()).filePath(file));
            QCOMPARE(snd.findChild<SoundControl*>(device->objectName()), device);
        }
        QCOMPARE(snd.music.deviceType(), QString("Sequencer"));
        QCOMPARE(snd.control("hitSound")->geometry(), QRect(8, 8, 236, 22));
        QCOMPARE(snd.control("rightSound")->geometry(), QRect(8, 136, 236, 22));
    }

    void theTuneStartsAgainAfterEachEndUntilUnloaded() {
        startContext(false);
        SoundHolder& snd = ctx_->windows.load<SoundHolder>();
        int ends = 0;
        connect(&snd.music, &SoundControl::done, this, [&] { ++ends; });
        QTRY_COMPARE_WITH_TIMEOUT(ends, 2, 3000);
        QVERIFY(snd.music.isPlaying());

        unloadSnd();
        QVERIFY(!ctx_->audio.isMusicPlaying());
        QTest::qWait(1200); // no device is left to report or restart anything
        QVERIFY(!ctx_->audio.isMusicPlaying());
        QCOMPARE(ends, 2);
    }

    void loadingAgainStartsFromTheLayout() {
        startContext(false);
        ctx_->windows.load<SoundHolder>().rightSound.setCommand("Open");
        unloadSnd();
        SoundHolder& snd = ctx_->windows.load<SoundHolder>();
        QVERIFY(!snd.rightSound.isOpen());
        QVERIFY(snd.music.isPlaying());
    }

    void mutedOrWithoutFilesTheHolderLoadsInSilence_data() {
        QTest::addColumn<bool>("mute");
        QTest::addColumn<bool>("withFiles");
        QTest::newRow("muted") << true << true;
        QTest::newRow("no sound files") << false << false;
    }
    void mutedOrWithoutFilesTheHolderLoadsInSilence() {
        QFETCH(bool, mute);
        QFETCH(bool, withFiles);
        startContext(mute, withFiles);
        SoundHolder& snd = ctx_->windows.load<SoundHolder>();
        snd.rightSound.setCommand("Open");
        snd.rightSound.setWait(false);
        snd.rightSound.setCommand("Sound");
        QVERIFY(!snd.music.isOpen() && !snd.rightSound.isOpen());
        QVERIFY(!ctx_->audio.isMusicPlaying());
        unloadSnd();
    }
};

QTEST_MAIN(FrmSndTest)
#include "test_sound_holder.moc"
