#!/usr/bin/python3
"""End-to-end run on a wall clock faked to run 60 times as fast as real time.

    tests/helpers/private-session.sh /usr/bin/python3 tests/e2e/fast_clock_e2e.py BUILD/app/halvo-shutdown

Runs only inside the private D-Bus world of private-session.sh. A portable copy of the program starts hidden
in the tray at a faked 21:00:10 running 60 times fast (libfaketime, the real monotonic clock), with a stored
daily message item "Tea" at 21:25:00, reminders off; "--at 21:20 poweroff" arms the General page. The
program learns the clock's pace and plans by it: the power-off's reminder comes about 20 s after the start
(not a minute of real time later, nor reported missed), --cancel closes it, and the message pops up about
25 s after the start. logind is asked for nothing.
"""

import os
import re
import subprocess
import sys
import time

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import schedule_e2e as e2e  # noqa: E402  (the desktop and its helpers)
from faked_sleep import FakeClock, session_requests  # noqa: E402
from schedule_e2e import check, wait_for  # noqa: E402
from schedule_record import daily_item, task  # noqa: E402

FAKE_START = "2026-12-08 21:00:10"
MESSAGE = 10
AHEAD = 1
REMINDING = re.compile(r"General: turn off the computer in its reminder, due at 21:20:00\n"
                       r"Keeping the computer awake until: turn off the computer in its reminder, due at 21:20:00\n"
                       r"Reminder: turn off the computer in \d+ s\n"
                       r"Schedule 'Tea': alarm message at 21:2\d:\d\d \(in \d+ (s|min)\)\n")


def cli(world, *args):
    done = subprocess.run([world.program, *args], env=world.env, capture_output=True, text=True,
                          timeout=min(20, e2e.remaining()))
    check((done.returncode, done.stderr) == (0, ""), "%r: %d %r" % (args, done.returncode, done.stderr))
    return done.stdout


def notifications(world):
    return set(world.windows("--onlyvisible", "--name", "^Halvo Shutdown notification$"))


def run(world):
    with open(os.path.join(world.app_dir, "sch.cks"), "wb") as f:
        f.write(daily_item(b"Tea", (21, 25, 0), task(MESSAGE, b"Tea time"), AHEAD, True, True))
    with open(os.path.join(world.app_dir, "setting.ini"), "w", encoding="utf-8") as f:
        f.write("[schManager]\ncount=1\n[setting]\nSetting_AutoSave=1\nSetting_Remind=0\n")
    world.start_display()
    clock = FakeClock(world.folder, FAKE_START, rate=60)
    world.app = world.start("halvo-shutdown", [world.program], env=clock.env(world.env), cwd=world.folder)
    started = time.monotonic()
    wait_for("the program's tray icon", lambda: world.app.poll() is None and world.program_windows(), 15)
    check(cli(world, "--at", "21:20", "poweroff") == "", "--at gave output")
    seen = []
    wait_for("the power-off's reminder in --status",
             lambda: seen.append(cli(world, "--status")) or REMINDING.fullmatch(seen[-1]), 30, interval=0.25)
    came = time.monotonic() - started
    world.screenshot("fast-reminder")
    check(16 <= came <= 24, "the reminder of 21:20 came %.1f s after the start, not about 19.8 s" % came)
    check(cli(world, "--cancel") == "", "--cancel gave output")
    status = cli(world, "--status")
    check(status.startswith("General: nothing armed\nSchedule 'Tea'"), "--status after --cancel: %r" % status)

    wait_for("the message of 21:25", lambda: notifications(world), 20)
    popped = time.monotonic() - started
    check(21 <= popped <= 29, "the message of 21:25 came %.1f s after the start, not about 24.8 s" % popped)
    log = os.environ["HALVO_LOGIND_LOG"]
    check(session_requests(log) == [], "logind was asked: %r" % session_requests(log))
    check(world.app.poll() is None, "the program ended with %s" % world.app.returncode)
    print("e2e: at 60 times the pace: the reminder of 21:20 after %.1f s, the message of 21:25 after %.1f s"
          % (came, popped))


def main():
    status = e2e.refused(__doc__, ("Xvfb", "openbox", "trayer", "xdotool", "xprop", "gdbus"))
    if status is not None:
        return status
    return e2e.run_in_world(run, "fast-clock")


if __name__ == "__main__":
    sys.exit(main())
