#include "midi_builder.h"
#include "sound/audio_engine.h"
#include "sound/sound_control.h"
#include "started_engine.h"

#include <QtTest>
#include <csignal>
#include <memory>

using namespace tavrin;

namespace {

QStringList qtWarnings;

void collectWarnings(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type != QtDebugMsg && type != QtInfoMsg)
        qtWarnings << message;
}

} // namespace

// Sound never stops the game: whatever is missing, every command is taken quietly.
class SoundFailsafeTest : public QObject {
    Q_OBJECT

    QTemporaryDir scratch_;

    QString oneSecondTune() {
        midi_builder::Track track;
        track.noteOn(0, 60).noteOff(960, 60).end();
        const QString path = scratch_.filePath("one_second.mid");
        midi_builder::save(path, midi_builder::file({track}));
        return path;
    }

    static void prepare(SoundControl& device, const char* type, const QString& file) {
        device.setNotify(false);
        device.setShareable(false);
        device.setDeviceType(type);
        device.setFileName(file);
    }

private slots:
    void init() {
        qtWarnings.clear();
        qInstallMessageHandler(collectWarnings);
    }
    void cleanup() {
        qInstallMessageHandler(nullptr);
        qputenv("SDL_AUDIODRIVER", "dummy");
    }

    void everyCommandIsTakenQuietlyWithoutSound_data() {
        QTest::addColumn<QString>("driver");
        QTest::addColumn<bool>("mute");
        QTest::addColumn<QString>("files"); // "missing", "garbage" or "real"
        QTest::newRow("muted") << "dummy" << true << "real";
        QTest::newRow("no audio device") << "nosuchdriver" << false << "real";
        QTest::newRow("files missing") << "dummy" << false << "missing";
        QTest::newRow("files unreadable") << "dummy" << false << "garbage";
    }
    void everyCommandIsTakenQuietlyWithoutSound() {
        QFETCH(QString, driver);
        QFETCH(bool, mute);
        QFETCH(QString, files);
        qputenv("SDL_AUDIODRIVER", driver.toUtf8());
        QDir dir(qEnvironmentVariable("TAVRIN_SOURCE_DIR") + "/data");
        if (files != "real")
            dir = QDir(scratch_.filePath(files));
        if (files == "garbage") {
            dir.mkpath(".");
            for (const char* name : {"hit3.WAV", "p_samy.mid"}) {
                QFile file(dir.filePath(name));
                QVERIFY(file.open(QIODevice::WriteOnly));
                file.write("this is not a sound file");
            }
        }

        AudioEngine::Settings settings;
        settings.mute = mute;
        StartedEngine engine(settings);
        QCOMPARE(engine.isOpen(), files != "real");
        SoundControl music(engine);
        SoundControl hit(engine);
        int done = 0;
        connect(&music, &SoundControl::done, this, [&] { ++done; });

        // The holder's start, a target game closed early and opened again, then the music's
        // restart sequence, and some commands the game never sends.
        prepare(hit, "WaveAudio", dir.filePath("hit3.WAV"));
        prepare(music, "Sequencer", dir.filePath("p_samy.mid"));
        music.setWait(true);
        music.setCommand("Open");
        music.setNotify(true);
        music.setCommand("play");
        for (int round = 0; round < 2; ++round) {
            hit.setCommand("Open");
            hit.setCommand("sound");
            hit.setWait(false);
            hit.setCommand("sound");
        }
        hit.setCommand("Close");
        hit.setCommand("Close");
        hit.setCommand("Play");
        for (const char* command : {"Next", "Prev", "Play", "Sound", "Eject", ""}) {
            music.setNotify(true);
            music.setCommand(command);
        }
        QTest::qWait(300);

        QVERIFY(!music.isOpen() && !hit.isOpen());
        QCOMPARE(done, 0); // no end is reported for a play that never started
        QVERIFY2(qtWarnings.isEmpty(), qPrintable(qtWarnings.join('\n')));
    }

    void openOnAnOpenDeviceKeepsItPlayable() {
        StartedEngine engine;
        SoundControl hit(engine);
        hit.setDeviceType("waveaudio");
        hit.setFileName(qEnvironmentVariable("TAVRIN_SOURCE_DIR") + "/data/boo.WAV");
        hit.setCommand("Sound");
        QVERIFY(!hit.isPlaying()); // not open yet
        hit.setCommand("oPeN");
        hit.setCommand("OPEN");
        QVERIFY(hit.isOpen());
        hit.setCommand("SOUND");
        QVERIFY(hit.isPlaying());
        hit.setCommand("close");
        QVERIFY(!hit.isOpen() && !hit.isPlaying());
        hit.setCommand("Close");
        hit.setCommand("Open");
        hit.setCommand("play");
        QVERIFY(hit.isPlaying());
        QVERIFY(qtWarnings.isEmpty());
    }

