#include "windows/end_window.h"

#include "controls/accessible.h"
#include "controls/image_control.h"
#include "controls/label_control.h"
#include "layouts/window_layouts.h"
#include "windows/app_context.h"
#include "windows/keyboard_focus.h"
#include "windows/links.h"
#include "windows/review_window.h"

#include <QDate>

namespace tavrin {

EndWindow::EndWindow(AppContext& ctx)
    : GameWindow(ctx, layout::endWindowLayout()), nextLink_(bind(layout::end::nextLink)),
      reviewLink_(bind(layout::end::reviewLink)), score_(bind(layout::end::score)),
      cheer_(bind(layout::end::cheer)),
      linksHint_(bind(layout::end::linksHint)), links_{&bind(layout::end::emailLink),
                                                       &bind(layout::end::homeLink),
                                                       &bind(layout::end::helpLink),
                                                       &bind(layout::end::infoLink)} {
    connect(&nextLink_, &LabelControl::clicked, this, &EndWindow::onNextClicked);
    connect(links_[0], &LabelControl::clicked, this, &EndWindow::onEmailClicked);
    connect(links_[1], &LabelControl::clicked, this, &EndWindow::onHomeClicked);
    connect(links_[2], &LabelControl::clicked, this, &EndWindow::onHelpClicked);
    connect(links_[3], &LabelControl::clicked, this, &EndWindow::onInfoClicked);
    connect(&reviewLink_, &LabelControl::clicked, this, &EndWindow::onReviewClicked);
    accessible::setRole(nextLink_, accessible::Role::Button);
    for (LabelControl* link : links_)
        accessible::setRole(*link, accessible::Role::Link);
    accessible::hide(bind(layout::end::character));
    // The links take the focus once the second page shows them.
    takeFocusFirst(nextLink_);
}

void EndWindow::onLoad() {
    score_.setCaption(QString::number(ctx.session.state().score));
    linksShown_ = false;
    ctx.log.write("end", {rules::EventLog::field("score", ctx.session.state().score)});
    if (ctx.session.mode() == rules::GameMode::Learning)
        showLearningModeEnd();
}

// A winner is congratulated (the design's line cheers on a player who ran out of throws), the
// review is offered, and the game joins the best games on this computer.
void EndWindow::showLearningModeEnd() {
    if (ctx.review.won())
        cheer_.setCaption(tr("恭喜你贏了！做得好！"));
    reviewLink_.show();
    accessible::setRole(reviewLink_, accessible::Role::Link);
    reviewLink_.setFocusPolicy(Qt::TabFocus);
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
    nextLink_.setCaption("END ->");
    showSecondPage();
}

void EndWindow::showSecondPage() {
    for (LabelControl* first : {&bind(layout::end::thanks), &bind(layout::end::scoreHeading),
                                &score_, &cheer_, &reviewLink_})
        first->hide();
    // The credit and the links move up where the first page's texts were.
    bind(layout::end::credit).move(120, 24);
    const int linkTops[] = {56, 88, 112, 136};
    for (std::size_t i = 0; i < links_.size(); ++i)
        links_[i]->move(136, linkTops[i]);
    linksHint_.show();
    // A game built without an address has no e-mail line for pupils to wonder at.
    if (emailAddress().isEmpty())
        links_[0]->hide();
    // In view now: Tab reaches the links.
    for (LabelControl* link : links_)
        link->setFocusPolicy(Qt::TabFocus);
}

void EndWindow::onEmailClicked() {
    openLink(ctx, this, emailAddress());
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
