#!/usr/bin/python3
"""End-to-end run of the real program: a schedule item added through its windows fires and is stored.

    tests/helpers/private-session.sh /usr/bin/python3 tests/e2e/schedule_e2e.py BUILD/app/halvo-shutdown

Runs only inside the private D-Bus world of private-session.sh, so nothing the program does can reach this
machine's session or power management. It copies the program into a temporary folder (its schedule and
settings files land beside it), starts Xvfb with openbox and trayer, and runs the program with its wall
clock set to 16:13:50 by faketime, 22 seconds before the wizard's default time 16:14:12. Then, with
xdotool, as a user would: a second copy shows the running copy's window; File > Schedule; Insert opens the
"add" wizard; name, the "Message" task with a line of text, the default time and "everyday"; Complete.
While the item waits, "Visit Homepage" on the About page opens the help document beside the program in a
stand-in browser that the test makes the desktop's default for HTML.
The item fires at 16:14:12: its notification pops up at the bottom right, and the schedule on disk has
already moved past the item's time. "Exit" from the tray menu ends the program, which leaves sch.cks and
setting.ini with exactly the expected contents (the settings start with "auto save the schedule setting" on:
without it the stored schedule is left alone). Screenshots of each step are kept in the working folder
when a step fails. Everything started here is stopped at the end; the whole run stays under 90 seconds.
"""

import os
import shutil
import subprocess
import sys
import threading
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "helpers"))
import xworld  # noqa: E402
from schedule_record import MESSAGE as MESSAGE_CODE, daily_item, task  # noqa: E402
from xworld import Failure  # noqa: E402,F401  (the failure of every e2e script)

DEADLINE = time.monotonic() + 85
# Room for the start, the wizard and the About page before the item's time, also on a machine busy with other
# tests.
FAKE_START = "2026-12-08 16:13:50"
ITEM_TIME = (16, 14, 12)  # the wizard's time picker starts here
ITEM_NAME = b"Alarm"
MESSAGE = b"Time to go"
SCREEN = (1024, 768)
POPUP_TITLE = "^Halvo Shutdown notification$"
FAKETIME_LIBRARY = "/usr/lib/x86_64-linux-gnu/faketime/libfaketimeMT.so.1"


def remaining():
    return xworld.left(DEADLINE)


def wait_for(what, predicate, timeout, interval=0.05):
    return xworld.wait_for(DEADLINE, what, predicate, timeout, interval)


