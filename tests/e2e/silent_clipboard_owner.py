#!/usr/bin/env python3
"""Takes the X clipboard and selection and never answers a request for them, as a hung program
would. Prints "owned" once the server has made it the owner, then sleeps until killed.
Run: silent_clipboard_owner.py   (on $DISPLAY)
"""

import ctypes
import time

xcb = ctypes.CDLL("libxcb.so.1")
P, U32 = ctypes.c_void_p, ctypes.c_uint32
xcb.xcb_connect.restype = xcb.xcb_get_setup.restype = P
xcb.xcb_get_setup.argtypes = [P]
xcb.xcb_generate_id.argtypes = [P]
xcb.xcb_generate_id.restype = U32
# xcb_setup_roots_iterator gives {screen pointer, rem, index}; a screen starts with its root.
xcb.xcb_setup_roots_iterator.restype = ctypes.POINTER(U32)
xcb.xcb_setup_roots_iterator.argtypes = [P]
# A cookie is one unsigned int, returned and passed by value; the reply's atom is its 3rd word.
xcb.xcb_intern_atom.restype = ctypes.c_uint
xcb.xcb_intern_atom.argtypes = [P, ctypes.c_uint8, ctypes.c_uint16, ctypes.c_char_p]
xcb.xcb_intern_atom_reply.restype = ctypes.POINTER(U32)
xcb.xcb_intern_atom_reply.argtypes = [P, ctypes.c_uint, P]
xcb.xcb_create_window.argtypes = [P, ctypes.c_uint8, U32, U32] + [ctypes.c_int16] * 2 + \
    [ctypes.c_uint16] * 4 + [U32, U32, P]
xcb.xcb_set_selection_owner.argtypes = [P, U32, U32, U32]


def atom(connection, name):
    return xcb.xcb_intern_atom_reply(
        connection, xcb.xcb_intern_atom(connection, 0, len(name), name), None)[2]


connection = xcb.xcb_connect(None, None)
root = xcb.xcb_setup_roots_iterator(xcb.xcb_get_setup(connection))[0]
window = xcb.xcb_generate_id(connection)
xcb.xcb_create_window(connection, 0, window, root, 0, 0, 1, 1, 0, 2, 0, 0, None)  # input only
for selection in (atom(connection, b"CLIPBOARD"), 1):  # 1: PRIMARY
    xcb.xcb_set_selection_owner(connection, window, selection, 0)
atom(connection, b"CLIPBOARD")  # a round trip: the ownership is made
print("owned", flush=True)
while True:
    time.sleep(60)
