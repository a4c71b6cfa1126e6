#!/usr/bin/python3
"""End-to-end run of the real Windows program under Wine, on a private Xvfb, in a Wine prefix of its own
and from a portable folder (its schedule and settings lie beside it).

    program_e2e.py BUILD/package/halvo-shutdown-VERSION-windows-x64.zip BUILD/tests/windows/halvo_window_probe.exe

(or the program itself, BUILD/app/halvo-shutdown.exe, instead of the zip)

The folder starts with a saved schedule (auto save on) of one message item due a few seconds after the
start. The item fires: its popup is found by its window text, and the schedule on disk has moved past the
item. From the terminal, "--in 10m lock" arms the running copy, "--status" prints it and "--cancel" drops
it. A second copy shows the running copy's window; on the Option page "auto startup" ticked and "Set"
put the Run value into Wine's registry (read back with reg.exe). Then the files are removed and Wine ends
the session (wineboot --end-session): the program agrees, stores its settings and schedule anew, and
ends. sch.cks and setting.ini are checked byte for byte. Only the message task runs: nothing is shut down, locked or ended.
"""

import datetime
import os
import re
import shutil
import sys
import time
import zipfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "helpers"))
from schedule_record import MESSAGE as MESSAGE_CODE, daily_item, task  # noqa: E402
from wineworld import WINE, WINESERVER, Failure, WineWorld, run_in, tools_missing  # noqa: E402

ITEM_NAME = b"Alarm"
MESSAGE = b"Time to go"
RUN_KEY = r"HKCU\Software\Microsoft\Windows\CurrentVersion\Run"
# Where the Option page's controls lie in the main window's client area, under Wine's default font.
AUTO_STARTUP_BOX = (24, 82)
SET_BUTTON = (108, 239)


def check(condition, message):
    if not condition:
        raise Failure(message)


def record(item_time, cross_state, active, due_today):
    """One schedule item as the program stores it: a message item, every day at item_time."""
    return daily_item(ITEM_NAME, item_time, task(MESSAGE_CODE, MESSAGE), cross_state, active, due_today)


def settings_file(auto_startup):
    return (b"[setting]\r\nSetting_AutoStartup=%d\r\nSetting_AutoSave=1\r\nSetting_Remind=0\r\n"
            b"Setting_KeepAwake=1\r\nSetting_WakeFromSleep=0\r\n[schManager]\r\ncount=1\r\n" % auto_startup)


def read(path):
    with open(path, "rb") as f:
        return f.read()


