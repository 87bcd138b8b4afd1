# Reads the calculator over AT-SPI as a screen reader does, while xdotool
# types and the reader presses buttons. Passes when every check holds:
#   the main window is a frame named "Spanwright"; the display reads "0",
#   then 5'4-1/2" after 5'3 f 1 / 2 keypad-+ 1 Enter, announced as it changes;
#   captions are in the names (CE, the square-units box); the square tag is there;
#   "Show Options" is expandable and collapsed with its panel not showing, and
#   pressed it becomes "Hide Options", expanded, announced, panel showing;
#   the stair window is a frame whose Risers result reads and announces
#   15 Risers @ 7.20" = 9'0"; the layout tools window is a frame whose fields,
#   code choice and pages are named by their labels, and run 12', pitch 4,
#   Solve reads the diagonal 12'7-13/16" and the angle 18.43; the About box's link is a link that Tab reaches
#   and Space opens (the desktop's "open" writes the address to $OPENED).
import os, subprocess, sys
import pyatspi
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '../../support'))
from atspi_reader import check, find, states, text, press, wait_for_app, run_steps

app = wait_for_app()

def edit(a, value):
    if a is not None:
        a.queryEditableText().setTextContents(value)

def xdotool(*args):
    subprocess.run(['xdotool', *args])

inserted, renamed = [], []  # (source name, text) and source names, as events arrive
pyatspi.Registry.registerEventListener(
    lambda e: e.source is not None and inserted.append((e.source.name, e.any_data)), 'object:text-changed:insert')
pyatspi.Registry.registerEventListener(
    lambda e: e.source is not None and renamed.append(e.source.name), 'object:property-change:accessible-name')

def steps():  # yields the milliseconds to wait before going on
    main = find(app, 'Spanwright', 'frame')
    check('the main window is a frame named by its title', main is not None)
    main = main or app[0]
    display = find(main, 'Display')
    check('the display reads 0 at start', text(display) == '0')
    xdotool('search', '--name', '^Spanwright$', 'windowfocus', '--sync')
    xdotool('type', '--delay', '50', "5'3")
    xdotool('key', '--delay', '50', 'f', '1', 'slash', '2', 'KP_Add', '1', 'Return')
    yield 1500
    check('the display reads 5\'4-1/2" at the end', text(display) == '5\'4-1/2"')
    check('the display announced it', [t for n, t in inserted if n == 'Display'][-1:] == ['5\'4-1/2"'])
    check('the square tag is there', find(main, 'Square units', 'label') is not None)
    check('CE is named with its caption', find(main, 'CE Clear entry', 'push button') is not None)
    check('the square-units box is named with its caption',
          find(main, 'Show result in square feet or square Inches', 'check box') is not None)

    options, panel = find(main, 'Show Options', 'push button'), find(main, 'Output Format')
    check('Show Options is expandable and collapsed', {'expandable', 'collapsed'} <= states(options))
    check('the cut-off panel is not showing', panel is not None and 'showing' not in states(panel))
    press(options)
    yield 800
    check('pressed, it is Hide Options and expanded', 'expanded' in states(options) and options.name == 'Hide Options')
    check('its new name was announced', 'Hide Options' in renamed)
    check('the panel is showing', 'showing' in states(panel))

    press(find(main, 'Stair Calculator', 'push button'))
    yield 1000
    stair = find(app, 'Stair Calculator', 'frame')
    check('the stair window is a frame named by its title', stair is not None)
    stair = stair or find(app, 'Stair Calculator')
    edit(find(stair, 'Maximum riser height'), '7.5')
    edit(find(stair, 'Overall height'), '108')
    press(find(stair, 'Calculate', 'push button'))
    yield 800
    summary = '15 Risers @ 7.20" = 9\'0"'
    check('the Risers result reads as text', text(find(stair, 'Risers result', 'label')) == summary)
    check('the Risers result was announced', ('Risers result', summary) in inserted)
    press(find(stair, 'Close', 'push button'))
    yield 500

    press(find(main, 'Layout Tools', 'push button'))
    yield 1000
    tools = find(app, 'Layout Tools', 'frame')
    check('the layout tools window is a frame named by its title', tools is not None)
    for name in ('Rise', 'Run', 'Diagonal', 'Pitch', 'Angle', 'Total Rise', 'Tread Depth', 'Total Run', 'Risers'):
        check(f'the field {name} is named by its label', find(tools, name, 'text') is not None)
    code = find(tools, 'Code')
    check('the code choices are named by their captions in a frame named Code', code is not None and all(
        find(code, name, 'radio button') is not None for name in ('IRC (residential)', 'IBC (commercial)', 'None')))
    check('both pages are tabs', find(tools, 'Right Triangle', 'page tab') is not None
          and find(tools, 'Stair Layout', 'page tab') is not None)
    edit(find(tools, 'Run', 'text'), "12'")
    edit(find(tools, 'Pitch', 'text'), '4')
    press(find(tools, 'Solve', 'push button'))
    yield 800
    check('the diagonal result reads 12\'7-13/16"', text(find(tools, 'Diagonal result', 'text')) == '12\'7-13/16"')
    check('the angle result reads 18.43', text(find(tools, 'Angle result', 'text')) == '18.43')
    press(find(tools, 'Close', 'push button'))
    yield 500

    press(find(main, 'About', 'push button'))
    yield 1000
    about = find(app, 'About Spanwright', 'dialog')
    link = find(about, 'Ostrel Software Home Page', 'link')
    check('the home page is announced as a link', link is not None and 'focusable' in states(link))
    xdotool('search', '--name', '^About Spanwright$', 'windowfocus', '--sync')
    xdotool('key', 'Tab')
    yield 500
    check('Tab reaches the link', 'focused' in states(link))
    xdotool('key', 'space')
    yield 1000
    opened = open(os.environ['OPENED']).read() if os.path.exists(os.environ['OPENED']) else ''
    check('Space opens the home page', opened == 'https://ostrel.example/spanwright\n')
    xdotool('key', 'Escape')
    yield 300

run_steps(steps(), first_ms=300, limit_ms=40000)
