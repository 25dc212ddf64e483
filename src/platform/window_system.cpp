#include "platform/window_system.h"

#include "platform/xcb_atoms.h"

#include <QGuiApplication>
#include <QWidget>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>
#include <xcb/xcb.h>

namespace tavrin {
namespace {

using xcb::atom;

std::vector<xcb_atom_t> atomList(xcb_connection_t* connection, xcb_window_t window,
                                 xcb_atom_t property) {
    const xcb::Reply<xcb_get_property_reply_t> reply(
        xcb_get_property_reply(
            connection, xcb_get_property(connection, 0, window, property, XCB_ATOM_ATOM, 0, 1024),
            nullptr),
        &std::free);
    if (!reply || reply->type != XCB_ATOM_ATOM || reply->format != 32)
        return {};
    const auto* first = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply.get()));
    return {first, first + xcb_get_property_value_length(reply.get()) / sizeof(xcb_atom_t)};
}

xcb_connection_t* x11Connection() {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr; // null off X (offscreen, Wayland)
}

// The window an EWMH window manager announces itself with on the root window, or none.
xcb_window_t windowManagerCheckWindow(xcb_connection_t* connection) {
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const xcb::Reply<xcb_get_property_reply_t> reply(
        xcb_get_property_reply(connection,
                               xcb_get_property(connection, 0, root,
                                                atom(connection, "_NET_SUPPORTING_WM_CHECK"),
                                                XCB_ATOM_WINDOW, 0, 1),
                               nullptr),
        &std::free);
    if (!reply || reply->type != XCB_ATOM_WINDOW || xcb_get_property_value_length(reply.get()) < 4)
        return XCB_WINDOW_NONE;
    return *static_cast<const xcb_window_t*>(xcb_get_property_value(reply.get()));
}

} // namespace

bool windowsCanBePlaced() {
    return !QGuiApplication::platformName().startsWith("wayland");
}

void keepOffTaskbar(QWidget& window) {
    xcb_connection_t* connection = x11Connection();
    if (!connection)
        return;
    const auto id = static_cast<xcb_window_t>(window.winId());
    const xcb_atom_t state = atom(connection, "_NET_WM_STATE");
    // Qt merges its own states into this property when it maps the window.
    std::vector<xcb_atom_t> states = atomList(connection, id, state);
    for (const char* name : {"_NET_WM_STATE_SKIP_TASKBAR", "_NET_WM_STATE_SKIP_PAGER"}) {
        const xcb_atom_t skip = atom(connection, name);
        if (std::find(states.begin(), states.end(), skip) == states.end())
            states.push_back(skip);
    }
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, state, XCB_ATOM_ATOM, 32,
                        static_cast<uint32_t>(states.size()), states.data());
    xcb_flush(connection);
}

void setOwner(QWidget& window, const QWidget* owner) {
    xcb_connection_t* connection = x11Connection();
    if (!connection)
        return;
    const auto id = static_cast<xcb_window_t>(window.winId());
    if (owner) {
        const auto ownerId = static_cast<xcb_window_t>(owner->winId());
        xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, XCB_ATOM_WM_TRANSIENT_FOR,
                            XCB_ATOM_WINDOW, 32, 1, &ownerId);
    } else {
        xcb_delete_property(connection, id, XCB_ATOM_WM_TRANSIENT_FOR);
    }
    xcb_flush(connection);
}

bool windowShapesShown() {
    xcb_connection_t* connection = x11Connection();
    if (!connection)
        return true; // offscreen, or a Wayland compositor
    const xcb_window_t manager = windowManagerCheckWindow(connection);
    if (manager == XCB_WINDOW_NONE)
        return true;
    const xcb::Reply<xcb_get_property_reply_t> reply(
        xcb_get_property_reply(connection,
                               xcb_get_property(connection, 0, manager,
                                                atom(connection, "_NET_WM_NAME"),
                                                atom(connection, "UTF8_STRING"), 0, 64),
                               nullptr),
        &std::free);
    if (!reply)
        return true;
    const auto* name = static_cast<const char*>(xcb_get_property_value(reply.get()));
    return std::string(name, xcb_get_property_value_length(reply.get())) != "Weston WM";
}

bool windowManagerRuns() {
    xcb_connection_t* connection = x11Connection();
    return connection && windowManagerCheckWindow(connection) != XCB_WINDOW_NONE;
}

} // namespace tavrin
