#!/usr/bin/python3
"""While an action waits the computer is kept awake, and let go the moment nothing waits.

    tests/helpers/private-session.sh /usr/bin/python3 tests/e2e/awake_e2e.py BUILD/app/halvo-shutdown

Runs only inside the private D-Bus world of private-session.sh, on Xvfb with openbox and trayer.

A mock GNOME session manager runs on the session bus. "--in 2h lock" takes logind's inhibitor (listed by the
logind mock as "idle", "Halvo Shutdown", the text --status gives the action, "block") and GNOME's (app
"halvo-shutdown", the same reason, the flag for suspending); --status says "Keeping the computer awake until:
..." and "--cancel" closes the inhibitor's file descriptor (the mock drops it) and gives GNOME's cookie back.
A condition (the end of a process the test started) holds it while armed and through the reminder it fired,
until "--cancel". With GNOME's manager gone, org.freedesktop.PowerManagement takes the desktop's share. A copy
whose setting.ini turns the option off takes nothing.
"""

import os
import re
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import commandline_e2e as cli  # noqa: E402
import schedule_e2e as e2e  # noqa: E402
from schedule_e2e import check  # noqa: E402

e2e.DEADLINE = time.monotonic() + 110
GNOME_COOKIE = 42
PM_COOKIE = 7
AWAKE = "Keeping the computer awake until: "


def bus_call(dest, path, method, *args):
    done = subprocess.run(["/usr/bin/dbus-send", "--session", "--print-reply", "--dest=" + dest, path, method,
                           *args], capture_output=True, text=True, timeout=10)
    check(done.returncode == 0, "%s %s: %s" % (dest, method, done.stderr))
    return done.stdout


def inhibitors():
    """logind's inhibitors as (what, who, why, mode)."""
    out = subprocess.run(["/usr/bin/dbus-send", "--system", "--print-reply", "--dest=org.freedesktop.login1",
                          "/org/freedesktop/login1", "org.freedesktop.login1.Manager.ListInhibitors"],
                         capture_output=True, text=True, timeout=10, check=True).stdout
    texts = re.findall(r'^\s*string "(.*)"$', out, re.M)
    return [tuple(texts[i:i + 4]) for i in range(0, len(texts), 4)]


def desktop_mock(world, name, path, interface, log, methods):
    process = world.start(name, ["/usr/bin/python3", "-m", "dbusmock", "--session", name, path, interface,
                                 "-l", log])
    e2e.wait_for(name, lambda: subprocess.run(["/usr/bin/dbus-send", "--session", "--print-reply",
                                               "--dest=org.freedesktop.DBus", "/org/freedesktop/DBus",
                                               "org.freedesktop.DBus.NameHasOwner", "string:" + name],
                                              capture_output=True, text=True).stdout.find("true") >= 0, 15)
    for method, signature, out, code in methods:
        bus_call(name, path, "org.freedesktop.DBus.Mock.AddMethod", "string:" + interface, "string:" + method,
                 "string:" + signature, "string:" + out, "string:" + code)
    return process


def calls(log, method):
    with open(log) as f:
        return [(line.split(None, 2) + [""])[2].strip() for line in f
                if len(line.split()) > 1 and line.split()[1] == method]


def general_text(world):
    out = status(world)
    line = out.splitlines()[0]
    check(line.startswith("General: "), "--status: %r" % out)
    return line[len("General: "):], out


def status(world):
    code, out, err = cli.run_cli(world, "--status")
    check(code == 0 and err == "", "--status: %d %r" % (code, err))
    return out


def ask(world, *args):
    code, out, err = cli.run_cli(world, *args)
    check(code == 0 and err == "", "%r: %d %r %r" % (args, code, out, err))


