#!/usr/bin/python3
"""End-to-end run of actions that wait for a condition, against real peers.

    tests/helpers/private-session.sh /usr/bin/python3 tests/e2e/conditions_e2e.py BUILD/app/halvo-shutdown

Runs only inside the private D-Bus world of private-session.sh, on Xvfb with openbox and trayer. Copies of
the program run hidden in the tray, each in a folder of its own, and each arms its General action with
--when; every one ends in the reminder and the call at the logind mock:
- two copies of `sleep` renamed halvo-e2e-nap: "--when exit:halvo-e2e-nap poweroff" waits for both, and
  the reminder comes within 8 s of the second one's end; "Execute It!" asks logind to power off.
- dbusmock's upower on the private bus: with no battery, "--when battery:15% hibernate" is refused (exit 2,
  its reason on stderr); on battery at 10% it holds at once and "Execute It!" asks logind to hibernate.
- then three waits of a minute side by side, each in its own copy:
  idle on the Xvfb (its own idle time, set back by xdotool input) with "lock", left to run out;
  the processor, kept busy by a spinning child on each core until the minute is over, with "restart"
  (below 95%, or on a machine busy of itself below 100%: one idle moment of a core in the minute);
  the network, the copy inside a network namespace of the test's own joined to a second one by a veth
  pair, with datagrams between those two addresses only until the minute is over, with "sleep".
  Neither busy one holds while its load runs; each holds once it stops and is answered with "Execute It!"
  once the idle copy's reminder is open (the keys would set the idle time back). The idle copy's reminder
  runs out after its minute and locks the session.
Without root or ip(8) the network wait is skipped with a line saying why. Everything started here is
stopped at the end, and the namespaces are deleted.
"""

import os
import re
import shutil
import subprocess
import sys
import time

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import cancel_and_end_e2e as copies  # noqa: E402  (copies in their own folders, their tray icons)
import schedule_e2e as e2e  # noqa: E402  (the desktop and its helpers)
from faked_sleep import private_bus, session_requests  # noqa: E402
from schedule_e2e import Failure, check  # noqa: E402

e2e.DEADLINE = time.monotonic() + 235
NAP = "halvo-e2e-nap"
COUNTDOWN_S = 61  # the reminder runs its action on its 61st tick
SAMPLE_S = 5
WINDOW_S = 60  # the one minute every waiting condition here is armed with
# Below 95% once the spinners stop on a machine that is mostly idle; on one busy of itself (other builds and
# tests), below 100%: one idle moment of a core in the minute.
CPU_PERCENT_QUIET, CPU_PERCENT_BUSY, BUSY_OF_ITSELF = 95, 100, 60
BUSY_HOLDS_WITHIN_S = 60  # after the loads stop; the network's window is down to its limit in about 25 s
NET_SEND_KBS = 600  # datagram payload; each brings 42 bytes of headers on the veth
NET_LIMIT_KBS = 400
NET_PORT = 47613
NET_A, NET_B = "10.214.0.1", "10.214.0.2"
UPOWER = ("org.freedesktop.UPower", "/org/freedesktop/UPower")
COPIES = ("first", "idle", "cpu", "net")
NO_TASK_LEFT = "General: nothing armed\nSchedule: no items\n"

# One on each core, held there, so no core is idle for a moment while they run.
SPIN = ("import os, sys, time\n"
        "os.sched_setaffinity(0, {int(sys.argv[1])})\n"
        "end = time.monotonic() + float(sys.argv[2])\n"
        "while time.monotonic() < end:\n"
        "    pass\n")
RECEIVE = ("import socket, sys, time\n"
           "s = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)\n"
           "s.bind((sys.argv[1], int(sys.argv[2])))\n"
           "s.settimeout(1)\n"
           "end = time.monotonic() + float(sys.argv[3])\n"
           "while time.monotonic() < end:\n"
           "    try:\n"
           "        s.recv(65536)\n"
           "    except socket.timeout:\n"
           "        pass\n")
