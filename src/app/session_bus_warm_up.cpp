#include "app/session_bus_warm_up.h"

#include <QDBusConnection>

namespace tavrin {

// Qt keeps one connection to the session bus for the whole program, whichever thread asks.
SessionBusWarmUp::SessionBusWarmUp() : thread_([] { QDBusConnection::sessionBus(); }) {}

SessionBusWarmUp::~SessionBusWarmUp() {
    thread_.join();
}

} // namespace tavrin
