#include "app/app_context.h"
#include "app/app_setup.h"
#include "app/autoplay.h"
#include "app/clock.h"
#include "app/command_line.h"
#include "windows/frm_start.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("tavrin");
    QApplication::setApplicationVersion(TAVRIN_VERSION);

    int exitCode = 0;
    const auto options = tavrin::parseCommandLine(QApplication::arguments(), exitCode);
    if (!options)
        return exitCode;

    tavrin::setUpAppearance(app);
    tavrin::SystemClock clock;
    tavrin::AppContext ctx(*options, clock);
    ctx.log.write("start", {tavrin::EventLog::field("seed", ctx.rng.lastSeed())});

    tavrin::Autoplay autoplay(ctx);
    if (options->autoplay)
        autoplay.start();
    ctx.forms.show<tavrin::FrmStart>();
    return QApplication::exec();
}
