#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# tools/tidy.py checks again exactly the sources whose inputs changed since they last passed, and a finding
# fails the run. The compiler is the real one; a stand-in for clang-tidy logs each source it is given and
# finds fault with any source that holds FINDING.   tidy_test.py TIDY_PY CXX
import json, os, shutil, subprocess, sys, tempfile

tidy, compiler = sys.argv[1], sys.argv[2]
top = tempfile.mkdtemp(prefix="tidy-test-")
src, log, fake = f"{top}/src", f"{top}/checked.log", f"{top}/fake-clang-tidy"
os.makedirs(src)
flags = dict.fromkeys("abc", "-O2")


def write(name, text, mode="w"):
    with open(f"{top}/{name}", mode, encoding="utf-8") as f:
        f.write(text)


def set_flags(name, value):
    flags[name] = value
    write("compile_commands.json", json.dumps([{"directory": top, "file": f"{src}/{n}.cpp", "command":
          f"{compiler} -I{src} {flags[n]} -std=c++20 -o {n}.o -c {src}/{n}.cpp"} for n in flags]))


write("fake-clang-tidy", f"""#!/bin/sh
[ "$1" = --version ] && exit 0
for source; do :; done
echo "$source" >> {log}
grep -q FINDING "$source" && {{ echo "$source:1:1: error: a finding [fake]"; exit 1; }}
echo "3 warnings generated."
""")
os.chmod(fake, 0o755)
write("src/.clang-tidy", "Checks: '-*,bugprone-*'\n")
write("src/common.h", "inline int common() { return 1; }\n")
write("src/other.h", "inline int other() { return 2; }\n")
write("src/a.cpp", '#include "common.h"\nint a() { return common(); }\n')
write("src/b.cpp", '#include "other.h"\nint b() { return other(); }\n')
write("src/c.cpp", "int c() { return 3; }\n")
set_flags("a", "-O2")
add = lambda name, text: lambda: write(name, text, "a")  # noqa: E731
steps = [  # what changes, the sources then checked, the exit code
    ("first run checks all", lambda: None, "abc", 0),
    ("nothing changed, nothing checked", lambda: None, "", 0),
    ("a header's change checks its includer only", add("src/common.h", "//\n"), "a", 0),
    ("an edit to one source checks that source only", add("src/c.cpp", "//\n"), "c", 0),
    ("a new include is followed", add("src/b.cpp", '#include "common.h"\n'), "b", 0),
    ("the new include's header then checks both includers", add("src/common.h", "//\n"), "ab", 0),
    ("a changed compile command checks that source", lambda: set_flags("c", "-O0"), "c", 0),
    ("a changed .clang-tidy checks all", add("src/.clang-tidy", "#\n"), "abc", 0),
    ("a finding fails the run", add("src/b.cpp", "// FINDING\n"), "b", 1),
    ("a source that failed is checked again though unchanged", lambda: None, "b", 1),
    ("mended, it passes", lambda: write("src/b.cpp", '#include "other.h"\n'), "b", 0),
    ("a header that is gone fails its includer before clang-tidy", lambda: os.remove(f"{src}/other.h"), "", 1),
]
failures = 0
for name, change, expected, code in steps:
    change()
    write("checked.log", "")
    run = subprocess.run([sys.executable, tidy, "--build-dir", top, "--clang-tidy", fake, "--jobs", "2",
                          *(f"{src}/{n}.cpp" for n in "abc")], stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)
    with open(log, encoding="utf-8") as f:
        checked = "".join(sorted(os.path.basename(line.strip())[0] for line in f if line.strip()))
    problems = [f"checked '{checked}'"] if checked != expected else []
    problems += [f"exit code {run.returncode}"] if run.returncode != code else []
    problems += ["the finding is not shown"] if code and ("error:" not in run.stdout or "FAILED" not in run.stdout) else []
    problems += ["clang-tidy's count of hidden warnings is shown"] if "warnings generated" in run.stdout else []
    failures += bool(problems)
    print(f"FAIL {name}: {'; '.join(problems)}\n{run.stdout}" if problems else f"ok   {name}")
shutil.rmtree(top)
sys.exit(1 if failures else 0)
