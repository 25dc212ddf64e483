#include "windows/links.h"

#include "platform/config.h"
#include "windows/app_context.h"

#include <QCoreApplication>

namespace tavrin {
namespace {

const char* const kCannotOpen =
    QT_TRANSLATE_NOOP("links", "無法開啟以下網址 (Cannot open this address):");

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
    const bool opened = ctx.desktop.openAddress(address);
    ctx.log.write("link", {rules::EventLog::field("address", address.toEncoded().toStdString()),
                           rules::EventLog::field("opened", opened ? 1 : 0)});
    if (!opened)
        ctx.messages.show(parent,
                          QCoreApplication::translate("links", kCannotOpen) + "\n\n" +
                              QString::fromLatin1(address.toEncoded()),
                          "Tavrin", MessageBoxes::Buttons::Ok);
}

} // namespace tavrin
