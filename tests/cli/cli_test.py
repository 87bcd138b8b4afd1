#!/usr/bin/env python3
"""Runs the built program's command line against the rows of cli_cases.txt,
then what a table cannot say: the saved settings are read and nothing is
written anywhere, 16 MiB of input is the most, a closed output is status 3.
Usage: cli_test.py path/to/spanwright path/to/cli_cases.txt"""
import os
import shlex
import subprocess
import sys
import tempfile

exe, cases = os.path.abspath(sys.argv[1]), sys.argv[2]
failures = 0
passed = 0


def decode(cell):
    out = bytearray()
    i = 0
    raw = cell.encode()
    while i < len(raw):
        if raw[i:i + 2] == b'\\n':
            out += b'\n'; i += 2
        elif raw[i:i + 2] == b'\\r':
            out += b'\r'; i += 2
        elif raw[i:i + 2] == b'\\x':
            out.append(int(raw[i + 2:i + 4], 16)); i += 4
        else:
            out.append(raw[i]); i += 1
    return bytes(out)


def run(args, stdin=b'', home=None, **kw):
    """Runs the program with no display, HOME and every XDG folder in `home`."""
    env = {k: v for k, v in os.environ.items() if k not in ('DISPLAY', 'WAYLAND_DISPLAY')}
    env.update(HOME=home, XDG_CONFIG_HOME=home + '/config', XDG_RUNTIME_DIR=home + '/run',
               XDG_CACHE_HOME=home + '/cache', XDG_DATA_HOME=home + '/data', TMPDIR=home + '/tmp',
               QT_QPA_PLATFORM='none-such')
    return subprocess.run([exe] + args, input=stdin, env=env, capture_output=True, timeout=60, **kw)


def check(name, ok, detail=''):
    global failures, passed
    if ok:
        passed += 1
    else:
        failures += 1
        print(f'FAIL {name}: {detail}')


def files_under(folder):
    return sorted(os.path.relpath(os.path.join(d, f), folder)
                  for d, dirs, fs in os.walk(folder) for f in fs + dirs)


def fresh_home():
    home = tempfile.mkdtemp()
    for sub in ('config', 'run', 'cache', 'data', 'tmp'):
        os.makedirs(os.path.join(home, sub))
    os.chmod(os.path.join(home, 'run'), 0o700)
    return home


lines = [l for l in open(cases, encoding='utf-8').read().split('\n') if l.strip() and not l.startswith('#')]
for line in lines[1:]:
    name, args, stdin, stdout, stderr, status = [c.strip() for c in line.split('|')]
    home = fresh_home()
    before = files_under(home)
    r = run(shlex.split(args.replace('\\t', '\t').replace('\\r', '\r').replace('\\n', '\n')),
            decode(stdin), home)
    first_err = r.stderr.decode(errors='replace').split('\n')[0]
    check(name, r.stdout == decode(stdout), f'stdout {r.stdout!r}, not {decode(stdout)!r}')
    check(name, first_err == stderr, f'stderr {first_err!r}, not {stderr!r}')
    check(name, r.returncode == int(status), f'status {r.returncode}, not {status}')
    check(name + ' writes nothing', files_under(home) == before, files_under(home))

# The saved settings are read as the window reads them, and left as they are.
home = fresh_home()
conf = os.path.join(home, 'config', 'Ostrel')
os.makedirs(conf)
settings = b'[Software]\nOstrel\\Spanwright\\Output=1\nOstrel\\Spanwright\\Format=3\nOstrel\\Spanwright\\Round=2\n'
with open(os.path.join(conf, 'Spanwright.conf'), 'wb') as f:
    f.write(settings)
r = run(['--keys', '40.5+1='], home=home)
check('saved settings are read', r.stdout == b'41.5"\n', r.stdout)
r = run(['--fractional', '--format', 'inches', '--keys', '40.5+1='], home=home)
check('a flag replaces a saved value', r.stdout == b'41-1/2"\n', r.stdout)
with open(os.path.join(conf, 'Spanwright.conf'), 'rb') as f:
    check('the settings file is untouched', f.read() == settings)

