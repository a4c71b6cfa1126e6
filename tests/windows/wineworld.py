"""A throw-away Wine world for one test of the Windows program: a Wine prefix of its own (a copy of the
template prefix of scripts/windows.sh, or a fresh one), a private Xvfb display and a temporary folder.
Everything started here runs under this prefix's own wineserver and is stopped with it at the end, so
nothing of the machine's Wine set-up, display or processes is touched.
"""

import os
import select
import shutil
import subprocess
import tempfile
import time

WINE = "/usr/lib/wine/wine64"
WINESERVER = "/usr/lib/wine/wineserver"


class Failure(Exception):
    pass


class WineWorld:
    def __init__(self, budget):
        self.deadline = time.monotonic() + budget
        self.started = []  # (name, process), in start order
        self.folder = tempfile.mkdtemp(prefix="halvo-wine-test.")
        self.prefix = os.path.join(self.folder, "prefix")
        self.env = dict(os.environ)
        for name in list(self.env):
            if name.startswith(("WINEQT_", "QT_")):
                del self.env[name]
        self.env.update(WINEPREFIX=self.prefix, WINEDEBUG="-all", WINEARCH="win64",
                        WINEDLLOVERRIDES="mscoree=;mshtml=")
        self.display = None

    def remaining(self):
        left = self.deadline - time.monotonic()
        if left <= 0:
            raise Failure("out of time")
        return left

    def wait_for(self, what, predicate, timeout, interval=0.1):
        end = time.monotonic() + min(timeout, self.remaining())
        while True:
            result = predicate()
            if result:
                return result
            if time.monotonic() >= end:
                raise Failure("timed out waiting for " + what)
            time.sleep(interval)

    def make_prefix(self):
        template = os.environ.get("HALVO_WINE_TEMPLATE")
        if template and os.path.isdir(template):
            # symlinks=True keeps the dosdevices links (c: and z:) as they are.
            shutil.copytree(template, self.prefix, symlinks=True)
        else:
            self.run([WINE, "wineboot", "--init"], timeout=120)
            self.run([WINE, "winecfg", "/v", "win10"], timeout=60)
            self.run([WINESERVER, "-w"], timeout=60)

    def run(self, args, timeout=30, check=True, **kwargs):
        done = subprocess.run(args, env=self.env, capture_output=True, timeout=min(timeout, self.remaining()),
                              **kwargs)
        if check and done.returncode != 0:
            raise Failure("%s ended with %d: %s" % (" ".join(args), done.returncode,
                                                    done.stderr.decode(errors="replace").strip()))
        return done

    def start(self, name, args, env=None, **kwargs):
        # Output goes to a file: a full pipe would stall the process.
        log = open(os.path.join(self.folder, name + ".log"), "wb")
        process = subprocess.Popen(args, env=env or self.env, stdout=log, stderr=subprocess.STDOUT, **kwargs)
        log.close()
        self.started.append((name, process))
        return process

    def output(self, name):
        try:
            with open(os.path.join(self.folder, name + ".log"), "rb") as f:
                return f.read().decode(errors="replace")
        except OSError:
            return ""

    def start_display(self, window_manager=True):
        read_end, write_end = os.pipe()
        self.start("Xvfb", ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1024x768x24", "-nolisten",
                            "tcp", "-noreset"], pass_fds=(write_end,))
        os.close(write_end)
        number = b""
        end = time.monotonic() + 10
        while not number.endswith(b"\n"):
            ready, _, _ = select.select([read_end], [], [], max(0.0, end - time.monotonic()))
            if not ready:
                raise Failure("Xvfb did not start")
            chunk = os.read(read_end, 16)
            if not chunk:
                raise Failure("Xvfb ended at start")
            number += chunk
        os.close(read_end)
        self.display = ":" + number.decode().strip()
        self.env["DISPLAY"] = self.display
        if window_manager:
            self.start("openbox", ["openbox", "--sm-disable"])
            self.wait_for("openbox", self.window_manager_running, 10)

    def window_manager_running(self):
        out = subprocess.run(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"], env=self.env, capture_output=True,
                             text=True, timeout=5).stdout
        return "window id" in out

    def xdo(self, *args, check=True, timeout=5):
        done = subprocess.run(["xdotool", *args], env=self.env, capture_output=True, text=True,
                              timeout=min(timeout, self.remaining()))
        if done.returncode != 0:
            if check:
                raise Failure("xdotool %s: %s" % (" ".join(args), done.stderr.strip()))
            return None
        return done.stdout.strip() or None

    def windows(self, *criteria):
        out = self.xdo("search", *criteria, check=False)
        return out.split() if out else []

    def geometry(self, window):
        values = {}
        for line in self.xdo("getwindowgeometry", "--shell", window).splitlines():
            key, _, value = line.partition("=")
            values[key] = int(value)
        return values["X"], values["Y"], values["WIDTH"], values["HEIGHT"]

    def screenshot(self, name):
        if not self.display:
            return None
        path = os.path.join(os.getcwd(), "wine-" + name + ".png")
        subprocess.run(["import", "-window", "root", path], env=self.env, capture_output=True, timeout=10)
        return path

    def reg_query(self, key, value):
        """The data of a registry value as reg.exe prints it, or None when it is not there."""
        done = self.run([WINE, "reg", "query", key, "/v", value], check=False, timeout=30)
        for line in done.stdout.decode("utf-8", errors="replace").splitlines():
            line = line.strip()
            if line.startswith(value + "    ") and "REG_" in line:
                kind_and_data = line[len(value):].strip()
                return kind_and_data.partition(" ")[2].strip()
        return None

    def windows_path(self, path):
        return "Z:" + os.path.abspath(path).replace("/", "\\")

    def stop(self):
        # This prefix's wineserver ends every Windows process of this world.
        subprocess.run([WINESERVER, "-k"], env=self.env, capture_output=True, timeout=20)
        for name, process in reversed(self.started):
            if process.poll() is None:
                process.terminate()
                try:
                    process.wait(timeout=3)
                except subprocess.TimeoutExpired:
                    process.kill()
                    process.wait(timeout=3)
        shutil.rmtree(self.folder, ignore_errors=True)
