#!/usr/bin/python3
"""A cancel during the reminder cancels, and the program ends without waiting for anyone.

    tests/helpers/private-session.sh /usr/bin/python3 tests/e2e/cancel_and_end_e2e.py BUILD/app/halvo-shutdown

Runs only inside the private D-Bus world of private-session.sh, on Xvfb with openbox and trayer.

Cancel: a copy runs hidden in the tray; "--in 1s poweroff" brings the one-minute reminder, which --status
lists; "--cancel" closes it at once. "--in 1s restart" brings it again; "--in 1h lock" arms anew and closes
it. "--in 1s lock" is postponed from its reminder's own button, and "--cancel" drops it. Once the
reminders would have run out, the logind mock has received no request of any kind.

Ending: copies of the program in folders of their own whose settings or schedule cannot be stored (a
folder where the file should be) are ended by SIGTERM and by "Exit" from the tray menu: each is gone
within 5 seconds, with exit status 0 and one line on stderr naming the settings file it could not write (a
schedule the run never loaded nor changed is not written, so its folder says nothing). So is a
copy ended by SIGTERM while its reminder of "--in 1s poweroff" is open, without running it.
Everything started here is stopped at the end.
"""

import os
import re
import signal
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import commandline_e2e as cli  # noqa: E402
import schedule_e2e as e2e  # noqa: E402
from schedule_e2e import check  # noqa: E402

# The reminders must be watched until they would have run out: a run longer than the other scripts'.
e2e.DEADLINE = time.monotonic() + 140
COUNTDOWN_S = 61  # the reminder runs its action on its 61st tick
# The socket is there before the window: the tray icon follows once the window is built, later on a busy
# machine.
TRAY_ICON_S = 25
ENDS_WITHIN_S = 5
SESSION_REQUESTS = ("PowerOff", "Reboot", "Halt", "Suspend", "Hibernate", "HybridSleep", "TerminateSession",
                    "TerminateUser", "KillSession", "KillUser", "LockSession", "LockSessions")


def logind_requests():
    with open(os.environ["HALVO_LOGIND_LOG"]) as f:
        return [line.strip() for line in f if len(line.split()) > 1 and line.split()[1] in SESSION_REQUESTS]


def reminders(world, pid, icons):
    # The tray icon's window carries the same title.
    return set(world.windows("--onlyvisible", "--pid", str(pid), "--name", "^Halvo Shutdown$")) - icons


def status(world):
    code, out, err = cli.run_cli(world, "--status")
    check(code == 0 and err == "", "--status: %d %r" % (code, err))
    return out


def tray_icon(world, process):
    """The visible windows of process once its tray icon is there; a failure says what became of it."""
    try:
        return set(e2e.wait_for("the tray icon", lambda: world.windows("--onlyvisible", "--pid", str(process.pid)),
                                TRAY_ICON_S))
    except e2e.Failure as failure:
        if process.poll() is not None:
            state = "it ended with %d" % process.returncode
        else:
            try:
                with open("/proc/%d/wchan" % process.pid) as f:
                    state = "it runs, waiting in %s" % f.read().strip()
            except OSError as error:
                state = "its state cannot be read: %s" % error
        shown = world.windows("--onlyvisible", "--name", ".")
        # Whether the tray and Qt's icon window exist, and where the icon window hangs in the tree.
        tree = subprocess.run(["xwininfo", "-root", "-tree"], env=world.env, capture_output=True, text=True,
                              timeout=10).stdout
        raise e2e.Failure("%s (%s; %d visible windows on %s); windows:\n%s" %
                          (failure, state, len(shown), world.display, tree))


def wait_for_socket(world, runtime, process):
    path = os.path.join(runtime, "halvo-shutdown.socket")
    e2e.wait_for("the program's socket", lambda: process.poll() is not None or os.path.exists(path), 15)
    check(process.poll() is None, "the program ended at start: %r" % world.output(process.name))


