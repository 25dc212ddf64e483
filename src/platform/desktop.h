#pragma once

#include <QString>
#include <functional>

namespace tavrin {

// Hands web and mail addresses to the desktop's default programs. Failures are ignored: the
// game goes on whether or not a browser opened. Tests record addresses through `opener`.
class Desktop {
public:
    void openAddress(const QString& address);

    std::function<void(const QString&)> opener;
};

} // namespace tavrin
