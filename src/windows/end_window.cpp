#include "windows/end_window.h"

#include "controls/label_control.h"
#include "layouts/window_layouts.h"
#include "platform/config.h"
#include "windows/app_context.h"

namespace tavrin {

EndWindow::EndWindow(AppContext& ctx) : GameWindow(ctx, layout::endWindowLayout()) {
    connect(&label("nextLink"), &LabelControl::clicked, this, &EndWindow::onNextClicked);
    connect(&label("emailLink"), &LabelControl::clicked, this, &EndWindow::onEmailClicked);
    connect(&label("teamLink"), &LabelControl::clicked, this, &EndWindow::onTeamClicked);
    connect(&label("heartLink"), &LabelControl::clicked, this, &EndWindow::onHeartClicked);
    connect(&label("homeLink"), &LabelControl::clicked, this, &EndWindow::onHomeClicked);
}

void EndWindow::onLoad() {
    label("score").setCaption(QString::number(ctx.session.state().score));
    linksShown_ = false;
    ctx.log.write("end", {rules::EventLog::field("score", ctx.session.state().score)});
}

void EndWindow::onNextClicked() {
    if (linksShown_) {
        ctx.log.write("exit");
        ctx.windows.endAtOnce(0);
        return;
    }
    linksShown_ = true;
    label("nextLink").setCaption("END ->");
    showSecondPage();
}

void EndWindow::showSecondPage() {
    for (const char* name : {"thanks", "scoreHeading", "score", "cheer"})
        label(name).hide();
    struct Place {
        const char* name;
        int left, top;
    };
    for (const Place& p :
         {Place{"credit", 1800, 360}, Place{"emailLink", 2040, 840}, Place{"teamLink", 2040, 1320},
          Place{"heartLink", 2040, 1680}, Place{"homeLink", 2040, 2040}})
        moveControl(label(p.name), p.left, p.top);
    label("linksHint").show();
    // In view now: Tab reaches the links.
    for (const char* link : {"emailLink", "teamLink", "heartLink", "homeLink"})
        label(link).setFocusPolicy(Qt::TabFocus);
}

void EndWindow::onEmailClicked() {
    ctx.desktop.openAddress(QString("mailto:") + config::kAuthorEmail);
}
void EndWindow::onTeamClicked() {
    ctx.desktop.openAddress(config::kAuthorPage1);
}
void EndWindow::onHeartClicked() {
    ctx.desktop.openAddress(config::kAuthorPage2);
}
void EndWindow::onHomeClicked() {
    ctx.desktop.openAddress(config::kHomePage);
}

void EndWindow::systemClose() {
    ctx.windows.endAtOnce(0);
}

} // namespace tavrin
