#include "platform/clipboard_owner.h"

#include "platform/xcb_atoms.h"

#include <QDeadlineTimer>
#include <QGuiApplication>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <poll.h>
#include <xcb/xcb.h>

namespace tavrin {
namespace {

using Connection = std::unique_ptr<xcb_connection_t, decltype(&xcb_disconnect)>;
using xcb::atom;

bool hasOwner(xcb_connection_t* connection, xcb_atom_t selection) {
    const xcb::Reply<xcb_get_selection_owner_reply_t> reply(
        xcb_get_selection_owner_reply(connection, xcb_get_selection_owner(connection, selection),
                                      nullptr),
        &std::free);
    return reply && reply->owner != XCB_NONE;
}

// Waits for the owner's answer (a SelectionNotify, whatever it says) until the deadline.
bool answered(xcb_connection_t* connection, QDeadlineTimer deadline) {
    pollfd fd{xcb_get_file_descriptor(connection), POLLIN, 0};
    while (!deadline.hasExpired()) {
        while (xcb_generic_event_t* event = xcb_poll_for_event(connection)) {
            const bool notify = (event->response_type & 0x7F) == XCB_SELECTION_NOTIFY;
            std::free(event);
            if (notify)
                return true;
        }
        if (xcb_connection_has_error(connection) ||
            ::poll(&fd, 1, static_cast<int>(deadline.remainingTime())) < 0)
            return false;
    }
    return false;
}

} // namespace

bool clipboardOwnerAnswers(QClipboard::Mode mode, int timeoutMs) {
    const QClipboard* clipboard = QGuiApplication::clipboard();
    if (QGuiApplication::platformName() != "xcb" ||
        (mode == QClipboard::Clipboard ? clipboard->ownsClipboard() : clipboard->ownsSelection()))
        return true;
    const QDeadlineTimer deadline(timeoutMs);
    const Connection connection(xcb_connect(nullptr, nullptr), &xcb_disconnect);
    if (xcb_connection_has_error(connection.get()))
        return true; // Qt asks on its own connection, which works
    xcb_connection_t* c = connection.get();
    const xcb_atom_t selection =
        mode == QClipboard::Clipboard ? atom(c, "CLIPBOARD") : xcb_atom_t{XCB_ATOM_PRIMARY};
    if (!hasOwner(c, selection))
        return true;
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    const xcb_window_t window = xcb_generate_id(c);
    xcb_create_window(c, XCB_COPY_FROM_PARENT, window, screen->root, 0, 0, 1, 1, 0,
                      XCB_WINDOW_CLASS_INPUT_ONLY, screen->root_visual, 0, nullptr);
    xcb_convert_selection(c, window, selection, atom(c, "TARGETS"), atom(c, "TAVRIN_TARGETS"),
                          XCB_CURRENT_TIME);
    xcb_flush(c);
    return answered(c, deadline); // the window goes with the connection
}

} // namespace tavrin