# A settings file that is a FIFO is neither read nor waited for.
home = fresh_home()
os.makedirs(os.path.join(home, 'config', 'Ostrel'))
os.mkfifo(os.path.join(home, 'config', 'Ostrel', 'Spanwright.conf'))
try:
    r = run(['--decimal', '--keys', '40.5='], home=home)
    check('a FIFO for settings is left alone', r.stdout == b'3\'4.5"\n' and r.returncode == 0, (r.stdout, r.returncode))
except subprocess.TimeoutExpired:
    check('a FIFO for settings is left alone', False, 'the program waited on the FIFO')

# A first run with no settings folder at all creates none.
home = tempfile.mkdtemp()
env = {k: v for k, v in os.environ.items() if not k.startswith('XDG_') and k not in ('DISPLAY', 'WAYLAND_DISPLAY')}
p = subprocess.run([exe, '--keys', '5='], env={**env, 'HOME': home}, capture_output=True, timeout=60)
check('a first run writes nothing', p.stdout == b'0\'5"\n' and os.listdir(home) == [], (p.stdout, os.listdir(home)))

# At most 16 MiB of keys from standard input.
home = fresh_home()
r = run(['--keys', '-'], b'1' * (16 << 20), home)
check('16 MiB is read', r.returncode == 1 and r.stdout == b'1' * 15 + b'\n' and r.stderr ==
      b"spanwright: key 16 ('1') refused: the entry already holds 15 characters (and %d more keys refused)\n"
      % ((16 << 20) - 16), (r.returncode, r.stdout[:40], r.stderr))

# The whole sum of a refused entry: the answer is printed, the refusal named.
r = run(['--keys', '1234567890123456789+1='], home=home)
check('a refused key in a sum', r.returncode == 1 and r.stderr ==
      b"spanwright: key 16 ('6') refused: the entry already holds 15 characters (and 3 more keys refused)\n",
      (r.returncode, r.stderr))
r = run(['--keys', '-'], b'1' * ((16 << 20) + 1), home)
check('more than 16 MiB is refused', r.returncode == 2 and b'over 16 MiB' in r.stderr, (r.returncode, r.stderr))

# A reader that went away: status 3, not a killed process.
read_end, write_end = os.pipe()
os.close(read_end)
env_home = fresh_home()
p = subprocess.run([exe, '--keys', '5='], stdout=write_end, stderr=subprocess.PIPE, timeout=60,
                   env={**os.environ, 'HOME': env_home, 'XDG_CONFIG_HOME': env_home + '/config'})
os.close(write_end)
check('a closed output is status 3', p.returncode == 3, p.returncode)

# --help anywhere on the line prints the help and wins over --version.
for args in (['--help'], ['--version', '--help'], ['--keys', '5', '--help'], ['--foo', '--help'], ['--help', '--keys']):
    r = run(args, home=fresh_home())
    check(f'help {args}', r.returncode == 0 and r.stdout.startswith(b'Usage: spanwright') and r.stderr == b'',
          (r.returncode, r.stdout[:30], r.stderr))

# Messages that quote what the user gave escape every byte that is not text.
for args, message in (
        ([b'--keys', b'5\x1b[2J'], b"spanwright: --keys: character 2 '\\x1b' is not a key"),
        ([b'--format', b'\x1b]0;x\x07', b'--keys', b'5'],
         b"spanwright: --format: '\\x1b]0;x\\x07' is not in the format list (None, Feet and Inches, Inches)"),
        ([b'--round', b'\xff\xc2\x85', b'--keys', b'5'], b"spanwright: --round: '\\xff\\xc2\\x85' is not in the rounding list"),
        ([b'--keys', b'5', b'--\xff\x1b'], b"spanwright: unknown option '--\\xff\\x1b' (see --help)"),
        ([b'--format', 'Pieds é'.encode(), b'--keys', b'5'], "spanwright: --format: 'Pieds é' is not".encode())):
    r = subprocess.run([exe.encode()] + args, env={**os.environ, 'HOME': fresh_home(), 'QT_QPA_PLATFORM': 'none-such'},
                       capture_output=True, timeout=60)
    check(f'escaped {args}', r.returncode == 2 and r.stderr.startswith(message), r.stderr)


