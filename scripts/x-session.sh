# shellcheck shell=bash
# Sourced by the scripts that run the real program on a private desktop (scripts/screenshots.sh,
# bench/probe-startup.sh): the private folders and D-Bus world they run in, Xvfb with openbox and a tray
# (trayer), and stopping all of it again. The sourcing script defines die MESSAGE (prints, exits 1) and
# ROOT (the repository).
#
# Outside the private world:        Inside it (SCRIPT --inside WORK ...):
#   x_session_check BUILD TOOL...     x_session_enter WORK
#   x_session_make_work PREFIX        x_session_start_desktop
#   x_session_run_inside SCRIPT ...   x_session_start_tray [TRAYER_OPTION...]
#                                     wait_for SECONDS COMMAND...

# Sets build to the absolute build folder; stops unless the program is built and every TOOL is at hand.
x_session_check() { # BUILD_DIR TOOL...
    build="$(cd "$1" && pwd)" || die "no build folder $1"
    [[ -x "$build/app/halvo-shutdown" ]] || die "$build/app/halvo-shutdown is not built"
    shift
    local tool
    for tool in "$@"; do
        command -v "$tool" >/dev/null || die "$tool is missing (./halvo.sh setup installs it)"
    done
}

# Sets work to a new temporary folder, removed at exit, with bin/ for the program's copy and the private
# config, runtime and home folders.
x_session_make_work() { # PREFIX
    work="$(mktemp -d "${TMPDIR:-/tmp}/$1.XXXXXX")"
    trap 'rm -rf "$work"' EXIT
    mkdir -p "$work/bin" "$work/config" "$work/run" "$work/home"
    chmod 700 "$work/run"
}

# Runs SCRIPT --inside ARG... in a private D-Bus world with the logind mock and exits with its status.
x_session_run_inside() { # SCRIPT ARG...
    "$ROOT/tests/helpers/private-session.sh" "$1" --inside "${@:2}" &
    session=$!
    # Stopped from outside: the private session stops what runs in it.
    trap 'kill -TERM "$session" 2>/dev/null; wait "$session"; exit 143' TERM
    trap 'kill -TERM "$session" 2>/dev/null; wait "$session"; exit 130' INT
    local status=0
    wait "$session" || status=$?
    exit "$status"
}

# Everything started inside goes into started, and is stopped, newest first, when the script ends.
x_session_stop_started() {
    set +e
    for ((i = ${#started[@]} - 1; i >= 0; i--)); do
        kill -TERM "${started[i]}" 2>/dev/null && wait "${started[i]}" 2>/dev/null
    done
    return 0
}

# Inside the private world: stops what it starts on the way out and keeps the program's settings and
# state in the private folders of WORK.
x_session_enter() { # WORK
    started=()
    trap x_session_stop_started EXIT
    # Killed from outside: still stop everything started here.
    trap 'exit 143' TERM
    trap 'exit 130' INT
    trap 'exit 129' HUP
    export XDG_CONFIG_HOME="$1/config" XDG_RUNTIME_DIR="$1/run" HOME="$1/home"
    unset WAYLAND_DISPLAY QT_QPA_PLATFORM
}

# wait_for SECONDS COMMAND...: retries COMMAND every 0.1 s.
wait_for() {
    local limit=$(($1 * 10))
    shift
    for ((i = 0; i < limit; i++)); do
        "$@" >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    return 1
}

# Xvfb (its display exported as DISPLAY) with openbox, both running once this returns. Logs go to $work.
x_session_start_desktop() {
    Xvfb -displayfd 5 -screen 0 1024x768x24 -nolisten tcp 5>"$work/display" 2>"$work/xvfb.log" &
    started+=($!)
    wait_for 10 test -s "$work/display" || die "Xvfb did not start"
    export DISPLAY=":$(head -n 1 "$work/display")"
    openbox >"$work/openbox.log" 2>&1 &
    started+=($!)
    wait_for 10 sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"' ||
        die "openbox did not start"
}

# A tray at the bottom right of the screen, with its panel shown once this returns.
x_session_start_tray() { # [TRAYER_OPTION...]
    trayer --edge bottom --align right --widthtype request --height 26 "$@" >"$work/trayer.log" 2>&1 &
    started+=($!)
    wait_for 10 xdotool search --classname '^panel$' || die "trayer did not start"
}
