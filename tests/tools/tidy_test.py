#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# tools/tidy.py checks again exactly the sources whose inputs changed since they last passed, and a finding
# fails the run. A stand-in for clang-tidy logs each source it is given and finds fault with any source
# that contains FINDING; the compiler is the real one, so the headers are the compiler's own list.
#
#   tidy_test.py TIDY_PY CXX
import json
import os
import shutil
import subprocess
import sys
import tempfile

tidy, compiler = sys.argv[1], sys.argv[2]
top = tempfile.mkdtemp(prefix="tidy-test-")
src, build = os.path.join(top, "src"), os.path.join(top, "build")
os.makedirs(src)
os.makedirs(build)
log = os.path.join(top, "checked.log")
fake = os.path.join(top, "fake-clang-tidy")


def write(name, text):
    with open(os.path.join(top, name), "w", encoding="utf-8") as f:
        f.write(text)


def append(name, text):
    with open(os.path.join(top, name), "a", encoding="utf-8") as f:
        f.write(text)


write("fake-clang-tidy", f"""#!/bin/sh
[ "$1" = --version ] && {{ echo "fake clang-tidy 1"; exit 0; }}
for source; do :; done
echo "$source" >> {log}
if grep -q FINDING "$source"; then echo "$source:1:1: error: a finding [fake-check]"; exit 1; fi
echo "3 warnings generated."
""")
os.chmod(fake, 0o755)
write("src/.clang-tidy", "Checks: '-*,bugprone-*'\n")
write("src/common.h", "inline int common() { return 1; }\n")
write("src/other.h", "inline int other() { return 2; }\n")
write("src/a.cpp", '#include "common.h"\nint a() { return common(); }\n')
write("src/b.cpp", '#include "other.h"\nint b() { return other(); }\n')
write("src/c.cpp", "int c() { return 3; }\n")
flags = {"a": "-O2", "b": "-O2", "c": "-O2"}


def write_database():
    write("build/compile_commands.json", json.dumps([
        {"directory": build, "file": f"{src}/{name}.cpp",
         "command": f"{compiler} -I{src} {flags[name]} -std=c++20 -o {name}.o -c {src}/{name}.cpp"}
        for name in flags]))


def set_flags(name, value):
    flags[name] = value
    write_database()


write_database()

# Each step changes the tree, runs the checks, and names the sources that must be checked and the exit code.
steps = [
    ("first run checks all", lambda: None, {"a", "b", "c"}, 0),
    ("nothing changed, nothing checked", lambda: None, set(), 0),
    ("a header's change checks its includer only", lambda: append("src/common.h", "// edited\n"), {"a"}, 0),
    ("an edit to one source checks that source only", lambda: append("src/c.cpp", "// edited\n"), {"c"}, 0),
    ("a new include is followed", lambda: append("src/b.cpp", '#include "common.h"\n'), {"b"}, 0),
    ("the new include's header then checks both includers", lambda: append("src/common.h", "// again\n"), {"a", "b"}, 0),
    ("a changed compile command checks that source", lambda: set_flags("c", "-O0"), {"c"}, 0),
    ("a changed .clang-tidy checks all", lambda: append("src/.clang-tidy", "# edited\n"), {"a", "b", "c"}, 0),
    ("a finding fails the run", lambda: append("src/other.h", "// FINDING\n") or append("src/b.cpp", "// FINDING\n"),
     {"b"}, 1),
    ("a source that failed is checked again though unchanged", lambda: None, {"b"}, 1),
    ("mended, it passes", lambda: write("src/b.cpp", '#include "other.h"\nint b() { return other(); }\n'), {"b"}, 0),
    # The compiler, listing the headers, stops before clang-tidy is asked.
    ("a header that is gone fails its includer", lambda: os.remove(os.path.join(src, "other.h")), set(), 1),
]

failures = 0
for name, change, expected, expected_code in steps:
    change()
    if os.path.exists(log):
        os.remove(log)
    run = subprocess.run([sys.executable, tidy, "--build-dir", build, "--clang-tidy", fake, "--jobs", "2",
                          f"{src}/a.cpp", f"{src}/b.cpp", f"{src}/c.cpp"],
                         stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)
    checked = set()
    if os.path.exists(log):
        with open(log, encoding="utf-8") as f:
            checked = {os.path.basename(line.strip())[:-4] for line in f if line.strip()}
    problems = []
    if checked != expected:
        problems.append(f"checked {sorted(checked)}, expected {sorted(expected)}")
    if run.returncode != expected_code:
        problems.append(f"exit code {run.returncode}, expected {expected_code}")
    if expected_code != 0 and ("error:" not in run.stdout or "FAILED" not in run.stdout):
        problems.append("the failure's own output is not shown")
    if "warnings generated" in run.stdout:
        problems.append("clang-tidy's count of hidden warnings is shown")
    if problems:
        failures += 1
        print(f"FAIL {name}: " + "; ".join(problems) + "\n" + run.stdout)
    else:
        print(f"ok   {name}")
shutil.rmtree(top)
sys.exit(1 if failures else 0)
