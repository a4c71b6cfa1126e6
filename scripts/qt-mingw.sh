#!/usr/bin/env bash
# Qt 6 for 64-bit Windows (MinGW-w64, static), built from Debian's own qt6-base source, for the Windows
# build of Halvo Shutdown. Debian ships no Qt for MinGW; its source builds, with Debian's moc and rcc as
# the host tools, so the source must be the same Qt version as the installed qt6-base-dev.
#   scripts/qt-mingw.sh          print the Qt prefix, building it first when the cache has none
#   scripts/qt-mingw.sh --path   print the prefix it would use, build nothing
#   scripts/qt-mingw.sh --source DIR   download Debian's source package of that Qt into DIR (for the
#                                      packages: who gets the program gets Qt's source too)
# The result lives outside the clone, in ~/.cache/halvo-shutdown/qt-<version>-<hash of the options>/, and
# is reused by every later run and every clone. A build is made in a staging folder and renamed into
# place only when complete, so a stopped or failed build is never taken for a finished one; concurrent
# runs wait for each other on a lock instead of building twice.
set -euo pipefail

CACHE="${HALVO_CACHE_DIR:-${XDG_CACHE_HOME:-$HOME/.cache}/halvo-shutdown}"
JOBS="${HALVO_QT_JOBS:-$(nproc)}"
MINGW=x86_64-w64-mingw32

die() {
    echo "qt-mingw.sh: $*" >&2
    exit 1
}

# What is not needed is off: less to build and less to ship. (Not -DFEATURE_ssl=OFF: Qt 6.4 then still
# builds its Schannel plugin, which does not compile without it.) zlib, pcre2, harfbuzz, freetype and libpng
# come from Qt's own copies (there are no MinGW builds of them in Debian); offscreen uses FreeType on
# Windows. OpenGL needs INPUT_opengl as well; Debian's source lacks wintab.h (tablet events); the
# DirectWrite font database needs direct2d, but not its 1.1 paint engine.
OPTIONS=(
    -DCMAKE_BUILD_TYPE=Release
    -DBUILD_SHARED_LIBS=OFF
    -DQT_BUILD_EXAMPLES=OFF
    -DQT_BUILD_TESTS=OFF
    -DQT_BUILD_BENCHMARKS=OFF
    -DQT_HOST_PATH=/usr
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
    -DFEATURE_sql=OFF
    -DFEATURE_dbus=OFF
    -DFEATURE_printsupport=OFF
    -DFEATURE_concurrent=OFF
    -DFEATURE_xml=OFF
    -DFEATURE_icu=OFF
    -DFEATURE_openssl=OFF
    -DFEATURE_zstd=OFF
    -DFEATURE_vulkan=OFF
    -DFEATURE_opengl=OFF
    -DINPUT_opengl=no
    -DFEATURE_tabletevent=OFF
    -DFEATURE_direct2d1_1=OFF
    -DFEATURE_jpeg=OFF
    -DFEATURE_gif=OFF
    -DFEATURE_system_zlib=OFF
    -DFEATURE_system_pcre2=OFF
    -DFEATURE_system_harfbuzz=OFF
    -DFEATURE_system_freetype=OFF
    -DFEATURE_system_png=OFF
    -DFEATURE_system_doubleconversion=OFF
    -DFEATURE_system_libb2=OFF
    -DFEATURE_libproxy=OFF
    -DFEATURE_brotli=OFF
)

TOOLCHAIN="set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER $MINGW-gcc-posix)
set(CMAKE_CXX_COMPILER $MINGW-g++-posix)
set(CMAKE_RC_COMPILER $MINGW-windres)
set(CMAKE_FIND_ROOT_PATH /usr/$MINGW)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
"

# Bumped when the way of building changes without the options changing.
RECIPE=1

command -v "$MINGW-g++-posix" >/dev/null || die "$MINGW-g++-posix is missing (./halvo.sh setup)"
SOURCE_VERSION="$(dpkg-query -W -f='${source:Version}' qt6-base-dev 2>/dev/null)" ||
    die "qt6-base-dev is not installed (./halvo.sh setup): its moc and rcc are the host tools"
