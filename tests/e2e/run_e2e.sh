#!/usr/bin/env bash
# End-to-end test of the built program in a real X window, driven as a user drives it:
# paste an airfoil, draw the ribs, export CSV, DXF and PNG through the real save dialogs, compare
# the files with what ribwright-cli writes, hand over from a second copy, close.
# Usage: run_e2e.sh BIN_DIR SOURCE_DIR ARTIFACT_DIR
set -uo pipefail
bin=$1 src=$2 art=$3
mkdir -p "$art"
rm -f "$art"/*.png
work=$(mktemp -d /tmp/ribwright-e2e.XXXXXX)
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null; done
  rm -rf "$work"
}
trap cleanup EXIT

failures=0
passes=0
check() { # check DESCRIPTION COMMAND…
  local what=$1; shift
  if "$@"; then passes=$((passes + 1)); echo "ok: $what"
  else failures=$((failures + 1)); echo "FAILED: $what"; fi
}
shot() { import -window root "$art/$1.png" 2>/dev/null; }
wait_for() { # wait_for SECONDS COMMAND…: polls until the command succeeds
  local limit=$1; shift
  for _ in $(seq 1 $((limit * 10))); do "$@" && return 0; sleep 0.1; done
  return 1
}

for tool in Xvfb openbox xdotool xclip xprop import; do
  command -v "$tool" >/dev/null || { echo "missing $tool: run scripts/install-deps.sh"; exit 1; }
done

# A fresh copy of the program with its data folder, in a folder of its own.
mkdir -p "$work/app" "$work/out" "$work/runtime"
cp "$bin/ribwright" "$bin/ribwright-cli" "$work/app/"
cp -r "$src/data" "$work/app/data"
find "$work/app/data" -name .keep -delete
chmod 700 "$work/runtime"
export XDG_RUNTIME_DIR=$work/runtime
export HOME=$work
unset QT_QPA_PLATFORM

display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1600x1000x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
export DISPLAY=$display
wait_for 10 xdpyinfo >/dev/null 2>&1 || { echo "Xvfb did not start"; exit 1; }
openbox >/dev/null 2>&1 &
pids+=($!)
sleep 1

main_window() { xdotool search --onlyvisible --name '^Ribwright$' 2>/dev/null | head -n 1; }
client_size() { xdotool getwindowgeometry "$1" | sed -n 's/.*Geometry: //p'; }
frame_extents() { xprop -id "$1" _NET_FRAME_EXTENTS | sed -n 's/.* = //p' | tr -d ' '; }
outer_size() {
  local size ext w h l r t b
  size=$(client_size "$1"); ext=$(frame_extents "$1")
  w=${size%x*} h=${size#*x}
  IFS=, read -r l r t b <<<"${ext:-0,0,0,0}"
  echo "$((w + l + r))x$((h + t + b))"
}
maximised() { xprop -id "$1" _NET_WM_STATE | grep -q _NET_WM_STATE_MAXIMIZED_HORZ; }
click_client() { # click_client WINDOW X Y (client coordinates)
  xdotool mousemove --window "$1" "$2" "$3" click 1
}
dialog_window() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1; }
# A visible top-level window other than the main window: the dialog just opened.
other_window() { xdotool search --onlyvisible --name . 2>/dev/null | grep -vx "$win" | head -n 1; }
has_main_window() { test -n "$(main_window)"; }
has_other_window() { test -n "$(other_window)"; }
has_message_window() { test -n "$(dialog_window '^メッセージ$')"; }

"$work/app/ribwright" >"$work/app.log" 2>&1 &
app=$!
pids+=($app)
check "the window appears" wait_for 15 has_main_window
win=$(main_window)
sleep 1
shot 01-airfoil-view-empty
check "airfoil view outer size is 890x527 (got $(outer_size "$win"))" test "$(outer_size "$win")" = 890x527

# Paste a two-surface airfoil from the clipboard with the paste button.
xclip -selection clipboard -i <"$src/tests/data/naca2412_two_surface.dat"
sleep 0.5
click_client "$win" 173 12
check "the last-run file is written" wait_for 5 test -s "$work/app/data/lastdata.txt"
sleep 0.5
shot 02-airfoil-pasted

# Draw the ribs: the window maximises into the sheet view.
click_client "$win" 355 299
check "the sheet view is maximised" wait_for 5 maximised "$win"
sleep 1.5
shot 03-sheet-view
size=$(client_size "$win")
cw=${size%x*}

# The three exports through the real save dialog, accepting the proposed name, answering No.
export_with() { # export_with BUTTON_Y SHOT_NAME
  local y=$1 name=$2
  click_client "$win" $((cw - 248 + 172)) "$y"
  if ! wait_for 10 has_other_window; then echo "no save dialog for $name"; return 1; fi
  sleep 1
  shot "$name-save-dialog"
  xdotool key Return
  sleep 1.5
  shot "$name-question"
  xdotool key Escape
  sleep 0.5
}
export_with 413 04-csv
export_with 444 05-dxf
export_with 382 06-png
stem="NACA 2412_150x100x10"
check "csv file exists" test -s "$work/app/data/SPREADSHEET/$stem.csv"
check "dxf file exists" test -s "$work/app/data/dxf/$stem.dxf"
check "png file exists" test -s "$work/app/data/pictures/$stem.png"

# The same text and settings through the batch exporter give the same bytes.
if [ -s "$work/app/data/pictures/$stem.png" ]; then
  sheet=$(identify -format '%wx%h' "$work/app/data/pictures/$stem.png")
  "$work/app/ribwright-cli" --sheet "$sheet" --out-dir "$work/out" \
    "$src/tests/data/naca2412_two_surface.dat" >/dev/null
  check "CSV equals the batch exporter's" cmp -s "$work/out/$stem.csv" "$work/app/data/SPREADSHEET/$stem.csv"
  check "DXF equals the batch exporter's" cmp -s "$work/out/$stem.dxf" "$work/app/data/dxf/$stem.dxf"
  check "PNG ($sheet) equals the batch exporter's" cmp -s "$work/out/$stem.png" "$work/app/data/pictures/$stem.png"
fi

# A second copy hands over to the first and ends without a window of its own.
"$work/app/ribwright" >"$work/second.log" 2>&1 &
second=$!
pids+=($second)
check "the second copy shows its message" wait_for 10 has_message_window
sleep 0.5
shot 07-second-instance-message
xdotool key Return
check "the second copy ends" wait_for 10 bash -c "! kill -0 $second 2>/dev/null"
wait "$second"
check "the second copy exits with 0" test $? -eq 0
check "only one main window" test "$(xdotool search --onlyvisible --name '^Ribwright$' | wc -l)" -eq 1
shot 08-after-hand-over

# Closing the window ends the process.
xdotool windowactivate --sync "$win" key --clearmodifiers alt+F4 2>/dev/null
check "closing the window ends the process" wait_for 10 bash -c "! kill -0 $app 2>/dev/null"
wait "$app"
status=$?
check "the process exits with 0 (got $status)" test "$status" -eq 0

echo "e2e: $passes passed, $failures failed"
[ "$failures" -eq 0 ]
