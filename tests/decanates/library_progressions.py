# Progressed decanate changes by the ephemeris library itself (libswe through ctypes, library_crossings.py
# beside this file): a day after birth for each tropical year of 365.24219 days. The bodies' crossings on the
# progressed days are the library's apparent longitudes of date; the progressed Midheaven is the natal one
# (swe_houses_ex) carried on by the solar arc, its meridian found by swe_cotrans and its Ascendant by
# swe_houses_armc with the true obliquity of the progressed day (swe_calc_ut, SE_ECL_NUT).
#   python3 tests/decanates/library_progressions.py Y M D HOURS_UT EAST_LON LAT OFFSET_HOURS [SIDEREAL_MODE]
import ctypes, datetime, math, sys
from library_crossings import swe, lon, crossings

YEAR = 365.24219
swe.swe_houses_ex.argtypes = [ctypes.c_double, ctypes.c_int, ctypes.c_double, ctypes.c_double, ctypes.c_int,
                              ctypes.POINTER(ctypes.c_double), ctypes.POINTER(ctypes.c_double)]
swe.swe_houses_armc.argtypes = [ctypes.c_double, ctypes.c_double, ctypes.c_double, ctypes.c_int,
                                ctypes.POINTER(ctypes.c_double), ctypes.POINTER(ctypes.c_double)]
swe.swe_cotrans.argtypes = [ctypes.POINTER(ctypes.c_double), ctypes.POINTER(ctypes.c_double), ctypes.c_double]
swe.swe_get_ayanamsa_ex_ut.argtypes = [ctypes.c_double, ctypes.c_int, ctypes.POINTER(ctypes.c_double), ctypes.c_char_p]

def obliquity(jd):
    x = (ctypes.c_double * 6)(); err = ctypes.create_string_buffer(256)
    swe.swe_calc_ut(jd, -1, 2, x, err)
    return x[0]

def natal_angles(jd, east, lat):
    cusps = (ctypes.c_double * 13)(); ascmc = (ctypes.c_double * 10)()
    swe.swe_houses_ex(jd, 0, lat, east, ord('P'), cusps, ascmc)
    return ascmc[0], ascmc[1]

def ayanamsa(jd, sid):
    if sid is None: return 0.0
    swe.swe_set_sid_mode(sid, 0, 0)
    a = ctypes.c_double(); err = ctypes.create_string_buffer(256)
    swe.swe_get_ayanamsa_ex_ut(jd, 2, ctypes.byref(a), err)
    return a.value

def progressed_angles(p, natal_jd, natal_sun, natal_mc, lat, sid):
    arc = math.remainder(lon(0, p) - natal_sun, 360.0)
    mc = (natal_mc + arc) % 360.0
    eps = obliquity(p)
    ecl = (ctypes.c_double * 3)(mc, 0.0, 1.0); equ = (ctypes.c_double * 3)()
    swe.swe_cotrans(ecl, equ, -eps)
    cusps = (ctypes.c_double * 13)(); ascmc = (ctypes.c_double * 10)()
    swe.swe_houses_armc(equ[0], lat, eps, ord('P'), cusps, ascmc)
    a = ayanamsa(p, sid)
    return (ascmc[0] - a) % 360.0, (mc - a) % 360.0

def angle_crossings(which, jd0, jd1, natal, lat, sid, step=0.02):
    out = []; f = lambda t: progressed_angles(t, jd0, natal[0], natal[1], lat, sid)[which]
    t = jd0; l0 = f(t)
    while t < jd1:
        t2 = min(t + step, jd1); u2 = l0 + math.remainder(f(t2) - l0, 360.0)
        k0, k2 = math.floor(l0 / 10), math.floor(u2 / 10)
        for k in range(min(k0, k2) + 1, max(k0, k2) + 1):
            a, b = t, t2
            while b - a > 1e-8:
                m = (a + b) / 2; um = l0 + math.remainder(f(m) - l0, 360.0)
                if (um - 10 * k) * (1 if u2 > l0 else -1) < 0: a = m
                else: b = m
            out.append(((a + b) / 2, (k % 36) * 10, "direct"))
        t, l0 = t2, u2 % 360.0
    return out

def life(natal_jd, p, offset_hours):
    jd = natal_jd + (p - natal_jd) * YEAR + offset_hours / 24.0
    return datetime.datetime(1970, 1, 1) + datetime.timedelta(days=jd - 2440587.5)

if __name__ == "__main__":
    y, m, d = map(int, sys.argv[1:4]); hours, east, lat, offset = map(float, sys.argv[4:8])
    sid = int(sys.argv[8]) if len(sys.argv) > 8 else None
    jd0 = swe.swe_julday(y, m, d, hours, 1); jd1 = min(jd0 + 100, swe.swe_julday(2051, 1, 3, 0.0, 1))
    natal_asc, natal_mc = natal_angles(jd0, east, lat)
    natal = (lon(0, jd0), natal_mc)
    for body, name in [(0, "Sun"), (1, "Moon"), (2, "Mercury"), (3, "Venus"), (4, "Mars"), (5, "Jupiter"),
                       (6, "Saturn"), (7, "Uranus"), (8, "Neptune"), (9, "Pluto")]:
        for p, edge, how in crossings(body, jd0, jd1, 1 / 144 if body == 1 else 1 / 24, sid):
            print(name, life(jd0, p, offset).isoformat(timespec="minutes"), edge, how)
    for which, name in [(0, "Ascendant"), (1, "Midheaven")]:
        for p, edge, how in angle_crossings(which, jd0, jd1, natal, lat, sid):
            print(name, life(jd0, p, offset).isoformat(timespec="minutes"), edge, how)
