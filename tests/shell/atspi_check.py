#!/usr/bin/python3
"""The calculator as a screen reader sees it through AT-SPI: key names, the
shift latch as a toggle with its state-change event, and the result of =
announced. Runs inside its own X server and session bus (xvfb-run and
dbus-launch); exits 77 (skipped) with the reason where AT-SPI is missing."""

import os
import subprocess
import sys
import tempfile
import time

BUS_LAUNCHER = "/usr/libexec/at-spi-bus-launcher"


def skip(reason):
    print("SKIPPED: " + reason)
    sys.exit(77)


try:
    import gi

    gi.require_version("Atspi", "2.0")
    from gi.repository import Atspi, GLib
except (ImportError, ValueError) as error:
    skip("python3-pyatspi (Atspi 2.0 bindings) missing: %s" % error)
if not os.path.exists(BUS_LAUNCHER):
    skip("at-spi2-core missing: no " + BUS_LAUNCHER)
if not os.environ.get("DBUS_SESSION_BUS_ADDRESS"):
    skip("no session bus (run under dbus-launch)")


def pump(seconds):
    end = time.time() + seconds
    context = GLib.MainContext.default()
    while time.time() < end:
        while context.pending():
            context.iteration(False)
        time.sleep(0.02)


def walk(node):
    yield node
    for i in range(node.get_child_count()):
        child = node.get_child_at_index(i)
        if child is not None:
            yield from walk(child)


def find_app(name, seconds=20):
    end = time.time() + seconds
    while time.time() < end:
        desktop = Atspi.get_desktop(0)
        for i in range(desktop.get_child_count()):
            app = desktop.get_child_at_index(i)
            if app is not None and app.get_name() == name:
                return app
        time.sleep(0.2)
    return None


def main():
    program = sys.argv[1]
    failures = []
    bus = subprocess.Popen([BUS_LAUNCHER, "--launch-immediately"])
    home = tempfile.TemporaryDirectory()
    env = dict(os.environ, HOME=home.name, XDG_CONFIG_HOME=home.name + "/config",
               XDG_DATA_HOME=home.name + "/data", XDG_RUNTIME_DIR=home.name,
               QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    calculator = None
    try:
        time.sleep(1)
        Atspi.init()
        heard = []
        listener = Atspi.EventListener.new(
            lambda event: heard.append((event.type, event.detail1, event.source.get_name())))
        listener.register("object:state-changed:checked")
        listener.register("object:state-changed:showing")
        calculator = subprocess.Popen([program], env=env)
        app = find_app("zentra")
        if app is None:
            skip("the calculator never appeared on the accessibility bus")
        pump(1)
        buttons = {}
        for node in walk(app):
            if node.get_role() in (Atspi.Role.PUSH_BUTTON, Atspi.Role.TOGGLE_BUTTON,
                                   Atspi.Role.CHECK_BOX):
                buttons.setdefault(node.get_name(), node)
        for name in ("square root", "x squared", "open bracket", "memory in", "clear",
                     "all clear", "shift", "hyperbolic", "equals"):
            if name not in buttons:
                failures.append("no key named %r" % name)
        if failures:
            print("keys seen: %s" % sorted(buttons))
        print("shift's role: %s" % (buttons["shift"].get_role_name() if "shift" in buttons else None))
        shift = buttons.get("shift")
        if shift is not None:
            shift.do_action(0)
            pump(1)
            if not shift.get_state_set().contains(Atspi.StateType.CHECKED):
                failures.append("shift is not checked after pressing it")
            if not any(t.startswith("object:state-changed:checked") and n == "shift"
                       for t, _, n in heard):
                failures.append("no checked state change heard for shift: %s" % heard)
            shift.do_action(0)
            pump(0.5)
        for key in ("2", "plus", "3", "equals"):
            if key in buttons:
                buttons[key].do_action(0)
                pump(0.3)
        pump(1)
        announced = [n for t, d, n in heard if t.endswith("showing") and d == 1]
        if not any(n and n.startswith("5") for n in announced):
            failures.append("the result 5 was not announced: %s" % announced)
    finally:
        if calculator is not None:
            calculator.terminate()
            calculator.wait(10)
        bus.terminate()
        bus.wait(10)
    for failure in failures:
        print("FAILED: " + failure)
    print("%d passed, %d failed" % (0 if failures else 1, 1 if failures else 0))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
