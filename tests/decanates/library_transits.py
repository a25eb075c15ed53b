# The sky at one instant by the ephemeris library itself (libswe through ctypes): each body's apparent longitude
# of date and daily speed (the mean node for Rahu, Ketu opposite), and the first decanate change after the instant
# (bisected as library_crossings.py does).
#   python3 library_transits.py Y M D HOURS_UT [SIDEREAL_MODE]
import ctypes, sys
from library_crossings import swe, lon, crossings, iso
y, m, d = map(int, sys.argv[1:4]); hours = float(sys.argv[4])
sid = int(sys.argv[5]) if len(sys.argv) > 5 else None
jd = swe.swe_julday(y, m, d, hours, 1)
SPEED = 256
names = ["Sun", "Moon", "Mercury", "Venus", "Mars", "Jupiter", "Saturn", "Uranus", "Neptune", "Pluto", "Rahu"]
for body, name in enumerate(names):
    code = 10 if name == "Rahu" else body
    x = (ctypes.c_double * 6)(); err = ctypes.create_string_buffer(256)
    swe.swe_calc_ut(jd, code, 2 | SPEED, x, err)
    step = 1 / 144 if code == 1 else 1 / 24
    found, span = [], 30
    while not found:
        found = [c for c in crossings(code, jd, jd + span, step, sid) if c[0] > jd]
        span *= 2
    print(f"{name:8} {lon(code, jd, sid):11.6f} {x[3]:+.6f} leaves {iso(found[0][0])} {found[0][2]}")
