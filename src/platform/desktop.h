#pragma once

#include <QUrl>
#include <functional>

namespace tavrin {

// Hands web pages, local pages and mail addresses to the desktop's default programs. Tests
// stand in for the desktop through `opener`.
class Desktop {
public:
    // False when the desktop could not open it (no browser, no handler for the address) or
    // when it is a local page that is not there.
    bool openAddress(const QUrl& address);

    std::function<bool(const QUrl&)> opener;
};

} // namespace tavrin
