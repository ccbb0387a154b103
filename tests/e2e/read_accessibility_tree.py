#!/usr/bin/python3
"""Reads Orbalune's window over AT-SPI as a screen reader does: every Row reads
out its city, date and time (the time box named after its city), every button
its action, and pressing "keep on top" renames that button."""
import re
import sys
import time

import pyatspi


def wait_for(probe, timeout=10.0):
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        try:
            found = probe()
            if found:
                return found
        except Exception:  # the tree may change while it is read
            pass
        time.sleep(0.2)
    return None


def below(acc):
    for child in filter(None, acc):
        yield child
        yield from below(child)


def app():
    return next(a for a in pyatspi.Registry.getDesktop(0) if a is not None and a.name == 'Orbalune')


def rows():
    """Per Row, left to right: the shown labels top to bottom, the time box's text and name."""
    extents = lambda a: a.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    frames = sorted((a for a in below(app()) if any(c.getRole() == pyatspi.ROLE_COMBO_BOX for c in filter(None, a))),
                    key=lambda a: extents(a).x)
    out = []
    for frame in frames:
        shown = [c for c in filter(None, frame) if c.getState().contains(pyatspi.STATE_SHOWING)]
        labels = sorted((c for c in shown if c.getRole() == pyatspi.ROLE_LABEL), key=lambda c: extents(c).y)
        box = next(c for c in shown if c.getRole() == pyatspi.ROLE_TEXT)
        out.append(tuple(c.name for c in labels) + (box.queryText().getText(0, -1), box.name))
    return out if len(out) == 10 and all(r[1] != '===' for r in out) else None  # once a tick has written them


def buttons():
    return {a.name: a for a in below(app()) if a.getRole() == pyatspi.ROLE_PUSH_BUTTON}


problems = []
readings = wait_for(rows) or []
if len(readings) != 10:
    problems.append('could not read ten written Rows')
for number, reading in enumerate(readings, start=1):
    home = number == 6
    pattern = (r'(\S+) (\d\d/\d\d[日月火水木金土]) (\d\d:\d\d:\d\d) \1' if home else r'(\S+) (\d\d/\d\d) (\d\d:\d\d) \1')
    if not re.fullmatch(pattern, ' '.join(reading).replace('\u3000', '_')):
        problems.append(f'Row {number} reads {reading!r}')
named = wait_for(buttons) or {}
if set(named) != {'終ります', 'フォームを下へ伸ばします', '常に前面に置きます', '背景色を変えます', '文字色を変えます'}:
    problems.append(f'buttons named {sorted(named)}')
if '常に前面に置きます' in named:
    named['常に前面に置きます'].queryAction().doAction(0)
    if not wait_for(lambda: '常に前面をキャンセルします' in buttons(), timeout=5):
        problems.append(f'after pressing, buttons are named {sorted(buttons())}')
print('\n'.join(problems))
sys.exit(1 if problems else 0)
