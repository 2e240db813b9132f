#!/bin/bash
# Drives the desktop program on a virtual X server with real mouse clicks and keys, the way a
# planner edits the grids: a container row through the Container Type drop-down, a new box kind
# in the Box Library through the TurnOn drop-down, a refused quantity, help from the Box Library,
# and the Settings window's up-downs. Screenshots of every step go to build/test-output/xvfb/.
# Run by hand after a build (not part of the test command):  bash scripts/xvfb-grids.sh
# Needs the Debian packages xvfb, xdotool and imagemagick (openbox is used when installed).
# The positions are those of the program's windows at their first placement on a 1280x1024
# screen with openbox's window frames.
set -u
cd "$(dirname "$0")/.."
DISPLAY_NO=${DISPLAY_NO:-57}
OUT=build/test-output/xvfb
APP=build/src/app/palvane
HOME_DIR=$(mktemp -d /tmp/palvane-xvfb.XXXXXX)
mkdir -p "$OUT"
export DISPLAY=:$DISPLAY_NO

XVFB_PID=
if ! xdpyinfo >/dev/null 2>&1; then
    Xvfb "$DISPLAY" -screen 0 1280x1024x24 >/dev/null 2>&1 &
    XVFB_PID=$!
    sleep 2
fi
WM_PID=
if command -v openbox >/dev/null; then
    openbox >/dev/null 2>&1 &
    WM_PID=$!
    sleep 1
fi
"$APP" --home "$HOME_DIR" >"$OUT/palvane.log" 2>&1 &
APP_PID=$!
cleanup() {
    kill "$APP_PID" 2>/dev/null
    wait "$APP_PID" 2>/dev/null
    [ -n "$WM_PID" ] && kill "$WM_PID" 2>/dev/null
    [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null
    rm -rf "$HOME_DIR"
}
trap cleanup EXIT

shot() { sleep 0.6; import -window root "$OUT/$1.png"; echo "screenshot $OUT/$1.png"; }
click() { xdotool mousemove "$1" "$2" click 1; sleep 0.4; }
keys() { xdotool key --delay 80 "$@"; sleep 0.3; }
typed() { xdotool type --delay 80 "$1"; sleep 0.3; }

# Start: wait for the Task Page (a start-up message box, if any, is answered with Return).
for _ in $(seq 1 30); do
    xdotool search --name "Task page" >/dev/null 2>&1 && break
    xdotool key Return 2>/dev/null
    sleep 1
done
shot 01-task-page

# 1. Containers "+", the new row's Container Type drop-down opened by a double click, its list
#    opened by a click on the arrow, "Container 20 ft" (the first entry) clicked.
click 617 80
shot 02-containers-new-row
xdotool mousemove 99 123 click --repeat 2 --delay 80 1
sleep 0.4
click 162 123
shot 03-container-type-list-open
click 99 146
shot 04-container-type-chosen
keys Tab
typed 333
keys Return
shot 05-container-row-stored

# 2. A refused quantity: 0 in the box list's Total of the second row, the message closed with
#    Return, then 9 typed: it goes into that cell, the task name stays.
xdotool mousemove 267 281 click 1
typed 0
keys Return
shot 06-refused-total-message
keys Return
typed 9
keys Return
shot 07-after-refusal-typed-9

# 3. Box Library, Edit, "+", a new kind typed with Tab between the cells, the TurnOn list
#    opened by a click on its arrow and "True" clicked, the description typed, Fix.
click 743 218
sleep 1
click 497 998
click 420 998
typed "Zeta box"; keys Tab
typed ZB; keys Tab
typed 500; keys Tab
typed 400; keys Tab Tab
typed 50; keys Tab
shot 08-library-turnon-editor
click 497 366
shot 09-library-turnon-list-open
click 480 389
shot 10-library-turnon-true
keys Tab Tab
typed "Zeta kind"
keys Return
shot 11-library-description-typed
click 497 998
shot 12-library-fixed

# 4. Help from the Box Library: F1, Index clicked in the help window, the help window closed
#    with its frame's close button while the library stays open.
keys F1
sleep 1
HELP=$(xdotool search --name "Help" | tail -1)
shot 13-help-over-library
if [ -n "$HELP" ]; then
    eval "$(xdotool getwindowgeometry --shell "$HELP")"
    # (openbox reports the client top about one title bar too low: the buttons sit at Y + 1)
    click $((X + 135)) $((Y + 1))
    shot 14-help-index-clicked
    xdotool windowclose "$HELP" 2>/dev/null || xdotool windowkill "$HELP"
    shot 15-help-closed-library-open
fi
# Close the library.
keys Escape
click 722 998

# 5. Settings: 60 typed as time limit, 1 typed (refused), the intensity's down button held.
click 543 513
sleep 1
SETTINGS=$(xdotool search --name "^Settings$" | tail -1)
if [ -n "$SETTINGS" ]; then
    eval "$(xdotool getwindowgeometry --shell "$SETTINGS")"
    echo "Settings window at $X,$Y"
fi
shot 16-settings-open
if [ -n "$SETTINGS" ]; then
    # The time limit typed: 60 taken, 3 refused with the range message.
    xdotool mousemove $((X + 191)) $((Y + 80)) click --repeat 3 --delay 60 1
    typed 60; keys Return
    shot 17-settings-time-typed-60
    xdotool mousemove $((X + 191)) $((Y + 80)) click --repeat 3 --delay 60 1
    typed 3; keys Return
    shot 18-settings-time-3-refused
    keys Return
    shot 19-settings-time-kept
    # The time limit's down button held for two seconds.
    xdotool mousemove $((X + 243)) $((Y + 86)) mousedown 1
    sleep 2
    xdotool mouseup 1
    shot 20-settings-time-button-held
    # Intensity: Up, then Page Down.
    xdotool mousemove $((X + 191)) $((Y + 54)) click 1
    keys Up
    shot 21-settings-intensity-up
    keys Next
    shot 22-settings-intensity-page-down
fi
