#!/usr/bin/env bash
# Start-up probe of the real program on a private desktop (Xvfb, openbox, trayer) inside a private D-Bus
# world with the logind mock, with a copy of the program in a temporary folder:
#   - time from process start to the tray icon shown (target under 300 ms; best of three starts),
#   - resident memory after the window was shown once (target under 40 MB),
#   - CPU time over 60 idle seconds in the tray after that (target under 50 ms).
# Ends with a failure status when a figure cannot be measured or misses its target.
#
#   bench/probe-startup.sh BUILD_DIR        (HALVO_PROBE_IDLE_SECONDS changes the 60 s)
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

die() {
    echo "probe-startup: $*" >&2
    exit 1
}

if [[ "${1:-}" != "--inside" ]]; then
    [[ $# -eq 1 ]] || die "usage: bench/probe-startup.sh BUILD_DIR"
    build="$(cd "$1" && pwd)" || die "no build folder $1"
    [[ -x "$build/app/halvo-shutdown" ]] || die "$build/app/halvo-shutdown is not built"
    for tool in Xvfb openbox trayer xdotool xprop; do
        command -v "$tool" >/dev/null || die "$tool is missing (./halvo.sh setup installs it)"
    done
    work="$(mktemp -d "${TMPDIR:-/tmp}/halvo-probe.XXXXXX")"
    trap 'rm -rf "$work"' EXIT
    mkdir -p "$work/bin" "$work/config" "$work/run" "$work/home"
    chmod 700 "$work/run"
    cp "$build/app/halvo-shutdown" "$work/bin/"
    "$ROOT/tests/helpers/private-session.sh" "${BASH_SOURCE[0]}" --inside "$work" &
    session=$!
    # Stopped from outside: the private session stops what runs in it.
    trap 'kill -TERM "$session" 2>/dev/null; wait "$session"; exit 143' TERM
    trap 'kill -TERM "$session" 2>/dev/null; wait "$session"; exit 130' INT
    status=0
    wait "$session" || status=$?
    exit "$status"
fi

work="$2"
idle_seconds="${HALVO_PROBE_IDLE_SECONDS:-60}"
started=()
cleanup() {
    set +e
    for ((i = ${#started[@]} - 1; i >= 0; i--)); do
        kill -TERM "${started[i]}" 2>/dev/null && wait "${started[i]}" 2>/dev/null
    done
    return 0
}
trap cleanup EXIT
# Killed from outside: still stop everything started here.
trap 'exit 143' TERM
trap 'exit 130' INT
trap 'exit 129' HUP

wait_for() { # SECONDS COMMAND...
    local limit=$(($1 * 10))
    shift
    for ((i = 0; i < limit; i++)); do
        "$@" >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    return 1
}

export XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/run" HOME="$work/home"
unset WAYLAND_DISPLAY QT_QPA_PLATFORM

Xvfb -displayfd 5 -screen 0 1024x768x24 -nolisten tcp 5>"$work/display" 2>"$work/xvfb.log" &
started+=($!)
wait_for 10 test -s "$work/display" || die "Xvfb did not start"
export DISPLAY=":$(head -n 1 "$work/display")"
openbox >"$work/openbox.log" 2>&1 &
started+=($!)
wait_for 10 sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"' || die "openbox did not start"
trayer --edge bottom --align right --widthtype request --height 26 >"$work/trayer.log" 2>&1 &
started+=($!)
wait_for 10 xdotool search --classname '^panel$' || die "trayer did not start"
panel="$(xdotool search --classname '^panel$' | head -n 1)"

# The tray icon is docked when the panel holds a mapped window of the program.
icon_docked() {
    xdotool search --onlyvisible --classname '^halvo-shutdown$' 2>/dev/null | while read -r id; do
        eval "$(xdotool getwindowgeometry --shell "$id")"
        ((WIDTH < 64)) && echo "$id"
    done | grep -q .
}

now_ns() { date +%s%N; }

start_once() { # sets $ms to the milliseconds to the docked icon; leaves the program running as $program
    local t0 t1
    t0="$(now_ns)"
    "$work/bin/halvo-shutdown" >>"$work/program.log" 2>&1 &
    program=$!
    started+=($program)
    for ((i = 0; i < 2000; i++)); do
        if icon_docked; then
            t1="$(now_ns)"
            ms=$(((t1 - t0) / 1000000))
            return 0
        fi
        kill -0 "$program" 2>/dev/null || return 1
        sleep 0.005
    done
    return 1
}

stop_program() {
    kill -TERM "$program"
    wait "$program" 2>/dev/null || true
    unset 'started[${#started[@]}-1]'
    wait_for 5 sh -c '! xdotool search --onlyvisible --classname "^halvo-shutdown\$" | grep -q .' || true
}

# Three starts; the first one also warms the file cache.
times=()
for run in 1 2 3; do
    start_once || die "the tray icon did not appear (start $run)"
    times+=("$ms")
    ((run < 3)) && stop_program
done
best="$(printf '%s\n' "${times[@]}" | sort -n | head -n 1)"

# Show the window once (by starting a second copy), then back into the tray by minimizing.
"$work/bin/halvo-shutdown" || die "the second copy failed"
main_window() { xdotool search --onlyvisible --name '^Halvo ShutDown$' 2>/dev/null | head -n 1; }
has_main_window() { [[ -n "$(main_window)" ]]; }
wait_for 10 has_main_window || die "the window did not show"
sleep 1
rss_kb="$(awk '/^VmRSS:/ { print $2 }' "/proc/$program/status")"
xdotool windowminimize "$(main_window)"
wait_for 5 sh -c '! xdotool search --onlyvisible --name "^Halvo ShutDown\$" | grep -q .' || die "the window did not hide"
sleep 1

cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$program/stat"; }
ticks_per_second="$(getconf CLK_TCK)"
before="$(cpu_ticks)"
sleep "$idle_seconds" &
wait $!
after="$(cpu_ticks)"
cpu_ms=$(((after - before) * 1000 / ticks_per_second))
kill -0 "$program" || die "the program ended while idle"

rss_mb="$(awk -v kb="$rss_kb" 'BEGIN { printf "%.1f", kb / 1024 }')"
verdict() { (($1)) && echo "ok" || echo "MISSED"; }
printf 'start to tray icon   %5s ms   (starts: %s ms; target < 300)   %s\n' "$best" "${times[*]}" \
    "$(verdict "best < 300")"
printf 'resident memory      %5s MB   (window shown once; target < 40)  %s\n' "$rss_mb" \
    "$(verdict "rss_kb < 40 * 1024")"
printf 'CPU over %ss idle   %5s ms   (target < 50)                      %s\n' "$idle_seconds" "$cpu_ms" \
    "$(verdict "cpu_ms < 50 * idle_seconds / 60 + (idle_seconds < 60)")"
stop_program
((best < 300 && rss_kb < 40 * 1024 && cpu_ms * 60 < 50 * idle_seconds)) || exit 1
