#pragma once

#include "rules/best_games.h"
#include "rules/game_review.h"

#include <QUrl>
#include <QWidget>
#include <string>
#include <vector>

class QTextBrowser;

namespace tavrin {

class Links;

namespace rules {
class EventLog;
}

// What the review looks back on.
struct ReviewFacts {
    const rules::GameReview& review;
    long long score;
    const std::vector<rules::GameRecord>& bestGames;
    std::string contentDir; // where the explanations of the answers are
    QUrl infoCenter;
};

// Learning mode's look back at a finished game, opened from the end window: the result, the
// questions answered wrongly with the right answer and why, the squares landed on, where the
// Info Center says more, and the best games played on this computer. Esc closes it.
class ReviewWindow : public QWidget {
    Q_OBJECT
public:
    ReviewWindow(const ReviewFacts& facts, Links& links, rules::EventLog& log, QWidget& endWindow);

    QTextBrowser& page() { return *page_; }
    // The review as the page shows it; every text from the content files is escaped.
    static QString pageHtml(const ReviewFacts& facts);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    Links& links_;
    QTextBrowser* page_;
};

} // namespace tavrin
