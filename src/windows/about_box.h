#pragma once

#include <QDialog>
#include <QString>

class QTabWidget;

namespace tavrin {

class AppContext;

// The program's version and what it is.
QString aboutText();
// Who made it and what it is made with, one line each.
QString creditsText();
// A shipped licence's full text, or one line saying that its file is missing.
QString licenceText(const QString& path);

// About Tavrin: the program, the credits and the two licences' texts in tabs, read-only. Esc
// and the close box close it; the game goes on meanwhile.
class AboutWindow : public QDialog {
    Q_OBJECT
public:
    // `licenceFolder` holds GPL-3.0-or-later.txt and CC-BY-SA-4.0.txt.
    AboutWindow(const QString& licenceFolder, QWidget* parent);

    // The tab's plain text by its object name (about, credits, GPL-3.0-or-later, CC-BY-SA-4.0).
    QString tabText(const QString& name) const;

private:
    void addTab(const QString& name, const QString& title, const QString& text);

    QTabWidget* tabs_;
};

// Opens the window over `parent`, or raises the one already open.
void showAboutBox(AppContext& ctx, QWidget* parent);

} // namespace tavrin
