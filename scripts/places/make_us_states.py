#!/usr/bin/python3
"""Writes resources/places/us_states.txt, the US-WAS list of the HF beam window: the 50
states and the District of Columbia, one line each, ordered by their two-letter code,
four TAB-separated fields and the UTC offset:
code, state name, latitude "40,59N", longitude "77,21W", "UTC-5*".

Positions come from npm `us-atlas` (U.S. Census Bureau cartographic boundaries, ISC
licence), installed with npm into a temporary folder: the point is the area centroid of
the state's largest polygon (planar, in degrees), so that islands and exclaves do not
pull it away from the mainland. The two-letter codes and the standard-time offsets are
plain facts typed below; "*" marks states that keep daylight saving time (all but
Arizona and Hawaii).

Usage: make_us_states.py [OUTPUT]
"""
import json
import os
import subprocess
import sys
import tempfile

DEFAULT_OUTPUT = os.path.join(os.path.dirname(os.path.abspath(__file__)),
                              "..", "..", "resources", "places", "us_states.txt")
US_ATLAS = "us-atlas@3"

# FIPS code: (postal code, offset of standard time from UTC in the state's main part,
# daylight saving).
STATES = {
    "01": ("AL", -6, True), "02": ("AK", -9, True), "04": ("AZ", -7, False),
    "05": ("AR", -6, True), "06": ("CA", -8, True), "08": ("CO", -7, True),
    "09": ("CT", -5, True), "10": ("DE", -5, True), "11": ("DC", -5, True),
    "12": ("FL", -5, True), "13": ("GA", -5, True), "15": ("HI", -10, False),
    "16": ("ID", -7, True), "17": ("IL", -6, True), "18": ("IN", -5, True),
    "19": ("IA", -6, True), "20": ("KS", -6, True), "21": ("KY", -5, True),
    "22": ("LA", -6, True), "23": ("ME", -5, True), "24": ("MD", -5, True),
    "25": ("MA", -5, True), "26": ("MI", -5, True), "27": ("MN", -6, True),
    "28": ("MS", -6, True), "29": ("MO", -6, True), "30": ("MT", -7, True),
    "31": ("NE", -6, True), "32": ("NV", -8, True), "33": ("NH", -5, True),
    "34": ("NJ", -5, True), "35": ("NM", -7, True), "36": ("NY", -5, True),
    "37": ("NC", -5, True), "38": ("ND", -6, True), "39": ("OH", -5, True),
    "40": ("OK", -6, True), "41": ("OR", -8, True), "42": ("PA", -5, True),
    "44": ("RI", -5, True), "45": ("SC", -5, True), "46": ("SD", -6, True),
    "47": ("TN", -6, True), "48": ("TX", -6, True), "49": ("UT", -7, True),
    "50": ("VT", -5, True), "51": ("VA", -5, True), "53": ("WA", -8, True),
    "54": ("WV", -5, True), "55": ("WI", -6, True), "56": ("WY", -7, True),
}


def load_topology():
    with tempfile.TemporaryDirectory() as tmp:
        subprocess.run(["npm", "install", "--silent", "--no-audit", "--no-fund",
                        "--prefix", tmp, US_ATLAS], check=True)
        with open(os.path.join(tmp, "node_modules", "us-atlas", "states-10m.json")) as f:
            return json.load(f)


def decode_arcs(topology):
    scale = topology["transform"]["scale"]
    translate = topology["transform"]["translate"]
    arcs = []
    for arc in topology["arcs"]:
        x = y = 0
        points = []
        for dx, dy in arc:
            x += dx
            y += dy
            points.append((x * scale[0] + translate[0], y * scale[1] + translate[1]))
        arcs.append(points)
    return arcs


def ring(arcs, indexes):
    points = []
    for i in indexes:
        arc = arcs[i] if i >= 0 else list(reversed(arcs[~i]))
        points.extend(arc if not points else arc[1:])
    return points


def area_centroid(points):
    a = cx = cy = 0.0
    for (x0, y0), (x1, y1) in zip(points, points[1:] + points[:1]):
        cross = x0 * y1 - x1 * y0
        a += cross
        cx += (x0 + x1) * cross
        cy += (y0 + y1) * cross
    a /= 2
    if a == 0:  # a ring of one point or a line
        return 0.0, points[0][0], points[0][1]
    return abs(a), cx / (6 * a), cy / (6 * a)


def coordinate(value, positive, negative):
    text = "%.2f%s" % (abs(value), positive if value >= 0 else negative)
    return text.replace(".", ",")


def main():
    output = sys.argv[1] if len(sys.argv) > 1 else DEFAULT_OUTPUT
    topology = load_topology()
    arcs = decode_arcs(topology)
    rows = []
    for geometry in topology["objects"]["states"]["geometries"]:
        fips = geometry["id"]
        if fips not in STATES:
            continue  # territories
        polygons = geometry["arcs"] if geometry["type"] == "MultiPolygon" else [geometry["arcs"]]
        best = max((area_centroid(ring(arcs, p[0])) for p in polygons), key=lambda c: c[0])
        code, offset, dst = STATES[fips]
        utc = "UTC%+d" % offset + ("*" if dst else "")
        rows.append((code, geometry["properties"]["name"], coordinate(best[2], "N", "S"),
                     coordinate(best[1], "E", "W"), utc))
    if len(rows) != len(STATES):
        sys.exit("expected %d states, found %d" % (len(STATES), len(rows)))
    rows.sort()
    with open(output, "w", newline="") as f:
        for row in rows:
            f.write("\t".join(row) + "\r\n")


if __name__ == "__main__":
    main()