def run(world):
    world.start_display()
    folder = os.environ["HALVO_PRIVATE_SESSION_DIR"]
    gnome_log = os.path.join(folder, "gnome.log")
    gnome = desktop_mock(world, "org.gnome.SessionManager", "/org/gnome/SessionManager",
                         "org.gnome.SessionManager", gnome_log,
                         [("Inhibit", "susu", "u", "ret = %d" % GNOME_COOKIE), ("Uninhibit", "u", "", "")])
    check(inhibitors() == [], "logind holds inhibitors before the start: %r" % inhibitors())
    world.start_program()

    # After: the hold is taken with the text --status gives the action, and let go by --cancel.
    ask(world, "--in", "2h", "lock")
    why, out = general_text(world)
    expected = [("idle", "Halvo Shutdown", why, "block")]
    try:
        e2e.wait_for("logind's inhibitor", lambda: inhibitors() == expected, 10)
    except e2e.Failure:
        raise e2e.Failure("logind holds %r, not %r" % (inhibitors(), expected))
    e2e.wait_for("GNOME's inhibitor", lambda: calls(gnome_log, "Inhibit"), 10)
    check(calls(gnome_log, "Inhibit") == ['"halvo-shutdown" 0 "%s" 4' % why],
          "GNOME's inhibitor: %r" % calls(gnome_log, "Inhibit"))
    awake = [line for line in out.splitlines() if line.startswith(AWAKE)]
    check(awake == [AWAKE + why], "--status: %r" % out)
    ask(world, "--cancel")
    e2e.wait_for("the inhibitor's descriptor closed", lambda: inhibitors() == [], 10)
    e2e.wait_for("GNOME's cookie given back", lambda: calls(gnome_log, "Uninhibit") == ["%d" % GNOME_COOKIE], 10)
    check(AWAKE not in status(world), "--status after --cancel")

    # A condition: held while armed, through the reminder it fired, until it is cancelled.
    sleeper = world.start("sleeper", ["sleep", "300"])
    ask(world, "--when", "exit:%d" % sleeper.pid, "lock")
    e2e.wait_for("the hold for the condition", lambda: len(inhibitors()) == 1, 10)
    sleeper.kill()
    sleeper.wait()
    e2e.wait_for("the reminder", lambda: "Reminder: " in status(world), 20)
    check(len(inhibitors()) == 1, "the reminder lets the hold go: %r" % inhibitors())
    ask(world, "--cancel")
    e2e.wait_for("the hold let go after the reminder", lambda: inhibitors() == [], 10)

    # Without GNOME's manager the PowerManagement service holds the desktop's share.
    gnome.terminate()
    gnome.wait()
    pm_log = os.path.join(folder, "pm.log")
    desktop_mock(world, "org.freedesktop.PowerManagement", "/org/freedesktop/PowerManagement/Inhibit",
                 "org.freedesktop.PowerManagement.Inhibit", pm_log,
                 [("Inhibit", "ss", "u", "ret = %d" % PM_COOKIE), ("UnInhibit", "u", "", "")])
    ask(world, "--in", "1h", "lock")
    why, _ = general_text(world)
    e2e.wait_for("PowerManagement's inhibitor", lambda: calls(pm_log, "Inhibit"), 10)
    check(calls(pm_log, "Inhibit") == ['"Halvo Shutdown" "%s"' % why], "PowerManagement: %r" % calls(pm_log, "Inhibit"))
    ask(world, "--cancel")
    e2e.wait_for("PowerManagement's cookie given back", lambda: calls(pm_log, "UnInhibit") == ["%d" % PM_COOKIE], 10)
    e2e.wait_for("logind let go", lambda: inhibitors() == [], 10)

    # The option off: nothing is taken.
    world.app.terminate()
    world.app.wait(10)
    with open(os.path.join(world.app_dir, "setting.ini"), "w") as f:
        f.write("[setting]\nSetting_KeepAwake=0\n")
    world.start_program()
    ask(world, "--in", "2h", "lock")
    time.sleep(1)
    check(inhibitors() == [] and len(calls(pm_log, "Inhibit")) == 1, "the option off took a hold")
    check(AWAKE not in status(world), "--status with the option off")
    ask(world, "--cancel")
    print("e2e: held for %r" % why)


def main():
    status_code = e2e.refused(__doc__, ("Xvfb", "openbox", "trayer", "xdotool"))
    if status_code is not None:
        return status_code
    return e2e.run_in_world(run)


if __name__ == "__main__":
    sys.exit(main())
