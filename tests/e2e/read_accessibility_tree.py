#!/usr/bin/python3
"""Reads Orbalune's window through AT-SPI, as a screen reader does, and checks
that every Row (city, date, time) and every button can be read out by name.
The program runs at 2008-06-29 08:30:05 local time."""
import re
import sys
import time

import pyatspi

# Left to right, as the user sees them: city, date, time.
ROWS = [('ロンドン', '06/28', '23:30'), ('パ\u3000リ', '06/29', '00:30'), ('モスクワ', '06/29', '02:30'),
        ('ニューデリー', '06/29', '05:00'), ('シンガポール', '06/29', '07:30'), ('東\u3000京', '06/29日', r'08:30:\d\d'),
        ('シドニー', '06/29', '09:30'), ('ホノルル', '06/28', '13:30'), ('ロサンゼルス', '06/28', '15:30'),
        ('ニューヨーク', '06/28', '18:30')]
BUTTONS = {'終ります', 'フォームを下へ伸ばします', '常に前面に置きます', '背景色を変えます', '文字色を変えます'}
problems = []


def wait_for(what, probe, timeout=10.0):
    end = time.monotonic() + timeout
    while True:
        try:
            found = probe()
        except Exception:  # the tree may be rebuilt while we read it
            found = None
        if found or time.monotonic() > end:
            return found
        time.sleep(0.2)


def find_app():
    return next((a for a in pyatspi.Registry.getDesktop(0) if a is not None and a.name == 'Orbalune'), None)


def below(acc):
    for child in acc:
        if child is not None:
            yield child
            yield from below(child)


def showing(acc):
    return acc.getState().contains(pyatspi.STATE_SHOWING)


def text(acc):
    return acc.queryText().getText(0, -1)


def x_of(acc):
    return acc.queryComponent().getExtents(pyatspi.DESKTOP_COORDS).x


def check(ok, message):
    if not ok:
        problems.append(message)


def row_reading(frame):
    """What a screen reader says for one Row: its shown labels and its time box."""
    shown = [c for c in frame if c is not None and showing(c)]
    labels = sorted((c for c in shown if c.getRole() == pyatspi.ROLE_LABEL), key=lambda c: c.queryComponent()
                    .getExtents(pyatspi.DESKTOP_COORDS).y)
    boxes = [c for c in shown if c.getRole() == pyatspi.ROLE_TEXT]
    if len(labels) != 2 or len(boxes) != 1:
        return None
    return labels[0].name, labels[1].name, text(boxes[0]), boxes[0].name


def rows(app):
    frames = [a for a in below(app) if a.getRole() != pyatspi.ROLE_LIST and any(
        c is not None and c.getRole() == pyatspi.ROLE_COMBO_BOX for c in a)]
    readings = [row_reading(f) for f in sorted(frames, key=x_of)]
    # Ticks run once a second: wait until every Row has been written.
    return readings if len(readings) == 10 and all(r and r[1] != '===' for r in readings) else None


def buttons(app):
    return {a.name: a for a in below(app) if a.getRole() == pyatspi.ROLE_PUSH_BUTTON}


def main():
    app = wait_for('the application', find_app)
    if app is None:
        print('Orbalune never appeared on the accessibility bus')
        return 1
    readings = wait_for('ten written Rows', lambda: rows(app))
    if readings is None:
        print('could not read ten Rows, each with a city, a date and a time')
        return 1
    for number, ((city, date, clock), (said_city, said_date, said_time, box_name)) in enumerate(
            zip(ROWS, readings), start=1):
        check(said_city == city, f'Row {number}: city {said_city!r}, want {city!r}')
        check(said_date == date, f'Row {number}: date {said_date!r}, want {date!r}')
        check(re.fullmatch(clock, said_time) is not None, f'Row {number}: time {said_time!r}, want {clock!r}')
        check(box_name == city, f'Row {number}: time box named {box_name!r}, want its city {city!r}')

    named = buttons(app)
    check(set(named) == BUTTONS, f'buttons named {sorted(named)}, want {sorted(BUTTONS)}')
    # Pressing "keep on top" through the accessibility interface renames it.
    if '常に前面に置きます' in named:
        named['常に前面に置きます'].queryAction().doAction(0)
        renamed = wait_for('the renamed button', lambda: '常に前面をキャンセルします' in buttons(app), timeout=5)
        check(renamed, f'after pressing, buttons are named {sorted(buttons(app))}')

    for p in problems:
        print(p)
    return 1 if problems else 0


if __name__ == '__main__':
    sys.exit(main())
