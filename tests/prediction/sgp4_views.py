#!/usr/bin/python3
"""Views of satellites from PyEphem's SGP4, for comparison with the program's pass rows.

Each line of standard input is
  element line 1|element line 2|latitude|east longitude|altitude m|YYYY/MM/DD HH:MM:SS (UTC)
and gets one output line: elevation and azimuth in degrees, range in km, sub-satellite
latitude and east longitude in degrees (refraction off: geometric elevation).
"""
import math
import sys

import ephem


def main():
    sets = {}
    out = []
    for line in sys.stdin:
        line = line.rstrip("\n")
        if not line:
            continue
        line1, line2, lat, lon, alt, when = line.split("|")
        if (line1, line2) not in sets:
            sets[(line1, line2)] = ephem.readtle("SET", line1, line2)
        sat = sets[(line1, line2)]
        obs = ephem.Observer()
        obs.lat = math.radians(float(lat))
        obs.lon = math.radians(float(lon))
        obs.elevation = float(alt)
        obs.pressure = 0
        obs.date = when
        sat.compute(obs)
        out.append("%.6f %.6f %.6f %.6f %.6f" % (
            math.degrees(sat.alt), math.degrees(sat.az), sat.range / 1000.0,
            math.degrees(sat.sublat), math.degrees(sat.sublong)))
    sys.stdout.write("\n".join(out) + "\n")


if __name__ == "__main__":
    main()
