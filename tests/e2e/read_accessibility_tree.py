#!/usr/bin/python3
"""Reads Orbalune's window over AT-SPI as a screen reader does: each Row reads out
its city, date and time (the time box named after its city) where the Row really
is on the screen, each button its action, and "keep on top" renames itself.
  read_accessibility_tree.py <dpi>"""
import re, sys, time
import pyatspi

px = lambda twips: round(twips * int(sys.argv[1]) / 1440)
below = lambda a: [d for c in filter(None, a) for d in [c, *below(c)]]
where = lambda a: tuple(a.queryComponent().getExtents(pyatspi.DESKTOP_COORDS))
app = lambda: next(a for a in pyatspi.Registry.getDesktop(0) if a is not None and a.name == 'Orbalune')
buttons = lambda: {a.name: a for a in below(app()) if a.getRole() == pyatspi.ROLE_PUSH_BUTTON}


def wait_for(probe, timeout=10.0):
    for _ in range(int(timeout / 0.2)):
        try:
            if found := probe():
                return found
        except Exception:  # the tree may change while it is read
            pass
        time.sleep(0.2)
    return None


def rows():  # per Row, left to right: its place, and its shown labels, time and time box name as read out
    out = []
    frames = (a for a in below(app()) if any(c.getRole() == pyatspi.ROLE_COMBO_BOX for c in filter(None, a)))
    for frame in sorted(frames, key=where):
        shown = sorted((c for c in filter(None, frame) if c.getState().contains(pyatspi.STATE_SHOWING)), key=lambda c: where(c)[1])
        box = next(c for c in shown if c.getRole() == pyatspi.ROLE_TEXT)
        said = [c.name for c in shown if c.getRole() == pyatspi.ROLE_LABEL] + [box.queryText().getText(0, -1), box.name]
        out.append((where(frame), ' '.join(said).replace('\u3000', '_')))
    return out if len(out) == 10 and '===' not in out[0][1] else None  # once a tick has written them


readings = wait_for(rows) or []
problems = [] if readings else ['could not read ten written Rows']
for number, (place, said) in enumerate(readings, start=1):
    clock = r'\d\d/\d\d[日月火水木金土] \d\d:\d\d:\d\d' if number == 6 else r'\d\d/\d\d \d\d:\d\d'
    if not re.fullmatch(r'(\S+) ' + clock + r' \1', said):
        problems.append(f'Row {number} reads {said!r}')
if readings and any(abs(a - b) > 2 for a, b in zip(readings[0][0], (px(495), px(720), px(1050), px(1100)))):
    problems.append(f'Row 1 said to be at {readings[0][0]}, not where it is')
named = wait_for(buttons) or {}
if set(named) != {'終ります', 'フォームを下へ伸ばします', '常に前面に置きます', '背景色を変えます', '文字色を変えます'}:
    problems.append(f'buttons named {sorted(named)}')
else:
    named['常に前面に置きます'].queryAction().doAction(0)
    if not wait_for(lambda: '常に前面をキャンセルします' in buttons(), 5):
        problems.append(f'after pressing, buttons are named {sorted(buttons())}')
print('\n'.join(problems))
sys.exit(1 if problems else 0)
