#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks the tree a desktop and
# a software centre rely on: exactly the expected files, programs that run,
# a desktop entry naming an installed program and icon, both validators
# reporting nothing worse than notes, and compressed manual pages that read
# without warnings and refer only to installed pages. A validator that is
# missing is a failure, not a pass.
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

app=org.zq915.Programmer
desktop=share/applications/$app.desktop
metainfo=share/metainfo/$app.metainfo.xml
man=share/man/man1
expected="bin/zq915
bin/zq915-cli
bin/zq915-radio-sim
$desktop
share/doc/zq915/copyright
share/icons/hicolor/scalable/apps/zq915.svg
$man/zq915.1.gz
$man/zq915-cli.1.gz
$man/zq915-radio-sim.1.gz
$metainfo
share/mime/packages/zq915.xml"
status=0
fail() { echo "FAIL: $*"; status=1; }
need() {  # program package
    command -v "$1" >/dev/null || { echo "FAIL: $1 is missing (Debian package $2; scripts/bootstrap.sh installs it)"; exit 1; }
}
need desktop-file-validate desktop-file-utils
need appstreamcli appstream
need man man-db

installed=$(cd "$prefix" && find . -type f -o -type l | sed 's|^\./||' | sort)
[ "$installed" = "$(sort <<<"$expected")" ] ||
    fail "installed files differ from the expected ones:"$'\n'"$(diff <(sort <<<"$expected") - <<<"$installed")"

"$prefix/bin/zq915-cli" --help >/dev/null || fail "zq915-cli --help"
"$prefix/bin/zq915-radio-sim" --help >/dev/null || fail "zq915-radio-sim --help"

exec_program=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$prefix/$desktop")
[ -x "$prefix/bin/$exec_program" ] || fail "Exec names '$exec_program', not an installed program"
# Docks on X11 match a window to its entry by the class Qt gives it: the program's name.
wm_class=$(sed -n 's/^StartupWMClass=//p' "$prefix/$desktop")
[ "$wm_class" = "$exec_program" ] || fail "StartupWMClass '$wm_class' is not the program's window class '$exec_program'"
icon=$(sed -n 's/^Icon=//p' "$prefix/$desktop")
[ -f "$prefix/share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "Icon '$icon' is not installed"

report=$(desktop-file-validate "$prefix/$desktop" 2>&1) || true
if grep -qE ': (error|warning):' <<<"$report"; then fail "desktop-file-validate: $report"; fi
report=$(appstreamcli validate --no-net --no-color "$prefix/$metainfo" 2>&1) || true
if grep -qE '^[EW]:' <<<"$report"; then fail "appstreamcli: $report"; fi

grep -q '^Copyright: ' "$prefix/share/doc/zq915/copyright" || fail "the copyright file names no copyright"
for page in "$prefix/$man"/*.1.gz; do
    gzip -t "$page" || { fail "$page is not gzip data"; continue; }
    report=$(MANWIDTH=80 man --warnings -E UTF-8 -l "$page" 2>&1 >/dev/null) || fail "man cannot read $page"
    [ -z "$report" ] || fail "man warns about $page: $report"
    for ref in $(zcat "$page" | sed -n 's/^\.BR \([a-z0-9-]*\) (1).*/\1/p'); do
        [ -f "$prefix/$man/$ref.1.gz" ] || fail "$(basename "$page") refers to $ref(1), which is not installed"
    done
done
exit $status
