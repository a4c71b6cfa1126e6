#!/usr/bin/python3
"""End-to-end run of the command line against the real program on a private desktop.

    tests/helpers/private-session.sh /usr/bin/python3 tests/e2e/commandline_e2e.py BUILD/app/halvo-shutdown

Runs only inside the private D-Bus world of private-session.sh (the logind mock takes the lock request).
Starts Xvfb with openbox and trayer; every bad input is refused with exit status 2 and one line naming it
while no copy runs (and none is started); "--status" then starts a copy hidden in the tray; the forms
--at, --in, --cancel, --show, --now and every bad input are tried against it, the armed state read back
through --status; "--in 3s lock" brings the reminder, whose "Execute It!" sends LockSession to the logind
mock; lines the running copy cannot read get an error answer over the socket. Everything started here is
stopped at the end.
"""

import os
import re
import signal
import socket
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import schedule_e2e as e2e  # noqa: E402  (the desktop and its helpers)
from schedule_e2e import Failure, check, wait_for  # noqa: E402

FAKE_START = "2026-12-08 21:25:00"
TASKS = "shutdown, poweroff, screensaver, logoff, closeall, restart, lock, sleep, hibernate"
CONDITIONS = "exit:NAME, exit:PID, idle:30m, cpu:10%:5m, net:50k:5m, net:2M:5m, battery:15%"
BAD = [
    (["--bogus"], "unknown option '--bogus' (see --help)"),
    (["--now", "reboot"], "unknown task 'reboot' (one of %s)" % TASKS),
    (["--now"], "missing TASK after --now (one of %s)" % TASKS),
    (["--at", "25:00", "shutdown"], "bad time '25:00' (HH:MM or HH:MM:SS, 00:00 to 23:59:59)"),
    (["--in", "-5m", "lock"], "bad duration '-5m' (e.g. 90s, 45m, 1h30m)"),
    (["--in", "1h99x", "lock"], "bad duration '1h99x' (e.g. 90s, 45m, 1h30m)"),
    (["--in"], "missing DURATION after --in (e.g. 90s, 45m, 1h30m)"),
    (["--in", "90s"], "missing TASK after --in (one of %s)" % TASKS),
    (["--at"], "missing time after --at (HH:MM or HH:MM:SS)"),
    (["--status", "extra"], "unexpected argument 'extra' (see --help)"),
    (["--when", "exit:", "poweroff"],
     "bad condition 'exit:': the program's name or process id is missing (exit:NAME or exit:PID)"),
    (["--when", "cpu:120%:5m", "poweroff"],
     "bad condition 'cpu:120%:5m': the processor's percent must be 1% to 100%"),
    (["--when", "net:fast:5m", "poweroff"],
     "bad condition 'net:fast:5m': the rate must be KB/s like 50k or MB/s like 2M, from 1k to 10240M"),
    (["--when", "idle:0m", "poweroff"], "bad condition 'idle:0m': minutes must be 1m to 24h, like 30m or 2h"),
    (["--when", "disk:5m", "poweroff"], "unknown condition 'disk:5m' (one of %s)" % CONDITIONS),
]


def run_cli(world, *args, env=None):
    done = subprocess.run([world.program, *args], env=env or world.env, capture_output=True, text=True,
                          timeout=min(20, e2e.remaining()))
    return done.returncode, done.stdout, done.stderr


def logind_calls(method):
    with open(os.environ["HALVO_LOGIND_LOG"]) as f:
        return [line for line in f if len(line.split()) > 1 and line.split()[1] == method]


def socket_answer(path, line):
    with socket.socket(socket.AF_UNIX, socket.SOCK_STREAM) as s:
        s.settimeout(5)
        s.connect(path)
        s.sendall(line)
        data = b""
        while not data.endswith(b"\n"):
            chunk = s.recv(4096)
            if not chunk:
                break
            data += chunk
        return data.decode()


