#!/usr/bin/python3
"""The real program started before the desktop's tray, as at log-in when the panel comes up late.

    tests/helpers/private-session.sh /usr/bin/python3 tests/e2e/late_tray_e2e.py BUILD/app/halvo-shutdown

Runs only inside the private D-Bus world of private-session.sh, twice on Xvfb with openbox but no tray:
the program starts and shows nothing; four seconds later a tray comes up, first trayer (the X11 system
tray), then, in a second run, a StatusNotifier watcher with a host on the session bus (dbusmock). The
program's icon must then be docked in trayer, or registered with the watcher, and twelve seconds after the
start the main window must still not have been shown (with no tray found at once, the program used to
show it after three seconds). Everything started here is stopped.
"""

import os
import subprocess
import sys
import time

import dbus

import schedule_e2e as e2e

TRAY_LATE_S = 4
NO_WINDOW_UNTIL_S = 12
MAIN_WINDOW_TITLE = "Halvo ShutDown"


def parent_of(world, window):
    out = subprocess.run(["xwininfo", "-children", "-id", window], env=world.env, capture_output=True,
                         text=True, timeout=5).stdout
    for line in out.splitlines():
        if line.strip().startswith("Parent window id:"):
            return line.split(":", 1)[1].split()[0]
    return None


def root_window(world):
    out = subprocess.run(["xwininfo", "-root"], env=world.env, capture_output=True, text=True, timeout=5).stdout
    for line in out.splitlines():
        if "Window id:" in line:
            return line.split("Window id:", 1)[1].split()[0]
    return None


def start_before_the_tray(world):
    world.start_display(with_tray=False)
    world.app = world.start("halvo-shutdown", [world.program], cwd=world.folder)
    started = time.monotonic()
    e2e.wait_for("the program's lock", lambda: os.listdir(world.env["XDG_RUNTIME_DIR"]), 10)
    e2e.wait_for("the tray's late start", lambda: time.monotonic() - started >= TRAY_LATE_S, TRAY_LATE_S + 1)
    e2e.check(world.app.poll() is None, "the program ended without a tray")
    e2e.check(not world.program_windows(), "something was shown before the tray came: %r" % world.program_windows())
    return started


def no_window_until_the_end(world, started, icons):
    e2e.wait_for("the end of the old wait", lambda: time.monotonic() - started >= NO_WINDOW_UNTIL_S,
                 NO_WINDOW_UNTIL_S + 1, interval=0.2)
    e2e.check(world.program_windows() == icons, "the window was shown: %r" % (world.program_windows() - icons))
    e2e.check(not world.windows("--onlyvisible", "--name", "^" + MAIN_WINDOW_TITLE + "$"),
              "the main window is visible")
    e2e.check(world.app.poll() is None, "the program ended")


def late_x11_tray(world):
    started = start_before_the_tray(world)
    world.start_tray()
    icons = e2e.wait_for("the program's tray icon", world.program_windows, 10)
    e2e.check(len(icons) == 1, "more than the icon is shown: %r" % icons)
    icon = next(iter(icons))
    width, height = world.geometry(icon)[2:]
    e2e.check(width <= 64 and height <= 64, "the icon's window is %dx%d" % (width, height))
    e2e.check(parent_of(world, icon) not in (None, root_window(world)), "the icon is not docked in the tray")
    docked_after = time.monotonic() - started
    no_window_until_the_end(world, started, icons)
    print("e2e: X11 tray: icon docked %.1f s after the tray came; no window by %d s" %
          (docked_after - TRAY_LATE_S, NO_WINDOW_UNTIL_S))


def late_status_notifier_host(world):
    started = start_before_the_tray(world)
    watcher = "org.kde.StatusNotifierWatcher"
    log = os.path.join(world.folder, "watcher-calls.log")
    world.start("watcher", ["/usr/bin/python3", "-m", "dbusmock", "--session", "-l", log, watcher,
                            "/StatusNotifierWatcher", watcher])
    bus = dbus.SessionBus()
    e2e.wait_for("the watcher", lambda: bus.name_has_owner(watcher), 10)
    mock = dbus.Interface(bus.get_object(watcher, "/StatusNotifierWatcher"), "org.freedesktop.DBus.Mock")
    mock.AddProperties(watcher, {"IsStatusNotifierHostRegistered": True, "ProtocolVersion": dbus.Int32(0),
                                 "RegisteredStatusNotifierItems": dbus.Array([], signature="s")})
    mock.AddMethods(watcher, [("RegisterStatusNotifierItem", "s", "", ""),
                              ("RegisterStatusNotifierHost", "s", "", "")])
    # As a watcher announces a host that registers with it.
    mock.EmitSignal(watcher, "StatusNotifierHostRegistered", "", dbus.Array([], signature="v"))

    def registered():
        with open(log) as f:
            return [line for line in f if " RegisterStatusNotifierItem " in line]

    e2e.wait_for("the icon's registration with the watcher", registered, 10)
    registered_after = time.monotonic() - started
    e2e.check(len(registered()) == 1, "registered more than once: %r" % registered())
    no_window_until_the_end(world, started, set())
    print("e2e: StatusNotifier host: icon registered %.1f s after the host came; no window by %d s" %
          (registered_after - TRAY_LATE_S, NO_WINDOW_UNTIL_S))


def main():
    refused = e2e.not_in_private_session(__doc__)
    if refused is not None:
        return refused
    for scenario in (late_x11_tray, late_status_notifier_host):
        if e2e.run_in_world(scenario, scenario.__name__):
            return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
