#!/usr/bin/python3
"""Writes the OMM test files (CSV, XML, JSON) from sets of the sample element files.

Each set is converted the way public element-set services publish their OMM files: the
epoch as an ISO date with microseconds, the numbers as decimal texts (CSV), as Python
floats (XML) or as JSON numbers, so that the three files exercise three ways of writing
the same values. The chosen sets are also written as a three-line file, and again with
catalogue numbers from 100000 on (Alpha-5 in the three-line file, plain digits in OMM).

    make_omm_samples.py [--check] [OUTPUT_FOLDER]

The default folder is tests/data/omm. With --check nothing is written: the files are
generated in memory and compared with the ones in the folder (exit status 1 on a
difference), so that the committed files can be seen to come from this script.
"""

import datetime
import io
import json
import os
import sys
from xml.sax.saxutils import escape

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
DATA = os.path.join(ROOT, "tests", "data")

# (file, name line): a station, a negative drift, an eccentric orbit, a twelve-hour orbit
# with a high eccentricity, an out-of-service mark, a name shared by several sets.
CHOSEN = [
    ("amateur.txt", "ISS (ZARYA)"),
    ("amateur.txt", "FUNCUBE-1 (AO-73)"),
    ("amateur.txt", "SAUDISAT 1C (SO-50)"),
    ("amateur.txt", "JAS-2 (FO-29)"),
    ("mixed200.txt", "CLUSTER II-FM7 (SAMBA)"),
    ("mixed200.txt", "IRIDIUM 921 [-]"),
    ("mixed200.txt", "SL-16 R/B"),
]

# New catalogue numbers for the same sets: both ends of Alpha-5, letters around the
# skipped I and O, and (OMM only) a number Alpha-5 cannot write.
NEW_NUMBERS = [100000, 339999, 181234, 235000, 148493, 220001, 412345]
ALPHA5 = "ABCDEFGHJKLMNPQRSTUVWXYZ"


def read_sets(path):
    with open(path, "rb") as f:
        lines = [l.strip() for l in f.read().decode("latin-1").splitlines() if l.strip()]
    sets = {}
    for i in range(len(lines) - 2):
        if lines[i + 1].startswith("1 ") and lines[i + 2].startswith("2 "):
            sets.setdefault(lines[i], (lines[i], lines[i + 1], lines[i + 2]))
    return sets


def checksum(line):
    total = 0
    for c in line[:68]:
        if c.isdigit():
            total += int(c)
        elif c == "-":
            total += 1
        elif c == "+" and line[0] == "2":
            total += 2
    return line[:68] + str(total % 10)


