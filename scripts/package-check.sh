#!/usr/bin/env bash
# Builds the Debian package from build/, installs it with apt as a user would,
# starts the program from its desktop entry's Exec line on a private X server,
# opens Help Topics in English and in Chinese, and removes the package again.
# Needs root (or sudo) and the packages scripts/bootstrap.sh installs.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/lib/xsession.sh
sudo=""; [ "$(id -u)" -ne 0 ] && sudo="sudo"

out=build/package
rm -rf "$out"
cpack --config build/CPackConfig.cmake -G DEB -B "$out" >/dev/null
deb=$(ls "$out"/zq915_*.deb)
depends=$(dpkg-deb -f "$deb" Depends)
echo "== $deb, Depends: $depends"
grep -q 'libqt6widgets6' <<<"$depends" || { echo "FAIL: library dependencies were not computed"; exit 1; }

program=""
cleanup() {
    [ -z "$program" ] || kill "$program" 2>/dev/null || true
    stop_x
    if dpkg-query -W zq915 >/dev/null 2>&1; then $sudo apt-get remove -y -qq zq915 >/dev/null || true; fi
}
trap cleanup EXIT

DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "./$deb" >/dev/null
desktop=/usr/share/applications/org.zq915.Programmer.desktop
# The Exec line without its field codes (%f: no file given here).
command=$(sed -n 's/^Exec=//p' "$desktop" | sed 's/ %[fFuU]//g')
echo "== starting: $command"

start_x
$command &
program=$!
help=$(open_help en)
echo "== help window in English: $(xdotool getwindowname "$help")"
choose_language zh
echo "== help window in Chinese: $(xdotool getwindowname "$(wait_window "$(help_title zh)")")"
kill -0 "$program" || { echo "FAIL: the program ended by itself"; exit 1; }
kill "$program"
wait "$program" 2>/dev/null || true
program=""

DEBIAN_FRONTEND=noninteractive $sudo apt-get remove -y -qq zq915 >/dev/null
if dpkg-query -W -f='${Status}' zq915 2>/dev/null | grep -q installed || [ -e /usr/bin/zq915 ] || [ -e "$desktop" ]; then
    echo "FAIL: the package did not remove cleanly"
    exit 1
fi
echo "== package built, installed, started, help shown in both languages, removed"
