# Decanate crossings by the ephemeris library itself (libswe through ctypes): apparent longitude of date,
# mean node; bisection to 0.01 s on hourly (Moon 10-minute) samples.
import ctypes, math, sys
swe = ctypes.CDLL("libswe.so.2")
swe.swe_set_ephe_path(b"/usr/share/libswe/ephe")
swe.swe_calc_ut.argtypes = [ctypes.c_double, ctypes.c_int, ctypes.c_int, ctypes.POINTER(ctypes.c_double), ctypes.c_char_p]
swe.swe_julday.restype = ctypes.c_double
swe.swe_julday.argtypes = [ctypes.c_int, ctypes.c_int, ctypes.c_int, ctypes.c_double, ctypes.c_int]
swe.swe_get_ayanamsa_ex_ut.argtypes = [ctypes.c_double, ctypes.c_int, ctypes.POINTER(ctypes.c_double), ctypes.c_char_p]
swe.swe_set_sid_mode.argtypes = [ctypes.c_int, ctypes.c_double, ctypes.c_double]
SWIEPH = 2
def lon(body, jd, sid=None):
    x = (ctypes.c_double * 6)(); err = ctypes.create_string_buffer(256)
    swe.swe_calc_ut(jd, body, SWIEPH, x, err)
    l = x[0]
    if sid is not None:
        swe.swe_set_sid_mode(sid, 0, 0)
        a = ctypes.c_double(); swe.swe_get_ayanamsa_ex_ut(jd, SWIEPH, ctypes.byref(a), err)
        l = (l - a.value) % 360.0
    return l
def crossings(body, jd0, jd1, step, sid=None):
    out = []
    t = jd0; l0 = lon(body, t, sid)
    while t < jd1:
        t2 = min(t + step, jd1); l2 = lon(body, t2, sid)
        u2 = l0 + math.remainder(l2 - l0, 360.0)
        k0, k2 = math.floor(l0 / 10), math.floor(u2 / 10)
        for k in range(min(k0, k2) + 1, max(k0, k2) + 1):
            a, b = t, t2
            while b - a > 1e-7:
                m = (a + b) / 2; um = l0 + math.remainder(lon(body, m, sid) - l0, 360.0)
                if (um - 10 * k) * (1 if u2 > l0 else -1) < 0: a = m
                else: b = m
            out.append(((a + b) / 2, (k % 36) * 10, "retro" if k2 < k0 else "direct"))
        t, l0 = t2, l2
    return out
def iso(jd):
    s = round((jd - 2440587.5) * 86400)
    import datetime
    return (datetime.datetime(1970, 1, 1) + datetime.timedelta(seconds=s)).isoformat() + "Z"
if __name__ == "__main__":
    body, y0, m0, d0, y1, m1, d1 = map(int, sys.argv[1:8])
    sid = int(sys.argv[8]) if len(sys.argv) > 8 else None
    step = 1 / 144 if body == 1 else 1 / 24
    found = crossings(body, swe.swe_julday(y0, m0, d0, 0.0, 1), swe.swe_julday(y1, m1, d1, 0.0, 1), step, sid)
    for jd, edge, how in found:
        print(iso(jd), edge, how)
    print("count", len(found))