def alpha5(number):
    if number < 100000:
        return "%05d" % number
    return ALPHA5[number // 10000 - 10] + "%04d" % (number % 10000)


def exponent_field(text):
    """'-60189-4' (an assumed point before the digits) as a float."""
    text = text.strip()
    if not text:
        return 0.0
    sign = "-" if text[0] == "-" else ""
    text = text.lstrip("+-")
    mantissa, exp = text[:-2], text[-2:]
    return float("%s0.%se%d" % (sign, mantissa, int(exp)))


def fields(name, l1, l2, number=None):
    yy = int(l1[18:20])
    year = 2000 + yy if yy < 57 else 1900 + yy
    day = int(l1[20:23])
    fraction = int(l1[24:32])  # units of 1e-8 day = 864 microseconds
    epoch = datetime.datetime(year, 1, 1) + datetime.timedelta(days=day - 1,
                                                               microseconds=fraction * 864)
    launch = int(l1[9:11])
    designator = "%d-%s" % (2000 + launch if launch < 57 else 1900 + launch, l1[11:17].strip())
    drift = l1[33:43].replace(" ", "")
    return {
        "OBJECT_NAME": name,
        "OBJECT_ID": designator,
        "EPOCH": epoch.strftime("%Y-%m-%dT%H:%M:%S.%f"),
        "MEAN_MOTION": l2[52:63].strip(),
        "ECCENTRICITY": "." + l2[26:33],
        "INCLINATION": l2[8:16].strip(),
        "RA_OF_ASC_NODE": l2[17:25].strip(),
        "ARG_OF_PERICENTER": l2[34:42].strip(),
        "MEAN_ANOMALY": l2[43:51].strip(),
        "EPHEMERIS_TYPE": "0",
        "CLASSIFICATION_TYPE": l1[7],
        "NORAD_CAT_ID": str(number if number is not None else int(l2[2:7])),
        "ELEMENT_SET_NO": l1[64:68].strip(),
        "REV_AT_EPOCH": str(int(l2[63:68])),
        "BSTAR": repr(exponent_field(l1[53:61])),
        "MEAN_MOTION_DOT": drift.replace("-.", "-0.") if drift.startswith("-") else drift,
        "MEAN_MOTION_DDOT": repr(exponent_field(l1[44:52])),
    }


ORDER = ["OBJECT_NAME", "OBJECT_ID", "EPOCH", "MEAN_MOTION", "ECCENTRICITY", "INCLINATION",
         "RA_OF_ASC_NODE", "ARG_OF_PERICENTER", "MEAN_ANOMALY", "EPHEMERIS_TYPE",
         "CLASSIFICATION_TYPE", "NORAD_CAT_ID", "ELEMENT_SET_NO", "REV_AT_EPOCH", "BSTAR",
         "MEAN_MOTION_DOT", "MEAN_MOTION_DDOT"]
NUMBERS = {"MEAN_MOTION", "ECCENTRICITY", "INCLINATION", "RA_OF_ASC_NODE",
           "ARG_OF_PERICENTER", "MEAN_ANOMALY", "BSTAR", "MEAN_MOTION_DOT", "MEAN_MOTION_DDOT"}
INTEGERS = {"EPHEMERIS_TYPE", "NORAD_CAT_ID", "ELEMENT_SET_NO", "REV_AT_EPOCH"}


def csv_text(records):
    # RFC 4180: CR LF, every name quoted (a quote inside doubled), numbers as printed.
    out = io.StringIO()
    out.write(",".join(ORDER) + "\r\n")
    for r in records:
        row = []
        for key in ORDER:
            value = r[key]
            if key in ("OBJECT_NAME", "OBJECT_ID"):
                value = '"' + value.replace('"', '""') + '"'
            row.append(value)
        out.write(",".join(row) + "\r\n")
    return out.getvalue()


def xml_text(records):
    meta = ["OBJECT_NAME", "OBJECT_ID"]
    mean = ["EPOCH", "MEAN_MOTION", "ECCENTRICITY", "INCLINATION", "RA_OF_ASC_NODE",
            "ARG_OF_PERICENTER", "MEAN_ANOMALY"]
    tle = ["EPHEMERIS_TYPE", "CLASSIFICATION_TYPE", "NORAD_CAT_ID", "ELEMENT_SET_NO",
           "REV_AT_EPOCH", "BSTAR", "MEAN_MOTION_DOT", "MEAN_MOTION_DDOT"]

    def value(r, key):
        return repr(float(r[key])) if key in NUMBERS else r[key]

    out = io.StringIO()
    out.write('<?xml version="1.0" encoding="UTF-8"?>\n')
    out.write('<ndm xmlns:xsi="http://www.w3.org/2001/XMLSchema-instance" '
              'xsi:noNamespaceSchemaLocation="ndmxml-2.0.0-master-2.0.xsd">\n')
    for r in records:
        out.write('<omm id="CCSDS_OMM_VERS" version="2.0">\n')
        out.write('<header><CREATION_DATE/><ORIGINATOR/></header>\n<body>\n<segment>\n')
        out.write("<metadata>")
        for key in meta:
            out.write("<%s>%s</%s>" % (key, escape(value(r, key)), key))
        out.write("<CENTER_NAME>EARTH</CENTER_NAME><REF_FRAME>TEME</REF_FRAME>"
                  "<TIME_SYSTEM>UTC</TIME_SYSTEM><MEAN_ELEMENT_THEORY>SGP4</MEAN_ELEMENT_THEORY>"
                  "</metadata>\n<data>\n<meanElements>")
        for key in mean:
            out.write("<%s>%s</%s>" % (key, escape(value(r, key)), key))
        out.write("</meanElements>\n<tleParameters>")
        for key in tle:
            out.write("<%s>%s</%s>" % (key, escape(value(r, key)), key))
        out.write("</tleParameters>\n</data>\n</segment>\n</body>\n</omm>\n")
    out.write("</ndm>\n")
    return out.getvalue()


def json_text(records):
    items = []
    for r in records:
        item = {}
        for key in ORDER:
            if key in NUMBERS:
                item[key] = float(r[key])
            elif key in INTEGERS:
                item[key] = int(r[key])
            else:
                item[key] = r[key]
        items.append(item)
    return json.dumps(items, indent=1) + "\n"


def three_line_text(sets):
    return "".join("%s\r\n%s\r\n%s\r\n" % s for s in sets)


def generate():
    sources = {}
    sets = []
    for file, name in CHOSEN:
        if file not in sources:
            sources[file] = read_sets(os.path.join(DATA, file))
        sets.append(sources[file][name])

    records = [fields(*s) for s in sets]
    renumbered = []
    alpha_sets = []
    for (name, l1, l2), number in zip(sets, NEW_NUMBERS):
        renumbered.append(fields(name, l1, l2, number))
        if number <= 339999:
            field = alpha5(number)
            alpha_sets.append((name, checksum(l1[:2] + field + l1[7:]),
                               checksum(l2[:2] + field + l2[7:])))
    return {
        "sample.tle": three_line_text(sets),
        "sample.csv": csv_text(records),
        "sample.xml": xml_text(records),
        "sample.json": json_text(records),
        "alpha5.tle": three_line_text(alpha_sets),
        "big_numbers.json": json_text(renumbered),
    }


def main(argv):
    check = "--check" in argv
    rest = [a for a in argv if a != "--check"]
    folder = rest[0] if rest else os.path.join(DATA, "omm")
    files = generate()
    if check:
        stale = []
        for name, text in files.items():
            path = os.path.join(folder, name)
            try:
                with open(path, "rb") as f:
                    same = f.read() == text.encode("utf-8")
            except OSError:
                same = False
            if not same:
                stale.append(name)
        for name in stale:
            print("differs from the generator: " + os.path.join(folder, name))
        return 1 if stale else 0
    os.makedirs(folder, exist_ok=True)
    for name, text in files.items():
        with open(os.path.join(folder, name), "wb") as f:
            f.write(text.encode("utf-8"))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
