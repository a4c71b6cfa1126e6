#!/usr/bin/python3
"""The countdown bar of the real program on a private desktop, and its saved quick actions.

    tests/helpers/private-session.sh /usr/bin/python3 tests/e2e/countdown_bar_e2e.py BUILD/app/halvo-shutdown

Runs only inside the private D-Bus world of private-session.sh, on Xvfb with openbox and trayer. The
program starts with a setting.ini that turns the bar on at the top of the screen and holds two saved quick
actions between two damaged entries. "--status" lists the two; "--in 2m lock" shows the bar across the
screen's top edge, a few pixels high; a minute later it is about half as wide; the pointer on it brings its
tooltip (a screenshot of the top of the screen is kept as countdown-bar.png); "--cancel" takes it away.
"--quick" arms a saved action, which "--status" then shows, and an unknown name is refused. The program,
ended by SIGTERM, leaves the quick actions' section of setting.ini exactly as it was. Nothing is locked:
the run cancels before the moment comes.
"""

import os
import shutil
import signal
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import schedule_e2e as e2e  # noqa: E402  (the desktop and its helpers)
from schedule_e2e import check, wait_for  # noqa: E402

e2e.DEADLINE = time.monotonic() + 140
BAR_TITLE = "^Halvo Shutdown countdown$"
QUICK = (b'[quick]\nName1="Lock soon"\nAction1=in 120 lock\nName2=\nAction2=in soon lock\n'
         b'Name3="Bedtime"\nAction3=at 22:30:00 poweroff\nName4="Broken"\nAction4=when idle:0m lock\n')
SETTINGS = b"[setting]\nSetting_AutoStartup=0\nSetting_AutoSave=0\nSetting_Remind=0\nSetting_CountdownBar=1\n" + QUICK


def cli(world, *args):
    done = subprocess.run([world.program, *args], env=world.env, capture_output=True, text=True,
                          timeout=min(20, e2e.remaining()))
    return done.returncode, done.stdout.strip(), done.stderr.strip()


def bars(world):
    return world.windows("--onlyvisible", "--name", BAR_TITLE)


def run(world):
    world.start_display()
    width, height = e2e.SCREEN
    settings = os.path.join(world.app_dir, "setting.ini")
    with open(settings, "wb") as f:
        f.write(SETTINGS)
    world.app = world.start("halvo-shutdown", [world.program], cwd=world.folder)
    wait_for("the program's tray icon", world.program_windows, 10)
    check(not bars(world), "a bar shows with nothing armed")

    code, out, err = cli(world, "--status")
    check(code == 0, "--status: %d %s" % (code, err))
    quick_lines = [line for line in out.splitlines() if line.startswith("Quick action")]
    check(quick_lines == ["Quick action 'Lock soon': --in 2m lock", "Quick action 'Bedtime': --at 22:30 poweroff"],
          "--status lists %r" % quick_lines)

    code, out, err = cli(world, "--in", "2m", "lock")
    check(code == 0, "--in 2m lock: %d %s" % (code, err))
    armed = time.monotonic()
    bar = wait_for("the countdown bar", lambda: bars(world), 5)[0]
    x, y, w, h = world.geometry(bar)
    check((x, y) == (0, 0) and 2 <= h <= 8, "the bar lies at %d,%d and is %d pixels high" % (x, y, h))
    check(w >= width * 0.95, "the bar starts %d pixels wide of %d" % (w, width))

    wait_for("a minute after arming", lambda: time.monotonic() - armed >= 60, 65, interval=0.5)
    time.sleep(0.6)  # one more look of the bar
    x, y, w, h = world.geometry(bar)
    half = w / width
    check(0.42 <= half <= 0.55, "after a minute the bar is %d of %d pixels wide (%.2f)" % (w, width, half))
    before = world.program_windows()
    world.xdo("mousemove", "200", "1")
    tip = wait_for("the bar's tooltip", lambda: world.program_windows() - before, 5)
    shot = world.screenshot("countdown-bar-screen")
    crop = os.path.join(os.getcwd(), "countdown-bar.png")
    subprocess.run(["convert", shot, "-crop", "%dx110+0+0" % width, "+repage", crop], capture_output=True,
                   timeout=10)
    world.xdo("mousemove", "500", "400")

    code, out, err = cli(world, "--cancel")
    check(code == 0, "--cancel: %d %s" % (code, err))
    wait_for("the bar to go", lambda: not bars(world), 5)

    code, out, err = cli(world, "--quick", "Nobody")
    check(code == 1 and err.endswith("no quick action named 'Nobody'"), "--quick Nobody: %d %r" % (code, err))
    code, out, err = cli(world, "--quick", "Bedtime")
    check(code == 0, "--quick Bedtime: %d %s" % (code, err))
    code, out, err = cli(world, "--status")
    general = out.splitlines()[0] if out else ""
    check(general.startswith("General: turn off the computer at 22:30:00"), "after --quick: %r" % general)
    bar = wait_for("the bar of the At action", lambda: bars(world), 5)[0]
    check(world.geometry(bar)[2] >= width * 0.95, "the At action's bar starts full")
    cli(world, "--cancel")

    world.app.send_signal(signal.SIGTERM)
    world.app.wait(timeout=10)
    with open(settings, "rb") as f:
        stored = f.read()
    check(stored.endswith(QUICK) or QUICK in stored, "the quick actions' section changed:\n%r" % stored)
    print("e2e: countdown bar %d px high, %.2f of the width after a minute, tooltip window %s; screenshot %s" %
          (h, half, sorted(tip), crop))


def main():
    status = e2e.refused(__doc__, ("Xvfb", "openbox", "trayer", "xdotool", "xprop", "import", "convert"))
    if status is not None:
        return status
    return e2e.run_in_world(run, "countdown_bar")


if __name__ == "__main__":
    sys.exit(main())
