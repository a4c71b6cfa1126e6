#!/usr/bin/env bash
# Screenshots of the real program on a private desktop: Xvfb with openbox and a tray (trayer), inside a
# private D-Bus world with the logind mock (tests/helpers/private-session.sh), with a copy of the program
# in a temporary folder, so nothing of this machine is touched. It opens the tray menu, shows each page and
# the reminder (the tray menu, the reminder and the General page also in German and in Chinese), and saves
# PNG files into docs/screenshots/. It clicks no action item: the window is opened
# by starting a second copy, and the reminder it shows is cancelled.
#
#   scripts/screenshots.sh BUILD_DIR
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

die() {
    echo "screenshots: $*" >&2
    exit 1
}
# shellcheck source=scripts/x-session.sh
source "$ROOT/scripts/x-session.sh"

if [[ "${1:-}" != "--inside" ]]; then
    [[ $# -eq 1 ]] || die "usage: scripts/screenshots.sh BUILD_DIR"
    x_session_check "$1" Xvfb openbox trayer xdotool import convert xwininfo
    x_session_make_work halvo-shots
    # A copy of its own: its settings and schedule land beside it, in the temporary folder.
    cp "$build/app/halvo-shutdown" "$build/app/AppHelp.html" "$work/bin/"
    mkdir -p "$ROOT/docs/screenshots"
    x_session_run_inside "${BASH_SOURCE[0]}" "$work" "$ROOT/docs/screenshots"
fi

work="$2"
out="$3"
x_session_enter "$work"
export LANG=C.UTF-8 LC_ALL=C.UTF-8

x_session_start_desktop
# A calm blue desktop behind the windows.
convert -size 1024x768 gradient:'#3a6a9c'-'#15304f' "$work/desktop.png"
display -window root "$work/desktop.png" 2>/dev/null || true
x_session_start_tray --tint 0xdcdcdc --transparent false

# A saved schedule with one daily item at 22:30:00 ("Night", shut down), loaded at start because auto save
# is on, announced by the reminder. The program runs on a clock set a few seconds before that time.
cp "$ROOT/tests/data/night.cks" "$work/bin/sch.cks"
printf '[schManager]\ncount=1\n[setting]\nSetting_AutoStartup=0\nSetting_AutoSave=1\nSetting_Remind=1\n' \
    >"$work/bin/setting.ini"
FAKETIME_DONT_FAKE_MONOTONIC=1 faketime -f "@2026-12-08 22:29:54" "$work/bin/halvo-shutdown" \
    >"$work/program.log" 2>&1 &
program=$!
started+=($program)

# Windows of the program, by title, and by size to tell the tray icon (small) from the rest.
windows_named() { # TITLE (* for any) MIN_WIDTH MAX_WIDTH
    xdotool search --onlyvisible --classname '^halvo-shutdown$' 2>/dev/null | while read -r id; do
        [[ "$1" == "*" || "$(xdotool getwindowname "$id" 2>/dev/null)" == "$1" ]] || continue
        eval "$(xdotool getwindowgeometry --shell "$id")"
        ((WIDTH >= $2 && WIDTH <= $3)) && echo "$id"
    done | head -n 1
}
tray_icon() { windows_named "*" 1 63; }
reminder_window() { windows_named "Halvo Shutdown" 200 2000; }
has_tray_icon() { [[ -n "$(tray_icon)" ]]; }
has_reminder() { [[ -n "$(reminder_window)" ]]; }

wait_for 10 has_tray_icon || die "the tray icon did not appear"
icon="$(tray_icon)"
eval "$(xdotool getwindowgeometry --shell "$icon")"
icon_x=$((X + WIDTH / 2))
icon_y=$((Y + HEIGHT / 2))
sleep 0.5

shot_region() { # FILE WxH+X+Y
    import -window root -crop "$2" +repage "$out/$1"
}
shot_window() { # FILE WINDOW: the window with its frame
    import -frame -window "$2" "$out/$1"
}

shot_region tray.png 160x50+864+718
mogrify -scale 300% "$out/tray.png"

# The tray menu, opened with the right button on the icon; closed again with Escape.
xdotool mousemove --sync "$icon_x" "$icon_y" click 3
sleep 0.8
shot_region tray-menu.png 400x340+624+428
xdotool key Escape
xdotool mousemove --sync 500 300
sleep 0.3

# The reminder of the saved item, a moment after 22:30:00; cancelled with Escape.
wait_for 20 has_reminder || die "the reminder did not show"
reminder="$(reminder_window)"
sleep 2.2
shot_window reminder.png "$reminder"
xdotool windowactivate --sync "$reminder" 2>/dev/null || true
xdotool key Escape
reminder_closed() { [[ -z "$(reminder_window)" ]]; }
wait_for 5 reminder_closed || die "the reminder did not close"

# The window, opened by starting a second copy, as a user would.
"$work/bin/halvo-shutdown" || die "the second copy failed"
main_window() { windows_named "Halvo ShutDown" 100 2000; }
has_main_window() { [[ -n "$(main_window)" ]]; }
wait_for 10 has_main_window || die "the window did not show"
window="$(main_window)"
xdotool windowmove --sync "$window" 150 90
xdotool windowactivate --sync "$window"
sleep 0.8
shot_window general.png "$window"

# Armed from the command line to wait for a quiet network and processor: the page shows each condition
# with its reading (neither stays quiet for less than the five minutes this run lasts).
"$work/bin/halvo-shutdown" --when net:50k:5m --when cpu:10%:5m --when net:2k:1h shutdown ||
    die "--when net:50k:5m --when cpu:10%:5m --when net:2k:1h shutdown failed"
sleep 6
shot_window general-when.png "$window"
"$work/bin/halvo-shutdown" --cancel || die "--cancel failed"
sleep 0.5

# The other pages, by Ctrl+Tab.
for page in schedule option about; do
    xdotool key ctrl+Tab
    sleep 0.6
    shot_window "$page.png" "$window"
done
xdotool key ctrl+Tab
sleep 0.5

# The whole desktop, with the window on the General page and the tray.
shot_region desktop.png 1024x768+0+0

kill -TERM "$program"
wait "$program" || true
started=("${started[@]:0:3}")

# The tray menu, the reminder and the General page in another language: a fresh copy started with the
# user's language set as a desktop session sets it (LANG; nothing before it). faketime may leave the
# program running when it is ended itself: the copy is ended through the process of its tray icon's window.
no_tray_icon() { [[ -z "$(tray_icon)" ]]; }
end_program() {
    local icon_window
    icon_window="$(tray_icon)" || true
    [[ -n "$icon_window" ]] && kill -TERM "$(xdotool getwindowpid "$icon_window")" 2>/dev/null
    wait_for 10 no_tray_icon || die "the program did not end"
}
end_program
any_reminder() { windows_named "*" 200 2000; }
has_any_reminder() { [[ -n "$(any_reminder)" ]]; }
language_shots() { # LOCALE SUFFIX
    rm -f "$work/bin/sch.cks" "$work/bin/setting.ini"
    cp "$ROOT/tests/data/night.cks" "$work/bin/sch.cks"
    printf '[schManager]\ncount=1\n[setting]\nSetting_AutoStartup=0\nSetting_AutoSave=1\nSetting_Remind=1\n' \
        >"$work/bin/setting.ini"
    env -u LC_ALL -u LANGUAGE -u LC_MESSAGES LANG="$1" FAKETIME_DONT_FAKE_MONOTONIC=1 \
        faketime -f "@2026-12-08 22:29:54" "$work/bin/halvo-shutdown" >"$work/program-$2.log" 2>&1 &
    program=$!
    started+=($program)
    wait_for 10 has_tray_icon || die "the tray icon did not appear ($1)"
    icon="$(tray_icon)" || true
    eval "$(xdotool getwindowgeometry --shell "$icon")"
    sleep 0.5
    xdotool mousemove --sync $((X + WIDTH / 2)) $((Y + HEIGHT / 2)) click 3
    sleep 0.8
    shot_region "tray-menu-$2.png" 400x340+624+428
    xdotool key Escape
    xdotool mousemove --sync 500 300
    wait_for 20 has_any_reminder || die "the reminder did not show ($1)"
    reminder="$(any_reminder)" || true # the last window looked at may not match: not a failure
    sleep 2.2
    shot_window "reminder-$2.png" "$reminder"
    xdotool windowactivate --sync "$reminder" 2>/dev/null || true
    xdotool key Escape
    any_reminder_closed() { [[ -z "$(any_reminder)" ]]; }
    wait_for 5 any_reminder_closed || die "the reminder did not close ($1)"
    env -u LC_ALL -u LANGUAGE -u LC_MESSAGES LANG="$1" "$work/bin/halvo-shutdown" || die "the second copy failed ($1)"
    wait_for 10 has_any_reminder || die "the window did not show ($1)"
    window="$(any_reminder)" || true
    # Already where the first copy's window was: a move there is no move, and --sync would wait for one.
    xdotool windowmove "$window" 150 90 || true
    xdotool windowactivate --sync "$window" || true
    sleep 0.8
    shot_window "general-$2.png" "$window"
    end_program
    kill -TERM "$program" 2>/dev/null || true
    wait "$program" || true
    started=("${started[@]:0:3}")
}
language_shots de_DE.UTF-8 de
language_shots zh_CN.UTF-8 zh_CN
# Nothing may have reached the session: the reminder was cancelled and no action item was clicked.
if [[ -s "$HALVO_LOGIND_LOG" ]] && grep -Eq "PowerOff|Reboot|TerminateSession|LockSession" "$HALVO_LOGIND_LOG"; then
    die "an action reached the logind mock: $(cat "$HALVO_LOGIND_LOG")"
fi
echo "screenshots: saved in $out"
