#include "windows/links.h"

#include "platform/config.h"
#include "windows/app_context.h"
#include "windows/help_window.h"

#include <QCoreApplication>
#include <QPointer>

namespace tavrin {
namespace {

const char* const kCannotOpen =
    QT_TRANSLATE_NOOP("links", "無法開啟以下網址 (Cannot open this address):");
const char* const kPageMissing =
    QT_TRANSLATE_NOOP("links", "遊戲的檔案中沒有這一頁 (This page is missing from the game):");

void logLink(AppContext& ctx, const QUrl& address, bool opened) {
    ctx.log.write("link", {rules::EventLog::field("address", address.toEncoded().toStdString()),
                           rules::EventLog::field("opened", opened ? 1 : 0)});
}

// The address is shown so that it can be copied, and the game goes on.
void tellNotOpened(AppContext& ctx, QWidget* parent, const char* sentence, const QString& what) {
    ctx.messages.show(parent, QCoreApplication::translate("links", sentence) + "\n\n" + what,
                      "Tavrin", MessageBoxes::Buttons::Ok);
}

} // namespace

QUrl infoCenterAddress(const AppContext& ctx) {
    return QUrl::fromLocalFile(ctx.pagePath("info"));
}

QUrl helpAddress(const AppContext& ctx) {
    return QUrl::fromLocalFile(ctx.pagePath("help"));
}

QUrl homeAddress(const AppContext& ctx) {
    const QString home = QString::fromUtf8(config::homePage());
    return home.isEmpty() ? helpAddress(ctx) : QUrl(home);
}

QUrl searchAddress() {
    return QUrl(QString::fromUtf8(config::searchUrl()) + config::kSearchPhrase);
}

QUrl emailAddress() {
    const QString email = QString::fromUtf8(config::email());
    return email.isEmpty() ? QUrl() : QUrl("mailto:" + email);
}

void openLink(AppContext& ctx, QWidget* parent, const QUrl& address) {
    if (address.isLocalFile()) {
        const bool shown = HelpWindow::showPage(ctx, parent, address);
        logLink(ctx, address, shown);
        if (!shown)
            tellNotOpened(ctx, parent, kPageMissing, address.toLocalFile());
        return;
    }
    ctx.desktop.openAddress(
        address, [&ctx, asker = QPointer<QWidget>(parent), address](bool opened) {
            logLink(ctx, address, opened);
            if (!opened)
                tellNotOpened(ctx, asker, kCannotOpen, QString::fromLatin1(address.toEncoded()));
        });
}

} // namespace tavrin
