#!/usr/bin/env bash
# Runs a command inside a private D-Bus world, so that power, session and screen-saver calls reach mocks
# and never this machine:
#
#   tests/helpers/private-session.sh CMD [ARG...]
#
# It starts one private dbus-daemon (no service activation) that serves as both the system and the session
# bus, the logind mock (/usr/bin/python3 -m dbusmock --template logind) and a mock org.freedesktop.ScreenSaver
# (linux-screensaver-mock.py) on it, waits until both own their names, then runs CMD with
#
#   DBUS_SYSTEM_BUS_ADDRESS = DBUS_SESSION_BUS_ADDRESS = the private bus
#   HALVO_PRIVATE_SESSION_DIR   a temporary folder that lives as long as CMD runs
#   HALVO_LOGIND_LOG            the logind mock's call log, one line per call: "TIME Method args"
#                               (it starts with the set-up below; property reads show as Get/GetAll)
#   HALVO_SCREENSAVER_LOG       the screen-saver mock's call log, same form
#   XDG_SESSION_ID = c1         a session the logind mock knows (seat0, the current user)
#
# Example: tests/helpers/private-session.sh build/app/halvo-shutdown
#          (then "Shut down" from the tray shows up as "... PowerOff False" in $HALVO_LOGIND_LOG).
# The mocks can be scripted further through their org.freedesktop.DBus.Mock interface (AddMethod,
# AddSession, GetCalls, ...). Everything started here is stopped and the folder removed when CMD ends,
# fails or the script is interrupted. The exit status is CMD's; 125 when the private world cannot be
# started, in which case CMD does not run at all: there is no fallback to the real buses.
set -uo pipefail

if (($# == 0)); then
    sed -n '2,21p' "$0" | sed 's/^# \{0,1\}//' >&2
    exit 2
fi

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"

# The real buses must stay out of reach of everything below, whatever happens.
unset DBUS_SESSION_BUS_ADDRESS DBUS_SYSTEM_BUS_ADDRESS DBUS_STARTER_ADDRESS DBUS_STARTER_BUS_TYPE

# A socket path must stay under 108 bytes, so a long TMPDIR falls back to /tmp.
parent="${TMPDIR:-/tmp}"
((${#parent} > 60)) && parent=/tmp
dir="$(mktemp -d "$parent/halvo-bus.XXXXXX")" || exit 125

started=() # pids of what this script started, in start order
child=""

cleanup() {
    local pid
    if [[ -n "$child" ]] && kill -0 "$child" 2>/dev/null; then
        kill -TERM "$child" 2>/dev/null
        wait "$child" 2>/dev/null
    fi
    for ((i = ${#started[@]} - 1; i >= 0; i--)); do
        pid="${started[i]}"
        kill -TERM "$pid" 2>/dev/null && wait "$pid" 2>/dev/null
    done
    rm -rf "$dir"
}
trap cleanup EXIT
trap 'exit 129' HUP
trap 'exit 130' INT
trap 'exit 143' TERM

fail() {
    echo "private-session: $*" >&2
    [[ -s "$dir/daemon.err" ]] && sed 's/^/private-session: dbus-daemon: /' "$dir/daemon.err" >&2
    for f in "$dir"/*.mock.err; do
        [[ -s "$f" ]] && sed "s/^/private-session: $(basename "$f" .mock.err): /" "$f" >&2
    done
    exit 125
}

cat >"$dir/bus.conf" <<CONF
<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-BUS Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <listen>unix:path=$dir/bus</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
CONF

/usr/bin/dbus-daemon --config-file="$dir/bus.conf" --nofork --nopidfile --print-address=3 \
    3>"$dir/address" 2>"$dir/daemon.err" </dev/null &
started+=($!)

address=""
for ((i = 0; i < 200; i++)); do
    address="$(head -n 1 "$dir/address" 2>/dev/null)"
    [[ -n "$address" ]] && break
    kill -0 "${started[0]}" 2>/dev/null || fail "dbus-daemon did not start"
    sleep 0.05
done
[[ -n "$address" ]] || fail "dbus-daemon gave no address within 10 s"
[[ "$address" == unix:path="$dir"/bus* ]] || fail "dbus-daemon listens on an unexpected address: $address"

export DBUS_SYSTEM_BUS_ADDRESS="$address"
export DBUS_SESSION_BUS_ADDRESS="$address"

/usr/bin/python3 -m dbusmock --system --template logind -l "$dir/logind.log" \
    >/dev/null 2>"$dir/logind.mock.err" </dev/null &
started+=($!)
logind_pid=$!
/usr/bin/python3 -m dbusmock --session --template "$here/linux-screensaver-mock.py" \
    -l "$dir/screensaver.log" >/dev/null 2>"$dir/screensaver.mock.err" </dev/null &
started+=($!)
screensaver_pid=$!

has_owner() {
    /usr/bin/dbus-send --bus="$address" --print-reply=literal --dest=org.freedesktop.DBus \
        /org/freedesktop/DBus org.freedesktop.DBus.NameHasOwner "string:$1" 2>/dev/null | grep -q true
}

for name in org.freedesktop.login1 org.freedesktop.ScreenSaver; do
    for ((i = 0; ; i++)); do
        has_owner "$name" && break
        kill -0 "$logind_pid" 2>/dev/null || fail "the logind mock ended"
        kill -0 "$screensaver_pid" 2>/dev/null || fail "the screen-saver mock ended"
        ((i < 300)) || fail "$name did not appear on the private bus within 15 s"
        sleep 0.05
    done
done

# One session of ours on seat0, named by XDG_SESSION_ID as a desktop session would be; and GetUser
# mended: the template of python3-dbusmock 0.28 fails on its uint32 argument.
mock_call() {
    /usr/bin/dbus-send --bus="$address" --print-reply --dest=org.freedesktop.login1 /org/freedesktop/login1 \
        "org.freedesktop.DBus.Mock.$1" "${@:2}" >/dev/null 2>>"$dir/logind.mock.err"
}
mock_call AddMethod string:org.freedesktop.login1.Manager string:GetUser string:u string:o \
    "string:ret = '/org/freedesktop/login1/user/%d' % args[0]" || fail "the logind mock refused GetUser"
user_name="$(id -un 2>/dev/null || echo user)"
mock_call AddSession string:c1 string:seat0 "uint32:$(id -u)" "string:$user_name" boolean:true ||
    fail "the logind mock refused a session"
export XDG_SESSION_ID=c1

export HALVO_PRIVATE_SESSION_DIR="$dir"
export HALVO_LOGIND_LOG="$dir/logind.log"
export HALVO_SCREENSAVER_LOG="$dir/screensaver.log"

"$@" &
child=$!
wait "$child"
status=$?
child=""
exit "$status"