# Paced by the bytes due so far, so a sender held up catches up; ends by itself after its seconds.
SEND = ("import socket, sys, time\n"
        "to, rate, seconds = (sys.argv[1], int(sys.argv[2])), int(sys.argv[3]) * 1024, float(sys.argv[4])\n"
        "s = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)\n"
        "payload, sent, start = b'h' * 1400, 0, time.monotonic()\n"
        "while time.monotonic() - start < seconds:\n"
        "    if sent < rate * (time.monotonic() - start):\n"
        "        s.sendto(payload, to)\n"
        "        sent += len(payload)\n"
        "    else:\n"
        "        time.sleep(0.002)\n")


class Copy:
    """A copy of the program hidden in the tray, with its own folder and runtime folder; in a network
    namespace when one is given."""

    def __init__(self, world, name, netns=None):
        app_dir, self.env = copies.copy_in_own_folder(world, name, "[setting]\n")
        self.name = name
        self.program = os.path.join(app_dir, "halvo-shutdown")
        env = self.env
        args = [self.program]
        if netns:
            # The abstract X socket belongs to the network namespace it was made in: the path one is reached.
            env = dict(self.env, DISPLAY="unix" + world.display)
            args = ["ip", "netns", "exec", netns, *args]  # it execs the program: the process id stays
        self.process = world.start(name, args, env=env, cwd=app_dir)
        self.process.name = name
        copies.wait_for_socket(world, self.env["XDG_RUNTIME_DIR"], self.process)
        self.icons = copies.tray_icon(world, self.process)

    def run(self, *args):
        done = subprocess.run([self.program, *args], env=self.env, capture_output=True, text=True,
                              timeout=min(20, e2e.remaining()))
        return done.returncode, done.stdout, done.stderr

    def arm(self, *args):
        result = self.run(*args)
        check(result == (0, "", ""), "%s: %r: %r" % (self.name, args, result))

    def status(self):
        code, out, err = self.run("--status")
        check(code == 0 and err == "", "%s: --status: %d %r" % (self.name, code, err))
        return out

    def reminders(self, world):
        # xdotool takes a window of that name from any process: the process is checked apart.
        return {window for window in copies.reminders(world, self.process.pid, self.icons)
                if world.xdo("getwindowpid", window, check=False) == str(self.process.pid)}


def requests():
    return [line.split()[1] for line in session_requests(os.environ["HALVO_LOGIND_LOG"])]


def execute(world, copy, reminder, method):
    """'Execute It!' on the reminder (third in the tab order): logind is asked for method, once more."""
    before = requests().count(method)
    world.xdo("windowactivate", "--sync", reminder, timeout=5)
    time.sleep(0.3)
    world.xdo("key", "Tab", "Tab", "space")
    e2e.wait_for("%s at the logind mock" % method, lambda: requests().count(method) > before, 5)
    e2e.wait_for("%s: its reminder to close" % copy.name, lambda: reminder not in copy.reminders(world), 5)
    check(copy.status() == NO_TASK_LEFT, "%s: --status after the run: %r" % (copy.name, copy.status()))


def gdbus(*args):
    done = subprocess.run(["gdbus", "call", "--address", private_bus(), *args], capture_output=True, text=True,
                          timeout=10)
    check(done.returncode == 0, "gdbus %r: %s" % (args, done.stderr.strip()))
    return done.stdout


def processor_busy_percent(seconds):
    """The machine's own processor use over seconds, from /proc/stat as the program reads it."""
    def times():
        with open("/proc/stat") as f:
            fields = [int(x) for x in f.readline().split()[1:9]]
        busy = fields[0] + fields[1] + fields[2] + fields[5] + fields[6] + fields[7]
        return busy, busy + fields[3] + fields[4]
    busy0, total0 = times()
    time.sleep(seconds)
    busy1, total1 = times()
    return 100.0 * (busy1 - busy0) / max(1, total1 - total0)


