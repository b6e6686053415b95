"""Notes the moment each top-level window is mapped, from the X server's own
MapNotify events (polling for the window would add its interval)."""
import ctypes
import threading
import time

MAP_NOTIFY = 19
SUBSTRUCTURE_NOTIFY_MASK = 1 << 19


class MapWatch:
    def __init__(self):
        xlib = ctypes.cdll.LoadLibrary('libX11.so.6')
        xlib.XOpenDisplay.restype = ctypes.c_void_p
        xlib.XOpenDisplay.argtypes = [ctypes.c_char_p]
        xlib.XDefaultRootWindow.restype = ctypes.c_ulong
        xlib.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
        xlib.XSelectInput.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_long]
        xlib.XNextEvent.argtypes = [ctypes.c_void_p, ctypes.c_void_p]
        xlib.XFlush.argtypes = [ctypes.c_void_p]
        # When a test takes the X server away, the watch stops for good
        # rather than end the test as Xlib would.
        self.on_lost = ctypes.CFUNCTYPE(ctypes.c_int, ctypes.c_void_p)(lambda _: threading.Event().wait())
        xlib.XSetIOErrorHandler(self.on_lost)
        self.xlib = xlib
        self.display = xlib.XOpenDisplay(None)
        if not self.display:
            raise RuntimeError('cannot open the X display')
        xlib.XSelectInput(self.display, xlib.XDefaultRootWindow(self.display), SUBSTRUCTURE_NOTIFY_MASK)
        xlib.XFlush(self.display)
        self.mapped = {}  # window id -> time.monotonic() when its MapNotify arrived
        self.changed = threading.Condition()
        threading.Thread(target=self._listen, daemon=True).start()

    def _listen(self):
        # An XEvent is a union of 24 longs; in an XMapEvent the type is the
        # first int and the mapped window the sixth long.
        event = (ctypes.c_long * 24)()
        while True:
            self.xlib.XNextEvent(self.display, event)
            now = time.monotonic()
            if event[0] & 0xffffffff == MAP_NOTIFY:
                with self.changed:
                    self.mapped.setdefault(event[5], now)
                    self.changed.notify_all()

    def time_mapped(self, window, timeout):
        with self.changed:
            self.changed.wait_for(lambda: window in self.mapped, timeout)
            return self.mapped.get(window)
