# Shared by scripts that drive the program on a private X server (Xvfb) with
# xdotool. There is no window manager: a window gets the focus explicitly.

# Starts Xvfb on a free display and exports DISPLAY; stop_x ends it.
start_x() {
    local fifo
    fifo=$(mktemp -u)
    mkfifo "$fifo"
    Xvfb -displayfd 3 -screen 0 1280x900x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
    XVFB_PID=$!
    export DISPLAY=":$(head -n1 <"$fifo")"
    rm -f "$fifo"
}

stop_x() { [ -z "${XVFB_PID:-}" ] || kill "$XVFB_PID" 2>/dev/null || true; }

# Prints the id of the first visible window whose title matches the regular
# expression $1, waiting up to 20 seconds; fails if none appears.
wait_window() {
    local id
    for _ in $(seq 100); do
        id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1) || true
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.2
    done
    echo "no window titled '$1' appeared" >&2
    return 1
}

# Sends keys (xdotool key syntax) to window $1 after giving it the focus.
keys_to() {
    local window=$1
    shift
    xdotool windowfocus --sync "$window"
    xdotool key --delay 150 "$@"
}

# The program's windows, found by title.
readonly MAIN_TITLE='programming software|写频软件'
help_title() { [ "$1" = zh ] && echo 'ZQ-915 帮助' || echo 'ZQ-915 Help'; }

# Help > Help Topics from the main window; prints the help window's id.
open_help() {
    keys_to "$(wait_window "$MAIN_TITLE")" alt+h h
    wait_window "$(help_title "$1")"
}

# Setup > Language Setup, choosing entry $1 (en or zh) and OK.
choose_language() {
    local pick=Up
    [ "$1" = zh ] && pick=Down
    keys_to "$(wait_window "$MAIN_TITLE")" alt+s l
    keys_to "$(wait_window 'Language Setup|语言设置')" "$pick" Return
}
