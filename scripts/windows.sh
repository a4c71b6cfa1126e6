#!/usr/bin/env bash
# The Windows build of Halvo Shutdown on a Debian machine: the model, the platform layer (interface, fake and
# the Win32 backend) and their tests, cross-built with MinGW-w64 and tested under Wine.
#   scripts/windows.sh build   configure and build build-windows/ (preset windows-cross)
#   scripts/windows.sh test    build, then run its tests with Wine on a private X server (the default)
# The tests run in a Wine prefix made for this run in a temporary folder and removed afterwards, so
# nothing of the machine's own Wine set-up or desktop is touched. The whole run is bounded in time.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="${HALVO_WINDOWS_BUILD_DIR:-$ROOT/build-windows}"
JOBS="$(nproc)"
WINE=/usr/lib/wine/wine64
WINESERVER=/usr/lib/wine/wineserver
# Seconds for the whole Wine run, first start of the fresh prefix included.
TEST_BUDGET="${HALVO_WINDOWS_TEST_BUDGET:-220}"

die() {
    echo "windows.sh: $*" >&2
    exit 1
}

build() {
    command -v x86_64-w64-mingw32-g++-posix >/dev/null || die "x86_64-w64-mingw32-g++-posix is missing (./halvo.sh setup)"
    cmake -S "$ROOT" --preset windows-cross -B "$BUILD" >/dev/null
    cmake --build "$BUILD" -j "$JOBS"
}

run_tests() {
    [[ -x "$WINE" ]] || die "$WINE is missing (./halvo.sh setup installs wine64)"
    command -v xvfb-run >/dev/null || die "xvfb-run is missing (./halvo.sh setup installs xvfb)"

    # Global: the exit trap needs it after this function has returned.
    prefix="$(mktemp -d "${TMPDIR:-/tmp}/halvo-wine.XXXXXX")"
    # Only this run's wineserver is asked to end: it is found through this run's prefix.
    cleanup() {
        WINEPREFIX="$prefix" "$WINESERVER" -k >/dev/null 2>&1 || true
        rm -rf "$prefix"
    }
    trap cleanup EXIT

    export WINEPREFIX="$prefix" WINEDEBUG=-all WINEARCH=win64
    # No Mono and Gecko: their installers would open dialogs in the fresh prefix, and no test needs them.
    export WINEDLLOVERRIDES="mscoree=;mshtml="
    # Wine's own windows must not meet the tests' windows: no window manager, nothing else on the display.
    local status=0
    timeout --kill-after=10 "$TEST_BUDGET" xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" \
        bash -c '
            set -u
            timeout 90 "$1" wineboot --init >/dev/null 2>&1 || echo "windows.sh: wineboot did not finish" >&2
            ctest --test-dir "$3" --output-on-failure -j "$4" --timeout 120
            status=$?
            "$2" -k >/dev/null 2>&1
            exit $status
        ' windows-tests "$WINE" "$WINESERVER" "$BUILD" "$JOBS" || status=$?
    if ((status == 124 || status == 137)); then
        echo "windows.sh: the Wine run took longer than ${TEST_BUDGET} s and was stopped" >&2
    fi
    return "$status"
}

case "${1:-test}" in
build) build ;;
test)
    build
    run_tests
    ;;
*)
    sed -n '2,8p' "$0" | sed 's/^# \{0,1\}//'
    exit 2
    ;;
esac
