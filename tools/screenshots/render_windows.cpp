// Renders every window of the game to PNG, as it stands after loading and in play, without a
// display (QT_QPA_PLATFORM=offscreen): the pictures for the README and for reviewing layouts.
//
//   render_windows DATA_ROOT OUT_DIR [LANG]    (LANG: zh-HK, the default, zh-TW or en)

#include "app/app_setup.h"
#include "app/translations.h"
#include "session_setup.h"
#include "windows/app_context.h"
#include "windows/board_window.h"
#include "windows/die_window.h"
#include "windows/drag_handle.h"
#include "windows/end_window.h"
#include "windows/quiz_window.h"
#include "windows/review_window.h"
#include "windows/start_window.h"
#include "windows/status_strip.h"
#include "windows/target_game_window.h"

#include <QApplication>
#include <QDir>
#include <QPainter>
#include <cstdio>

using namespace tavrin;

namespace {

// A clock that stands still, so the target game's countdown shows a chosen time.
class StillClock final : public rules::Clock {
public:
    double secondsSinceMidnight() const override { return 36000.0 + now; }
    double monotonicSeconds() const override { return 500.0 + now; }
    double now = 0;
};

class Renderer {
public:
    explicit Renderer(QString outDir) : out_(std::move(outDir)) { QDir().mkpath(out_); }

    void save(QWidget& window, const QString& name) const {
        window.grab().save(out_ + "/" + name + ".png");
        std::printf("%s/%s.png\n", qPrintable(out_), qPrintable(name));
    }

    // The four playing windows where the handle puts them, as one picture.
    void savePlayingScreen(AppContext& ctx, const QString& name) const {
        std::vector<GameWindow*> windows{
            &ctx.windows.load<BoardWindow>(), &ctx.windows.load<StatusStrip>(),
            &ctx.windows.load<DieWindow>(), &ctx.windows.load<DragHandle>()};
        QRect area;
        for (GameWindow* w : windows)
            area |= w->geometry();
        QImage screen(area.size(), QImage::Format_ARGB32);
        screen.fill(Qt::transparent);
        QPainter painter(&screen);
        for (GameWindow* w : windows) {
            painter.save();
            painter.translate(w->geometry().topLeft() - area.topLeft());
            painter.setClipRegion(w->mask().isEmpty() ? QRegion(w->rect()) : w->mask());
            w->render(&painter);
            painter.restore();
        }
        painter.end();
        screen.save(out_ + "/" + name + ".png");
        std::printf("%s/%s.png\n", qPrintable(out_), qPrintable(name));
    }

private:
    QString out_;
};

void throwDie(AppContext& ctx, int face) {
    rules::SessionSetup(ctx.session).dieFace(face);
    ctx.windows.load<DieWindow>().onDieClicked();
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc != 3 && argc != 4) {
        std::fprintf(stderr, "usage: render_windows DATA_ROOT OUT_DIR [LANG]\n");
        return 1;
    }
    setUpAppearance(app);
    Options options;
    options.dataRoot = argv[1];
    options.language = argc == 4 ? argv[3] : "zh-HK";
    Translations translations;
    translations.use(options.language, options.dataRoot);
    options.seed = 2024;
    options.mute = true;
    options.classic = true; // the windows as first made; learning mode's come last
    StillClock clock;
    AppContext ctx(options, clock);
    ctx.messages.answerer = [](auto&&...) { return MessageBoxes::Answer::Ok; };
    ctx.desktop.opener = [](const QUrl&) { return true; };
    const Renderer render(argv[2]);

    render.save(ctx.windows.show<StartWindow>(), "start-window");
    ctx.windows.load<StartWindow>().onStartClicked();
    render.savePlayingScreen(ctx, "playing-after-start");
    for (int face : {1, 5, 4, 1})
        throwDie(ctx, face);
    render.savePlayingScreen(ctx, "playing-in-play");
    render.save(ctx.windows.load<BoardWindow>(), "board");
    render.save(ctx.windows.load<StatusStrip>(), "status-strip");
    render.save(ctx.windows.load<DieWindow>(), "die");
    render.save(ctx.windows.load<DragHandle>(), "drag-handle");

    QuizWindow& quiz = ctx.windows.show<QuizWindow>();
    render.save(quiz, "quiz");
    quiz.onAnswerClicked(1);
    render.save(quiz, "quiz-second-question");
    ctx.windows.unload<QuizWindow>();

    TargetGameWindow& target = ctx.windows.show<TargetGameWindow>();
    target.onClockTick();
    render.save(target, "target-game");
    clock.now = 7.37;
    target.onJumpTick();
    target.onTargetClicked(0);
    target.onTargetClicked(4);
    target.onClockTick();
    render.save(target, "target-game-in-play");
    ctx.windows.unload<TargetGameWindow>();

    rules::SessionSetup(ctx.session).score(5030);
    EndWindow& end = ctx.windows.show<EndWindow>();
    render.save(end, "end-window");
    end.onNextClicked();
    render.save(end, "end-window-links");
    ctx.windows.unload<EndWindow>();

    // Learning mode: a wrong answer explained, and the review of the game at its end.
    ctx.session.setMode(rules::GameMode::Learning);
    QuizWindow& learningQuiz = ctx.windows.show<QuizWindow>();
    learningQuiz.onAnswerClicked(0);
    render.save(learningQuiz, "learning-quiz-feedback");
    ctx.windows.unload<QuizWindow>();
    EndWindow& learningEnd = ctx.windows.show<EndWindow>();
    render.save(learningEnd, "learning-end-window");
    learningEnd.onReviewClicked();
    if (auto* review = learningEnd.findChild<ReviewWindow*>())
        render.save(*review, "learning-review");
    return 0;
}
