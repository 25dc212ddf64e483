#include "midi_builder.h"
#include "sound/midi_length.h"

#include <QtTest>

using namespace tavrin;
using midi_builder::Track;

namespace {

std::optional<double> secondsOf(const midi_builder::Bytes& bytes) {
    return midiTuneSeconds(bytes);
}

} // namespace

class MidiLengthTest : public QObject {
    Q_OBJECT

private slots:
    void lastNoteAtDefaultTempo() {
        // 120 beats a minute when the file sets no tempo: 960 ticks at 480 a beat is 1 s.
        Track notes;
        notes.noteOn(0, 60).noteOff(960, 60).end();
        QCOMPARE(secondsOf(midi_builder::file({notes})), 1.0);
    }

    void onlyTunesUpToAnHourAreTimedByTheDevice() {
        QCOMPARE(tuneEndMilliseconds(1.0001), std::optional<int>(1001));
        QCOMPARE(tuneEndMilliseconds(3600), std::optional<int>(3'600'000));
        QVERIFY(!tuneEndMilliseconds(3600.001));
        QVERIFY(!tuneEndMilliseconds(std::nan("")));
        // The latest note a file can hold: days of slowest beats, beyond any timer.
        Track notes;
        notes.tempo(0, 0xFFFFFF).noteOn(0x0FFFFFFF, 60).end();
        const auto seconds = secondsOf(midi_builder::file({notes}, 1));
        QVERIFY(seconds && *seconds > 1e9);
        QVERIFY(!tuneEndMilliseconds(*seconds));
    }

    void tempoChangesInAnotherTrackApply() {
        Track conductor;
        conductor.tempo(0, 500'000).tempo(480, 250'000).end();
        Track notes;
        notes.noteOn(0, 60).noteOff(1440, 60).end();
        // 480 ticks at 0.5 s a beat, then 960 ticks at 0.25 s a beat.
        QCOMPARE(secondsOf(midi_builder::file({conductor, notes})), 1.0);
    }

    void tempoChangeAfterTheLastNoteIsIgnored() {
        Track notes;
        notes.tempo(0, 1'000'000).noteOn(0, 60).noteOff(480, 60).tempo(480, 100'000).end();
        QCOMPARE(secondsOf(midi_builder::file({notes})), 1.0);
    }

    void eventsAfterTheLastNoteDoNotLengthenTheTune() {
        Track notes;
        notes.noteOn(0, 60).noteOff(480, 60).program(480, 5).event(0, {0xB0, 7, 100}).end(4800);
        QCOMPARE(secondsOf(midi_builder::file({notes})), 0.5);
    }

    void runningStatusSysexAndUnknownChunksAreFollowed() {
        Track notes;
        notes
            .event(0, {0xF0, 0x03, 0x7E, 0x7F, 0xF7}) // a system exclusive message
            .event(0, {0xFF, 0x01, 0x02, 'h', 'i'})   // a text event
            .noteOn(0, 60)
            .event(240, {62, 100}) // running status: another note-on
            .event(240, {60, 0})   // note-on with velocity 0 ends a note
            .event(480, {62, 0})
            .end();
        auto bytes = midi_builder::file({notes});
        const midi_builder::Bytes alien{'X', 'y', 'z', 'w', 0, 0, 0, 2, 0xAB, 0xCD};
        bytes.insert(bytes.begin() + 14, alien.begin(), alien.end()); // after the header
        QCOMPARE(secondsOf(bytes), 1.0);
    }

    void smpteTimingCountsFramesNotBeats() {
        Track notes;
        notes.noteOn(0, 60).noteOff(1500, 60).end();
        // 25 frames a second, 40 ticks a frame: 1000 ticks a second.
        const auto division = std::uint16_t((std::uint8_t(-25) << 8) | 40);
        QCOMPARE(secondsOf(midi_builder::file({notes}, division)), 1.5);
    }

    void unreadableFilesHaveNoLength() {
        Track notes;
        notes.noteOn(0, 60).noteOff(480, 60).end();
        auto truncated = midi_builder::file({notes});
        truncated.resize(truncated.size() - 6);
        QVERIFY(!secondsOf(truncated));

        Track silent;
        silent.tempo(0, 500'000).end(960);
        QVERIFY(!secondsOf(midi_builder::file({silent})));

        QVERIFY(!secondsOf(midi_builder::file({notes}, 0)));
        QVERIFY(!secondsOf({'R', 'I', 'F', 'F', 0, 0, 0, 0}));
        QVERIFY(!secondsOf({}));

        Track missingStatus;
        missingStatus.event(0, {60, 100}).end(); // data bytes before any status byte
        QVERIFY(!secondsOf(midi_builder::file({missingStatus})));
    }

    void moreTracksAnnouncedThanPresentIsUnreadable() {
        Track notes;
        notes.noteOn(0, 60).noteOff(480, 60).end();
        auto bytes = midi_builder::file({notes});
        bytes[11] = 2; // the header claims two tracks
        QVERIFY(!secondsOf(bytes));
    }
};

QTEST_GUILESS_MAIN(MidiLengthTest)
#include "test_midi_length.moc"
