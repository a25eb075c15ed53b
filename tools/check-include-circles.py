#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""No two files of the project's folders include each other, however far round: a module (a .h and its .cpp)
that includes another must not be included back by it or by anything it includes. Prints each circle as
`a -> b -> a` and exits 1 when there is one.

    tools/check-include-circles.py [top folder]   (default: the repository this script lives in)
"""
import collections
import os
import re
import sys

FOLDERS = ("base", "ephemeris", "chart", "decanates", "atlas", "report", "cli", "desktop")


def includes(top):
    edges = collections.defaultdict(set)
    for folder in FOLDERS:
        for name in sorted(os.listdir(os.path.join(top, folder))):
            if not name.endswith((".h", ".cpp")):
                continue
            module = f"{folder}/{os.path.splitext(name)[0]}"
            with open(os.path.join(top, folder, name), encoding="utf-8") as source:
                for target in re.findall(r'^\s*#\s*include\s*"([^"]+)"', source.read(), re.M):
                    other = os.path.splitext(target)[0]
                    if other != module and os.path.exists(os.path.join(top, target)):
                        edges[module].add(other)
    return edges


def circles(edges):
    state, path, found = {}, [], []

    def visit(module):
        state[module] = "open"
        path.append(module)
        for other in sorted(edges.get(module, ())):
            if state.get(other) == "open":
                found.append(path[path.index(other):] + [other])
            elif other not in state:
                visit(other)
        path.pop()
        state[module] = "done"

    for module in sorted(edges):
        if module not in state:
            visit(module)
    return found


def main():
    top = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..")
    found = circles(includes(top))
    for circle in found:
        print(" -> ".join(circle), file=sys.stderr)
    if not found:
        print("Includes: no circle")
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
