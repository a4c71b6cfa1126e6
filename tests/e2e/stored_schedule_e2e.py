#!/usr/bin/python3
"""End-to-end run of a stored schedule whose count is missing from setting.ini, over two runs.

    tests/helpers/private-session.sh /usr/bin/python3 tests/e2e/stored_schedule_e2e.py BUILD/app/halvo-shutdown

Runs only inside the private D-Bus world of private-session.sh. A portable copy of the program holds sch.cks
with three daily message items and a setting.ini with "auto save" on but no count. First run: every item
comes up (--status lists all three), a message that stays says the count is set right, and at SIGTERM
sch.cks is stored byte for byte as it was, with count=3 and no backup. Second run: the three items again,
no message, the same bytes. Third run, as root: sch.cks a link to a file of another group that only its
owner and group may read; it is written through and keeps its mode and group. The wall clock is faked to the morning, hours before the items' evening times,
so nothing fires. Everything started here is stopped at the end.
"""

import os
import re
import signal
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import schedule_e2e as e2e  # noqa: E402  (the desktop and its helpers)
from schedule_e2e import check, wait_for  # noqa: E402
from schedule_record import MESSAGE, daily_item, task  # noqa: E402

FAKE_START = "2026-12-08 09:00:00"
ITEMS = [(b"Alpha", (20, 0, 0)), (b"Beta", (21, 30, 0)), (b"Gamma", (22, 45, 0))]
# As the program stores an item it has looked at once: the time ahead, active, due every day.
STORED = b"".join(daily_item(name, at, task(MESSAGE, b"text of " + name), 1, True, True) for name, at in ITEMS)
NOTICE_SIZE_MIN = (150, 60)
OTHER_GROUP = 4242  # a group root is not in


def start(world):
    env = dict(world.env, LD_PRELOAD=e2e.FAKETIME_LIBRARY, FAKETIME="@" + FAKE_START,
               FAKETIME_DONT_FAKE_MONOTONIC="1")
    world.app = world.start("halvo-shutdown", [world.program], env=env, cwd=world.folder)
    wait_for("the program's tray icon", lambda: world.app.poll() is None and world.program_windows(), 15)


def status(world):
    done = subprocess.run([world.program, "--status"], env=world.env, capture_output=True, text=True,
                          timeout=min(20, e2e.remaining()))
    check(done.returncode == 0, "--status ended with %d: %s" % (done.returncode, done.stderr))
    return re.findall(r"^Schedule '([^']*)'", done.stdout, re.M)


def notices(world):
    """The program's visible message boxes: windows titled like the program, not the tray's."""
    found = []
    for window in world.program_windows():
        name = world.xdo("getwindowname", window, check=False) or ""
        x, y, width, height = world.geometry(window)
        if name.strip() == "Halvo Shutdown" and width >= NOTICE_SIZE_MIN[0] and height >= NOTICE_SIZE_MIN[1]:
            found.append(window)
    return found


def end(world):
    world.app.send_signal(signal.SIGTERM)
    wait_for("the program to end", lambda: world.app.poll() is not None, 10)
    check(world.app.returncode == 0, "the program ended with %d" % world.app.returncode)


def stored(world):
    with open(os.path.join(world.app_dir, "sch.cks"), "rb") as f:
        return f.read()


def run(world):
    settings = os.path.join(world.app_dir, "setting.ini")
    with open(settings, "w", encoding="utf-8") as f:
        f.write("[setting]\nSetting_AutoSave=1\n")
    with open(os.path.join(world.app_dir, "sch.cks"), "wb") as f:
        f.write(STORED)
    world.start_display()
    names = [name.decode() for name, _ in ITEMS]

    start(world)
    check(status(world) == names, "first run, items: %r" % status(world))
    box = wait_for("the message about the count", lambda: notices(world), 10)
    time.sleep(3)  # longer than any popup stays
    check(notices(world) == box, "the message went away by itself")
    world.xdo("windowactivate", "--sync", box[0], timeout=5)
    world.xdo("key", "Return")
    wait_for("the message to close", lambda: not notices(world), 5)
    end(world)
    check(stored(world) == STORED, "sch.cks after the first run: %d bytes, %r" % (len(stored(world)), stored(world)))
    check(e2e.read_ini(settings).get("schManager") == {"count": "3"},
          "count after the first run: %r" % e2e.read_ini(settings))
    check(sorted(os.listdir(world.app_dir)) == ["halvo-shutdown", "sch.cks", "setting.ini"],
          "files after the first run: %r" % sorted(os.listdir(world.app_dir)))

    start(world)
    check(status(world) == names, "second run, items: %r" % status(world))
    time.sleep(1.5)
    check(not notices(world), "a message at the second start")
    end(world)
    check(stored(world) == STORED, "sch.cks after the second run: %r" % stored(world))
    check(e2e.read_ini(settings).get("schManager") == {"count": "3"}, "count after the second run")

    # As root, sch.cks a link (of root's) to a file of root's in another group, closed to others: it is
    # written through, and keeps its mode and group; the link stays.
    if os.geteuid() == 0:
        elsewhere = os.path.join(world.folder, "elsewhere")
        os.makedirs(elsewhere)
        target = os.path.join(elsewhere, "linked.cks")
        os.replace(os.path.join(world.app_dir, "sch.cks"), target)
        os.chown(target, 0, OTHER_GROUP)
        os.chmod(target, 0o640)
        os.symlink(target, os.path.join(world.app_dir, "sch.cks"))
        start(world)
        check(status(world) == names, "linked run, items: %r" % status(world))
        time.sleep(1.5)
        check(not notices(world), "a message at the linked start")
        end(world)
        check(os.path.islink(os.path.join(world.app_dir, "sch.cks")), "the link was replaced")
        info = os.stat(target)
        check((info.st_mode & 0o7777, info.st_gid) == (0o640, OTHER_GROUP),
              "the linked file's mode and group: %o, %d" % (info.st_mode & 0o7777, info.st_gid))
        check(stored(world) == STORED, "the linked file after the run: %r" % stored(world))
        check(sorted(os.listdir(elsewhere)) == ["linked.cks"], "files beside the linked one: %r" %
              sorted(os.listdir(elsewhere)))
    print("e2e: 3 items survived two runs without a count and one through a link; sch.cks %d bytes" %
          len(STORED))


def main():
    status = e2e.refused(__doc__, ("Xvfb", "openbox", "trayer", "xdotool", "xprop", "import"))
    if status is not None:
        return status
    return e2e.run_in_world(run, "stored-schedule")


if __name__ == "__main__":
    sys.exit(main())
