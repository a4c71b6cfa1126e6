#!/usr/bin/env bash
# The Debian package as a user gets it: CPack builds it from the build folder, its control data names the
# libraries dpkg-shlibdeps found, it holds exactly the expected files, lintian finds no error in it, and
# the program unpacked from it answers as the built one does (here without a display, so nothing shows).
#   deb_test.sh BUILD_DIR
set -euo pipefail

BUILD="$1"
work="$(mktemp -d "${TMPDIR:-/tmp}/halvo-deb.XXXXXX")"
trap 'rm -rf "$work"' EXIT
fail() {
    echo "deb_test: FAILED: $*" >&2
    exit 1
}

cpack -G DEB --config "$BUILD/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log" >&2; fail "cpack"; }
deb="$work/out/halvo-shutdown_2.01_amd64.deb"
[[ -f "$deb" ]] || fail "no $deb; cpack wrote: $(ls "$work/out")"

field() { dpkg-deb -f "$deb" "$1"; }
[[ "$(field Package)" == halvo-shutdown && "$(field Version)" == 2.01 && "$(field Architecture)" == amd64 ]] ||
    fail "control: $(dpkg-deb -f "$deb")"
# The maintainer the build was given, in the control data and signing the change log's entry.
maintainer="$(sed -n 's/^HALVO_MAINTAINER:STRING=//p' "$BUILD/CMakeCache.txt")"
[[ -n "$maintainer" && "$(field Maintainer)" == "$maintainer" ]] ||
    fail "Maintainer '$(field Maintainer)', the build's '$maintainer'"
dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/share/doc/halvo-shutdown/changelog.gz | gzip -d |
    grep -qxF " -- $maintainer  Tue, 08 Dec 2026 12:00:00 +0000" || fail "the change log is not signed by $maintainer"
depends="$(field Depends)"
# Found by dpkg-shlibdeps from the program itself: Qt's widgets, the X-Resource extension and the C library.
names="$(tr ',|' '\n\n' <<<"$depends" | sed 's/^ *//; s/ .*//')"
for lib in libqt6widgets6 libqt6dbus6 libqt6network6 libxcb-res0 libc6 libcap2-bin; do
    grep -qx "$lib" <<<"$names" || fail "Depends lacks $lib: $depends"
done

expected="./usr/bin/halvo-shutdown -> ../lib/halvo-shutdown/halvo-shutdown
./usr/lib/halvo-shutdown/AppHelp.html
./usr/lib/halvo-shutdown/halvo-shutdown
./usr/lib/halvo-shutdown/halvo-wake-alarm
./usr/share/applications/org.example.HalvoShutdown.desktop
./usr/share/doc/halvo-shutdown/changelog.gz
./usr/share/doc/halvo-shutdown/copyright
./usr/share/man/man1/halvo-shutdown.1.gz
./usr/share/metainfo/org.example.HalvoShutdown.metainfo.xml"
for size in 16 22 24 32 48 64 128 256; do
    expected+=$'\n'"./usr/share/icons/hicolor/${size}x${size}/apps/halvo-shutdown.png"
done
files="$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { $1 = $2 = $3 = $4 = $5 = ""; sub(/^ +/, ""); print }' | sort)"
[[ "$files" == "$(sort <<<"$expected")" ]] || fail "files differ:"$'\n'"$(diff <(sort <<<"$expected") - <<<"$files")"
# Owned by root, as dpkg installs them.
owners="$(dpkg-deb -c "$deb" | awk '{ print $2 }' | sort -u)"
[[ "$owners" == root/root ]] || fail "owners: $owners"

# The menu entry is valid and speaks each of the program's languages.
dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/share/applications/org.example.HalvoShutdown.desktop >"$work/entry.desktop"
desktop-file-validate "$work/entry.desktop" >"$work/validate.log" 2>&1 || { cat "$work/validate.log" >&2; fail "desktop entry"; }
for language in de fr es it pt_BR ru pl zh_CN; do
    for key in GenericName Comment Keywords; do
        grep -q "^$key\[$language\]=." "$work/entry.desktop" || fail "the desktop entry has no $key[$language]"
    done
done

# The metainfo holds its summary in each language.
dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/share/metainfo/org.example.HalvoShutdown.metainfo.xml >"$work/metainfo.xml"
for language in de fr es it pt_BR ru pl zh_CN; do
    grep -q "<summary xml:lang=\"$language\">." "$work/metainfo.xml" || fail "the metainfo has no summary in $language"
done

# The post-install gives the wake helper its one capability, and nothing else.
dpkg-deb -e "$deb" "$work/control"
[[ -x "$work/control/postinst" ]] || fail "no executable postinst"
grep -qx 'helper=/usr/lib/halvo-shutdown/halvo-wake-alarm' "$work/control/postinst" &&
    grep -q 'setcap cap_wake_alarm+ep "$helper"' "$work/control/postinst" ||
    fail "postinst: $(cat "$work/control/postinst")"
[[ "$(grep -c setcap "$work/control/postinst")" == 1 ]] || fail "postinst sets more than one capability"

if command -v lintian >/dev/null; then
    lintian --allow-root --no-tag-display-limit "$deb" >"$work/lintian.log" 2>&1 || true
    if grep -q '^E: ' "$work/lintian.log"; then
        cat "$work/lintian.log" >&2
        fail "lintian reports errors"
    fi
fi

dpkg-deb -x "$deb" "$work/root"
# No display, no bus, folders of this test: the program must say why it cannot start, as the built one does.
answer() {
    local home="$work/home-$2"
    mkdir -p "$home/run" && chmod 700 "$home/run"
    env -i PATH=/usr/bin:/bin HOME="$home" XDG_RUNTIME_DIR="$home/run" XDG_CONFIG_HOME="$home/config" \
        DBUS_SESSION_BUS_ADDRESS="unix:path=$home/no-bus" LC_ALL=C.UTF-8 \
        timeout 20 "$1" --version >"$work/$2.out" 2>"$work/$2.err" && status=0 || status=$?
    echo "exit $status" >>"$work/$2.out"
}
answer "$work/root/usr/bin/halvo-shutdown" unpacked
answer "$BUILD/app/halvo-shutdown" built
cmp -s "$work/unpacked.out" "$work/built.out" && cmp -s "$work/unpacked.err" "$work/built.err" ||
    fail "the unpacked program answers differently:"$'\n'"$(cat "$work/unpacked.out" "$work/unpacked.err")"$'\n'"built:"$'\n'"$(cat "$work/built.out" "$work/built.err")"
# Either it knows --version, or it says in one line that it needs a display.
if grep -qx "exit 0" "$work/built.out"; then
    grep -q "2\.01" "$work/built.out" || fail "--version without the version: $(cat "$work/built.out")"
else
    grep -qx "exit 2" "$work/built.out" || fail "built program: $(cat "$work/built.out" "$work/built.err")"
    [[ "$(wc -l <"$work/built.err")" == 1 ]] &&
        grep -q '^halvo-shutdown: cannot start without a display (.*)$' "$work/built.err" ||
        fail "no-display answer: $(cat "$work/built.err")"
fi
echo "deb_test: $(basename "$deb"), $(stat -c %s "$deb") bytes; Depends: $depends"
[[ ! -s "$work/lintian.log" ]] || { echo "deb_test: lintian says:"; cat "$work/lintian.log"; }
