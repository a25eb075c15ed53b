#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Compares the clock the chart tool reads at a place with Python's zoneinfo, for one place of every zone of
the atlas: random clock times 1901-2050 and the minutes around every transition of the zone in those years.
Local mean time is excepted by its own rule, written here from its description rather than from the tool:
the birthplace's longitude at 240 s a degree, the whole-day shift that brings it nearest the zone's own mean
time, used until the instant the zone left its mean time; a clock time that the birthplace's clock then showed
twice is read the first time, one it skipped as not yet put forward, like every other time.

    bench/clock-compare.py build/release/cli/tessaline-chart [data/atlas/atlas.tsv] [--random N] [--seed S]

Prints the rows compared, how many agree (offset to the second and universal time to the minute) and every
disagreement, at most 50 of them. Exit status 1 when any disagrees.
"""
import argparse
import datetime as dt
import json
import random
import struct
import subprocess
import sys
import zoneinfo
from pathlib import Path

FIRST, LAST = dt.datetime(1901, 1, 1), dt.datetime(2050, 12, 31, 23, 59)
AROUND = [-90, -61, -60, -59, -31, -30, -29, -1, 0, 1, 29, 30, 31, 59, 60, 61, 90]  # minutes


def atlas_places(path):
    """Two places per zone: the most populous, and the one farthest from it in longitude (its own mean time
    the farthest from the zone's). {zone: [(id, longitude in degrees)]}."""
    lines = Path(path).read_text(encoding="utf-8").split("\n")
    at = 2
    sections = {}
    for name in ("zones", "countries", "regions", "fold", "places"):
        title, count = lines[at].split("\t")
        assert title == name, lines[at]
        sections[name] = lines[at + 1: at + 1 + int(count)]
        at += 1 + int(count)
    zones = sections["zones"]
    places = {}
    for line in sections["places"]:
        f = line.split("\t")
        places.setdefault(zones[int(f[7])], []).append((int(f[6]), int(f[9]), int(f[5]) / 1000.0))
    chosen = {}
    for zone, found in places.items():
        _, pid, lon = max(found)
        far = max(found, key=lambda p: (abs((p[2] - lon + 180) % 360 - 180), p[0]))
        chosen[zone] = [(pid, lon)] + ([(far[1], far[2])] if far[1] != pid else [])
    return chosen


def transitions(zone):
    """The zone's transitions (UTC seconds) and the offset and abbreviation before each, from its TZif file."""
    data = (Path("/usr/share/zoneinfo") / zone).read_bytes()
    def header(at):
        return struct.unpack(">6l", data[at + 20: at + 44])
    isut, isstd, leap, timecnt, typecnt, charcnt = header(0)
    at = 44 + timecnt * 5 + typecnt * 6 + charcnt + leap * 8 + isstd + isut
    isut, isstd, leap, timecnt, typecnt, charcnt = header(at)  # version 2: 64-bit times
    at += 44
    times = struct.unpack(f">{timecnt}q", data[at: at + 8 * timecnt])
    at += 8 * timecnt
    indexes = data[at: at + timecnt]
    at += timecnt
    types = [struct.unpack(">lBB", data[at + 6 * i: at + 6 * i + 6]) for i in range(typecnt)]
    chars = data[at + 6 * typecnt: at + 6 * typecnt + charcnt]
    abbreviation = lambda t: chars[types[t][2]:chars.index(b"\0", types[t][2])].decode()
    result = []
    for i, when in enumerate(times):
        before = indexes[i - 1] if i > 0 else 0
        result.append((when, types[before][0], abbreviation(before)))
    return result


def mean_time_periods(found):
    """The spans (start, end, zone's offset) of UTC seconds in which the zone kept local mean time."""
    periods = []
    start = None  # the first period starts before the first transition
    for when, offset, abbreviation in found:
        if abbreviation == "LMT":
            periods.append((start, when, offset))
        start = when
    return periods


def expected(tz, local, longitude, periods, jumps):
    """The offset in seconds the clock ran on at a local time, the earlier reading of two, as described above."""
    aware = local.replace(tzinfo=tz, fold=0)
    offset = int(aware.utcoffset().total_seconds())
    if not periods:
        return offset
    seconds = int((local - dt.datetime(1970, 1, 1)).total_seconds())
    inside = lambda u: any((s is None or s <= u) and u < e for s, e, _ in periods)
    readings = []
    for start, end, zone_mean in periods:
        own = round(longitude * 240)
        own += round((zone_mean - own) / 86400) * 86400
        if (start is None or start <= seconds - own) and seconds - own < end:
            readings.append((seconds - own, own))
    for fold in (0, 1):
        o = int(local.replace(tzinfo=tz, fold=fold).utcoffset().total_seconds())
        instant = seconds - o
        # a reading the zone's clock really showed, outside its mean time
        back = dt.datetime.fromtimestamp(instant, dt.timezone.utc).astimezone(tz).replace(tzinfo=None)
        if not inside(instant) and back == local and (instant, o) not in readings:
            readings.append((instant, o))
    if readings:
        return min(readings)[1]
    # skipped: the offset the birthplace's clock ran on just before the jump it skipped over
    def clock(u):
        for start, end, zone_mean in periods:
            if (start is None or start <= u) and u < end:
                own = round(longitude * 240)
                return own + round((zone_mean - own) / 86400) * 86400
        return int(dt.datetime.fromtimestamp(u, dt.timezone.utc).astimezone(tz).utcoffset().total_seconds())
    for jump in jumps:
        if seconds - clock(jump - 1) >= jump and seconds - clock(jump) < jump:
            return clock(jump - 1)
    raise AssertionError(f"no jump skips {local}")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("tool")
    parser.add_argument("atlas", nargs="?", default=str(Path(__file__).resolve().parent.parent / "data/atlas/atlas.tsv"))
    parser.add_argument("--random", type=int, default=200, help="random clock times per zone")
    parser.add_argument("--seed", type=int, default=22)
    args = parser.parse_args()
    rng = random.Random(args.seed)
    rows = []
    for zone, pid, lon in [(z, pid, lon) for z, two in sorted(atlas_places(args.atlas).items()) for pid, lon in two]:
        tz = zoneinfo.ZoneInfo(zone)
        found = transitions(zone)
        periods = mean_time_periods(found)
        jumps = [when for when, _, _ in found]
        times = set()
        span = int((LAST - FIRST).total_seconds() // 60)
        for _ in range(args.random):
            times.add(FIRST + dt.timedelta(minutes=rng.randrange(span)))
        for when, offset, _ in found:
            local = dt.datetime(1970, 1, 1) + dt.timedelta(seconds=when + offset)
            for minutes in AROUND:
                t = (local + dt.timedelta(minutes=minutes)).replace(second=0)
                if FIRST <= t <= LAST:
                    times.add(t)
        for t in sorted(times):
            rows.append((zone, pid, lon, t, expected(tz, t, lon, periods, jumps)))
    batch = "name,date,time,placeId\n" + "".join(
        f"Ada,{t:%Y-%m-%d},{t:%H:%M},{pid}\n" for _, pid, _, t, _ in rows)
    run = subprocess.run([args.tool, "--batch", "-", "--json", "--brief"], input=batch.encode(), capture_output=True)
    agree = 0
    differ = []
    for line in run.stdout.decode().splitlines():
        chart = json.loads(line)
        zone, pid, lon, local, offset = rows[chart["line"] - 2]
        if "error" in chart:
            differ.append(f"{zone} {local}: {chart['error']}")
            continue
        sign = 1 if chart["clock"]["offset"][0] == "+" else -1
        parts = [int(p) for p in chart["clock"]["offset"][1:].split(":")] + [0]
        got = sign * (parts[0] * 3600 + parts[1] * 60 + parts[2])
        minutes = int(abs(offset) / 60 + 0.5) * (1 if offset >= 0 else -1)
        instant = (local - dt.timedelta(minutes=minutes)).strftime("%Y-%m-%dT%H:%MZ")
        if got == offset and chart["instantUT"] == instant:
            agree += 1
        else:
            differ.append(f"{zone} {local:%Y-%m-%d %H:%M}: tool {chart['clock']['offset']} {chart['instantUT']}, "
                          f"expected {offset} s {instant}")
    print(f"{len(rows)} rows, {len({r[0] for r in rows})} zones, {len({r[1] for r in rows})} places: {agree} agree, "
          f"{len(differ)} differ")
    for line in differ[:50]:
        print("  " + line)
    return 1 if differ else 0


if __name__ == "__main__":
    sys.exit(main())
