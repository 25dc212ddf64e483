#include "sound/sound_fonts.h"
#include "sound/soundfont_subset.h"
#include "sound/synth_tuning.h"
#include "sound/tune_presets.h"

#include <QFile>
#include <QtTest>
#include <fluidsynth.h>
#include <memory>
#include <set>
#include <utility>
#include <vector>

using namespace tavrin;

namespace {

using Preset = std::pair<int, int>; // bank, program

// Writes the cut-down soundfont out whole, as FluidSynth reads it through the game's loader.
bool save(const SoundFontSubset& subset, const QString& original, const QString& path) {
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(
        std::fopen(QFile::encodeName(original).constData(), "rb"), std::fclose);
    std::vector<char> bytes(subset.size());
    QFile out(path);
    return file && subset.read(file.get(), 0, bytes.data(), bytes.size()) &&
           out.open(QIODevice::WriteOnly) &&
           out.write(bytes.data(), qint64(bytes.size())) == qint64(bytes.size());
}

// A synthesizer set up as the game's (synth_tuning.h, the tune rendered at 22.05 kHz), reading
// one soundfont.
struct Synth {
    std::unique_ptr<fluid_settings_t, void (*)(fluid_settings_t*)> settings{new_fluid_settings(),
                                                                            delete_fluid_settings};
    std::unique_ptr<fluid_synth_t, void (*)(fluid_synth_t*)> synth{nullptr, delete_fluid_synth};
    int font = -1;

    explicit Synth(const QString& soundFont) {
        fluid_settings_setnum(settings.get(), "synth.sample-rate", 22050);
        fluid_settings_setstr(settings.get(), "player.timing-source", "sample");
        // The program's new_fluid_synth, which applies the tuning.
        synth.reset(new_fluid_synth(settings.get()));
        font = fluid_synth_sfload(synth.get(), QFile::encodeName(soundFont).constData(), 1);
    }

    std::set<Preset> presets() const {
        std::set<Preset> found;
        fluid_sfont_t* sfont = fluid_synth_get_sfont_by_id(synth.get(), font);
        fluid_sfont_iteration_start(sfont);
        while (fluid_preset_t* preset = fluid_sfont_iteration_next(sfont))
            found.insert({fluid_preset_get_banknum(preset), fluid_preset_get_num(preset)});
        return found;
    }

    std::vector<short> play(const QString& tune) {
        std::unique_ptr<fluid_player_t, void (*)(fluid_player_t*)> player(
            new_fluid_player(synth.get()), delete_fluid_player);
        fluid_player_add(player.get(), QFile::encodeName(tune).constData());
        fluid_player_play(player.get());
        std::vector<short> out;
        constexpr int kFrames = 512, kMostSeconds = 120;
        short block[2 * kFrames];
        for (int i = 0; i < 22050 * kMostSeconds / kFrames &&
                        fluid_player_get_status(player.get()) == FLUID_PLAYER_PLAYING;
             ++i) {
            fluid_synth_write_s16(synth.get(), kFrames, block, 0, 2, block, 1, 2);
            out.insert(out.end(), block, block + 2 * kFrames);
        }
        return out;
    }
};

} // namespace

// A soundfont cut down to some presets (the game's loader gives FluidSynth no other): FluidSynth
// finds exactly those presets in it, and plays the game's tune from it, with the game's few
// voices, sample for sample as from the whole soundfont with all of FluidSynth's voices.
class SoundFontSubsetTest : public QObject {
    Q_OBJECT

    QTemporaryDir scratch_;
    QString soundFont_;

private slots:
    void initTestCase() {
        soundFont_ = chooseSoundFonts({}, kDebianSoundFonts);
        if (soundFont_.isEmpty())
            QSKIP("no General MIDI soundfont installed");
    }

    void keepsExactlyThePresetsAskedFor() {
        const std::set<Preset> wanted{{0, 0}, {0, 33}, {128, 0}};
        const auto subset =
            SoundFontSubset::make(soundFont_.toStdString(), [&](int bank, int program) {
                return wanted.contains({bank, program});
            });
        QVERIFY(subset);
        QCOMPARE(subset->presetCount(), 3);
        const QString path = scratch_.filePath("three.sf2");
        QVERIFY(save(*subset, soundFont_, path));
        Synth synth(path);
        QVERIFY(synth.font >= 0);
        QCOMPARE(synth.presets(), wanted);
    }

    void cleanup() { setSynthTuning({}); }

    void theGameTunePlaysAsFromTheWholeSoundFontWithEveryVoice() {
        const QString tune = qEnvironmentVariable("TAVRIN_DATA_DIR") + "/p_samy.mid";
        QFile file(tune);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        const auto presets = tunePresets(std::span(
            reinterpret_cast<const unsigned char*>(bytes.constData()), std::size_t(bytes.size())));
        QVERIFY(presets && !presets->all);
        const auto subset =
            SoundFontSubset::make(soundFont_.toStdString(), [&](int bank, int program) {
                return presets->includes(bank, program);
            });
        QVERIFY(subset);
        const QString path = scratch_.filePath("tune.sf2");
        QVERIFY(save(*subset, soundFont_, path));

        SynthTuning everyVoice;
        everyVoice.polyphony = SynthTuning::fluidSynthDefaults().polyphony;
        setSynthTuning(everyVoice);
        const std::vector<short> whole = Synth(soundFont_).play(tune);
        setSynthTuning({});
        const std::vector<short> cut = Synth(path).play(tune);
        QVERIFY(whole.size() > 22050 * 2 * 10); // the tune plays for longer than 10 s
        QVERIFY(std::count(whole.begin(), whole.end(), 0) < std::ptrdiff_t(whole.size() / 2));
        QVERIFY(cut == whole);
    }

    void whatIsNotAnSf2FileIsLeftWhole() {
        const auto keepAll = [](int, int) { return true; };
        const QString tune = qEnvironmentVariable("TAVRIN_DATA_DIR") + "/p_samy.mid";
        QVERIFY(!SoundFontSubset::make(tune.toStdString(), keepAll));
        QVERIFY(!SoundFontSubset::make(scratch_.filePath("missing.sf2").toStdString(), keepAll));
        // Cut off in its preset data.
        QFile whole(soundFont_);
        QVERIFY(whole.open(QIODevice::ReadOnly));
        const QString truncated = scratch_.filePath("truncated.sf2");
        QFile out(truncated);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(whole.read(whole.size() - 4096));
        out.close();
        QVERIFY(!SoundFontSubset::make(truncated.toStdString(), keepAll));
    }

    void readsNothingPastItsEnd() {
        const auto subset = SoundFontSubset::make(soundFont_.toStdString(),
                                                  [](int, int program) { return program == 0; });
        QVERIFY(subset);
        std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(
            std::fopen(QFile::encodeName(soundFont_).constData(), "rb"), std::fclose);
        char bytes[16];
        QVERIFY(subset->read(file.get(), subset->size() - 16, bytes, 16));
        QVERIFY(!subset->read(file.get(), subset->size() - 15, bytes, 16));
        QVERIFY(!subset->read(file.get(), subset->size() + 1, bytes, 0));
    }
};

QTEST_APPLESS_MAIN(SoundFontSubsetTest)
#include "test_soundfont_subset.moc"
