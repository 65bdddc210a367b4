#!/usr/bin/python3
"""Writes tests/sky/year_reference.tsv from PyEphem (Debian python3-ephem), independent of Lunara's
own theories: the instants the sun's apparent longitude of date reaches each multiple of 45 degrees
(equinoxes, solstices and the cross-quarter points) in every third year of 1901-2050, found by
bisection on PyEphem's apparent place turned into a longitude with the true obliquity (its own
ecliptic leaves aberration and nutation out); the stations of Mercury to Pluto and the moon's
perigees and apogees of twelve years spread over 1901-2050, by bisection on the rate of the
longitude and of the distance. Run once by hand; the table is committed and the build never needs
PyEphem.

    tools/make_year_reference.py > tests/sky/year_reference.tsv
"""
import datetime
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import ephem  # noqa: E402
from make_planet_reference import EPOCH, bisect, longitude, to_ephem, wrap  # noqa: E402

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


AU_KM = 149597870.7
STATION_YEARS = [1901, 1902, 1903, 1950, 1951, 1952, 2000, 2001, 2024, 2025, 2026, 2050]


def crossings(rate, start, end, step):
    """Where rate changes sign in [start, end): (instant, rate before)."""
    out = []
    a = start
    ra = rate(a)
    while a < end:
        b = a + step
        rb = rate(b)
        if (ra < 0) != (rb < 0):
            sign = 1 if rb >= 0 else -1
            at = bisect(lambda t: sign * rate(t), a, b)
            if start <= at < end:
                out.append((at, ra))
        a, ra = b, rb
    return out


def moon_distance(unix):
    m = ephem.Moon()
    m.compute(to_ephem(unix))
    return m.earth_distance * AU_KM


def main():
    out = sys.stdout
    out.write("# Reference from PyEphem %s\n" % ephem.__version__)
    out.write("# turning rows: the sun's apparent longitude of date (a multiple of 45), Unix seconds\n")
    for year in range(1901, 2051, 3):
        start = (datetime.datetime(year, 1, 1) - EPOCH).total_seconds()
        end = (datetime.datetime(year + 1, 1, 1) - EPOCH).total_seconds()
        for target, at in turnings(start, end):
            out.write("turning\t%d\t%.1f\n" % (target, at))
    out.write("# station rows: planet (2 Mercury .. 9 Pluto), 1 retrograde / 0 direct, Unix seconds\n")
    out.write("# apsis rows: 1 perigee / 0 apogee, Unix seconds, distance from the earth's centre in km\n")
    for year in STATION_YEARS:
        start = (datetime.datetime(year, 1, 1) - EPOCH).total_seconds()
        end = (datetime.datetime(year + 1, 1, 1) - EPOCH).total_seconds()
        out.write("years\t%d\t%d\n" % (start, end))
        for index in range(2, 10):
            rate = (lambda t, i=index: wrap(longitude(i, t + 1800) - longitude(i, t - 1800)))
            for at, before in crossings(rate, start, end, DAY):
                out.write("station\t%d\t%d\t%.1f\n" % (index, 1 if before >= 0 else 0, at))
        rate = (lambda t: moon_distance(t + 300) - moon_distance(t - 300))
        for at, before in crossings(rate, start, end, DAY / 2):
            out.write("apsis\t%d\t%.1f\t%.2f\n" % (1 if before < 0 else 0, at, moon_distance(at)))


if __name__ == "__main__":
    main()
