#include "platform/desktop.h"

#include <QDesktopServices>
#include <QFileInfo>

namespace tavrin {

bool Desktop::openAddress(const QUrl& address) {
    // A missing page would open a browser's error page, or nothing at all, while the desktop
    // reports the opener started.
    if (address.isLocalFile() && !QFileInfo(address.toLocalFile()).isFile())
        return false;
    if (opener)
        return opener(address);
    return QDesktopServices::openUrl(address);
}

} // namespace tavrin
