#!/usr/bin/python3
"""Writes tests/sky/planet_reference.tsv from PyEphem (Debian python3-ephem), an ephemeris
independent of Lunara's own: the apparent longitudes of the sun, the moon and the planets at
instants spread over 1901-2050, and the moon's void-of-course periods of whole years for the
classic and the modern planets, found here by plain bisection on PyEphem's longitudes. Run once
by hand; the table is committed and the build never needs PyEphem.

    tools/make_planet_reference.py > tests/sky/planet_reference.tsv
"""
import datetime
import math
import sys

import ephem

EPOCH = datetime.datetime(1970, 1, 1)
BODIES = [ephem.Sun, ephem.Moon, ephem.Mercury, ephem.Venus, ephem.Mars, ephem.Jupiter, ephem.Saturn,
          ephem.Uranus, ephem.Neptune, ephem.Pluto]
CLASSIC = [0, 2, 3, 4, 5, 6]
MODERN = CLASSIC + [7, 8, 9]
SEPARATIONS = [0, 60, 90, 120, 180, 240, 270, 300]


def to_ephem(unix):
    return ephem.Date(EPOCH + datetime.timedelta(seconds=unix))


def true_obliquity(unix):
    """Mean obliquity and the IAU 1980 nutation in obliquity (its four largest terms), radians."""
    t = (unix / 86400.0 + 2440587.5 - 2451545.0) / 36525.0
    om = math.radians(125.04452 - 1934.136261 * t)
    l = math.radians(280.4665 + 36000.7698 * t)
    lp = math.radians(218.3165 + 481267.8813 * t)
    mean = 23.4392911111 + (-46.8150 * t - 0.00059 * t * t + 0.001813 * t ** 3) / 3600
    nut = (9.20 * math.cos(om) + 0.57 * math.cos(2 * l) + 0.10 * math.cos(2 * lp) - 0.09 * math.cos(2 * om)) / 3600
    return math.radians(mean + nut)


def longitude(index, unix):
    """PyEphem's apparent geocentric place (light time, aberration, nutation), on the ecliptic of date."""
    d = to_ephem(unix)
    body = BODIES[index]()
    body.compute(d, epoch=d)
    ra, dec, eps = float(body.g_ra), float(body.g_dec), true_obliquity(unix)
    lam = math.atan2(math.sin(ra) * math.cos(eps) + math.tan(dec) * math.sin(eps), math.cos(ra))
    return math.degrees(lam) % 360.0


def wrap(x):
    return (x + 180.0) % 360.0 - 180.0


def bisect(f, lo, hi):
    """The instant where f goes from negative to zero or more, to a tenth of a second."""
    while hi - lo > 0.1:
        mid = (lo + hi) / 2
        if f(mid) < 0:
            lo = mid
        else:
            hi = mid
    return hi


def ingresses(start, end):
    out = []
    t, band = start, int(longitude(1, start) // 30)
    while t < end:
        u = t + 21600
        b = int(longitude(1, u) // 30)
        if b != band:
            out.append(bisect(lambda x, b=b: wrap(longitude(1, x) - b * 30), t, u))
        t, band = u, b
    return out


def aspects(start, end, planets):
    out = []
    for p in planets:
        sep = lambda x, p=p: (longitude(1, x) - longitude(p, x)) % 360.0
        t, before = start, sep(start)
        while t < end:
            u = t + 21600
            after = sep(u)
            gained = (after - before) % 360.0
            for target in SEPARATIONS:
                ahead = (target - before) % 360.0
                if 0 < ahead <= gained:
                    out.append(bisect(lambda x, tg=target: wrap(sep(x) - tg), t, u))
            t, before = u, after
    return sorted(out)


def main():
    out = sys.stdout
    out.write("# Reference from PyEphem %s\n" % ephem.__version__)
    out.write("# longitude rows: body (0 Sun, 1 Moon, 2 Mercury .. 9 Pluto), Unix seconds, apparent longitude of date\n")
    out.write("# void rows: 0 classic / 1 modern, start, end (Unix seconds); years rows: the span they cover\n")
    first = (datetime.datetime(1901, 1, 1) - EPOCH).total_seconds()
    last = (datetime.datetime(2050, 12, 31) - EPOCH).total_seconds()
    for i in range(300):
        unix = round(first + (last - first) * ((i * 0.61803398875) % 1.0))
        for index in range(len(BODIES)):
            out.write("longitude\t%d\t%d\t%.6f\n" % (index, unix, longitude(index, unix)))
    for year in (1950, 2026):
        start = (datetime.datetime(year, 1, 1) - EPOCH).total_seconds()
        end = (datetime.datetime(year + 1, 1, 1) - EPOCH).total_seconds()
        out.write("years\t%d\t%d\n" % (start, end))
        signs = ingresses(start - 3 * 86400, end + 3 * 86400)
        for modern, planets in ((0, CLASSIC), (1, MODERN)):
            found = aspects(signs[0], signs[-1], planets)
            for a, b in zip(signs, signs[1:]):
                inside = [x for x in found if a <= x < b]
                begin = max(inside) if inside else a
                if begin < end and b > start:
                    out.write("void\t%d\t%.1f\t%.1f\n" % (modern, begin, b))


if __name__ == "__main__":
    main()
