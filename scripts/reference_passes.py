#!/usr/bin/python3
"""Pass rows computed on their own, for the golden file of the pass search test.

Written straight from the program's formulas (day arithmetic, element lines, the secular
ellipse, the station's view, the sun model for the eclipse mark, the minute search and the
73-character row), in Python floats, sharing no code with the program. Each case line of
the input

  case NAME|LINE1|LINE2|LAT N|LON W|ALT M|MIN EL|YYYY-MM-DD HH:MM (UTC)|PASSES

is copied to the output followed by its passes, each a header and its rows in UTC:

  NAME  pass N: <start> -> <end> UTC (R rows)

Usage: reference_passes.py < cases.txt > golden.txt
"""
import math
import sys

PI = 3.1415926536
TWO_PI = 6.2831853072
DEG = 0.01745329252
EARTH_RADIUS = 6378.137
ORBIT_CONSTANT = 7.53712273e13
SECULAR_RATE = 9.95
SIDEREAL_RATIO = 1.0027379093
FLATTENING = 0.0033528109296271807
LIGHT_SPEED = 299792.458
STEP = 1.0 / 1440
SPAN = 2.0
MONTHS = ["JAN", "FEB", "MAR", "APR", "MAY", "JUN", "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"]

# Sun model constants.
SUN_PI = 3.1415926535
SUN_TWO_PI = 6.283185307
TROPICAL_YEAR = 365.242197
THETA0 = 99.4033 * SUN_PI / 180
SUN_EPOCH = 32874.0  # 1990-01-01 00:00 as a date-time value (days since 1899-12-30)


def INT(x):
    return float(math.trunc(x))


def Round(x):
    return int(round(x))  # halves to even


# ---------------------------------------------------------------- day arithmetic

def julian_day(y, mo, d, h, mi, s):
    f = (d - INT(d)) + (h * 3600 + mi * 60 + s) / 86400
    if mo == 0:
        mo = 1
    if mo < 3:
        y -= 1
        mo += 12
    a = INT(y / 100)
    j = INT(a * 0.25) - a + INT(365.25 * y) + INT(30.6001 * (mo + 1)) + INT(d) + 1720997
    return j, f


def split_day_fraction(f):
    s = f * 86400 + 0.0001
    h = INT(s / 3600 + 0.0001)
    m = INT((s - h * 3600) / 60 + 0.001)
    sec = INT(s - h * 3600 - m * 60 + 0.5)
    return h, m, sec


def calendar(j, f):
    alpha = INT((j - 1867216.25) / 36524.25)
    b = j + alpha - INT(alpha / 4) + 1525
    c = INT(INT((b - 122.1) / 365.25) * 365.25)
    e = INT((b - c) / 30.6001)
    month = e - 1
    day = INT(b - c - INT(30.6001 * (month + 1)))
    if month > 12.5:
        month -= 12
    year = INT((j - 1720982 - INT(30.6001 * (month + 1)) - day) / 365.25 + 0.1)
    h, m, s = split_day_fraction(f)
    return int(year), int(month), int(day), int(h), int(m), int(s)


def resolve_epoch_year(yy, year):
    c = INT(year / 100)
    return 100 * c + yy if yy <= year - 100 * c else 100 * (c - 1) + yy


def sidereal_at_year_start(y):
    y1 = y - 1
    n = INT(365.25 * y1) + INT(y1 / 400) - INT(y1 / 100)
    tc = (n - 693595.5) / 36525
    g = 6.6460656 + 2400.051262 * tc + 0.00002581 * tc * tc
    g -= 24 * (y1 - 1899)
    return g / 24


# Date-time values (days since 1899-12-30), from and to calendar fields.
def days_from_civil(y, m, d):
    y -= m <= 2
    era = y // 400
    yoe = y - era * 400
    doy = (153 * (m + (-3 if m > 2 else 9)) + 2) // 5 + d - 1
    doe = yoe * 365 + yoe // 4 - yoe // 100 + doy
    return era * 146097 + doe - 719468  # days since 1970-01-01


DAYS_1899_TO_1970 = 25569


def encode(y, mo, d, h=0, mi=0, s=0):
    return days_from_civil(y, mo, d) + DAYS_1899_TO_1970 + (h * 3600 + mi * 60 + s) / 86400


