#pragma once

#include <cstdlib>
#include <cstring>
#include <memory>
#include <xcb/xcb.h>

namespace tavrin::xcb {

// A reply of the X server, freed as XCB asks.
template <class R> using Reply = std::unique_ptr<R, decltype(&std::free)>;

// The atom of a name, or XCB_ATOM_NONE when the server does not answer.
inline xcb_atom_t atom(xcb_connection_t* connection, const char* name) {
    const Reply<xcb_intern_atom_reply_t> reply(
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, std::strlen(name), name),
                              nullptr),
        &std::free);
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

} // namespace tavrin::xcb