class Namespaces:
    """Two network namespaces of the test's own joined by a veth pair, NET_A in a and NET_B in b."""

    def __init__(self):
        self.a, self.b = "halvo-e2e-a-%d" % os.getpid(), "halvo-e2e-b-%d" % os.getpid()
        self.made = []
        self.why_not = None
        if os.geteuid() != 0 or not shutil.which("ip"):
            self.why_not = "network namespaces need root and ip(8)"
            return
        # Left behind by a run that was killed: ours by name, and their process is gone.
        for name in os.listdir("/run/netns") if os.path.isdir("/run/netns") else []:
            if name[:12] in ("halvo-e2e-a-", "halvo-e2e-b-") and name[12:].isdigit() and \
                    not os.path.exists("/proc/" + name[12:]):
                subprocess.run(["ip", "netns", "del", name], capture_output=True, timeout=10)
        steps = [["ip", "netns", "add", self.a], ["ip", "netns", "add", self.b],
                 ["ip", "-n", self.a, "link", "add", "hea", "type", "veth", "peer", "name", "heb", "netns", self.b],
                 ["ip", "netns", "exec", self.a, "sysctl", "-qw", "net.ipv6.conf.all.disable_ipv6=1"],
                 ["ip", "netns", "exec", self.b, "sysctl", "-qw", "net.ipv6.conf.all.disable_ipv6=1"],
                 ["ip", "-n", self.a, "addr", "add", NET_A + "/30", "dev", "hea"],
                 ["ip", "-n", self.b, "addr", "add", NET_B + "/30", "dev", "heb"],
                 ["ip", "-n", self.a, "link", "set", "lo", "up"],
                 ["ip", "-n", self.a, "link", "set", "hea", "up"],
                 ["ip", "-n", self.b, "link", "set", "heb", "up"]]
        for step in steps:
            done = subprocess.run(step, capture_output=True, text=True, timeout=10)
            if done.returncode != 0:
                self.why_not = "%s: %s" % (" ".join(step), done.stderr.strip())
                return
            if step[1:3] == ["netns", "add"]:
                self.made.append(step[3])

    def delete(self):
        for name in self.made:
            subprocess.run(["ip", "netns", "del", name], capture_output=True, timeout=10)


def program_exits(world, copy):
    naps = []
    for i in range(2):
        path = os.path.join(world.folder, NAP)
        if not os.path.exists(path):
            shutil.copy2("/bin/sleep", path)
        naps.append(world.start("%s-%d" % (NAP, i), [path, "600"]))
    copy.arm("--when", "exit:" + NAP, "poweroff")
    label = ("General: turn off the computer when the program %s exits (%%s)\n"
             "Keeping the computer awake until: turn off the computer when the program %s exits\n"
             "Schedule: no items\n" % (NAP, NAP))
    check(copy.status() == label % "2 running", "--status with two naps: %r" % copy.status())
    naps[0].kill()
    naps[0].wait(timeout=5)
    e2e.wait_for("'running' once one nap ended", lambda: copy.status() == label % "running", SAMPLE_S + 3)
    check(not copy.reminders(world), "the reminder came while a nap still ran")
    naps[1].kill()
    naps[1].wait(timeout=5)
    ended = time.monotonic()
    reminder = e2e.wait_for("the reminder once both naps ended", lambda: copy.reminders(world), SAMPLE_S + 3)
    took = time.monotonic() - ended
    check(requests() == [], "logind was asked before the reminder was answered: %r" % requests())
    execute(world, copy, sorted(reminder)[0], "PowerOff")
    print("e2e: exit:%s: reminder %.1f s after the last one ended, PowerOff on Execute It!" % (NAP, took))


def battery(world, copy):
    name, path = UPOWER
    world.start("upower", ["/usr/bin/python3", "-m", "dbusmock", "--system", "--template", "upower"])
    e2e.wait_for("UPower on the private bus", lambda: "true" in gdbus(
        "--dest", "org.freedesktop.DBus", "--object-path", "/org/freedesktop/DBus",
        "--method", "org.freedesktop.DBus.NameHasOwner", name), 15, interval=0.2)
    # A desktop computer: nothing to arm, and nothing armed.
    result = copy.run("--when", "battery:15%", "hibernate")
    check(result == (2, "", "halvo-shutdown: cannot tell when the battery is below 15%: "
                            "This computer has no battery\n"), "battery:15%% without a battery: %r" % (result,))
    check(copy.status() == NO_TASK_LEFT, "--status after the refusal: %r" % copy.status())
    # On battery at 10%: (type, state, percentage, energy, energy full, rate, time to empty, to full, present,
    # icon, warning level).
    gdbus("--dest", name, "--object-path", path, "--method", "org.freedesktop.DBus.Mock.SetupDisplayDevice",
          "uint32 2", "uint32 2", "10.0", "10.0", "100.0", "5.0", "int64 7200", "int64 0", "true", "''",
          "uint32 1")
    armed = time.monotonic()
    copy.arm("--when", "battery:15%", "hibernate")
    reminder = e2e.wait_for("the reminder on battery at 10%", lambda: copy.reminders(world), 3)
    took = time.monotonic() - armed
    execute(world, copy, sorted(reminder)[0], "Hibernate")
    print("e2e: battery:15%%: refused without a battery; at 10%% on battery the reminder %.1f s after arming" %
          took)


