#!/usr/bin/python3
"""Reads Lunara's drop-down lists from outside, as a screen reader on Linux does: over AT-SPI.

Run inside a private D-Bus session (dbus-run-session) on an X display: the accessibility bus is
started by D-Bus itself. For each window the host shows, every drop-down list must give its name,
its choice as text, and the item of its list that holds the choice must be selected. Then the
Month list is chosen from by keys while the checker reads its open list after every move, as a
screen reader does: reading must not move the highlight.
Usage: check_atspi.py HOST
"""
import subprocess
import sys
import time

import pyatspi

# Every wait is a bounded poll: only a bound for a failure, generous for a machine busy with
# another build.
PATIENCE = 60

# The window shown, and the names of the lists it must have (each with a choice).
WINDOWS = {
    "moon": {"Date", "Month", "Year"},
    "calendar": {"Month", "Year"},
    "candle": {"Candle Selection", "Available Options"},
    "export": {"Month", "Year", "Year to export"},
    "location": {"Month", "Year"},
}

# Subtrees that hold no drop-down list: not walked, as each node is a round trip over D-Bus.
SKIPPED = {pyatspi.ROLE_MENU_BAR, pyatspi.ROLE_TABLE, pyatspi.ROLE_TREE_TABLE, pyatspi.ROLE_TREE}


def walk(node, depth=0, inside_list=False):
    if node is None or depth > 40:
        return
    yield node
    role = node.getRole()
    if not inside_list and role in SKIPPED:
        return
    inside_list = inside_list or role == pyatspi.ROLE_COMBO_BOX
    for i in range(node.childCount):
        try:
            child = node.getChildAtIndex(i)
        except Exception:  # a child that went away while we looked
            continue
        yield from walk(child, depth + 1, inside_list)


def find_app(pid, deadline):
    while time.time() < deadline:
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            try:
                if app is not None and app.get_process_id() == pid:
                    return app
            except Exception:
                pass
        time.sleep(0.1)
    return None


def lists_of(app):
    found = {}
    for node in walk(app):
        if node.getRole() != pyatspi.ROLE_COMBO_BOX:
            continue
        if not node.getState().contains(pyatspi.STATE_SHOWING):
            continue
        try:
            text = node.queryText().getText(0, -1)
        except NotImplementedError:
            text = None
        selected = [
            n.name for n in walk(node) if n is not node and n.getState().contains(pyatspi.STATE_SELECTED)
        ]
        found[node.name] = (text, selected)
    return found


def highlighted(combo):
    """The entries of a list read as selected, asking the list for its entries as a screen reader
    does (the list's child, then its items)."""
    return [n.name for n in walk(combo) if n is not combo and n.getState().contains(pyatspi.STATE_SELECTED)]


def list_open(combo):
    return combo.childCount > 0 and combo.getChildAtIndex(0).getState().contains(pyatspi.STATE_SHOWING)


def poll(condition, seconds=PATIENCE):
    """Whether the condition held before the time ran out."""
    deadline = time.time() + seconds
    while True:
        if condition():
            return True
        if time.time() > deadline:
            return False
        time.sleep(0.1)


def xdotool(*args):
    return subprocess.run(["xdotool", *args], check=False, capture_output=True, text=True).stdout.split()


def choose_by_keys(host):
    """The Month list opened by keys, a month typed, its open list read six times, Return: the month
    typed is the choice."""
    proc = subprocess.Popen([host, "month"], stdout=subprocess.PIPE, text=True)
    try:
        if proc.stdout.readline().strip() != "shown":
            return ["keys: the host did not show its window"]
        app = find_app(proc.pid, time.time() + PATIENCE)
        if app is None:
            return [f"keys: no accessible application for process {proc.pid}"]
        found = {}

        def month_list():
            found.update((n.name, n) for n in walk(app) if n.getRole() == pyatspi.ROLE_COMBO_BOX and n.name == "Month")
            return "Month" in found

        if not poll(month_list):
            return ["keys: no list named 'Month'"]
        month = found["Month"]
        before = month.queryText().getText(0, -1)
        wanted = "October" if before == "April" else "April"
        # The keyboard to the window (there is no window manager); the host put it in the Month list.
        windows = xdotool("search", "--onlyvisible", "--pid", str(proc.pid))
        if not windows:
            return ["keys: the host shows no window"]
        xdotool("windowfocus", "--sync", windows[0])
        if not poll(lambda: month.getState().contains(pyatspi.STATE_FOCUSED)):
            return ["keys: the Month list never had the keyboard"]
        xdotool("key", "--clearmodifiers", "alt+Down")
        if not poll(lambda: list_open(month)):
            return ["keys: Alt+Down did not open the Month list"]
        xdotool("type", "--delay", "100", wanted.lower())
        problems = []
        # Read after each key as a reader does; once the keys have arrived, the highlight stays put.
        if not poll(lambda: highlighted(month) == [wanted]):
            problems.append(f"keys: typing {wanted!r} in the open list, a reader finds {highlighted(month)!r}")
        for _ in range(6):
            seen = highlighted(month)
            if seen != [wanted]:
                problems.append(f"keys: reading the open list again finds {seen!r}, not {wanted!r}")
                break
        xdotool("key", "--clearmodifiers", "Return")
        poll(lambda: not list_open(month) and month.queryText().getText(0, -1) != before)
        chosen = month.queryText().getText(0, -1)
        print(f"keys: {before!r}, typed {wanted!r} in the open list, Return: {chosen!r}")
        if chosen != wanted:
            problems.append(f"keys: Return chose {chosen!r} where {wanted!r} was typed")
        return problems
    finally:
        proc.kill()
        proc.wait()


def check(host, window):
    proc = subprocess.Popen([host, window], stdout=subprocess.PIPE, text=True)
    try:
        if proc.stdout.readline().strip() != "shown":
            return [f"{window}: the host did not show its window"]
        app = find_app(proc.pid, time.time() + PATIENCE)
        if app is None:
            return [f"{window}: no accessible application for process {proc.pid}"]
        problems = []
        # The tree fills in as the window is laid out: a bounded poll until every list is there.
        deadline = time.time() + PATIENCE
        while True:
            found = lists_of(app)
            if WINDOWS[window] <= set(found) or time.time() > deadline:
                break
            time.sleep(0.2)
        for name in sorted(WINDOWS[window]):
            if name not in found:
                problems.append(f"{window}: no list named {name!r} (lists: {sorted(found)})")
                continue
            text, selected = found[name]
            print(f"{window}: {name!r} says {text!r}, selected {selected!r}")
            if not text or text == name:
                problems.append(f"{window}: list {name!r} gives no choice as its text ({text!r})")
            elif selected != [text]:
                problems.append(f"{window}: list {name!r} shows {text!r} but its selected items are {selected!r}")
        return problems
    finally:
        proc.kill()
        proc.wait()


def main():
    host = sys.argv[1]
    problems = []
    for window in WINDOWS:
        problems += check(host, window)
    problems += choose_by_keys(host)
    for p in problems:
        print("FAIL:", p)
    failed = len({p.split(':')[0] for p in problems})
    print(f"{len(WINDOWS) + 1 - failed} passed, {failed} failed")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
