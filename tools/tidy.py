#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Runs clang-tidy on the given sources across all cores, and only on those that changed since they last passed.

    tools/tidy.py --build-dir build/ci [--jobs N] [--clang-tidy clang-tidy] SOURCE...

A source that passes leaves a stamp in BUILD_DIR/tidy-stamps: the files it read (the compiler's own list of
its headers, system headers included), each file's hash, its compile command, the .clang-tidy files above it
and clang-tidy's version. The next run checks the source again only when one of those differs, so a
changed header checks again every source that includes it. A source that fails leaves no stamp. Every
finding is printed with the source it came from; any finding fails the run. Delete the stamps folder to
check everything again.
"""

import argparse
import concurrent.futures
import hashlib
import json
import os
import re
import shlex
import subprocess
import sys

STAMP_VERSION = 1


def file_hash(path, cache):
    """The SHA-256 of a file's bytes, or a mark that it is missing; read once per run."""
    if path not in cache:
        try:
            with open(path, "rb") as f:
                cache[path] = hashlib.sha256(f.read()).hexdigest()
        except OSError:
            cache[path] = "missing"
    return cache[path]


def entry_arguments(entry):
    if "arguments" in entry:
        return list(entry["arguments"])
    return shlex.split(entry["command"])


def dependency_command(arguments):
    """The compile command turned into one that prints the files the compilation reads (make's format)."""
    result = []
    skip_next = False
    for argument in arguments:
        if skip_next:
            skip_next = False
            continue
        if argument in ("-o", "-MF", "-MT", "-MQ"):
            skip_next = True
            continue
        if argument in ("-c", "-MD", "-MMD", "-MP", "-MG", "-M", "-MM") or \
                argument.startswith(("-o", "-MF", "-MT", "-MQ")):
            continue
        result.append(argument)
    return result + ["-M"]


def parse_make_dependencies(text):
    """The prerequisites of make-style rules ('target: a.h b.h \\' lines) as a list of paths."""
    text = text.replace("\\\n", " ")
    paths = []
    for line in text.splitlines():
        if ":" not in line:
            continue
        _, _, prerequisites = line.partition(": ")
        # A backslash before a space keeps the space in the name.
        for word in re.split(r"(?<!\\) +", prerequisites.strip()):
            if word:
                paths.append(word.replace("\\ ", " "))
    return paths


def config_files(source):
    """Every .clang-tidy from the source's folder up to the root: clang-tidy reads the nearest."""
    found = []
    folder = os.path.dirname(os.path.abspath(source))
    while True:
        candidate = os.path.join(folder, ".clang-tidy")
        if os.path.exists(candidate):
            found.append(candidate)
        parent = os.path.dirname(folder)
        if parent == folder:
            return found
        folder = parent


def unit_key(source, entry, dependencies, tool_identity, hashes):
    """One hash over everything a check of the source depends on."""
    digest = hashlib.sha256()
    digest.update(json.dumps([STAMP_VERSION, tool_identity, entry["directory"], entry_arguments(entry)]).encode())
    for path in sorted(set(dependencies) | set(config_files(source)) | {source}):
        digest.update(f"\0{path}\0{file_hash(path, hashes)}".encode())
    return digest.hexdigest()


def stamp_path(stamps, source):
    return os.path.join(stamps, hashlib.sha256(source.encode()).hexdigest()[:32] + ".json")


def read_stamp(path):
    try:
        with open(path, encoding="utf-8") as f:
            stamp = json.load(f)
        if isinstance(stamp, dict) and isinstance(stamp.get("key"), str) and \
                isinstance(stamp.get("dependencies"), list):
            return stamp
    except (OSError, ValueError):
        pass
    return None


def write_stamp(path, source, key, dependencies):
    temporary = path + ".tmp"
    with open(temporary, "w", encoding="utf-8") as f:
        json.dump({"source": source, "key": key, "dependencies": dependencies}, f)
    os.replace(temporary, path)


# clang-tidy's counts of the warnings it did not show, which say nothing on their own.
NOISE = re.compile(r"^(\d+ warnings? (and \d+ errors? )?generated\."
                   r"|Suppressed \d+ warnings? .*|Use -header-filter=.*)$")


def shown_output(text):
    return "\n".join(line for line in text.splitlines() if not NOISE.match(line.strip())).strip()