def cancel_during_the_reminder(world):
    world.app = world.start("halvo-shutdown", [world.program], cwd=world.folder)
    world.app.name = "halvo-shutdown"
    wait_for_socket(world, world.env["XDG_RUNTIME_DIR"], world.app)
    pid = world.app.pid
    icons = tray_icon(world, world.app)
    # (what arms the action, what cancels it during its reminder, --status afterwards)
    cases = [
        (["--in", "1s", "poweroff"], ["--cancel"], r"General: nothing armed\nSchedule: no items\n"),
        (["--in", "1s", "restart"], ["--in", "1h", "lock"],
         # An hour from now may be tomorrow: the date shows then.
         # While it waits the computer is kept awake, as the line under it says.
         r"General: (lock the workstation at (\d{4}-\d\d-\d\d )?\d\d:\d\d:\d\d \(in (1 h|59 min)\))\n"
         r"Keeping the computer awake until: \1\nSchedule: no items\n"),
    ]
    last_opened = None
    for arm, cancel, after in cases:
        code, out, err = cli.run_cli(world, *arm)
        check((code, out, err) == (0, "", ""), "%r: %d %r %r" % (arm, code, out, err))
        shown = e2e.wait_for("the reminder of %r" % arm, lambda: reminders(world, pid, icons), 10)
        last_opened = time.monotonic()
        listed = status(world)
        # The General line keeps the action while its reminder counts down.
        match = re.fullmatch(r"General: ((.+) in its reminder, due at (?:\d{4}-\d\d-\d\d )?\d\d:\d\d:\d\d)\n"
                             r"Keeping the computer awake until: \1\n"
                             r"Reminder: \2 in (\d+) s\nSchedule: no items\n", listed)
        check(match and 50 <= int(match.group(3)) <= COUNTDOWN_S, "--status with the reminder open: %r" % listed)
        code, out, err = cli.run_cli(world, *cancel)
        check((code, out, err) == (0, "", ""), "%r: %d %r %r" % (cancel, code, out, err))
        e2e.wait_for("the reminder to close after %r" % cancel, lambda: not shown & reminders(world, pid, icons), 3)
        listed = status(world)
        check(re.fullmatch(after, listed), "--status after %r: %r" % (cancel, listed))
        print("e2e: %s: reminder of '%s' closed by %s" % (" ".join(arm), match.group(1), " ".join(cancel)))

    # "Postpone 10 min" (the second button in the tab order) puts the action off; --cancel drops it.
    code, out, err = cli.run_cli(world, "--in", "1s", "lock")
    check((code, out, err) == (0, "", ""), "--in 1s lock: %d %r %r" % (code, out, err))
    shown = e2e.wait_for("the reminder of --in 1s lock", lambda: reminders(world, pid, icons), 10)
    last_opened = time.monotonic()
    world.xdo("windowactivate", "--sync", sorted(shown)[0], timeout=5)
    time.sleep(0.3)
    world.xdo("key", "Tab", "space")
    e2e.wait_for("the reminder to close after Postpone", lambda: not shown & reminders(world, pid, icons), 3)
    listed = status(world)
    check(re.fullmatch(r"General: nothing armed\nKeeping the computer awake until: (lock the workstation at "
                       r"(\d{4}-\d\d-\d\d )?\d\d:\d\d:\d\d \(in (9|10) min\))\nPostponed: \1\nSchedule: no items\n",
                       listed), "--status after Postpone: %r" % listed)
    code, out, err = cli.run_cli(world, "--cancel")
    check(code == 0, "--cancel of the postponed action: %d %r" % (code, err))
    listed = status(world)
    check(listed == "General: nothing armed\nSchedule: no items\n", "--status after its --cancel: %r" % listed)
    print("e2e: --in 1s lock: postponed from its reminder, then dropped by --cancel")
    return last_opened


def copy_in_own_folder(world, name, settings=None, schedule_folder=False):
    """A program folder (with its settings file, or a folder in its place) and a runtime folder of its own."""
    base = os.path.join(world.folder, name)
    app_dir = os.path.join(base, "app")
    runtime = os.path.join(base, "run")
    os.makedirs(app_dir)
    os.makedirs(runtime, mode=0o700)
    os.link(world.program, os.path.join(app_dir, "halvo-shutdown"))
    if settings is None:
        os.makedirs(os.path.join(app_dir, "setting.ini"))
    else:
        with open(os.path.join(app_dir, "setting.ini"), "w") as f:
            f.write(settings)
    if schedule_folder:
        os.makedirs(os.path.join(app_dir, "sch.cks"))
    return app_dir, dict(world.env, XDG_RUNTIME_DIR=runtime)


