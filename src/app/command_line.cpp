#include "app/command_line.h"

#include "rules/content_language.h"
#include "rules/player_model.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QLocale>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

// The standard options of every Qt application. QApplication reads them itself from the
// untouched argv; the game's parser only has to accept them, with their values, and list them
// for --help-all.
QList<QCommandLineOption> qtOptions() {
    struct Entry {
        const char* name;
        const char* valueName;
        const char* description;
    };
    static const Entry entries[] = {
        {"platform", "name[:options]",
         "Window system plugin to use, e.g. xcb, wayland, offscreen."},
        {"platformpluginpath", "path", "Where to look for window system plugins."},
        {"platformtheme", "theme", "Platform theme to use."},
        {"plugin", "plugin", "Load an additional plugin; may be given more than once."},
        {"qwindowgeometry", "geometry", "Size and place of the first window, as WxH+X+Y."},
        {"qwindowicon", "icon", "Icon of every window."},
        {"qwindowtitle", "title", "Title of the first window."},
        {"reverse", "", "Lay out every window from right to left."},
        {"session", "session", "Restore a session of the session manager."},
        {"style", "style", "Widget style, e.g. Fusion."},
        {"stylesheet", "file", "Apply a Qt style sheet."},
        {"widgetcount", "", "Print how many widgets remain at the end."},
        {"display", "display", "X11: the X display, instead of $DISPLAY."},
        {"name", "name", "X11: the instance name of the windows' class."},
        {"nograb", "", "X11: never grab the mouse or the keyboard."},
        {"dograb", "", "X11: grab the mouse even under a debugger."},
        {"visual", "id", "X11: the X visual to use."},
        {"geometry", "geometry", "X11: same as -qwindowgeometry."},
        {"icon", "icon", "X11: same as -qwindowicon."},
        {"title", "title", "X11: same as -qwindowtitle."},
    };
    QList<QCommandLineOption> options;
    for (const Entry& entry : entries)
        options.append(QCommandLineOption(entry.name, entry.description, entry.valueName));
    return options;
}

struct GameOptions {
    QCommandLineOption lang{"lang",
                            QString("Play the content set <lang> (%1) and show the game's texts "
                                    "in its language, whatever the system's language or the "
                                    "choice in the game's menu.")
                                .arg(QString::fromStdString(rules::contentLanguageChoices())),
                            "lang"};
    QCommandLineOption dataDir{"data-dir",
                               "Read the three content files (board, messages, quiz) from <dir> "
                               "instead of the language's set.",
                               "dir"};
    QCommandLineOption seed{
        "seed", "Seed the random generator with <n>, so that the run can be replayed.", "n"};
    QCommandLineOption log{"log", "Write one line per game event to <file>.", "file"};
    QCommandLineOption autoplay{"autoplay", "Play a whole game by itself, then exit."};
    QCommandLineOption screenshots{
        "screenshot-dir", "With --autoplay, save screenshots of the game to <dir>.", "dir"};
    QCommandLineOption mute{"mute", "Play without sound (no audio device is opened)."};
    QCommandLineOption check{
        "check-content",
        "Check the board and quiz files of every shipped set (one with --lang, or those in "
        "--data-dir), report what is wrong, and exit (0 when the game can play them)."};
    QCommandLineOption simulate{
        "simulate",
        "Play <n> whole games without a display or sound, with the --player model, and print "
        "the win rate, the median throws to a win and the final scores' quartiles.",
        "n"};
    QCommandLineOption player{"player", playerHelp(), "model", "fair"};
    QCommandLineOption classic{
        "classic", "Play this run in classic mode (no explanations, the first rules of the quiz "
                   "and the target game), whatever the mode chosen in the game's menu."};

    QList<QCommandLineOption> all() const {
        return {lang, dataDir, seed,     log,    autoplay, screenshots,
                mute, check,   simulate, player, classic};
    }
};

