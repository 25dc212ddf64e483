#include "platform/desktop.h"

#include "platform/link_opener.h"

#include <QFileInfo>

namespace tavrin {

void Desktop::openAddress(const QUrl& address, Done done) {
    // A missing page would open a browser's error page, or nothing at all, while the opener
    // reports success.
    if (address.isLocalFile() && !QFileInfo(address.toLocalFile()).isFile()) {
        done(false);
        return;
    }
    if (opener) {
        done(opener(address));
        return;
    }
    LinkOpener::open(running_, program, address, std::move(done));
}

} // namespace tavrin
