#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks the tree a desktop and
# a software centre rely on: exactly the expected files, programs that run,
# a desktop entry naming an installed program and icon, and both validators
# reporting nothing worse than notes.
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

app=org.zq915.Programmer
desktop=share/applications/$app.desktop
metainfo=share/metainfo/$app.metainfo.xml
expected="bin/zq915
bin/zq915-cli
bin/zq915-radio-sim
$desktop
share/icons/hicolor/scalable/apps/zq915.svg
share/man/man1/zq915-cli.1
share/man/man1/zq915-radio-sim.1
$metainfo
share/mime/packages/zq915.xml"
status=0
fail() { echo "FAIL: $*"; status=1; }

installed=$(cd "$prefix" && find . -type f -o -type l | sed 's|^\./||' | sort)
[ "$installed" = "$(sort <<<"$expected")" ] ||
    fail "installed files differ from the expected ones:"$'\n'"$(diff <(sort <<<"$expected") - <<<"$installed")"

"$prefix/bin/zq915-cli" --help >/dev/null || fail "zq915-cli --help"
"$prefix/bin/zq915-radio-sim" --help >/dev/null || fail "zq915-radio-sim --help"

exec_program=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$prefix/$desktop")
[ -x "$prefix/bin/$exec_program" ] || fail "Exec names '$exec_program', not an installed program"
icon=$(sed -n 's/^Icon=//p' "$prefix/$desktop")
[ -f "$prefix/share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "Icon '$icon' is not installed"

report=$(desktop-file-validate "$prefix/$desktop" 2>&1) || true
if grep -qE ': (error|warning):' <<<"$report"; then fail "desktop-file-validate: $report"; fi
report=$(appstreamcli validate --no-net --no-color "$prefix/$metainfo" 2>&1) || true
if grep -qE '^[EW]:' <<<"$report"; then fail "appstreamcli: $report"; fi
exit $status
