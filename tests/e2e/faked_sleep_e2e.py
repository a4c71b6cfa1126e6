#!/usr/bin/python3
"""End-to-end run of faked sleeps: the program's clock moves while it runs and logind announces the sleep
around the move.

    tests/helpers/private-session.sh /usr/bin/python3 tests/e2e/faked_sleep_e2e.py BUILD/app/halvo-shutdown

Runs only inside the private D-Bus world of private-session.sh. A portable copy of the program starts hidden
in the tray with a stored daily "shut down" item at 22:30, reminders off, and its wall clock at 21:00:10
(libfaketime, the offset in a file), in a time zone of its own (TZ names a file of the test);
"--at 22:30 poweroff" arms the General page.
- The zone file is replaced by another zone's and back while the program runs: --status follows at once.
- The logind mock emits PrepareForSleep(true), the clock jumps 45 minutes, PrepareForSleep(false) follows:
  --status counts down from the moved clock and logind was asked for nothing, as no moment was skipped.
- Asleep again, from 21:45 to 23:00: the armed power-off is not run but reported missed (a notification
  pops up, the General line is empty), and the daily item asks first even with reminders off: its reminder
  shows at once and, when its minute runs out, logind is asked to power off, once.
"""

import os
import re
import shutil
import subprocess
import sys
import time

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import schedule_e2e as e2e  # noqa: E402  (the desktop and its helpers)
from faked_sleep import FakeClock, faked_sleep, session_requests, sleep_signals  # noqa: E402
from schedule_e2e import check, wait_for  # noqa: E402
from schedule_record import daily_item, task  # noqa: E402

FAKE_START = "2026-12-08 21:00:10"
SHUT_DOWN = 1
AHEAD = 1
# Each status is read within 50 s of its clock (21:00:10, then 21:45:10), so the minutes are exact.
BEFORE = ("General: turn off the computer at 22:30:00 (in 1 h 29 min)\n"
          "Keeping the computer awake until: turn off the computer at 22:30:00 (in 1 h 29 min)\n"
          "Schedule 'Nightly': shutdown the computer at 22:30:00 (in 1 h 29 min)\n")
# The same moment an hour to the east.
EAST = ("General: turn off the computer at 22:30:00 (in 29 min)\n"
        "Keeping the computer awake until: turn off the computer at 22:30:00 (in 29 min)\n"
        "Schedule 'Nightly': shutdown the computer at 22:30:00 (in 29 min)\n")
AFTER = ("General: turn off the computer at 22:30:00 (in 44 min)\n"
         "Keeping the computer awake until: turn off the computer at 22:30:00 (in 44 min)\n"
         "Schedule 'Nightly': shutdown the computer at 22:30:00 (in 44 min)\n")
# Woken at 23:00:10: the armed action is gone, the item's reminder counts down.
WOKEN = re.compile(r"General: nothing armed\nKeeping the computer awake until: shutdown the computer[^\n]*\n"
                   r"Reminder: shutdown the computer in (\d+) s\n"
                   r"Schedule 'Nightly': shutdown the computer at 2026-12-09 22:30:00 \(in 23 h 29 min\)\n")
REMINDER_S = 61


def cli(world, *args):
    done = subprocess.run([world.program, *args], env=world.env, capture_output=True, text=True,
                          timeout=min(20, e2e.remaining()))
    check((done.returncode, done.stderr) == (0, ""), "%r: %d %r" % (args, done.returncode, done.stderr))
    return done.stdout


