#!/usr/bin/python3
"""End-to-end run of "close all programs" on Wayland desktops: the real program against KWin and sway.

    tests/helpers/private-session.sh /usr/bin/python3 tests/e2e/wayland_closeall_e2e.py \\
        BUILD/app/halvo-shutdown [--screenshots FOLDER]

Runs only inside the private D-Bus world of private-session.sh. On each compositor in turn (headless KWin,
a copy of kwin_wayland --virtual on that bus; then headless sway) with its XWayland, clients of the test's
own, the helpers of the Wayland window tests (BUILD/tests/linux): Alpha and Bravo as Wayland clients and
Xray as an X11 client through XWayland, plus Delta, whose single window lies under all the others. Alpha
shows a window at the bottom (above Delta's) and one on top, so the list, topmost first, reads Alpha,
Xray, Bravo, Alpha, Delta. A portable copy of the program runs in the tray (--tray) in a folder of its
own, with its own HOME, XDG_CONFIG_HOME and XDG_RUNTIME_DIR, on the compositor's session; QT_QPA_PLATFORM
is left unset, so it takes XWayland as it does on a real desktop.

Before anything is ended, the test asks the compositor itself for every window it has and their process
ids (KWin through a script of the test's own, sway over its socket): each must be one of the test's
processes, so the program could not end anything of this machine. Then "halvo-shutdown --now closeall"
goes to the running copy; Alpha, Bravo and Xray must end by SIGKILL, and Delta (the run at the end of the
list, which close-all passes over), the compositor, its XWayland, the program, the private buses and the
mocks must all still run, with only Delta's window left; "--status" still answers "General: nothing armed"
with no schedule items, and logind was asked for nothing.

sway will not run as root, and its XWayland lets in only the user it runs for: sway, the clients and the
program run as nobody (setpriv), so the program could end no process but nobody's. nobody cannot reach
the bus of the test's private-session.sh: sway runs inside a private-session.sh of nobody's own, whose bus
and logind mock the program on sway uses. Without root sway is left out, and says why.

Then, on each, the program's own windows: the reminder ("--in 1s lock", cancelled right after) and the
notification popup (a "Message" schedule item a few seconds after the start of a second run on a faked
clock), which must sit at the bottom right of the compositor's screen. The whole screen is taken each time
(KWin's ScreenShot2 service, its permission check off in the test's copy of KWin; grim on sway); with
--screenshots FOLDER the pictures are kept as FOLDER/wayland-<compositor>-reminder.png and -popup.png.
Everything started here is stopped at the end; the whole run stays under 100 seconds.
"""

import ctypes
import json
import os
import select
import shutil
import signal
import socket
import struct
import subprocess
import sys
import time
import zlib

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "helpers"))
import xworld  # noqa: E402
from schedule_record import MESSAGE as MESSAGE_CODE, daily_item, task  # noqa: E402
from xworld import Failure  # noqa: E402

DEADLINE = time.monotonic() + 100
KWIN = "/usr/bin/kwin_wayland"
PRIVATE_SESSION = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "helpers", "private-session.sh")
FAKETIME_LIBRARY = "/usr/lib/x86_64-linux-gnu/faketime/libfaketimeMT.so.1"
ENDING = ("PowerOff", "Reboot", "Halt", "Suspend", "Hibernate", "HybridSleep", "TerminateSession",
          "TerminateUser", "KillSession", "KillUser", "LockSession", "LockSessions")
NOBODY = 65534
IDLE_STATUS = "General: nothing armed\nSchedule: no items\n"


def wait_for(what, predicate, timeout, interval=0.05):
    return xworld.wait_for(DEADLINE, what, predicate, timeout, interval)


def check(condition, message):
    if not condition:
        raise Failure(message)


def alive(pid):
    """True while the process runs (a zombie has ended)."""
    try:
        with open("/proc/%d/stat" % pid) as f:
            return f.read().rsplit(")", 1)[1].split()[0] != "Z"
    except OSError:
        return False


def children_of(parent):
    """The process ids whose parent is parent, read from /proc."""
    found = []
    for name in os.listdir("/proc"):
        if name.isdigit():
            try:
                with open("/proc/%s/stat" % name) as f:
                    if int(f.read().rsplit(")", 1)[1].split()[1]) == parent:
                        found.append(int(name))
            except (OSError, ValueError, IndexError):
                pass
    return found


