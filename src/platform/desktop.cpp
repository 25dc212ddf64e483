#include "platform/desktop.h"

#include <QDesktopServices>
#include <QUrl>

namespace tavrin {

void Desktop::openAddress(const QString& address) {
    if (opener) {
        opener(address);
        return;
    }
    QDesktopServices::openUrl(QUrl(address));
}

} // namespace tavrin
