#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""read_accessibility_tree.py <dpi>: Orbalune over AT-SPI as a screen reader reads it: Row 1 where it
really is, its time box named after its city, the on-top button pressed through it and renamed."""
import contextlib, sys, time
import pyatspi

px = lambda twips: round(twips * int(sys.argv[1]) / 1440)
below = lambda a: [d for c in filter(None, a) for d in [c, *below(c)]]
where = lambda a: tuple(a.queryComponent().getExtents(pyatspi.DESKTOP_COORDS))
app = lambda: next(a for a in pyatspi.Registry.getDesktop(0) if a is not None and a.name == 'Orbalune')
buttons = lambda: {a.name: a for a in below(app()) if a.getRole() == pyatspi.ROLE_PUSH_BUTTON}


def wait_for(probe, timeout=10.0):
    for _ in range(int(timeout / 0.2)):
        with contextlib.suppress(Exception):  # the tree may change while it is read
            if found := probe():
                return found
        time.sleep(0.2)
    return None


def first_row():  # its place, its city label's name, and the name of its time box once a tick wrote it
    frame = min((a for a in below(app()) if any(c.getRole() == pyatspi.ROLE_LABEL for c in filter(None, a))), key=where)
    city = next(c.name for c in frame if c.getRole() == pyatspi.ROLE_LABEL and where(c)[1] < where(frame)[1] + px(200))
    box = next(c for c in frame if c.getRole() == pyatspi.ROLE_TEXT)
    return (where(frame), city, box.name) if ':' in box.queryText().getText(0, -1) else None


problems = []
place, city, box = wait_for(first_row) or (None, None, None)
if place is None:
    problems.append('Row 1 not found, or its time box never showed a time')
if place and any(abs(a - b) > 2 for a, b in zip(place, (px(495), px(720), px(1050), px(1100)))):
    problems.append(f'Row 1 at {place}, want {(px(495), px(720), px(1050), px(1100))}')
if place and box != city:
    problems.append(f'Row 1 time box named {box!r}, want its city {city!r}')
if front := wait_for(lambda: buttons().get('常に前面に置きます')):  # each button's name is window_test's
    front.queryAction().doAction(0)
if not wait_for(lambda: '常に前面をキャンセルします' in buttons(), 5):
    problems.append(f'the on-top button not found, or not renamed once pressed: buttons {sorted(buttons())}')
print('\n'.join(problems))
sys.exit(1 if problems else 0)
