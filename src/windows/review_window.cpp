#include "windows/review_window.h"

#include "rules/content_error.h"
#include "rules/event_log.h"
#include "rules/quiz_explanations.h"
#include "windows/links.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace tavrin {
namespace {

QString text(const std::string& utf8) {
    return QString::fromStdString(utf8).toHtmlEscaped();
}

rules::QuizExplanations explanations(const ReviewFacts& facts) {
    try {
        if (auto lines = rules::readExplanationLines(facts.contentDir))
            return rules::QuizExplanations(std::move(*lines));
    } catch (const rules::ContentError&) {
    }
    return {};
}

QString resultSection(const ReviewFacts& facts) {
    const rules::GameReview& review = facts.review;
    const QString verdict =
        review.won() ? ReviewWindow::tr("你贏了！") : ReviewWindow::tr("擲骰次數用完了。");
    return "<h2>" + ReviewWindow::tr("結果 (Result)") + "</h2><p>" + verdict + " " +
           ReviewWindow::tr("最後得分：%1。問答答對 %2 題，共 %3 題。")
               .arg(facts.score)
               .arg(review.answersRight())
               .arg(review.answersGiven()) +
           "</p>";
}

QString missedSection(const ReviewFacts& facts) {
    QString html = "<h2>" + ReviewWindow::tr("再讀一次 (Questions to read again)") + "</h2>";
    if (facts.review.missed().empty())
        return html + "<p>" + ReviewWindow::tr("沒有答錯的題目。") + "</p>";
    const rules::QuizExplanations why = explanations(facts);
    html += "<ol>";
    for (const rules::GameReview::Missed& missed : facts.review.missed()) {
        html += "<li><p>" + text(missed.question) + "<br><b>" +
                ReviewWindow::tr("正確答案：%1").arg(text(missed.rightChoice)) + "</b>";
        if (const std::string reason = why.of(missed.number); !reason.empty())
            html += "<br>" + text(reason);
        html += "</p></li>";
    }
    return html + "</ol>";
}

QString landedSection(const ReviewFacts& facts) {
    QString habits, risks;
    for (const rules::GameReview::Landed& landed : facts.review.landed()) {
        const QString item = "<li>" +
                             QString("%1%2 ").arg(landed.points > 0 ? "+" : "").arg(landed.points) +
                             text(landed.message) + "</li>";
        (landed.points > 0 ? habits : risks) += item;
    }
    const QString none = "<p>" + ReviewWindow::tr("沒有。") + "</p>";
    return "<h2>" + ReviewWindow::tr("健康習慣 (Healthy habits)") + "</h2>" +
           (habits.isEmpty() ? none : "<ul>" + habits + "</ul>") + "<h2>" +
           ReviewWindow::tr("風險因素 (Risks)") + "</h2>" +
           (risks.isEmpty() ? none : "<ul>" + risks + "</ul>");
}

QString learnMoreSection(const ReviewFacts& facts) {
    const QString info = facts.infoCenter.toString();
    const std::pair<const char*, QString> sections[] = {
        {"what-title", ReviewWindow::tr("甚麼是冠心病 (What it is)")},
        {"risks-title", ReviewWindow::tr("風險因素 (Risk factors)")},
        {"signs-title", ReviewWindow::tr("警告徵狀 (Warning signs)")},
        {"prevention-title", ReviewWindow::tr("預防 (Prevention)")}};
    QString html = "<h2>" + ReviewWindow::tr("資訊中心 (Info Center)") + "</h2><ul>";
    for (const auto& [anchor, name] : sections)
        html +=
            "<li><a href=\"" + (info + "#" + anchor).toHtmlEscaped() + "\">" + name + "</a></li>";
    return html + "</ul>";
}

QString bestGamesSection(const ReviewFacts& facts) {
    QString html = "<h2>" + ReviewWindow::tr("這部電腦上的最佳成績 (Best games)") + "</h2>";
    if (facts.bestGames.empty())
        return html;
    html += "<table border=\"1\" cellpadding=\"3\"><tr><th>" + ReviewWindow::tr("日期 (Date)") +
            "</th><th>" + ReviewWindow::tr("分數 (Score)") + "</th><th>" +
            ReviewWindow::tr("結果 (Result)") + "</th><th>" + ReviewWindow::tr("答對 (Right)") +
            "</th></tr>";
    for (const rules::GameRecord& game : facts.bestGames)
        html += "<tr><td>" + text(game.date) + "</td><td align=\"right\">" +
                QString::number(game.score) + "</td><td>" +
                (game.won ? ReviewWindow::tr("贏 (Won)") : ReviewWindow::tr("輸 (Lost)")) +
                "</td><td>" + QString("%1/%2").arg(game.answersRight).arg(game.answersGiven) +
                "</td></tr>";
    return html + "</table>";
}

} // namespace

ReviewWindow::ReviewWindow(const ReviewFacts& facts, Links& links, rules::EventLog& log,
                           QWidget& endWindow)
    : QWidget(&endWindow, Qt::Window), links_(links), page_(new QTextBrowser(this)) {
    setObjectName("reviewWindow");
    setWindowTitle(tr("回顧 (Review)"));
    setAttribute(Qt::WA_DeleteOnClose);
    page_->setObjectName("reviewPage");
    page_->setAccessibleName(tr("回顧 (Review)"));
    page_->setOpenLinks(false);
    page_->setHtml(pageHtml(facts));
    connect(page_, &QTextBrowser::anchorClicked, this,
            [this](const QUrl& address) { links_.open(this, address); });
    auto* close = new QPushButton(tr("關閉 (Close)"), this);
    close->setObjectName("closeReview");
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(page_);
    layout->addWidget(close, 0, Qt::AlignRight);
    resize(520, 560);
    log.write("review", {rules::EventLog::field(
                            "missed", static_cast<long long>(facts.review.missed().size()))});
}

QString ReviewWindow::pageHtml(const ReviewFacts& facts) {
    return resultSection(facts) + missedSection(facts) + landedSection(facts) +
           learnMoreSection(facts) + bestGamesSection(facts);
}

void ReviewWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace tavrin