def reading(copy, pattern, what):
    """The number in copy's live reading as --status shows it, once its line matches pattern."""
    # The line of the computer kept awake names the same action, without its reading.
    general = re.sub(r" \\\((now|idle) .*", "", pattern[len("General: "):])
    match = re.fullmatch(pattern + r"\nKeeping the computer awake until: " + general + r"\nSchedule: no items\n",
                         copy.status())
    check(match, "%s: --status %s: %r" % (copy.name, what, copy.status()))
    return int(match.group(1))


def waits_of_a_minute(world, namespaces):
    idle = Copy(world, "idle")
    cpu = Copy(world, "cpu")
    net = Copy(world, "net", namespaces.a) if not namespaces.why_not else None
    if net is None:
        print("e2e: the network wait is SKIPPED: %s" % namespaces.why_not)
    time.sleep(2)  # past the copies' start
    quiet = processor_busy_percent(3)
    percent = CPU_PERCENT_QUIET if quiet < BUSY_OF_ITSELF else CPU_PERCENT_BUSY
    cores = sorted(os.sched_getaffinity(0))
    spinners = [world.start("spin-%d" % core, ["nice", "-n", "19", "/usr/bin/python3", "-c", SPIN, str(core), "90"])
                for core in cores]
    senders = []
    if net:
        inside = ["ip", "netns", "exec"]
        senders.append(world.start("receive", inside + [namespaces.a, "/usr/bin/python3", "-c", RECEIVE, NET_A,
                                                       str(NET_PORT), "120"]))
        time.sleep(0.3)
        senders.append(world.start("send", inside + [namespaces.b, "/usr/bin/python3", "-c", SEND, NET_A,
                                                    str(NET_PORT), str(NET_SEND_KBS), "90"]))
    cpu_text = r"General: restart the computer when the processor is below %d%% for 1 min \(now (\d+)%%\)"
    net_text = r"General: sleep the computer when the network is below %d KB/s for 1 min \(now (\d+) KB/s\)"
    idle_text = r"General: lock the workstation when the user is idle for 1 min \(idle (\d+) s\)"
    armed = time.monotonic()
    cpu.arm("--when", "cpu:%d%%:1m" % percent, "restart")
    if net:
        net.arm("--when", "net:%dk:1m" % NET_LIMIT_KBS, "sleep")
    idle.arm("--when", "idle:1m", "lock")

    # Input sets the idle time back: the reading goes down.
    time.sleep(SAMPLE_S * 2 + 1)
    before = reading(idle, idle_text, "before the input")
    world.xdo("mousemove", "200", "200", "mousemove", "300", "300")
    last_input = time.monotonic()
    e2e.wait_for("the idle reading to go down after the input",
                 lambda: reading(idle, idle_text, "after the input") < before, SAMPLE_S + 3, interval=0.5)
    print("e2e: idle:1m: idle %d s before the input, less after it" % before)

    # Past the minute, both loads still run: neither busy condition holds.
    e2e.wait_for("the first minute to pass", lambda: time.monotonic() - armed > WINDOW_S + SAMPLE_S + 1,
                 WINDOW_S + SAMPLE_S + 3, interval=0.5)
    busy = reading(cpu, cpu_text % percent, "with the spinners")
    check(busy >= percent, "the processor with %d spinners: now %s%%" % (len(cores), busy))
    if net:
        rate = reading(net, net_text % NET_LIMIT_KBS, "with the datagrams")
        check(rate > NET_LIMIT_KBS, "the network with the datagrams: now %d KB/s" % rate)
    check(not cpu.reminders(world) and (not net or not net.reminders(world)), "a busy condition held")
    for process in spinners + senders:
        process.kill()
        process.wait(timeout=5)
    stopped = time.monotonic()
    after = processor_busy_percent(2)

    # The idle one holds first (its minute counts from the input); the keys for the others come after it.
    idle_reminder = e2e.wait_for("the idle reminder", lambda: idle.reminders(world),
                                 max(1, last_input + WINDOW_S + SAMPLE_S + 10 - time.monotonic()), interval=0.5)
    idle_opened = time.monotonic()
    idle_after = idle_opened - last_input
    check(WINDOW_S <= idle_after, "the idle reminder came %.1f s after the input" % idle_after)
    check("LockSession" not in requests(), "the session was locked before the reminder ran out")
    # Each busy one is answered as its reminder opens, whichever comes first.
    waiting = {cpu: ("Reboot", lambda held: "cpu:%d%%:1m: held %.1f s after the spinners stopped (%d%% with them; "
                                            "the test read %.0f%% before them, %.0f%% after)" %
                                            (percent, held, busy, quiet, after))}
    if net:
        waiting[net] = ("Suspend", lambda held: "net:%dk:1m: held %.1f s after the datagrams stopped (now %d KB/s "
                                                "with them)" % (NET_LIMIT_KBS, held, rate))
    while waiting:
        try:
            copy, shown = e2e.wait_for("the reminder of " + " and ".join(c.name for c in waiting), lambda: next(
                ((c, r) for c in waiting for r in [c.reminders(world)] if r), None),
                max(1, stopped + BUSY_HOLDS_WITHIN_S - time.monotonic()), interval=0.5)
        except Failure as failure:
            raise Failure("%s (the test read the processor at %.0f%% before its spinners, %.0f%% after them, %.0f%% "
                          "now)" % (failure, quiet, after, processor_busy_percent(1)))
        held = time.monotonic() - stopped
        method, text = waiting.pop(copy)
        execute(world, copy, sorted(shown)[0], method)
        print("e2e: " + text(held))

    # The idle reminder, left alone, runs out and locks the session.
    e2e.wait_for("LockSession at the logind mock", lambda: "LockSession" in requests(),
                 max(1, idle_opened + COUNTDOWN_S + 5 - time.monotonic()), interval=0.5)
    ran = time.monotonic() - idle_opened
    check(COUNTDOWN_S - 4 <= ran, "the idle reminder ran out after %.1f s" % ran)
    e2e.wait_for("the idle reminder to close", lambda: not idle_reminder & idle.reminders(world), 5)
    check(idle.status() == NO_TASK_LEFT, "idle: --status after the run: %r" % idle.status())
    print("e2e: idle:1m: reminder %.1f s after the input, ran out after %.1f s and locked" % (idle_after, ran))


