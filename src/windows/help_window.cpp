#include "windows/help_window.h"

#include "windows/find_bar.h"
#include "windows/game_screen.h"
#include "windows/game_window.h"
#include "windows/links.h"
#include "windows/window_registry.h"

#include <QAbstractTextDocumentLayout>
#include <QComboBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QTextBlock>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <algorithm>

namespace tavrin {
namespace {

bool isPageThere(const QUrl& address) {
    return address.isLocalFile() && QFileInfo(address.toLocalFile()).isFile();
}

// Each game window keeps one help window, so that its back and forward stay with it.
HelpWindow& helpWindowOf(Links& links, const GameScreen& screen, const WindowRegistry& windows,
                         QWidget* near) {
    QWidget* owner = near ? near->window() : nullptr;
    if (auto* itself = qobject_cast<HelpWindow*>(owner))
        return *itself;
    if (owner)
        if (auto* kept = owner->findChild<HelpWindow*>(QString(), Qt::FindDirectChildrenOnly))
            return *kept;
    auto* window = new HelpWindow(links, screen, windows, owner);
    if (!owner)
        window->setAttribute(Qt::WA_DeleteOnClose);
    return *window;
}

} // namespace

HelpWindow::HelpWindow(Links& links, const GameScreen& screen, const WindowRegistry& windows,
                       QWidget* parent)
    : QWidget(parent, Qt::Window), links_(links), screen_(screen), windows_(windows),
      browser_(new QTextBrowser(this)), findBar_(new FindBar(*browser_, this)),
      sections_(new QComboBox(this)) {
    setObjectName("helpWindow");
    back_ = addButton("back", tr("上一頁 (Back)"));
    forward_ = addButton("forward", tr("下一頁 (Forward)"));
    back_->setShortcut(QKeySequence::Back);
    forward_->setShortcut(QKeySequence::Forward);
    back_->setEnabled(false);
    forward_->setEnabled(false);
    auto* sectionsLabel = new QLabel(tr("章節 (Sections):"), this);
    sectionsLabel->setTextFormat(Qt::PlainText);
    sectionsLabel->setBuddy(sections_);
    sections_->setObjectName("sections");
    sections_->setAccessibleName(tr("章節 (Sections)"));
    sections_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    sections_->setMinimumContentsLength(10);
    QPushButton* find = addButton("find", tr("尋找 (Find)"));
    find->setShortcut(QKeySequence::Find);
    QPushButton* close = addButton("close", tr("關閉 (Close)"));

    auto* tools = new QHBoxLayout;
    tools->addWidget(back_);
    tools->addWidget(forward_);
    tools->addSpacing(12);
    tools->addWidget(sectionsLabel);
    tools->addWidget(sections_, 1);
    tools->addWidget(find);
    tools->addWidget(close);
    auto* column = new QVBoxLayout(this);
    column->addLayout(tools);
    column->addWidget(browser_, 1);
    column->addWidget(findBar_);

    browser_->setObjectName("page");
    // Every link is looked at first: only the game's own pages open in here.
    browser_->setOpenLinks(false);
    connect(browser_, &QTextBrowser::anchorClicked, this, &HelpWindow::followLink);
    connect(browser_, &QTextBrowser::sourceChanged, this, &HelpWindow::pageShown);
    connect(browser_, &QTextBrowser::backwardAvailable, back_, &QPushButton::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QPushButton::setEnabled);
    connect(back_, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward_, &QPushButton::clicked, browser_, &QTextBrowser::forward);
    connect(sections_, &QComboBox::activated, this, &HelpWindow::jumpToSection);
    connect(find, &QPushButton::clicked, findBar_, &FindBar::open);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
}

bool HelpWindow::showPage(Links& links, const GameScreen& screen, const WindowRegistry& windows,
                          QWidget* near, const QUrl& page) {
    if (!isPageThere(page))
        return false;
    helpWindowOf(links, screen, windows, near).open(page);
    return true;
}

void HelpWindow::open(const QUrl& page) {
    if (!isVisible())
        placeBesideGame();
    if (browser_->source() != page)
        browser_->setSource(page);
    show();
    raise();
    activateWindow();
    browser_->setFocus(Qt::OtherFocusReason);
}

QPushButton* HelpWindow::addButton(const QString& name, const QString& text) {
    auto* button = new QPushButton(text, this);
    button->setObjectName(name);
    button->setAccessibleName(text);
    button->setAutoDefault(false);
    return button;
}

// The pages' own links (the other page, another language, a section) stay in the window;
// anything else is the desktop's, or a page that is missing, which openLink reports.
void HelpWindow::followLink(const QUrl& link) {
    const QUrl target = browser_->source().resolved(link);
    if (isPageThere(target))
        browser_->setSource(target);
    else
        links_.open(this, target);
}

void HelpWindow::pageShown() {
    const QString title = browser_->documentTitle();
    setWindowTitle(title.isEmpty() ? QFileInfo(browser_->source().path()).fileName() : title);
    browser_->setAccessibleName(windowTitle());
    sections_->clear();
    sectionStarts_.clear();
    for (QTextBlock block = browser_->document()->begin(); block.isValid(); block = block.next())
        if (block.blockFormat().headingLevel() == 2) {
            sections_->addItem(block.text().simplified());
            sectionStarts_.push_back(block.position());
        }
    sections_->setEnabled(!sectionStarts_.empty());
}

// The section's heading goes to the top of the page, with the keyboard's place at it.
void HelpWindow::jumpToSection(int index) {
    if (index < 0 || index >= int(sectionStarts_.size()))
        return;
    const QTextBlock heading = browser_->document()->findBlock(sectionStarts_[index]);
    browser_->setTextCursor(QTextCursor(heading));
    const QRectF place = browser_->document()->documentLayout()->blockBoundingRect(heading);
    browser_->verticalScrollBar()->setValue(qRound(place.top()));
    browser_->setFocus(Qt::OtherFocusReason);
}

// F1 and F2 lead to the same pages as on the playing screen; Esc closes.
void HelpWindow::keyPressEvent(QKeyEvent* event) {
    if (event->modifiers() != Qt::NoModifier)
        QWidget::keyPressEvent(event);
    else if (event->key() == Qt::Key_F1)
        links_.open(this, links_.help());
    else if (event->key() == Qt::Key_F2)
        links_.open(this, links_.infoCenter());
    else if (event->key() == Qt::Key_Escape)
        close();
    else
        QWidget::keyPressEvent(event);
}

// The keys go back to the game window the help was opened from.
void HelpWindow::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    if (QWidget* game = parentWidget(); game && game->isVisible())
        game->activateWindow();
}

// Beside the game's windows where the screen has room, so that the board and its shields stay
// in view; where it has too little, on the wider side, as narrow as still reads well.
void HelpWindow::placeBesideGame() {
    const QRect area = screen_.screen()->availableGeometry();
    QRect game;
    for (const GameWindow* window : windows_.loaded())
        if (window->isVisible())
            game |= window->frameGeometry();
    const int height = std::min(640, area.height() * 9 / 10);
    if (game.isEmpty()) {
        const QSize size(std::min(760, area.width() * 9 / 10), height);
        setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size, area));
        return;
    }
    const int roomRight = area.right() - game.right();
    const int roomLeft = game.left() - area.left();
    const int narrowest = std::max(480, minimumSizeHint().width());
    const int width = std::min({760, std::max({roomRight, roomLeft, narrowest}), area.width()});
    const int x =
        roomRight >= roomLeft
            ? std::max(area.left(), std::min(game.right() + 1, area.right() + 1 - width))
            : std::min(area.right() + 1 - width, std::max(area.left(), game.left() - width));
    const int y = std::clamp(game.top(), area.top(), area.bottom() + 1 - height);
    setGeometry(x, y, width, height);
}

} // namespace tavrin
