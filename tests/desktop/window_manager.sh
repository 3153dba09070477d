#!/usr/bin/env bash
# The real program under a real window manager: Xvfb with openbox, driven with
# xdotool and read back with xprop and xwininfo, as a user's desktop would.
# Usage: tests/desktop/window_manager.sh <heliodial program>
# Exits 77 (skipped) when a tool is missing.
set -uo pipefail

program=$(realpath "$1")
here=$(dirname "$(realpath "$0")")

for tool in xvfb-run Xvfb openbox xdotool xprop xwininfo wmctrl; do
    if ! command -v "$tool" >/dev/null; then
        echo "skipped: $tool is not installed"
        exit 77
    fi
done

if [ -z "${HELIODIAL_WM_DISPLAY:-}" ]; then
    exec xvfb-run -a -s '-screen 0 1280x1024x24' env HELIODIAL_WM_DISPLAY=1 "$0" "$@"
fi

work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT

failures=0
check() { # description, then a command that must succeed
    local what=$1
    shift
    if "$@"; then
        echo "ok    $what"
    else
        echo "FAIL  $what"
        failures=$((failures + 1))
        return 1
    fi
}

# Polls a command for up to five seconds: a loaded machine (a build beside
# the suite) can take more than two to map or unmap a window.
eventually() {
    for _ in $(seq 100); do
        if "$@"; then return 0; fi
        sleep 0.05
    done
    return 1
}

hex() { printf '0x%x' "$1"; }
mapped() { xwininfo -id "$1" 2>/dev/null | grep -q 'Map State: IsViewable'; }
unmapped() { ! mapped "$1"; }
title() { xdotool getwindowname "$1"; }
# The first window shown with this name. The first start on a fresh machine
# can be slow (caches being built, the rest of the suite beside it): wait up
# to twenty seconds.
find_window() { timeout 20 xdotool search --sync --onlyvisible --name "$1" | head -1; }

# What the program and the display were doing, for a start that went wrong.
describe_start() {
    echo "after $SECONDS s; the program is $(ps -o stat= -p "$program_pid" || echo gone)"
    echo "its output:"
    cat "$work/program.log"
    echo "the windows on the display:"
    xwininfo -root -tree | grep -E '^ +0x' | head -40
    if command -v gdb >/dev/null && kill -0 "$program_pid" 2>/dev/null; then
        echo "where the program stands:"
        gdb -batch -p "$program_pid" -ex 'thread apply all bt 12' 2>/dev/null | grep -E '^(#|Thread)'
    fi
}

