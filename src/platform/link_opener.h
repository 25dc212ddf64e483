#pragma once

#include <QObject>
#include <QString>
#include <QUrl>
#include <functional>

class QProcess;

namespace tavrin {

// Hands one address to the desktop's opener program and tells, once, whether it took it.
// The opener runs beside the game, which never waits for it. Its exit status decides: 0 means
// opened; any other status, a crash, or a program that cannot be started means not opened. An
// opener still running after `kPatienceMs` has handed the address to a program that shows it
// (some openers stay until the browser they started is closed): that counts as opened.
class LinkOpener : public QObject {
    Q_OBJECT
public:
    using Done = std::function<void(bool opened)>;
    static constexpr int kPatienceMs = 5000;

    // Starts `program address`; `done` is called from the event loop, never from here, and
    // not at all once `owner` is gone (the opener goes with it).
    static void open(QObject& owner, const QString& program, const QUrl& address, Done done);

private:
    LinkOpener(QObject& owner, const QString& program, const QUrl& address, Done done);
    void finish(bool opened);

    QProcess* process_;
    Done done_;
};

} // namespace tavrin
