// The game's own texts in each language: with the English set every designed text is shown in
// English; with a Chinese set every text is exactly as designed, the mixed Chinese and English
// of the original.

#include "app/app_setup.h"
#include "app/command_line.h"
#include "app/translations.h"
#include "controls/image_control.h"
#include "controls/label_control.h"
#include "game_fixture.h"
#include "layouts/how_to_play_text.h"
#include "session_setup.h"
#include "window_controls.h"
#include "windows/board_window.h"
#include "windows/die_window.h"
#include "windows/drag_handle.h"
#include "windows/end_window.h"
#include "windows/key_list.h"
#include "windows/quiz_window.h"
#include "windows/start_window.h"
#include "windows/status_strip.h"
#include "windows/target_game_window.h"
#include "windows/win_text.h"

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

using namespace tavrin;
using namespace tavrin::testing;

namespace {

// The language that `tavrin ARGS` plays, with the given locale in the environment.
QString languageOf(const QStringList& args, const char* locale = "C") {
    qputenv("LC_ALL", locale);
    int exitCode = 0;
    const auto options = parseCommandLine(QStringList{"tavrin"} + args, exitCode);
    qunsetenv("LC_ALL");
    return options ? options->language : "exit " + QString::number(exitCode);
}

// A game in the language `--lang` names, with its translation installed as the program does.
struct LanguageGame : GameFixture {
    explicit LanguageGame(const char* language) : GameFixture(languageOf({"--lang", language})) {
        translations.use(ctx->options.language, qEnvironmentVariable("TAVRIN_TRANSLATIONS_ROOT"));
        ctx->windows.show<StartWindow>().onStartClicked();
    }
    Translations translations;
};

// What a control shows: a caption, a button's text or a text box's text.
QString shownText(const QWidget* control) {
    if (const auto* label = qobject_cast<const LabelControl*>(control))
        return label->caption();
    if (const auto* button = qobject_cast<const QPushButton*>(control))
        return button->text();
    if (const auto* text = qobject_cast<const QPlainTextEdit*>(control))
        return text->toPlainText().replace('\n', "\r\n");
    if (const auto* line = qobject_cast<const QLineEdit*>(control))
        return line->text();
    return {};
}

bool hasChinese(const QString& text) {
    return text.contains(QRegularExpression("[\\x{3000}-\\x{9FFF}\\x{FF00}-\\x{FFEF}]"));
}

// Every text the window's layout designs, as the window shows it: its title, each control's
// text and tooltip, paired with the designed text (a tooltip with its keys after it).
QList<QPair<QString, QString>> designedAndShown(const GameWindow& window) {
    QList<QPair<QString, QString>> texts{{window.design().caption, window.windowTitle()}};
    for (const layout::ControlDesign& c : window.design().controls) {
        const QWidget* shown = &control(window, c.name, c.index);
        if (!c.caption.isEmpty())
            texts.append({c.caption, shownText(shown)});
        if (!c.tooltip.isEmpty()) { // the keys that act on a control follow its tooltip
            const QString keys = keyHint(window.design().name, c.name);
            texts.append({c.tooltip + (keys.isEmpty() ? "" : "  " + keys), shown->toolTip()});
        }
    }
    return texts;
}

// Each window as its layout builds it, before it loads content or changes any text.
std::vector<std::unique_ptr<GameWindow>> windowsAsBuilt(AppContext& ctx) {
    std::vector<std::unique_ptr<GameWindow>> windows;
    windows.emplace_back(makeWindow<StartWindow>(ctx));
    windows.emplace_back(makeWindow<BoardWindow>(ctx));
    windows.emplace_back(makeWindow<DieWindow>(ctx));
    windows.emplace_back(makeWindow<DragHandle>(ctx));
    windows.emplace_back(makeWindow<StatusStrip>(ctx));
    windows.emplace_back(makeWindow<QuizWindow>(ctx));
    windows.emplace_back(makeWindow<TargetGameWindow>(ctx));
    windows.emplace_back(makeWindow<EndWindow>(ctx));
    return windows;
}

} // namespace

class LanguagesTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { setUpAppearance(*qApp); }

    void commandLineOrLocaleChoosesTheLanguage() {
        QCOMPARE(languageOf({}), QString("zh-HK")); // no language chosen: the game as it was
        QCOMPARE(languageOf({}, "zh_TW.UTF-8"), QString("zh-TW"));
        QCOMPARE(languageOf({}, "en_GB.UTF-8"), QString("en"));
        QCOMPARE(languageOf({"--lang", "en"}, "zh_TW.UTF-8"), QString("en"));
        QCOMPARE(languageOf({"--lang", "zh-TW"}), QString("zh-TW"));
        QCOMPARE(languageOf({"--lang", "zh_TW"}), QString("exit 1"));
        // The user's language order: the first Chinese or English one counts, before the
        // locale; under the C locale it does not count at all.
        qputenv("LANGUAGE", "fr_FR:zh_TW:en");
        QCOMPARE(languageOf({}, "en_US.UTF-8"), QString("zh-TW"));
        QCOMPARE(languageOf({}), QString("zh-HK"));
        qputenv("LANGUAGE", "de");
        QCOMPARE(languageOf({}, "zh_TW.UTF-8"), QString("zh-TW"));
        qunsetenv("LANGUAGE");
    }

    void englishShowsEveryDesignedTextInEnglish() {
        LanguageGame game("en");
        for (const auto& window : windowsAsBuilt(*game.ctx))
            for (const auto& [designed, shown] : designedAndShown(*window))
                QVERIFY2(!hasChinese(shown), qPrintable(window->objectName() + ": " + shown));
        QuizWindow& quiz = game.ctx->windows.load<QuizWindow>();
        QCOMPARE(quiz.windowTitle(), QString("Heart Disease Quiz"));
        QCOMPARE(button(quiz, "answerButtons", 1).text(), QString("Answer 2"));
        QVERIFY(!hasChinese(label(quiz, "question").caption())); // the English set's question
        TargetGameWindow& target = game.ctx->windows.load<TargetGameWindow>();
        QCOMPARE(label(target, "instruction").caption(),
                 QString("Shoot down the causes of heart disease"));
        QCOMPARE(image(target, "targets", 2).toolTip(), QString("Fried food and fatty meat"));
        QCOMPARE(label(game.ctx->windows.load<EndWindow>(), "thanks").caption(),
                 QString("Thanks for playing Tavrin"));
    }

    void englishAsksAndCongratulatesInEnglish() {
        LanguageGame game("en");
        game.answer = MessageBoxes::Answer::No;
        game.ctx->windows.load<StatusStrip>().onExitClicked();
        rules::SessionSetup(game.ctx->session).score(5000);
        rules::SessionSetup(game.ctx->session).dieFace(2);
        game.ctx->windows.load<DieWindow>().onDieClicked();
        QCOMPARE(game.boxes,
                 (QStringList{"Tavrin:  * * * * * Do you really want to leave? * * * * * ",
                              "Tavrin: Congratulations! You reached 5000 points within 49 "
                              "throws!"}));
    }

    void taiwanShowsTaiwanWords() {
        LanguageGame game("zh-TW");
        const TargetGameWindow& target = game.ctx->windows.load<TargetGameWindow>();
        QCOMPARE(image(target, "targets", 0).toolTip().toUtf8(), QByteArray("吸 菸"));
        QCOMPARE(image(target, "targets", 3).toolTip().toUtf8(), QByteArray("作 息 規 律"));
        QCOMPARE(label(game.ctx->windows.load<EndWindow>(), "thanks").caption().toUtf8(),
                 QByteArray("謝 謝 使 用 Tavrin"));
        QVERIFY(layout::instructionsText().startsWith(QString::fromUtf8("目標：在 49 次擲骰內")));
    }

    void hongKongShowsEveryTextAsDesigned() {
        LanguageGame game("zh-HK");
        for (const auto& window : windowsAsBuilt(*game.ctx))
            for (const auto& [designed, shown] : designedAndShown(*window))
                QCOMPARE(shown.toUtf8(), designed.toUtf8());
        const GameWindow& quiz = game.ctx->windows.load<QuizWindow>();
        QCOMPARE(quiz.windowTitle().toUtf8(), QByteArray("Game1  -  冠 心 病 問 答 遊 戲"));
        QCOMPARE(button(quiz, "answerButtons", 0).text().toUtf8(), QByteArray("選擇一(Answer1)"));
        QCOMPARE(game.ctx->windows.load<TargetGameWindow>().windowTitle().toUtf8(),
                 QByteArray("Game2  -  冠 心 病 射 擊 遊 戲"));
        game.answer = MessageBoxes::Answer::No;
        game.ctx->windows.load<StatusStrip>().onExitClicked();
        QCOMPARE(game.boxes.value(0).toUtf8(),
                 QByteArray("Tavrin:  * * * * * 你真的要離開嗎? * * * * * "));
        QCOMPARE(winText().toUtf8(), QByteArray("恭喜你!你成功在50步內拿到5000分!!"));
        const EndWindow& end = game.ctx->windows.load<EndWindow>();
        QCOMPARE(label(end, "cheer").caption().toUtf8(), QByteArray("加油！下次再努力呀！"));
    }
};

QTEST_MAIN(LanguagesTest)
#include "test_languages.moc"
