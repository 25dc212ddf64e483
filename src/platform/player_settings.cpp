#include "platform/player_settings.h"

#include "rules/best_games.h"
#include "rules/content_language.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QMap>
#include <QSaveFile>
#include <QStandardPaths>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tavrin {
namespace {

const QString kSound = "sound", kGroup = "group", kGame = "game", kDisplay = "display";
const QString kEffects = "effects", kMusic = "music", kVolume = "volume";
const QString kHandleX = "handleX", kHandleY = "handleY", kLanguage = "language";
const QString kLearningMode = "learningMode", kBest = "best", kScale = "scale";

// section -> key -> value, as the INI text has them.
using IniValues = QMap<QString, QMap<QString, QString>>;

IniValues parseIni(const QByteArray& bytes) {
    IniValues values;
    std::optional<QString> section;
    for (const QByteArray& rawLine : bytes.split('\n')) {
        const QString line = QString::fromUtf8(rawLine).trimmed();
        if (line.startsWith('['))
            // A section never closed is no section: its keys are not the game's.
            section = line.endsWith(']') ? std::optional(line.mid(1, line.size() - 2).trimmed())
                                         : std::nullopt;
        else if (const qsizetype equals = line.indexOf('='); section && equals > 0)
            values[*section][line.left(equals).trimmed()] = line.mid(equals + 1).trimmed();
    }
    return values;
}

// Only the words the game writes count: "maybe" is not true.
std::optional<bool> readFlag(const QString& text) {
    if (text == "true")
        return true;
    if (text == "false")
        return false;
    return std::nullopt;
}

std::optional<int> readNumber(const QString& text) {
    bool ok = false;
    const int number = text.toInt(&ok);
    return ok ? std::optional(number) : std::nullopt;
}

// best1 to best10, best first; a damaged entry drops out.
std::vector<rules::GameRecord> bestGamesFrom(const QMap<QString, QString>& section) {
    std::vector<rules::GameRecord> best;
    for (std::size_t i = 1; i <= rules::kBestGamesKept; ++i)
        if (auto game = rules::recordFromLine(section.value(QString::number(i)).toStdString()))
            best = rules::withGame(std::move(best), *game);
    return best;
}

PlayerSettings settingsFrom(const IniValues& ini) {
    PlayerSettings settings;
    const auto value = [&ini](const QString& section, const QString& key) {
        return ini.value(section).value(key);
    };
    settings.effectsOn = readFlag(value(kSound, kEffects)).value_or(settings.effectsOn);
    settings.musicOn = readFlag(value(kSound, kMusic)).value_or(settings.musicOn);
    const std::optional<int> volume = readNumber(value(kSound, kVolume));
    if (volume && std::ranges::count(PlayerSettings::kVolumeSteps, *volume))
        settings.volumePercent = *volume;
    const std::optional<int> x = readNumber(value(kGroup, kHandleX));
    const std::optional<int> y = readNumber(value(kGroup, kHandleY));
    if (x && y)
        settings.handlePlace = QPoint(*x, *y);
    const auto named = rules::contentLanguageNamed(value(kGame, kLanguage).toStdString());
    if (named)
        settings.language = QString::fromStdString(*named);
    settings.learningMode = readFlag(value(kGame, kLearningMode)).value_or(settings.learningMode);
    settings.bestGames = bestGamesFrom(ini.value(kBest));
    const std::optional<int> scale = readNumber(value(kDisplay, kScale));
    if (scale && std::ranges::count(PlayerSettings::kScaleSteps, *scale))
        settings.scalePercent = *scale;
    return settings;
}

QByteArray iniText(const PlayerSettings& settings) {
    const auto flag = [](bool on) { return QByteArray(on ? "true" : "false"); };
    QByteArray text;
    for (std::size_t i = 0; i < settings.bestGames.size(); ++i)
        text += (i == 0 ? "[best]\n" : "") + QByteArray::number(qulonglong(i + 1)) + "=" +
                QByteArray::fromStdString(rules::recordLine(settings.bestGames[i])) + "\n";
    if (!settings.bestGames.empty())
        text += "\n";
    if (settings.scalePercent != PlayerSettings{}.scalePercent)
        text += "[display]\nscale=" + QByteArray::number(settings.scalePercent) + "\n\n";
    text += "[game]\n";
    if (settings.language)
        text += "language=" + settings.language->toUtf8() + "\n";
    text += "learningMode=" + flag(settings.learningMode) + "\n\n";
    if (settings.handlePlace)
        text += "[group]\nhandleX=" + QByteArray::number(settings.handlePlace->x()) +
                "\nhandleY=" + QByteArray::number(settings.handlePlace->y()) + "\n\n";
    text += "[sound]\neffects=" + flag(settings.effectsOn) + "\nmusic=" + flag(settings.musicOn) +
            "\nvolume=" + QByteArray::number(settings.volumePercent) + "\n";
    return text;
}

QString systemError(const QString& path) {
    return path + ": " + QString::fromLocal8Bit(std::strerror(errno));
}

struct FileRead {
    QByteArray bytes;
    QString problem; // empty: read, or no file yet
};

// Opened without waiting (a FIFO would wait for a writer), and read only when it is a regular
// file of a settings file's size: a huge file costs no more than a small one.
FileRead readBytes(const QString& path) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return {{}, errno == ENOENT ? QString() : systemError(path)};
    FileRead result;
    struct stat info {};
    if (::fstat(fd, &info) != 0)
        result.problem = systemError(path);
    else if (!S_ISREG(info.st_mode))
        result.problem = path + ": not a regular file";
    else {
        result.bytes.resize(SettingsFile::kMaxBytes + 1);
        ssize_t total = 0, got = 0;
        while (total < result.bytes.size() &&
               (got = ::read(fd, result.bytes.data() + total, result.bytes.size() - total)) > 0)
            total += got;
        result.bytes.resize(total);
        if (got < 0)
            result.problem = systemError(path);
        else if (total > SettingsFile::kMaxBytes)
            result.problem = path + ": larger than a settings file can be (64 KiB)";
    }
    ::close(fd);
    if (!result.problem.isEmpty())
        result.bytes.clear();
    return result;
}

