"""The few X11 calls the monkey needs, through ctypes on libX11 and libXtst: the game's
top-level windows as the window manager lists them, real input events (XTest), and the
window manager's liveness ping (_NET_WM_PING)."""

import ctypes
import ctypes.util
import select
import time

_x11 = ctypes.CDLL(ctypes.util.find_library("X11") or "libX11.so.6")
_xtst = ctypes.CDLL(ctypes.util.find_library("Xtst") or "libXtst.so.6")

Display = ctypes.c_void_p
Window = ctypes.c_ulong
Atom = ctypes.c_ulong

CLIENT_MESSAGE = 33
STRUCTURE_NOTIFY_MASK = 1 << 17
SUBSTRUCTURE_NOTIFY_MASK = 1 << 19
IS_VIEWABLE = 2


class ClientMessage(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong),
                ("send_event", ctypes.c_int), ("display", Display), ("window", Window),
                ("message_type", Atom), ("format", ctypes.c_int),
                ("data", ctypes.c_long * 5)]


class Event(ctypes.Union):
    _fields_ = [("type", ctypes.c_int), ("client", ClientMessage), ("pad", ctypes.c_long * 24)]


class WindowAttributes(ctypes.Structure):
    _fields_ = [("x", ctypes.c_int), ("y", ctypes.c_int), ("width", ctypes.c_int),
                ("height", ctypes.c_int), ("border_width", ctypes.c_int),
                ("depth", ctypes.c_int), ("visual", ctypes.c_void_p), ("root", Window),
                ("class", ctypes.c_int), ("bit_gravity", ctypes.c_int),
                ("win_gravity", ctypes.c_int), ("backing_store", ctypes.c_int),
                ("backing_planes", ctypes.c_ulong), ("backing_pixel", ctypes.c_ulong),
                ("save_under", ctypes.c_int), ("colormap", ctypes.c_ulong),
                ("map_installed", ctypes.c_int), ("map_state", ctypes.c_int),
                ("all_event_masks", ctypes.c_long), ("your_event_mask", ctypes.c_long),
                ("do_not_propagate_mask", ctypes.c_long), ("override_redirect", ctypes.c_int),
                ("screen", ctypes.c_void_p)]


_ERROR_HANDLER = ctypes.CFUNCTYPE(ctypes.c_int, Display, ctypes.c_void_p)

_x11.XOpenDisplay.restype = Display
_x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
_x11.XDefaultRootWindow.restype = Window
_x11.XDefaultRootWindow.argtypes = [Display]
_x11.XInternAtom.restype = Atom
_x11.XInternAtom.argtypes = [Display, ctypes.c_char_p, ctypes.c_int]
_x11.XSetErrorHandler.argtypes = [_ERROR_HANDLER]
_x11.XSelectInput.argtypes = [Display, Window, ctypes.c_long]
_x11.XSendEvent.argtypes = [Display, Window, ctypes.c_int, ctypes.c_long, ctypes.c_void_p]
_x11.XFlush.argtypes = [Display]
_x11.XSync.argtypes = [Display, ctypes.c_int]
_x11.XPending.argtypes = [Display]
_x11.XNextEvent.argtypes = [Display, ctypes.c_void_p]
_x11.XConnectionNumber.argtypes = [Display]
_x11.XGetWindowProperty.argtypes = [
    Display, Window, Atom, ctypes.c_long, ctypes.c_long, ctypes.c_int, Atom,
    ctypes.POINTER(Atom), ctypes.POINTER(ctypes.c_int), ctypes.POINTER(ctypes.c_ulong),
    ctypes.POINTER(ctypes.c_ulong), ctypes.POINTER(ctypes.c_void_p)]
_x11.XFree.argtypes = [ctypes.c_void_p]
_x11.XGetWindowAttributes.argtypes = [Display, Window, ctypes.POINTER(WindowAttributes)]
_x11.XTranslateCoordinates.argtypes = [
    Display, Window, Window, ctypes.c_int, ctypes.c_int, ctypes.POINTER(ctypes.c_int),
    ctypes.POINTER(ctypes.c_int), ctypes.POINTER(Window)]
_x11.XStringToKeysym.restype = ctypes.c_ulong
_x11.XStringToKeysym.argtypes = [ctypes.c_char_p]
_x11.XKeysymToKeycode.restype = ctypes.c_ubyte
_x11.XKeysymToKeycode.argtypes = [Display, ctypes.c_ulong]
_xtst.XTestFakeMotionEvent.argtypes = [Display, ctypes.c_int, ctypes.c_int, ctypes.c_int,
                                       ctypes.c_ulong]
_xtst.XTestFakeButtonEvent.argtypes = [Display, ctypes.c_uint, ctypes.c_int, ctypes.c_ulong]
_xtst.XTestFakeKeyEvent.argtypes = [Display, ctypes.c_uint, ctypes.c_int, ctypes.c_ulong]


class TopLevel:
    def __init__(self, wid, title, x, y, width, height):
        self.id, self.title = wid, title
        self.x, self.y, self.width, self.height = x, y, width, height

    def __repr__(self):
        return f"0x{self.id:x} '{self.title}' {self.width}x{self.height}+{self.x}+{self.y}"