def descendants_of(parent):
    found, todo = [], [parent]
    while todo:
        for child in children_of(todo.pop()):
            found.append(child)
            todo.append(child)
    return found


def reap_orphans():
    """Waits for the orphans handed to the test as their subreaper (sway's XWayland and the scripts it
    starts), once every process started here has been waited for."""
    while True:
        try:
            pid, _ = os.waitpid(-1, os.WNOHANG)
        except ChildProcessError:
            return
        if pid == 0:
            return


def xwayland_of(display):
    """The Xwayland processes serving display (wlroots starts it in a process of its own, not a child)."""
    found = []
    for name in os.listdir("/proc"):
        if name.isdigit():
            try:
                with open("/proc/%s/cmdline" % name, "rb") as f:
                    argv = f.read().split(b"\0")
            except OSError:
                continue
            if os.path.basename(argv[0]) == b"Xwayland" and display.encode() in argv:
                found.append(int(name))
    return found


class Client:
    """One window helper, spoken to a line at a time over its standard input and output."""

    def __init__(self, world, name, args, env):
        self.name = name
        log = open(os.path.join(world.folder, name + ".log"), "wb")
        self.process = subprocess.Popen(args, env=env, stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                        stderr=log)
        log.close()
        world.started.append((name, self.process))
        self.buffer = b""

    @property
    def pid(self):
        return self.process.pid

    def ask(self, line, timeout=15):
        self.process.stdin.write(line.encode() + b"\n")
        self.process.stdin.flush()
        end = time.monotonic() + min(timeout, xworld.left(DEADLINE))
        while b"\n" not in self.buffer:
            ready, _, _ = select.select([self.process.stdout], [], [], max(0.0, end - time.monotonic()))
            if not ready:
                raise Failure("%s did not answer %r" % (self.name, line))
            chunk = os.read(self.process.stdout.fileno(), 256)
            if not chunk:
                raise Failure("%s ended on %r" % (self.name, line))
            self.buffer += chunk
        answer, _, self.buffer = self.buffer.partition(b"\n")
        answer = answer.decode().strip()
        if not answer or answer.startswith("error"):
            raise Failure("%s answered %r to %r" % (self.name, answer, line))
        # One window after the other, so each comes on top of the one before.
        time.sleep(0.3)
        return answer


