#pragma once

#include <thread>

namespace tavrin {

// Qt connects to the D-Bus session bus (to offer the windows to assistive technology) the first
// time a widget's text is set, and the UI thread waits for the connection. Where no bus runs
// yet, in an X session without a desktop or on a test server, D-Bus starts one for the display
// first (dbus-launch), which takes several milliseconds. Made once the application exists,
// this connects on a thread of its own while the start window is built; Qt then finds the
// connection made, or being made. It must go before the application does.
class SessionBusWarmUp {
public:
    SessionBusWarmUp();
    ~SessionBusWarmUp(); // waits for the thread
    SessionBusWarmUp(const SessionBusWarmUp&) = delete;
    SessionBusWarmUp& operator=(const SessionBusWarmUp&) = delete;

private:
    std::thread thread_;
};

} // namespace tavrin