QT_VERSION="${SOURCE_VERSION%%+*}"
QT_VERSION="${QT_VERSION%%-*}"
COMPILER="$(dpkg-query -W -f='${Version}' "g++-mingw-w64-x86-64-posix" 2>/dev/null || "$MINGW-g++-posix" -dumpversion)"
KEY="$(printf '%s\n' "$RECIPE" "$SOURCE_VERSION" "$COMPILER" "$TOOLCHAIN" "${OPTIONS[@]}" | sha256sum | cut -c1-12)"
PREFIX="$CACHE/qt-$QT_VERSION-$KEY"
STAMP="$PREFIX/halvo-qt.stamp"

if [[ "${1:-}" == --path ]]; then
    echo "$PREFIX"
    exit 0
fi
# The machine's own apt sources turned into source lines for the same mirrors, suites, components and
# keys, written into the folder $1 (apt's SourceParts there): the one-line "deb" entries of sources.list
# and its .list parts, and the deb822 .sources stanzas whose Types hold "deb". The machine's set-up is only
# read. Prints each source it took, one per line, for the message when the source cannot be had.
machine_sources() {
    local into="$1" list parts file base
    eval "$(apt-config shell list Dir::Etc::sourcelist/f parts Dir::Etc::sourceparts/d)"
    mkdir -p "$into"
    for file in "$list" "$parts"*.list; do
        [[ -f "$file" ]] || continue
        base="$(basename "$file" .list)"
        sed -n -E 's/^[[:space:]]*deb[[:space:]]+/deb-src /p' "$file" >"$into/$base.list"
        sed -n -E 's/^deb-src[[:space:]]+(\[[^]]*\][[:space:]]+)?//p' "$into/$base.list" | awk '{ print $1 " " $2 }'
    done
    for file in "$parts"*.sources; do
        [[ -f "$file" ]] || continue
        base="$(basename "$file" .sources)"
        # Stanza by stanza: one whose Types hold "deb" gets "deb-src" alone; the others are left out.
        awk -v RS= -v ORS='\n\n' '
            {
                n = split($0, line, "\n"); keep = 0; out = ""
                for (i = 1; i <= n; i++) {
                    if (line[i] ~ /^[Tt]ypes:/) {
                        if (line[i] ~ /[: \t]deb([ \t]|$)/) { keep = 1; line[i] = "Types: deb-src" }
                    }
                    out = out (i > 1 ? "\n" : "") line[i]
                }
                if (keep) print out
            }' "$file" >"$into/$base.sources"
        awk '/^[Uu][Rr][Ii][Ss]:/ { sub(/^[^:]*:[ \t]*/, ""); u = $0 }
             /^[Ss]uites:/ { sub(/^[^:]*:[ \t]*/, ""); print u " " $0 }' "$into/$base.sources"
    done
}

# Debian's qt6-base source package into $2 (unpacked unless $3 is --download-only), with apt's lists in
# $1: the machine's apt set-up is left as it is.
fetch_source() {
    local apt="$1" into="$2" mode="${3:-}" tried
    mkdir -p "$apt/lists/partial" "$apt/cache/archives/partial" "$into"
    tried="$(machine_sources "$apt/sources.list.d")"
    [[ -n "$tried" ]] || die "the machine's apt configuration names no \"deb\" source to take qt6-base's source from"
    local options=(-o Dir::Etc::SourceList=/dev/null -o "Dir::Etc::SourceParts=$apt/sources.list.d"
        -o "Dir::State::Lists=$apt/lists" -o "Dir::Cache=$apt/cache" -o APT::Sandbox::User=root)
    # A source without source packages fails its part of the update; the others may still have it.
    apt-get "${options[@]}" -qq update >&2 || echo "qt-mingw.sh: some source lists could not be read" >&2
    (cd "$into" && apt-get "${options[@]}" -qq source $mode "qt6-base=$SOURCE_VERSION" >/dev/null) ||
        die "apt-get source qt6-base=$SOURCE_VERSION failed; the sources tried, from the machine's apt configuration:
$(sed 's/^/  /' <<<"$tried")"
}

if [[ "${1:-}" == --source ]]; then
    [[ -n "${2:-}" ]] || die "--source needs a folder"
    lists="$(mktemp -d "${TMPDIR:-/tmp}/halvo-qt-source.XXXXXX")"
    trap 'rm -rf "$lists"' EXIT
    fetch_source "$lists" "$2" --download-only
    exit 0
fi

complete() { [[ -f "$STAMP" && -f "$PREFIX/lib/cmake/Qt6/Qt6Config.cmake" ]]; }

