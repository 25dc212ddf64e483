#pragma once

#include "recorded_sound.h"
#include "rules/clock.h"
#include "rules/content_error.h"
#include "windows/app_context.h"

#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <QUrl>
#include <fstream>
#include <memory>
#include <stdexcept>

namespace tavrin::testing {

class FakeClock final : public rules::Clock {
public:
    double secondsSinceMidnight() const override { return 43200.0 + now; }
    double monotonicSeconds() const override { return 1000.0 + now; }
    double now = 0;
};

// A fatal error ends a test instead of the test program.
struct FatalEnded : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// A whole game context as the program builds it: the shipped data root, the zh-HK set, message
// boxes answered by the test, addresses recorded by a stand-in desktop, and content read from a
// folder of the test's own when it writes one.
class GameFixture {
public:
    explicit GameFixture(const QString& language = "zh-HK") {
        Options options;
        options.dataRoot = qEnvironmentVariable("TAVRIN_DATA_DIR");
        options.language = language;
        options.seed = 11;
        options.mute = true;
        options.classic = true; // the game as first made; learning-mode tests switch it on
        auto recorded = std::make_unique<RecordedSound>();
        sound = recorded.get();
        ctx = std::make_unique<AppContext>(options, clock, std::move(recorded));
        ctx->messages.answerer = [this](const QString& text, const QString& title,
                                        MessageBoxes::Buttons) {
            boxes << title + ": " + text;
            return answer;
        };
        ctx->desktop.opener = [this](const QUrl& address) {
            opened << address.toString();
            return desktopOpens;
        };
        ctx->terminate = [](int code) { throw FatalEnded("exit " + std::to_string(code)); };
    }

    // Board files of the test's own: values by square (0 elsewhere), messages "m<i>"; the
    // question file is the shipped one.
    void useBoard(const std::map<int, std::string>& values,
                  const std::map<int, std::string>& messages = {}) {
        std::ofstream data(dir.filePath("mapdata.txt").toStdString(), std::ios::binary);
        std::ofstream msg(dir.filePath("mapmsg.txt").toStdString(), std::ios::binary);
        for (int i = 0; i < rules::kSquareCount; ++i) {
            data << (values.count(i) ? values.at(i) : "0") << "\r\n";
            msg << (messages.count(i) ? messages.at(i) : "m" + std::to_string(i)) << "\r\n";
        }
        useOwnContent();
    }

    // Plays the test's own folder, as --data-dir does: the content files the test wrote there,
    // and the shipped set's for the others.
    void useOwnContent() {
        const QDir shipped(ctx->dataFile(ctx->options.language));
        for (const QString& name : shipped.entryList(QDir::Files))
            if (!QFile::exists(dir.filePath(name)))
                QFile::copy(shipped.filePath(name), dir.filePath(name));
        ctx->options.dataDir = dir.path();
    }

    FakeClock clock;
    RecordedSound* sound; // the context's
    std::unique_ptr<AppContext> ctx;
    MessageBoxes::Answer answer = MessageBoxes::Answer::Ok;
    QStringList boxes;
    QStringList opened;       // every address handed to the desktop
    bool desktopOpens = true; // false: as if no browser or handler were installed
    QTemporaryDir dir;
};

} // namespace tavrin::testing
