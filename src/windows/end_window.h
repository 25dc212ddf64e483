#pragma once

#include "windows/game_window.h"

#include <array>
#include <string>

namespace tavrin {

class Links;
struct KeptSettings;

namespace rules {
class EventLog;
class GameReview;
} // namespace rules

// The end window: the final score, then a page of credits and links (the e-mail address, the
// project's home page, the help page and the Info Center); its label ends the game.
class EndWindow : public GameWindow {
    Q_OBJECT
public:
    // The review reads the answers' explanations from `contentDir`.
    EndWindow(const WindowBasics& basics, rules::EventLog& log, const rules::GameReview& review,
              KeptSettings& settings, Links& links, std::string contentDir);

    void onLoad() override;
    void onNextClicked();
    void onEmailClicked();
    void onHomeClicked();
    void onHelpClicked();
    void onInfoClicked();
    // Learning mode: the review of the game that has just ended.
    void onReviewClicked();

    bool linksShown() const { return linksShown_; }
    LabelControl& nextLink() const { return nextLink_; }

protected:
    void systemClose() override;

private:
    void showSecondPage();
    void showLearningModeEnd();

    rules::EventLog& log_;
    const rules::GameReview& review_;
    KeptSettings& settings_;
    Links& links_;
    const std::string contentDir_;
    LabelControl& nextLink_;
    LabelControl& reviewLink_;
    LabelControl& score_;
    LabelControl& cheer_;
    LabelControl& linksHint_;
    // The second page's links, from the e-mail address down.
    std::array<LabelControl*, 4> linkLabels_;
    bool linksShown_ = false;
};

} // namespace tavrin
