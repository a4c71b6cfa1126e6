#!/usr/bin/env bash
# Set-up, build, run, test and bench of Halvo Shutdown on a Debian machine.
#   ./halvo.sh run      build and start the program
#   ./halvo.sh test     build and run every test (native, then the Windows build under Wine)
#   ./halvo.sh bench    build and run the benchmarks, the probes and the fuzzer
#   ./halvo.sh bench NAME   build, then run only the probe bench/probe-NAME.sh (e.g. wakeups)
#   ./halvo.sh package  build the Debian package, the Windows installer and the portable zip into out/
#   ./halvo.sh translations   bring packaging/translations/*.ts up to date with the code's texts
#   ./halvo.sh setup | build | windows | screenshots
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
BUILD="${HALVO_BUILD_DIR:-$ROOT/build}"
JOBS="$(nproc)"
# Compiled objects are kept outside the clone, so a fresh clone builds from them.
export CCACHE_DIR="${CCACHE_DIR:-${HALVO_CACHE_DIR:-${XDG_CACHE_HOME:-$HOME/.cache}/halvo-shutdown}/ccache}"
export CCACHE_BASEDIR="$ROOT" CCACHE_NOHASHDIR=1
# rcc stamps every file it embeds with its modification time, which is new in each clone (the .qm files are
# even made anew by the build): stamped with the commit's time, the resources compile the same everywhere.
QT_RCC_SOURCE_DATE_OVERRIDE="${QT_RCC_SOURCE_DATE_OVERRIDE:-$(git -C "$ROOT" log -1 --format=%ct 2>/dev/null || echo 1)}"
export QT_RCC_SOURCE_DATE_OVERRIDE

PACKAGES=(
    cmake ninja-build g++ pkg-config ccache
    qt6-base-dev qt6-base-dev-tools libgl-dev
    libxcb1-dev libxcb-res0-dev libxcb-screensaver0-dev
    libgtest-dev libgmock-dev googletest libbenchmark-dev
    clang libclang-rt-14-dev
    dbus dbus-x11 python3 python3-dbusmock iproute2 procps
    xvfb xauth openbox trayer xdotool x11-utils imagemagick faketime xdg-utils file fonts-dejavu-core
    desktop-file-utils libglib2.0-bin tzdata
    kwin-wayland sway xwayland qt6-wayland grim
    qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools qt6-translations-l10n fonts-wqy-microhei
    g++-mingw-w64-x86-64 g++-mingw-w64-x86-64-posix wine64
    dpkg-dev lintian nsis xz-utils
)

setup() {
    local missing=()
    for p in "${PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    if ((${#missing[@]})); then
        echo "halvo: installing ${missing[*]}"
        local sudo=""
        [[ $(id -u) -ne 0 ]] && sudo="sudo"
        $sudo apt-get update -qq
        DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
    fi
}

build() {
    cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE="${HALVO_BUILD_TYPE:-RelWithDebInfo}" \
        -DHALVO_WERROR="${HALVO_WERROR:-ON}" \
        -DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache "$@" >/dev/null
    cmake --build "$BUILD" -j "$JOBS"
}

windows() {
    # The whole program cross-built for Windows and tested under Wine.
    if [[ -x "$ROOT/scripts/windows.sh" ]]; then
        "$ROOT/scripts/windows.sh" "$@"
    fi
}

cmd="${1:-}"
shift || true
case "$cmd" in
setup) setup ;;
build) setup && build "$@" ;;
run)
    setup && build
    exec "$BUILD/app/halvo-shutdown" "$@"
    ;;
test)
    started=$SECONDS
    setup && build
    built=$SECONDS
    log="$(mktemp)"
    status=0
    (cd "$BUILD" && ctest --output-on-failure -j "$JOBS" --timeout 300) 2>&1 | tee "$log" || status=1
    tested=$SECONDS
    windows test 2>&1 | tee -a "$log" || status=1
    echo "halvo: native build $((built - started)) s, native tests $((tested - built)) s," \
        "Windows build and tests $((SECONDS - tested)) s"
    # One closing line over both runs (native and Wine).
    awk '/tests passed, [0-9]+ tests failed out of/ { failed += $4; total += $NF }
         END { printf "tests: %d passed, %d failed\n", total - failed, failed }' "$log"
    rm -f "$log"
    exit "$status"
    ;;
windows) setup && windows "${@:-test}" ;;
package)
    setup && build
    out="${HALVO_PACKAGE_DIR:-$ROOT/out}"
    version="$(sed -n 's/^project(HalvoShutdown VERSION \([0-9.]*\).*/\1/p' "$ROOT/CMakeLists.txt")"
    rm -rf "$out" && mkdir -p "$out"
    cpack -G DEB --config "$BUILD/CPackConfig.cmake" -B "$out/.cpack" >/dev/null
    mv "$out"/.cpack/*.deb "$out/" && rm -rf "$out/.cpack"
    "$ROOT/scripts/windows.sh" package "$out"
    # The sources of what the packages hold: the program (GPL) and the Qt linked into the Windows one (LGPL).
    git -C "$ROOT" archive --format=tar.gz --prefix="halvo-shutdown-$version/" -o "$out/halvo-shutdown-$version-source.tar.gz" HEAD
    "$ROOT/scripts/qt-mingw.sh" --source "$out/qt6-base-source"
    echo "halvo: packages in $out:"
    (cd "$out" && ls -l --time-style=+ ./*.deb ./*.exe ./*.zip ./*.tar.gz qt6-base-source/* | awk '{ print "  " $5 "  " $NF }')
    ;;
bench)
    if [[ -n "${1:-}" ]]; then
        probe="$ROOT/bench/probe-$1.sh"
        [[ -x "$probe" ]] || { echo "halvo: no probe bench/probe-$1.sh" >&2; exit 2; }
        setup && build -DHALVO_BUILD_BENCH=ON
        exec "$probe" "$BUILD"
    fi
    setup && build -DHALVO_BUILD_BENCH=ON
    "$ROOT/bench/run.sh" "$BUILD"
    ;;
translations)
    # Every translation made is kept; "./halvo.sh translations -no-obsolete" also drops the texts the
    # code no longer has.
    setup && build -DHALVO_LUPDATE_OPTIONS="$*"
    cmake --build "$BUILD" --target halvo-translations
    ;;
screenshots)
    setup && build
    "$ROOT/scripts/screenshots.sh" "$BUILD"
    ;;
*)
    sed -n '2,9p' "$0" | sed 's/^# \{0,1\}//'
    exit 2
    ;;
esac
