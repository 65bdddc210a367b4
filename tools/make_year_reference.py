#!/usr/bin/python3
"""Writes tests/sky/year_reference.tsv from PyEphem (Debian python3-ephem), independent of Lunara's
own theories: the instants the sun's apparent longitude of date reaches each multiple of 45 degrees
(equinoxes, solstices and the cross-quarter points) in every third year of 1901-2050, found by
bisection on PyEphem's apparent place turned into a longitude with the true obliquity (its own
ecliptic leaves aberration and nutation out); the stations of Mercury to Pluto and the moon's
perigees and apogees of twelve years spread over 1901-2050, by bisection on the rate of the
longitude and of the distance; and solar eclipses seen from places at sea level: the contacts
where the topocentric separation of the sun's and the moon's centres equals the sum or the
difference of their radii, the peak, its magnitude and the sun's altitude. The moon is reduced to
the place here, from PyEphem's geocentric apparent place (its own topocentric moon is some 30
arc seconds off). Run once by hand; the table is committed and the build never needs
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


import math  # noqa: E402

EARTH_KM = 6378.14
FLATTENING = 1 / 298.257
SUN_KM = 696000.0
MOON_KM = 0.2725076 * EARTH_KM
# An eclipse's greatest instant (UT, roughly) and the places it is seen from.
LOCAL = [
    ("1999-08-11 11:03", [("Munich", 48.1351, 11.5820), ("London", 51.5074, -0.1278)]),
    ("2015-03-20 09:46", [("Torshavn", 62.0107, -6.7741), ("Berlin", 52.5200, 13.4050)]),
    ("2023-04-20 04:17", [("Exmouth", -21.9300, 114.1300), ("Perth", -31.9505, 115.8605)]),
    ("2023-10-14 18:00", [("Albuquerque", 35.0844, -106.6504)]),
    ("2024-04-08 18:17", [("Dallas", 32.7767, -96.7970), ("New York", 40.7128, -74.0060), ("Berlin", 52.5200, 13.4050)]),
    ("2026-08-12 17:46", [("Reykjavik", 64.1466, -21.9426), ("Oviedo", 43.3614, -5.8494), ("Madrid", 40.4168, -3.7038),
                          ("Berlin", 52.5200, 13.4050)]),
    ("2027-08-02 10:07", [("Luxor", 25.6872, 32.6396), ("Cairo", 30.0444, 31.2357)]),
    ("1901-05-18 05:33", [("Padang", -0.9471, 100.4172)]),
]


def vector(ra, dec, km):
    return (km * math.cos(dec) * math.cos(ra), km * math.cos(dec) * math.sin(ra), km * math.sin(dec))


def seen(lat, lon, unix):
    """Separation, sun radius, moon radius and the sun's altitude, degrees, from the place."""
    d = to_ephem(unix)
    sun, moon = ephem.Sun(), ephem.Moon()
    sun.compute(d, epoch=d)
    moon.compute(d, epoch=d)
    obs = ephem.Observer()
    obs.lon, obs.lat, obs.elevation, obs.date, obs.epoch = "0", "0", 0, d, d
    lst = float(obs.sidereal_time()) + math.radians(lon)
    phi = math.radians(lat)
    u = math.atan2((1 - FLATTENING) * math.sin(phi), math.cos(phi))
    here = (EARTH_KM * math.cos(u) * math.cos(lst), EARTH_KM * math.cos(u) * math.sin(lst),
            EARTH_KM * (1 - FLATTENING) * math.sin(u))
    s = [a - b for a, b in zip(vector(float(sun.g_ra), float(sun.g_dec), sun.earth_distance * AU_KM), here)]
    m = [a - b for a, b in zip(vector(float(moon.g_ra), float(moon.g_dec), moon.earth_distance * AU_KM), here)]
    ds, dm = math.sqrt(sum(x * x for x in s)), math.sqrt(sum(x * x for x in m))
    sep = math.degrees(math.acos(max(-1.0, min(1.0, sum(a * b for a, b in zip(s, m)) / (ds * dm)))))
    up = (math.cos(phi) * math.cos(lst), math.cos(phi) * math.sin(lst), math.sin(phi))
    alt = math.degrees(math.asin(sum(a * b for a, b in zip(up, s)) / ds))
    return sep, math.degrees(math.asin(SUN_KM / ds)), math.degrees(math.asin(MOON_KM / dm)), alt


def local(lat, lon, around):
    """The eclipse seen from a place near the instant given: a row of its circumstances, or None."""
    sep = lambda t: seen(lat, lon, t)[0]  # noqa: E731
    times = [around - 5 * 3600 + 300 * i for i in range(121)]
    best = min(times, key=sep)
    lo, hi = best - 300, best + 300
    while hi - lo > 0.1:  # golden section on the separation
        a, b = lo + (hi - lo) * 0.382, lo + (hi - lo) * 0.618
        if sep(a) < sep(b):
            hi = b
        else:
            lo = a
    peak = (lo + hi) / 2
    s, rs, rm, alt = seen(lat, lon, peak)
    if s >= rs + rm:
        return None

    def contacts(edge):
        f = lambda t: seen(lat, lon, t)[0] - edge(seen(lat, lon, t))  # noqa: E731
        a = peak
        while f(a) < 0:
            a -= 300
        b = peak
        while f(b) < 0:
            b += 300
        return bisect(lambda t: -f(t), a, peak), bisect(f, peak, b)

    p1, p4 = contacts(lambda x: x[1] + x[2])
    kind, c2, c3 = "P", 0, 0
    if s < abs(rm - rs):
        kind = "T" if rm > rs else "A"
        c2, c3 = contacts(lambda x: abs(x[2] - x[1]))
    return kind, p1, peak, p4, c2, c3, (rs + rm - s) / (2 * rs), alt


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
        # An hour either side: PyEphem keeps the distance in single precision, a few metres apart,
        # which a shorter difference near the flat extremum cannot see past.
        rate = (lambda t: moon_distance(t + 3600) - moon_distance(t - 3600))  # noqa: E731
        for at, before in crossings(rate, start, end, DAY / 2):
            out.write("apsis\t%d\t%.1f\t%.2f\n" % (1 if before < 0 else 0, at, moon_distance(at)))
    out.write("# local rows: place, latitude, longitude, an instant near greatest eclipse, then P/A/T or none,\n")
    out.write("# the partial contacts and the peak, the central contacts (0: none), magnitude, the sun's altitude\n")
    for when, places in LOCAL:
        around = (datetime.datetime.strptime(when, "%Y-%m-%d %H:%M") - EPOCH).total_seconds()
        for name, lat, lon in places:
            row = local(lat, lon, around)
            if row is None:
                out.write("local\t%s\t%.4f\t%.4f\t%d\tnone\n" % (name, lat, lon, around))
            else:
                kind, p1, peak, p4, c2, c3, mag, alt = row
                out.write("local\t%s\t%.4f\t%.4f\t%d\t%s\t%.1f\t%.1f\t%.1f\t%.1f\t%.1f\t%.5f\t%.3f\n" % (
                    name, lat, lon, around, kind, p1, peak, p4, c2, c3, mag, alt))


if __name__ == "__main__":
    main()
