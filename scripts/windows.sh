#!/usr/bin/env bash
# The Windows build of Halvo Shutdown on a Debian machine: the whole program cross-built with MinGW-w64
# against a static Qt built from Debian's source (scripts/qt-mingw.sh, cached), tested under Wine.
#   scripts/windows.sh build     configure and build build-windows/ (preset windows-cross), with the
#                                installer and the portable zip in build-windows/package/
#   scripts/windows.sh test      build, then run its tests with Wine on a private X server (the default)
#   scripts/windows.sh package DIR   build, then copy the installer and the zip into DIR
# The tests run in a Wine prefix made for this run in a temporary folder and removed afterwards, so
# nothing of the machine's own Wine set-up or desktop is touched. The whole run is bounded in time.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="${HALVO_WINDOWS_BUILD_DIR:-$ROOT/build-windows}"
# The native build draws the icon for the Windows one.
HOST_BUILD="${HALVO_BUILD_DIR:-$ROOT/build}"
JOBS="$(nproc)"
WINE=/usr/lib/wine/wine64
WINESERVER=/usr/lib/wine/wineserver
# Seconds for the whole Wine run, first start of the fresh prefix included.
TEST_BUDGET="${HALVO_WINDOWS_TEST_BUDGET:-900}"
# 1 (the default): the whole program against Qt for MinGW (built once by scripts/qt-mingw.sh), its window
# tests, the end-to-end run and the installer; 0: the model and the Win32 backend only, without Qt.
WITH_QT="${HALVO_WINDOWS_QT:-1}"
# Compiled objects are kept outside the clone, so a fresh clone builds from them.
export CCACHE_DIR="${CCACHE_DIR:-${HALVO_CACHE_DIR:-${XDG_CACHE_HOME:-$HOME/.cache}/halvo-shutdown}/ccache}"
export CCACHE_BASEDIR="$ROOT" CCACHE_NOHASHDIR=1
# rcc stamps every file it embeds with its modification time, which is new in each clone (the .qm files are
# even made anew by the build): stamped with the commit's time, the resources compile the same everywhere.
QT_RCC_SOURCE_DATE_OVERRIDE="${QT_RCC_SOURCE_DATE_OVERRIDE:-$(git -C "$ROOT" log -1 --format=%ct 2>/dev/null || echo 1)}"
export QT_RCC_SOURCE_DATE_OVERRIDE
LAUNCHER=()
command -v ccache >/dev/null && LAUNCHER=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)

die() {
    echo "windows.sh: $*" >&2
    exit 1
}

build() {
    command -v x86_64-w64-mingw32-g++-posix >/dev/null || die "x86_64-w64-mingw32-g++-posix is missing (./halvo.sh setup)"
    if [[ "$WITH_QT" != 1 ]]; then
        # The model and the Win32 backend with their tests only: no Qt, no windows, no packages.
        cmake -S "$ROOT" --preset windows-cross -B "$BUILD" -DHALVO_WITH_QT=OFF "${LAUNCHER[@]}" >/dev/null
        cmake --build "$BUILD" -j "$JOBS"
        return
    fi
    local qt
    qt="$("$ROOT/scripts/qt-mingw.sh")" || die "no Qt for MinGW"
    if [[ ! -f "$HOST_BUILD/build.ninja" ]]; then
        cmake -S "$ROOT" -B "$HOST_BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${LAUNCHER[@]}" >/dev/null
    fi
    cmake --build "$HOST_BUILD" -j "$JOBS" --target halvo-render-icon >/dev/null
    cmake -S "$ROOT" --preset windows-cross -B "$BUILD" -DHALVO_WITH_QT=ON -DHALVO_QT_MINGW_PREFIX="$qt" \
        -DHALVO_HOST_RENDER_ICON="$HOST_BUILD/app/halvo-render-icon" "${LAUNCHER[@]}" >/dev/null
    cmake --build "$BUILD" -j "$JOBS"
}

# Global, for the exit trap: this run's folder with its Wine prefixes, and the job that makes the prefix.
work=""
prefix=""
wine_job=""

cleanup() {
    [[ -n "$wine_job" ]] && kill "$wine_job" 2>/dev/null
    # Only this run's wineservers are asked to end: they are found through this run's prefixes.
    if [[ -n "$prefix" ]]; then
        WINEPREFIX="$prefix" "$WINESERVER" -k >/dev/null 2>&1 || true
    fi
    [[ -n "$work" ]] && rm -rf "$work"
    return 0
}

# A fresh prefix, set to Windows 10 (Qt 6 refuses older ones), kept as the template that the program's own
# end-to-end and installer tests copy into prefixes of their own. Made in the background while the build
# runs: Wine's first start takes half a minute of mostly waiting.
start_wine_prefix() {
    [[ -x "$WINE" ]] || die "$WINE is missing (./halvo.sh setup installs wine64)"
    command -v xvfb-run >/dev/null || die "xvfb-run is missing (./halvo.sh setup installs xvfb)"
    work="$(mktemp -d "${TMPDIR:-/tmp}/halvo-wine.XXXXXX")"
    prefix="$work/prefix"
    trap cleanup EXIT
    export WINEDEBUG=-all WINEARCH=win64
    # No Mono and Gecko: their installers would open dialogs in the fresh prefix, and no test needs them.
    export WINEDLLOVERRIDES="mscoree=;mshtml="
    export HALVO_WINE_TEMPLATE="$work/template"
    (
        WINEPREFIX="$prefix" timeout 120 "$WINE" wineboot --init >/dev/null 2>&1 ||
            echo "windows.sh: wineboot did not finish" >&2
        WINEPREFIX="$prefix" timeout 60 "$WINE" winecfg /v win10 >/dev/null 2>&1 ||
            echo "windows.sh: winecfg /v win10 did not finish" >&2
        WINEPREFIX="$prefix" timeout 60 "$WINESERVER" -w || true
        cp -a "$prefix" "$HALVO_WINE_TEMPLATE"
    ) </dev/null &
    wine_job=$!
}

run_tests() {
    wait "$wine_job" || true
    wine_job=""
    [[ -d "$HALVO_WINE_TEMPLATE" ]] || die "the Wine prefix was not made"
    export WINEPREFIX="$prefix"

    # Wine's own windows must not meet the tests' windows: no window manager, nothing else on the display.
    local status=0
    timeout --kill-after=10 "$TEST_BUDGET" xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" \
        bash -c '
            set -u
            ctest --test-dir "$2" --output-on-failure -j "$3" --timeout 180
            status=$?
            "$1" -k >/dev/null 2>&1
            exit $status
        ' windows-tests "$WINESERVER" "$BUILD" "$JOBS" || status=$?
    if ((status == 124 || status == 137)); then
        echo "windows.sh: the Wine run took longer than ${TEST_BUDGET} s and was stopped" >&2
    fi
    return "$status"
}

package() {
    local out="${1:?package needs a folder}"
    WITH_QT=1
    build
    mkdir -p "$out"
    cp "$BUILD"/package/halvo-shutdown-*-setup.exe "$BUILD"/package/halvo-shutdown-*-windows-x64.zip "$out/"
}

case "${1:-test}" in
build) build ;;
test)
    start_wine_prefix
    build
    run_tests
    ;;
package) package "${2:-}" ;;
*)
    sed -n '2,9p' "$0" | sed 's/^# \{0,1\}//'
    exit 2
    ;;
esac
