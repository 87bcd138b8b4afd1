# Reads the display over AT-SPI as a screen reader does while xdotool types
# 5'3 f 1 / 2 keypad-+ 1 Enter; passes when it read "0" at start, 5'4-1/2" at
# the end with that text announced, and the square tag is there.
import subprocess, sys
import pyatspi
from gi.repository import GLib

app = next((a for a in pyatspi.Registry.getDesktop(0) if a is not None and a.name and 'spanwright' in a.name.lower()), None)
if app is None:
    sys.exit('the calculator is not on the accessibility bus')
named = lambda name: pyatspi.findDescendant(app, lambda a: a is not None and a.name == name)
display, tag = named('Display'), named('Square units')
first, inserted = display.queryText().getText(0, -1), []
pyatspi.Registry.registerEventListener(
    lambda e: e.source is not None and e.source.name == 'Display' and e.type.endswith(':insert') and inserted.append(e.any_data),
    'object:text-changed')

def type_keys():
    subprocess.run(['xdotool', 'search', '--name', '^Spanwright$', 'windowfocus', '--sync'])
    subprocess.run(['xdotool', 'type', '--delay', '50', "5'3"])
    subprocess.run(['xdotool', 'key', '--delay', '50', 'f', '1', 'slash', '2', 'KP_Add', '1', 'Return'])
    GLib.timeout_add(1500, pyatspi.Registry.stop)

GLib.timeout_add(300, type_keys)
GLib.timeout_add(20000, pyatspi.Registry.stop)
pyatspi.Registry.start()
last = display.queryText().getText(0, -1)
print('read at start', repr(first), 'at end', repr(last), 'announced', inserted, 'tag', tag is not None)
sys.exit(0 if first == '0' and last == '5\'4-1/2"' and inserted[-1:] == [last] and tag is not None else 1)
