# Reads the calculator's display as a screen reader does, over AT-SPI, while
# xdotool types 5'3 f 1 / 2 keypad-+ 1 Enter; prints what it read and the
# text-changed events, and fails unless the display read "0" at start and
# 5'4-1/2" at the end, with that text announced.
import subprocess
import sys

import pyatspi
from gi.repository import GLib

app = next((a for a in pyatspi.Registry.getDesktop(0)
            if a is not None and a.name and 'spanwright' in a.name.lower()), None)
if app is None:
    sys.exit('the calculator is not on the accessibility bus')
display = pyatspi.findDescendant(app, lambda a: a is not None and a.name == 'Display')
tag = pyatspi.findDescendant(app, lambda a: a is not None and a.name == 'Square units')
first = display.queryText().getText(0, -1)
print('display role:', display.getRoleName(), '; tag present:', tag is not None)
print('display read at start:', repr(first))

inserted = []
def on_event(e):
    if e.source is not None and e.source.name == 'Display' and e.type.endswith(':insert'):
        inserted.append(e.any_data)
pyatspi.Registry.registerEventListener(on_event, 'object:text-changed')

def type_keys():
    subprocess.run(['xdotool', 'search', '--name', '^Spanwright$', 'windowfocus', '--sync'], check=False)
    subprocess.run(['xdotool', 'type', '--delay', '50', "5'3"], check=False)
    subprocess.run(['xdotool', 'key', '--delay', '50', 'f', '1', 'slash', '2', 'KP_Add', '1', 'Return'], check=False)
    GLib.timeout_add(1500, pyatspi.Registry.stop)
    return False

GLib.timeout_add(300, type_keys)
GLib.timeout_add(20000, pyatspi.Registry.stop)
pyatspi.Registry.start()
last = display.queryText().getText(0, -1)
print('display read at end:', repr(last))
print('announced:', inserted)
ok = first == '0' and last == '5\'4-1/2"' and inserted and inserted[-1] == last and tag is not None
sys.exit(0 if ok else 1)
