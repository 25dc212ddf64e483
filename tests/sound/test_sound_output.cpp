#include "disk_capture.h"
#include "sound_folder.h"

#include <QtTest>

using namespace tavrin;

// What the engine actually plays, read back from SDL's disk output.
class SoundOutputTest : public QObject {
    Q_OBJECT

private slots:
    void effectsAreHeard_data() {
        QTest::addColumn<Effect>("effect");
        QTest::newRow("hit3") << Effect::Hit;
        QTest::newRow("blip2") << Effect::Miss;
        QTest::newRow("yeah") << Effect::Right;
        QTest::newRow("boo") << Effect::Wrong;
    }
    void effectsAreHeard() {
        QFETCH(Effect, effect);
        SoundFolder folder;
        DiskCapture capture;
        {
            StartedEngine engine(folder.settings());
            QVERIFY(engine.isOpen());
            const auto game = effect == Effect::Hit || effect == Effect::Miss
                                  ? rules::MiniGame::Target
                                  : rules::MiniGame::Quiz;
            engine.openEffectsOf(game);
            engine.play(effect);
            QTest::qWait(250);
        }
        const auto peaks = capture.peaks(10);
        QVERIFY(!peaks.empty());
        QVERIFY2(*std::max_element(peaks.begin(), peaks.end()) > 2000, "the effect was silent");
    }

    void playingAPlayingEffectRestartsItFromTheBeginning() {
        // 300 ms: a loud 40 ms burst, then a steady level that would double if two copies
        // overlapped.
        std::vector<std::int16_t> samples;
        for (int i = 0; i < 882; ++i)
            samples.push_back((i / 11) % 2 ? 20000 : -20000);
        samples.resize(6615, 4000);
        SoundFolder folder;
        folder.setEffect(Effect::Right, samples);

        DiskCapture capture;
        {
            StartedEngine engine(folder.settings());
            engine.openEffectsOf(rules::MiniGame::Quiz);
            engine.play(Effect::Right);
            QTest::qWait(120);
            engine.play(Effect::Right);
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

    void musicIsHeardAndLoopsWithoutAGap() {
        SoundFolder folder;
        DiskCapture capture;
        {
            StartedEngine engine(folder.settings());
            engine.startMusic();
            QVERIFY(engine.isMusicPlaying());
            QTest::qWait(3400);
        }
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

    void stoppedMusicIsSilentAtOnceAndStartsAgainFromItsBeginning() {
        SoundFolder folder;
        DiskCapture capture;
        {
            StartedEngine engine(folder.settings());
            engine.startMusic();
            QTest::qWait(600); // into the rest after the long note
            engine.stopMusic();
            QVERIFY(!engine.isMusicPlaying());
            QTest::qWait(400);
            engine.startMusic();
            QTest::qWait(500);
        }
        const auto sounding = loudRuns(capture.peaks(50), 500);
        QVERIFY(sounding.size() >= 2);
        QVERIFY2(sounding[1].second >= 6, "the second start did not begin with the long note");
    }

    void withoutASoundfontOnlyTheMusicIsSilent() {
        SoundFolder folder;
        auto settings = folder.settings();
        settings.soundFont = folder.path("no_such_font.sf2");
        DiskCapture capture;
        {
            StartedEngine engine(settings);
            engine.startMusic();
            QTest::qWait(300);
            QVERIFY(!engine.isMusicPlaying());
            QVERIFY(std::ranges::all_of(capture.peaks(50), [](int peak) { return peak < 100; }));
            engine.openEffectsOf(rules::MiniGame::Target);
            engine.play(Effect::Hit);
            QTest::qWait(400);
        }
        const auto peaks = capture.peaks(10);
        QVERIFY(!peaks.empty() && *std::max_element(peaks.begin(), peaks.end()) > 2000);
    }
};

QTEST_GUILESS_MAIN(SoundOutputTest)
#include "test_sound_output.moc"