def decode(value):
    day = math.floor(value)
    ms = round((value - day) * 86400000)
    if ms >= 86400000:
        day += 1
        ms -= 86400000
    z = day - DAYS_1899_TO_1970 + 719468
    era = z // 146097
    doe = z - era * 146097
    yoe = (doe - doe // 1460 + doe // 36524 - doe // 146096) // 365
    doy = doe - (365 * yoe + yoe // 4 - yoe // 100)
    mp = (5 * doy + 2) // 153
    d = doy - (153 * mp + 2) // 5 + 1
    m = mp + 3 if mp < 10 else mp - 9
    y = yoe + era * 400 + (m <= 2)
    return y, m, d, ms // 3600000, (ms // 60000) % 60, (ms // 1000) % 60


def date_text(value):
    y, m, d, h, mi, _ = decode(value)
    return "%2d %s %4d  %02d:%02d" % (d, MONTHS[m - 1], y, h, mi)


# ---------------------------------------------------------------- element lines

def parse_set(line1, line2):
    def num(text):
        return float(text.strip() or "x")
    e = {}
    e["epoch_year"] = num(line1[18:20])
    e["epoch_day"] = num(line1[20:23]) + num(line1[24:32]) * 1e-8
    drift = num(line1[35:43]) * 1e-8
    e["drift"] = -drift if line1[33] == "-" else drift
    e["incl"] = num(line2[8:11]) + num(line2[12:16]) * 1e-4
    e["node"] = num(line2[17:20]) + num(line2[21:25]) * 1e-4
    e["ecc"] = num(line2[26:33]) * 1e-7
    e["perigee"] = num(line2[34:37]) + num(line2[38:42]) * 1e-4
    e["anomaly"] = num(line2[43:46]) + num(line2[47:51]) * 1e-4
    e["motion"] = num(line2[52:54]) + num(line2[55:63]) * 1e-8
    e["revolution"] = num(line2[63:68])
    return e


# ---------------------------------------------------------------- orbit and view

class Orbit:
    def __init__(self, el, start):
        y, mo, d, h, mi = start
        self.el = el
        epoch_year = resolve_epoch_year(el["epoch_year"], y)
        self.epoch_j, self.epoch_f = julian_day(epoch_year, 0, el["epoch_day"], 0, 0, 0)
        self.start_j, self.start_f = julian_day(y, mo, d, h, mi, 0)
        # The epoch day counts from January 0 of the epoch's year, so the year-start angle
        # is taken for that year: elements of December used in January keep the Earth's
        # rotation right.
        self.g0 = sidereal_at_year_start(epoch_year)
        ecc = el["ecc"]
        self.one_e2 = 1 - ecc * ecc
        self.sqrt_one_e2 = math.sqrt(self.one_e2)
        self.sin_i = math.sin(el["incl"] * DEG)
        self.cos_i = math.cos(el["incl"] * DEG)
        self.rev0 = el["revolution"] + el["anomaly"] / 360
        self.advance(0)
        self.refresh_orbit = 0
        self.refresh(self.T)
        self.refresh_orbit = 0

    def advance(self, x):
        jp = INT(x + 0.00001)
        h, m, s = split_day_fraction(x - jp)
        x = h / 24 + jp + m / 1440 + s / 86400
        t = x + 1 + self.start_f - self.epoch_f
        g = t - INT(t)
        w = INT(t) + self.start_j - self.epoch_j - 1
        self.T = w + g
        carry = INT(self.epoch_f + g)
        self.cur_j = carry + w + self.epoch_j
        self.cur_f = self.epoch_f + g - carry
        if self.cur_f > 0.99999:
            self.cur_f = 0
            self.cur_j += 1

    def refresh(self, T):
        el = self.el
        self.n = el["motion"] + el["drift"] * T
        self.a = (ORBIT_CONSTANT / (self.n * self.n)) ** (1.0 / 3)
        k = SECULAR_RATE * (EARTH_RADIUS / self.a) ** 3.5 / (self.one_e2 * self.one_e2)
        node = el["node"] - k * T * self.cos_i
        perigee = el["perigee"] + k * T * (5 * self.cos_i * self.cos_i - 1) / 2
        so, co = math.sin(node * DEG), math.cos(node * DEG)
        sw, cw = math.sin(perigee * DEG), math.cos(perigee * DEG)
        ci, si = self.cos_i, self.sin_i
        self.P = (cw * co - sw * so * ci, cw * so + sw * co * ci, sw * si)
        self.Q = (-sw * co - cw * so * ci, -sw * so + cw * co * ci, cw * si)

    def propagate(self, x):
        self.advance(x)
        T = self.T
        X = self.n * T + self.rev0
        self.orbit = INT(X)
        frac = X - INT(X)
        self.phase = int(INT(frac * 256))
        M = frac * TWO_PI
        if self.orbit != self.refresh_orbit:
            self.refresh_orbit = self.orbit
            self.refresh(T)
        e = self.el["ecc"]
        E = M + e * math.sin(M) + (e * e / 2) * math.sin(2 * M)
        while True:
            S, C = math.sin(E), math.cos(E)
            D = 1 - e * C
            delta = E - e * S - M
            if abs(delta) < 1e-6:
                break
            E -= delta / D
        x0 = self.a * (C - e)
        y0 = self.a * self.sqrt_one_e2 * S
        self.r = self.a * D
        sx = x0 * self.P[0] + y0 * self.Q[0]
        sy = x0 * self.P[1] + y0 * self.Q[1]
        sz = x0 * self.P[2] + y0 * self.Q[2]
        g = (self.el["epoch_day"] + T) * SIDEREAL_RATIO + self.g0
        G = (g - INT(g)) * TWO_PI
        cg, sg = math.cos(G), math.sin(G)
        self.pos = (sx * cg + sy * sg, -sx * sg + sy * cg, sz)


def quadrant_angle(x, y):
    s = 1 if y >= 0 else -1
    if x != 0:
        a = math.atan(y / x)
        if x < 0:
            a += s * PI
    else:
        a = s * PI / 2
    if a < 0:
        a += TWO_PI
    return a


class Station:
    def __init__(self, lat, west_lon, alt):
        phi, lam = lat * DEG, west_lon * DEG
        self.sp, self.cp = math.sin(phi), math.cos(phi)
        self.msl, self.cl = -math.sin(lam), math.cos(lam)
        rs = (math.cos(2 * phi) * FLATTENING / 2 + 1 - FLATTENING / 2) * EARTH_RADIUS + alt / 1000
        self.xs = rs * self.cp * self.cl
        self.ys = rs * self.cp * self.msl
        self.zs = rs * self.sp
        self.r1 = self.r2 = 0.0
        self.rate = 0.0

    def observe(self, orb, x):
        px, py, pz = orb.pos
        dx, dy, dz = px - self.xs, py - self.ys, pz - self.zs
        rho = math.sqrt(dx * dx + dy * dy + dz * dz)
        up = dx * self.cp * self.cl + dy * self.cp * self.msl + dz * self.sp
        north = -dx * self.cl * self.sp - dy * self.msl * self.sp + dz * self.cp
        east = dy * self.cl - dx * self.msl
        s = up / rho
        v = {}
        v["el"] = math.atan(s / math.sqrt(1 - s * s)) / DEG
        v["az"] = quadrant_angle(north, east) / DEG
        v["range"] = rho
        v["west"] = 360 - quadrant_angle(px, py) / DEG
        s = pz / orb.r
        v["lat"] = math.atan(s / math.sqrt(1 - s * s)) / DEG
        v["r"] = orb.r
        if x > STEP:
            self.rate = (self.r2 - 4 * self.r1 + 3 * rho) / (STEP * 172800)
        self.r2, self.r1 = self.r1, rho
        v["doppler"] = -(self.rate * 1e9) / LIGHT_SPEED
        v["phase"] = orb.phase
        return v


def in_eclipse(when, lat, west, r):
    d = when - SUN_EPOCH
    A = (SUN_TWO_PI / TROPICAL_YEAR + SUN_TWO_PI) * d + THETA0
    L = SUN_TWO_PI * d / TROPICAL_YEAR + THETA0 + SUN_PI
    M = (0.98560027 * d + 356.6349) * SUN_PI / 180
    ls = L + 0.03343 * math.sin(M) + 0.00034 * math.sin(2 * M)
    eps = 23.4406 * SUN_PI / 180
    X, Y, Z = math.cos(ls), math.sin(ls) * math.cos(eps), math.sin(ls) * math.sin(eps)
    Xp = X * math.cos(-A) - Y * math.sin(-A)
    Yp = -X * math.sin(-A) - Y * math.cos(-A)
    dec = math.asin(Z)
    alpha = math.atan2(Yp, Xp)
    phi, lam = lat * SUN_PI / 180, west * SUN_PI / 180
    c = math.sin(dec) * math.sin(phi) + math.cos(dec) * math.cos(phi) * math.cos(lam - alpha)
    psi = math.acos(max(-1.0, min(1.0, c)))
    return psi > math.acos(EARTH_RADIUS / r) + SUN_PI / 2


# ---------------------------------------------------------------- search and rows

def search(el, station_args, min_el, start_utc):
    t0 = start_utc - 2 * STEP
    y, mo, d, h, mi, _ = decode(t0)
    orb = Orbit(el, (y, mo, d, h, mi))
    st = Station(*station_args)
    counter = -3
    rows = []
    first = last = None
    x = 0.0
    while x < SPAN:
        orb.propagate(x)
        v = st.observe(orb, x)
        if counter < 0:
            counter += 1
        if v["el"] >= min_el and counter >= 0:
            fields = calendar(orb.cur_j, orb.cur_f)
            last = fields
            if first is None:
                first = fields
            west = v["west"] - 360 if v["west"] > 180 else v["west"]
            rows.append((Round(v["el"]), Round(v["az"]), Round(v["range"]),
                         (v["r"] - EARTH_RADIUS) * 10, v["lat"], west, v["phase"],
                         Round(v["doppler"])))
        elif first is not None:
            x = SPAN
        x += STEP
    if first is None:
        return None
    stamp = lambda f: encode(f[0], f[1], f[2], f[3], f[4])
    return stamp(first), stamp(last), rows


def field(value, width):
    text = str(value)
    return "#" * width if len(text) > width else text.rjust(width)


def row_text(start, k, row):
    el, az, rng, alt10, lat, west, phase, _ = row
    when = start + k / 1440
    altitude = Round(alt10 / 10)
    eclipse = in_eclipse(when, lat, west, EARTH_RADIUS + altitude)
    lat_text = "%dN" % Round(lat) if lat >= 0 else "%dS" % Round(-lat)
    lon_text = "%dW" % Round(west) if west >= 0 else "%dE" % Round(-west)
    range_text = "#######" if len(str(rng)) >= 8 else str(rng).rjust(7)
    alt_text = "#######" if len(str(altitude)) >= 8 else str(altitude).rjust(7)
    text = (date_text(when) + ("*" if eclipse else " ") + str(el).rjust(3) + " " +
            str(az).rjust(4) + " " + range_text + " " + alt_text + " " + lat_text.rjust(4) +
            "  " + lon_text.rjust(4) + " " + str(phase).rjust(4) + " " + " " +
            "0".rjust(4) + " " + "0".rjust(7))
    assert len(text) == 73, text
    return text


def run_case(line, out):
    name, line1, line2, lat, west, alt, min_el, start, count = line[5:].split("|")
    el = parse_set(line1, line2)
    y, mo, rest = start.split("-")
    d, hm = rest.split(" ")
    h, mi = hm.split(":")
    when = encode(int(y), int(mo), int(d), int(h), int(mi))
    for n in range(1, int(count) + 1):
        found = search(el, (float(lat), float(west), float(alt)), int(min_el), when)
        if found is None:
            out.append("%s  pass %d: none within 48 hours" % (name, n))
            break
        first, last, rows = found
        out.append("%s  pass %d: %s -> %s UTC (%d rows)" % (
            name, n, date_text(first), date_text(last), len(rows)))
        for k, row in enumerate(rows):
            out.append(row_text(first, k, row))
        when = first + (len(rows) + 1) / 1440


def main():
    out = []
    for line in sys.stdin:
        line = line.rstrip("\n")
        if line.startswith("case "):
            out.append(line)
            run_case(line, out)
    sys.stdout.write("\n".join(out) + "\n")


if __name__ == "__main__":
    main()
