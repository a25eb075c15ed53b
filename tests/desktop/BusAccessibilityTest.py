#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""What a screen reader learns of the birth data window over the Linux accessibility bus (AT-SPI), under a
virtual display and a session bus of its own, keys typed as a person types them. Usage: BusAccessibilityTest.py
PROGRAM. Exits 77 (skipped), saying why, where they cannot start; tools/setup.sh installs what it needs."""
import os
import shutil
import subprocess
import sys
import tempfile
import time


def skip(reason):
    print(f"SKIPPED: {reason}")
    sys.exit(77)


def outer(program):
    """Starts this script again inside a virtual display and a session bus of its own."""
    for tool in ("xvfb-run", "dbus-run-session", "xdotool", "/usr/libexec/at-spi-bus-launcher"):
        if shutil.which(tool) is None:
            skip(f"{tool} is not installed")
    if subprocess.run(["/usr/bin/python3", "-c", "import pyatspi"], capture_output=True).returncode != 0:
        skip("python3-pyatspi is not installed")
    with tempfile.TemporaryDirectory() as home:
        env = dict(os.environ, TESSALINE_BUS_INNER="1", HOME=home, XDG_CONFIG_HOME=home, XDG_RUNTIME_DIR=home,
                   QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb")
        sys.exit(subprocess.run(["xvfb-run", "-a", "-s", "-screen 0 1280x1024x24", "dbus-run-session", "--",
                                 "/usr/bin/python3", os.path.abspath(__file__), program], env=env, timeout=120).returncode)


def inner(program):
    import pyatspi

    def nodes(node):
        yield node
        for i in range(node.childCount):
            yield from nodes(node[i]) if node[i] is not None else ()

    def spoken(node):  # a list's choice, read as its text; else the words of its name
        try:
            return node.queryText().getText(0, -1) if node.getRoleName() == "combo box" else node.name
        except NotImplementedError:
            return None

    def heard(app, role):  # of what is on the screen
        return {n.name: spoken(n) for n in nodes(app) if n.getRoleName() == role and n.getState().contains(
            pyatspi.STATE_SHOWING)}

    def keys(*actions):  # "type:TEXT" types, "sleep" waits for the atlas, anything else is a key
        for action in actions:
            subprocess.run(["sleep", "2"] if action == "sleep" else ["xdotool", "type", "--delay", "40", action[5:]]
                           if action.startswith("type:") else ["xdotool", "key", action])
            time.sleep(0.2)

    quiet = subprocess.DEVNULL
    bus = subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"], stdout=quiet, stderr=quiet)
    time.sleep(0.7)
    shown = subprocess.Popen([program], stdout=quiet, stderr=quiet)
    failures = []
    expect = lambda what, seen, wanted: seen == wanted or failures.append(f"{what}: {seen!r}, not {wanted!r}")
    try:
        for _ in range(75):
            app = next((a for a in pyatspi.Registry.getDesktop(0) if a and a.get_process_id() == shown.pid), None)
            if app is not None:
                break
            time.sleep(0.2)
        else:
            skip("the program did not appear on the accessibility bus")
        time.sleep(1.5)
        expect("lists as loaded", heard(app, "combo box"), {
            "Month of birth": "January", "Day of birth": "1", "Year of birth": "1901", "Hour of birth": "0",
            "Minute of birth": "0", "Second of birth": "0", "Time zone": "Greenwich Mean Time,GMT,0.0"})
        window = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--pid", str(shown.pid)],
                                capture_output=True, text=True, timeout=10).stdout.split()[0]
        subprocess.run(["xdotool", "windowfocus", "--sync", window])
        # A placed birth as a person types it: name, date, time, Place, Down, Enter.
        keys("type:ASHA", "Tab", "type:jul", "Tab", "type:2", "Tab", "type:1990", "Tab", "type:6", "Tab", "type:4",
             "Tab", "Tab", "type:kathmandu", "sleep", "Down", "Return")
        lists = heard(app, "combo box")
        expect("lists set by the keys and the atlas", [lists[name] for name in ("Month of birth", "Day of birth",
               "Year of birth", "Hour of birth", "Minute of birth", "Time zone")],
               ["July", "2", "1990", "6", "4", "Local clock of Kathmandu, UT+5:45"])
        expect("the clock line heard as its words", any(name.startswith("Kathmandu, 2 July 1990, 06:04: clocks ran")
                                                        for name in heard(app, "label")), True)
        keys("alt+z", "type:c", "alt+s")  # Central Daylight Time by hand, with the tick: both warnings
        warnings = list(heard(app, "notification"))
        expect("both warnings heard as a warning", len(warnings) == 1 and warnings[0].startswith(
            "Warning: This zone is already summer or war time") and "more than three hours" in warnings[0], True)
        expect("Precise Positions, unticked", [(n.getRoleName(), n.getState().contains(pyatspi.STATE_CHECKED))
                                               for n in nodes(app) if n.name == "Precise Positions"],
               [("check box", False)])
    finally:
        shown.kill()
        bus.kill()
    print("\n".join(f"FAILED: {failure}" for failure in failures) or "PASSED")
    return 1 if failures else 0


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    if os.environ.get("TESSALINE_BUS_INNER") != "1":
        outer(sys.argv[1])
    sys.exit(inner(sys.argv[1]))
