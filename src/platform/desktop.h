#pragma once

#include <QObject>
#include <QString>
#include <QUrl>
#include <functional>

namespace tavrin {

// Hands web pages, local files and mail addresses to the desktop's opener program. Tests
// stand in for the desktop through `opener`.
class Desktop {
public:
    using Done = std::function<void(bool opened)>;

    // Tells `done` whether the desktop opened the address: false when there is no opener,
    // when it fails (no browser, no handler for the address), or when the address is a local
    // file that is not there. The opener runs beside the game: its answer comes later.
    void openAddress(const QUrl& address, Done done);

    std::function<bool(const QUrl&)> opener;
    QString program = "xdg-open";

private:
    // Openers still running; an answer that comes after the game has gone is not heard.
    QObject running_;
};

} // namespace tavrin
