#!/usr/bin/python3
"""Reads the calendar files write_ics made with a real iCalendar parser (Debian python3-icalendar)
and checks them against the events they should hold: counts, instants, summaries, and the same
UIDs in a second export of the same year (so importing again updates rather than doubles)."""
import datetime
import sys

import icalendar

folder = sys.argv[1]
expected = [line.rstrip("\n").split("\t") for line in open(folder + "/expected.tsv", encoding="utf-8")]
utc = datetime.timezone.utc


def read(name):
    raw = open(folder + "/" + name, "rb").read()
    assert b"\n" not in raw.replace(b"\r\n", b""), "a line end without CR"
    assert all(len(line) <= 75 for line in raw.split(b"\r\n")), "a line over 75 octets"
    calendar = icalendar.Calendar.from_ical(raw)
    assert str(calendar["VERSION"]) == "2.0" and str(calendar["PRODID"]).startswith("-//Lunara//")
    return calendar.walk("VEVENT")


first, second = read("first.ics"), read("second.ics")
assert len(first) == len(expected), (len(first), len(expected))
kinds = {"quarter": 0, "ingress": 0, "void": 0}
for event, (uid, start, end, summary) in zip(first, expected):
    assert str(event["UID"]) == uid, (event["UID"], uid)
    assert str(event["SUMMARY"]) == summary, (event["SUMMARY"], summary)
    assert event.decoded("DTSTART") == datetime.datetime.fromtimestamp(int(start), utc), uid
    assert event.decoded("DTSTAMP") == datetime.datetime(2026, 1, 1, tzinfo=utc)
    if end == "-":
        assert "DTEND" not in event, uid
    else:
        assert event.decoded("DTEND") == datetime.datetime.fromtimestamp(int(end), utc), uid
    kinds[uid.split("-")[0]] += 1
assert kinds["quarter"] == 50 and 160 <= kinds["ingress"] <= 168 and kinds["void"] >= 159, kinds
# The second import: the same events under the same UIDs, a newer stamp.
assert [str(e["UID"]) for e in second] == [str(e["UID"]) for e in first]
assert len(set(str(e["UID"]) for e in first)) == len(first), "UIDs repeat"
assert all(e.decoded("DTSTAMP") == datetime.datetime(2027, 1, 1, tzinfo=utc) for e in second)
# The year's kinds: whole days for cross-quarter days and retrogrades, instants for the rest, an
# eclipse's moments in its description, the same UIDs in a second export.
year, again = read("year.ics"), read("year-again.ics")
assert [str(e["UID"]) for e in again] == [str(e["UID"]) for e in year]
by_uid = {str(e["UID"]).split("@")[0]: e for e in year}
count = {}
for uid in by_uid:
    count[uid.split("-")[0]] = count.get(uid.split("-")[0], 0) + 1
assert count["sabbat"] == 8 and count["eclipse"] == 4 and count["bluemoon"] == 1, count
assert count["moonname"] == 13 and count["retrograde"] >= 10, count
imbolc = by_uid["sabbat-imbolc-20260201"]
assert imbolc.decoded("DTSTART") == datetime.date(2026, 2, 1) and imbolc.decoded("DTEND") == datetime.date(2026, 2, 2)
assert "15° Aquarius" in str(imbolc["DESCRIPTION"]), imbolc["DESCRIPTION"]
mercury = by_uid["retrograde-mercury-20260226"]
assert mercury.decoded("DTSTART") == datetime.date(2026, 2, 26)
assert mercury.decoded("DTEND") == datetime.date(2026, 3, 21), mercury.decoded("DTEND")
assert str(mercury["SUMMARY"]) == "Mercury retrograde"
yule = by_uid["sabbat-yule-20261221"]
assert yule.decoded("DTSTART") == datetime.datetime(2026, 12, 21, 20, 50, 7, tzinfo=utc), yule.decoded("DTSTART")
lunar = by_uid["eclipse-lunar-20260303"]
assert str(lunar["SUMMARY"]) == "Total lunar eclipse"
description = str(lunar["DESCRIPTION"])
assert "not seen from Berlin" in description and "Totality begins Tuesday 3 March at 12:04" in description, description
assert str(by_uid["supermoon-20261224"]["SUMMARY"]) == "Supermoon"
print("ics: %d events (%s) parsed, UIDs alike in both exports; the year's %s" % (len(first), kinds, count))
