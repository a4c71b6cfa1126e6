#!/usr/bin/python3
"""Two reminders open at once: each action runs when its own minute is up, whatever the other does.

    tests/helpers/private-session.sh /usr/bin/python3 tests/e2e/stacked_reminders_e2e.py BUILD/app/halvo-shutdown

Runs only inside the private D-Bus world of private-session.sh, on Xvfb with openbox and trayer. A portable
copy starts under Debian's faketime at 21:59:50 with "remind me" and "auto save" on and a stored daily item
that locks the computer at 22:00:00. Its reminder opens at 22:00:00; ten seconds into it "--in 1s poweroff"
opens a second one. When the lock's minute is up the lock reaches logind (or the screen saver) within two
seconds, with the second reminder still open and no power off asked; "--cancel" then closes the second,
and nothing more is sent. Everything started here is stopped at the end.
"""

import os
import shutil
import signal
import sys
import time

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "helpers"))
import commandline_e2e as cli  # noqa: E402
import schedule_e2e as e2e  # noqa: E402
from midnight_e2e import child_of, mock_requests  # noqa: E402
from schedule_e2e import check, wait_for  # noqa: E402
from schedule_record import daily_item, task  # noqa: E402

e2e.DEADLINE = time.monotonic() + 140
FAKE_START = "2026-12-08 21:59:50"
LOCK = 11
AHEAD = 1
COUNTDOWN_S = 61  # the reminder runs its action on its 61st tick
WITHIN_S = 2


def requests(wall_start):
    return [what for _, what in sorted(mock_requests(os.environ.get("HALVO_LOGIND_LOG"), wall_start) +
                                       mock_requests(os.environ.get("HALVO_SCREENSAVER_LOG"), wall_start))]


def run(world):
    with open(os.path.join(world.app_dir, "sch.cks"), "wb") as f:
        f.write(daily_item(b"Night", (22, 0, 0), task(LOCK), AHEAD, False, False))
    with open(os.path.join(world.app_dir, "setting.ini"), "w", encoding="utf-8") as f:
        f.write("[schManager]\ncount=1\n[setting]\nSetting_AutoSave=1\nSetting_Remind=1\n")

    world.start_display()
    env = dict(world.env, FAKETIME_DONT_FAKE_MONOTONIC="1")
    wall_start = time.time()
    world.app = world.start("halvo-shutdown", ["faketime", "-m", "-f", "@" + FAKE_START, world.program], env=env,
                            cwd=world.folder)
    program = wait_for("the program under faketime", lambda: child_of(world.app.pid), 5)
    icons = set(wait_for("the tray icon", lambda: world.windows("--onlyvisible", "--pid", str(program)), 25))

    def reminders():
        return set(world.windows("--onlyvisible", "--pid", str(program), "--name", "^Halvo Shutdown$")) - icons

    lock_reminder = wait_for("the lock's reminder at 22:00:00", reminders, 20)
    lock_opened = time.monotonic()
    time.sleep(max(0.0, lock_opened + 10 - time.monotonic()))
    code, out, err = cli.run_cli(world, "--in", "1s", "poweroff")
    check((code, out, err) == (0, "", ""), "--in 1s poweroff: %d %r %r" % (code, out, err))
    second = wait_for("the second reminder", lambda: reminders() - lock_reminder, 5)
    # For a look at the two on the screen (in the build's test folder).
    time.sleep(0.5)
    world.screenshot("two-reminders")
    print("e2e: the lock's reminder opened; %.1f s later the power off's" % (time.monotonic() - lock_opened))

    wait_for("the lock", lambda: requests(wall_start), COUNTDOWN_S + WITHIN_S + 3 - (time.monotonic() - lock_opened),
             interval=0.05)
    locked_after = time.monotonic() - lock_opened
    check(locked_after <= COUNTDOWN_S + WITHIN_S, "the lock came %.1f s after its reminder opened" % locked_after)
    check(requests(wall_start) == ["lock"], "asked: %r" % requests(wall_start))
    check(second <= reminders(), "the second reminder closed with the first")
    print("e2e: the lock ran %.1f s after its reminder opened, the second reminder still open" % locked_after)

    code, out, err = cli.run_cli(world, "--cancel")
    check((code, out, err) == (0, "", ""), "--cancel: %d %r %r" % (code, out, err))
    wait_for("the second reminder to close", lambda: not second & reminders(), 3)
    # Past the moment its minute would have been up.
    time.sleep(max(0.0, lock_opened + 10 + COUNTDOWN_S + 2 - time.monotonic()))
    check(requests(wall_start) == ["lock"], "asked after --cancel: %r" % requests(wall_start))
    os.kill(program, signal.SIGTERM)
    wait_for("the program to end", lambda: world.app.poll() is not None, 5)
    print("e2e: --cancel closed the second reminder; nothing more was asked")


def main():
    refused = e2e.not_in_private_session(__doc__)
    if refused is not None:
        return refused
    for tool in ("Xvfb", "openbox", "trayer", "xdotool", "faketime"):
        if not shutil.which(tool):
            print("e2e: %s is missing (./halvo.sh setup installs it)" % tool, file=sys.stderr)
            return 1
    return e2e.run_in_world(run, "stacked_reminders")


if __name__ == "__main__":
    sys.exit(main())