class XDisplay:
    def __init__(self):
        self.dpy = _x11.XOpenDisplay(None)
        if not self.dpy:
            raise RuntimeError("cannot open the X display")
        # A window may vanish between two calls: that is no reason to stop.
        self._errors = 0

        def ignore(_dpy, _event):
            self._errors += 1
            return 0

        self._handler = _ERROR_HANDLER(ignore)
        _x11.XSetErrorHandler(self._handler)
        self.root = _x11.XDefaultRootWindow(self.dpy)
        # Answers to pings come to the root window, for the clients that listen to its
        # substructure (where window managers expect them) or, from Qt, its structure.
        _x11.XSelectInput(self.dpy, self.root, STRUCTURE_NOTIFY_MASK | SUBSTRUCTURE_NOTIFY_MASK)
        atom = lambda name: _x11.XInternAtom(self.dpy, name, 0)
        self.wm_protocols = atom(b"WM_PROTOCOLS")
        self.net_wm_ping = atom(b"_NET_WM_PING")
        self.client_list = atom(b"_NET_CLIENT_LIST_STACKING")
        self.wm_pid = atom(b"_NET_WM_PID")
        self.wm_name = atom(b"_NET_WM_NAME")
        self.utf8 = atom(b"UTF8_STRING")
        self._ping_stamp = 0

    def _property(self, window, prop, kind, length=1024):
        actual, fmt = Atom(), ctypes.c_int()
        count, after, data = ctypes.c_ulong(), ctypes.c_ulong(), ctypes.c_void_p()
        if _x11.XGetWindowProperty(self.dpy, window, prop, 0, length, 0, kind,
                                   ctypes.byref(actual), ctypes.byref(fmt),
                                   ctypes.byref(count), ctypes.byref(after),
                                   ctypes.byref(data)) != 0 or not data.value:
            return None
        try:
            if fmt.value == 32:
                return list((ctypes.c_ulong * count.value).from_address(data.value))
            return ctypes.string_at(data.value, count.value)
        finally:
            _x11.XFree(data)

    def windows_of(self, pid):
        """The viewable top-level windows of a process, bottom to top, with their client
        areas in screen pixels."""
        found = []
        for wid in self._property(self.root, self.client_list, 33) or []:  # XA_WINDOW
            if (self._property(wid, self.wm_pid, 6) or [None])[0] != pid:  # XA_CARDINAL
                continue
            attributes = WindowAttributes()
            if not _x11.XGetWindowAttributes(self.dpy, wid, ctypes.byref(attributes)):
                continue
            if attributes.map_state != IS_VIEWABLE:
                continue
            x, y, child = ctypes.c_int(), ctypes.c_int(), Window()
            _x11.XTranslateCoordinates(self.dpy, wid, self.root, 0, 0, ctypes.byref(x),
                                       ctypes.byref(y), ctypes.byref(child))
            name = self._property(wid, self.wm_name, self.utf8) or b""
            found.append(TopLevel(wid, name.decode("utf-8", "replace"), x.value, y.value,
                                  attributes.width, attributes.height))
        return found

    # --- input -------------------------------------------------------------------------

    def move(self, x, y):
        _xtst.XTestFakeMotionEvent(self.dpy, -1, int(x), int(y), 0)
        _x11.XFlush(self.dpy)

    def button(self, number, press):
        _xtst.XTestFakeButtonEvent(self.dpy, number, 1 if press else 0, 0)
        _x11.XFlush(self.dpy)

    def key(self, chord):
        """Presses and releases a chord such as "ctrl+shift+Insert" (xdotool's names)."""
        names = {"ctrl": "Control_L", "shift": "Shift_L", "alt": "Alt_L", "super": "Super_L"}
        codes = []
        for part in chord.split("+"):
            keysym = _x11.XStringToKeysym(names.get(part, part).encode())
            code = _x11.XKeysymToKeycode(self.dpy, keysym) if keysym else 0
            if not code:
                raise ValueError(f"no key {part}")
            codes.append(code)
        for code in codes:
            _xtst.XTestFakeKeyEvent(self.dpy, code, 1, 0)
        for code in reversed(codes):
            _xtst.XTestFakeKeyEvent(self.dpy, code, 0, 0)
        _x11.XFlush(self.dpy)

    # --- liveness ----------------------------------------------------------------------

    def ping(self, window, timeout):
        """Sends _NET_WM_PING to a client window as a window manager does; the seconds the
        answer took, or None when none came within timeout."""
        self._ping_stamp += 1
        stamp = self._ping_stamp
        event = Event()
        event.client.type = CLIENT_MESSAGE
        event.client.window = window
        event.client.message_type = self.wm_protocols
        event.client.format = 32
        event.client.data[0] = self.net_wm_ping
        event.client.data[1] = stamp
        event.client.data[2] = window
        _x11.XSendEvent(self.dpy, window, 0, 0, ctypes.byref(event))
        _x11.XFlush(self.dpy)
        start = time.monotonic()
        fd = _x11.XConnectionNumber(self.dpy)
        while True:
            while _x11.XPending(self.dpy):
                answer = Event()
                _x11.XNextEvent(self.dpy, ctypes.byref(answer))
                c = answer.client
                if (answer.type == CLIENT_MESSAGE and c.message_type == self.wm_protocols
                        and c.data[0] == self.net_wm_ping and c.data[1] == stamp):
                    return time.monotonic() - start
            left = timeout - (time.monotonic() - start)
            if left <= 0:
                return None
            select.select([fd], [], [], min(left, 0.1))

    def drain(self):
        """Drops the root window's notifications gathered since the last ping."""
        event = Event()
        while _x11.XPending(self.dpy):
            _x11.XNextEvent(self.dpy, ctypes.byref(event))
