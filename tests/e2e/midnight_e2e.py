#!/usr/bin/python3
"""End-to-end run of the real program through midnight: every item runs once, at its own time.

    tests/helpers/private-session.sh /usr/bin/python3 tests/e2e/midnight_e2e.py BUILD/app/halvo-shutdown

Runs only inside the private D-Bus world of private-session.sh. A portable copy of the program starts with
"auto save the schedule setting" on, the reminder off, and a stored schedule of four daily items, on the
private desktop of schedule_e2e.py, under Debian's faketime with its wall clock set to 23:59:45 on
8 December 2026 (the monotonic clock left real; the first seconds leave room for a slow start):

    Night     22:30:00  shut down     stored as passed (it ran this evening)
    Late      23:59:58  restart       stored as ahead
    Midnight  00:00:00  lock          stored as passed (it ran last midnight)
    Early     00:00:05  run a script  stored as passed (it ran this morning)

At 00:00:07 the session requests that reached the mocks are counted, with the fake time each one
came at: exactly one restart at 23:59:58, one lock in the first second of 9 December, the script once at
00:00:05, and no shutdown. Then the program is ended as a desktop ends it (SIGTERM) and the stored
schedule holds each item on its side of the clock. The whole run stays under 40 seconds.
"""

import os
import shutil
import signal
import stat
import sys
import time

# The private desktop of schedule_e2e.py, imported without leaving compiled files in the source tree.
sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "helpers"))
from schedule_record import daily_item, task  # noqa: E402
from schedule_e2e import check, not_in_private_session, read_ini, run_in_world, wait_for  # noqa: E402

FAKE_START = "2026-12-08 23:59:45"
FAKE_START_SECONDS = 23 * 3600 + 59 * 60 + 45
RUN_SECONDS = 22  # fake 23:59:45 to 00:00:07
# The program must be up and ticking before the first item's time, also on a busy machine.
READY_SECONDS = 11  # fake 23:59:56
NOT_SEEN, AHEAD, PASSED = 0, 1, 2
SCRIPT_NAME = "count-run.sh"

# name, time, task code, CrossState as stored
ITEMS = [
    (b"Night", (22, 30, 0), 1, PASSED),
    (b"Late", (23, 59, 58), 9, AHEAD),
    (b"Midnight", (0, 0, 0), 11, PASSED),
    (b"Early", (0, 0, 5), 8, PASSED),
]
# The requests a task makes, as the mocks log them; a lock may reach either of them.
REQUESTS = {"PowerOff": "shut down", "Reboot": "restart", "LockSession": "lock", "LockSessions": "lock",
            "Lock": "lock", "TerminateSession": "log off", "Suspend": "suspend", "Hibernate": "hibernate"}


def record(name, at, code, cross_state, evaluated, command):
    return daily_item(name, at, task(code, command), cross_state, evaluated, evaluated)


def schedule(states, evaluated, command):
    return b"".join(record(name, at, code, state, evaluated, command)
                    for (name, at, code, _), state in zip(ITEMS, states))