def run(world, program, probe):
    world.make_prefix()
    app_dir = os.path.join(world.folder, "Halvo Shutdown")
    if program.endswith(".zip"):
        # The portable copy as a user unpacks it: one folder.
        with zipfile.ZipFile(program) as archive:
            archive.extractall(world.folder)
        check(os.path.isdir(app_dir), "the zip holds no folder \"Halvo Shutdown\"")
    else:
        os.makedirs(app_dir)
        shutil.copy2(program, os.path.join(app_dir, "halvo-shutdown.exe"))
    exe = os.path.join(app_dir, "halvo-shutdown.exe")
    check(os.path.isfile(exe), "no halvo-shutdown.exe in the portable folder")
    schedule = os.path.join(app_dir, "sch.cks")
    settings = os.path.join(app_dir, "setting.ini")

    # The item comes due a little after the program is up; never across midnight.
    lead = 20
    now = datetime.datetime.now()
    if (now + datetime.timedelta(seconds=lead + 30)).date() != now.date():
        time.sleep((datetime.datetime.combine(now.date() + datetime.timedelta(days=1), datetime.time()) -
                    now).total_seconds() + 1)
    due = datetime.datetime.now().replace(microsecond=0) + datetime.timedelta(seconds=lead)
    item_time = (due.hour, due.minute, due.second)
    with open(schedule, "wb") as f:
        f.write(record(item_time, 0, False, False))
    with open(settings, "wb") as f:
        f.write(settings_file(0))

    world.start_display()
    app = world.start("halvo-shutdown", [WINE, exe], cwd=world.folder)

    # The message item fires: its popup, found by its window text, slides in at the bottom right.
    world.wait_for("the message popup",
                   lambda: world.windows("--onlyvisible", "--name", "^Halvo Shutdown notification$"), lead + 15)
    fired_at = datetime.datetime.now()
    # As a Windows program sees it: a visible top-level window with that text.
    found = world.run([WINE, probe, "Halvo Shutdown notification", "5"], timeout=40, check=False)
    check(found.returncode == 0, "no window \"Halvo Shutdown notification\" for Windows programs")
    x, y, width, height = (int(v) for v in found.stdout.split())
    check(x + width > 1024 * 3 // 4 and y + height > 768 * 3 // 4,
          "the popup is not at the bottom right: %d,%d %dx%d" % (x, y, width, height))
    check(fired_at >= due - datetime.timedelta(seconds=1), "the popup came before the item's time")
    check(app.poll() is None, "the program ended")
    world.screenshot("popup")
    fired = record(item_time, 2, True, True)
    world.wait_for("the fired item on disk", lambda: read(schedule) == fired, 5)

    # The command line reaches the running copy and prints its answers in the terminal.
    def cli(*args):
        done = world.run([WINE, exe] + list(args), timeout=20, check=False)
        check(done.returncode == 0 and done.stderr == b"",
              "%s: %d %r" % (" ".join(args), done.returncode, done.stderr))
        return done.stdout.decode().replace("\r\n", "\n")
    cli("--in", "10m", "lock")
    armed = cli("--status")
    # The item has fired today: its next run is tomorrow, a little less than a day ahead.
    tomorrow = (due + datetime.timedelta(days=1)).strftime("%Y-%m-%d %H:%M:%S")
    # Ten minutes from now may be tomorrow: the date shows then.
    # While it waits the computer is kept awake (the execution state), and --status says so.
    check(re.fullmatch(r"General: lock the workstation at (\d{4}-\d\d-\d\d )?\d\d:\d\d:\d\d \(in (10|9) min\)\n"
                       r"Keeping the computer awake until: lock the workstation at (\d{4}-\d\d-\d\d )?"
                       r"\d\d:\d\d:\d\d \(in (10|9) min\)\n"
                       r"Schedule 'Alarm': alarm message at %s \(in (1 d|23 h 59 min)\)\n" % tomorrow, armed)
          is not None, "--status after --in: %r" % armed)
    cli("--cancel")
    check(cli("--status").startswith("General: nothing armed\n"), "--status after --cancel")

    # A second copy shows the running copy's window and ends.
    second = world.run([WINE, exe], timeout=20, check=False)
    check(second.returncode == 0, "the second copy ended with %d" % second.returncode)
    main = world.wait_for("the main window", lambda: world.windows("--onlyvisible", "--name", "^Halvo ShutDown$"),
                          10)[0]
    world.xdo("windowactivate", "--sync", main, timeout=5)
    time.sleep(0.5)
    # File > Option.
    world.xdo("mousemove", "--window", main, "18", "10", "click", "1")
    time.sleep(0.5)
    world.xdo("key", "Down", "Down", "Down", "Return")
    time.sleep(0.5)
    world.xdo("mousemove", "--window", main, str(AUTO_STARTUP_BOX[0]), str(AUTO_STARTUP_BOX[1]), "click", "1")
    time.sleep(0.3)
    world.xdo("mousemove", "--window", main, str(SET_BUTTON[0]), str(SET_BUTTON[1]), "click", "1")
    quoted = '"%s"' % world.windows_path(exe)
    world.wait_for("the Run value", lambda: world.reg_query(RUN_KEY, "Halvo Shutdown") == quoted, 5, interval=0.5)
    check(read(settings) == settings_file(1), "setting.ini after Set: %r" % read(settings))
    world.screenshot("option")

    # The session ends. What the program stores then must come from this moment: the files go first.
    os.remove(schedule)
    os.remove(settings)
    ending = world.start("wineboot", [WINE, "wineboot", "--end-session"])
    world.wait_for("the program to end", lambda: app.poll() is not None, 30)
    world.wait_for("wineboot to end", lambda: ending.poll() is not None, 30)
    # wineboot reports a failure when a program refuses the end of the session.
    check(ending.returncode == 0, "wineboot --end-session ended with %d" % ending.returncode)
    check(os.path.exists(schedule) and read(schedule) == fired,
          "sch.cks at the end: %r" % (read(schedule) if os.path.exists(schedule) else None))
    check(os.path.exists(settings) and read(settings) == settings_file(1),
          "setting.ini at the end: %r" % (read(settings) if os.path.exists(settings) else None))
    check(world.reg_query(RUN_KEY, "Halvo Shutdown") == quoted, "the Run value went at the end")
    print("windows e2e: popup %.1f s after its time; program ended (%d); sch.cks %d bytes; Run value %s" %
          ((fired_at - due).total_seconds(), app.returncode, len(fired), quoted))


def main():
    if len(sys.argv) != 3:
        print(__doc__.strip(), file=sys.stderr)
        return 2
    if tools_missing("windows e2e", ("Xvfb", "openbox", "xdotool", "xprop", "import", WINE, WINESERVER)):
        return 1
    program, probe = os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2])
    return run_in(WineWorld(budget=150), lambda world: run(world, program, probe), "windows e2e")


if __name__ == "__main__":
    sys.exit(main())
