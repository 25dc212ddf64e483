#pragma once

#include <QUrl>
#include <QWidget>
#include <vector>

class QComboBox;
class QPushButton;
class QTextBrowser;

namespace tavrin {

class FindBar;
class GameScreen;
class Links;
class WindowRegistry;

// The game's own reader for its shipped pages (help, Info Center): back and forward, a list
// of the page's sections to jump to, and a find row (Ctrl+F). Links between the pages stay
// here; links out of them (sources, e-mail) go to the desktop. F1 and F2 show the help and
// the Info Center, as in the game; Esc closes it.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    // It opens beside the game's windows, on the game's screen; its links go through `links`.
    HelpWindow(Links& links, const GameScreen& screen, const WindowRegistry& windows,
               QWidget* parent);

    // Shows a page that is there, in the help window of the game window `near` (opened now if
    // it has none). False, and nothing shown, when the page is missing.
    static bool showPage(Links& links, const GameScreen& screen, const WindowRegistry& windows,
                         QWidget* near, const QUrl& page);

    void open(const QUrl& page);
    void jumpToSection(int index);

    QTextBrowser& browser() const { return *browser_; }
    FindBar& findBar() const { return *findBar_; }
    QComboBox& sections() const { return *sections_; }
    QPushButton& backButton() const { return *back_; }
    QPushButton& forwardButton() const { return *forward_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QPushButton* addButton(const QString& name, const QString& text);
    void followLink(const QUrl& link);
    void pageShown();
    void placeBesideGame();

    Links& links_;
    const GameScreen& screen_;
    const WindowRegistry& windows_;
    QTextBrowser* browser_;
    FindBar* findBar_;
    QComboBox* sections_;
    QPushButton* back_;
    QPushButton* forward_;
    std::vector<int> sectionStarts_; // where each listed section's heading is in the page
};

} // namespace tavrin
