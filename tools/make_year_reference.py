#!/usr/bin/python3
"""Writes tests/sky/year_reference.tsv from PyEphem (Debian python3-ephem), independent of Lunara's
own theories: the instants the sun's apparent longitude of date reaches each multiple of 45 degrees
(equinoxes, solstices and the cross-quarter points) in every third year of 1901-2050, found by
bisection on PyEphem's apparent place turned into a longitude with the true obliquity (its own
ecliptic leaves aberration and nutation out). Run once by hand; the table is committed and the
build never needs PyEphem.

    tools/make_year_reference.py > tests/sky/year_reference.tsv
"""
import datetime
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import ephem  # noqa: E402
from make_planet_reference import EPOCH, bisect, longitude, wrap  # noqa: E402

DAY = 86400.0


def turnings(start, end):
    """Every instant in [start, end) at which the sun's longitude reaches a multiple of 45 degrees."""
    out = []
    a, la = start, longitude(0, start)
    while a < end:
        b = min(a + 4 * DAY, end)
        lb = longitude(0, b)
        target = (int(la // 45) + 1) % 8 * 45
        ahead = (target - la) % 360.0
        if 0 < ahead <= (lb - la) % 360.0:
            at = bisect(lambda t, g=target: wrap(longitude(0, t) - g), a, b)
            if start <= at < end:
                out.append((target, at))
        a, la = b, lb
    return out


def main():
    out = sys.stdout
    out.write("# Reference from PyEphem %s\n" % ephem.__version__)
    out.write("# turning rows: the sun's apparent longitude of date (a multiple of 45), Unix seconds\n")
    for year in range(1901, 2051, 3):
        start = (datetime.datetime(year, 1, 1) - EPOCH).total_seconds()
        end = (datetime.datetime(year + 1, 1, 1) - EPOCH).total_seconds()
        for target, at in turnings(start, end):
            out.write("turning\t%d\t%.1f\n" % (target, at))


if __name__ == "__main__":
    main()