def run(world, namespaces):
    world.start_display()
    first = Copy(world, "first")
    program_exits(world, first)
    battery(world, first)
    waits_of_a_minute(world, namespaces)
    # The three waits of a minute end in any order.
    expected = ["LockSession", "Reboot"] + ([] if namespaces.why_not else ["Suspend"])
    asked = requests()
    check(asked[:2] == ["PowerOff", "Hibernate"] and sorted(asked[2:]) == sorted(expected),
          "logind was asked: %r" % asked)


def run_telling(world, namespaces):
    """run(), with every copy's output on stderr when it fails (the copies have names of their own)."""
    try:
        run(world, namespaces)
    except (Failure, subprocess.TimeoutExpired):
        print("e2e conditions: logind was asked: %r" % requests(), file=sys.stderr)
        for name, _ in world.started:
            if name in COPIES:
                print("e2e conditions: output of the copy '%s':\n%s" % (name, world.output(name)), file=sys.stderr)
        raise


def main():
    status = e2e.refused(__doc__, ("Xvfb", "openbox", "trayer", "xdotool", "xprop", "gdbus"))
    if status is not None:
        return status
    namespaces = Namespaces()
    try:
        return e2e.run_in_world(lambda world: run_telling(world, namespaces), "conditions")
    finally:
        namespaces.delete()


if __name__ == "__main__":
    sys.exit(main())
