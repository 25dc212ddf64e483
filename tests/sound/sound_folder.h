#pragma once

#include "midi_builder.h"
#include "sound/audio_engine.h"
#include "wave_builder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

// A folder of sound files as the game's data root holds them: the shipped effects, and a tune of
// the test's own in place of the real one, so that its loop can be watched in seconds.
class SoundFolder {
public:
    SoundFolder() {
        const QDir shipped(qEnvironmentVariable("TAVRIN_SOURCE_DIR") + "/data");
        for (auto effect : {tavrin::Effect::Hit, tavrin::Effect::Miss, tavrin::Effect::Right,
                            tavrin::Effect::Wrong}) {
            const QString name = tavrin::AudioEngine::soundFileName(effect);
            QFile::copy(shipped.filePath(name), path(name));
        }
        // One second: a long organ note, a rest, a short note. Organ notes stop almost at once
        // when released, so every rest shows up as silence in the output.
        midi_builder::Track track;
        track.program(0, 19).noteOn(0, 60).noteOff(384, 60).noteOn(480, 67).noteOff(96, 67).end();
        setTune(track);
    }

    QString path(const QString& name) const { return dir_.filePath(name); }
    void setTune(const midi_builder::Track& track) {
        midi_builder::save(path(tavrin::AudioEngine::tuneFileName()), midi_builder::file({track}));
    }
    void setEffect(tavrin::Effect effect, const std::vector<std::int16_t>& samples) {
        saveWave(path(tavrin::AudioEngine::soundFileName(effect)), samples);
    }
    void write(const QString& name, const QByteArray& bytes) {
        QFile file(path(name));
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
    }

    tavrin::AudioEngine::Settings settings() const {
        tavrin::AudioEngine::Settings settings;
        settings.soundFolder = dir_.path();
        return settings;
    }

private:
    QTemporaryDir dir_;
};

// An engine whose output has finished opening, as the program's has a moment after its start
// window shows.
struct StartedEngine : tavrin::AudioEngine {
    explicit StartedEngine(Settings settings) : AudioEngine(std::move(settings)) {
        start();
        waitForStart();
    }
};
