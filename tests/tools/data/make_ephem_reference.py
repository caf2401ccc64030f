#!/usr/bin/python3
"""Reference positions of the sun and the moon from PyEphem (Debian python3-ephem), for
the tests of the sun and moon windows. Writes ephem_reference.csv beside this script:

body,utc,lat,east_lon,azimuth,elevation,distance_earth_radii,range_rate_m_s

Topocentric azimuth and elevation (degrees) without refraction (pressure 0), the
geocentric distance in Earth radii of 6378.137 km and the rate of the station-moon
distance over the following minute in m/s (moon only; 0 for the sun).
"""
import math
import os

import ephem

AU_KM = 149597870.7
EARTH_RADIUS_KM = 6378.137

INSTANTS = [
    "2023/01/15 06:10:00",
    "2024/03/10 12:00:00",
    "2024/09/18 22:40:00",
    "2025/07/21 03:30:00",
    "2026/12/05 18:45:00",
    "2028/05/01 00:00:00",
]
STATIONS = [  # latitude north, longitude east
    (48.85, 2.35),      # Paris
    (-33.87, 151.21),   # Sydney
    (64.84, -147.72),   # Fairbanks
    (-0.18, -78.47),    # Quito
]


def observer(utc, lat, lon):
    o = ephem.Observer()
    o.date = utc
    o.lat = str(lat)
    o.lon = str(lon)
    o.elevation = 0
    o.pressure = 0  # no refraction: the program's models have none
    return o


def station_moon_km(utc, lat, lon):
    """Distance from the station to the moon: PyEphem's topocentric earth_distance."""
    return ephem.Moon(observer(utc, lat, lon)).earth_distance * AU_KM


def main():
    rows = []
    for utc in INSTANTS:
        for lat, lon in STATIONS:
            o = observer(utc, lat, lon)
            moon = ephem.Moon(o)
            sun = ephem.Sun(o)
            # Geocentric: computed for the date alone, not for the observer.
            distance = ephem.Moon(ephem.Date(utc)).earth_distance * AU_KM / EARTH_RADIUS_KM
            later = ephem.Date(ephem.Date(utc) + 60 * ephem.second)
            rate = (station_moon_km(later, lat, lon) - station_moon_km(utc, lat, lon)) * 1000 / 60
            rows.append(("moon", utc, lat, lon, math.degrees(moon.az), math.degrees(moon.alt),
                         distance, rate))
            rows.append(("sun", utc, lat, lon, math.degrees(sun.az), math.degrees(sun.alt), 0.0,
                         0.0))
    path = os.path.join(os.path.dirname(os.path.abspath(__file__)), "ephem_reference.csv")
    with open(path, "w") as f:
        f.write("body,utc,lat,east_lon,azimuth,elevation,distance_earth_radii,range_rate_m_s\n")
        for body, utc, lat, lon, az, el, d, rate in rows:
            f.write("%s,%s,%.2f,%.2f,%.4f,%.4f,%.4f,%.3f\n" % (body, utc, lat, lon, az, el, d,
                                                              rate))
    print("%d rows written to %s" % (len(rows), path))


if __name__ == "__main__":
    main()
