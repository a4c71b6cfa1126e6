#!/usr/bin/python3
"""End-to-end run of the command channel against callers that are unlucky or hostile, on a private desktop.

    tests/helpers/private-session.sh /usr/bin/python3 tests/e2e/channel_e2e.py BUILD/app/halvo-shutdown

Runs only inside the private D-Bus world of private-session.sh. Xvfb with openbox and trayer; no
XDG_RUNTIME_DIR, so the lock and the socket go into TMPDIR/halvo-shutdown-UID (a folder of that name with
other modes is refused, said on stderr, and no copy starts). Five times, two first calls at the same moment
("--in 10m lock" and "--status") start one copy, both are answered, and no window shows. Then a copy started
here: the 33rd connection is told "too many callers at once" and closed, the 32 others after 10 idle
seconds; with the copy's open-file limit lowered by prlimit, about a thousand connections make its accept
fail, and "--cancel" still reaches it afterwards; a caller that sends requests without reading the answers
is dropped while the copy's memory stays as it was. Qt's warnings about the runtime folder never show.
Everything started here is stopped at the end.
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
from schedule_e2e import check, wait_for  # noqa: E402

NOTHING_ARMED = "General: nothing armed\nSchedule: no items\n"
LOCK_ARMED = re.compile(r"General: (lock the workstation at (\d{4}-\d\d-\d\d )?\d\d:\d\d:\d\d \(in (9|10) min\))\n"
                        r"Keeping the computer awake until: \1\nSchedule: no items\n")
STATUS = b"halvo-shutdown/1 status\n"


def run_cli(world, *args, env=None):
    done = subprocess.run([world.program, *args], env=env or world.env, capture_output=True, text=True,
                          timeout=min(30, e2e.remaining()))
    return done.returncode, done.stdout, done.stderr


def copies(world):
    """The processes running the program under test."""
    found = []
    for entry in os.listdir("/proc"):
        try:
            if entry.isdigit() and os.readlink("/proc/%s/exe" % entry) == world.program:
                found.append(int(entry))
        except OSError:
            pass
    return found


def ended(pid):
    try:
        with open("/proc/%d/stat" % pid) as f:
            return f.read().rsplit(")", 1)[1].split()[0] == "Z"
    except OSError:
        return True


def stop(pid):
    try:
        os.kill(pid, signal.SIGTERM)
    except OSError:
        return
    wait_for("copy %d to end" % pid, lambda: ended(pid), 10)


def rss_kb(pid):
    with open("/proc/%d/status" % pid) as f:
        return next(int(line.split()[1]) for line in f if line.startswith("VmRSS:"))


def connect(path):
    s = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
    s.connect(path)
    return s


def closed_by_peer(s, timeout):
    """What the copy sent before it closed this connection within timeout seconds; None while it is open."""
    s.settimeout(timeout)
    data = b""
    try:
        while True:
            chunk = s.recv(4096)
            if not chunk:
                return data
            data += chunk
    except socket.timeout:
        return None
    except ConnectionResetError:
        return data


def refused_folder(world):
    temp = os.path.join(world.folder, "shared-tmp")
    taken = os.path.join(temp, "halvo-shutdown-%d" % os.geteuid())
    os.makedirs(taken)
    os.chmod(taken, 0o755)
    code, out, err = run_cli(world, "--status", env=dict(world.env, TMPDIR=temp))
    check((code, out, err) == (1, "", "halvo-shutdown: %s is not this user's own folder (its mode is 0755, not "
                                      "0700); the lock and the socket are not kept there\n" % taken),
          "a taken folder: %d %r %r" % (code, out, err))
    check(not copies(world) and os.listdir(taken) == [], "a copy used the taken folder")


def two_first_calls(world, lock):
    main_window = ("--onlyvisible", "--name", "^Halvo ShutDown")
    for round_ in range(5):
        callers = [subprocess.Popen([world.program, *args], env=world.env, stdout=subprocess.PIPE,
                                    stderr=subprocess.PIPE, text=True)
                   for args in (("--in", "10m", "lock"), ("--status",))]
        results = [(c.wait(timeout=min(30, e2e.remaining())), c.stdout.read(), c.stderr.read()) for c in callers]
        for c in callers:
            c.stdout.close()
            c.stderr.close()
        check(results[0] == (0, "", ""), "round %d, --in: %r" % (round_, results[0]))
        code, out, err = results[1]
        check(code == 0 and err == "" and (out == NOTHING_ARMED or LOCK_ARMED.fullmatch(out)),
              "round %d, --status: %r" % (round_, results[1]))
        check(LOCK_ARMED.fullmatch(run_cli(world, "--status")[1]), "round %d: the lock is not armed" % round_)
        running = wait_for("one copy", lambda: copies(world) if len(copies(world)) == 1 else None, 5)
        with open(lock) as f:
            check(running == [int(f.readline())], "round %d: %r run, the lock names another" % (round_, running))
        # A second copy would have asked the first to show its window by now.
        time.sleep(1)
        check(not world.windows(*main_window), "round %d: a window shows" % round_)
        stop(running[0])


def bounded_clients(world, sock):
    start = time.monotonic()
    kept = [connect(sock) for _ in range(32)]
    extra = connect(sock)
    said = closed_by_peer(extra, 2)
    check(said == b"error too many callers at once\n", "the 33rd connection: %r" % said)
    extra.close()
    check(all(closed_by_peer(s, 0.01) is None for s in kept), "a connection within the limit was closed")
    answer = run_cli(world, "--status")
    check(answer == (1, "", "halvo-shutdown: too many callers at once\n"), "a 33rd caller: %r" % (answer,))
    for s in kept:
        said = closed_by_peer(s, max(0.01, start + 12 - time.monotonic()))
        check(said == b"", "an idle connection: %r" % said)
    idle = time.monotonic() - start
    check(9.5 < idle < 12.5, "idle connections dropped after %.1f s" % idle)
    for s in kept:
        s.close()


def socket_identity(path):
    """Which file is at path (None for none): a socket set up again is another file."""
    try:
        info = os.lstat(path)
    except FileNotFoundError:
        return None
    return (info.st_ino, info.st_ctime_ns)


def flood(world, pid, sock):
    base = len(os.listdir("/proc/%d/fd" % pid))
    limit = base + 6
    subprocess.run(["prlimit", "--pid", str(pid), "--nofile=%d:%d" % (limit, limit)], check=True, timeout=5)
    held, failed = [], 0
    made = socket_identity(sock)
    for _ in range(1000):
        try:
            held.append(connect(sock))
        except OSError:
            failed += 1
        if len(held) >= 40 or (failed and held):
            for s in held:
                s.close()
            held = []
    for s in held:
        s.close()
    # The copy's accept failed and took the socket down: the flood reached the limit. The copy may have set
    # it up again before any caller came too late, so a socket made anew counts as well.
    check(failed > 0 or socket_identity(sock) != made,
          "every connection of the flood was taken by the one socket (limit %d)" % limit)
    code, out, err = run_cli(world, "--cancel")
    check((code, out, err) == (0, "", ""), "--cancel after the flood: %d %r %r" % (code, out, err))
    code, out, err = run_cli(world, "--status")
    check((code, out, err) == (0, NOTHING_ARMED, ""), "--status after the flood: %d %r %r" % (code, out, err))
    return failed


def unreading_caller(world, pid, sock):
    before = rss_kb(pid)
    s = connect(sock)
    s.setblocking(False)
    sent, dropped = 0, False
    burst = STATUS * 1000
    end = time.monotonic() + 10
    while time.monotonic() < end and not dropped:
        try:
            sent += s.send(burst)
        except BlockingIOError:
            time.sleep(0.005)
        except (BrokenPipeError, ConnectionResetError):
            dropped = True
    s.close()
    after = rss_kb(pid)
    check(dropped, "a caller that reads nothing was kept (%d bytes of requests sent)" % sent)
    check(after - before < 8 * 1024, "the copy grew from %d kB to %d kB" % (before, after))
    code, out, _ = run_cli(world, "--status")
    check((code, out) == (0, NOTHING_ARMED), "--status after the unreading caller: %d %r" % (code, out))
    return sent, before, after


def run(world):
    world.env.pop("XDG_RUNTIME_DIR")
    world.start_display()
    folder = os.path.join(world.env["TMPDIR"], "halvo-shutdown-%d" % os.geteuid())
    lock = os.path.join(folder, "halvo-shutdown.lock")
    sock = os.path.join(folder, "halvo-shutdown.socket")
    refused_folder(world)
    try:
        two_first_calls(world, lock)
        check(os.stat(folder).st_mode & 0o7777 == 0o700, "the folder's mode is %o" % os.stat(folder).st_mode)

        app = world.start("halvo-shutdown", [world.program])
        wait_for("the socket", lambda: os.path.exists(sock), 10)
        code, out, err = run_cli(world, "--in", "10m", "lock")
        check((code, out, err) == (0, "", ""), "--in: %d %r %r" % (code, out, err))
        bounded_clients(world, sock)
        failed = flood(world, app.pid, sock)
        sent, before, after = unreading_caller(world, app.pid, sock)
        check(app.poll() is None, "the copy ended")
        output = world.output("halvo-shutdown")
        check("QStandardPaths" not in output and "XDG_RUNTIME_DIR" not in output, "Qt warned: %r" % output)
    finally:
        for pid in copies(world):
            os.kill(pid, signal.SIGTERM)
    print("e2e: channel: one copy for two first calls, 5 times; %d of 1000 connections refused at the limit, "
          "then --cancel reached it; an unreading caller dropped after %d bytes, %d -> %d kB" %
          (failed, sent, before, after))


def main():
    status = e2e.refused(__doc__, ("Xvfb", "openbox", "trayer", "xdotool", "xprop", "import", "prlimit"))
    if status is not None:
        return status
    return e2e.run_in_world(run, "channel")


if __name__ == "__main__":
    sys.exit(main())