def run(command, merge_errors=True, cwd=None):
    return subprocess.run(command, cwd=cwd, stdout=subprocess.PIPE,
                          stderr=subprocess.STDOUT if merge_errors else subprocess.PIPE,
                          encoding="utf-8", errors="replace")


def check(source, entry, args, tool_identity):
    """Checks one source; returns (source, passed, output)."""
    if entry is None:
        # Not compiled in this build: clang-tidy guesses its flags, and nothing is remembered.
        tidied = run([args.clang_tidy, "-p", args.build_dir, "--quiet", source])
        return source, tidied.returncode == 0, shown_output(tidied.stdout)
    listing = run(dependency_command(entry_arguments(entry)), merge_errors=False, cwd=entry["directory"])
    if listing.returncode != 0:
        return source, False, "the compiler could not list the files that " + source + " reads:\n" + listing.stderr
    dependencies = sorted({os.path.normpath(os.path.join(entry["directory"], path))
                           for path in parse_make_dependencies(listing.stdout)})
    before = unit_key(source, entry, dependencies, tool_identity, {})
    tidied = run([args.clang_tidy, "-p", args.build_dir, "--quiet", source])
    passed = tidied.returncode == 0
    # A file edited while the check ran leaves no stamp: the next run checks what is there now.
    if passed and unit_key(source, entry, dependencies, tool_identity, {}) == before:
        write_stamp(stamp_path(args.stamps, source), source, before, dependencies)
    return source, passed, shown_output(tidied.stdout)


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--build-dir", required=True, help="the folder with compile_commands.json")
    parser.add_argument("--clang-tidy", default="clang-tidy")
    parser.add_argument("--jobs", type=int, default=len(os.sched_getaffinity(0)))
    parser.add_argument("--stamps", help="where the stamps are kept (BUILD_DIR/tidy-stamps)")
    parser.add_argument("--source-dir", default=".", help="names of sources are printed relative to it")
    parser.add_argument("sources", nargs="+")
    args = parser.parse_args(argv)
    args.build_dir = os.path.abspath(args.build_dir)
    args.stamps = os.path.abspath(args.stamps or os.path.join(args.build_dir, "tidy-stamps"))
    os.makedirs(args.stamps, exist_ok=True)

    try:
        with open(os.path.join(args.build_dir, "compile_commands.json"), encoding="utf-8") as f:
            database = json.load(f)
    except (OSError, ValueError) as error:
        print(f"tidy: cannot read the compile commands of {args.build_dir}: {error}", file=sys.stderr)
        return 1
    entries = {}
    for entry in database:
        path = os.path.normpath(os.path.join(entry["directory"], entry["file"]))
        entries.setdefault(path, entry)

    version = run([args.clang_tidy, "--version"])
    if version.returncode != 0:
        print(f"tidy: {args.clang_tidy} --version failed:\n{version.stdout}", file=sys.stderr)
        return 1
    tool_identity = version.stdout

    hashes = {}
    due = []
    for source in sorted({os.path.normpath(os.path.abspath(s)) for s in args.sources}):
        entry = entries.get(source)
        stamp = read_stamp(stamp_path(args.stamps, source)) if entry is not None else None
        if stamp is not None and stamp["key"] == unit_key(source, entry, stamp["dependencies"], tool_identity, hashes):
            continue
        due.append((source, entry))

    total = len(args.sources)
    print(f"clang-tidy: {len(due)} of {total} sources changed since they last passed; "
          f"checking them with {args.jobs} jobs", flush=True)
    failed = []
    with concurrent.futures.ThreadPoolExecutor(max_workers=max(1, args.jobs)) as pool:
        futures = [pool.submit(check, source, entry, args, tool_identity) for source, entry in due]
        for done, future in enumerate(concurrent.futures.as_completed(futures), start=1):
            source, passed, output = future.result()
            print(f"[{done}/{len(due)}] {'passed' if passed else 'FAILED'} {os.path.relpath(source, args.source_dir)}",
                  flush=True)
            if output:
                print(output, flush=True)
            if not passed:
                failed.append(source)
    if failed:
        print(f"clang-tidy: {len(failed)} of {len(due)} checked sources failed:", file=sys.stderr)
        for source in sorted(failed):
            print(f"  {os.path.relpath(source, args.source_dir)}", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
