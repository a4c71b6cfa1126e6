#!/usr/bin/python3
"""The Windows installer under Wine, in a prefix of its own: a silent install puts the program, its help,
the licences, the Start-menu entry and the uninstall entry of Apps & features in place, and the installed
program starts (a second start hands over to the running copy and ends with 0); a silent uninstall
removes them again, and the Run value of the installed copy with them.

    installer_test.py halvo-shutdown-VERSION-setup.exe
"""

import os
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from wineworld import WINE, WINESERVER, Failure, WineWorld, run_in, tools_missing  # noqa: E402

UNINSTALL_KEY = r"HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\HalvoShutdown"
RUN_KEY = r"HKCU\Software\Microsoft\Windows\CurrentVersion\Run"
FILES = ["halvo-shutdown.exe", "AppHelp.html", "LICENSE.txt", "NOTICE.txt", "uninstall.exe",
         "licenses/LGPL-3.0-only.txt", "licenses/GPL-3.0-only.txt", "licenses/qt6-base-copyright.txt"]


def check(condition, message):
    if not condition:
        raise Failure(message)


def run(world, setup):
    world.make_prefix()
    drive_c = os.path.join(world.prefix, "drive_c")
    installed = os.path.join(drive_c, "Program Files", "Halvo Shutdown")
    shortcut = os.path.join(drive_c, "ProgramData", "Microsoft", "Windows", "Start Menu", "Programs",
                            "Halvo Shutdown.lnk")
    world.start_display(window_manager=False)

    done = world.run([WINE, setup, "/S"], timeout=60, check=False)
    check(done.returncode == 0, "the installer ended with %d" % done.returncode)
    world.run([WINESERVER, "-w"], timeout=30)
    for name in FILES:
        check(os.path.isfile(os.path.join(installed, name)), "not installed: " + name)
    check(os.path.isfile(shortcut), "no Start-menu entry")
    folder = r"C:\Program Files\Halvo Shutdown"
    expected = {
        "DisplayName": "Halvo Shutdown",
        "DisplayVersion": "2.01",
        "Publisher": "The Halvo Shutdown developers",
        "InstallLocation": folder,
        "UninstallString": '"%s\\uninstall.exe"' % folder,
        "QuietUninstallString": '"%s\\uninstall.exe" /S' % folder,
        "DisplayIcon": '"%s\\halvo-shutdown.exe",0' % folder,
    }
    for value, data in expected.items():
        got = world.reg_query(UNINSTALL_KEY, value)
        check(got == data, "uninstall entry %s: %r, not %r" % (value, got, data))

    # The installed program starts; a second start finds it running, asks it to show itself and ends.
    exe = folder + r"\halvo-shutdown.exe"
    app = world.start("halvo-shutdown", [WINE, exe], cwd=world.folder)
    time.sleep(3)
    check(app.poll() is None, "the installed program ended at once: %s" % world.output("halvo-shutdown"))
    second = world.run([WINE, exe], timeout=30, check=False)
    check(second.returncode == 0, "the second start ended with %d" % second.returncode)
    world.wait_for("the installed program's window", lambda: world.windows("--name", "^Halvo ShutDown$"), 20)
    check(app.poll() is None, "the installed program ended")
    world.screenshot("installed")
    # The user ticked "auto startup" in this copy: its Run value names the installed program.
    world.run([WINE, "reg", "add", RUN_KEY, "/v", "Halvo Shutdown", "/d", '"%s"' % exe, "/f"])
    world.run([WINESERVER, "-k"], timeout=20, check=False)
    app.wait(timeout=10)

    done = world.run([WINE, os.path.join(installed, "uninstall.exe"), "/S"], timeout=60, check=False)
    check(done.returncode == 0, "the uninstaller ended with %d" % done.returncode)
    # The uninstaller runs from a copy of itself in the temporary folder: wait for it.
    world.run([WINESERVER, "-w"], timeout=60)
    for name in FILES:
        check(not os.path.exists(os.path.join(installed, name)), "left after the uninstall: " + name)
    # Under Wine the folder is writable, so the program kept its settings beside itself; a user's files
    # stay, everything installed goes.
    left = sorted(os.listdir(installed)) if os.path.isdir(installed) else []
    check(set(left) <= {"setting.ini", "sch.cks"}, "left in the folder: %r" % left)
    check(not os.path.exists(shortcut), "the Start-menu entry is left")
    check(world.reg_query(UNINSTALL_KEY, "DisplayName") is None, "the uninstall entry is left")
    check(world.reg_query(RUN_KEY, "Halvo Shutdown") is None, "the Run value is left")
    print("installer: %s, %d bytes; installed, started, uninstalled" % (os.path.basename(setup),
                                                                       os.path.getsize(setup)))


def main():
    if len(sys.argv) != 2:
        print(__doc__.strip(), file=sys.stderr)
        return 2
    if tools_missing("installer", ("Xvfb", "xdotool", "import", WINE, WINESERVER)):
        return 1
    setup = os.path.abspath(sys.argv[1])
    return run_in(WineWorld(budget=170), lambda world: run(world, setup), "installer", "installer-failure")


if __name__ == "__main__":
    sys.exit(main())
