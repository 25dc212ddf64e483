#include "windows/game_menu.h"

#include "rules/content_language.h"
#include "windows/about_box.h"
#include "windows/app_context.h"
#include "windows/how_to_play_window.h"
#include "windows/new_game.h"

#include <QActionGroup>
#include <QPointer>
#include <QTimer>
#include <span>

namespace tavrin {

GameMenu::GameMenu(AppContext& ctx, GameWindow& window) : QMenu(&window) {
    setObjectName("gameMenu");
    SoundChoices& sound = ctx.sound;
    addChoice("effects", tr("音效 (Sound effects)"), sound.effectsOn(),
              [&sound](bool on) { sound.setEffectsOn(on); });
    addChoice("music", tr("音樂 (Music)"), sound.musicOn(),
              [&sound](bool on) { sound.setMusicOn(on); });
    addVolumeSteps(ctx);
    addLanguages(ctx);
    addSizes(ctx);
    addChoice("learningMode", tr("學習模式 (Learning mode)"),
              ctx.session.mode() == rules::GameMode::Learning,
              [&ctx](bool on) { ctx.chooseLearningMode(on); });
    addSeparator();
    // The question opens once the menu has gone, as the windows below do.
    QAction* newGame = addAction(tr("新遊戲 (New game)"));
    newGame->setObjectName("newGame");
    connect(newGame, &QAction::triggered, &window, [&ctx, &window] {
        QTimer::singleShot(0, &window, [&ctx, &window] { askForNewGame(ctx, &window); });
    });
    addSeparator();
    // The windows open once the menu has gone, from an event of their own.
    QAction* howToPlay = addAction(tr("玩法 (How to play)"));
    howToPlay->setObjectName("howToPlay");
    connect(howToPlay, &QAction::triggered, &window, [&ctx, &window] {
        QTimer::singleShot(0, &window, [&ctx] {
            // It takes the keyboard, so that its Esc closes it rather than reach the board.
            HowToPlayWindow& shown = ctx.windows.show<HowToPlayWindow>();
            shown.raise();
            shown.activateWindow();
        });
    });
    QAction* about = addAction(tr("關於 Tavrin (About Tavrin)"));
    about->setObjectName("about");
    connect(about, &QAction::triggered, &window, [&ctx, &window] {
        QTimer::singleShot(0, &window, [&ctx, &window] { showAboutBox(ctx, &window); });
    });
}

void GameMenu::addChoice(const char* name, const QString& text, bool checked,
                         std::function<void(bool)> choose) {
    QAction* action = addAction(text);
    action->setObjectName(name);
    action->setCheckable(true);
    action->setChecked(checked);
    connect(action, &QAction::toggled, this, std::move(choose));
}

// A submenu of percentages, the current one checked; its entries are named `name` and the
// percentage ("volume50").
QMenu* GameMenu::addPercentSteps(const QString& title, const QString& name,
                                 std::span<const int> percents, int current,
                                 std::function<void(int)> choose) {
    QMenu* menu = addMenu(title);
    menu->setObjectName(name);
    auto* steps = new QActionGroup(menu);
    for (int percent : percents) {
        QAction* step = menu->addAction(QString("%1 %").arg(percent));
        step->setObjectName(name + QString::number(percent));
        step->setCheckable(true);
        step->setChecked(percent == current);
        steps->addAction(step);
        connect(step, &QAction::triggered, this, [choose, percent] { choose(percent); });
    }
    return menu;
}

void GameMenu::addVolumeSteps(AppContext& ctx) {
    addPercentSteps(tr("音量 (Volume)"), "volume", PlayerSettings::kVolumeSteps,
                    ctx.sound.volumePercent(),
                    [&sound = ctx.sound](int percent) { sound.setVolumePercent(percent); });
}

// Each language is named in its own words, so that a player can find theirs whatever the
// game's language is now.
void GameMenu::addLanguages(AppContext& ctx) {
    QMenu* languages = addMenu(tr("語言 (Language)"));
    languages->setObjectName("language");
    auto* choices = new QActionGroup(languages);
    std::vector<std::pair<QString, QString>> named{{QString(), tr("跟隨系統 (System language)")}};
    for (const rules::ContentLanguage& set : rules::kContentLanguages)
        named.emplace_back(QString::fromUtf8(set.code), QString::fromUtf8(set.ownName));
    for (const auto& [language, text] : named) {
        QAction* choice = languages->addAction(text);
        choice->setObjectName("language-" + (language.isEmpty() ? "system" : language));
        choice->setCheckable(true);
        choice->setChecked(ctx.settings.language.value_or(QString()) == language);
        choices->addAction(choice);
        connect(choice, &QAction::triggered, this, [&ctx, language] {
            ctx.settings.language =
                language.isEmpty() ? std::nullopt : std::optional<QString>(language);
            ctx.saveSettings();
        });
    }
    languages->addSeparator();
    languages->addAction(tr("下一局起生效 (From the next game on)"))->setEnabled(false);
}

// Qt scales the windows by a factor it takes at the program's start: the choice is kept for
// the next start rather than restarting the game in play.
void GameMenu::addSizes(AppContext& ctx) {
    QMenu* sizes = addPercentSteps(tr("大小 (Size)"), "size", PlayerSettings::kScaleSteps,
                                   ctx.settings.scalePercent, [&ctx](int percent) {
                                       ctx.settings.scalePercent = percent;
                                       ctx.saveSettings();
                                   });
    sizes->addSeparator();
    sizes->addAction(tr("下次啟動起生效 (From the next start on)"))->setEnabled(false);
}

void GameMenu::attachTo(GameWindow& window, AppContext& ctx) {
    window.setContextMenuPolicy(Qt::CustomContextMenu);
    connect(&window, &QWidget::customContextMenuRequested, &window,
            [&window, &ctx](const QPoint& at) { popUp(window, ctx, window.mapToGlobal(at)); });
}

void GameMenu::popUp(GameWindow& window, AppContext& ctx, const QPoint& globalAt) {
    auto* menu = new GameMenu(ctx, window);
    connect(menu, &QMenu::aboutToHide, menu, &QObject::deleteLater);
    menu->popup(globalAt);
}

} // namespace tavrin
