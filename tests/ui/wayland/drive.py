# Drives the calculator on a Wayland compositor over AT-SPI: the compositor
# has no keyboard, so the reader presses the keypad's buttons as a screen
# reader's user does. Passes when every check holds:
#   the main window is a frame named "Spanwright" reading "0"; pressing
#   5 ' 3 + 1 " = makes it read 5'4"; History opens a frame whose text ends
#   with the tape's lines 5'3 / + 1" / = 5'4"; a second start, handing over an activation
#   token, ends at once with status 0 and
#   the first copy goes on; a screenshot of the output is as large as the
#   output at its scale; the history's File > Close hides it.
import os, struct, subprocess, sys, tempfile
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '../support'))
from atspi_reader import check, find, states, text, press, wait_for_app, run_steps

app = wait_for_app()

# Width and height from a PNG's header.
def png_size(path):
    with open(path, 'rb') as f:
        head = f.read(24)
    return struct.unpack('>II', head[16:24]) if head[:8] == b'\x89PNG\r\n\x1a\n' else None

def screenshot():
    folder = os.environ.get('SPANWRIGHT_SCREENSHOTS') or tempfile.mkdtemp()
    before = set(os.listdir(folder))
    subprocess.run(['weston-screenshooter'], cwd=folder, timeout=10)
    made = sorted(set(os.listdir(folder)) - before)
    if not made:
        return None
    kept = os.path.join(folder, f"spanwright-scale-{os.environ.get('OUTPUT_SCALE', '1')}.png")
    os.replace(os.path.join(folder, made[-1]), kept)
    return kept

def steps():  # yields the milliseconds to wait before going on
    with open(f"/proc/{os.environ['PROGRAM_PID']}/maps") as maps:
        check('it runs on the Wayland platform plugin', 'libqwayland' in maps.read())
    main = find(app, 'Spanwright', 'frame')
    check('the main window is a frame named by its title', main is not None)
    main = main or app[0]
    display = find(main, 'Display')
    check('the display reads 0 at start', text(display) == '0')
    for key in ['5', 'Feet mark', '3', 'Add', '1', 'Inch mark', 'Equals']:
        press(find(main, key, 'push button'))
        yield 100
    yield 300
    check('the display reads 5\'4" after 5\'3 + 1" =', text(display) == '5\'4"')

    press(find(main, 'History', 'push button'))
    yield 1000
    history = find(app, 'History - Spanwright', 'frame')
    check('History opens its window', history is not None and 'showing' in states(history))
    tape = text(find(history, 'History')) or ''
    check('the history holds the calculation', tape.splitlines()[-3:] == ['5\'3', '+ 1"', '= 5\'4"'])

    # Under the leak checker, the Wayland client library's own leftovers are
    # not counted (lsan.supp); anything of ours still is.
    env = dict(os.environ)
    env['LSAN_OPTIONS'] = ':'.join(filter(None, [env.get('LSAN_OPTIONS', ''),
        'suppressions=' + os.path.join(os.path.dirname(os.path.abspath(__file__)), 'lsan.supp')]))
    # With an activation token, as a desktop's launcher gives one; this
    # compositor offers no activation, so the first copy asks for attention.
    env['XDG_ACTIVATION_TOKEN'] = 'launcher-token-1'
    second = subprocess.run([os.environ['PROGRAM']], timeout=20, capture_output=True, env=env)
    check('a second start with a token ends with status 0', second.returncode == 0)
    check('the first copy goes on', subprocess.run(['kill', '-0', os.environ['PROGRAM_PID']]).returncode == 0)
    yield 500

    scale = int(os.environ.get('OUTPUT_SCALE', '1'))
    shot = screenshot()
    check(f'a screenshot is taken at scale {scale}',
          shot is not None and png_size(shot) == (640 * scale, 480 * scale))

    press(find(history, 'Close'))
    yield 800
    check('File > Close hides the history', history is not None and 'showing' not in states(history))

run_steps(steps(), first_ms=100, limit_ms=30000)