# Once a minute (HALVO_QT_PROGRESS_SECONDS), on stderr: how far the build in the log $1 has come, from
# ninja's last "[done/total]" line, so a first build of half an hour does not look hung. Runs until killed.
report_progress() {
    local log="$1" every="${HALVO_QT_PROGRESS_SECONDS:-60}" begun=$SECONDS step done total
    while sleep "$every"; do
        step="$(tail -c 65536 "$log" 2>/dev/null | grep -o '^\[[0-9]*/[0-9]*\]' | tail -n 1)" || true
        if [[ "$step" =~ ^\[([0-9]+)/([0-9]+)\]$ ]] && ((BASH_REMATCH[2] > 0)); then
            done="${BASH_REMATCH[1]}" total="${BASH_REMATCH[2]}"
            echo "qt-mingw.sh: building Qt $((done * 100 / total))% ($done/$total)"
        else
            echo "qt-mingw.sh: preparing the Qt build ($(((SECONDS - begun) / 60)) min so far)"
        fi
    done
}

if complete; then
    echo "$PREFIX"
    exit 0
fi

mkdir -p "$CACHE"
exec 9>"$CACHE/qt-$QT_VERSION-$KEY.lock"
if ! flock -n 9; then
    echo "qt-mingw.sh: another run is building Qt for MinGW; waiting for it" >&2
    flock 9
fi
if complete; then
    echo "$PREFIX"
    exit 0
fi

# Holding the lock, no one else builds this Qt: staging folders left by a run that was killed go.
rm -rf "$CACHE/.stage-qt-$QT_VERSION-$KEY".*
# Staging beside the cache, so the final rename stays on one file system; removed however the run ends.
STAGE="$(mktemp -d "$CACHE/.stage-qt-$QT_VERSION-$KEY.XXXXXX")"
progress=""
trap '[[ -z "$progress" ]] || kill "$progress" 2>/dev/null; rm -rf "$STAGE"' EXIT
started=$SECONDS
echo "qt-mingw.sh: building Qt $QT_VERSION for MinGW into $PREFIX (about 30 minutes on 2 cores)" >&2

# The reporter writes to stderr only (and so does its sleep): stdout is the prefix the caller captures.
: >"$STAGE/build.log"
report_progress "$STAGE/build.log" >&2 </dev/null &
progress=$!
fetch_source "$STAGE/apt" "$STAGE/source"
src="$(find "$STAGE/source" -mindepth 1 -maxdepth 1 -type d -name 'qt6-base-*' | head -n 1)"
[[ -n "$src" && -f "$src/CMakeLists.txt" ]] || die "no unpacked qt6-base source in $STAGE/source"

printf '%s' "$TOOLCHAIN" >"$STAGE/toolchain.cmake"
cmake -S "$src" -B "$STAGE/build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$STAGE/toolchain.cmake" \
    -DCMAKE_INSTALL_PREFIX="$PREFIX" "${OPTIONS[@]}" >"$STAGE/configure.log" 2>&1 ||
    { tail -n 40 "$STAGE/configure.log" >&2; die "configuring Qt failed"; }
cmake --build "$STAGE/build" -j "$JOBS" >"$STAGE/build.log" 2>&1 ||
    { tail -n 40 "$STAGE/build.log" >&2; die "building Qt failed"; }
kill "$progress" 2>/dev/null || true
progress=""
DESTDIR="$STAGE/install" cmake --install "$STAGE/build" >/dev/null || die "installing Qt failed"

built="$STAGE/install$PREFIX"
# Qt's licence texts travel with it: the Windows packages ship them beside the program.
mkdir -p "$built/share/doc/qt6-base"
cp -r "$src/LICENSES" "$built/share/doc/qt6-base/" 2>/dev/null || true
cp "$src/debian/copyright" "$built/share/doc/qt6-base/copyright.debian"
printf 'Qt %s (Debian source %s), %s\n%s\n' "$QT_VERSION" "$SOURCE_VERSION" "$COMPILER" "${OPTIONS[*]}" >"$built/halvo-qt.stamp"
rm -rf "$PREFIX"
mv "$built" "$PREFIX"
echo "qt-mingw.sh: Qt $QT_VERSION for MinGW built in $(((SECONDS - started) / 60)) min $(((SECONDS - started) % 60)) s" >&2
echo "$PREFIX"
