#include "windows/links.h"

#include "platform/config.h"
#include "platform/desktop.h"
#include "platform/message_boxes.h"
#include "rules/event_log.h"
#include "windows/help_window.h"

#include <QCoreApplication>
#include <QDir>
#include <QPointer>

namespace tavrin {
namespace {

const char* const kCannotOpen =
    QT_TRANSLATE_NOOP("links", "無法開啟以下網址 (Cannot open this address):");
const char* const kPageMissing =
    QT_TRANSLATE_NOOP("links", "遊戲的檔案中沒有這一頁 (This page is missing from the game):");

} // namespace

QUrl searchAddress() {
    return QUrl(QString::fromUtf8(config::searchUrl()) + config::kSearchPhrase);
}

QUrl emailAddress() {
    const QString email = QString::fromUtf8(config::email());
    return email.isEmpty() ? QUrl() : QUrl("mailto:" + email);
}

Links::Links(Desktop& desktop, rules::EventLog& log, MessageBoxes& messages,
             const QString& dataRoot, QString language, Places places)
    : desktop_(desktop), log_(log), messages_(messages), dataRoot_(dataRoot),
      language_(std::move(language)), places_(places) {}

QUrl Links::page(const QString& name) const {
    return QUrl::fromLocalFile(
        QDir(dataRoot_).filePath("pages/" + name + "-" + language_ + ".html"));
}

QUrl Links::infoCenter() const {
    return page("info");
}

QUrl Links::help() const {
    return page("help");
}

QUrl Links::home() const {
    const QString home = QString::fromUtf8(config::homePage());
    return home.isEmpty() ? help() : QUrl(home);
}

void Links::open(QWidget* parent, const QUrl& address) {
    if (address.isLocalFile()) {
        const bool shown =
            HelpWindow::showPage(*this, places_.screen, places_.windows, parent, address);
        logLink(address, shown);
        if (!shown)
            tellNotOpened(parent, kPageMissing, address.toLocalFile());
        return;
    }
    desktop_.openAddress(address, [this, asker = QPointer<QWidget>(parent), address](bool opened) {
        logLink(address, opened);
        if (!opened)
            tellNotOpened(asker, kCannotOpen, QString::fromLatin1(address.toEncoded()));
    });
}

void Links::logLink(const QUrl& address, bool opened) {
    log_.write("link", {rules::EventLog::field("address", address.toEncoded().toStdString()),
                        rules::EventLog::field("opened", opened ? 1 : 0)});
}

// The address is shown so that it can be copied, and the game goes on.
void Links::tellNotOpened(QWidget* parent, const char* sentence, const QString& what) {
    messages_.show(parent, QCoreApplication::translate("links", sentence) + "\n\n" + what, "Tavrin",
                   MessageBoxes::Buttons::Ok);
}

} // namespace tavrin
