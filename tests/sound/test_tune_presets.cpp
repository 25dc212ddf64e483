#include "midi_builder.h"
#include "sound/tune_presets.h"

#include <QtTest>

using namespace tavrin;
using midi_builder::Track;

// Which soundfont presets a tune can select: what the synthesizer must have of the soundfont.
class TunePresetsTest : public QObject {
    Q_OBJECT

private slots:
    void programsOfEveryChannelAndTrackCount() {
        Track piano;
        piano.noteOn(0, 60).program(480, 56).noteOn(0, 64).program(480, 73, 1).end();
        Track drums;
        drums.noteOn(0, 36, TunePresets::kPercussionChannel)
            .program(0, 25, TunePresets::kPercussionChannel)
            .program(0, 33, 2)
            .end();
        const auto presets = tunePresets(midi_builder::file({piano, drums}));
        QVERIFY(presets);
        // Program 0 is where every channel starts, melodic or percussion.
        QCOMPARE(presets->melodic, (std::set<int>{0, 33, 56, 73}));
        QCOMPARE(presets->percussion, (std::set<int>{0, 25}));
        QVERIFY(!presets->all);
        QVERIFY(presets->includes(0, 56) && presets->includes(8, 56)); // any melodic bank
        QVERIFY(presets->includes(TunePresets::kPercussionBank, 25));
        QVERIFY(!presets->includes(TunePresets::kPercussionBank, 56));
        QVERIFY(!presets->includes(0, 25));
    }

    void aTuneThatSelectsBanksMaySelectAnything() {
        Track track;
        track.event(0, {0xB0, 0, 1}).program(0, 5).noteOn(0, 60).end();
        const auto presets = tunePresets(midi_builder::file({track}));
        QVERIFY(presets && presets->all);
        QVERIFY(presets->includes(1, 99));
    }

    void tunesAddUp() {
        TunePresets first;
        first.melodic.insert(19);
        TunePresets second;
        second.percussion.insert(8);
        first.add(second);
        QVERIFY(first.includes(0, 19) && first.includes(TunePresets::kPercussionBank, 8));
        second.all = true;
        first.add(second);
        QVERIFY(first.all);
    }

    void notAMidiFileGivesNothing() {
        Track track;
        track.program(0, 5).noteOn(0, 60).end();
        auto bytes = midi_builder::file({track});
        bytes.resize(bytes.size() - 2); // the last track runs past the end of the file
        QVERIFY(!tunePresets(bytes));
        QVERIFY(!tunePresets(midi_builder::Bytes{'R', 'I', 'F', 'F'}));
    }
};

QTEST_APPLESS_MAIN(TunePresetsTest)
#include "test_tune_presets.moc"
