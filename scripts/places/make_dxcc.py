#!/usr/bin/python3
"""Writes resources/places/dxcc.txt, the DXCC list of the moon and HF beam windows, from
cty.dat of Debian's hamradio-files (Jim Reisert AD1C's country file, MIT licence).

One line per DXCC entity, in the order of cty.dat, five TAB-separated fields:
prefix, "Country (Co)", latitude "35,83N", longitude "14,58E", UTC offset "UTC+1".
Entities that count for the WAE list only (primary prefix starting with "*") are left
out. cty.dat gives longitudes west-positive and the UTC offset with the opposite sign
(local time = UTC - offset); both are turned round here. TAB, "_", "/" and "=" are the
list separators of the program, so they are removed from every field. cty.dat carries no
daylight-saving information: no offset gets the "*" mark.

Usage: make_dxcc.py [CTY_DAT [OUTPUT]]
"""
import os
import sys

DEFAULT_SOURCE = "/usr/share/hamradio-files/cty.dat"
DEFAULT_OUTPUT = os.path.join(os.path.dirname(os.path.abspath(__file__)),
                              "..", "..", "resources", "places", "dxcc.txt")
SEPARATORS = "\t_/="
CONTINENTS = {"EU": "Eu", "AS": "As", "AF": "Af", "OC": "Oc", "NA": "Na", "SA": "Sa",
              "AN": "An"}


def clean(text):
    for c in SEPARATORS:
        text = text.replace(c, "")
    return " ".join(text.split())


def comma_number(value):
    """Two decimals with a comma, as the lists write their numbers."""
    return ("%.2f" % abs(value)).replace(".", ",")


def offset_text(cty_offset):
    hours = -cty_offset  # cty.dat: UTC - local
    if hours == 0:
        return "UTC+0"
    sign = "+" if hours > 0 else "-"
    text = ("%g" % abs(hours)).replace(".", ",")
    return "UTC" + sign + text


def entities(lines):
    """The header lines of cty.dat: name, CQ, ITU, continent, lat, west lon, offset, prefix."""
    for line in lines:
        if not line.strip() or line[0].isspace():
            continue  # alias lines start with blanks
        fields = [f.strip() for f in line.split(":")]
        if len(fields) < 8:
            raise ValueError("unexpected cty.dat line: %r" % line)
        yield fields[:8]


def convert(lines):
    out = []
    for name, _cq, _itu, continent, lat, lon, offset, prefix in entities(lines):
        if prefix.startswith("*"):
            continue  # WAE-only entity, not on the DXCC list
        latitude = float(lat)
        east = -float(lon)
        fields = [
            clean(prefix),
            "%s (%s)" % (clean(name), CONTINENTS.get(continent.upper(), continent.title())),
            comma_number(latitude) + ("N" if latitude >= 0 else "S"),
            comma_number(east) + ("E" if east >= 0 else "W"),
            offset_text(float(offset)),
        ]
        out.append("\t".join(fields))
    return out


def main(argv):
    source = argv[1] if len(argv) > 1 else DEFAULT_SOURCE
    output = argv[2] if len(argv) > 2 else DEFAULT_OUTPUT
    with open(source, encoding="latin-1") as f:
        rows = convert(f.read().splitlines())
    with open(output, "w", encoding="ascii", newline="\r\n") as f:
        for row in rows:
            f.write(row + "\n")
    print("%d entities written to %s" % (len(rows), os.path.normpath(output)))


if __name__ == "__main__":
    main(sys.argv)
