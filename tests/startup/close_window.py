#!/usr/bin/env python3
# Closes every shown window of a process the way a window manager's close
# button does: WM_DELETE_WINDOW to each viewable top-level window whose
# _NET_WM_PID is the process; waits up to 30 s for one to appear.
#   DISPLAY=:5 close_window.py 4242   -> status 0 once sent; else a message, status 1
import ctypes as C, sys, time
pid = int(sys.argv[1])
X = C.CDLL("libX11.so.6")
X.XOpenDisplay.restype = C.c_void_p
X.XOpenDisplay.argtypes = [C.c_char_p]
X.XDefaultRootWindow.restype = C.c_ulong
X.XDefaultRootWindow.argtypes = [C.c_void_p]
X.XInternAtom.restype = C.c_ulong
X.XInternAtom.argtypes = [C.c_void_p, C.c_char_p, C.c_int]
X.XQueryTree.argtypes = [C.c_void_p, C.c_ulong, C.POINTER(C.c_ulong), C.POINTER(C.c_ulong),
                         C.POINTER(C.POINTER(C.c_ulong)), C.POINTER(C.c_uint)]
X.XGetWindowProperty.argtypes = [C.c_void_p, C.c_ulong, C.c_ulong, C.c_long, C.c_long, C.c_int,
                                 C.c_ulong, C.POINTER(C.c_ulong), C.POINTER(C.c_int),
                                 C.POINTER(C.c_ulong), C.POINTER(C.c_ulong),
                                 C.POINTER(C.POINTER(C.c_ubyte))]
X.XFree.argtypes = [C.c_void_p]
X.XFlush.argtypes = [C.c_void_p]

class Attributes(C.Structure):
    _fields_ = [("x", C.c_int), ("y", C.c_int), ("width", C.c_int), ("height", C.c_int),
                ("border_width", C.c_int), ("depth", C.c_int), ("visual", C.c_void_p),
                ("root", C.c_ulong), ("c_class", C.c_int), ("bit_gravity", C.c_int),
                ("win_gravity", C.c_int), ("backing_store", C.c_int),
                ("backing_planes", C.c_ulong), ("backing_pixel", C.c_ulong),
                ("save_under", C.c_int), ("colormap", C.c_ulong), ("map_installed", C.c_int),
                ("map_state", C.c_int), ("all_event_masks", C.c_long),
                ("your_event_mask", C.c_long), ("do_not_propagate_mask", C.c_long),
                ("override_redirect", C.c_int), ("screen", C.c_void_p)]

class ClientMessage(C.Structure):
    _fields_ = [("type", C.c_int), ("serial", C.c_ulong), ("send_event", C.c_int),
                ("display", C.c_void_p), ("window", C.c_ulong), ("message_type", C.c_ulong),
                ("format", C.c_int), ("data", C.c_long * 5), ("pad", C.c_long * 12)]

X.XGetWindowAttributes.argtypes = [C.c_void_p, C.c_ulong, C.POINTER(Attributes)]
X.XSendEvent.argtypes = [C.c_void_p, C.c_ulong, C.c_int, C.c_long, C.POINTER(ClientMessage)]

d = X.XOpenDisplay(None)
if not d:
    sys.exit("no X display")
root = X.XDefaultRootWindow(d)
net_wm_pid = X.XInternAtom(d, b"_NET_WM_PID", 0)
protocols = X.XInternAtom(d, b"WM_PROTOCOLS", 0)
delete = X.XInternAtom(d, b"WM_DELETE_WINDOW", 0)

def shown_windows():
    r, p, kids, n = C.c_ulong(), C.c_ulong(), C.POINTER(C.c_ulong)(), C.c_uint()
    X.XQueryTree(d, root, C.byref(r), C.byref(p), C.byref(kids), C.byref(n))
    found = []
    for i in range(n.value):
        w = kids[i]
        t, f, count, after, data = C.c_ulong(), C.c_int(), C.c_ulong(), C.c_ulong(), C.POINTER(C.c_ubyte)()
        if X.XGetWindowProperty(d, w, net_wm_pid, 0, 1, 0, 0, C.byref(t), C.byref(f),
                                C.byref(count), C.byref(after), C.byref(data)) == 0 and count.value:
            owner = C.cast(data, C.POINTER(C.c_ulong))[0]
            X.XFree(data)
            a = Attributes()
            X.XGetWindowAttributes(d, w, C.byref(a))
            if owner == pid and a.map_state == 2:  # IsViewable
                found.append(w)
    if n.value:
        X.XFree(kids)
    return found

deadline = time.time() + 30
windows = shown_windows()
while not windows and time.time() < deadline:
    time.sleep(0.2)
    windows = shown_windows()
if not windows:
    sys.exit("no window of process %d appeared" % pid)
time.sleep(0.5)  # let start-up finish its nested steps
for w in windows:
    ev = ClientMessage(type=33, window=w, message_type=protocols, format=32)
    ev.data[0] = delete
    X.XSendEvent(d, w, 0, 0, C.byref(ev))
X.XFlush(d)