class World(xworld.XWorld):
    def __init__(self, program):
        super().__init__(DEADLINE, "halvo-e2e.", "e2e-")
        self.app_dir = os.path.join(self.folder, "app")
        os.makedirs(self.app_dir)
        self.program = os.path.join(self.app_dir, "halvo-shutdown")
        shutil.copy2(program, self.program)
        self.source_program = program
        for name, sub in (("HOME", "home"), ("XDG_CONFIG_HOME", "config"), ("XDG_RUNTIME_DIR", "run"),
                          ("TMPDIR", "tmp")):
            path = os.path.join(self.folder, sub)
            os.makedirs(path, mode=0o700)
            self.env[name] = path
        self.env["LC_ALL"] = "C"  # display texts in the C locale: 16:14:12:EveryDay
        self.env["QT_QPA_PLATFORM"] = "xcb"
        self.env.pop("QT_QPA_PLATFORMTHEME", None)
        self.app = None
        self.stand_in_browser()

    def stand_in_browser(self):
        # xdg-open finds the default for HTML in mimeapps.list: a script that writes what it was given.
        self.browser_record = os.path.join(self.folder, "opened")
        applications = os.path.join(self.folder, "data", "applications")
        os.makedirs(applications)
        browser = os.path.join(self.folder, "browser")
        with open(browser, "w", encoding="utf-8") as f:
            f.write("#!/bin/sh\nprintf '%%s\\n' \"$@\" > '%s.part' && mv '%s.part' '%s'\n"
                    % ((self.browser_record,) * 3))
        os.chmod(browser, 0o755)
        with open(os.path.join(applications, "stand-in-browser.desktop"), "w", encoding="utf-8") as f:
            f.write("[Desktop Entry]\nType=Application\nName=Stand-in browser\nExec=%s %%u\n"
                    "MimeType=text/html;\n" % browser)
        with open(os.path.join(self.env["XDG_CONFIG_HOME"], "mimeapps.list"), "w", encoding="utf-8") as f:
            f.write("[Default Applications]\ntext/html=stand-in-browser.desktop\n")
        self.env["XDG_DATA_HOME"] = os.path.join(self.folder, "data")

    def start_display(self, with_tray=True):
        super().start_display(screen=SCREEN)
        if with_tray:
            self.start_tray()

    def start_tray(self):
        self.start("trayer", ["trayer", "--edge", "bottom", "--align", "right", "--widthtype", "request",
                              "--height", "24", "--SetDockType", "true", "--transparent", "false"])
        # Its panel window exists once trayer owns the tray; an empty panel may stay unmapped until the
        # first icon docks, so it is not looked for among the visible windows.
        wait_for("trayer", lambda: self.xdo("search", "--classname", "^panel$", check=False), 10)

    def start_program(self):
        # libfaketime preloaded into the program itself (the faketime command would stand between as a
        # parent process). Only the wall clock moves: the timers run on the real monotonic clock.
        env = dict(self.env, LD_PRELOAD=FAKETIME_LIBRARY, FAKETIME="@" + FAKE_START,
                   FAKETIME_DONT_FAKE_MONOTONIC="1")
        self.real_start = time.monotonic()
        self.app = self.start("halvo-shutdown", [self.program], env=env, cwd=self.folder)

    def fake_seconds_until(self, hour, minute, second):
        start = [int(x) for x in FAKE_START.split()[1].split(":")]
        fake_start = start[0] * 3600 + start[1] * 60 + start[2]
        return (hour * 3600 + minute * 60 + second) - fake_start - (time.monotonic() - self.real_start)

    def program_windows(self, visible=True):
        criteria = ["--onlyvisible"] if visible else []
        return set(self.windows(*criteria, "--pid", str(self.app.pid)))


class PopupWatch(threading.Thread):
    """Looks for the program's notification popup (by its title; --all, as xdotool's criteria are either-or
    otherwise) from its start on, so that a popup that comes while the test is busy elsewhere is seen all
    the same. seen: (its windows, seconds from the item's time to the first sighting, its place once it has
    slid in); error: what stopped the watch."""

    def __init__(self, world):
        super().__init__(daemon=True)
        self.world = world
        self.seen = None
        self.error = None
        self.stopped = False

    def run(self):
        try:
            while not self.stopped:
                found = set(self.world.windows("--all", "--onlyvisible", "--pid", str(self.world.app.pid),
                                               "--name", POPUP_TITLE))
                if found:
                    after = -self.world.fake_seconds_until(*ITEM_TIME)
                    time.sleep(0.5)  # let it slide in
                    self.world.screenshot("popup")
                    self.seen = (found, after, self.world.geometry(sorted(found)[0]))
                    return
                time.sleep(0.05)
        except (Failure, subprocess.TimeoutExpired, OSError) as error:
            self.error = error


def expected_record(cross_state, active, due_today):
    return daily_item(ITEM_NAME, ITEM_TIME, task(MESSAGE_CODE, MESSAGE), cross_state, active, due_today)


def read_ini(path):
    sections = {}
    current = None
    with open(path, encoding="utf-8") as f:
        for line in f:
            line = line.strip()
            if line.startswith("[") and line.endswith("]"):
                current = sections.setdefault(line[1:-1], {})
            elif "=" in line and current is not None:
                key, _, value = line.partition("=")
                current[key.strip()] = value.strip()
    return sections


def read_text(path):
    try:
        with open(path, encoding="utf-8") as f:
            return f.read()
    except FileNotFoundError:
        return None


def check(condition, message):
    if not condition:
        raise Failure(message)


