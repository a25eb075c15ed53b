#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# The calendar of decanate changes as a calendar program reads it (RFC 5545), with Python's standard library
# (and the icalendar package as well where it is installed): CRLF line ends, lines of at most 75 octets
# folded between characters, properly nested components, the properties every event needs, one event per
# change of the JSON Lines, the same file on every run and the same UID for a change whatever the range.
import json
import re
import subprocess
import sys

tool = sys.argv[1]


def run(*args):
    return subprocess.run([tool, "--ingresses", *args], check=True, capture_output=True).stdout


def parse(raw):
    assert raw.endswith(b"\r\n"), "the file ends with CRLF"
    physical = raw[:-2].split(b"\r\n")
    for line in physical:
        assert b"\n" not in line and b"\r" not in line, f"a bare line break in {line!r}"
        assert len(line) <= 75, f"{len(line)} octets: {line!r}"
        line.decode("utf-8")  # folding never cut a character
    logical = []
    for line in physical:
        if line.startswith(b" "):
            logical[-1] += line[1:]
        else:
            logical.append(line)
    stack, events, calendar = [], [], {}
    for line in (l.decode("utf-8") for l in logical):
        name, value = re.match(r"^([A-Z-]+)(?:;[^:]*)?:(.*)$", line).groups()
        if name == "BEGIN":
            stack.append(value)
            if value == "VEVENT":
                events.append({})
        elif name == "END":
            assert stack.pop() == value, f"END:{value} closes another component"
        elif stack == ["VCALENDAR"]:
            calendar[name] = value
        elif stack == ["VCALENDAR", "VEVENT"]:
            assert name not in events[-1], f"{name} twice in one event"
            events[-1][name] = value
    assert not stack, "components left open"
    assert calendar.get("VERSION") == "2.0" and "PRODID" in calendar
    for event in events:
        for needed in ("UID", "DTSTAMP", "DTSTART", "SUMMARY"):
            assert needed in event, f"{needed} missing from {event}"
        assert re.fullmatch(r"\d{8}T\d{6}Z", event["DTSTART"]), event["DTSTART"]
        assert not re.search(r"(?<!\\)[,;]", event["SUMMARY"] + event.get("DESCRIPTION", "")), "unescaped , or ;"
    return events


args = ["--from", "2024-03-01", "--to", "2024-06-01", "--place", "Paris, France", "--bodies", "sun,moon,mercury,node"]
first = run(*args, "--ics")
events = parse(first)
assert run(*args, "--ics") == first, "two runs differ"
lines = run(*args, "--json").decode().splitlines()
assert len(events) == len(lines), f"{len(events)} events for {len(lines)} changes"
for event, line in zip(events, lines):
    change = json.loads(line)
    assert event["DTSTART"] == change["instantUT"].replace("-", "").replace(":", ""), (event, change)
    assert event["SUMMARY"].startswith(change["body"] + " enters the "), event["SUMMARY"]
uids = [event["UID"] for event in events]
assert len(set(uids)) == len(uids), "a UID twice"
# A later start finds the same changes under the same UIDs.
later = {event["UID"] for event in parse(run(*args[2:], "--from", "2024-04-01", "--ics"))}
assert later and later <= set(uids), "a change's UID depends on the range"
assert sum("retrograde" in uid for uid in uids if uid.startswith("mercury")) >= 1
try:
    import icalendar
except ImportError:
    icalendar = None
if icalendar:
    parsed = icalendar.Calendar.from_ical(first)
    assert len(parsed.walk("VEVENT")) == len(events)
print(f"{len(events)} events checked" + (" (and by the icalendar package)" if icalendar else ""))