def run(world, started):
    world.start_display()
    runtime = world.env["XDG_RUNTIME_DIR"]
    sock = os.path.join(runtime, "halvo-shutdown.socket")

    # Bad input: refused before anything runs, so no copy is started either.
    for args, message in BAD:
        code, out, err = run_cli(world, *args)
        check((code, out, err) == (2, "", "halvo-shutdown: " + message + "\n"),
              "%r gave %d %r %r" % (args, code, out, err))
    check(not os.path.exists(sock), "a bad argument started a copy")
    code, out, _ = run_cli(world, "--version")
    check((code, out) == (0, "Halvo Shutdown 2.01\n"), "--version: %d %r" % (code, out))
    code, out, _ = run_cli(world, "--help")
    check(code == 0 and out.startswith("Usage: halvo-shutdown [OPTION]\n") and "TASK is one of: " + TASKS in out,
          "--help: %d %r" % (code, out))

    # --status with no copy running starts one hidden in the tray (with the test's clock).
    clock = dict(world.env, LD_PRELOAD=e2e.FAKETIME_LIBRARY, FAKETIME="@" + FAKE_START,
                 FAKETIME_DONT_FAKE_MONOTONIC="1")
    code, out, err = run_cli(world, "--status", env=clock)
    check((code, out, err) == (0, "General: nothing armed\nSchedule: no items\n", ""),
          "first --status: %d %r %r" % (code, out, err))
    with open(os.path.join(runtime, "halvo-shutdown.lock")) as f:
        pid = int(f.readline())
    started.append(pid)
    check(not world.windows("--onlyvisible", "--name", "^Halvo ShutDown"), "the started copy shows its window")

    def status():
        code, out, err = run_cli(world, "--status")
        check(code == 0 and err == "", "--status: %d %r" % (code, err))
        return out

    code, out, err = run_cli(world, "--at", "22:30", "shutdown")
    check((code, out, err) == (0, "", ""), "--at: %d %r %r" % (code, out, err))
    text = status()
    check(re.fullmatch(r"General: (shutdown the computer at 22:30:00 \(in 1 h [45] min\))\n"
                       r"Keeping the computer awake until: \1\nSchedule: no items\n",
                       text), "after --at: %r" % text)
    # Bad input against the running copy changes nothing.
    for args, message in BAD:
        code, out, err = run_cli(world, *args)
        check((code, err) == (2, "halvo-shutdown: " + message + "\n"), "%r: %d %r" % (args, code, err))
    text = status()
    check(re.fullmatch(r"General: (shutdown the computer at 22:30:00 \(in 1 h [45] min\))\n"
                       r"Keeping the computer awake until: \1\nSchedule: no items\n",
                       text), "bad input changed the state: %r" % text)
    code, out, err = run_cli(world, "--in", "1h30m", "restart")
    check(re.fullmatch(r"General: (restart the computer at 22:5\d:\d\d \(in 1 h (29|30) min\))\n"
                       r"Keeping the computer awake until: \1\nSchedule: no items\n",
                       status()), "after --in: %r" % status())
    code, out, err = run_cli(world, "--cancel")
    check((code, out, err) == (0, "", ""), "--cancel: %d %r %r" % (code, out, err))
    check(status() == "General: nothing armed\nSchedule: no items\n", "after --cancel: %r" % status())

    # Lines the running copy cannot read are answered with an error and never acted on.
    for line in (b"halvo-shutdown/2 now lock\n", b"now lock\n", b"halvo-shutdown/1 now reboot\n",
                 b"halvo-shutdown/1 in 5m lock\n", b"\xff\xfe\n"):
        answer = socket_answer(sock, line)
        check(answer.startswith("error "), "%r got %r" % (line, answer))
    time.sleep(0.5)
    check(not logind_calls("LockSession"), "a refused line locked the session")

    # --show shows the window.
    code, _, _ = run_cli(world, "--show")
    check(code == 0, "--show: %d" % code)
    main = wait_for("the main window", lambda: world.windows("--onlyvisible", "--name", "^Halvo ShutDown"), 10)
    world.screenshot("commandline-show")

    # --in 3s lock: the reminder comes; "Execute It!" (the third button in the tab order) runs it.
    code, out, err = run_cli(world, "--in", "3s", "lock")
    check((code, out, err) == (0, "", ""), "--in 3s: %d %r %r" % (code, out, err))
    check(status().startswith("General: lock the workstation at "), "after --in 3s: %r" % status())
    # The reminder: a new window of that title (the search may ignore case, so the main window is left out).
    reminder = wait_for("the reminder", lambda: sorted(
        set(world.windows("--onlyvisible", "--name", "^Halvo Shutdown$")) - set(main)), 10)[0]
    world.xdo("windowactivate", "--sync", reminder, timeout=5)
    time.sleep(0.3)
    world.screenshot("commandline-reminder")
    world.xdo("key", "Tab", "Tab", "space")
    wait_for("LockSession at the logind mock", lambda: logind_calls("LockSession"), 5)
    check(status() == "General: nothing armed\nSchedule: no items\n", "after the run: %r" % status())

    # --now runs at once, without a reminder.
    code, _, _ = run_cli(world, "--now", "lock")
    check(code == 0, "--now: %d" % code)
    wait_for("a second LockSession", lambda: len(logind_calls("LockSession")) == 2, 5)
    check(not logind_calls("PowerOff") and not logind_calls("Reboot"), "logind was asked to end the session")

    os.kill(pid, signal.SIGTERM)
    wait_for("the copy to end", lambda: not os.path.exists("/proc/%d" % pid) or
             open("/proc/%d/stat" % pid).read().split()[2] == "Z", 10)
    code, _, err = run_cli(world, "--status", "--bogus")
    check(code == 2, "after the end: %d %r" % (code, err))
    print("e2e: command line: %d bad inputs refused twice, every form carried out" % len(BAD))


def main():
    if len(sys.argv) != 2:
        print(__doc__.strip(), file=sys.stderr)
        return 2
    if not os.environ.get("HALVO_PRIVATE_SESSION_DIR") or not os.environ.get("HALVO_LOGIND_LOG"):
        print("e2e: run me inside tests/helpers/private-session.sh", file=sys.stderr)
        return 2
    world = e2e.World(sys.argv[1])
    started = []
    try:
        run(world, started)
        return 0
    except (Failure, subprocess.TimeoutExpired, OSError) as failure:
        shot = world.screenshot("commandline-failure") if world.display else None
        print("e2e: FAILED: %s%s" % (failure, " (screen: %s)" % shot if shot else ""), file=sys.stderr)
        return 1
    finally:
        for pid in started:
            try:
                os.kill(pid, signal.SIGTERM)
            except OSError:
                pass
        world.stop()


if __name__ == "__main__":
    sys.exit(main())
