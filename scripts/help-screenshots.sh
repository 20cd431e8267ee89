#!/usr/bin/env bash
# Refreshes the pictures of the built-in help and of the README from the
# program itself: the main window with a few channels, Optional Features and
# Print Out List in English and in Chinese for the help; the main window, a
# read from the demo radio and a printed channel page for the README. Then
# writes the top-level menus the pictures show into menus-shown.txt beside the
# help pages, which the test suite compares with the window's menus. Needs a
# build (build/), Xvfb, xdotool, ImageMagick and poppler-utils. Rebuild
# afterwards: the help pictures are compiled into the program.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/lib/xsession.sh
help=src/ui/dialogs/help
work=$(mktemp -d)
program=""
trap '[ -z "$program" ] || kill "$program" 2>/dev/null; stop_x; rm -rf "$work"' EXIT
# Settings, backups and the printed file stay in the work folder.
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_DATA_HOME=$work/home/.local/share
mkdir -p "$HOME"

# Small enough for the resources and the repository: scaled down, a reduced palette.
shoot() {  # window-title-regex output.png width
    import -window "$(wait_window "$1")" "$work/shot.png"
    convert "$work/shot.png" -resize "$3x>" -colors 96 -strip "PNG8:$2"
}
quit() {
    kill "$program"
    wait "$program" 2>/dev/null || true
    program=""
}

cp fuzz/corpus/channels-239.dat "$work/channels.dat"
start_x
build/src/app/zq915 "$work/channels.dat" &
program=$!
sleep 2
for lang in en zh; do
    choose_language "$lang"
    sleep 1
    shoot "$MAIN_TITLE" "$help/$lang/main-window.png" 640
    [ "$lang" = en ] && shoot "$MAIN_TITLE" docs/main-window.png 800
    keys_to "$(wait_window "$MAIN_TITLE")" alt+p o
    shoot 'Optional Features|可选功能' "$help/$lang/features.png" 480
    xdotool key Escape
    keys_to "$(wait_window "$MAIN_TITLE")" alt+f p
    shoot 'Print Out List|打印输出列表' "$help/$lang/print.png" 400
    xdotool key Escape
done

quit

# A read from the demo radio under way, then the first printed page of what it
# read: Print Out List, Select All, OK, and the print dialog's own printer (a
# PDF file when no printer is set up).
build/src/app/zq915 --demo &
program=$!
keys_to "$(wait_window "$MAIN_TITLE")" alt+p r
keys_to "$(wait_window '^ZQ-915$')" Return
sleep 2
# From the screen, so that the transfer window in front of the main one shows.
eval "$(xdotool getwindowgeometry --shell "$(wait_window "$MAIN_TITLE")")"
import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$work/shot.png"
convert "$work/shot.png" -resize '800x>' -colors 96 -strip PNG8:docs/demo-read.png
sleep 6  # the read takes about five seconds
keys_to "$(wait_window '^ZQ-915$')" Return
keys_to "$(wait_window "$MAIN_TITLE")" alt+f p
keys_to "$(wait_window 'Print Out List')" alt+a alt+o
keys_to "$(wait_window '^Print$')" Return
pdf=""
for _ in $(seq 50); do
    pdf=$(find "$HOME" -name '*.pdf' | head -n1)
    [ -n "$pdf" ] && break
    sleep 0.2
done
[ -n "$pdf" ] || { echo "no printed file appeared" >&2; exit 1; }
sleep 1
pdftoppm -f 1 -l 1 -scale-to 640 -png "$pdf" "$work/page"
convert "$work/page-1.png" -colors 16 -strip PNG8:docs/print-page.png
quit

ZQ_WRITE_PICTURE_MENUS=1 QT_QPA_PLATFORM=offscreen build/tests/zq_ui_tests \
    --gtest_filter='PictureMenus.*' >/dev/null
ls -l "$help"/*/*.png docs/*.png "$help/menus-shown.txt"