def closed_pipe():
    read_end, write_end = os.pipe()
    os.close(read_end)
    return write_end


# SIGPIPE never ends the program: a gone reader on standard output is status 3,
# a gone or closed standard error never stops the answer.
for args in (['--help'], ['--version'], ['--keys', '5=']):
    write_end = closed_pipe()
    p = subprocess.run([exe] + args, stdout=write_end, stderr=subprocess.PIPE, timeout=60,
                       env={**os.environ, 'HOME': fresh_home()})
    os.close(write_end)
    check(f'{args} into a closed pipe is status 3', p.returncode == 3, p.returncode)
p = subprocess.run([exe, '--keys', '5='], stdout=subprocess.PIPE, timeout=60, preexec_fn=lambda: os.close(1),
                   env={**os.environ, 'HOME': fresh_home()})
check('a closed standard output is status 3', p.returncode == 3, p.returncode)
write_end = closed_pipe()
p = subprocess.run([exe, '--keys', '8/0=5+3='], stdout=subprocess.PIPE, stderr=write_end, timeout=60,
                   env={**os.environ, 'HOME': fresh_home()})
os.close(write_end)
check('a gone standard error never stops the answer', p.returncode == 1 and p.stdout == b'0\'8"\n', (p.returncode, p.stdout))
home = fresh_home()
p = subprocess.run([exe, '--tape', '--keys', '8/0=5+3='], stdout=subprocess.PIPE, timeout=60,
                   preexec_fn=lambda: os.close(2), env={**os.environ, 'HOME': home, 'XDG_CONFIG_HOME': home + '/config'})
check('a closed standard error never stops the answer',
      p.returncode == 1 and p.stdout == b'8\n/ 0\n= Error 11\n\n5\n+ 3\n= 0\'8"\n', (p.returncode, p.stdout))

# An unknown option is the one line, nothing else.
r = run(['--foo'], home=fresh_home())
check('an unknown option is one line', r.stderr == b"spanwright: unknown option '--foo' (see --help)\n", r.stderr)

# No display: one line, status 1, no abort, no core file, nothing written;
# the environment still chooses Qt's platform.
no_display = b'spanwright: no display to show the window on; spanwright --help shows the command line\n'
for name, extra in (('no display named', {}), ('a display that refuses', {'DISPLAY': ':97'}),
                    ('a platform that cannot be loaded', {'QT_QPA_PLATFORM': 'none-such'})):
    home = fresh_home()
    env = {k: v for k, v in os.environ.items() if k not in ('DISPLAY', 'WAYLAND_DISPLAY', 'QT_QPA_PLATFORM')}
    env.update(HOME=home, XDG_CONFIG_HOME=home + '/config', XDG_RUNTIME_DIR=home + '/run', TMPDIR=home + '/tmp', **extra)
    before = files_under(home)
    p = subprocess.run([exe], env=env, capture_output=True, timeout=60, cwd=home)
    check(name, p.returncode == 1 and p.stderr == no_display and p.stdout == b'', (p.returncode, p.stderr))
    check(name + ': nothing written, no core file', files_under(home) == before, files_under(home))
home = fresh_home()
env = {k: v for k, v in os.environ.items() if k not in ('DISPLAY', 'WAYLAND_DISPLAY')}
env.update(HOME=home, XDG_CONFIG_HOME=home + '/config', XDG_RUNTIME_DIR=home + '/run', TMPDIR=home + '/tmp',
           QT_QPA_PLATFORM='offscreen', QT_SCALE_FACTOR='2')
p = subprocess.Popen([exe], env=env, stdout=subprocess.PIPE, stderr=subprocess.PIPE)
try:
    p.wait(timeout=3)
    check('QT_QPA_PLATFORM still chooses the platform', False, (p.returncode, p.stderr.read()))
except subprocess.TimeoutExpired:
    p.terminate()
    p.wait(timeout=30)
    check('QT_QPA_PLATFORM still chooses the platform', True)

print(f'{passed} passed, {failures} failed')
sys.exit(1 if failures else 0)
