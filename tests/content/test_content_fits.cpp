// Every text of every content set, measured with the fonts the windows draw it in: a message
// must fit the one-line message strip, a question its one-line label, a choice its line of the
// options label, and each window's captions, buttons and tabs (translated for English) their
// boxes.

#include "app/app_setup.h"
#include "app/translations.h"
#include "controls/label_control.h"
#include "layouts/window_layouts.h"
#include "rules/board_content.h"
#include "rules/clock.h"
#include "rules/content_file.h"
#include "windows/about_box.h"
#include "windows/app_context.h"
#include "windows/board_window.h"
#include "windows/end_window.h"
#include "windows/find_bar.h"
#include "windows/help_window.h"
#include "windows/how_to_play_window.h"
#include "windows/quiz_window.h"
#include "windows/start_window.h"
#include "windows/status_strip.h"
#include "windows/target_game_window.h"

#include <QApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QPushButton>
#include <QTabBar>
#include <QtTest>

using namespace tavrin;

namespace {

// Label boxes minus their two-pixel sunken frame on each side.
constexpr int kMessageWidth = 353 - 4;
constexpr int kQuestionWidth = 257 - 4;
constexpr int kChoiceWidth = 257 - 4;
// A button's text keeps clear of its bevel.
constexpr int kButtonMargin = 8;

QFont mingFont(double points) {
    QFont font(QString::fromUtf8(layout::kMingFace));
    font.setPixelSize(qRound(points * 96.0 / 72.0));
    return font;
}

QString dataRoot() {
    return qEnvironmentVariable("TAVRIN_DATA_DIR");
}

std::string setDir(const QString& set) {
    return (dataRoot() + "/" + set).toStdString();
}

void everySet() {
    QTest::addColumn<QString>("set");
    for (const char* set : {"zh-HK", "zh-TW", "en"})
        QTest::newRow(set) << set;
}

// A game of one set, with its translation.
struct SetGame {
    explicit SetGame(const QString& set)
        : translated(translations.use(set, qEnvironmentVariable("TAVRIN_TRANSLATIONS_ROOT"))),
          ctx(optionsFor(set), clock) {}

    static Options optionsFor(const QString& set) {
        Options options;
        options.dataRoot = dataRoot();
        options.language = set;
        options.mute = true;
        return options;
    }

    Translations translations;
    bool translated;
    rules::SystemClock clock;
    AppContext ctx;
};

QString tooWide(const QWidget& window, const QWidget& box, const QString& text, int needs,
                int has) {
    return QString("%1.%2 needs %3 px for \"%4\", has %5")
        .arg(window.objectName(), box.objectName())
        .arg(needs)
        .arg(text)
        .arg(has);
}

// Every line of a label (a design caption or a plain label), every button's text and every
// tab's title in `window` is as wide as its box at most.
void checkTexts(const QWidget& window) {
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        if (label->wordWrap() || !label->isVisibleTo(&window))
            continue;
        const auto* caption = qobject_cast<const LabelControl*>(label);
        const QString text = caption ? caption->caption() : label->text();
        const QFontMetrics metrics(label->font());
        for (const QString& line : text.split(QRegularExpression("\r\n|\r|\n"))) {
            const int needs = metrics.horizontalAdvance(line);
            const int has = label->contentsRect().width();
            QVERIFY2(needs <= has, qPrintable(tooWide(window, *label, line, needs, has)));
        }
    }
    for (const QPushButton* button : window.findChildren<QPushButton*>()) {
        const int needs = QFontMetrics(button->font()).horizontalAdvance(button->text());
        const int has = button->width() - kButtonMargin;
        QVERIFY2(needs <= has, qPrintable(tooWide(window, *button, button->text(), needs, has)));
    }
    for (const QTabBar* tabs : window.findChildren<QTabBar*>()) {
        const QFontMetrics metrics(tabs->font());
        for (int i = 0; i < tabs->count(); ++i) {
            const int needs = metrics.horizontalAdvance(tabs->tabText(i));
            const int has = tabs->tabRect(i).width();
            const QRect shown = tabs->tabRect(i).intersected(tabs->rect());
            QVERIFY2(needs < has && shown == tabs->tabRect(i),
                     qPrintable(tooWide(window, *tabs, tabs->tabText(i), needs, shown.width())));
        }
    }
}

} // namespace

class ContentFitsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { setUpAppearance(*qApp); }

    void fontsAreTheFreeFacesOfTheDesignedKind() {
        QCOMPARE(QFontInfo(mingFont(9)).family(), QString("AR PL UMing TW"));
        QCOMPARE(QFontInfo(QFont(layout::kComicFace)).family(), QString("Comic Neue"));
    }

    void everySquareMessageFitsTheMessageStrip_data() { everySet(); }
    void everySquareMessageFitsTheMessageStrip() {
        QFETCH(QString, set);
        const rules::BoardContent board = rules::readBoardFiles(setDir(set));
        const QFontMetrics metrics(QApplication::font());
        for (int i = 0; i < rules::kSquareCount; ++i) {
            const QString message = QString::fromStdString(board.messages[i]);
            QVERIFY2(!message.isEmpty(), qPrintable(QString("square %1 has no message").arg(i)));
            QVERIFY2(metrics.horizontalAdvance(message) <= kMessageWidth,
                     qPrintable(QString("square %1 is %2 px wide: %3")
                                    .arg(i)
                                    .arg(metrics.horizontalAdvance(message))
                                    .arg(message)));
        }
    }

    void everyQuestionAndChoiceFitsItsLine_data() { everySet(); }
    void everyQuestionAndChoiceFitsItsLine() {
        QFETCH(QString, set);
        const auto lines = rules::readContentLines(setDir(set), "gm1_data.txt");
        QVERIFY(lines.size() >= 180);
        const QFontMetrics question(mingFont(9)), option(mingFont(9.75));
        for (int k = 0; k < 30; ++k) {
            const QString text = QString::fromStdString(lines[6 * k]);
            QVERIFY2(question.horizontalAdvance(text) <= kQuestionWidth,
                     qPrintable(QString("question %1: %2").arg(k + 1).arg(text)));
            for (int c = 1; c <= 3; ++c) {
                const QString choice =
                    QString("%1) ").arg(c) + QString::fromStdString(lines[6 * k + c]);
                QVERIFY2(option.horizontalAdvance(choice) <= kChoiceWidth,
                         qPrintable(QString("question %1: %2").arg(k + 1).arg(choice)));
            }
            QVERIFY2(QString::fromStdString(lines[6 * k + 4])
                         .trimmed()
                         .contains(QRegularExpression("^[012]$")),
                     qPrintable(QString("question %1 answer line").arg(k + 1)));
        }
    }

    // Learning mode's feedback on every question, wrong and naming the longest right choice
    // the set could have there, fits the quiz window's feedback box.
    void everyExplanationFitsTheFeedback_data() { everySet(); }
    void everyExplanationFitsTheFeedback() {
        QFETCH(QString, set);
        SetGame game(set);
        QVERIFY(game.translated);
        const QuizFeedback& feedback = game.ctx.windows.load<QuizWindow>().feedback();
        const auto lines = rules::readContentLines(setDir(set), "gm1_data.txt");
        const auto why = rules::readContentLines(setDir(set), "gm1_why.txt");
        for (int k = 0; k < 30; ++k) {
            QString longest;
            for (int c = 1; c <= 3; ++c) {
                const QString choice =
                    QString("%1) ").arg(c) + QString::fromStdString(lines[6 * k + c]);
                if (choice.size() > longest.size())
                    longest = choice;
            }
            const QString text =
                feedbackText(false, longest, QString::fromStdString(why.at(std::size_t(k))));
            QVERIFY2(feedback.fits(text),
                     qPrintable(QString("question %1: %2").arg(k + 1).arg(text)));
        }
    }

    // Every window as each set shows it: both pages of the end window and the win text too.
    void everyCaptionFitsItsBox_data() { everySet(); }
    void everyCaptionFitsItsBox() {
        QFETCH(QString, set);
        SetGame game(set);
        QVERIFY(game.translated);
        AppContext& ctx = game.ctx;
        checkTexts(ctx.windows.load<StartWindow>());
        checkTexts(ctx.windows.load<BoardWindow>());
        StatusStrip& status = ctx.windows.load<StatusStrip>();
        checkTexts(status);
        status.gameWon();
        checkTexts(status);
        checkTexts(ctx.windows.load<QuizWindow>());
        checkTexts(ctx.windows.load<TargetGameWindow>());
        EndWindow& end = ctx.windows.load<EndWindow>();
        checkTexts(end);
        end.onNextClicked();
        checkTexts(end);
        // Then the windows that Qt lays out, shown as the menu and the shields show them.
        checkTexts(ctx.windows.load<HowToPlayWindow>());
        AboutWindow about(ctx.dataFile("licenses"), nullptr);
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        checkTexts(about);
        HelpWindow help(ctx.links, ctx.gameScreen, ctx.windows, nullptr);
        for (const QUrl& page : {ctx.links.help(), ctx.links.infoCenter()}) {
            help.open(page);
            help.show();
            help.findBar().show();
            QVERIFY(QTest::qWaitForWindowExposed(&help));
            checkTexts(help);
        }
    }
};

QTEST_MAIN(ContentFitsTest)
#include "test_content_fits.moc"
