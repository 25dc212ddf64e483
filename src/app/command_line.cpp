#include "app/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>

namespace tavrin {

std::optional<Options> parseCommandLine(const QStringList& arguments, int& exitCode) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Tavrin: a board game about coronary heart disease. Throw the die, walk the board, "
        "answer the quiz and shoot the causes of heart disease; reach 5000 points within 49 "
        "throws.");
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption dataDir(
        "data-dir",
        "Read the content and sound files from <dir> instead of the program's own "
        "directory.",
        "dir");
    const QCommandLineOption seed("seed",
                                  "Seed the random generator with <n>, so that the run "
                                  "can be replayed.",
                                  "n");
    const QCommandLineOption log("log", "Write one line per game event to <file>.", "file");
    const QCommandLineOption autoplay("autoplay", "Play a whole game by itself, then exit.");
    const QCommandLineOption screenshots(
        "screenshot-dir", "With --autoplay, save screenshots of the game to <dir>.", "dir");
    const QCommandLineOption mute("mute", "Play without sound (no audio device is opened).");
    const QCommandLineOption check("check-content",
                                   "Check the board and quiz files, report what is wrong, and "
                                   "exit (0 when the game can play them).");
    parser.addOptions({dataDir, seed, log, autoplay, screenshots, mute, check});

    exitCode = 0;
    if (!parser.parse(arguments)) {
        std::fprintf(stderr, "tavrin: %s\nTry 'tavrin --help'.\n", qPrintable(parser.errorText()));
        exitCode = 1;
        return std::nullopt;
    }
    if (parser.isSet("help")) {
        std::printf("%s", qPrintable(parser.helpText()));
        return std::nullopt;
    }
    if (parser.isSet("version")) {
        std::printf("tavrin %s\n", qPrintable(QCoreApplication::applicationVersion()));
        return std::nullopt;
    }
    if (parser.isSet(dataDir) && parser.value(dataDir).isEmpty()) {
        // An empty name would silently read the current folder.
        std::fprintf(stderr, "tavrin: --data-dir needs the name of a folder\n");
        exitCode = 1;
        return std::nullopt;
    }
    Options options;
    options.dataDir =
        parser.isSet(dataDir) ? parser.value(dataDir) : QCoreApplication::applicationDirPath();
    if (parser.isSet(seed)) {
        bool ok = false;
        const uint value = parser.value(seed).toUInt(&ok);
        if (!ok) {
            std::fprintf(stderr, "tavrin: --seed needs a whole number from 0 to 4294967295\n");
            exitCode = 1;
            return std::nullopt;
        }
        options.seed = value;
    }
    options.logFile = parser.value(log);
    options.autoplay = parser.isSet(autoplay);
    options.screenshotDir = parser.value(screenshots);
    options.mute = parser.isSet(mute);
    options.checkContent = parser.isSet(check);
    return options;
}

} // namespace tavrin