    void restartingTheMusicIsNotTakenForItsEnd() {
        // SDL reports a halt as the end of the music; a restart halts the old play first.
        StartedEngine engine;
        SoundControl music(engine);
        int done = 0;
        connect(&music, &SoundControl::done, this, [&] { ++done; });
        prepare(music, "Sequencer", oneSecondTune());
        music.setCommand("Open");
        music.setNotify(true);
        music.setCommand("Play");
        QTest::qWait(50);
        music.setCommand("Prev");
        music.setNotify(true);
        music.setCommand("Play");
        QTest::qWait(500);
        QCOMPARE(done, 0);
        QVERIFY(music.isPlaying());
        QTRY_COMPARE_WITH_TIMEOUT(done, 1, 1500);
    }

    void tuneTooLongToTimePlaysUntilTheSynthesizerEndsIt() {
        midi_builder::Track track;
        track.tempo(0, 0xFFFFFF).noteOn(0, 60).noteOff(0x0FFFFFFF, 60).end();
        const QString path = scratch_.filePath("days_long.mid");
        midi_builder::save(path, midi_builder::file({track}, 1));
        AudioEngine engine({});
        SoundControl music(engine);
        prepare(music, "Sequencer", path);
        music.setCommand("Open");
        music.setNotify(true);
        music.setCommand("Play");
        QTest::qWait(100);
        QVERIFY(music.isPlaying());
        QVERIFY2(qtWarnings.isEmpty(), qPrintable(qtWarnings.join('\n')));
    }

    void doneIsALaterEventAndDiesWithItsDevice() {
        StartedEngine engine;
        auto music = std::make_unique<SoundControl>(engine);
        int done = 0;
        connect(music.get(), &SoundControl::done, this, [&](int code) {
            QCOMPARE(code, SoundControl::kNotifySuccessful);
            ++done;
        });
        prepare(*music, "Sequencer", oneSecondTune());
        music->setCommand("Open");
        music->setCommand("Next");
        music->setNotify(true);
        music->setCommand("Play"); // from the end: ends at once
        QCOMPARE(done, 0);
        QCoreApplication::processEvents();
        QCOMPARE(done, 1);

        music->setNotify(true);
        music->setCommand("Play");
        music.reset(); // its report is still queued
        QCoreApplication::processEvents();
        QCOMPARE(done, 1);
    }

    void destroyingAPlayingSequencerStopsTheMusic() {
        StartedEngine engine;
        auto music = std::make_unique<SoundControl>(engine);
        prepare(*music, "Sequencer", oneSecondTune());
        music->setCommand("Open");
        music->setCommand("Play");
        QVERIFY(engine.isMusicPlaying());
        music.reset();
        QVERIFY(!engine.isMusicPlaying());
    }

    void terminationSignalsStillEndTheProgram() {
        // SDL takes over signals whose handling is the default, as it is in the program.
        struct sigaction defaults = {}, saved[2], now;
        defaults.sa_handler = SIG_DFL;
        const int caught[2] = {SIGTERM, SIGINT};
        for (int i = 0; i < 2; ++i)
            sigaction(caught[i], &defaults, &saved[i]);
        {
            StartedEngine engine;
            QVERIFY(engine.isOpen());
            for (int signal : caught) {
                sigaction(signal, nullptr, &now);
                QVERIFY(now.sa_handler == SIG_DFL);
            }
        }
        for (int i = 0; i < 2; ++i)
            sigaction(caught[i], &saved[i], nullptr);
    }

    void devicesMayOutliveTheEngine() {
        auto engine = std::make_unique<StartedEngine>();
        SoundControl music(*engine);
        SoundControl hit(*engine);
        prepare(music, "Sequencer", oneSecondTune());
        prepare(hit, "WaveAudio", qEnvironmentVariable("TAVRIN_SOURCE_DIR") + "/data/hit3.WAV");
        music.setCommand("Open");
        music.setCommand("Play");
        hit.setCommand("Open");
        hit.setCommand("Sound");
        engine.reset(); // e.g. windows deleted after the game's context at exit
        hit.setCommand("Sound");
        music.setCommand("Prev");
        QVERIFY(!hit.isPlaying() && !music.isPlaying());
    }
};

QTEST_GUILESS_MAIN(SoundFailsafeTest)
#include "test_sound_failsafe.moc"
