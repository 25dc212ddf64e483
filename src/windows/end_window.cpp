#include "windows/end_window.h"

#include "controls/label_control.h"
#include "layouts/window_layouts.h"
#include "windows/app_context.h"
#include "windows/links.h"

namespace tavrin {

EndWindow::EndWindow(AppContext& ctx) : GameWindow(ctx, layout::endWindowLayout()) {
    connect(&label("nextLink"), &LabelControl::clicked, this, &EndWindow::onNextClicked);
    connect(&label("emailLink"), &LabelControl::clicked, this, &EndWindow::onEmailClicked);
    connect(&label("homeLink"), &LabelControl::clicked, this, &EndWindow::onHomeClicked);
    connect(&label("helpLink"), &LabelControl::clicked, this, &EndWindow::onHelpClicked);
    connect(&label("infoLink"), &LabelControl::clicked, this, &EndWindow::onInfoClicked);
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
         {Place{"credit", 1800, 360}, Place{"emailLink", 2040, 840}, Place{"homeLink", 2040, 1320},
          Place{"helpLink", 2040, 1680}, Place{"infoLink", 2040, 2040}})
        moveControl(label(p.name), p.left, p.top);
    label("linksHint").show();
    // In view now: Tab reaches the links.
    for (const char* link : {"emailLink", "homeLink", "helpLink", "infoLink"})
        label(link).setFocusPolicy(Qt::TabFocus);
}

void EndWindow::onEmailClicked() {
    const QUrl email = emailAddress();
    if (email.isEmpty())
        ctx.messages.show(this, "No e-mail address was given when this game was built.", "Tavrin",
                          MessageBoxes::Buttons::Ok);
    else
        openLink(ctx, this, email);
}
void EndWindow::onHomeClicked() {
    openLink(ctx, this, homeAddress(ctx));
}
void EndWindow::onHelpClicked() {
    openLink(ctx, this, helpAddress(ctx));
}
void EndWindow::onInfoClicked() {
    openLink(ctx, this, infoCenterAddress(ctx));
}

void EndWindow::systemClose() {
    ctx.windows.endAtOnce(0);
}

} // namespace tavrin