// Qt's options are listed only by --help-all, as in any Qt application.
void setUpParser(QCommandLineParser& parser, const GameOptions& game, bool listQtOptions) {
    parser.setApplicationDescription(
        "Tavrin: a board game about coronary heart disease. Throw the die, walk the board, "
        "answer the quiz and shoot the causes of heart disease; reach 5000 points within 49 "
        "throws.");
    // Qt's options are single words after one dash (-platform, -reverse).
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOptions(game.all());
    for (QCommandLineOption option : qtOptions()) {
        if (!listQtOptions)
            option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

void printHelp(const GameOptions& game, bool withQtOptions) {
    QCommandLineParser parser;
    setUpParser(parser, game, withQtOptions);
    std::printf("%s", qPrintable(parser.helpText()));
}

bool readSimulation(const QCommandLineParser& parser, const GameOptions& game, Options& options,
                    int& exitCode) {
    options.player = parser.value(game.player);
    if (!rules::findPlayerModel(options.player.toStdString())) {
        QStringList names;
        for (const rules::PlayerModel& model : rules::playerModels())
            names << QString::fromUtf8(model.name.data(), model.name.size());
        std::fprintf(stderr, "tavrin: --player must be one of %s\n", qPrintable(names.join(", ")));
        exitCode = 1;
        return false;
    }
    if (!parser.isSet(game.simulate))
        return true;
    bool ok = false;
    const int games = parser.value(game.simulate).toInt(&ok);
    if (!ok || games < 1) {
        std::fprintf(stderr, "tavrin: --simulate needs a number of games from 1 up\n");
        exitCode = 1;
        return false;
    }
    options.simulateGames = games;
    return true;
}

// What --log names that is no log: empty when it is a regular file, a terminal, /dev/null or
// not there yet (the game makes it; a folder that cannot take it is said when it opens). A
// FIFO nobody reads would hold the game before its first window; a device, a socket or a
// folder is no log.
QString notALogBecause(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    struct stat info {};
    if (::stat(name.constData(), &info) != 0 || S_ISREG(info.st_mode))
        return {};
    if (S_ISFIFO(info.st_mode))
        return "a FIFO";
    if (S_ISDIR(info.st_mode))
        return "a folder";
    if (!S_ISCHR(info.st_mode))
        return "a device or a socket";
    struct stat null {};
    if (::stat("/dev/null", &null) == 0 && null.st_rdev == info.st_rdev)
        return {};
    const int fd = ::open(name.constData(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    const bool terminal = fd >= 0 && ::isatty(fd);
    if (fd >= 0)
        ::close(fd);
    return terminal ? QString() : "a device";
}

bool chooseLog(const QCommandLineParser& parser, const GameOptions& game, Options& options,
               int& exitCode) {
    options.logFile = parser.value(game.log);
    if (options.logFile.isEmpty())
        return true;
    const QString why = notALogBecause(options.logFile);
    if (why.isEmpty())
        return true;
    std::fprintf(stderr, "tavrin: --log needs a file or a terminal; %s is %s\n",
                 qPrintable(options.logFile), qPrintable(why));
    exitCode = 1;
    return false;
}

// The set for the first of the user's languages that is Chinese or English, English when none
// is: the languages of LANGUAGE in their order, then the locale's (the first of LC_ALL,
// LC_MESSAGES and LANG that is set), as Qt's and the C library's messages read them on Unix;
// read here at each call, where Qt keeps the locale it met first. A machine with no language
// chosen ("C", "POSIX" or none) plays zh-HK, the set the game has always played; there, as for
// the C library's messages, LANGUAGE does not count.
QString systemContentLanguage() {
    const QString locale = QString::fromUtf8(rules::messagesLocale(
        std::getenv("LC_ALL"), std::getenv("LC_MESSAGES"), std::getenv("LANG")));
    const QString name = locale.section('.', 0, 0).section('@', 0, 0);
    if (name.isEmpty() || name == "C" || name == "POSIX")
        return "zh-HK";
    const QStringList languages = qEnvironmentVariable("LANGUAGE").split(':', Qt::SkipEmptyParts);
    for (const QString& language : languages + QStringList{locale})
        if (const QLocale::Language named = QLocale(language.section('.', 0, 0)).language();
            named == QLocale::Chinese || named == QLocale::English)
            return QString::fromStdString(rules::contentLanguageForLocale(language.toStdString()));
    return "en";
}

// --lang, or else the set that the system's language asks for.
bool chooseLanguage(const QCommandLineParser& parser, const GameOptions& game, Options& options,
                    int& exitCode) {
    options.languageGiven = parser.isSet(game.lang);
    if (!options.languageGiven) {
        options.language = systemContentLanguage();
        return true;
    }
    const auto named = rules::contentLanguageNamed(parser.value(game.lang).toStdString());
    if (!named) {
        std::fprintf(stderr, "tavrin: --lang takes %s, not \"%s\"\n",
                     rules::contentLanguageChoices().c_str(), qPrintable(parser.value(game.lang)));
        exitCode = 1;
        return false;
    }
    options.language = QString::fromStdString(*named);
    return true;
}

std::optional<Options> readOptions(const QCommandLineParser& parser, const GameOptions& game,
                                   int& exitCode) {
    Options options;
    if (parser.isSet(game.dataDir) && parser.value(game.dataDir).isEmpty()) {
        // An empty name would silently read the current folder.
        std::fprintf(stderr, "tavrin: --data-dir needs the name of a folder\n");
        exitCode = 1;
        return std::nullopt;
    }
    options.dataDir = parser.value(game.dataDir); // empty: the language's set
    if (!chooseLanguage(parser, game, options, exitCode))
        return std::nullopt;
    if (parser.isSet(game.seed)) {
        bool ok = false;
        const uint value = parser.value(game.seed).toUInt(&ok);
        if (!ok) {
            std::fprintf(stderr, "tavrin: --seed needs a whole number from 0 to 4294967295\n");
            exitCode = 1;
            return std::nullopt;
        }
        options.seed = value;
    }
    if (!chooseLog(parser, game, options, exitCode))
        return std::nullopt;
    options.autoplay = parser.isSet(game.autoplay);
    options.screenshotDir = parser.value(game.screenshots);
    options.mute = parser.isSet(game.mute);
    options.classic = parser.isSet(game.classic);
    options.checkContent = parser.isSet(game.check);
    if (!readSimulation(parser, game, options, exitCode))
        return std::nullopt;
    return options;
}

} // namespace

std::optional<Options> parseCommandLine(const QStringList& arguments, int& exitCode) {
    const GameOptions game;
    QCommandLineParser parser;
    setUpParser(parser, game, false);
    exitCode = 0;
    if (!parser.parse(arguments)) {
        std::fprintf(stderr, "tavrin: %s\nTry 'tavrin --help'.\n", qPrintable(parser.errorText()));
        exitCode = 1;
        return std::nullopt;
    }
    if (parser.isSet("help") || parser.isSet("help-all")) {
        printHelp(game, parser.isSet("help-all"));
        return std::nullopt;
    }
    if (parser.isSet("version")) {
        std::printf("tavrin %s\n", qPrintable(QCoreApplication::applicationVersion()));
        return std::nullopt;
    }
    return readOptions(parser, game, exitCode);
}

} // namespace tavrin
