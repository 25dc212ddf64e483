#include "app/command_line.h"

#include "rules/player_model.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>

namespace tavrin {
namespace {

QString playerHelp() {
    QString help = "The modelled player of --simulate:";
    for (const rules::PlayerModel& model : rules::playerModels())
        help += QString(" %1 (%2);")
                    .arg(QString::fromUtf8(model.name.data(), model.name.size()),
                         QString::fromUtf8(model.description.data(), model.description.size()));
    help.chop(1);
    return help + ". Default: fair.";
}

bool readSimulation(const QCommandLineParser& parser, const QCommandLineOption& simulate,
                    const QCommandLineOption& player, Options& options, int& exitCode) {
    options.player = parser.value(player);
    if (!rules::findPlayerModel(options.player.toStdString())) {
        std::fprintf(stderr, "tavrin: --player must be one of weak, fair, strong, fast\n");
        exitCode = 1;
        return false;
    }
    if (!parser.isSet(simulate))
        return true;
    bool ok = false;
    const int games = parser.value(simulate).toInt(&ok);
    if (!ok || games < 1) {
        std::fprintf(stderr, "tavrin: --simulate needs a number of games from 1 up\n");
        exitCode = 1;
        return false;
    }
    options.simulateGames = games;
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
    const QCommandLineOption simulate(
        "simulate",
        "Play <n> whole games without a display or sound, with the --player model, and print "
        "the win rate, the median throws to a win and the final scores' quartiles.",
        "n");
    const QCommandLineOption player("player", playerHelp(), "model", "fair");
    parser.addOptions({dataDir, seed, log, autoplay, screenshots, mute, check, simulate, player});

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
    if (!readSimulation(parser, simulate, player, options, exitCode))
        return std::nullopt;
    return options;
}

} // namespace tavrin
