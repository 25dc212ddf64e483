#include "platform/desktop.h"

#include <QDesktopServices>

namespace tavrin {

bool Desktop::openAddress(const QUrl& address) {
    if (opener)
        return opener(address);
    return QDesktopServices::openUrl(address);
}

} // namespace tavrin