class World(xworld.XWorld):
    def __init__(self, program, compositor="KWin"):
        super().__init__(DEADLINE, "halvo-wl-e2e.", "e2e-wayland-")
        self.compositor = compositor
        # sway will not run as root: it, its clients and the program run as nobody, who must reach into
        # the run's folder (only to pass through it) and own the folders it writes to.
        self.user_prefix = []
        if compositor == "sway":
            os.chmod(self.folder, 0o711)
            self.user_prefix = ["/usr/bin/setpriv", "--reuid=%d" % NOBODY, "--regid=%d" % NOBODY,
                                "--clear-groups"]
        build = os.path.dirname(os.path.dirname(os.path.abspath(program)))
        self.wayland_helper = os.path.join(build, "tests", "linux", "linux_wayland_window_helper")
        self.x11_helper = os.path.join(build, "tests", "linux", "linux_x11_window_helper")
        for helper in (self.wayland_helper, self.x11_helper):
            if not os.access(helper, os.X_OK):
                raise Failure("%s is missing: build the linux_wayland_tests target" % helper)
        # Neither this machine's display nor its desktop: only the private bus of private-session.sh.
        for name in ("DISPLAY", "WAYLAND_DISPLAY", "SWAYSOCK", "XDG_CURRENT_DESKTOP", "XDG_SESSION_TYPE",
                     "QT_QPA_PLATFORM", "QT_QPA_PLATFORMTHEME", "KDE_FULL_SESSION", "DESKTOP_SESSION"):
            self.env.pop(name, None)
        self.env["LC_ALL"] = "C"
        self.kwin = None
        self.sway = None
        self.runtime = os.path.join(self.folder, "kwin-runtime")  # the compositor's, its clients' too
        self.app = None
        self.program = None
        self.copy_program(program, "app")

    def copy_program(self, program, name):
        """A portable copy in a folder of its own, with its own home, settings and runtime folders."""
        base = os.path.join(self.folder, name)
        self.app_dir = os.path.join(base, "bin")
        os.makedirs(self.app_dir)
        self.program = os.path.join(self.app_dir, "halvo-shutdown")
        shutil.copy2(program, self.program)
        self.app_env = dict(self.env)
        for variable, sub in (("HOME", "home"), ("XDG_CONFIG_HOME", "config"), ("XDG_RUNTIME_DIR", "run"),
                              ("TMPDIR", "tmp")):
            path = os.path.join(base, sub)
            os.makedirs(path, mode=0o700)
            self.app_env[variable] = path
        if self.user_prefix:
            for root, folders, files in os.walk(base):
                for name in [root] + [os.path.join(root, f) for f in folders + files]:
                    os.chown(name, NOBODY, NOBODY)
            os.chmod(base, 0o755)

    def nobody_folder(self, name):
        path = os.path.join(self.folder, name)
        os.makedirs(path, mode=0o700)
        os.chown(path, NOBODY, NOBODY)
        return path

    # ---- KWin

    def bus_name_owned(self, name):
        done = subprocess.run(["dbus-send", "--session", "--print-reply=literal", "--dest=org.freedesktop.DBus",
                               "/org/freedesktop/DBus", "org.freedesktop.DBus.NameHasOwner", "string:" + name],
                              env=self.env, capture_output=True, text=True, timeout=5)
        return "true" in done.stdout

    def start_kwin(self):
        check(not self.bus_name_owned("org.kde.KWin"), "org.kde.KWin is owned on the private bus already")
        if not os.path.isdir("/tmp/.X11-unix"):  # XWayland's socket folder; a container may lack it
            os.mkdir("/tmp/.X11-unix")
            os.chmod("/tmp/.X11-unix", 0o1777)
        os.makedirs(self.runtime, mode=0o700)
        # kwin_wayland carries a file capability that a container will not exec: a plain copy runs.
        kwin = os.path.join(self.folder, "kwin_wayland")
        shutil.copyfile(KWIN, kwin)
        os.chmod(kwin, 0o755)
        reporter, report = self.session_reporter(self.folder)
        env = dict(self.env, XDG_RUNTIME_DIR=self.runtime, HOME=os.path.join(self.folder, "kwin-home"),
                   XDG_CONFIG_HOME=os.path.join(self.folder, "kwin-config"),
                   XDG_DATA_HOME=os.path.join(self.folder, "kwin-data"),
                   QT_LOGGING_RULES="kwin_scripting.debug=true", KWIN_SCREENSHOT_NO_PERMISSION_CHECKS="1")
        self.kwin = self.start("kwin", [kwin, "--virtual", "--no-lockscreen", "--xwayland", "--socket",
                                        "halvo-e2e-%d" % os.getpid(), "--width", "1024", "--height", "768",
                                        reporter], env=env)
        self.wait_for_session(self.kwin, "kwin", report)
        wait_for("org.kde.KWin on the private bus", lambda: self.bus_name_owned("org.kde.KWin"), 10)

    # ---- sway, headless, as nobody, inside a private-session.sh of nobody's own (nobody cannot reach the bus of
    # the test's)

    def start_sway(self):
        if not os.path.isdir("/tmp/.X11-unix"):
            os.mkdir("/tmp/.X11-unix")
            os.chmod("/tmp/.X11-unix", 0o1777)
        self.runtime = self.nobody_folder("sway-runtime")
        reporter, report = self.session_reporter(self.nobody_folder("reports"))
        config = os.path.join(self.folder, "sway-config")
        with open(config, "w") as f:
            f.write("xwayland force\nexec %s\n" % reporter)
        os.chmod(config, 0o644)
        self.sway_socket = os.path.join(self.runtime, "sway-ipc.sock")
        env = dict(self.env, XDG_RUNTIME_DIR=self.runtime, HOME=self.runtime, SWAYSOCK=self.sway_socket,
                   TMPDIR=self.nobody_folder("bus"), WLR_BACKENDS="headless", WLR_RENDERER="pixman",
                   WLR_LIBINPUT_NO_DEVICES="1")
        self.sway = self.start("sway", self.user_prefix + [PRIVATE_SESSION, "/usr/bin/sway", "-c", config], env=env)
        self.wait_for_session(self.sway, "sway", report)
        wait_for("sway's socket", lambda: os.path.exists(self.sway_socket), 10)

    # ---- either compositor's session

    def session_reporter(self, folder):
        """A script the compositor starts once it is up, and the file in folder where it writes what it was
        given: the Wayland display, XWayland's display, the private bus and its logind mock's log."""
        report = os.path.join(folder, "session")
        reporter = os.path.join(self.folder, "report-session.sh")
        with open(reporter, "w") as f:
            f.write('#!/bin/sh\nprintf "%%s\\n" "$WAYLAND_DISPLAY" "$DISPLAY" "$DBUS_SESSION_BUS_ADDRESS" '
                    '"$HALVO_LOGIND_LOG" > %s.new && mv %s.new %s\n' % (report, report, report))
        os.chmod(reporter, 0o755)
        return reporter, report

    def wait_for_session(self, compositor, name, report):
        def reported():
            check(compositor.poll() is None, "%s ended at start:\n%s" % (name, self.output(name)[-2000:]))
            try:
                with open(report) as f:
                    lines = f.read().splitlines()
            except OSError:
                return None
            return lines if len(lines) == 4 and all(lines) else None
        self.wayland_display, self.display, self.bus_address, self.logind_log = wait_for(
            "%s and its XWayland" % name, reported, 30)

    def sway_tree(self):
        with socket.socket(socket.AF_UNIX, socket.SOCK_STREAM) as ipc:
            ipc.settimeout(5)
            ipc.connect(self.sway_socket)
            ipc.sendall(b"i3-ipc" + struct.pack("=II", 0, 4))  # GET_TREE
            data = b""
            while len(data) < 14 or len(data) < 14 + struct.unpack("=I", data[6:10])[0]:
                chunk = ipc.recv(65536)
                if not chunk:
                    raise Failure("sway's socket closed")
                data += chunk
        return json.loads(data[14:14 + struct.unpack("=I", data[6:10])[0]])

    def sway_window_pids(self):
        windows, todo = [], [self.sway_tree()]
        while todo:
            node = todo.pop()
            if node.get("pid"):
                windows.append((node["pid"], node.get("name") or ""))
            todo.extend(node.get("nodes", []) + node.get("floating_nodes", []))
        return windows

    # ---- what the test asks of either

    def start_compositor(self):
        self.start_kwin() if self.compositor == "KWin" else self.start_sway()
        self.xwayland = wait_for("XWayland's process", lambda: xwayland_of(self.display), 10)

    def stop(self):
        """Everything started here, and the XWayland the compositor started (sway's is no child of it):
        it ends with its compositor, or is ended here."""
        xwayland = getattr(self, "xwayland", [])
        super().stop()
        end = time.monotonic() + 5
        while time.monotonic() < end and any(pid in xwayland_of(self.display) for pid in xwayland):
            reap_orphans()
            time.sleep(0.05)
        for pid in xwayland:
            if pid in xwayland_of(self.display):
                os.kill(pid, signal.SIGKILL)
        time.sleep(0.1)
        reap_orphans()

    def compositor_process(self):
        return self.kwin if self.compositor == "KWin" else self.sway

    def window_pids(self):
        return self.kwin_window_pids() if self.compositor == "KWin" else self.sway_window_pids()

    def compositor_answers(self):
        if self.compositor == "KWin":
            return self.bus_name_owned("org.kde.KWin")
        return self.sway_tree().get("type") == "root"

    def client_env(self, wayland):
        env = dict(self.env, XDG_RUNTIME_DIR=self.runtime, WAYLAND_DISPLAY=self.wayland_display,
                   DISPLAY="" if wayland else self.display, QT_QPA_PLATFORM="wayland",
                   DBUS_SESSION_BUS_ADDRESS="disabled:")
        return env

    def kwin_window_pids(self):
        """Every window KWin has, as (process id, caption), read by a script of the test's own."""
        marker = "halvo-e2e-window-%d" % time.monotonic_ns()
        script = os.path.join(self.folder, marker + ".js")
        with open(script, "w") as f:
            f.write("""
var all = typeof workspace.windowList === "function" ? workspace.windowList() : workspace.clientList();
for (var i = 0; i < all.length; ++i)
    print("%s " + all[i].pid + " " + all[i].caption);
print("%s end");
""" % (marker, marker))

        def call(path, interface, method, *args):
            return subprocess.run(["dbus-send", "--session", "--print-reply=literal", "--dest=org.kde.KWin",
                                   path, interface + "." + method, *args], env=self.env, capture_output=True,
                                  text=True, timeout=5)
        loaded = call("/Scripting", "org.kde.kwin.Scripting", "loadScript", "string:" + script, "string:" + marker)
        check(loaded.returncode == 0, "KWin would not load the test's script: %s" % loaded.stderr)
        number = loaded.stdout.split()[-1]
        ran = [path for path in ("/Scripting/Script" + number, "/" + number)
               if call(path, "org.kde.kwin.Script", "run").returncode == 0]
        check(ran, "KWin would not run the test's script")
        wait_for("the test's script's list", lambda: marker + " end" in self.output("kwin"), 10)
        call("/Scripting", "org.kde.kwin.Scripting", "unloadScript", "string:" + marker)
        windows = []
        for line in self.output("kwin").splitlines():
            at = line.find(marker + " ")
            if at >= 0 and not line.endswith(marker + " end"):
                pid, _, caption = line[at + len(marker) + 1:].partition(" ")
                windows.append((int(pid), caption))
        return windows

    # ---- the program

    def start_program(self, env=None):
        env = dict(self.app_env, WAYLAND_DISPLAY=os.path.join(self.runtime, self.wayland_display),
                   DISPLAY=self.display, DBUS_SESSION_BUS_ADDRESS=self.bus_address,
                   DBUS_SYSTEM_BUS_ADDRESS=self.bus_address, **(env or {}))
        if self.compositor == "sway":
            env["SWAYSOCK"] = self.sway_socket
        self.run_env = env
        # A preloaded library goes into the program only, not into setpriv, which runs as root before it.
        preload = ["/usr/bin/env", "LD_PRELOAD=" + env.pop("LD_PRELOAD")] if "LD_PRELOAD" in env else []
        self.app = self.start("halvo-shutdown", self.user_prefix + preload + [self.program, "--tray"], env=env,
                              cwd=os.path.dirname(self.app_dir))
        lock = os.path.join(env["XDG_RUNTIME_DIR"], "halvo-shutdown.lock")
        wait_for("the program's lock", lambda: self.app.poll() is None and os.path.exists(lock) and
                 open(lock).readline().strip() == str(self.app.pid), 15)
        check(self.app.poll() is None, "the program ended at start:\n" + self.output("halvo-shutdown"))

    def cli(self, *args):
        done = subprocess.run(self.user_prefix + [self.program, *args], env=self.run_env, capture_output=True,
                              text=True, timeout=min(10, self.remaining()))
        return done.returncode, done.stdout, done.stderr

    def status(self):
        code, out, err = self.cli("--status")
        check(code == 0 and err == "", "--status: %d %r" % (code, err))
        return out

    def stop_program(self):
        self.app.terminate()
        self.app.wait(timeout=min(10, self.remaining()))

    def x_windows(self, *criteria):
        done = subprocess.run(self.user_prefix + ["xdotool", "search", *criteria],
                              env=dict(self.env, DISPLAY=self.display),
                              capture_output=True, text=True, timeout=5)
        return done.stdout.split()

    def screenshot(self, name, folder=None, window=None):
        """One X11 window of XWayland (the program's own windows are X11 ones) as a PNG: a rootless
        XWayland has no picture of its root window. None when it could not be taken."""
        if not self.display or window is None:
            return None
        path = os.path.join(folder or os.getcwd(), (self.screenshot_prefix if folder is None else "wayland-") +
                            name + ".png")
        subprocess.run(["import", "-window", window, "-display", self.display, path], env=self.env,
                       capture_output=True, timeout=10)
        return path if os.path.exists(path) else None

    def whole_screen(self, name, folder):
        """The compositor's whole screen as FOLDER/wayland-<compositor>-NAME.png, with what the compositor
        draws (frames, the stacking): KWin's ScreenShot2 service (its permission check is off in the test's
        copy of KWin), sway's screen copy through grim, run as nobody."""
        path = os.path.join(folder, "wayland-%s-%s.png" % (self.compositor.lower(), name))
        if self.compositor == "sway":
            shots = os.path.join(self.folder, "shots")
            if not os.path.isdir(shots):
                self.nobody_folder("shots")
            taken = os.path.join(shots, name + ".png")
            done = subprocess.run(self.user_prefix + ["/usr/bin/grim", taken],
                                  env=dict(self.env, XDG_RUNTIME_DIR=self.runtime,
                                           WAYLAND_DISPLAY=self.wayland_display),
                                  capture_output=True, text=True, timeout=10)
            check(done.returncode == 0, "grim: %s" % done.stderr.strip())
            shutil.copyfile(taken, path)
            return path
        import dbus  # python3-dbus, which python3-dbusmock brings
        bus = dbus.bus.BusConnection(self.env["DBUS_SESSION_BUS_ADDRESS"])
        service = dbus.Interface(bus.get_object("org.kde.KWin", "/org/kde/KWin/ScreenShot2"),
                                 "org.kde.KWin.ScreenShot2")
        read_end, write_end = os.pipe()
        try:
            meta = service.CaptureArea(0, 0, dbus.UInt32(1024), dbus.UInt32(768),
                                       dbus.Dictionary({}, signature="sv"), dbus.types.UnixFd(write_end),
                                       timeout=10)
        finally:
            os.close(write_end)
        with os.fdopen(read_end, "rb") as pipe:
            data = pipe.read()
        width, height, stride = int(meta["width"]), int(meta["height"]), int(meta["stride"])
        check(len(data) >= stride * height, "KWin gave %d bytes for %dx%d" % (len(data), width, height))
        write_png(path, width, height, stride, int(meta["format"]), data)
        return path


