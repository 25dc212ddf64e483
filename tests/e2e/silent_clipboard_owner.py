#!/usr/bin/env python3
"""Takes the X clipboard and selection and never answers a request for them, as a hung program
would.

Prints "owned" once the server has made it the owner, then sleeps until killed.
Run: silent_clipboard_owner.py   (on $DISPLAY)
"""

import ctypes
import time

xcb = ctypes.CDLL("libxcb.so.1")
xcb.xcb_connect.restype = ctypes.c_void_p
xcb.xcb_connect.argtypes = [ctypes.c_char_p, ctypes.c_void_p]
xcb.xcb_get_setup.restype = ctypes.c_void_p
xcb.xcb_get_setup.argtypes = [ctypes.c_void_p]


class ScreenIterator(ctypes.Structure):
    _fields_ = [("data", ctypes.POINTER(ctypes.c_uint32)), ("rem", ctypes.c_int),
                ("index", ctypes.c_int)]


class Cookie(ctypes.Structure):
    _fields_ = [("sequence", ctypes.c_uint)]


class AtomReply(ctypes.Structure):
    _fields_ = [("response_type", ctypes.c_uint8), ("pad", ctypes.c_uint8),
                ("sequence", ctypes.c_uint16), ("length", ctypes.c_uint32),
                ("atom", ctypes.c_uint32)]


xcb.xcb_setup_roots_iterator.restype = ScreenIterator
xcb.xcb_setup_roots_iterator.argtypes = [ctypes.c_void_p]
xcb.xcb_intern_atom.restype = Cookie
xcb.xcb_intern_atom.argtypes = [ctypes.c_void_p, ctypes.c_uint8, ctypes.c_uint16, ctypes.c_char_p]
xcb.xcb_intern_atom_reply.restype = ctypes.POINTER(AtomReply)
xcb.xcb_intern_atom_reply.argtypes = [ctypes.c_void_p, Cookie, ctypes.c_void_p]
xcb.xcb_generate_id.restype = ctypes.c_uint32
xcb.xcb_generate_id.argtypes = [ctypes.c_void_p]
xcb.xcb_create_window.argtypes = [ctypes.c_void_p, ctypes.c_uint8, ctypes.c_uint32,
                                  ctypes.c_uint32, ctypes.c_int16, ctypes.c_int16,
                                  ctypes.c_uint16, ctypes.c_uint16, ctypes.c_uint16,
                                  ctypes.c_uint16, ctypes.c_uint32, ctypes.c_uint32,
                                  ctypes.c_void_p]
xcb.xcb_set_selection_owner.argtypes = [ctypes.c_void_p, ctypes.c_uint32, ctypes.c_uint32,
                                        ctypes.c_uint32]


def atom(connection, name):
    reply = xcb.xcb_intern_atom_reply(
        connection, xcb.xcb_intern_atom(connection, 0, len(name), name), None)
    return reply.contents.atom


connection = xcb.xcb_connect(None, None)
root = xcb.xcb_setup_roots_iterator(xcb.xcb_get_setup(connection)).data[0]
window = xcb.xcb_generate_id(connection)
xcb.xcb_create_window(connection, 0, window, root, 0, 0, 1, 1, 0, 2, 0, 0, None)  # input only
PRIMARY = 1
for selection in (atom(connection, b"CLIPBOARD"), PRIMARY):
    xcb.xcb_set_selection_owner(connection, window, selection, 0)
atom(connection, b"CLIPBOARD")  # a round trip: the ownership is made
print("owned", flush=True)
while True:
    time.sleep(60)
