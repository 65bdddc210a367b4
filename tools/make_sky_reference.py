#!/usr/bin/python3
"""Writes tests/sky/sky_reference.tsv: moon quarters, apparent longitudes, illuminated fractions
and ages from PyEphem (Debian python3-ephem), an ephemeris independent of Lunara's own, at instants
spread over 1901-2050. Run once by hand; the table is committed and the build never needs PyEphem.

    tools/make_sky_reference.py > tests/sky/sky_reference.tsv
"""
import datetime
import math
import sys

import ephem

EPOCH = datetime.datetime(1970, 1, 1)


def to_ephem(unix):
    return ephem.Date(EPOCH + datetime.timedelta(seconds=unix))


def to_unix(date):
    return (ephem.Date(date).datetime() - EPOCH).total_seconds()


def nutation_in_longitude(unix):
    """IAU 1980 nutation in longitude, the four largest terms, degrees."""
    t = (to_unix_jd(unix) - 2451545.0) / 36525.0
    om = math.radians(125.04452 - 1934.136261 * t)
    l = math.radians(280.4665 + 36000.7698 * t)
    lp = math.radians(218.3165 + 481267.8813 * t)
    return (-17.20 * math.sin(om) - 1.32 * math.sin(2 * l) - 0.23 * math.sin(2 * lp) + 0.21 * math.sin(2 * om)) / 3600


def to_unix_jd(unix):
    return unix / 86400.0 + 2440587.5


def main():
    out = sys.stdout
    out.write("# Reference from PyEphem %s: kind, Unix seconds (UTC), value\n" % ephem.__version__)
    out.write("# quarter rows: 0 new, 1 first quarter, 2 full, 3 last quarter, at the instant given\n")
    out.write("# position rows: apparent longitude of date (degrees), illuminated fraction, age (days)\n")
    start = datetime.datetime(1901, 1, 1)
    finders = [ephem.next_new_moon, ephem.next_first_quarter_moon, ephem.next_full_moon,
               ephem.next_last_quarter_moon]
    # 150 years, two starting points a year, four quarters each: 1,200 instants.
    for i in range(300):
        when = start + datetime.timedelta(days=i * 182.62 + (i * 37) % 29)
        if when.year > 2050:
            break
        for kind, find in enumerate(finders):
            t = find(ephem.Date(when))
            if ephem.Date(t).datetime().year <= 2050:
                out.write("quarter\t%d\t%.1f\n" % (kind, to_unix(t)))
    # 400 instants at uneven steps over the whole span.
    first = (start - EPOCH).total_seconds()
    last = (datetime.datetime(2050, 12, 31) - EPOCH).total_seconds()
    for i in range(400):
        unix = round(first + (last - first) * ((i * 0.61803398875) % 1.0))
        d = to_ephem(unix)
        moon = ephem.Moon()
        moon.compute(d, epoch=d)
        sun = ephem.Sun()
        sun.compute(d, epoch=d)
        lon = math.degrees(float(ephem.Ecliptic(moon, epoch=d).lon)) + nutation_in_longitude(unix)
        lon %= 360.0
        psi = float(ephem.separation(moon, sun))
        r, delta = sun.earth_distance, moon.earth_distance
        i_angle = math.atan2(r * math.sin(psi), delta - r * math.cos(psi))
        fraction = (1 + math.cos(i_angle)) / 2
        age = (d - ephem.previous_new_moon(d))
        out.write("position\t%d\t%.6f\t%.6f\t%.6f\n" % (unix, lon, fraction, age))


if __name__ == "__main__":
    main()
