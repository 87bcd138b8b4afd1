# What the AT-SPI checks share: the calculator's application on the bus, the
# checks made, the helpers that read controls, and a runner that plays a
# generator of steps on the event loop and prints "ok"/"FAIL" per check.
#   app = wait_for_app()                   # None when it never shows up
#   run_steps(steps(), first_ms=100, limit_ms=30000)   # exits 0 when all hold
import subprocess, sys
import pyatspi
from gi.repository import GLib

results = []
def check(what, ok):
    results.append((what, bool(ok)))

def wait_for_app(tries=50):  # the program may still be starting
    for _ in range(tries):
        app = next((a for a in pyatspi.Registry.getDesktop(0)
                    if a is not None and a.name and 'spanwright' in a.name.lower()), None)
        if app is not None:
            return app
        subprocess.run(['sleep', '0.1'])
    sys.exit('the calculator is not on the accessibility bus')

# Missing controls are None, and the helpers take None, so that every check
# is still made and reported.
def find(root, name, role=None):
    if root is None:
        return None
    return pyatspi.findDescendant(root, lambda a: a is not None and a.name == name and role in (None, a.getRoleName()))

# Read afresh: the client library caches states, and Qt sends no event when
# a button's expanded state changes (its new name is announced instead).
def states(a):
    if a is None:
        return set()
    a.clearCache()
    return {pyatspi.stateToString(s) for s in a.getState().getStates()}

def text(a):
    return a.queryText().getText(0, -1) if a is not None else None

def press(a):
    if a is not None:
        a.queryAction().doAction(0)  # the first action of a button, link or menu item presses it

# Plays the steps (each yields the milliseconds to wait before going on),
# then reports every check and ends the process: 0 when all held.
def run_steps(script, first_ms, limit_ms):
    def step():
        try:
            GLib.timeout_add(next(script), step)
        except StopIteration:
            pyatspi.Registry.stop()
        except Exception as error:  # a missing control ends the run as a failure
            check(f'no error ({error!r})', False)
            pyatspi.Registry.stop()
        return False
    GLib.timeout_add(first_ms, step)
    GLib.timeout_add(limit_ms, pyatspi.Registry.stop)
    pyatspi.Registry.start()
    for what, ok in results:
        print('ok  ' if ok else 'FAIL', what)
    sys.exit(0 if results and all(ok for _, ok in results) else 1)