def exit_from_the_tray(world, process):
    icons = tray_icon(world, process)
    icon = min(icons, key=lambda w: world.geometry(w)[2] * world.geometry(w)[3])
    before = set(icons)
    world.xdo("mousemove", "--window", icon, "4", "4", "click", "3")
    e2e.wait_for("the tray menu",
                 lambda: set(world.windows("--onlyvisible", "--pid", str(process.pid))) - before, 5)
    time.sleep(0.2)
    world.xdo("key", "Up", "Up", "Return")  # "Exit", the last but one item


def sigterm(world, process):
    os.kill(process.pid, signal.SIGTERM)


def ending_without_waiting(world):
    # (name, settings file (None: a folder in its place), sch.cks a folder, a request first, how it is
    # ended, its one line on stderr or None). A schedule this run never loaded nor changed is not written
    # at the end, whether or not its window was shown: nothing to keep, nothing to say.
    cases = [
        ("settings-sigterm", None, False, None, sigterm,
         r"halvo-shutdown: Unable to write to {app}/setting\.ini(: .+)?"),
        ("settings-exit", None, False, None, exit_from_the_tray,
         r"halvo-shutdown: Unable to write to {app}/setting\.ini(: .+)?"),
        ("schedule-sigterm", "[setting]\nSetting_AutoSave=1\n", True, ["--show"], sigterm, None),
        # The reminder waits for a person; the end does not, and the action does not run.
        ("reminder-sigterm", "[setting]\n", False, ["--in", "1s", "poweroff"], sigterm, None),
    ]
    for name, settings, schedule_folder, request, end, line in cases:
        app_dir, env = copy_in_own_folder(world, name, settings, schedule_folder)
        program = os.path.join(app_dir, "halvo-shutdown")
        process = world.start(name, [program], env=env, cwd=app_dir)
        process.name = name
        wait_for_socket(world, env["XDG_RUNTIME_DIR"], process)
        icons = tray_icon(world, process)
        if request:
            done = subprocess.run([program, *request], env=env, capture_output=True, timeout=10)
            check(done.returncode == 0, "%s: %r: %r" % (name, request, done.stderr))
        if request and request[0] == "--in":
            e2e.wait_for("%s: the reminder" % name, lambda: reminders(world, process.pid, icons), 10)
        else:
            time.sleep(1)  # past its start, whatever it shows there
        asked = time.monotonic()
        end(world, process)
        try:
            process.wait(timeout=ENDS_WITHIN_S + 0.5)
        except subprocess.TimeoutExpired:
            pass
        took = time.monotonic() - asked
        output = world.output(name)
        check(process.poll() is not None and took <= ENDS_WITHIN_S,
              "%s: still running %.1f s after it was asked to end: %r" % (name, took, output))
        check(process.returncode == 0, "%s: ended with %d: %r" % (name, process.returncode, output))
        lines = [text for text in output.splitlines() if text.startswith("halvo-shutdown:")]
        if line is None:
            check(not lines, "%s: its output: %r" % (name, output))
        else:
            expected = re.compile(line.format(app=re.escape(app_dir)))
            check(len(lines) == 1 and expected.fullmatch(lines[0]), "%s: its output: %r" % (name, output))
        print("e2e: %s ended after %.1f s: %s" % (name, took, lines[0] if lines else "nothing on stderr"))


def run(world):
    world.start_display()
    last_opened = cancel_during_the_reminder(world)
    ending_without_waiting(world)
    # The cancelled reminders would have run out by now: nothing reached logind, then or since.
    e2e.wait_for("the reminders' time to run out", lambda: time.monotonic() - last_opened > COUNTDOWN_S + 3,
                 COUNTDOWN_S + 5, interval=0.5)
    check(not logind_requests(), "logind was asked: %r" % logind_requests())
    check(world.app.poll() is None, "the copy ended: %r" % world.output("halvo-shutdown"))


def main():
    refused = e2e.not_in_private_session(__doc__)
    if refused is not None:
        return refused
    return e2e.run_in_world(run)


if __name__ == "__main__":
    sys.exit(main())