def write_png(path, width, height, stride, image_format, data):
    """A QImage's bytes as an RGB PNG: formats 4 to 6 (32 bits, BGRA in memory) and 16 to 18 (RGBA)."""
    check(image_format in (4, 5, 6, 16, 17, 18), "an image format the test does not read: %d" % image_format)
    order = (2, 1, 0) if image_format <= 6 else (0, 1, 2)
    rows = bytearray()
    for y in range(height):
        row = data[y * stride:y * stride + width * 4]
        rows.append(0)
        pixels = bytearray(width * 3)
        for channel, source in enumerate(order):
            pixels[channel::3] = row[source::4]
        rows += pixels

    def chunk(kind, body):
        return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))
    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)) +
                chunk(b"IDAT", zlib.compress(bytes(rows), 6)) + chunk(b"IEND", b""))


def logind_calls(world, names):
    """The calls of names at the logind mock of the compositor's session."""
    log = world.logind_log
    if not os.path.exists(log):
        return []
    with open(log) as f:
        return [line for line in f if len(line.split()) > 1 and line.split()[1] in names]


def close_all(world):
    world.start_compositor()
    name = world.compositor
    wayland, x11 = world.user_prefix + [world.wayland_helper], world.user_prefix + [world.x11_helper]
    alpha = Client(world, "alpha", wayland, world.client_env(True))
    bravo = Client(world, "bravo", wayland, world.client_env(True))
    xray = Client(world, "xray", x11, world.client_env(False))
    delta = Client(world, "delta", wayland, world.client_env(True))
    delta.ask("open Delta")
    alpha.ask("open Alpha bottom")
    bravo.ask("open Bravo")
    xray.ask("open visible 0 net %d Xray on XWayland" % xray.pid)
    alpha.ask("open Alpha top")

    world.start_program()
    check(world.status() == IDLE_STATUS, "--status at the start: %r" % world.status())

    # Every window of this compositor belongs to a process of the test's: nothing else can be ended.
    ours = {alpha.pid: "alpha", bravo.pid: "bravo", xray.pid: "xray", delta.pid: "delta",
            world.app.pid: "halvo-shutdown"}
    windows = world.window_pids()
    strangers = [(pid, caption) for pid, caption in windows if pid not in ours]
    check(not strangers, "%s has windows of processes not the test's: %r" % (name, strangers))
    seen = sorted((ours[pid], caption) for pid, caption in windows if pid != world.app.pid)
    check(seen == [("alpha", "Alpha bottom"), ("alpha", "Alpha top"), ("bravo", "Bravo"), ("delta", "Delta"),
                   ("xray", "Xray on XWayland")], "the clients' windows in %s: %r" % (name, seen))

    # What must go on running: the compositor with its XWayland, the program, Delta, the private buses and
    # the mocks (sway's are children of its private-session.sh).
    compositor = world.compositor_process()
    keep = {compositor.pid: name, world.app.pid: "halvo-shutdown", delta.pid: "delta"}
    keep.update((pid, name + "'s child") for pid in descendants_of(compositor.pid))
    keep.update((pid, name + "'s XWayland") for pid in xwayland_of(world.display))
    keep.update((pid, "private-session's child") for pid in children_of(os.getppid()) if pid != os.getpid())
    check(any(what == name + "'s XWayland" for what in keep.values()), "%s has no XWayland process" % name)
    check(all(alive(pid) for pid in keep), "ended before close-all: %r" % keep)
    before = len(logind_calls(world, ENDING))

    started = time.monotonic()
    code, out, err = world.cli("--now", "closeall")
    check((code, out, err) == (0, "", ""), "--now closeall: %d %r %r" % (code, out, err))
    for client in (alpha, bravo, xray):
        try:
            status = client.process.wait(timeout=min(10, world.remaining()))
        except subprocess.TimeoutExpired:
            raise Failure("%s was not ended by close-all" % client.name)
        check(status == -signal.SIGKILL, "%s ended with %d, not by SIGKILL" % (client.name, status))
    took = time.monotonic() - started
    time.sleep(1)  # anything ended later than the three would show by now
    ended = sorted("%s (%d)" % (name, pid) for pid, name in keep.items() if not alive(pid))
    check(not ended, "close-all ended more than the three clients: %s" % ", ".join(ended))
    check(delta.process.poll() is None, "Delta, the run at the end of the list, was ended")
    check(subprocess.run(world.user_prefix + ["xprop", "-root", "-display", world.display, "_NET_SUPPORTING_WM_CHECK"],
                         env=world.env, capture_output=True, timeout=5).returncode == 0,
          "XWayland no longer answers")
    check(world.compositor_answers(), "%s no longer answers" % name)
    text = world.status()
    check(text == IDLE_STATUS, "--status after close-all: %r" % text)
    check(len(logind_calls(world, ENDING)) == before, "logind was asked to end something: %r" % logind_calls(world, ENDING))
    # Delta's window is still there and the three clients' are gone.
    left = sorted(caption for pid, caption in world.window_pids() if pid != world.app.pid)
    check(left == ["Delta"], "%s's windows after close-all: %r" % (name, left))
    print("e2e wayland: %s: close-all ended Alpha, Bravo and Xray by SIGKILL within %.2f s; Delta, %s, "
          "XWayland, the program and the private bus still run; --status %r" % (name, took, name, text))
    return delta


