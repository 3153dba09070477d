#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Heliodial developers
# SPDX-License-Identifier: GPL-3.0-or-later
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
# the suite) can take more than two to map or unmap a window. Timed rather
# than counted, as a command that reads the screen takes a while itself.
eventually() {
    local deadline=$((SECONDS + 5))
    until "$@"; do
        [ "$SECONDS" -lt "$deadline" ] || return 1
        sleep 0.05
    done
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

# xprop succeeds even while the property is missing: look for the window in
# it. A program started before openbox manages windows may never be shown.
wm_running() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id # 0x'; }
# openbox without its mouse bindings: Alt with a click must reach the program.
# With the rest of the suite loading both cores it has once taken more than
# five seconds to come up: it is given fifteen, started again if it ends
# meanwhile (three times at most), and what it said is shown if it never
# comes.
openbox_settled() { wm_running || ! kill -0 "$openbox_pid" 2>/dev/null; }
for attempt in 1 2 3; do
    openbox --config-file "$here/openbox-rc.xml" >>"$work/openbox.log" 2>&1 &
    openbox_pid=$!
    pids+=("$openbox_pid")
    deadline=$((SECONDS + 15))
    until openbox_settled || [ "$SECONDS" -ge "$deadline" ]; do sleep 0.05; done
    wm_running && break
    kill -0 "$openbox_pid" 2>/dev/null && break
    echo "openbox ended at start $attempt"
done
if ! wm_running; then
    echo "FAIL  openbox did not start"
    cat "$work/openbox.log"
    exit 1
fi

cd "$work"
# The user's own configuration is not the test's.
export XDG_CONFIG_HOME="$work/config"
# In the sanitizer build, the desktop libraries' own leaks are not ours.
export LSAN_OPTIONS="suppressions=$here/lsan-suppressions.txt:print_suppressions=0"
# Starts the program and finds its two windows: $main and $panel.
start_program() {
    QT_QPA_PLATFORM=xcb "$program" >>"$work/program.log" 2>&1 &
    program_pid=$!
    pids+=("$program_pid")
    main=$(find_window '^Heliodial [0-9]')
    panel=$(find_window '^ Control Panel$')
    if [ -z "$main" ] || [ -z "$panel" ]; then
        echo "FAIL  the program did not show its windows"
        describe_start
        exit 1
    fi
}
ended() { ! kill -0 "$program_pid" 2>/dev/null; }
start_program

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

# --- The window grows; the views and the control panel follow ---
# Where a window stands on the screen: x y width height of its client area,
# or of its frame with openbox's decorations round it.
client() {
    xwininfo -id "$1" | awk '/Absolute upper-left X/ {x = $NF} /Absolute upper-left Y/ {y = $NF}
        /Width:/ {w = $NF} /Height:/ {h = $NF} END {print x, y, w, h}'
}
frame() {
    local x y w h left=0 right=0 top=0 bottom=0 extents
    read -r x y w h <<<"$(client "$1")"
    extents=$(xprop -id "$1" _NET_FRAME_EXTENTS | sed -n 's/.*= //; s/,//gp')
    [ -n "$extents" ] && read -r left right top bottom <<<"$extents"
    echo $((x - left)) $((y - top)) $((w + left + right)) $((h + top + bottom))
}
# For a failed check: where both windows were.
places() {
    echo "      main window: frame $(frame "$main"), client $(client "$main");" \
        "control panel: frame $(frame "$panel"), client $(client "$panel")"
}
is_at() { test "$(client "$1")" = "$2"; }
has_size() { [[ "$(client "$main")" == *" $1 $2" ]]; }
has_state() { # every one of these _NET_WM_STATE_... atoms
    local states state
    states=$(xprop -id "$main" _NET_WM_STATE)
    for state; do
        [[ "$states" =~ [\ =]_NET_WM_STATE_$state(,|$) ]] || return 1
    done
}
lacks_state() { ! has_state "$1"; }
near() { local d=$(($1 - $2)); [ "${d#-}" -le 2 ]; }

# The panel's frame goes 32 px in from the main window's frame and 24 px up
# from the bottom of its client area, as the program places it.
panel_at_corner() {
    local mx my mh px py ph
    read -r mx my _ _ <<<"$(frame "$main")"
    read -r _ _ _ mh <<<"$(client "$main")"
    read -r px py _ _ <<<"$(frame "$panel")"
    read -r _ _ _ ph <<<"$(client "$panel")"
    near "$px" $((mx + 32)) && near "$py" $((my + mh - ph - 24))
}
# At start the panel may be placed before openbox has framed it; then its
# client area, rather than its frame, takes the corner's place.
panel_near_corner() {
    local mx my mh px py cx cy ph
    read -r mx my _ _ <<<"$(frame "$main")"
    read -r _ _ _ mh <<<"$(client "$main")"
    read -r px py _ _ <<<"$(frame "$panel")"
    read -r cx cy _ ph <<<"$(client "$panel")"
    { near "$px" $((mx + 32)) && near "$py" $((my + mh - ph - 24)); } ||
        { near "$cx" $((mx + 32)) && near "$cy" $((my + mh - ph - 24)); }
}

# A maximised window's frame is the whole screen: openbox here keeps no room
# for panels of its own.
covers_screen() { test "$(frame "$main")" = "0 0 1280 1024"; }

# The views are drawn inside the main window, not in X windows of their own,
# so their size is read off the screen. "All Planets" is shown from the
# start, and the yellow frame round its ecliptic is the longest yellow line
# across and the longest down on the screen (the zodiac's dividers and the
# degree marks are shorter, and the control panel has no yellow): their
# lengths measure the view.
can_read_screen=true
for tool in import convert; do
    if ! command -v "$tool" >/dev/null; then
        echo "skip  the view sizes are not read off the screen: $tool (imagemagick) is not installed"
        can_read_screen=false
    fi
done
# The most yellow pixels in one row (1x1024!) or one column (1280x1!) of a
# picture of the screen: yellow as red and green well above blue.
yellow_line() {
    convert "$1" -separate \( -clone 0,1 -compose darken -composite \) -delete 0,1 \
        -compose minus_dst -composite -threshold 40% -scale "$2" -depth 16 txt:- |
        awk -F'[(),]' -v n="$3" 'NR > 1 && $3 + 0 > max {max = $3 + 0}
            END {printf "%d\n", max / 65535 * n + 0.5}'
}
view_frame() { # prints the frame's length across and down
    import -window root "$work/screen.png" &&
        echo "$(yellow_line "$work/screen.png" '1x1024!' 1280)" \
            "$(yellow_line "$work/screen.png" '1280x1!' 1024)"
}
# The view at the largest scale at which its 741 x 484 fits the tab (the
# client area less the menu and tab bars, less 4 px on either side and
# below), never below its own size; then its frame is that much longer both
# ways, its shape kept.
view_fits() {
    local w h across down
    read -r _ _ w h <<<"$(client "$main")"
    read -r across down <<<"$(view_frame)" || return 1
    shown_frame="$across $down"
    awk -v w="$w" -v h="$h" -v bars="$bars" -v a0="$small_across" -v d0="$small_down" \
        -v a="$across" -v d="$down" 'BEGIN {
            s = (w - 8) / 741; if ((h - bars - 4) / 484 < s) s = (h - bars - 4) / 484
            if (s < 1) s = 1
            exit !(a - a0 * s <= 3 && a0 * s - a <= 3 && d - d0 * s <= 3 && d0 * s - d <= 3)
        }'
}
check_view_fits() { # what, for the check's description
    if $can_read_screen; then
        check "$1" eventually view_fits ||
            echo "      the view's frame was $shown_frame px across and down at $(client "$main")" \
                "where it was $small_across $small_down at the smallest size"
    fi
}

