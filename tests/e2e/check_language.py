#!/usr/bin/python3
"""Reads the real program in a language from outside, over AT-SPI as a screen reader does.

Lunara runs under the LANG given, on a private session bus with the desktop's notification daemon.
The checker finds the launcher's buttons by their names in the catalogue of that language, opens
Moon Magick and asks for a reading, opens Candle Magick and asks for a reading, opens the Moon
Calendar and The Year from the File menu, and reads each window's words: every one of them must be
the catalogue's translation. Last, the reminder that fell due while Lunara was not running must be
on the desktop in that language.
Usage: check_language.py CATALOGUE.ts LUNARA_PID
       check_language.py CATALOGUE.ts --title
"""
import json
import os
import re
import subprocess
import sys
import time
import xml.etree.ElementTree as ET

import pyatspi

PATIENCE = 60  # seconds: a bound for a failure, generous for a busy machine


def catalogue(path):
    """(context, source) -> translation; for plural messages the first form."""
    out = {}
    for context in ET.parse(path).getroot().iter("context"):
        name = context.findtext("name")
        for m in context.iter("message"):
            t = m.find("translation")
            forms = [f.text or "" for f in t.findall("numerusform")]
            out[(name, m.findtext("source"))] = forms[0] if forms else (t.text or "")
    return out


TS = catalogue(sys.argv[1])
if sys.argv[2] == "--title":
    # The launcher's title in the language, for the caller to wait for its window.
    print(TS[("lunara::frmMDI", "Lunara v1.20")])
    sys.exit(0)
PID = int(sys.argv[2])


def tr(context, source):
    text = TS[(context, source)]
    return re.sub(r"&(?!&)", "", text).replace("&&", "&")


def fail(why):
    print("FAIL:", why, file=sys.stderr)
    # What a screen reader would find instead: the windows and buttons showing.
    try:
        for node in walk(app()):
            if node.getRole() in (pyatspi.ROLE_FRAME, pyatspi.ROLE_DIALOG, pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_MENU,
                                  pyatspi.ROLE_MENU_ITEM):
                print("  ", node.getRoleName(), repr(node.name), showing(node), file=sys.stderr)
    except Exception as e:  # the program itself may be gone
        print("  no tree:", e, file=sys.stderr)
    sys.exit(1)


def eventually(find, what):
    end = time.time() + PATIENCE
    while time.time() < end:
        try:
            found = find()
        except Exception:  # a node that went away while we looked
            found = None
        if found:
            return found
        time.sleep(0.2)
    fail("not found: " + what)


def walk(node, depth=0):
    if node is None or depth > 40:
        return
    yield node
    if node.getRole() in (pyatspi.ROLE_TABLE, pyatspi.ROLE_TREE_TABLE, pyatspi.ROLE_TREE, pyatspi.ROLE_LIST):
        return
    for i in range(node.childCount):
        try:
            child = node.getChildAtIndex(i)
        except Exception:
            continue
        yield from walk(child, depth + 1)


def app():
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        a = desktop.getChildAtIndex(i)
        try:
            if a is not None and a.get_process_id() == PID:
                return a
        except Exception:
            pass
    return None


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def named(name, roles=None):
    def find():
        for n in walk(app()):
            if n.name == name and (roles is None or n.getRole() in roles) and showing(n):
                return n
        return None
    return eventually(find, repr(name))


def press(node):
    action = node.queryAction()
    for i in range(action.nActions):
        if action.getName(i) in ("press", "click", "Press", "Click"):
            action.doAction(i)
            return
    action.doAction(0)


def menu_item(menu, item):
    """Opens a menu of the launcher's menu bar and chooses an item of it, by their words."""
    press(named(menu, (pyatspi.ROLE_MENU, pyatspi.ROLE_MENU_ITEM)))
    press(named(item, (pyatspi.ROLE_MENU_ITEM,)))


BUTTONS = (pyatspi.ROLE_PUSH_BUTTON,)
eventually(app, "Lunara on the accessibility bus")

# The launcher: its two programs, by their translated names.
moon = named(tr("lunara::frmMDI", "&Moon Magick"), BUTTONS)
candle = named(tr("lunara::frmMDI", "&Candle Magick"), BUTTONS)

# Moon Magick: a reading for the date the lists show (1 January 1901, a waxing moon).
press(moon)
press(named(tr("lunara::frmMoonMagickMain", "Moon &Magick Reading"), BUTTONS))
named(tr("Moon", "Waxing Moon"))
named(tr("Moon", "The waxing moon is a good time for developing work like power, success, health and partnerships."))
# (Its Exit reads as the launcher's own; opening Candle Magick closes it as well.)
named(tr("lunara::frmMoonMagickDisplay", "&Exit"), BUTTONS)

# Candle Magick: the first purpose's candle.
press(candle)
press(named(tr("lunara::frmCandleMagickMain", "&Get Candle Magick Reading"), BUTTONS))
named(tr("Candle", "Red"))
named(tr("Candle", "Passion, Lust, Power, Immediate Action, Promotion of Career"))

# Candle Magick's own File menu closes it, and the launcher's menus come back.
menu_item(tr("lunara::frmCandleMagickMain", "&File"), tr("lunara::frmCandleMagickMain", "E&xit"))

# The Moon Calendar and The Year from the File menu.
menu_item(tr("lunara::frmMDI", "&File"), tr("lunara::frmMDI", "Moon &Calendar"))
named(tr("lunara::frmMoonCalendar", "Days of the month"))
named(tr("lunara::frmMoonCalendar", "Previous month"), BUTTONS)
if os.environ.get("CALENDAR_SHOT"):
    # For the README: the calendar in the language, once the screen has settled.
    def settled():
        subprocess.run(["import", "-window", "root", os.environ["CALENDAR_SHOT"] + ".new.png"], check=True)
        same = os.path.exists(os.environ["CALENDAR_SHOT"]) and subprocess.run(
            ["compare", "-metric", "AE", os.environ["CALENDAR_SHOT"], os.environ["CALENDAR_SHOT"] + ".new.png",
             "null:"], capture_output=True).returncode == 0
        os.replace(os.environ["CALENDAR_SHOT"] + ".new.png", os.environ["CALENDAR_SHOT"])
        return same
    eventually(settled, "a settled screen")
menu_item(tr("lunara::frmMoonCalendar", "&File"), tr("lunara::frmMoonCalendar", "The &Year"))
named(tr("lunara::frmYear", "The year's events"))
named(tr("lunara::frmYear", "Previous year"), BUTTONS)

# The reminder, as the desktop shows it: "The moon enters <sign>" in the language.
pattern = "^" + re.escape(tr("EventWords", "Moon enters %1")).replace(re.escape("%1"), ".+") + "$"
late = tr("lunara::Reminders", "Late reminder")


def notification():
    # Closed, the daemon keeps a notification in its history, where its words can be read.
    subprocess.run(["dunstctl", "close-all"], capture_output=True)
    history = json.loads(subprocess.run(["dunstctl", "history"], capture_output=True, text=True).stdout)
    for n in history["data"][0]:
        summary, body = n["summary"]["data"], n["body"]["data"]
        if re.match(pattern, summary) and body.startswith(late):
            return summary
    return None


eventually(notification, "the reminder in the language")
print("read in", sys.argv[1])