def run(world):
    with open(os.path.join(world.app_dir, "setting.ini"), "w", encoding="utf-8") as f:
        f.write("[setting]\nSetting_AutoSave=1\n")
    world.start_display()
    world.start_program()
    # Running when its single-instance socket is up and its tray icon sits in the tray.
    wait_for("the program's tray icon", lambda: world.app.poll() is None and world.program_windows(), 15)
    wait_for("the program's lock", lambda: os.listdir(world.env["XDG_RUNTIME_DIR"]), 5)
    tray = world.program_windows()

    # A second copy shows the running copy's window and ends.
    second = subprocess.run([world.program], env=world.env, capture_output=True, timeout=min(10, remaining()))
    check(second.returncode == 0, "the second copy ended with %d: %s" % (second.returncode, second.stderr))
    main = wait_for("the main window", lambda: world.windows("--onlyvisible", "--name", "^Halvo ShutDown"), 10)[0]
    world.xdo("windowactivate", "--sync", main, timeout=5)
    time.sleep(0.3)

    # File > Schedule, then Insert in the list opens the "add" wizard.
    shown = world.program_windows()
    world.xdo("mousemove", "--window", main, "18", "10", "click", "1")
    wait_for("the File menu", lambda: world.program_windows() - shown, 5)
    world.xdo("key", "Down", "Down", "Return")
    time.sleep(0.3)
    world.xdo("key", "Insert")
    wizard = wait_for("the wizard", lambda: world.windows("--onlyvisible", "--name", "^new schedule item"), 5)[0]
    world.xdo("windowactivate", "--sync", wizard, timeout=5)
    time.sleep(0.2)

    def next_button():
        world.xdo("mousemove", "--window", wizard, "255", "274", "click", "1")
        time.sleep(0.25)

    world.xdo("type", "--delay", "20", ITEM_NAME.decode())
    next_button()
    # "Message", before sleep and hibernate at the end of the list: its text box appears
    world.xdo("key", "End", "Up", "Up")
    world.xdo("key", "Tab")
    world.xdo("type", "--delay", "20", MESSAGE.decode())
    next_button()
    next_button()  # the time page as it starts: 16:14:12, everyday
    next_button()  # "Complete"
    wait_for("the wizard to close", lambda: not world.windows("--onlyvisible", "--name", "^new schedule item"),
             5)

    schedule = os.path.join(world.app_dir, "sch.cks")
    settings = os.path.join(world.app_dir, "setting.ini")
    # Stored as soon as the item was added, not only at the end of the run.
    check(os.path.exists(schedule), "sch.cks was not written after the add")
    with open(schedule, "rb") as f:
        added = f.read()
    check(added == expected_record(0, False, False), "sch.cks after the add: %r" % added)
    check(read_ini(settings).get("schManager", {}).get("count") == "1", "count after the add")
    ahead = world.fake_seconds_until(*ITEM_TIME)
    check(ahead > 0.5, "the item's time passed before it was added")

    # Watched for from now on: on a busy machine the About page below may take until after the item's time.
    watch = PopupWatch(world)
    watch.start()
    shutil.copy2(os.path.join(os.path.dirname(world.source_program), "AppHelp.html"), world.app_dir)
    # While the item waits: "Visit Homepage" on the About page (two pages on from Schedule) opens the help
    # document shipped beside the program in the desktop's browser, a stand-in made the default for HTML.
    try:
        world.xdo("key", "ctrl+Tab", "ctrl+Tab")
        time.sleep(0.3)
        world.xdo("key", "Tab", "space")
        opened = wait_for("the stand-in browser", lambda: read_text(world.browser_record), 5)
        check(opened == os.path.join(world.app_dir, "AppHelp.html") + "\n", "the browser was given %r" % opened)

        before = world.program_windows()
        wait = world.fake_seconds_until(*ITEM_TIME)
        wait_for("the message popup", lambda: watch.seen or watch.error, max(0.0, wait) + 5)
    finally:
        watch.stopped = True
    if watch.error:
        raise Failure("while watching for the popup: %s" % watch.error)
    popup, fired_after, (x, y, width, height) = watch.seen
    check(fired_after > -1, "the popup was up %.1f s before the item's time" % -fired_after)
    check(x + width > SCREEN[0] * 3 // 4 and y + height > SCREEN[1] * 3 // 4,
          "the popup is not at the bottom right: %d,%d %dx%d" % (x, y, width, height))
    with open(schedule, "rb") as f:
        fired = f.read()
    # On disk the item has passed its time before its task ran.
    check(fired == expected_record(2, True, True), "sch.cks after the firing: %r" % fired)

    # "Exit" from the tray menu, the last but one item, once the popup has slid away from over the icon.
    wait_for("the popup to go", lambda: not (world.program_windows() & popup), 8)
    icon = min(tray, key=lambda w: world.geometry(w)[2] * world.geometry(w)[3])
    world.xdo("mousemove", "--window", icon, "4", "4", "click", "3")
    wait_for("the tray menu", lambda: world.program_windows() - before - popup, 5)
    time.sleep(0.2)
    world.xdo("key", "Up", "Up", "Return")
    wait_for("the program to end", lambda: world.app.poll() is not None, 10)
    check(world.app.returncode == 0, "the program ended with %d" % world.app.returncode)

    with open(schedule, "rb") as f:
        final = f.read()
    check(final == expected_record(2, True, True), "sch.cks at the end: %r" % final)
    ini = read_ini(settings)
    check(ini.get("schManager") == {"count": "1"}, "section schManager: %r" % ini.get("schManager"))
    check(ini.get("setting") == {"Setting_AutoStartup": "0", "Setting_AutoSave": "1", "Setting_Remind": "0",
                                 "Setting_KeepAwake": "1", "Setting_WakeFromSleep": "0"},
          "section setting: %r" % ini.get("setting"))
    log = os.environ.get("HALVO_LOGIND_LOG")
    if log and os.path.exists(log):
        ending = ("PowerOff", "Reboot", "Halt", "Suspend", "Hibernate", "TerminateSession", "TerminateUser",
                  "KillSession", "KillUser", "LockSession", "LockSessions")
        with open(log) as f:
            calls = [line for line in f if len(line.split()) > 1 and line.split()[1] in ending]
        check(not calls, "logind was asked to end something: %r" % calls)
    print("e2e: added %.1f s before its time; its popup seen %.3f s after it; sch.cks %d bytes; setting.ini %r" %
          (ahead, fired_after, len(final), ini))


