"""A suspend and resume as a program sees it, for the end-to-end tests: its wall clock jumps (libfaketime with
a timestamp file, so the jump comes while it runs) and logind announces the sleep and the wake-up
(PrepareForSleep(true), then (false), from the logind mock of tests/helpers/private-session.sh).

    clock = FakeClock(world.folder, "2026-12-08 22:00:00")
    program = world.start("halvo-shutdown", [path], env=clock.env(world.env))
    ...
    faked_sleep(lambda: clock.set("2026-12-09 07:30:00"))

Only the wall clock is faked: the monotonic clock stays real, as it does across a real suspend for the
timers of a program (CLOCK_MONOTONIC stops while the computer sleeps)."""

import os
import subprocess
import time

FAKETIME_LIBRARY = "/usr/lib/x86_64-linux-gnu/faketime/libfaketimeMT.so.1"
LOGIND = ("org.freedesktop.login1", "/org/freedesktop/login1", "org.freedesktop.login1.Manager")
# What logind can be asked to do to the computer or the session, as its mock logs the calls.
SESSION_REQUESTS = ("PowerOff", "Reboot", "Halt", "Suspend", "Hibernate", "HybridSleep",
                    "SuspendThenHibernate", "TerminateSession", "TerminateUser", "KillSession", "KillUser",
                    "LockSession", "LockSessions")


def _local_seconds(when):
    """'YYYY-MM-DD HH:MM:SS' in local time as seconds since the epoch."""
    return time.mktime(time.strptime(when, "%Y-%m-%d %H:%M:%S"))


class FakeClock:
    """The wall clock of the programs started with env(): it starts at `start` (local time) and runs at the
    real pace, or `rate` times faster; set() and jump() move it while they run. The offset lives in a file
    that libfaketime reads again at every clock reading (or every `cache_seconds`, which costs less but
    delays a move by up to that long)."""

    def __init__(self, folder, start, rate=None, cache_seconds=None):
        self.path = os.path.join(folder, "faketime.offset")
        self.rate = rate
        self.cache_seconds = cache_seconds
        self.offset = _local_seconds(start) - time.time()
        self._write()

    def env(self, base):
        """base with libfaketime preloaded on this clock. FAKETIME itself must be absent: it would win over
        the file."""
        env = dict(base, LD_PRELOAD=FAKETIME_LIBRARY, FAKETIME_TIMESTAMP_FILE=self.path,
                   FAKETIME_DONT_FAKE_MONOTONIC="1")
        env.pop("FAKETIME", None)
        if self.cache_seconds is None:
            env["FAKETIME_NO_CACHE"] = "1"
        else:
            env["FAKETIME_CACHE_DURATION"] = str(self.cache_seconds)
            env.pop("FAKETIME_NO_CACHE", None)
        return env

    def now(self):
        """The faked wall clock in seconds since the epoch (at the real pace only: a faster clock depends on
        when each program started)."""
        if self.rate is not None:
            raise ValueError("now() reads only a clock that runs at the real pace")
        return time.time() + self.offset

    def jump(self, seconds):
        """Moves the clock by seconds, forward or back."""
        self.offset += seconds
        self._write()

    def set(self, when):
        """Sets the clock to `when` (local 'YYYY-MM-DD HH:MM:SS'); at the real pace only."""
        if self.rate is not None:
            raise ValueError("set() needs a clock that runs at the real pace; jump() moves a faster one")
        self.offset = _local_seconds(when) - time.time()
        self._write()

    def _write(self):
        # libfaketime parses the fraction with the program's locale: the e2e programs run with LC_ALL=C.
        text = "%+.3f" % self.offset
        if self.rate is not None:
            text += " x%g" % self.rate
        # Replaced whole, so a reading in between never finds the file empty or half written.
        temporary = self.path + ".new"
        with open(temporary, "w") as f:
            f.write(text + "\n")
        os.replace(temporary, self.path)


def private_bus():
    """The private bus of private-session.sh; a RuntimeError outside it, so nothing reaches a real bus."""
    folder = os.environ.get("HALVO_PRIVATE_SESSION_DIR")
    address = os.environ.get("DBUS_SYSTEM_BUS_ADDRESS", "")
    if not folder or not address.startswith("unix:path=" + os.path.join(folder, "bus")):
        raise RuntimeError("not inside tests/helpers/private-session.sh")
    return address


def prepare_for_sleep(going_to_sleep):
    """The logind mock emits PrepareForSleep(going_to_sleep) on the private bus."""
    name, path, interface = LOGIND
    argument = "[<%s>]" % ("true" if going_to_sleep else "false")
    done = subprocess.run(["gdbus", "call", "--address", private_bus(), "--dest", name, "--object-path", path,
                           "--method", "org.freedesktop.DBus.Mock.EmitSignal", interface, "PrepareForSleep",
                           "b", argument], capture_output=True, text=True, timeout=10)
    if done.returncode != 0:
        raise RuntimeError("the logind mock did not emit PrepareForSleep: " + done.stderr.strip())


def faked_sleep(move_clock, asleep_seconds=0.3):
    """A suspend and resume: PrepareForSleep(true); after asleep_seconds (real) move_clock() moves the faked
    clock as the sleep did; then PrepareForSleep(false), as logind sends it once the computer runs again."""
    prepare_for_sleep(True)
    time.sleep(asleep_seconds)
    move_clock()
    prepare_for_sleep(False)


def sleep_signals(logind_log):
    """The PrepareForSleep arguments the logind mock emitted, in order, as its log holds them: [True, False]
    after one faked_sleep()."""
    found = []
    with open(logind_log) as f:
        for line in f:
            fields = line.split()
            if fields[1:2] == ["emit"] and fields[3:4] == [LOGIND[2] + ".PrepareForSleep"]:
                found.append(fields[4] == "True" if len(fields) > 4 else None)
    return found


def session_requests(logind_log):
    """The lines of the logind mock's log that ask it to end, lock or suspend something."""
    with open(logind_log) as f:
        return [line.strip() for line in f if line.split()[1:2] and line.split()[1] in SESSION_REQUESTS]
