#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Measures Orbalune beside xclock, a minimal Qt window, a minimal Qt clock (a
label that shows a new time every second) and the minimal window showing one kanji
in IPA P Gothic (what the font alone costs), in one run, on one
private Xvfb display with openbox, and prints a table of what it measured here.

  bench/run_benchmarks.py BUILD_DIR   (Debian's python3, for python3-xlib)
 ... [--runs 11] [--cpu-seconds 60] [--precision-minutes 10] [--skip-startup] [--accessibility]
  bench/run_benchmarks.py BUILD_DIR --against OTHER_BUILD_DIR [--runs 31]

start-up: exec until the window is mapped and its pixels are painted (the X
server is polled about every millisecond); memory: VmRSS after 5 s; CPU: time on
the processor of every thread of the program and of the X server over an idle
stretch (the scheduler's nanosecond count, /proc/PID/task/*/schedstat); precision:
when the X server reports each second's repaint (DAMAGE extension), against the
wall-clock second, so the lag includes drawing and the trip to the server.
Everything runs inside a private D-Bus session, as on a desktop.
"""
import argparse
import hashlib
import math
import os
import re
import select
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

from Xlib import X, display as xdisplay
from Xlib.ext import damage


def start_x():
    tmp = tempfile.mkdtemp()
    rfd, wfd = os.pipe()
    xvfb = subprocess.Popen(['Xvfb', '-displayfd', str(wfd), '-noreset', '-screen', '0', '1280x1024x24',
                             '-dpi', '96', '-nolisten', 'tcp'], pass_fds=[wfd], stderr=subprocess.DEVNULL)
    os.close(wfd)
    number = os.read(rfd, 16).decode().strip()
    os.environ['DISPLAY'] = ':' + number
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


def cpu_seconds(pid):
    """Time on the processor of every thread alive now; the threads of an idle
    program live as long as it does."""
    total = 0
    for task in os.listdir(f'/proc/{pid}/task'):
        with open(f'/proc/{pid}/task/{task}/schedstat') as f:
            total += int(f.read().split()[0])
    return total / 1e9


def rss_kib(pid):
    with open(f'/proc/{pid}/status') as f:
        return int(re.search(r'VmRSS:\s+(\d+)', f.read()).group(1))


def private_dirty_kib(pid):
    """The part of RSS that is this process's own; the rest is clean pages of
    libraries and font files, shared with every program that maps them."""
    with open(f'/proc/{pid}/smaps_rollup') as f:
        return int(re.search(r'Private_Dirty:\s+(\d+)', f.read()).group(1))


def start_once(cmd, d):
    before = client_list(d)
    t0 = time.monotonic()
    p = subprocess.Popen(cmd, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    took = wait_painted(d, before, t0)
    p.terminate()
    p.wait()
    time.sleep(0.3)
    return took


def resources(name, cmd, xvfb, cpu_window):
    p = subprocess.Popen(cmd, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    time.sleep(5)
    rss, own = rss_kib(p.pid), private_dirty_kib(p.pid)
    c0, x0 = cpu_seconds(p.pid), cpu_seconds(xvfb.pid)
    time.sleep(cpu_window)
    c1, x1 = cpu_seconds(p.pid), cpu_seconds(xvfb.pid)
    p.terminate()
    p.wait()
    scale = 60.0 / cpu_window
    return {'name': name, 'rss': rss, 'own': own, 'cpu': (c1 - c0) * scale, 'xcpu': (x1 - x0) * scale}


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


def startup_table(build, d, xvfb, a):
    programs = [('orbalune', [f'{build}/app/orbalune']), ('minimal Qt window', [f'{build}/bench/minimal_qt_window']),
                ('xclock -digital -update 1', ['xclock', '-digital', '-update', '1']),
                ('minimal Qt clock', [f'{build}/bench/minimal_qt_clock']),
                ('minimal Qt window in Japanese', [f'{build}/bench/minimal_qt_window', '東', 'IPAPGothic'])]
    # Alternating, so that whatever else the machine does falls on every program alike.
    starts = {name: [] for name, _ in programs}
    for _ in range(a.runs):
        for name, cmd in programs:
            starts[name].append(start_once(cmd, d))
    rows = [dict(resources(name, cmd, xvfb, a.cpu_seconds), start_ms=statistics.median(starts[name]) * 1000)
            for name, cmd in programs]
    print(f'| program | start-up median of {a.runs} alternating (ms) | RSS after 5 s (KiB) | of it private dirty (KiB) '
          '| CPU ms/min | X server CPU ms/min |')
    print('|---|---|---|---|---|---|')
    for r in rows:
        print(f"| {r['name']} | {r['start_ms']:.1f} | {r['rss']} | {r['own']} | {1000 * r['cpu']:.1f} | "
              f"{1000 * r['xcpu']:.1f} |")
    o, q, x, c, j = rows
    print(f"start-up: {o['start_ms'] / q['start_ms']:.2f}x the minimal Qt window, "
          f"{o['start_ms'] / x['start_ms']:.2f}x xclock; RSS {100 * (o['rss'] / q['rss'] - 1):+.1f}%, "
          f"private dirty {100 * (o['own'] / q['own'] - 1):+.1f}% against the minimal Qt window (RSS "
          f"{100 * (o['rss'] / j['rss'] - 1):+.1f}% against it showing a kanji in the same font); idle CPU with "
          f"the X server's {1000 * (o['cpu'] + o['xcpu']):.1f} ms/min against xclock's "
          f"{1000 * (x['cpu'] + x['xcpu']):.1f} and the minimal Qt clock's {1000 * (c['cpu'] + c['xcpu']):.1f}")


def comparison_table(build, other, d, runs):
    """Start-up of the program of two builds (say, with and without a set of
    compiler flags), alternating start by start."""
    programs = [(build, [f'{build}/app/orbalune']), (other, [f'{other}/app/orbalune'])]
    starts = {name: [] for name, _ in programs}
    for _ in range(runs):
        for name, cmd in programs:
            starts[name].append(1000 * start_once(cmd, d))
    print(f'| build | start-up median of {runs} alternating (ms) | quartiles (ms) | fastest, slowest (ms) |')
    print('|---|---|---|---|')
    for name, times in starts.items():
        q = statistics.quantiles(times, n=4)
        print(f'| {name} | {statistics.median(times):.1f} | {q[0]:.1f} – {q[2]:.1f} | '
              f'{min(times):.1f}, {max(times):.1f} |')


def precision_table(build, d, minutes):
    print(f'tick precision, both programs at once for {minutes:g} min of real time:')
    print('| program | ticks | lag p50 (ms) | lag p99 (ms) | lag max (ms) | skipped s | repeated s |')
    print('|---|---|---|---|---|---|---|')
    for p in precision([('orbalune', [f'{build}/app/orbalune']),
                        ('xclock -digital -update 1', ['xclock', '-digital', '-update', '1'])], d, minutes):
        print(f"| {p['name']} | {p['ticks']} | {p['p50']:.2f} | {p['p99']:.2f} | {p['max']:.2f} | "
              f"{p['skipped']} | {p['repeated']} |")


def main():
    if 'DBUS_SESSION_BUS_ADDRESS' not in os.environ:
        # A desktop always has a session bus. Without one, each Qt program would
        # start a bus through dbus-launch as it opens, and its start-up would
        # measure that instead of what a user waits for.
        os.execvp('dbus-run-session', ['dbus-run-session', '--', sys.executable] + sys.argv)
    ap = argparse.ArgumentParser()
    ap.add_argument('build')
    ap.add_argument('--runs', type=int, default=11)
    ap.add_argument('--cpu-seconds', type=float, default=60)
    ap.add_argument('--precision-minutes', type=float, default=0)
    ap.add_argument('--skip-startup', action='store_true', help='only the precision run')
    ap.add_argument('--against', metavar='OTHER_BUILD',
                    help="only compare the start-up of this build's program with OTHER_BUILD's")
    ap.add_argument('--accessibility', action='store_true',
                    help="as with a screen reader running: Qt programs bridge to AT-SPI")
    a = ap.parse_args()
    if a.accessibility:
        os.environ['QT_LINUX_ACCESSIBILITY_ALWAYS_ON'] = '1'
    build = os.path.abspath(a.build)
    xvfb, wm, d, tmp = start_x()
    spi = None
    if a.accessibility:
        # A desktop with a screen reader runs the accessibility bus and its registry.
        spi = subprocess.Popen(['/usr/libexec/at-spi-bus-launcher', '--launch-immediately'],
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        time.sleep(1.5)
    try:
        print(f'Measured on this machine ({os.cpu_count()} cores), {time.strftime("%Y-%m-%d %H:%M")}:')
        if a.against:
            comparison_table(build, os.path.abspath(a.against), d, a.runs)
        elif not a.skip_startup:
            startup_table(build, d, xvfb, a)
        if a.precision_minutes > 0:
            precision_table(build, d, a.precision_minutes)
    finally:
        if spi:
            spi.terminate()
        wm.terminate()
        xvfb.terminate()
        shutil.rmtree(tmp, ignore_errors=True)


if __name__ == '__main__':
    sys.exit(main())