xdotool windowactivate --sync "$main"
smallest=$(client "$main")
read -r _ _ small_w small_h <<<"$smallest"
check "the main window starts at its smallest size, 749 x 530" \
    test "$small_w $small_h" = "749 530"
# The tab, 749 x 488 at the smallest size, lies under the menu and tab bars.
bars=$((small_h - 488))
if $can_read_screen; then
    read -r small_across small_down <<<"$(view_frame)"
    # About 700 x 443: the frame lies a little inside the view's 741 x 484.
    check "the view's frame is found on the screen" \
        test "${small_across:-0}" -gt 650 -a "$small_across" -lt 741 \
        -a "${small_down:-0}" -gt 400 -a "$small_down" -lt 484 ||
        echo "      it measured ${small_across:-nothing} x ${small_down:-nothing}"
fi

xdotool windowsize "$main" 500 300
sleep 0.5
check "the main window does not shrink below its smallest size" is_at "$main" "$smallest"

xdotool windowsize "$main" 1000 700
check "the main window can be made larger" eventually is_at "$main" "${smallest% * *} 1000 700"
check_view_fits "the view grows with a larger window"
check "the control panel follows the window's bottom-left corner" eventually panel_at_corner ||
    places
xdotool windowsize "$main" "$small_w" "$small_h"
check "the main window goes back to its smallest size" eventually is_at "$main" "$smallest"

wmctrl -i -r "$main" -b add,maximized_vert,maximized_horz
check "the maximised window covers the screen, less openbox's title bar" \
    eventually covers_screen || places
