#include "app/command_line.h"

#include "rules/content_language.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>

namespace tavrin {
namespace {

// --lang, or else the set that the system's language asks for.
bool chooseLanguage(const QCommandLineParser& parser, const QCommandLineOption& lang,
                    Options& options) {
    options.languageGiven = parser.isSet(lang);
    if (!options.languageGiven) {
        options.language =
            QString::fromStdString(rules::contentLanguageForLocale(rules::messagesLocale(
                std::getenv("LC_ALL"), std::getenv("LC_MESSAGES"), std::getenv("LANG"))));
        return true;
    }
    const auto named = rules::contentLanguageNamed(parser.value(lang).toStdString());
    if (!named) {
        std::fprintf(stderr, "tavrin: --lang takes zh-TW, zh-HK or en, not \"%s\"\n",
                     qPrintable(parser.value(lang)));
        return false;
    }
    options.language = QString::fromStdString(*named);
    return true;
}

} // namespace

std::optional<Options> parseCommandLine(const QStringList& arguments, int& exitCode) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Tavrin: a board game about coronary heart disease. Throw the die, walk the board, "
        "answer the quiz and shoot the causes of heart disease; reach 5000 points within 49 "
        "throws.");
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption lang("lang",
                                  "Play the content set <lang> (zh-TW, zh-HK or en) and show the "
                                  "game's texts in its language, whatever the system's language.",
                                  "lang");
    const QCommandLineOption dataDir(
        "data-dir",
        "Read the three content files (board, messages, quiz) from <dir> instead of the "
        "language's set.",
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
    const QCommandLineOption check(
        "check-content",
        "Check the board and quiz files of every shipped set (one with --lang, or those in "
        "--data-dir), report what is wrong, and exit (0 when the game can play them).");
    parser.addOptions({lang, dataDir, seed, log, autoplay, screenshots, mute, check});

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
    Options options;
    // The data root: the build copies data/ beside the program.
    options.dataRoot = QCoreApplication::applicationDirPath();
    options.dataDir = parser.value(dataDir);
    if (!chooseLanguage(parser, lang, options)) {
        exitCode = 1;
        return std::nullopt;
    }
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
