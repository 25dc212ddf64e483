// Every text of every content set, measured with the fonts the windows draw it in: a message
// must fit the one-line message strip, a question its one-line label, a choice its line of the
// options label, and each window's captions (translated for English) their boxes.

#include "app/app_setup.h"
#include "app/translations.h"
#include "controls/label_control.h"
#include "layouts/window_layouts.h"
#include "rules/board_content.h"
#include "rules/clock.h"
#include "rules/content_file.h"
#include "windows/app_context.h"
#include "windows/board_window.h"
#include "windows/end_window.h"
#include "windows/quiz_window.h"
#include "windows/start_window.h"
#include "windows/status_strip.h"
#include "windows/target_game_window.h"

#include <QApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QPushButton>
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

// Each line of every label's caption and every button's text fits its box.
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

void checkCaptions(const GameWindow& window) {
    for (const LabelControl* label : window.findChildren<LabelControl*>()) {
        const QFontMetrics metrics(label->font());
        for (const QString& line : label->caption().split(QRegularExpression("\r\n|\r|\n")))
            QVERIFY2(metrics.horizontalAdvance(line) <= label->contentsRect().width(),
                     qPrintable(QString("%1.%2 needs %3 px for \"%4\", has %5")
                                    .arg(window.objectName(), label->objectName())
                                    .arg(metrics.horizontalAdvance(line))
                                    .arg(line)
                                    .arg(label->contentsRect().width())));
    }
    for (const QPushButton* button : window.findChildren<QPushButton*>()) {
        const int width = QFontMetrics(button->font()).horizontalAdvance(button->text());
        QVERIFY2(width <= button->width() - kButtonMargin,
                 qPrintable(QString("%1.%2 needs %3 px for \"%4\", has %5")
                                .arg(window.objectName(), button->objectName())
                                .arg(width)
                                .arg(button->text())
                                .arg(button->width() - kButtonMargin)));
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

    // The windows as each set shows them, both pages of the end window and the win text too.
    void everyCaptionFitsItsBox_data() { everySet(); }
    void everyCaptionFitsItsBox() {
        QFETCH(QString, set);
        SetGame game(set);
        QVERIFY(game.translated);
        AppContext& ctx = game.ctx;
        checkCaptions(ctx.windows.load<StartWindow>());
        checkCaptions(ctx.windows.load<BoardWindow>());
        StatusStrip& status = ctx.windows.load<StatusStrip>();
        checkCaptions(status);
        status.gameWon();
        checkCaptions(status);
        checkCaptions(ctx.windows.load<QuizWindow>());
        checkCaptions(ctx.windows.load<TargetGameWindow>());
        EndWindow& end = ctx.windows.load<EndWindow>();
        checkCaptions(end);
        end.onNextClicked();
        checkCaptions(end);
    }
};

QTEST_MAIN(ContentFitsTest)
#include "test_content_fits.moc"