check_view_fits "the view is shown at the largest scale that fits the maximised window"
check "the control panel is at the maximised window's bottom-left corner" \
    eventually panel_at_corner || places
wmctrl -i -r "$main" -b remove,maximized_vert,maximized_horz
check "the window leaves maximised at its former size and place" \
    eventually is_at "$main" "$smallest" || places
check "the control panel comes back with it" eventually panel_at_corner || places

xdotool windowactivate --sync "$main"
xdotool key F11
check "F11 puts the main window in full screen" eventually has_state FULLSCREEN
check "the full-screen window covers the whole screen" \
    eventually is_at "$main" "0 0 1280 1024" || places
check_view_fits "the view is shown at the largest scale that fits the screen"
check "the control panel stays shown in full screen" mapped "$panel"
check "the control panel stays above the full-screen window" eventually above "$panel" "$main"
check "the control panel is at the screen's bottom-left corner" eventually panel_at_corner ||
    places
xdotool windowactivate --sync "$main"
xdotool key F11
check "F11 again leaves full screen" eventually lacks_state FULLSCREEN
check "the window leaves full screen at its former size and place" \
    eventually is_at "$main" "$smallest" || places
check "the control panel is back at the window's corner" eventually panel_at_corner || places

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

# --- "E&xit" ends the program and keeps the settings and the window's place ---
xdotool windowsize "$main" 900 650
check "the main window is made 900 x 650" eventually is_at "$main" "${smallest% * *} 900 650"
left_at=$(client "$main")
xdotool windowactivate --sync "$main"
xdotool key alt+f x
check "\"E&xit\" ends the program" eventually ended
check "the settings file is written" test -s "$work/Settings.hdx"

preference() { # Section/key in the user's configuration
    awk -v section="[${1%%/*}]" -v key="${1#*/}" '/^\[/ {inside = ($0 == section)}
        inside && index($0, key "=") == 1 {print substr($0, length(key) + 2)}' \
        "$XDG_CONFIG_HOME/heliodial/heliodial.conf" 2>/dev/null
}
remembered_size() { [[ "$(preference Window/geometry)" =~ ^-?[0-9]+\ -?[0-9]+\ $1\ $2$ ]]; }
check "the configuration keeps the window's size" remembered_size 900 650
check "the configuration keeps that it was not maximised" \
    test "$(preference Window/maximised)" = false
check "the configuration keeps that it was not in full screen" \
    test "$(preference Window/fullScreen)" = false

start_program
check "the main window opens where it was left, at the size it was left" \
    eventually is_at "$main" "$left_at" || {
    echo "      it was left at $left_at (client x y w h); the configuration says" \
        "$(preference Window/geometry)"
    places
}
wmctrl -i -r "$main" -b add,maximized_vert,maximized_horz
eventually covers_screen
xdotool windowactivate --sync "$main"
xdotool key alt+f x
check "the program ends maximised" eventually ended
check "the configuration keeps that it was maximised" test "$(preference Window/maximised)" = true

start_program
check "the main window opens maximised" \
    eventually has_state MAXIMIZED_VERT MAXIMIZED_HORZ
check "it covers the screen, less openbox's title bar" eventually covers_screen || places
check "the control panel opens at its bottom-left corner" eventually panel_near_corner || places
xdotool windowactivate --sync "$main"
xdotool key F11
check "F11 takes the maximised window to full screen" \
    eventually is_at "$main" "0 0 1280 1024" || places
xdotool windowactivate --sync "$main"
xdotool key F11
check "F11 again gives back the maximised window" eventually covers_screen || places
wmctrl -i -r "$main" -b remove,maximized_vert,maximized_horz
check "it leaves maximised at the size it had before the restart" \
    eventually has_size 900 650 || places
xdotool windowactivate --sync "$main"
xdotool key alt+f x
check "the program ends again" eventually ended

# A place on a screen that is no longer there, such as a second monitor
# taken away.
mkdir -p "$XDG_CONFIG_HOME/heliodial"
printf '[Window]\nfullScreen=false\ngeometry=3000 2500 900 650\nmaximised=false\n' \
    >"$XDG_CONFIG_HOME/heliodial/heliodial.conf"
start_program
check "a window remembered off the screen opens with its frame centred" \
    eventually frame_centred || places
check "it keeps its remembered size" eventually has_size 900 650
xdotool windowactivate --sync "$main"
xdotool key alt+f x
check "the program ends a last time" eventually ended

if grep -qE 'runtime error|AddressSanitizer|QObject::' "$work/program.log"; then
    echo "FAIL  the program reported:"
    cat "$work/program.log"
    failures=$((failures + 1))
fi

[ "$failures" -eq 0 ]