def fake_clock(seconds_after_start):
    seconds = (FAKE_START_SECONDS + seconds_after_start) % 86400
    return "%02d:%02d:%06.3f" % (seconds // 3600, seconds // 60 % 60, seconds % 60)


def mock_requests(path, wall_start):
    """(seconds after the program's start, what) for every session request in a mock's call log."""
    requests = []
    if not path or not os.path.exists(path):
        return requests
    with open(path) as f:
        for line in f:
            fields = line.split()
            if len(fields) > 1 and fields[1] in REQUESTS:
                requests.append((float(fields[0]) - wall_start, REQUESTS[fields[1]]))
    return requests


def child_of(pid):
    try:
        with open("/proc/%d/task/%d/children" % (pid, pid)) as f:
            children = f.read().split()
    except OSError:
        return None
    return int(children[0]) if children else None


def run(world):
    script = os.path.join(world.folder, SCRIPT_NAME)
    runs = os.path.join(world.folder, "runs.txt")
    with open(script, "w") as f:
        f.write('#!/bin/sh\necho run >> "%s"\n' % runs)
    os.chmod(script, stat.S_IRWXU)
    command = script.encode()
    stored = schedule([state for *_, state in ITEMS], False, command)
    with open(os.path.join(world.app_dir, "sch.cks"), "wb") as f:
        f.write(stored)
    with open(os.path.join(world.app_dir, "setting.ini"), "w", encoding="utf-8") as f:
        f.write("[schManager]\ncount=%d\n[setting]\nSetting_AutoSave=1\nSetting_Remind=0\n" % len(ITEMS))

    world.start_display()
    # Debian's faketime starts the program as its child and ends with the program's exit status; only the
    # wall clock is faked, so the program's timers run on the real monotonic clock.
    env = dict(world.env, FAKETIME_DONT_FAKE_MONOTONIC="1")
    wall_start = time.time()
    real_start = time.monotonic()
    world.app = world.start("halvo-shutdown", ["faketime", "-m", "-f", "@" + FAKE_START, world.program],
                            env=env, cwd=world.folder)
    program = wait_for("the program under faketime", lambda: child_of(world.app.pid), 5)
    wait_for("the program's tray icon", lambda: world.windows("--onlyvisible", "--pid", str(program)),
             READY_SECONDS)
    started = time.monotonic() - real_start
    check(started < READY_SECONDS, "the program took %.1f s to start" % started)

    # The script's runs, noted as they come (its own clock would start again at 23:59:55).
    script_runs = []
    while time.monotonic() - real_start < RUN_SECONDS:
        check(world.app.poll() is None, "the program ended early with %s" % world.app.returncode)
        if os.path.exists(runs):
            with open(runs) as f:
                count = len(f.read().split())
            while len(script_runs) < count:
                script_runs.append((time.monotonic() - real_start, "run the script"))
        time.sleep(0.02)

    os.kill(program, signal.SIGTERM)
    wait_for("the program to end", lambda: world.app.poll() is not None, 5)
    check(world.app.returncode == 0, "the program ended with %d" % world.app.returncode)

    requests = sorted(mock_requests(os.environ.get("HALVO_LOGIND_LOG"), wall_start) +
                      mock_requests(os.environ.get("HALVO_SCREENSAVER_LOG"), wall_start) + script_runs)
    seen = ["%s at %s" % (what, fake_clock(at)) for at, what in requests]
    print("e2e: started in %.1f s; through midnight: %s" % (started, ", ".join(seen) or "nothing ran"))
    kinds = [what for _, what in requests]
    check(kinds == ["restart", "lock", "run the script"], "ran: %r" % seen)
    # Each at its own time, within the tick after it (a second, and a little for the bus and the start).
    for (at, what), due in zip(requests, (13, 15, 20)):
        check(due <= at + 0.1 < due + 1.5, "%s ran at %s" % (what, fake_clock(at)))

    with open(os.path.join(world.app_dir, "sch.cks"), "rb") as f:
        final = f.read()
    expected = schedule([AHEAD, AHEAD, PASSED, PASSED], True, command)
    check(final == expected, "sch.cks at the end: %r" % final)
    check(read_ini(os.path.join(world.app_dir, "setting.ini")).get("schManager") == {"count": "4"},
          "the count at the end")
    check(not os.path.exists(os.path.join(world.app_dir, "sch.cks.bak")), "a copy was kept needlessly")


def main():
    refused = not_in_private_session(__doc__)
    if refused is not None:
        return refused
    for tool in ("Xvfb", "openbox", "trayer", "xdotool", "xprop", "faketime"):
        if not shutil.which(tool):
            print("e2e: %s is missing (./halvo.sh setup installs it)" % tool, file=sys.stderr)
            return 1
    return run_in_world(run, "midnight")


if __name__ == "__main__":
    sys.exit(main())
