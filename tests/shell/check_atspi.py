#!/usr/bin/python3
"""Reads Lunara's drop-down lists from outside, as a screen reader on Linux does: over AT-SPI.

Run inside a private D-Bus session (dbus-run-session) on an X display: the accessibility bus is
started by D-Bus itself. For each window the host shows, every drop-down list must give its name,
its choice as text, and the item of its list that holds the choice must be selected.
Usage: check_atspi.py HOST
"""
import subprocess
import sys
import time

import pyatspi

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


def check(host, window):
    proc = subprocess.Popen([host, window], stdout=subprocess.PIPE, text=True)
    try:
        if proc.stdout.readline().strip() != "shown":
            return [f"{window}: the host did not show its window"]
        app = find_app(proc.pid, time.time() + 20)
        if app is None:
            return [f"{window}: no accessible application for process {proc.pid}"]
        problems = []
        # The tree fills in as the window is laid out: a bounded poll until every list is there.
        deadline = time.time() + 20
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
    for p in problems:
        print("FAIL:", p)
    print(f"{len(WINDOWS) - len({p.split(':')[0] for p in problems})} passed, "
          f"{len({p.split(':')[0] for p in problems})} failed")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
