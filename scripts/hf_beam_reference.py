#!/usr/bin/python3
"""Reference great-circle headings and distances for the HF beam tests, computed with
GeographicLib (Debian python3-geographiclib) on a sphere of one nautical mile per minute
of arc (radius 60 * 1.852 * 180 / pi km), independently of the program's own formula.

Prints one line per case: name, forward azimuth (0..360), distance in km.
"""
import math

from geographiclib.geodesic import Geodesic

RADIUS_KM = 60 * 1.852 * 180 / math.pi
SPHERE = Geodesic(RADIUS_KM * 1000, 0)

# JN18DU's centre: 48 deg 51.25' N, 2 deg 17.5' E.
JN18DU = (48 + 51.25 / 60, 2 + 17.5 / 60)

CASES = [
    ("JN18DU to Tokyo", JN18DU, (35.7, 139.7)),
    ("New York to JN18DU", (40.7, -74.0), JN18DU),
    ("JN18DU due west 60 deg", JN18DU, (JN18DU[0], JN18DU[1] - 60)),
    ("JN18DU due east 60 deg", JN18DU, (JN18DU[0], JN18DU[1] + 60)),
    ("33.87S due west 60 deg", (-33.87, 151.21), (-33.87, 91.21)),
    ("JN18DU to 30S on the antipodal meridian", JN18DU, (-30.0, JN18DU[1] + 180)),
    ("Sydney to Honolulu across 180", (-33.87, 151.21), (21.31, -157.86)),
    ("Honolulu to Sydney across 180", (21.31, -157.86), (-33.87, 151.21)),
    ("Equator 1 deg apart", (0.0, 10.0), (0.0, 11.0)),
]

for name, (lat1, lon1), (lat2, lon2) in CASES:
    g = SPHERE.Inverse(lat1, lon1, lat2, lon2)
    print("%-40s %10.4f %12.4f" % (name, g["azi1"] % 360, g["s12"] / 1000))