def placement(world, folder, program):
    """The whole screen with the reminder of the running copy above Delta's window, then with the popup of a
    second run with a schedule item, which must sit at the bottom right of the screen."""
    code, out, err = world.cli("--in", "1s", "lock")
    check((code, out, err) == (0, "", ""), "--in 1s lock: %d %r %r" % (code, out, err))
    reminder = wait_for("the reminder", lambda: world.x_windows("--onlyvisible", "--name", "^Halvo Shutdown$"), 10)
    time.sleep(1.5)  # its Cancel button shows the count from the first second on
    shot = world.whole_screen("reminder", folder)
    code, out, err = world.cli("--cancel")
    check((code, out, err) == (0, "", ""), "--cancel: %d %r %r" % (code, out, err))
    wait_for("the reminder to close",
             lambda: not set(reminder) & set(world.x_windows("--onlyvisible", "--name", "^Halvo Shutdown$")), 5)
    check(world.status() == IDLE_STATUS, "--status after --cancel: %r" % world.status())
    check(not logind_calls(world, ("LockSession", "LockSessions")), "the cancelled lock reached logind")
    print("e2e wayland: %s: screenshot %s" % (world.compositor, shot))
    world.stop_program()

    # A second copy with a "Message" item at 16:14:12 on a clock that starts at 16:14:08.
    world.copy_program(program, "popup-" + world.compositor)
    for name, content in (("setting.ini", b"[setting]\nSetting_AutoSave=1\n[schManager]\ncount=1\n"),
                          ("sch.cks", daily_item(b"Tea", (16, 14, 12), task(MESSAGE_CODE, b"Time for tea"), 0,
                                                 False, False))):
        with open(os.path.join(world.app_dir, name), "wb") as f:
            f.write(content)
        if world.user_prefix:
            os.chown(os.path.join(world.app_dir, name), NOBODY, NOBODY)
    world.start_program(env={"LD_PRELOAD": FAKETIME_LIBRARY, "FAKETIME": "@2026-12-08 16:14:08",
                             "FAKETIME_DONT_FAKE_MONOTONIC": "1"})
    own = set(world.x_windows("--pid", str(world.app.pid)))
    popup = wait_for("the popup", lambda: set(world.x_windows("--onlyvisible", "--pid", str(world.app.pid))) - own,
                     15, 0.02)
    time.sleep(0.5)  # let it slide in; it stays for about two seconds
    shot = world.whole_screen("popup", folder)
    with open(shot, "rb") as f:
        screen_width, screen_height = struct.unpack(">II", f.read(24)[16:24])
    done = subprocess.run(world.user_prefix + ["xdotool", "getwindowgeometry", "--shell", sorted(popup)[0]],
                          env=dict(world.env, DISPLAY=world.display), capture_output=True, text=True, timeout=5)
    at = dict(line.partition("=")[::2] for line in done.stdout.split())
    x, y, width, height = (int(at.get(key, "0")) for key in ("X", "Y", "WIDTH", "HEIGHT"))
    check(x + width > screen_width * 3 // 4 and y + height > screen_height * 3 // 4 and
          x + width <= screen_width and y + height <= screen_height,
          "the popup is not at the bottom right of the screen on %s: %d,%d %dx%d"
          % (world.compositor, x, y, width, height))
    print("e2e wayland: %s: the popup at %d,%d %dx%d; screenshot %s" % (world.compositor, x, y, width, height,
                                                                         shot))


