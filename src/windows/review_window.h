#pragma once

#include <QWidget>

class QTextBrowser;

namespace tavrin {

class AppContext;

// Learning mode's look back at a finished game, opened from the end window: the result, the
// questions answered wrongly with the right answer and why, the squares landed on, where the
// Info Center says more, and the best games played on this computer. Esc closes it.
class ReviewWindow : public QWidget {
    Q_OBJECT
public:
    ReviewWindow(AppContext& ctx, QWidget& endWindow);

    QTextBrowser& page() { return *page_; }
    // The review as the page shows it; every text from the content files is escaped.
    static QString pageHtml(const AppContext& ctx);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    AppContext& ctx_;
    QTextBrowser* page_;
};

} // namespace tavrin
