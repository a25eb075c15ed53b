#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Compares two outputs of the chart tool for one batch (--csv, or --json with one chart per line): every text
exactly, every number within a tolerance. Prints the largest difference of each numeric field, in arcseconds,
and every text that differs, so that a change of ephemeris can be told apart from a change of result.

    bench/compare-outputs.py BEFORE AFTER [TOLERANCE_ARCSEC]   (default 0.1)
"""
import csv
import json
import sys


def flatten(value, path, out):
    if isinstance(value, dict):
        for key, item in value.items():
            flatten(item, f"{path}.{key}" if path else key, out)
    elif isinstance(value, list):
        for index, item in enumerate(value):
            name = item.get("body", index) if isinstance(item, dict) else index
            flatten(item, f"{path}[{name}]", out)
    else:
        out[path] = value


def rows(path):
    with open(path, newline="", encoding="utf-8") as file:
        first = file.readline()
        file.seek(0)
        if first.startswith("{"):
            for line in file:
                out = {}
                flatten(json.loads(line), "", out)
                yield out
        else:
            yield from csv.DictReader(file)


def number(text):
    if isinstance(text, bool):
        return None
    if isinstance(text, (int, float)):
        return float(text)
    try:
        return float(text) if text and ("." in text) else None
    except ValueError:
        return None


def main():
    before, after = sys.argv[1], sys.argv[2]
    tolerance = float(sys.argv[3]) if len(sys.argv) > 3 else 0.1
    largest = {}
    differing = []
    count = 0
    for old, new in zip(rows(before), rows(after), strict=True):
        count += 1
        for key in old.keys() | new.keys():
            a, b = old.get(key), new.get(key)
            x, y = number(a), number(b)
            if x is not None and y is not None and not isinstance(a, int):
                field = key.split("[")[0] + ("." + key.rsplit(".", 1)[-1] if "[" in key else "")
                difference = abs((x - y + 180.0) % 360.0 - 180.0) * 3600.0
                largest[field] = max(largest.get(field, 0.0), difference)
                if difference > tolerance:
                    differing.append((count, key, a, b))
            elif a != b:
                differing.append((count, key, a, b))
    print(f"{count} charts compared")
    for field, difference in sorted(largest.items()):
        print(f"  largest difference {difference:.6f}\"  {field}")
    print(f"{len(differing)} differing fields (texts, or numbers more than {tolerance}\" apart)")
    for row, key, a, b in differing[:200]:
        print(f"  chart {row}: {key}: {a!r} -> {b!r}")
    return 1 if differing else 0


if __name__ == "__main__":
    sys.exit(main())
