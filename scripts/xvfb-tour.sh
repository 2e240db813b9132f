#!/usr/bin/env bash
# A planner's first day, driven for real on a virtual X server (Xvfb) with mouse clicks and key
# presses from xdotool, one screenshot per step under build/test-output/xvfb-tour/:
#   first start on a new home folder, a container type and two box kinds added to the sample
#   task through the grids' drop-downs, Solve, the task report printed to a PDF file (no
#   printer here), help (F1) from the Box Library, Exit.
# Run by hand after a build (not part of the test command):
#   bash scripts/xvfb-tour.sh            (display :58; XVFB_DISPLAY=:59 chooses another)
# Each step prints OK or PROBLEM; look at the screenshots before trusting the summary.
set -uo pipefail
cd "$(dirname "$0")/.."

if ! command -v Xvfb >/dev/null || ! command -v xdotool >/dev/null || ! command -v import >/dev/null; then
  DEBIAN_FRONTEND=noninteractive apt-get install -y xvfb xdotool imagemagick
fi
for tool in sqlite3 pdftotext; do
  command -v "$tool" >/dev/null || { echo "$tool is missing: bash scripts/install-deps.sh"; exit 1; }
done
program=build/src/app/palvane
[ -x "$program" ] || { echo "Build first: bash scripts/build.sh"; exit 1; }

display=${XVFB_DISPLAY:-:58}
out=build/test-output/xvfb-tour
rm -rf "$out"
mkdir -p "$out"
work=$(mktemp -d)
home=$work/home
problems=0
app=""
xvfb=""

cleanup() {
  [ -n "$app" ] && kill "$app" 2>/dev/null
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

ok() { echo "OK       $*"; }
problem() { echo "PROBLEM  $*"; problems=$((problems + 1)); }
shot() { import -window root "$out/$1.png"; }
# Clicks at x, y inside the window `win` (its top left corner is 0, 0).
click() { xdotool mousemove --window "$1" "$2" "$3" click 1; sleep 0.6; }
dclick() { xdotool mousemove --window "$1" "$2" "$3" click --repeat 2 --delay 60 1; sleep 0.6; }
keys() { xdotool key --delay 80 "$@"; sleep 0.4; }
sql() { sqlite3 "$home/KorvanB/$1.db" "$2"; }
# Waits up to $2 seconds for a visible window whose name matches $1; prints its id.
window() {
  local id="" i
  for ((i = 0; i < $2 * 4; ++i)); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | tail -1)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.25
  done
  return 1
}

Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >"$out/xvfb.log" 2>&1 &
xvfb=$!
sleep 1.5
export DISPLAY=$display QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY

# 1. First start on a home folder that does not exist yet: no message, the Task Page at once.
"$program" --home "$home" >"$out/palvane.log" 2>&1 &
app=$!
if page=$(window "Task page" 20); then
  sleep 1
  shot 01-first-start
  [ -f "$home/databases.ini" ] && ok "first start: Task Page shown, home folder created" ||
    problem "first start: no databases.ini"
  [ "$(xdotool search --onlyvisible --name . | wc -l)" -eq 1 ] && ok "first start: no other window (no message box)" ||
    problem "first start: more windows than the Task Page"
else
  shot 01-first-start
  problem "first start: no Task Page within 20 s"
  exit 1
fi

# Positions inside the Task Page (its design size 780 x 557).
contsPlus=(608 68); contsRow0=(90 111); boxesPlus=(641 206); boxesRow0=(90 249); arrowX=147
solveBtn=(533 476); printBtn=(617 501); boxLibBtn=(733 206); exitBtn=(733 501)

# Adds a row to a task grid: makes row 0 current, "+" inserts the new row there, a double click
# opens the name cell's drop-down editor, its arrow opens the list, `down` steps from the first
# entry choose the library row, and the quantity goes two cells on.
add_row() { # plus-x plus-y row0-x row0-y down quantity
  click "$page" "$3" "$4"
  click "$page" "$1" "$2"
  dclick "$page" "$3" "$4"
  click "$page" "$arrowX" "$4"
  keys Home
  for ((i = 0; i < $5; ++i)); do keys Down; done
  keys Return Tab Tab
  xdotool type --delay 80 "$6"
  keys Return
}

# The library rows a task list refers to, one per line; an edit must never change them.
rows_of() { sql "$1" "SELECT $2 FROM $1 WHERE TaskID = 1 ORDER BY $2"; }
kept() { # list key rows-before
  local missing
  missing=$(comm -23 <(printf '%s\n' "$3") <(rows_of "$1" "$2"))
  [ -z "$missing" ] && ok "$1: every existing row kept" || problem "$1: existing rows changed by the edit ($2 $missing gone)"
}

