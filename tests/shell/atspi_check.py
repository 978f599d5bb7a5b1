#!/usr/bin/python3
"""The calculator through AT-SPI, as a screen reader sees it: key names, the
shift latch checked with its state-change event, and the result of =
announced. Run under xvfb-run and dbus-launch; exits 77 (skipped) with the
reason where AT-SPI is missing."""

import os, subprocess, sys, tempfile, time

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
    end, context = time.time() + seconds, GLib.MainContext.default()
    while time.time() < end:
        while context.pending():
            context.iteration(False)
        time.sleep(0.02)


def walk(node):
    yield node
    for i in range(node.get_child_count()):
        if node.get_child_at_index(i) is not None:
            yield from walk(node.get_child_at_index(i))


def find_app(name):
    for _ in range(100):
        desktop = Atspi.get_desktop(0)
        apps = [desktop.get_child_at_index(i) for i in range(desktop.get_child_count())]
        for app in apps:
            if app is not None and app.get_name() == name:
                return app
        time.sleep(0.2)
    skip("the calculator never appeared on the accessibility bus")


def main():
    failures, heard = [], []
    bus = subprocess.Popen([BUS_LAUNCHER, "--launch-immediately"])
    time.sleep(1)
    Atspi.init()
    listener = Atspi.EventListener.new(
        lambda e: heard.append((e.type, e.detail1, e.source.get_name())))
    for event in ("object:state-changed:checked", "object:state-changed:showing"):
        listener.register(event)
    home = tempfile.mkdtemp()
    env = dict(os.environ, HOME=home, XDG_CONFIG_HOME=home, XDG_DATA_HOME=home,
               XDG_RUNTIME_DIR=home, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    calculator = subprocess.Popen([sys.argv[1]], env=env)
    try:
        app = find_app("zentra")
        pump(1)
        keys = {n.get_name(): n for n in walk(app) if n.get_role() in (
            Atspi.Role.PUSH_BUTTON, Atspi.Role.TOGGLE_BUTTON, Atspi.Role.CHECK_BOX)}
        missing = {"square root", "x squared", "open bracket", "memory in", "clear", "all clear",
                   "shift", "hyperbolic", "equals", "2", "plus", "3"} - set(keys)
        if missing:
            sys.exit("FAILED: no keys named %s (keys: %s)" % (sorted(missing), sorted(keys)))
        keys["shift"].do_action(0)
        pump(1)
        if not keys["shift"].get_state_set().contains(Atspi.StateType.CHECKED):
            failures.append("shift is not checked after pressing it")
        if not any(t.endswith("checked") and n == "shift" for t, _, n in heard):
            failures.append("no checked state change heard for shift: %s" % heard)
        for key in ("shift", "2", "plus", "3", "equals"):
            keys[key].do_action(0)
            pump(0.3)
        pump(1)
        announced = [n for t, d, n in heard if t.endswith("showing") and d == 1]
        if not any(n and n.startswith("5") for n in announced):
            failures.append("the result 5 was not announced: %s" % announced)
    finally:
        calculator.terminate()
        bus.terminate()
    for failure in failures:
        print("FAILED: " + failure)
    print("%d passed, %d failed" % (0 if failures else 1, 1 if failures else 0))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