def run(world):
    with open(os.path.join(world.app_dir, "sch.cks"), "wb") as f:
        f.write(daily_item(b"Nightly", (22, 30, 0), task(SHUT_DOWN), AHEAD, True, True))
    with open(os.path.join(world.app_dir, "setting.ini"), "w", encoding="utf-8") as f:
        f.write("[schManager]\ncount=1\n[setting]\nSetting_AutoSave=1\nSetting_Remind=0\n")
    world.start_display()
    zone = os.path.join(world.folder, "zone")
    shutil.copyfile("/usr/share/zoneinfo/Europe/London", zone)
    clock = FakeClock(world.folder, FAKE_START)
    started = time.monotonic()
    env = dict(clock.env(world.env), TZ=":" + zone)
    world.app = world.start("halvo-shutdown", [world.program], env=env, cwd=world.folder)
    wait_for("the program's tray icon", lambda: world.app.poll() is None and world.program_windows(), 15)

    check(cli(world, "--at", "22:30", "poweroff") == "", "--at gave output")
    before = cli(world, "--status")
    check(before == BEFORE, "--status at 21:00: %r" % before)
    # The zone changes as a system's tools change it: a new file put in the old one's place.
    for name, expected in (("Berlin", EAST), ("London", BEFORE)):
        shutil.copyfile("/usr/share/zoneinfo/Europe/" + name, zone + ".new")
        os.replace(zone + ".new", zone)
        seen = []
        wait_for("--status in the zone of %s (last: %r)" % (name, seen[-1:]),
                 lambda: seen.append(cli(world, "--status")) or seen[-1] == expected, 3)
    print("e2e: the zone changed to Berlin and back while the program ran; --status followed")
    faked_sleep(lambda: clock.jump(45 * 60))
    after = cli(world, "--status")
    check(time.monotonic() - started < 50, "too slow for the minutes to be exact")
    check(after == AFTER, "--status after the sleep: %r" % after)
    check(not world.windows("--onlyvisible", "--name", "^Halvo ShutDown"), "the window showed")
    log = os.environ["HALVO_LOGIND_LOG"]
    check(sleep_signals(log) == [True, False], "PrepareForSleep went out as %r" % sleep_signals(log))
    time.sleep(1)
    check(world.app.poll() is None, "the program ended with %s" % world.app.returncode)
    check(session_requests(log) == [], "logind was asked: %r" % session_requests(log))
    print("e2e: slept from 21:00 to 21:45 with nothing due; both signals sent, nothing asked of logind")

    shown = set(world.windows("--onlyvisible", "--pid", str(world.app.pid)))
    faked_sleep(lambda: clock.jump(75 * 60))
    woke = time.monotonic()
    popup = wait_for("the notification of the missed power-off",
                     lambda: world.windows("--onlyvisible", "--name", "^Halvo Shutdown notification$"), 5)
    world.screenshot("missed")
    woken = cli(world, "--status")
    match = WOKEN.fullmatch(woken)
    check(match and REMINDER_S - 5 <= int(match.group(1)) <= REMINDER_S, "--status on waking: %r" % woken)
    reminder = set(world.windows("--onlyvisible", "--pid", str(world.app.pid), "--name", "^Halvo Shutdown$"))
    check(reminder - shown, "no reminder window on waking")
    check(session_requests(log) == [], "logind was asked on waking: %r" % session_requests(log))
    # The reminder runs out: the item's task, and only it, reaches logind.
    wait_for("the power-off at logind", lambda: session_requests(log), REMINDER_S + 10)
    ran = time.monotonic() - woke
    time.sleep(1)
    requests = session_requests(log)
    check(len(requests) == 1 and requests[0].split()[1] == "PowerOff", "logind was asked: %r" % requests)
    check(REMINDER_S - 3 <= ran <= REMINDER_S + 5, "the reminder ran out after %.1f s" % ran)
    check(world.app.poll() is None, "the program ended with %s" % world.app.returncode)
    print("e2e: slept from 21:45 to 23:00: power-off missed (%d popup), the item's reminder ran out after %.1f s"
          % (len(popup), ran))


def main():
    status = e2e.refused(__doc__, ("Xvfb", "openbox", "trayer", "xdotool", "xprop", "gdbus"))
    if status is not None:
        return status
    return e2e.run_in_world(run, "faked-sleep")


if __name__ == "__main__":
    sys.exit(main())
