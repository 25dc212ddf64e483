#include "platform/player_settings.h"

#include "rules/content_language.h"

#include <QSettings>
#include <QStandardPaths>
#include <algorithm>

namespace tavrin {
namespace {

const QString kEffects = "sound/effects";
const QString kMusic = "sound/music";
const QString kVolume = "sound/volume";
const QString kHandleX = "group/handleX";
const QString kHandleY = "group/handleY";
const QString kLanguage = "game/language";
const QString kLearningMode = "game/learningMode";

// Only the words the game writes count: QVariant would take "maybe" for true.
std::optional<bool> readFlag(const QSettings& file, const QString& key) {
    const QString text = file.value(key).toString();
    if (text == "true")
        return true;
    if (text == "false")
        return false;
    return std::nullopt;
}

std::optional<int> readNumber(const QSettings& file, const QString& key) {
    bool ok = false;
    const int number = file.value(key).toString().toInt(&ok);
    return ok ? std::optional(number) : std::nullopt;
}

std::optional<QString> readLanguage(const QSettings& file) {
    const auto named = rules::contentLanguageNamed(file.value(kLanguage).toString().toStdString());
    return named ? std::optional(QString::fromStdString(*named)) : std::nullopt;
}

} // namespace

PlayerSettings SettingsFile::read() const {
    PlayerSettings settings;
    if (path_.isEmpty())
        return settings;
    const QSettings file(path_, QSettings::IniFormat);
    if (file.status() != QSettings::NoError)
        return settings;
    settings.effectsOn = readFlag(file, kEffects).value_or(settings.effectsOn);
    settings.musicOn = readFlag(file, kMusic).value_or(settings.musicOn);
    const std::optional<int> volume = readNumber(file, kVolume);
    if (volume && std::ranges::count(PlayerSettings::kVolumeSteps, *volume))
        settings.volumePercent = *volume;
    const std::optional<int> x = readNumber(file, kHandleX), y = readNumber(file, kHandleY);
    if (x && y)
        settings.handlePlace = QPoint(*x, *y);
    settings.language = readLanguage(file);
    settings.learningMode = readFlag(file, kLearningMode).value_or(settings.learningMode);
    return settings;
}

bool SettingsFile::write(const PlayerSettings& settings) const {
    if (path_.isEmpty())
        return true;
    {
        QSettings file(path_, QSettings::IniFormat);
        file.setAtomicSyncRequired(true); // written beside, then renamed over the old file
        file.clear();                     // nothing of an older or damaged file is carried over
        file.setValue(kEffects, settings.effectsOn);
        file.setValue(kMusic, settings.musicOn);
        file.setValue(kVolume, settings.volumePercent);
        if (settings.handlePlace) {
            file.setValue(kHandleX, settings.handlePlace->x());
            file.setValue(kHandleY, settings.handlePlace->y());
        }
        if (settings.language)
            file.setValue(kLanguage, *settings.language);
        file.setValue(kLearningMode, settings.learningMode);
    }
    // QSettings' status keeps only the first problem it meets, a damaged old file among them,
    // and would then hide a failed write: what the file now reads as tells instead.
    return read() == settings;
}

QString defaultSettingsPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           "/tavrin/tavrin.conf";
}

} // namespace tavrin
