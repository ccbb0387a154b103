#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Measures Orbalune beside xclock, a minimal Qt window, a minimal Qt clock (a
label that shows a new time every second) and the minimal window showing one kanji
in IPA P Gothic (what the font alone costs), in one run, on one private Xvfb
display with openbox, and prints tables of what it measured here, with the goals'
verdicts.

  bench/run_benchmarks.py BUILD_DIR   (Debian's python3, for python3-xlib)
 ... [--runs 31] [--cpu-seconds 60] [--settle 5] [--precision-minutes N, none unless given] [--skip-startup]
     [--accessibility | --no-accessibility] [--per-thread]
  bench/run_benchmarks.py BUILD_DIR --against OTHER_BUILD_DIR [--runs 31]

Everything runs inside a private D-Bus session, as on a desktop. The run has two
halves: first without the accessibility bus, then with it (the bus and its
registry started here, and Qt's bridge to it on, as with a screen reader
running); --accessibility or --no-accessibility keeps one half only.

In each half: start-up, exec until the window is mapped and its pixels are
painted (the X server is polled about every millisecond), the median of RUNS
starts alternating between the programs; at rest, after SETTLE seconds, for
CPU_SECONDS, each program alone: wake-ups (voluntary and involuntary context
switches of every thread, /proc/PID/task/*/status), time on the processor of every
thread of the program and of the X server (the scheduler's nanosecond count,
schedstat), and memory (RSS, RSS less the pages of mapped font files, private
dirty); precision: when the X server reports each second's repaint (DAMAGE
extension), against the wall-clock second, so the lag includes drawing and the
trip to the server.
"""
import argparse
import hashlib
import math
import os
import re
import select
import shutil
import signal
import statistics
import subprocess
import sys
import tempfile
import time

from Xlib import X, display as xdisplay
from Xlib.ext import damage

XCLOCK = ['xclock', '-digital', '-update', '1']


def listening_x_sockets():
    """Display number -> inode of each X server's abstract socket on this machine.
    Servers of other sessions, with a /tmp of their own, are seen only here."""
    found = {}
    with open('/proc/net/unix') as f:
        for line in f.readlines()[1:]:
            parts = line.split()
            match = re.fullmatch(r'@/tmp/\.X11-unix/X(\d+)', parts[-1]) if len(parts) >= 8 else None
            if match:
                found[int(match.group(1))] = parts[6]
    return found


def owns_socket(pid, inode):
    try:
        return any(os.readlink(f'/proc/{pid}/fd/{fd}') == f'socket:[{inode}]' for fd in os.listdir(f'/proc/{pid}/fd'))
    except OSError:
        return False


def start_xvfb():
    """An Xvfb of our own. Xvfb's -displayfd alone may settle on a number whose
    abstract socket another session's server holds, and clients would then reach
    that server: take numbers from 300 up, free both here and there, and keep one
    only if the socket clients reach is our server's."""
    start = 300 + os.getpid() % 400
    for number in range(start, start + 200):
        if number in listening_x_sockets() or os.path.exists(f'/tmp/.X{number}-lock'):
            continue
        rfd, wfd = os.pipe()
        xvfb = subprocess.Popen(['Xvfb', f':{number}', '-displayfd', str(wfd), '-noreset', '-screen', '0',
                                 '1280x1024x24', '-dpi', '96', '-nolisten', 'tcp'], pass_fds=[wfd],
                                stderr=subprocess.DEVNULL)
        os.close(wfd)
        ready = b''
        while not ready.endswith(b'\n'):  # the number and its newline come in two writes
            chunk = os.read(rfd, 16)
            if not chunk:  # the server gave up
                break
            ready += chunk
        os.close(rfd)  # only now: a newline written to a closed pipe would end the server
        ready = ready.decode().strip()
        if ready == str(number) and owns_socket(xvfb.pid, listening_x_sockets().get(number, '')):
            return xvfb, number
        xvfb.terminate()
        xvfb.wait()
    raise RuntimeError('no free X display number from 300 up')


def start_x():
    tmp = tempfile.mkdtemp()
    xvfb, number = start_xvfb()
    os.environ['DISPLAY'] = f':{number}'
    wm = subprocess.Popen(['openbox'], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    d = xdisplay.Display()
    check = d.intern_atom('_NET_SUPPORTING_WM_CHECK')
    for _ in range(400):
        if d.screen().root.get_full_property(check, X.AnyPropertyType):
            break
        time.sleep(0.01)
    wait_wm_managing(d)
    return xvfb, wm, d, tmp


def wait_wm_managing(d):
    """openbox announces itself before it has finished starting, and a window
    mapped in between can stay unmapped: wait until it has managed a probe."""
    for _ in range(5):
        before = client_list(d)
        probe = subprocess.Popen(['xmessage', 'probe'], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        deadline = time.monotonic() + 1.0
        managed = False
        while not managed and time.monotonic() < deadline:
            managed = bool(client_list(d) - before)
            time.sleep(0.01)
        probe.kill()
        probe.wait()
        if managed:
            while client_list(d) - before:  # let it go before measuring anything
                time.sleep(0.01)
            return
    raise RuntimeError('openbox does not manage windows')


def client_list(d):
    prop = d.screen().root.get_full_property(d.intern_atom('_NET_CLIENT_LIST'), X.AnyPropertyType)
    return set(prop.value) if prop else set()


def descendants(pid):
    """Every process below pid, so that what a started process started in turn
    (the accessibility bus and its registry) is ended by its id as well."""
    parent = {}
    for entry in os.listdir('/proc'):
        if entry.isdigit():
            try:
                with open(f'/proc/{entry}/stat') as f:
                    stat = f.read()
                parent[int(entry)] = int(stat[stat.rfind(')') + 2:].split()[1])
            except OSError:
                pass
    found, frontier = [], {pid}
    while frontier:
        frontier = {p for p, pp in parent.items() if pp in frontier}
        found += frontier
    return found


def end_tree(proc):
    below = descendants(proc.pid)
    proc.terminate()
    try:
        proc.wait(timeout=5)
    except subprocess.TimeoutExpired:
        proc.kill()
        proc.wait()
    for pid in below:
        try:
            os.kill(pid, signal.SIGTERM)
        except ProcessLookupError:
            pass


def wait_painted(d, before, t0, timeout=10.0):
    """Seconds from t0 until a new managed window shows non-black pixels (an
    unpainted window shows the black root beneath it)."""
    root = d.screen().root
    win = None
    while time.monotonic() - t0 < timeout:
        if win is None:
            new = client_list(d) - before
            if new:
                win = d.create_resource_object('window', new.pop())
        if win is not None:
            try:
                g = win.get_geometry()
                pos = win.translate_coords(root, 0, 0)
                # The middle may fall on black text (xclock's digits at some
                # times of day); a point near the corner is background.
                for x, y in ((g.width // 2, g.height // 2), (2, 2)):
                    img = root.get_image(x - pos.x, y - pos.y, 1, 1, X.ZPixmap, 0xffffffff)
                    if img.data[:3] != b'\x00\x00\x00':
                        return time.monotonic() - t0
            except Exception:  # the window may still be settling
                pass
        time.sleep(0.001)
    return float('nan')


def task_counts(pid):
    """Per thread: (name, context switches, nanoseconds on the processor)."""
    out = {}
    for tid in os.listdir(f'/proc/{pid}/task'):
        try:
            with open(f'/proc/{pid}/task/{tid}/comm') as f:
                name = f.read().strip()
            with open(f'/proc/{pid}/task/{tid}/status') as f:
                status = f.read()
            with open(f'/proc/{pid}/task/{tid}/schedstat') as f:
                ns = int(f.read().split()[0])
        except OSError:  # ended meanwhile
            continue
        switches = sum(int(n) for n in re.findall(r'^(?:non)?voluntary_ctxt_switches:\s+(\d+)', status, re.M))
        out[tid] = (name, switches, ns)
    return out


def cpu_seconds(pid):
    return sum(ns for _, _, ns in task_counts(pid).values()) / 1e9


FONT_FILE = re.compile(r'(^/usr/share/fonts/|^/usr/local/share/fonts/|\.(ttf|otf|ttc|pcf|pfb|woff2?)(\.gz)?$)', re.I)


def memory_kib(pid):
    """RSS; RSS less the pages of mapped font files (clean pages of the files,
    shared with every program that shows those fonts); private dirty, the part of
    RSS that is this process's own."""
    rss = font = own = 0
    path = ''
    with open(f'/proc/{pid}/smaps') as f:
        for line in f:
            if re.match(r'[0-9a-f]+-[0-9a-f]+ ', line):
                fields = line.split(maxsplit=5)
                path = fields[5].strip() if len(fields) > 5 else ''
            elif line.startswith('Rss:'):
                kib = int(line.split()[1])
                rss += kib
                font += kib if FONT_FILE.search(path) else 0
            elif line.startswith('Private_Dirty:'):
                own += int(line.split()[1])
    return {'rss': rss, 'rss_less_font': rss - font, 'own': own}


def start_once(cmd, d):
    before = client_list(d)
    t0 = time.monotonic()
    p = subprocess.Popen(cmd, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    took = wait_painted(d, before, t0)
    p.terminate()
    p.wait()
    time.sleep(0.3)
    return took


def alternating_starts(programs, d, runs):
    """Milliseconds of `runs` starts of each (name, command), by name. Alternating,
    so that whatever else the machine does falls on every program alike."""
    starts = {name: [] for name, _ in programs}
    for _ in range(runs):
        for name, cmd in programs:
            starts[name].append(1000 * start_once(cmd, d))
    return starts


def at_rest(cmd, xvfb, settle, seconds):
    """One program alone: memory after `settle` seconds, then over `seconds` its
    wake-ups and processor time, per thread and in all, and the X server's."""
    p = subprocess.Popen(cmd, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        time.sleep(settle)
        mem = memory_kib(p.pid)
        t0, x0, w0 = task_counts(p.pid), cpu_seconds(xvfb.pid), time.monotonic()
        if seconds > 0:
            time.sleep(seconds)
        t1, x1, w1 = task_counts(p.pid), cpu_seconds(xvfb.pid), time.monotonic()
    finally:
        p.terminate()
        p.wait()
    scale = 60.0 / (w1 - w0)
    threads = []
    for tid, (name, switches, ns) in t1.items():
        _, s0, n0 = t0.get(tid, (name, 0, 0))  # a thread born meanwhile counts from zero
        threads.append({'name': name, 'wakeups': (switches - s0) * scale, 'cpu': (ns - n0) * scale / 1e6})
    return dict(mem, threads=threads, measured=seconds > 0, wakeups=sum(t['wakeups'] for t in threads),
                cpu=sum(t['cpu'] for t in threads), xcpu=(x1 - x0) * scale * 1000)


def windows_below(win):
    return [win] + [w for c in win.query_tree().children for w in windows_below(c)]


def precision(programs, d, minutes):
    """Watches each program's window with the X DAMAGE extension for `minutes` of
    real time, all programs at once. A tick is a burst of damage (events within
    40 ms); its lag is how far past the wall-clock second the X server told us of
    it. A wall second without a tick is skipped; a tick whose pixels equal the
    previous tick's is repeated."""
    d.damage_query_version()
    damage_event = d.extension_event.DamageNotify
    watched = {}
    procs = []
    for name, cmd in programs:
        before = client_list(d)
        procs.append(subprocess.Popen(cmd, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
        wait_painted(d, before, time.monotonic())
        top = d.create_resource_object('window', (client_list(d) - before).pop())
        time.sleep(1.5)  # let start-up settle: window manager framing, first paints
        g = top.get_geometry()
        state = {'name': name, 'top': top, 'size': (g.width, g.height), 'ticks': [], 'images': [],
                 'damages': [w.damage_create(damage.DamageReportNonEmpty) for w in windows_below(top)]}
        watched.update({dm: state for dm in state['damages']})
    for dm in watched:  # forget what was drawn while the others started
        d.damage_subtract(dm)
    d.sync()
    while d.pending_events():
        d.next_event()
    end = time.time() + minutes * 60
    open_bursts = {}
    while time.time() < end:
        # Xlib may already have read an event off the socket (while flushing or
        # fetching an image): then the socket stays quiet and select would only
        # return at its timeout, adding 10 ms to that tick's lag.
        if not d.pending_events():
            select.select([d.fileno()], [], [], 0.01)
        now = time.time()
        while d.pending_events():
            e = d.next_event()
            if e.type == damage_event and e.damage in watched:
                d.damage_subtract(e.damage)
                open_bursts.setdefault(id(watched[e.damage]), (watched[e.damage], now))
        for key, (state, t) in list(open_bursts.items()):
            if now - t >= 0.04:
                w, h = state['size']
                pixels = state['top'].get_image(0, 0, w, h, X.ZPixmap, 0xffffffff).data
                state['ticks'].append(t)
                state['images'].append(hashlib.sha1(pixels).digest())
                del open_bursts[key]
        d.flush()
    for p in procs:
        p.terminate()
        p.wait()
    results = []
    for state in {id(s): s for s in watched.values()}.values():
        ticks, images = state['ticks'], state['images']
        lags = sorted((t - math.floor(t)) * 1000 for t in ticks)
        seconds = {math.floor(t) for t in ticks}
        span = range(math.floor(ticks[0]), math.floor(ticks[-1]) + 1) if ticks else range(0)
        q = lambda f: lags[min(len(lags) - 1, int(f * len(lags)))]
        results.append({'name': state['name'], 'ticks': len(ticks), 'p50': q(0.5), 'p99': q(0.99),
                        'max': lags[-1], 'skipped': sum(1 for s in span if s not in seconds),
                        'repeated': sum(1 for a, b in zip(images, images[1:]) if a == b)})
    return results


def programs_of(build):
    """(name, command, measured at rest): the minimal windows change nothing, so
    only their memory is taken."""
    return [('orbalune', [f'{build}/app/orbalune'], True),
            ('minimal Qt clock', [f'{build}/bench/minimal_qt_clock'], True),
            ('xclock -digital -update 1', XCLOCK, True),
            ('minimal Qt window', [f'{build}/bench/minimal_qt_window'], False),
            ('minimal Qt window in Japanese', [f'{build}/bench/minimal_qt_window', '東', 'IPAPGothic'], False)]


def half_table(build, d, xvfb, a, label):
    """Start-up, rest and memory of every program in one setting; prints its table
    and returns its rows by program name."""
    programs = programs_of(build)
    starts = alternating_starts([(name, cmd) for name, cmd, _ in programs], d, a.runs)
    rows = {}
    for name, cmd, rest in programs:
        rows[name] = at_rest(cmd, xvfb, a.settle, a.cpu_seconds if rest else 0)
        rows[name]['start'] = statistics.median(starts[name])
    print(f'\n{label}: start-up median of {a.runs} alternating starts; at rest {a.cpu_seconds:g} s each, '
          f'after {a.settle:g} s, one program at a time')
    print('| program | start-up (ms) | wake-ups a minute | CPU ms/min, all threads | X server CPU ms/min | '
          'RSS (KiB) | RSS less font files (KiB) | private dirty (KiB) |')
    print('|---|---|---|---|---|---|---|---|')
    for name, r in rows.items():
        rest = f"{r['wakeups']:.0f} | {r['cpu']:.1f} | {r['xcpu']:.1f}" if r['measured'] else '– | – | –'
        print(f"| {name} | {r['start']:.1f} | {rest} | {r['rss']} | {r['rss_less_font']} | {r['own']} |")
    if a.per_thread:
        for name, r in rows.items():
            if r['measured']:
                print(f'{name}, per thread: ' + '; '.join(
                    f"{t['name']} {t['wakeups']:.0f} wake-ups, {t['cpu']:.1f} ms"
                    for t in sorted(r['threads'], key=lambda t: -t['wakeups'])))
    sys.stdout.flush()
    return rows


def verdicts(halves, precise):
    """One line per goal and setting: met or missed, with the figures it rests on."""
    lines = []

    def judge(goal, ok, figures):
        lines.append(f"| {goal} | {'met' if ok else '**missed**'}: {figures} |")

    for label, rows in halves:
        o, x = rows['orbalune'], rows['xclock -digital -update 1']
        w = rows['minimal Qt window']
        judge(f'wake-ups at rest ≤ xclock’s, {label}', round(o['wakeups']) <= round(x['wakeups']),
              f"{o['wakeups']:.0f} against {x['wakeups']:.0f} a minute")
        judge(f'CPU at rest ≤ 2 × xclock’s, {label}', o['cpu'] <= 2 * x['cpu'],
              f"{o['cpu']:.1f} against {x['cpu']:.1f} ms/min ({o['cpu'] / x['cpu']:.2f} ×); X server "
              f"{o['xcpu']:.1f} against {x['xcpu']:.1f}")
        limit = 1.10 * w['rss_less_font']
        judge(f'RSS less font files ≤ minimal Qt window + 10 %, {label}', o['rss_less_font'] <= limit,
              f"{o['rss_less_font']} against {w['rss_less_font']} KiB "
              f"({100 * (o['rss_less_font'] / w['rss_less_font'] - 1):+.1f} %); private dirty {o['own']} "
              f"against {w['own']} KiB")
        judge(f'start-up ≤ the minimal Qt window’s, {label}', o['start'] <= w['start'],
              f"{o['start']:.1f} against {w['start']:.1f} ms ({o['start'] / w['start']:.2f} ×)")
    if precise:
        o, x = precise['orbalune'], precise['xclock -digital -update 1']
        judge('tick lag p50 ≤ 1 ms', o['p50'] <= 1.0, f"{o['p50']:.2f} ms")
        judge('tick lag p99 and max ≤ xclock’s', o['p99'] <= x['p99'] and o['max'] <= x['max'],
              f"p99 {o['p99']:.2f} against {x['p99']:.2f}, max {o['max']:.2f} against {x['max']:.2f} ms")
        judge('no second skipped or repeated', o['skipped'] == 0 and o['repeated'] == 0,
              f"{o['skipped']} skipped, {o['repeated']} repeated in {o['ticks']} ticks")
    if lines:
        print('\n| goal | result |\n|---|---|')
        print('\n'.join(lines))


def comparison_table(build, other, d, runs):
    """Start-up of the program of two builds (say, with and without a set of
    compiler flags), alternating start by start."""
    starts = alternating_starts([(build, [f'{build}/app/orbalune']), (other, [f'{other}/app/orbalune'])], d, runs)
    print(f'| build | start-up median of {runs} alternating (ms) | quartiles (ms) | fastest, slowest (ms) |')
    print('|---|---|---|---|')
    for name, times in starts.items():
        q = statistics.quantiles(times, n=4)
        print(f'| {name} | {statistics.median(times):.1f} | {q[0]:.1f} – {q[2]:.1f} | '
              f'{min(times):.1f}, {max(times):.1f} |')


def precision_table(build, d, minutes):
    print(f'\ntick precision, both programs at once for {minutes:g} min of real time:')
    print('| program | ticks | lag p50 (ms) | lag p99 (ms) | lag max (ms) | skipped s | repeated s |')
    print('|---|---|---|---|---|---|---|')
    found = {}
    for p in precision([('orbalune', [f'{build}/app/orbalune']), ('xclock -digital -update 1', XCLOCK)], d, minutes):
        found[p['name']] = p
        print(f"| {p['name']} | {p['ticks']} | {p['p50']:.2f} | {p['p99']:.2f} | {p['max']:.2f} | "
              f"{p['skipped']} | {p['repeated']} |")
    return found


# Where one start goes, from the marks of bench/startup_probe.cpp: (phase, from mark, to mark).
PHASES = [('library loading and relocation (from exec)', None, 'loaded'),
          ('static initialisers, command line, display choice', 'loaded', 'application'),
          ('Qt application object to the platform plugin', 'application', 'plugin'),
          ('X connection', 'plugin', 'connected'),
          ('rest of the application object', 'connected', 'application-made'),
          ('fontconfig warm-up (its own thread)', 'fontconfig', 'fontconfig-done'),
          ('translations, fonts, any wait for fontconfig', 'application-made', 'controls'),
          ('building the controls', 'controls', 'show'),
          ('from the application object to showing, in all', 'application-made', 'show'),
          ('showing: native window, frame request', 'show', 'shown'),
          ('to the first paint sent', 'shown', 'first-paint'),
          ('accessibility bridge created, within one phase above', 'bridge', 'bridge-made')]


def phase_table(build, runs, label):
    """Median of each start-up phase over `runs` alternating starts of the program
    and of the minimal Qt window, each with the probe preloaded."""
    probe = f'{build}/bench/libstartup_probe.so'
    out = os.path.join(tempfile.mkdtemp(), 'marks')
    programs = {name: cmd for name, cmd, _ in programs_of(build) if name in ('orbalune', 'minimal Qt window')}
    seen = {name: [] for name in programs}
    for _ in range(runs):
        for name, program in programs.items():
            env = dict(os.environ, LD_PRELOAD=probe, ORBALUNE_PROBE_OUT=out)
            env['ORBALUNE_PROBE_T0'] = str(time.monotonic_ns())
            p = subprocess.Popen(program, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            deadline = time.monotonic() + 10
            while not os.path.exists(out) and time.monotonic() < deadline:
                time.sleep(0.002)
            time.sleep(0.01)  # the probe writes the file in one go; let it finish
            end_tree(p)
            with open(out) as f:
                seen[name].append({mark: float(ms) for mark, ms in (line.split() for line in f)})
            os.remove(out)
            time.sleep(0.2)
    print(f'\n{label}: where a start goes, median of {runs} alternating starts with the probe preloaded (ms)')
    print('| phase | ' + ' | '.join(f'{name} (quartiles)' for name in programs) + ' |\n|---|---|---|')
    for phase, begin, end in PHASES + [('first paint, from exec', None, 'first-paint'),
                                        ('accessibility bridge begun, from exec', None, 'bridge'),
                                        ('processor time of all its threads, exec to first paint', None, 'cpu'),
                                        ('accessibility bus reached, from exec', None, 'a11y-bus')]:
        cells = []
        for name in programs:
            spans = [m[end] - (m[begin] if begin else 0) for m in seen[name]
                     if end in m and (begin is None or begin in m)]
            q = statistics.quantiles(spans, n=4) if len(spans) > 1 else spans * 3
            cells.append(f'{statistics.median(spans):.2f} ({q[0]:.2f} – {q[2]:.2f})' if spans else '–')
        if any(c != '–' for c in cells):
            print(f'| {phase} | ' + ' | '.join(cells) + ' |')
    sys.stdout.flush()


class AccessibilityBus:
    """The accessibility bus and its registry, as a desktop runs them for a screen
    reader, with Qt's bridge to them on; ended on leaving."""

    def __enter__(self):
        os.environ['QT_LINUX_ACCESSIBILITY_ALWAYS_ON'] = '1'
        self.launcher = subprocess.Popen(['/usr/libexec/at-spi-bus-launcher', '--launch-immediately'],
                                         stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        time.sleep(1.5)
        return self

    def __exit__(self, *exc):
        end_tree(self.launcher)
        del os.environ['QT_LINUX_ACCESSIBILITY_ALWAYS_ON']
        time.sleep(0.5)


class NoAccessibilityBus:
    def __enter__(self):
        return self

    def __exit__(self, *exc):
        pass


def main():
    if 'DBUS_SESSION_BUS_ADDRESS' not in os.environ:
        # A desktop always has a session bus. Without one, each Qt program would
        # start a bus through dbus-launch as it opens, and its start-up would
        # measure that instead of what a user waits for.
        os.execvp('dbus-run-session', ['dbus-run-session', '--', sys.executable] + sys.argv)
    ap = argparse.ArgumentParser()
    ap.add_argument('build')
    ap.add_argument('--runs', type=int, default=31, help='alternating starts of each program, each half')
    ap.add_argument('--cpu-seconds', type=float, default=60, help='seconds at rest measured, each program')
    ap.add_argument('--settle', type=float, default=5, help='seconds after start before anything at rest is read')
    ap.add_argument('--precision-minutes', type=float, default=0)
    ap.add_argument('--skip-startup', action='store_true', help='only the precision run')
    ap.add_argument('--against', metavar='OTHER_BUILD',
                    help="only compare the start-up of this build's program with OTHER_BUILD's")
    only = ap.add_mutually_exclusive_group()
    only.add_argument('--accessibility', action='store_true',
                      help='only the half with the accessibility bus up and the bridge on, as with a screen reader')
    only.add_argument('--no-accessibility', action='store_true', help='only the half without the accessibility bus')
    ap.add_argument('--per-thread', action='store_true', help="also each thread's wake-ups and CPU")
    ap.add_argument('--phases', action='store_true', help="only where the program's start-up goes, phase by phase")
    a = ap.parse_args()
    os.environ.pop('QT_LINUX_ACCESSIBILITY_ALWAYS_ON', None)
    build = os.path.abspath(a.build)
    halves = [(label, bus) for label, bus in (('without the accessibility bus', NoAccessibilityBus),
                                              ('with the accessibility bus and bridge', AccessibilityBus))
              if not (a.accessibility and bus is NoAccessibilityBus or a.no_accessibility and bus is AccessibilityBus)]
    xvfb, wm, d, tmp = start_x()
    try:
        print(f'Measured on this machine ({os.cpu_count()} cores), {time.strftime("%Y-%m-%d %H:%M")}, '
              f'display {os.environ["DISPLAY"]}:')
        measured, precise = [], None
        if a.phases:
            for label, bus in halves:
                with bus():
                    phase_table(build, a.runs, label)
            return 0
        if a.against:
            with halves[0][1]():
                comparison_table(build, os.path.abspath(a.against), d, a.runs)
            return 0
        for label, bus in halves[:1] if a.skip_startup else halves:
            with bus():
                if not a.skip_startup:
                    measured.append((label, half_table(build, d, xvfb, a, label)))
                if a.precision_minutes > 0 and label == halves[0][0]:  # without the bus, unless only with it
                    precise = precision_table(build, d, a.precision_minutes)
        verdicts(measured, precise)
    finally:
        end_tree(wm)
        end_tree(xvfb)
        shutil.rmtree(tmp, ignore_errors=True)
    return 0


if __name__ == '__main__':
    sys.exit(main())
