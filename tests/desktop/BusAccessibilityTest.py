#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""What a screen reader learns of the birth data window over the Linux accessibility bus (AT-SPI), asked as a
reader asks it: the program runs under a virtual display with a session bus and the accessibility bus, keys are
typed into it, and the bus is read. Usage: BusAccessibilityTest.py PROGRAM. Exits 77 (skipped), saying why, where
the display or the bus cannot start; tools/setup.sh installs what it needs."""
import os
import shutil
import subprocess
import sys
import tempfile
import time

SKIPPED = 77


def skip(reason):
    print(f"SKIPPED: {reason}")
    sys.exit(SKIPPED)


def outer():
    """Starts this script again inside a virtual display and a session bus of its own."""
    for tool in ("xvfb-run", "dbus-run-session", "xdotool", "/usr/libexec/at-spi-bus-launcher"):
        if shutil.which(tool) is None:
            skip(f"{tool} is not installed")
    if subprocess.run(["/usr/bin/python3", "-c", "import pyatspi"], capture_output=True).returncode != 0:
        skip("python3-pyatspi is not installed")
    with tempfile.TemporaryDirectory() as home:
        env = dict(os.environ, TESSALINE_BUS_INNER="1", HOME=home, XDG_CONFIG_HOME=home, XDG_RUNTIME_DIR=home,
                   QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1", QT_QPA_PLATFORM="xcb")
        command = ["xvfb-run", "-a", "-s", "-screen 0 1280x1024x24", "dbus-run-session", "--", "/usr/bin/python3",
                   os.path.abspath(__file__), sys.argv[1]]
        sys.exit(subprocess.run(command, env=env, timeout=120).returncode)


def nodes(node):
    yield node
    for i in range(node.childCount):
        if node[i] is not None:
            yield from nodes(node[i])


def inner(program):
    import pyatspi
    quiet = subprocess.DEVNULL
    bus = subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"], stdout=quiet, stderr=quiet)
    time.sleep(0.7)
    app_process = subprocess.Popen([program], stdout=quiet, stderr=quiet)
    failures = []
    try:
        app = None
        for _ in range(75):
            app = next((a for a in pyatspi.Registry.getDesktop(0) if a and a.get_process_id() == app_process.pid), None)
            if app is not None:
                break
            time.sleep(0.2)
        if app is None:
            skip("the program did not appear on the accessibility bus")
        time.sleep(1.5)

        def heard(role):  # name -> what a reader speaks as its words or choice, of what is on the screen
            found = {}
            for n in nodes(app[0]):
                if n.getRoleName() == role and n.getState().contains(pyatspi.STATE_SHOWING):
                    text = n.queryText() if role == "combo box" else None
                    found[n.name] = text.getText(0, -1) if text else n.name
            return found

        def expect(what, seen, wanted):
            if seen != wanted:
                failures.append(f"{what}: the bus says {seen!r}, the window shows {wanted!r}")

        lists = heard("combo box")
        expect("lists as loaded", lists, {"Month of birth": "January", "Day of birth": "1", "Year of birth": "1901",
                                          "Hour of birth": "0", "Minute of birth": "0", "Second of birth": "0",
                                          "Time zone": "Greenwich Mean Time,GMT,0.0"})
        window = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--pid", str(app_process.pid)],
                                capture_output=True, text=True, timeout=10).stdout.split()[0]
        subprocess.run(["xdotool", "windowfocus", "--sync", window])
        # A placed birth typed as a person types it: name, date, time, Place, Down, Enter.
        for keys in ("type:ASHA", "Tab", "type:jul", "Tab", "type:2", "Tab", "type:1990", "Tab", "type:6", "Tab",
                     "type:4", "Tab", "Tab", "type:kathmandu", "sleep", "Down", "Return"):
            if keys == "sleep":
                time.sleep(2)  # the atlas is read when the Place box is first used
            elif keys.startswith("type:"):
                subprocess.run(["xdotool", "type", "--delay", "40", keys[5:]])
            else:
                subprocess.run(["xdotool", "key", keys])
            time.sleep(0.15)
        time.sleep(0.5)
        lists = heard("combo box")
        expect("lists set by the keys and the atlas", [lists[k] for k in ("Month of birth", "Day of birth",
               "Year of birth", "Hour of birth", "Minute of birth", "Time zone")],
               ["July", "2", "1990", "6", "4", "Local clock of Kathmandu, UT+5:45"])
        expect("the clock line heard as its words", any(name.startswith("Kathmandu, 2 July 1990, 06:04: clocks ran "
               "UT+5:45") for name in heard("label")), True)
        # Central Daylight Time by hand, with the tick: both warnings.
        for keys in ("alt+z", "type:c", "alt+s"):
            subprocess.run(["xdotool", "type", keys[5:]] if keys.startswith("type:") else ["xdotool", "key", keys])
            time.sleep(0.3)
        warnings = list(heard("notification"))
        expect("the warnings heard as warnings", len(warnings) == 1 and warnings[0].startswith("Warning: This zone "
               "is already summer or war time") and "more than three hours" in warnings[0], True)
        entries = [n for n in nodes(app[0]) if n.name == "Precise Positions"]
        expect("Precise Positions, unticked", [(n.getRoleName(), n.getState().contains(pyatspi.STATE_CHECKED))
                                               for n in entries], [("check box", False)])
        for n in nodes(app[0]):
            if n.getRoleName() in ("push button", "check box", "radio button", "combo box", "text", "link") \
                    and n.getState().contains(pyatspi.STATE_SHOWING) and not n.name.strip():
                failures.append(f"a {n.getRoleName()} without a name")
    finally:
        app_process.kill()
        bus.kill()
    for failure in failures:
        print("FAILED:", failure)
    print("FAILED" if failures else "PASSED")
    return 1 if failures else 0


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    if os.environ.get("TESSALINE_BUS_INNER") != "1":
        outer()
    sys.exit(inner(sys.argv[1]))