def main():
    args = sys.argv[1:]
    folder = None
    if len(args) == 3 and args[1] == "--screenshots":
        folder = os.path.abspath(args[2])
        args = args[:1]
    if len(args) != 1:
        print(__doc__.strip(), file=sys.stderr)
        return 2
    # Never against this machine's buses or desktop: only inside private-session.sh.
    if not os.environ.get("HALVO_PRIVATE_SESSION_DIR") or not os.environ.get("DBUS_SYSTEM_BUS_ADDRESS"):
        print("e2e wayland: run me inside tests/helpers/private-session.sh", file=sys.stderr)
        return 2
    if not os.path.exists(KWIN):
        print("e2e wayland: %s is missing (./halvo.sh setup installs kwin-wayland)" % KWIN, file=sys.stderr)
        return 1
    if xworld.tools_missing("e2e wayland", ("dbus-send", "xdotool", "xprop", "import")):
        return 1
    # Orphans of what the test starts come to the test, not to this machine's first process.
    PR_SET_CHILD_SUBREAPER = 36
    ctypes.CDLL(None, use_errno=True).prctl(PR_SET_CHILD_SUBREAPER, 1, 0, 0, 0)
    status = 0
    for compositor in ("KWin", "sway"):
        if compositor == "sway":
            if not os.path.exists("/usr/bin/sway"):
                print("e2e wayland: sway is not tried: /usr/bin/sway is missing (./halvo.sh setup installs it)")
                continue
            if os.geteuid() != 0 or not os.access("/usr/bin/setpriv", os.X_OK):
                print("e2e wayland: sway is not tried: sway will not run as root, and its XWayland lets in only "
                      "the user it runs for, so it and the program run as nobody, which needs root and setpriv")
                continue
        try:
            world = World(args[0], compositor)
        except Failure as failure:
            print("e2e wayland: FAILED: %s" % failure, file=sys.stderr)
            return 1

        def scenario(w):
            close_all(w)
            placement(w, folder or w.folder, args[0])
        result = xworld.run_in(world, scenario, "e2e wayland " + compositor)
        status = status or result
    return status


if __name__ == "__main__":
    sys.exit(main())
