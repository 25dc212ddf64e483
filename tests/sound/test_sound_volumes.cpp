#include "disk_capture.h"
#include "sound_folder.h"

#include <QtTest>

using namespace tavrin;

// What the player's volumes do to the output, read back from SDL's disk driver.
class SoundVolumesTest : public QObject {
    Q_OBJECT

    static int loudest(const std::vector<int>& peaks, int fromMs, int toMs, int windowMs) {
        int peak = 0;
        for (int i = fromMs / windowMs; i < toMs / windowMs && i < int(peaks.size()); ++i)
            peak = std::max(peak, peaks[i]);
        return peak;
    }

private slots:
    void effectsFollowTheirVolumeAndAreSilentWhenOff() {
        // 200 ms of a steady square wave, so that each play shows its level plainly.
        std::vector<std::int16_t> samples;
        for (int i = 0; i < 4410; ++i)
            samples.push_back((i / 25) % 2 ? 16000 : -16000);
        SoundFolder folder;
        folder.setEffect(Effect::Wrong, samples);

        DiskCapture capture;
        {
            StartedEngine engine(folder.settings());
            engine.openEffectsOf(rules::MiniGame::Quiz);
            for (double volume : {1.0, 0.0, 0.5, 1.0}) {
                engine.setEffectsVolume(volume);
                engine.play(Effect::Wrong);
                QTest::qWait(300);
            }
            // Turned off while it plays, it stops being heard at once.
            engine.play(Effect::Wrong);
            QTest::qWait(60);
            engine.setEffectsVolume(0);
            QTest::qWait(300);
        }
        const auto peaks = capture.peaks(10);
        const auto runs = loudRuns(peaks, 2000);
        QCOMPARE(runs.size(), std::size_t(4)); // full, half, full, and the one cut short
        const int full = loudest(peaks, runs[0].first * 10, (runs[0].first + 15) * 10, 10);
        const int half = loudest(peaks, runs[1].first * 10, (runs[1].first + 15) * 10, 10);
        QVERIFY2(full > 15000, qPrintable(QString::number(full)));
        QVERIFY2(std::abs(2 * half - full) < full / 10,
                 qPrintable(QString("%1 against %2").arg(half).arg(full)));
        // Nothing between the first two: the play at volume 0 was not heard.
        const int gap = runs[1].first - (runs[0].first + runs[0].second);
        QVERIFY2(gap >= 25, qPrintable(QString("%1 ms between").arg(gap * 10)));
        QVERIFY2(runs[3].second <= 12, "the effect turned off played on");
    }

    void mutedMusicFadesOutPlaysOnAndComesBackWhereTheTuneIs() {
        // 2.5 s: an organ note for the first second, a rest, another note from 2 s.
        midi_builder::Track track;
        track.program(0, 19).noteOn(0, 60).noteOff(960, 60).noteOn(960, 67).noteOff(480, 67).end();
        SoundFolder folder;
        folder.setTune(track);

        DiskCapture capture;
        QElapsedTimer sincePlay;
        {
            StartedEngine engine(folder.settings());
            engine.startMusic();
            sincePlay.start();
            QTest::qWait(300);
            engine.setMusicVolume(0, 400);
            QVERIFY(engine.isMusicPlaying());
            QTest::qWait(1100 - int(sincePlay.elapsed()));
            QVERIFY(engine.isMusicPlaying()); // silent, and playing on
            QTest::qWait(1450 - int(sincePlay.elapsed()));
            engine.setMusicVolume(1, 100);
            QTest::qWait(2400 - int(sincePlay.elapsed()));
        }
        // Times in the tune, from its first sound in the output.
        const auto peaks = capture.peaks(50);
        const auto sounding = loudRuns(peaks, 500);
        QVERIFY(!sounding.empty());
        const int start = sounding.front().first * 50;
        auto loudestAt = [&](int fromMs, int toMs) {
            return loudest(peaks, start + fromMs, start + toMs, 50);
        };
        const int before = loudestAt(0, 300);
        QVERIFY2(before > 1000, qPrintable(QString::number(before)));
        // Faded out well before the note would have ended.
        QVERIFY2(loudestAt(850, 1000) < before / 20, "the music did not fade out");
        // Back on at 1.45 s: a restart would bring the first note back at once; the tune's
        // own place is in its rest until the second note at 2 s.
        QVERIFY2(loudestAt(1500, 1950) < before / 20, "the music came back elsewhere");
        QVERIFY2(loudestAt(2050, 2350) > before / 3, "the music did not come back");
    }
};

QTEST_GUILESS_MAIN(SoundVolumesTest)
#include "test_sound_volumes.moc"
