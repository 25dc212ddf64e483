#pragma once

#include <QString>
#include <QUrl>

class QWidget;

namespace tavrin {

class Desktop;
class GameScreen;
class MessageBoxes;
class WindowRegistry;

namespace rules {
class EventLog;
}

// A web search for the exact phrase "coronary heart disease".
QUrl searchAddress();
// A mail to the address the game was built with; empty when it was built without one.
QUrl emailAddress();

// Where the status strip's shields and the end window's links lead, and how they open. The
// Info Center and the help page are shipped with the game, in its language, and show in the
// game's help window; any other address goes to the desktop's default program. A missing page,
// or an address the desktop cannot open, is shown in a message box, and the game goes on.
class Links {
public:
    struct Places {
        const GameScreen& screen;
        const WindowRegistry& windows; // help opens beside the game's windows
    };
    // The pages are in the `pages` folder of `dataRoot`, which is read at each opening.
    Links(Desktop& desktop, rules::EventLog& log, MessageBoxes& messages, const QString& dataRoot,
          QString language, Places places);

    QUrl infoCenter() const;
    QUrl help() const;
    // The project's home or licence page as built; the help page when none was given.
    QUrl home() const;

    void open(QWidget* parent, const QUrl& address);

private:
    QUrl page(const QString& name) const;
    void logLink(const QUrl& address, bool opened);
    void tellNotOpened(QWidget* parent, const char* sentence, const QString& what);

    Desktop& desktop_;
    rules::EventLog& log_;
    MessageBoxes& messages_;
    const QString& dataRoot_;
    QString language_;
    Places places_;
};

} // namespace tavrin
