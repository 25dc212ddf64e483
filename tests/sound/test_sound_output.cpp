#include "disk_capture.h"
#include "midi_builder.h"
#include "sound/audio_engine.h"
#include "sound/sound_control.h"
#include "started_engine.h"
#include "wave_builder.h"

#include <QElapsedTimer>
#include <QThread>
#include <QtTest>

using namespace tavrin;

// What the devices actually play, read back from SDL's disk output.
class SoundOutputTest : public QObject {
    Q_OBJECT

    QTemporaryDir scratch_;

    static QString dataFile(const QString& name) {
        return qEnvironmentVariable("TAVRIN_SOURCE_DIR") + "/data/" + name;
    }

    static void openDevice(SoundControl& device, const char* type, const QString& file) {
        device.setDeviceType(type);
        device.setFileName(file);
        device.setCommand("Open");
    }

    // A tune of 1 s: a long organ note, a rest, a short note. Organ notes stop almost at once
    // when released, so every rest shows up as silence in the output.
    QString oneSecondTune() {
        midi_builder::Track track;
        track.program(0, 19).noteOn(0, 60).noteOff(384, 60).noteOn(480, 67).noteOff(96, 67).end();
        const QString path = scratch_.filePath("one_second.mid");
        midi_builder::save(path, midi_builder::file({track}));
        return path;
    }

private slots:
    void effectsAreHeard_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("command");
        QTest::newRow("hit3") << "hit3.WAV"
                              << "sound";
        QTest::newRow("blip2") << "blip2.WAV"
                               << "sound";
        QTest::newRow("yeah") << "yeah.WAV"
                              << "Sound";
        QTest::newRow("boo") << "boo.WAV"
                             << "Sound";
    }
    void effectsAreHeard() {
        QFETCH(QString, name);
        QFETCH(QString, command);
        DiskCapture capture;
        {
            StartedEngine engine;
            QVERIFY(engine.isOpen());
            SoundControl device(engine);
            openDevice(device, "WaveAudio", dataFile(name));
            device.setWait(false);
            device.setCommand(command);
            QTest::qWait(250);
        }
        const auto peaks = capture.peaks(10);
        QVERIFY(!peaks.empty());
        QVERIFY2(*std::max_element(peaks.begin(), peaks.end()) > 2000, "the effect was silent");
    }

    void soundOnAPlayingEffectRestartsItFromTheBeginning() {
        // 300 ms: a loud 40 ms burst, then a steady level that would double if two copies
        // overlapped.
        std::vector<std::int16_t> samples;
        for (int i = 0; i < 882; ++i)
            samples.push_back((i / 11) % 2 ? 20000 : -20000);
        samples.resize(6615, 4000);
        const QString path = scratch_.filePath("burst.wav");
        QVERIFY(saveWave(path, samples));

        DiskCapture capture;
        {
            StartedEngine engine;
            SoundControl device(engine);
            openDevice(device, "WaveAudio", path);
            device.setCommand("Sound");
            QTest::qWait(120);
            device.setWait(false);
            device.setCommand("sound");
            QTest::qWait(500);
        }
        const auto peaks = capture.peaks(10);
        const auto bursts = loudRuns(peaks, 15000);
        QCOMPARE(bursts.size(), std::size_t(2));
        const int afterSecondBurst = bursts[1].first + bursts[1].second + 3;
        for (int i = afterSecondBurst; i < afterSecondBurst + 10; ++i)
            QVERIFY2(peaks.at(i) > 3000 && peaks.at(i) < 5000, "the first sound was not cut off");
        const auto sounding = loudRuns(peaks, 2000);
        QCOMPARE(sounding.size(), std::size_t(1));
        QVERIFY2(sounding[0].second >= 35, "the second sound did not play to its end");
    }

    void musicIsHeardAndStartsAgainPromptlyAfterItsEnd() {
        const QString tune = oneSecondTune();
        DiskCapture capture;
        std::vector<qint64> secondsToDone;
        {
            StartedEngine engine;
            SoundControl music(engine);
            QElapsedTimer sincePlay;
            connect(&music, &SoundControl::done, this, [&] {
                secondsToDone.push_back(sincePlay.elapsed());
                music.setNotify(false);
                music.setCommand("Next");
                music.setNotify(false);
                music.setCommand("Prev");
                music.setNotify(true);
                music.setCommand("Play");
                sincePlay.start();
            });
            music.setWait(true);
            openDevice(music, "Sequencer", tune);
            QVERIFY(music.isOpen());
            music.setNotify(true);
            music.setCommand("play");
            sincePlay.start();
            QTest::qWait(3400);
        }
        QVERIFY2(secondsToDone.size() >= 3, qPrintable(QString::number(secondsToDone.size())));
        for (qint64 ms : secondsToDone)
            QVERIFY2(ms >= 1000 && ms < 1500, qPrintable(QString::number(ms)));

        // Each round shows its long first note; a late restart would leave seconds of silence.
        const auto peaks = capture.peaks(50);
        const auto sounding = loudRuns(peaks, 500);
        QVERIFY(!sounding.empty());
        const auto longNotes = std::count_if(sounding.begin(), sounding.end(),
                                             [](auto run) { return run.second >= 6; });
        QVERIFY2(longNotes >= 3, qPrintable(QString::number(longNotes)));
        for (std::size_t i = 1; i < sounding.size(); ++i) {
            const int gap = sounding[i].first - (sounding[i - 1].first + sounding[i - 1].second);
            QVERIFY2(gap < 14, qPrintable(QString("a silence of %1 ms").arg(gap * 50)));
        }
    }

    void endReportedBySdlFirstArrivesOnceOnTheUiThread() {
        // Without the real-time pacing SDL renders the tune and FluidSynth's late end report in
        // a fraction of a second: that report, from the audio thread, ends the play.
        qputenv("SDL_DISKAUDIODELAY", "0");
        DiskCapture capture;
        int done = 0;
        bool onUiThread = false;
        qint64 doneAfter = -1;
        {
            StartedEngine engine;
            SoundControl music(engine);
            QElapsedTimer sincePlay;
            connect(&music, &SoundControl::done, this, [&] {
                ++done;
                doneAfter = sincePlay.elapsed();
                onUiThread = QThread::currentThread() == QCoreApplication::instance()->thread();
            });
            openDevice(music, "Sequencer", oneSecondTune());
            music.setNotify(true);
            music.setCommand("Play");
            sincePlay.start();
            QTest::qWait(1200);
        }
        qunsetenv("SDL_DISKAUDIODELAY");
        QCOMPARE(done, 1);
        QVERIFY(onUiThread);
        QVERIFY2(doneAfter < 1000, "the end came from the device's own timing, not from SDL");
    }

    void missingSoundfontSilencesOnlyTheMusic() {
        DiskCapture capture;
        int done = 0;
        {
            AudioEngine::Settings settings;
            settings.soundFont = scratch_.filePath("no_such_font.sf2");
            StartedEngine engine(settings);
            SoundControl music(engine);
            SoundControl hit(engine);
            connect(&music, &SoundControl::done, this, [&] { ++done; });
            openDevice(music, "Sequencer", oneSecondTune());
            music.setNotify(true);
            music.setCommand("Play");
            QTest::qWait(300);
            QVERIFY(capture.peaks(50).empty() ||
                    std::ranges::all_of(capture.peaks(50), [](int peak) { return peak < 100; }));
            openDevice(hit, "WaveAudio", dataFile("hit3.WAV"));
            hit.setCommand("Sound");
            QTest::qWait(400);
        }
        QCOMPARE(done, 0);
        const auto peaks = capture.peaks(10);
        QVERIFY(!peaks.empty() && *std::max_element(peaks.begin(), peaks.end()) > 2000);
    }
};

QTEST_GUILESS_MAIN(SoundOutputTest)
#include "test_sound_output.moc"
