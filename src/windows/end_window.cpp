#include "windows/end_window.h"

#include "controls/accessible.h"
#include "controls/label_control.h"
#include "layouts/window_layouts.h"
#include "windows/app_context.h"
#include "windows/links.h"
#include "windows/review_window.h"

#include <QDate>

namespace tavrin {

EndWindow::EndWindow(AppContext& ctx) : GameWindow(ctx, layout::endWindowLayout()) {
    connect(&label("nextLink"), &LabelControl::clicked, this, &EndWindow::onNextClicked);
    connect(&label("emailLink"), &LabelControl::clicked, this, &EndWindow::onEmailClicked);
    connect(&label("homeLink"), &LabelControl::clicked, this, &EndWindow::onHomeClicked);
    connect(&label("helpLink"), &LabelControl::clicked, this, &EndWindow::onHelpClicked);
    connect(&label("infoLink"), &LabelControl::clicked, this, &EndWindow::onInfoClicked);
    connect(&label("reviewLink"), &LabelControl::clicked, this, &EndWindow::onReviewClicked);
}

void EndWindow::onLoad() {
    label("score").setCaption(QString::number(ctx.session.state().score));
    linksShown_ = false;
    ctx.log.write("end", {rules::EventLog::field("score", ctx.session.state().score)});
    if (ctx.session.mode() == rules::GameMode::Learning)
        showLearningModeEnd();
}

// A winner is congratulated (the design's line cheers on a player who ran out of throws), the
// review is offered, and the game joins the best games on this computer.
void EndWindow::showLearningModeEnd() {
    if (ctx.review.won())
        label("cheer").setCaption(tr("恭喜你贏了！做得好！"));
    label("reviewLink").show();
    accessible::setRole(label("reviewLink"), accessible::Role::Link);
    label("reviewLink").setFocusPolicy(Qt::TabFocus);
    const rules::GameRecord game{QDate::currentDate().toString(Qt::ISODate).toStdString(),
                                 ctx.session.state().score, ctx.review.won(),
                                 ctx.review.answersRight(), ctx.review.answersGiven()};
    ctx.settings.bestGames = rules::withGame(ctx.settings.bestGames, game);
    ctx.saveSettings();
}

void EndWindow::onReviewClicked() {
    auto* review = new ReviewWindow(ctx, *this);
    review->show();
    review->raise();
    review->activateWindow();
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
    for (const char* name : {"thanks", "scoreHeading", "score", "cheer", "reviewLink"})
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