# 2. A container type through the drop-down of the containers grid: "Container 40 ft", 1 of it.
before=$(sql tc "SELECT COUNT(*) FROM tc")
tcRows=$(rows_of tc TypeID)
add_row "${contsPlus[@]}" "${contsRow0[@]}" 1 1
shot 02-container-drop-down
click "$page" 300 40 # the description: leaving the grid stores the row
shot 03-container-added
after=$(sql tc "SELECT COUNT(*) FROM tc")
[ "$after" -eq $((before + 1)) ] && ok "container type added through its drop-down" ||
  problem "container type through the drop-down: $before rows before, $after after (row lost?)"
kept tc TypeID "$tcRows"

# 3. Two box kinds through the drop-down of the boxes grid: "Cable drum" x 3, "Quarter pallet" x 6.
before=$(sql tb "SELECT COUNT(*) FROM tb")
tbRows=$(rows_of tb KindID)
add_row "${boxesPlus[@]}" "${boxesRow0[@]}" 0 3
shot 04-box-kind-1
add_row "${boxesPlus[@]}" "${boxesRow0[@]}" 5 6
shot 05-box-kind-2
click "$page" 300 40
after=$(sql tb "SELECT COUNT(*) FROM tb")
[ "$after" -eq $((before + 2)) ] && ok "two box kinds added through their drop-down" ||
  problem "box kinds through the drop-down: $before rows before, $after after"
kept tb KindID "$tbRows"
shot 06-task-before-solve

# 4. Solve; the progress window shows while it runs.
click "$page" "${solveBtn[@]}"
sleep 1
shot 07-solving
for ((i = 0; i < 120; ++i)); do
  [ "$(sql tasks "SELECT Solut FROM tasks WHERE TaskID = 1")" = 1 ] && break
  sleep 1
done
sleep 1
shot 08-solved
left=$(sql tb "SELECT SUM(Total - Placed) FROM tb WHERE TaskID = 1")
[ "$(sql tasks "SELECT Solut FROM tasks WHERE TaskID = 1")" = 1 ] && ok "solved; boxes left: $left" ||
  problem "the Solve did not end within 120 s"

# 5. Print the task report: the question, then (no printer) the PDF file dialog, whose
# suggestion in the home folder's reports folder is taken with Enter.
click "$page" "${printBtn[@]}"
sleep 0.8
shot 09-print-question
keys Return
sleep 1.5
shot 10-pdf-file-dialog
keys Return
pdf=""
for ((i = 0; i < 40; ++i)); do
  pdf=$(ls "$home"/reports/*.pdf 2>/dev/null | head -1)
  [ -n "$pdf" ] && break
  sleep 0.5
done
sleep 1
shot 11-printed
if [ -n "$pdf" ] && pdftotext "$pdf" - | grep -q "Sample: mixed pallets"; then
  cp "$pdf" "$out/task-report.pdf"
  ok "task report printed to $(basename "$pdf")"
else
  problem "no task report PDF in $home/reports"
fi

# 6. Help from the Box Library: F1 opens the library's topic; a click on the help window's
# Index button must work while the library is open.
click "$page" "${boxLibBtn[@]}"
if lib=$(window "Box Library" 10); then
  sleep 0.8
  shot 12-box-library
  keys F1
  if help=$(window "Help" 10); then
    sleep 0.8
    shot 13-help-from-box-library
    import -window "$help" "$work/help-before.png"
    click "$help" 136 21
    sleep 0.8
    import -window "$help" "$work/help-after.png"
    shot 14-help-index-clicked
    changed=$(compare -metric AE "$work/help-before.png" "$work/help-after.png" null: 2>&1 || true)
    [ "${changed%% *}" != 0 ] && ok "help window takes clicks while the Box Library is open" ||
      problem "help window ignored the click while the Box Library was open"
  else
    problem "F1 in the Box Library opened no help window"
  fi
  geometry=$(xdotool getwindowgeometry "$lib" | awk '/Geometry/ {print $2}')
  click "$lib" $((${geometry%x*} - 45)) $((${geometry#*x} - 16)) # Close
  shot 15-box-library-closed
else
  problem "the Box Library did not open"
fi

# 7. Exit (with its question); the settings file is written.
click "$page" "${exitBtn[@]}"
keys Return
for ((i = 0; i < 20; ++i)); do
  kill -0 "$app" 2>/dev/null || break
  sleep 0.5
done
if kill -0 "$app" 2>/dev/null; then
  shot 16-exit
  problem "the program did not end on Exit"
else
  app=""
  [ -f "$home/korvan.ini" ] && ok "Exit wrote korvan.ini" || problem "no korvan.ini after Exit"
fi

echo
echo "Screenshots: $out ($(ls "$out"/*.png | wc -l) pictures); program output: $out/palvane.log"
[ "$problems" -eq 0 ] && echo "No problems seen." || echo "$problems problem(s) seen."
exit $((problems > 0))