# openbox without its mouse bindings: Alt with a click must reach the program.
openbox --config-file "$here/openbox-rc.xml" >/dev/null 2>&1 &
pids+=($!)
# xprop succeeds even while the property is missing: look for the window in
# it. A program started before openbox manages windows may never be shown.
wm_running() { xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id # 0x'; }
if ! eventually wm_running; then
    echo "FAIL  openbox did not start"
    exit 1
fi

cd "$work"
# The user's own configuration is not the test's.
export XDG_CONFIG_HOME="$work/config"
# In the sanitizer build, the desktop libraries' own leaks are not ours.
export LSAN_OPTIONS="suppressions=$here/lsan-suppressions.txt:print_suppressions=0"
QT_QPA_PLATFORM=xcb "$program" >"$work/program.log" 2>&1 &
program_pid=$!
pids+=("$program_pid")

main=$(find_window '^Heliodial [0-9]')
panel=$(find_window '^ Control Panel$')
if [ -z "$main" ] || [ -z "$panel" ]; then
    echo "FAIL  the program did not show its windows"
    describe_start
    exit 1
fi

# --- The main window stands in the middle of the screen, frame and all ---
frame_centred() {
    local extents x y w h
    extents=$(xprop -id "$main" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
    read -r left right top bottom <<<"$extents"
    eval "$(xwininfo -id "$main" | awk '/Absolute upper-left X/ {print "x=" $NF}
        /Absolute upper-left Y/ {print "y=" $NF} /Width:/ {print "w=" $NF}
        /Height:/ {print "h=" $NF}')"
    local fx=$((x - left)) fy=$((y - top)) fw=$((w + left + right)) fh=$((h + top + bottom))
    local dx=$((2 * fx + fw - 1280)) dy=$((2 * fy + fh - 1024))
    [ "${dx#-}" -le 2 ] && [ "${dy#-}" -le 2 ]
}
check "the main window's frame is centred on the screen" eventually frame_centred

# --- The control panel hangs on the main window ---
check "the control panel is transient for the main window" \
    bash -c "xprop -id $panel WM_TRANSIENT_FOR | grep -q '# $(hex "$main")\$'"
check "the control panel is a utility window" \
    bash -c "xprop -id $panel _NET_WM_WINDOW_TYPE | grep -q _NET_WM_WINDOW_TYPE_UTILITY"
# Motif functions: move (4) and resize (2) only, no minimise (8) or maximise (16).
check "the control panel asks for no minimise or maximise button" \
    bash -c "xprop -id $panel _MOTIF_WM_HINTS | grep -Eq '= 0x1, 0x[2-7],'"

xdotool windowminimize "$main"
check "minimising the main window takes the control panel along" eventually unmapped "$panel"
xdotool windowactivate "$main"
check "restoring the main window brings the control panel back" eventually mapped "$panel"

# openbox offers the panel a minimise button of its own, whatever it asks; the
# two windows still go and come back together.
xdotool windowminimize "$panel"
check "minimising the control panel takes the main window along" eventually unmapped "$main"
xdotool windowactivate "$main"
check "restoring the main window brings both back" eventually mapped "$panel"

# --- The menu keys work while the control panel has the focus ---
menu_shown() {
    local window
    for window in $(xdotool search --onlyvisible --class heliodial); do
        if xprop -id "$window" _NET_WM_WINDOW_TYPE 2>/dev/null | grep -q 'MENU'; then
            return 0
        fi
    done
    return 1
}
no_menu_shown() { ! menu_shown; }
xdotool windowactivate --sync "$panel"
check "no menu is open yet" no_menu_shown
xdotool key alt+b
check "Alt+B with the focus on the control panel opens the Orbits menu" eventually menu_shown
xdotool key Escape Escape

# --- The photo window works while the About box is open ---
open_photo() {
    # The icon: 57 x 57 at (8, 8) of the panel at (8, 8).
    xdotool mousemove --window "$about" 44 44
    xdotool keydown ctrl keydown alt click 1 keyup alt keyup ctrl
}
xdotool windowactivate --sync "$main"
xdotool key alt+h a
about=$(find_window '^About$')
open_photo
photo=$(find_window '^Heliodial$')
check "Ctrl+Alt+click on the icon opens the photo window" mapped "$photo"
# Its Close button: 75 x 25 at (432, 440).
xdotool mousemove --window "$photo" 470 452 click 1
check "the photo window's button closes it while the About box is open" \
    eventually unmapped "$photo"
sleep 0.5
open_photo
photo=$(find_window '^Heliodial$')
if check "the photo window opens again" mapped "$photo"; then
    wmctrl -i -c "$(hex "$photo")"
    check "the photo window's frame closes it while the About box is open" \
        eventually unmapped "$photo"
fi
xdotool windowactivate --sync "$about"
xdotool key Return
check "the About box closes" eventually unmapped "$about"

# --- The save dialog opens above the control panel, which stays on top ---
above() { # window $1 is stacked above window $2
    local order
    order=$(xprop -root _NET_CLIENT_LIST_STACKING | sed 's/.*# //; s/,//g')
    local first second window i=0
    for window in $order; do
        i=$((i + 1))
        [ "$((window))" -eq "$(($1))" ] && first=$i
        [ "$((window))" -eq "$(($2))" ] && second=$i
    done
    [ -n "${first:-}" ] && [ -n "${second:-}" ] && [ "$first" -gt "$second" ]
}
xdotool windowactivate --sync "$main"
xdotool key ctrl+s
save=$(find_window '^Save picture$')
if check "Ctrl+S opens the save dialog" test -n "$save"; then
    check "the save dialog stands above the control panel" eventually above "$save" "$panel"
    xdotool windowactivate --sync "$save"
    xdotool key Escape
    check "Escape closes the save dialog" eventually unmapped "$save"
fi

# --- Double clicks on the Stats page leave the planets standing ---
xdotool windowactivate --sync "$main"
# The notebook's tab bar lies under the menu bar; "Stats" is its first tab.
menu_height=$(($(xwininfo -id "$main" | awk '/Height:/ {print $NF}') - 512))
xdotool mousemove --window "$main" 20 $((menu_height + 10)) click 1
check "the Stats page hides the control panel" eventually unmapped "$panel"
caption=$(title "$main")
xdotool mousemove --window "$main" 400 $((menu_height + 420)) click --repeat 2 --delay 80 1
xdotool mousemove --window "$main" 30 $((menu_height + 100)) click --repeat 2 --delay 80 1
sleep 0.5
check "double clicks on the Stats page do not set the planets moving" \
    test "$(title "$main")" = "$caption"

# --- "E&xit" ends the program and keeps the settings ---
xdotool windowactivate --sync "$main"
xdotool key alt+f x
check "\"E&xit\" ends the program" eventually bash -c "! kill -0 $program_pid 2>/dev/null"
check "the settings file is written" test -s "$work/Settings.hdx"
if grep -qE 'runtime error|AddressSanitizer|QObject::' "$work/program.log"; then
    echo "FAIL  the program reported:"
    cat "$work/program.log"
    failures=$((failures + 1))
fi

[ "$failures" -eq 0 ]
