#!/usr/bin/env bash
# Refreshes the screenshots in the built-in help from the program itself:
# the main window with a few channels, Optional Features and Print Out List,
# in English and in Chinese. Needs a build (build/), Xvfb, xdotool and
# ImageMagick. Rebuild afterwards: the pictures are compiled into the program.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/lib/xsession.sh
help=src/ui/dialogs/help
work=$(mktemp -d)
program=""
trap '[ -z "$program" ] || kill "$program" 2>/dev/null; stop_x; rm -rf "$work"' EXIT

# Small enough for the resources: scaled down, a reduced palette.
shoot() {  # window-title-regex output.png width
    import -window "$(wait_window "$1")" "$work/shot.png"
    convert "$work/shot.png" -resize "$3x>" -colors 96 -strip "PNG8:$2"
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
    keys_to "$(wait_window "$MAIN_TITLE")" alt+p o
    shoot 'Optional Features|可选功能' "$help/$lang/features.png" 480
    xdotool key Escape
    keys_to "$(wait_window "$MAIN_TITLE")" alt+f p
    shoot 'Print Out List|打印输出列表' "$help/$lang/print.png" 400
    xdotool key Escape
done
ls -l "$help"/*/*.png
