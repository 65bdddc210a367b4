#!/usr/bin/python3
"""Writes tests/sky/horizon_reference.tsv: every rising and setting of the sun and the moon for
whole years at places from the equator to inside both polar circles, from PyEphem (Debian
python3-ephem), an ephemeris independent of Lunara's own. The almanacs' convention: sea level, no
atmosphere in the model (pressure 0) and the horizon at -0:34, upper limb. Run once by hand; the
table is committed and the build never needs PyEphem.

    tools/make_horizon_reference.py > tests/sky/horizon_reference.tsv
"""
import datetime
import signal
import sys

import ephem

EPOCH = datetime.datetime(1970, 1, 1)

# Name, latitude, longitude, years (whole UTC years).
PLACES = [
    ("Quito", -0.22, -78.51, [1901]),
    ("Singapore", 1.29, 103.85, [1914]),
    ("Honolulu", 21.31, -157.86, [1927]),
    ("Cape Town", -33.92, 18.42, [1940]),
    ("Sydney", -33.87, 151.21, [1953, 2026]),
    ("Berlin", 52.52, 13.41, [1966, 2026]),
    ("Ushuaia", -54.80, -68.30, [1979]),
    ("Reykjavik", 64.15, -21.94, [1992]),
    ("Tromso", 69.65, 18.96, [2005, 2026]),
    ("Mawson", -67.60, 62.87, [2018]),
    ("McMurdo", -77.85, 166.67, [2031]),
    ("Longyearbyen", 78.22, 15.65, [2050]),
]


def to_unix(date):
    return (ephem.Date(date).datetime() - EPOCH).total_seconds()


def observer(lat, lon):
    o = ephem.Observer()
    o.lat = str(lat)
    o.lon = str(lon)
    o.elevation = 0
    o.pressure = 0
    o.horizon = "-0:34"
    return o


def limb_rate(o, body, when):
    """How fast the upper limb's altitude changes at the instant, arc seconds a second."""
    alts = []
    for dt in (-30, 30):
        o.date = ephem.Date(when + dt / 86400.0)
        body.compute(o)
        alts.append(float(body.alt) + float(body.radius))
    return abs(alts[1] - alts[0]) * 206264.806 / 60.0


def limb_above(o, body, when):
    o.date = when
    body.compute(o)
    return float(body.alt) + float(body.radius) > float(o.horizon)


class Stuck(Exception):
    """PyEphem's search went on too long (it can loop where the moon grazes the horizon)."""


def on_alarm(signum, frame):
    raise Stuck()


def events(o, body, start, end):
    """(unix, rising) for every crossing in [start, end). PyEphem's own search; where it finds the
    body always up or always down, or gets stuck, the limb's altitude from PyEphem is followed in
    ten-minute steps to the next change of side, which is halved down to a tenth of a second."""
    found = {}
    step = 10 / 1440.0
    signal.signal(signal.SIGALRM, on_alarm)
    for rising in (True, False):
        find = o.next_rising if rising else o.next_setting
        t = ephem.Date(start - 2.0)
        while t < end + 1:
            try:
                signal.setitimer(signal.ITIMER_REAL, 2.0)
                e = find(body, start=t)
            except (ephem.AlwaysUpError, ephem.NeverUpError, Stuck):
                e = None
            finally:
                signal.setitimer(signal.ITIMER_REAL, 0)
            if e is None:
                side = limb_above(o, body, t)
                u = ephem.Date(t + step)
                while u < end + 1 and limb_above(o, body, u) == side:
                    u = ephem.Date(u + step)
                if u >= end + 1:
                    break
                if side == rising:
                    t = u  # a crossing the other way: look on from there
                    continue
                lo, hi = float(u) - step, float(u)
                while hi - lo > 0.1 / 86400:
                    mid = (lo + hi) / 2
                    if limb_above(o, body, ephem.Date(mid)) == side:
                        lo = mid
                    else:
                        hi = mid
                e = ephem.Date((lo + hi) / 2)
            if start <= e < end:
                found[round(to_unix(e), 1)] = (e, rising)
            t = ephem.Date(max(e, t) + 1 / 86400.0)
    return [found[k] for k in sorted(found)]


def main():
    out = sys.stdout
    out.write("# Risings and settings from PyEphem %s: sea level, pressure 0, horizon -0:34, upper limb\n"
              % ephem.__version__)
    out.write("# place rows: index, latitude, longitude, first and last Unix second of the years, name\n")
    out.write("# event rows: place index, s(un)/m(oon), r(ise)/s(et), Unix seconds, limb rate (arcsec/s)\n")
    for index, (name, lat, lon, years) in enumerate(PLACES):
        o = observer(lat, lon)
        for year in years:
            start = ephem.Date(datetime.datetime(year, 1, 1))
            end = ephem.Date(datetime.datetime(year + 1, 1, 1))
            out.write("place\t%d\t%.2f\t%.2f\t%d\t%d\t%s\n" % (index, lat, lon, to_unix(start), to_unix(end), name))
            for letter, body in (("s", ephem.Sun()), ("m", ephem.Moon())):
                for when, rising in events(o, body, start, end):
                    rate = limb_rate(o, body, when)
                    out.write("%d\t%s\t%s\t%.1f\t%.2f\n" % (index, letter, "r" if rising else "s", to_unix(when), rate))


if __name__ == "__main__":
    main()