// The file a save replaces: the path itself (made if missing), or the regular file its link
// points to. Anything else (a device, a FIFO, a socket, a folder, a broken link) is not
// replaced: saving there would destroy it.
std::optional<QString> saveTarget(const QString& path, QString& problem) {
    const QByteArray name = QFile::encodeName(path);
    struct stat info {};
    if (::lstat(name.constData(), &info) != 0) {
        if (errno == ENOENT)
            return path;
        problem = systemError(path);
        return std::nullopt;
    }
    if (S_ISREG(info.st_mode))
        return path;
    if (S_ISLNK(info.st_mode) && ::stat(name.constData(), &info) == 0 && S_ISREG(info.st_mode))
        return QFileInfo(path).canonicalFilePath();
    problem = path + ": not a regular file, the settings are not saved there";
    return std::nullopt;
}

// Two games saving at once take turns. A lock left by a game that died, on this host or
// another, is taken over after a second: a save takes milliseconds.
bool lockOrGiveUp(QLockFile& lock) {
    struct stat info {};
    const QByteArray name = QFile::encodeName(lock.fileName());
    if (::lstat(name.constData(), &info) == 0 && !S_ISREG(info.st_mode))
        return false; // not a lock file: never read or removed
    lock.setStaleLockTime(1000);
    return lock.tryLock(1000);
}

} // namespace

PlayerSettings SettingsFile::read() {
    known_ = readFile();
    return known_;
}

PlayerSettings SettingsFile::readFile() {
    problem_.clear();
    if (path_.isEmpty())
        return {};
    const FileRead file = readBytes(path_);
    problem_ = file.problem;
    return settingsFrom(parseIni(file.bytes));
}

bool SettingsFile::write(const PlayerSettings& settings) {
    problem_.clear();
    if (path_.isEmpty())
        return true;
    const std::optional<QString> target = saveTarget(path_, problem_);
    if (!target)
        return false;
    QDir().mkpath(QFileInfo(path_).path());
    QLockFile lock(path_ + ".lock");
    lockOrGiveUp(lock); // without the lock the choice is still saved, only not merged safely
    // What another game saved meanwhile stays, unless this game changed the same setting.
    PlayerSettings merged = settingsFrom(parseIni(readBytes(*target).bytes));
    if (settings.effectsOn != known_.effectsOn)
        merged.effectsOn = settings.effectsOn;
    if (settings.musicOn != known_.musicOn)
        merged.musicOn = settings.musicOn;
    if (settings.volumePercent != known_.volumePercent)
        merged.volumePercent = settings.volumePercent;
    if (settings.handlePlace != known_.handlePlace)
        merged.handlePlace = settings.handlePlace;
    if (settings.language != known_.language)
        merged.language = settings.language;
    if (settings.learningMode != known_.learningMode)
        merged.learningMode = settings.learningMode;
    if (settings.scalePercent != known_.scalePercent)
        merged.scalePercent = settings.scalePercent;
    for (const rules::GameRecord& game : settings.bestGames) // the games this one added
        if (std::ranges::find(known_.bestGames, game) == known_.bestGames.end())
            merged.bestGames = rules::withGame(std::move(merged.bestGames), game);
    QSaveFile file(*target);
    if (!file.open(QIODevice::WriteOnly) || file.write(iniText(merged)) < 0 || !file.commit()) {
        problem_ = *target + ": " + file.errorString();
        return false;
    }
    known_ = settings;
    return true;
}

QString defaultSettingsPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           "/tavrin/tavrin.conf";
}

} // namespace tavrin
