#include "windows/end_window.h"

#include "controls/accessible.h"
#include "controls/image_control.h"
#include "controls/label_control.h"
#include "layouts/window_layouts.h"
#include "rules/event_log.h"
#include "rules/game_review.h"
#include "windows/kept_settings.h"
#include "windows/keyboard_focus.h"
#include "windows/links.h"
#include "windows/review_window.h"
#include "windows/window_registry.h"

#include <QDate>

namespace tavrin {

EndWindow::EndWindow(const WindowBasics& basics, rules::EventLog& log,
                     const rules::GameReview& review, KeptSettings& settings, Links& links,
                     std::string contentDir)
    : GameWindow(basics, layout::endWindowLayout()), log_(log), review_(review),
      settings_(settings), links_(links), contentDir_(std::move(contentDir)),
      nextLink_(bind(layout::end::nextLink)), reviewLink_(bind(layout::end::reviewLink)),
      score_(bind(layout::end::score)), cheer_(bind(layout::end::cheer)),
      linksHint_(bind(layout::end::linksHint)), linkLabels_{&bind(layout::end::emailLink),
                                                            &bind(layout::end::homeLink),
                                                            &bind(layout::end::helpLink),
                                                            &bind(layout::end::infoLink)} {
    connect(&nextLink_, &LabelControl::clicked, this, &EndWindow::onNextClicked);
    connect(linkLabels_[0], &LabelControl::clicked, this, &EndWindow::onEmailClicked);
    connect(linkLabels_[1], &LabelControl::clicked, this, &EndWindow::onHomeClicked);
    connect(linkLabels_[2], &LabelControl::clicked, this, &EndWindow::onHelpClicked);
    connect(linkLabels_[3], &LabelControl::clicked, this, &EndWindow::onInfoClicked);
    connect(&reviewLink_, &LabelControl::clicked, this, &EndWindow::onReviewClicked);
    accessible::setRole(nextLink_, accessible::Role::Button);
    for (LabelControl* link : linkLabels_)
        accessible::setRole(*link, accessible::Role::Link);
    accessible::hide(bind(layout::end::character));
    // The links take the focus once the second page shows them.
    takeFocusFirst(nextLink_);
}

void EndWindow::onLoad() {
    score_.setCaption(QString::number(session().state().score));
    linksShown_ = false;
    log_.write("end", {rules::EventLog::field("score", session().state().score)});
    if (session().mode() == rules::GameMode::Learning)
        showLearningModeEnd();
}

// A winner is congratulated (the design's line cheers on a player who ran out of throws), the
// review is offered, and the game joins the best games on this computer.
void EndWindow::showLearningModeEnd() {
    if (review_.won())
        cheer_.setCaption(tr("恭喜你贏了！做得好！"));
    reviewLink_.show();
    accessible::setRole(reviewLink_, accessible::Role::Link);
    reviewLink_.setFocusPolicy(Qt::TabFocus);
    const rules::GameRecord game{QDate::currentDate().toString(Qt::ISODate).toStdString(),
                                 session().state().score, review_.won(), review_.answersRight(),
                                 review_.answersGiven()};
    settings_.values.bestGames = rules::withGame(settings_.values.bestGames, game);
    settings_.save();
}

void EndWindow::onReviewClicked() {
    const ReviewFacts facts{review_, session().state().score, settings_.values.bestGames,
                            contentDir_, links_.infoCenter()};
    auto* review = new ReviewWindow(facts, links_, log_, *this);
    review->show();
    review->raise();
    review->activateWindow();
}

void EndWindow::onNextClicked() {
    if (linksShown_) {
        log_.write("exit");
        windows().endAtOnce(0);
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
    for (std::size_t i = 0; i < linkLabels_.size(); ++i)
        linkLabels_[i]->move(136, linkTops[i]);
    linksHint_.show();
    // A game built without an address has no e-mail line for pupils to wonder at.
    if (emailAddress().isEmpty())
        linkLabels_[0]->hide();
    // In view now: Tab reaches the links.
    for (LabelControl* link : linkLabels_)
        link->setFocusPolicy(Qt::TabFocus);
}

void EndWindow::onEmailClicked() {
    links_.open(this, emailAddress());
}
void EndWindow::onHomeClicked() {
    links_.open(this, links_.home());
}
void EndWindow::onHelpClicked() {
    links_.open(this, links_.help());
}
void EndWindow::onInfoClicked() {
    links_.open(this, links_.infoCenter());
}

void EndWindow::systemClose() {
    windows().endAtOnce(0);
}

} // namespace tavrin