def not_in_private_session(doc):
    """The exit status for a call that is not one of ours (wrong arguments, outside private-session.sh)."""
    if len(sys.argv) != 2:
        print(doc.strip(), file=sys.stderr)
        return 2
    # Never against this machine's buses: only inside private-session.sh.
    if not os.environ.get("HALVO_PRIVATE_SESSION_DIR") or not os.environ.get("DBUS_SYSTEM_BUS_ADDRESS"):
        print("e2e: run me inside tests/helpers/private-session.sh", file=sys.stderr)
        return 2
    return None


def refused(doc, tools):
    """The exit status for a run that cannot go on: not one of ours, or a tool missing; else None."""
    status = not_in_private_session(doc)
    if status is None and xworld.tools_missing("e2e", tools):
        status = 1
    return status


def script_name():
    """The running script's name without _e2e.py: screenshots carry it, so that scripts running side by side in
    the same folder keep their own."""
    return os.path.basename(sys.argv[0]).replace("_e2e.py", "")


def run_in_world(scenario, name=""):
    """Runs scenario(world) in a new world that is always stopped; on a failure says what and where."""
    return xworld.run_in(World(sys.argv[1]), scenario, "e2e " + name if name else "e2e",
                         name or script_name() + "-failure")


def main():
    status = refused(__doc__, ("Xvfb", "openbox", "trayer", "xdotool", "xprop", "import"))
    if status is not None:
        return status
    if not os.path.exists(FAKETIME_LIBRARY):
        print("e2e: %s is missing (./halvo.sh setup installs faketime)" % FAKETIME_LIBRARY, file=sys.stderr)
        return 1
    return run_in_world(run)


if __name__ == "__main__":
    sys.exit(main())
