#include "platform/link_opener.h"

#include <QProcess>
#include <QTimer>

namespace tavrin {

void LinkOpener::open(QObject& owner, const QString& program, const QUrl& address, Done done) {
    new LinkOpener(owner, program, address, std::move(done));
}

LinkOpener::LinkOpener(QObject& owner, const QString& program, const QUrl& address, Done done)
    : QObject(&owner), process_(new QProcess(this)), done_(std::move(done)) {
    // The opener's chatter ("no method available") is not the game's to print.
    process_->setStandardOutputFile(QProcess::nullDevice());
    process_->setStandardErrorFile(QProcess::nullDevice());
    process_->setStandardInputFile(QProcess::nullDevice());
    connect(process_, &QProcess::finished, this, [this](int code, QProcess::ExitStatus status) {
        finish(status == QProcess::NormalExit && code == 0);
        deleteLater();
    });
    connect(process_, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart) {
            finish(false);
            deleteLater();
        }
    });
    QTimer::singleShot(kPatienceMs, this, [this] { finish(true); });
    // Started from the event loop, so that `done` never runs inside the caller.
    QTimer::singleShot(0, this, [this, program, address] {
        process_->start(program, {QString::fromLatin1(address.toEncoded())});
    });
}

void LinkOpener::finish(bool opened) {
    if (!done_)
        return; // told already
    const Done done = std::move(done_);
    done_ = nullptr;
    done(opened);
}

} // namespace tavrin
