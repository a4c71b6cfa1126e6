"""What the end-to-end tests share: a run bounded in time, the processes it starts (each with its output in a
file of the run's temporary folder, all stopped at the end), and a private Xvfb display with openbox,
driven with xdotool. Nothing of the machine's own display or processes is touched."""

import os
import select
import shutil
import subprocess
import sys
import tempfile
import time


class Failure(Exception):
    pass


def left(deadline):
    """Seconds until the run's deadline (a time.monotonic() value); a Failure once it has passed."""
    remaining = deadline - time.monotonic()
    if remaining <= 0:
        raise Failure("out of time")
    return remaining


def wait_for(deadline, what, predicate, timeout, interval=0.1):
    """The first true answer of predicate() within timeout seconds; a Failure naming what otherwise."""
    end = time.monotonic() + min(timeout, left(deadline))
    while True:
        result = predicate()
        if result:
            return result
        if time.monotonic() >= end:
            raise Failure("timed out waiting for " + what)
        time.sleep(interval)


def tools_missing(label, tools):
    """True, with a line on stderr, when one of the programs a test drives is not installed."""
    for tool in tools:
        if not shutil.which(tool):
            print("%s: %s is missing (./halvo.sh setup installs it)" % (label, tool), file=sys.stderr)
            return True
    return False


def run_in(world, scenario, label, shot="failure"):
    """Runs scenario(world) and stops the world however it ends: 0 when it passed; on a failure 1, with
    what failed, a screenshot and the program's output on stderr."""
    try:
        scenario(world)
        return 0
    except (Failure, subprocess.TimeoutExpired) as failure:
        path = world.screenshot(shot)
        print("%s: FAILED: %s%s" % (label, failure, " (screen: %s)" % path if path else ""), file=sys.stderr)
        print("%s: program output:\n%s" % (label, world.output("halvo-shutdown")), file=sys.stderr)
        return 1
    finally:
        world.stop()


class XWorld:
    def __init__(self, deadline, folder_prefix, screenshot_prefix):
        self.deadline = deadline
        self.screenshot_prefix = screenshot_prefix
        self.started = []  # (name, process), in start order
        self.folder = tempfile.mkdtemp(prefix=folder_prefix)
        self.env = dict(os.environ)
        self.display = None

    def remaining(self):
        return left(self.deadline)

    def wait_for(self, what, predicate, timeout, interval=0.1):
        return wait_for(self.deadline, what, predicate, timeout, interval)

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

    def stop(self):
        # A wrapper such as private-session.sh stops what it started before it ends itself: it gets longer
        # than a plain process would need. A process that outlives even SIGKILL is reported, not waited for.
        for name, process in reversed(self.started):
            if process.poll() is None:
                process.terminate()
                try:
                    process.wait(timeout=10)
                except subprocess.TimeoutExpired:
                    process.kill()
                    try:
                        process.wait(timeout=10)
                    except subprocess.TimeoutExpired:
                        print("xworld: %s (%d) is still there after SIGKILL" % (name, process.pid), file=sys.stderr)
        shutil.rmtree(self.folder, ignore_errors=True)

    def start_display(self, window_manager=True, screen=(1024, 768)):
        read_end, write_end = os.pipe()
        self.start("Xvfb", ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "%dx%dx24" % screen,
                            "-nolisten", "tcp", "-noreset"], pass_fds=(write_end,))
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
        """The whole screen as <prefix><name>.png in the working folder; None without a display."""
        if not self.display:
            return None
        path = os.path.join(os.getcwd(), self.screenshot_prefix + name + ".png")
        subprocess.run(["import", "-window", "root", path], env=self.env, capture_output=True, timeout=10)
        return path
