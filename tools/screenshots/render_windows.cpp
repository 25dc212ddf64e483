// Renders every window of the game to PNG, as it stands after loading and in play, without a
// display (QT_QPA_PLATFORM=offscreen): the pictures for the README and for reviewing layouts.
//
//   render_windows DATA_DIR OUT_DIR

#include "app/app_context.h"
#include "app/app_setup.h"
#include "art/frm_gra.h"
#include "board/frm_dice.h"
#include "board/frm_map.h"
#include "games/frm_game1.h"
#include "games/frm_game2.h"
#include "windows/frm_end.h"
#include "windows/frm_face.h"
#include "windows/frm_snd.h"
#include "windows/frm_start.h"
#include "windows/frm_status.h"

#include <QApplication>
#include <QDir>
#include <QPainter>
#include <cstdio>

using namespace tavrin;

namespace {

// A clock that stands still, so the target game's countdown shows a chosen time.
class StillClock final : public Clock {
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
        std::vector<Form*> windows{&ctx.forms.get<FrmMap>(), &ctx.forms.get<FrmStatus>(),
                                   &ctx.forms.get<FrmDice>(), &ctx.forms.get<FrmFace>()};
        QRect area;
        for (Form* w : windows)
            area |= w->geometry();
        QImage screen(area.size(), QImage::Format_ARGB32);
        screen.fill(Qt::transparent);
        QPainter painter(&screen);
        for (Form* w : windows) {
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
    ctx.state.DiceValue = face;
    ctx.forms.get<FrmDice>().imgDice_Click();
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: render_windows DATA_DIR OUT_DIR\n");
        return 1;
    }
    setUpAppearance(app);
    Options options;
    options.dataDir = argv[1];
    options.seed = 2024;
    options.mute = true;
    StillClock clock;
    AppContext ctx(options, clock);
    ctx.messages.answerer = [](auto&&...) { return MessageBoxes::Answer::Ok; };
    ctx.desktop.opener = [](const QString&) {};
    const Renderer render(argv[2]);

    render.save(ctx.forms.show<FrmStart>(), "frmStart");
    ctx.forms.get<FrmStart>().Label4_Click();
    ctx.forms.get<FrmStatus>().Timer1_Timer();
    render.savePlayingScreen(ctx, "playing-after-start");
    for (int face : {1, 5, 4, 1})
        throwDie(ctx, face);
    ctx.forms.get<FrmStatus>().Timer1_Timer();
    render.savePlayingScreen(ctx, "playing-in-play");
    render.save(ctx.forms.get<FrmMap>(), "frmMap");
    render.save(ctx.forms.get<FrmStatus>(), "frmStatus");
    render.save(ctx.forms.get<FrmDice>(), "frmDice");
    render.save(ctx.forms.get<FrmFace>(), "frmFace");
    render.save(ctx.forms.get<FrmGra>(), "frmGra");
    render.save(ctx.forms.get<FrmSnd>(), "frmSnd");

    FrmGame1& quiz = ctx.forms.show<FrmGame1>();
    render.save(quiz, "frmGame1");
    quiz.cmdAnswer_Click(1);
    render.save(quiz, "frmGame1-second-question");
    ctx.forms.unload<FrmGame1>();

    FrmGame2& target = ctx.forms.show<FrmGame2>();
    target.Timer2_Timer();
    render.save(target, "frmGame2");
    clock.now = 7.37;
    target.Timer1_Timer();
    target.imgTarget_Click(0);
    target.imgTarget_Click(4);
    target.Timer2_Timer();
    render.save(target, "frmGame2-in-play");
    ctx.forms.unload<FrmGame2>();

    ctx.state.Score = 5030;
    FrmEnd& end = ctx.forms.show<FrmEnd>();
    render.save(end, "frmEnd");
    end.Label4_Click();
    render.save(end, "frmEnd-links");
    return 0;
}
