#!/usr/bin/env python3
"""Launches an autostart entry the way the desktop does (GLib's parser) and checks that it started
exactly PROGRAM with --background. Usage: launch_entry.py ENTRY PROGRAM. Exit 0 when it did."""
import os
import stat
import sys
import time

import gi

gi.require_version("Gio", "2.0")
from gi.repository import Gio  # noqa: E402

entry, program = sys.argv[1], sys.argv[2]
record = os.path.join(os.path.dirname(entry), "launched.argv")
script = "#!/bin/sh\nprintf '%s\\0' \"$0\" \"$@\" > '" + record + "'\n"
# GLib looks for the program before it parses field codes, so a literal '%' stands doubled there.
for name in {program, program.replace("%", "%%")}:
    os.makedirs(os.path.dirname(name), exist_ok=True)
    with open(name, "w", encoding="utf-8") as f:
        f.write(script)
    os.chmod(name, stat.S_IRWXU)
info = Gio.DesktopAppInfo.new_from_filename(entry)
if info is None:
    sys.exit("GLib could not read the entry")
info.launch([], None)
for _ in range(200):  # up to 10 s
    if os.path.exists(record) and open(record, "rb").read().endswith(b"\0"):
        break
    time.sleep(0.05)
else:
    sys.exit("the entry started nothing")
argv = open(record, "rb").read().decode("utf-8").split("\0")[:-1]
if argv != [program, "--background"]:
    sys.exit("started %r" % argv)
