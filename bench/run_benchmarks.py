#!/usr/bin/python3
"""Measures Orbalune beside xclock and a minimal Qt window, in one run, on one
private Xvfb display with openbox, and prints a table of what it measured here.

  bench/run_benchmarks.py BUILD_DIR   (Debian's python3, for python3-xlib)
 ... [--runs 7] [--cpu-seconds 60] [--precision-minutes 10]

start-up: exec until the window is mapped and its pixels are painted (the X
server is polled about every millisecond); memory: VmRSS after 5 s; CPU: user +
system time of the program and of the X server over an idle stretch; precision
(orbalune only): strace timestamps of each tick's re-arming call, which comes at
the end of the tick, so the lag includes the tick's own work and strace's cost.
"""
import argparse
import os
import re
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

from Xlib import X, display as xdisplay


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
    return xvfb, wm, d, tmp


def client_list(d):
    prop = d.screen().root.get_full_property(d.intern_atom('_NET_CLIENT_LIST'), X.AnyPropertyType)
    return set(prop.value) if prop else set()


def wait_painted(d, before, t0, timeout=10.0):
    """Seconds from t0 until a new managed window shows non-black pixels."""
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
                x, y = -pos.x + g.width // 2, -pos.y + g.height // 2
                img = root.get_image(x, y, 1, 1, X.ZPixmap, 0xffffffff)
                if img.data[:3] != b'\x00\x00\x00':
                    return time.monotonic() - t0
            except Exception:  # the window may still be settling
                pass
        time.sleep(0.001)
    return float('nan')


def cpu_seconds(pid):
    with open(f'/proc/{pid}/stat') as f:
        fields = f.read().rsplit(')', 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / os.sysconf('SC_CLK_TCK')


def rss_kib(pid):
    with open(f'/proc/{pid}/status') as f:
        return int(re.search(r'VmRSS:\s+(\d+)', f.read()).group(1))


def measure(name, cmd, d, xvfb, runs, cpu_window):
    starts = []
    for _ in range(runs):
        before = client_list(d)
        t0 = time.monotonic()
        p = subprocess.Popen(cmd, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        starts.append(wait_painted(d, before, t0))
        p.terminate()
        p.wait()
        time.sleep(0.3)
    p = subprocess.Popen(cmd, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    time.sleep(5)
    rss = rss_kib(p.pid)
    c0, x0 = cpu_seconds(p.pid), cpu_seconds(xvfb.pid)
    time.sleep(cpu_window)
    c1, x1 = cpu_seconds(p.pid), cpu_seconds(xvfb.pid)
    p.terminate()
    p.wait()
    scale = 60.0 / cpu_window
    return {'name': name, 'start_ms': statistics.median(starts) * 1000, 'rss': rss,
            'cpu': (c1 - c0) * scale, 'xcpu': (x1 - x0) * scale}


def precision(program, minutes):
    log = tempfile.mktemp()
    p = subprocess.Popen(['strace', '-qq', '-ttt', '-e', 'trace=timerfd_settime', '-o', log, program],
                         stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    time.sleep(minutes * 60 + 2)
    p.terminate()
    p.wait()
    lags, targets = [], []
    with open(log) as f:
        for line in f:
            m = re.match(r'(?:\d+\s+)?(\d+\.\d+) timerfd_settime\(.*tv_sec=(\d+), tv_nsec=(\d+)', line)
            if m:
                called, target = float(m.group(1)), int(m.group(2))
                lags.append((called - (target - 1)) * 1000)  # the tick for target-1 armed this one
                targets.append(target)
    os.unlink(log)
    lags = sorted(lags[2:])  # the first ticks come from start-up, not from the timer
    steps = [b - a for a, b in zip(targets[2:], targets[3:])]
    q = lambda f: lags[min(len(lags) - 1, int(f * len(lags)))]
    return {'ticks': len(lags), 'p50': q(0.5), 'p99': q(0.99), 'max': lags[-1],
            'skipped': sum(s - 1 for s in steps if s > 1), 'repeated': sum(1 for s in steps if s < 1)}


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument('build')
    ap.add_argument('--runs', type=int, default=7)
    ap.add_argument('--cpu-seconds', type=float, default=60)
    ap.add_argument('--precision-minutes', type=float, default=0)
    a = ap.parse_args()
    build = os.path.abspath(a.build)
    xvfb, wm, d, tmp = start_x()
    try:
        rows = [measure('orbalune', [f'{build}/app/orbalune'], d, xvfb, a.runs, a.cpu_seconds),
                measure('minimal Qt window', [f'{build}/bench/minimal_qt_window'], d, xvfb, a.runs, a.cpu_seconds),
                measure('xclock -digital -update 1', ['xclock', '-digital', '-update', '1'], d, xvfb, a.runs,
                        a.cpu_seconds)]
        print(f'Measured on this machine ({os.cpu_count()} cores), {time.strftime("%Y-%m-%d %H:%M")}:')
        print(f'| program | start-up median of {a.runs} (ms) | RSS after 5 s (KiB) | CPU s/min | X server CPU s/min |')
        print('|---|---|---|---|---|')
        for r in rows:
            print(f"| {r['name']} | {r['start_ms']:.1f} | {r['rss']} | {r['cpu']:.3f} | {r['xcpu']:.3f} |")
        o, q, x = rows
        print(f"start-up: {o['start_ms'] / q['start_ms']:.2f}x the minimal Qt window, "
              f"{o['start_ms'] / x['start_ms']:.2f}x xclock; RSS {100 * (o['rss'] / q['rss'] - 1):+.1f}% "
              f"against the minimal Qt window")
        if a.precision_minutes > 0:
            p = precision(f'{build}/app/orbalune', a.precision_minutes)
            print(f"tick precision over {a.precision_minutes:g} min ({p['ticks']} ticks, under strace): "
                  f"lag p50 {p['p50']:.2f} ms, p99 {p['p99']:.2f} ms, max {p['max']:.2f} ms; "
                  f"skipped {p['skipped']}, repeated {p['repeated']}")
    finally:
        wm.terminate()
        xvfb.terminate()
        shutil.rmtree(tmp, ignore_errors=True)


if __name__ == '__main__':
    sys.exit(main())
