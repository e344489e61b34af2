#!/usr/bin/env bash
# End-to-end test of the built program in a real X window, driven as a user drives it:
# open a published airfoil file, paste an airfoil, draw the ribs, export CSV, DXF, PNG, the
# true-scale PDF, the laser SVG and the cut DXF through the real save dialogs, compare the files
# with what ribwright-cli writes, hand over from a second copy, close. Every step waits for what
# it needs to see (a window, a file, a still screen), never for a fixed time. Controls are
# clicked at their centres, by name, where the control table places them. The run is in one
# interface language (Japanese unless told), and the files it writes must not depend on it.
# Usage: run_e2e.sh BIN_DIR SOURCE_DIR ARTIFACT_DIR PRINT_CONTROL_PLACES [ja|en]
set -uo pipefail
bin=$1 src=$2 art=$3 places_tool=$4 lang=${5:-ja}
# Window titles may be Japanese, and xdotool matches them by the locale's character set: the run
# sets a UTF-8 locale of its own, whatever the caller has. C.UTF-8 ships with Debian's libc.
if ! locale -a 2>/dev/null | grep -qiE '^c\.utf-?8$'; then
  echo "the C.UTF-8 locale is missing"
  exit 1
fi
export LC_ALL=C.UTF-8
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
# Waits until two screen grabs in a row are the same: the program has finished drawing.
screen_sum() { import -window root rgb:- 2>/dev/null | md5sum; }
wait_still() {
  local before now
  before=$(screen_sum)
  for _ in $(seq 1 50); do
    sleep 0.1
    now=$(screen_sum)
    [ "$now" = "$before" ] && return 0
    before=$now
  done
  return 1
}

for tool in Xvfb openbox xdotool xclip xprop import; do
  command -v "$tool" >/dev/null || { echo "missing $tool: run scripts/install-deps.sh"; exit 1; }
done
"$places_tool" 0 >/dev/null || { echo "cannot read the control places from $places_tool"; exit 1; }
# The captions looked for, as the program makes them in the run's language: the message boxes'
# and the toolkit's save dialog's.
texts=$("$places_tool" --texts "$lang" "$bin") || { echo "cannot read the $lang texts"; exit 1; }
text_of() { sed -n "s/^$1 //p" <<<"$texts"; }
message_title=$(text_of message-title)
save_title=$(text_of save-dialog-title)
[ -n "$message_title" ] && [ -n "$save_title" ] || { echo "missing texts: $texts"; exit 1; }
# Both programs run in that language, whatever the caller's environment says.
export RIBWRIGHT_LANG=$lang

# A fresh copy of the program with its data folder, in a folder of its own.
mkdir -p "$work/app" "$work/out" "$work/runtime"
cp "$bin/ribwright" "$bin/ribwright-cli" "$work/app/"
cp -r "$bin/translations" "$work/app/translations"
cp -r "$src/data" "$work/app/data"
find "$work/app/data" -name .keep -delete
chmod 700 "$work/runtime"
export XDG_RUNTIME_DIR=$work/runtime
export HOME=$work
unset QT_QPA_PLATFORM

# The server picks a free display itself and writes its number once it accepts clients.
Xvfb -displayfd 3 -screen 0 1600x1000x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
pids+=($!)
wait_for 10 test -s "$work/display" || { echo "Xvfb did not start"; exit 1; }
export DISPLAY=:$(head -n 1 "$work/display")
openbox >/dev/null 2>&1 &
pids+=($!)
wm_running() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
wait_for 10 wm_running || { echo "the window manager did not start"; exit 1; }

named_ribwright() { xdotool search --onlyvisible --name '^Ribwright$' 2>/dev/null; }
# The main window is the widest window captioned "Ribwright" (message boxes share the caption).
main_window() {
  local w best='' width widest=0
  for w in $(named_ribwright); do
    width=$(xdotool getwindowgeometry "$w" 2>/dev/null | sed -n 's/.*Geometry: \([0-9]*\)x.*/\1/p')
    if [ "${width:-0}" -gt 700 ] && [ "$width" -gt "$widest" ]; then best=$w widest=$width; fi
  done
  echo "$best"
}
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
# The centre of a control of the main window, "X Y" in client coordinates, as the window
# places it at its present width.
control_centre() { # control_centre NAME
  local size
  size=$(client_size "$win")
  "$places_tool" "${size%x*}" |
    awk -v name="$1" '$1 == name { print $2 + int($4 / 2), $3 + int($5 / 2); found = 1 }
                      END { exit !found }'
}
click_control() { # click_control NAME
  local centre
  centre=$(control_centre "$1") || { echo "no control named $1"; return 1; }
  # shellcheck disable=SC2086 # "X Y" splits into the two coordinates
  click_client "$win" $centre
}
dialog_window() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1; }
# A visible top-level window other than the main window: the dialog just opened.
other_window() { xdotool search --onlyvisible --name . 2>/dev/null | grep -vx "$win" | head -n 1; }
has_main_window() { test -n "$(main_window)"; }
has_other_window() { test -n "$(other_window)"; }
has_message_window() { test -n "$(dialog_window "^$message_title\$")"; }
ribwright_windows() { named_ribwright | wc -l; }
ribwright_windows_are() { test "$(ribwright_windows)" -eq "$1"; }
file_has() { grep -q "$2" "$1" 2>/dev/null; }
clipboard_has() { xclip -selection clipboard -o 2>/dev/null | grep -q "$1"; }

# A last-run text too short to draw raises its message while the window starts; the window
# still comes up at its outer size once the message is closed.
printf 'FIVE POINTS\r\n1.0 0.0\r\n0.5 0.06\r\n0.0 0.0\r\n0.5 -0.02\r\n1.0 0.0\r\n' \
  >"$work/app/data/lastdata.txt"
"$work/app/ribwright" >"$work/app.log" 2>&1 &
app=$!
pids+=($app)
check "the start-up message appears" wait_for 15 ribwright_windows_are 1
wait_still
shot 00-start-message
xdotool key Return
check "the window appears" wait_for 15 has_main_window
win=$(main_window)
at_outer_size() { test "$(outer_size "$win")" = 890x527; }
check "airfoil view outer size after a start-up message is 890x527" wait_for 5 at_outer_size
echo "   outer size: $(outer_size "$win")"
check "the start-up message is closed" wait_for 5 ribwright_windows_are 1
wait_still
shot 01-airfoil-view-short-text

# Open a library entry by typing its name in the open dialog and pressing Return: the dialog's
# completion list must close with it, so the next click (register) reaches its button.
cp "$src/tests/data/naca0012_loop.dat" "$work/app/data/winglist/library_entry.dat"
click_control Button15
check "the open dialog appears" wait_for 10 has_other_window
wait_still
xdotool type --delay 50 'library_en'
wait_still
shot 02a-open-dialog-completion
xdotool type --delay 50 'try.dat'
xdotool key Return
check "the open dialog closes" wait_for 5 bash -c "! xdotool search --onlyvisible --name . | grep -vx $win | grep -q ."
check "the library entry is loaded" wait_for 5 file_has "$work/app/data/lastdata.txt" 'NACA 0012'
wait_still
shot 02b-after-open-dialog
click_control Button16
check "the register button works after the open dialog" \
  wait_for 5 test -s "$work/app/data/winglist/NACA 0012.dat"

# Import a published file with notes through "翼型ファイルを開く" and the real open dialog.
click_control OpenFileButton
check "the open dialog appears for an airfoil file" wait_for 10 has_other_window
wait_still
xdotool key ctrl+a type --delay 20 "$src/tests/data/import/notes_after.dat"
xdotool key Return
check "the imported file is the last-run file, notes tidied away" wait_for 5 bash -c \
  "grep -q 'NACA 0012 with notes' '$work/app/data/lastdata.txt' && ! grep -q Thickness '$work/app/data/lastdata.txt'"
wait_still
shot 02c-airfoil-file-imported

# Paste a two-surface airfoil from the clipboard with the paste button.
xclip -selection clipboard -i <"$src/tests/data/naca2412_two_surface.dat"
wait_for 5 clipboard_has 'NACA 2412'
click_control Button1
check "the last-run file is written" wait_for 5 file_has "$work/app/data/lastdata.txt" 'NACA 2412'
wait_still
shot 02-airfoil-pasted

# Draw the ribs: the window maximises into the sheet view.
click_control Button3
check "the sheet view is maximised" wait_for 5 maximised "$win"
wait_still
shot 03-sheet-view

# The exports through the real save dialog, accepting the proposed name, answering No. The
# toolkit's own texts follow the window's language: the dialog's caption is the toolkit's.
stem="NACA 2412_150x100x10"
export_with() { # export_with BUTTON SHOT_NAME FILE
  local button=$1 name=$2 file=$3 dialog
  click_control "$button"
  if ! wait_for 10 has_other_window; then echo "no save dialog for $name"; return 1; fi
  dialog=$(other_window)
  check "the $name save dialog is captioned \"$save_title\"" \
    test "$(xdotool getwindowname "$dialog")" = "$save_title"
  wait_still
  shot "$name-save-dialog"
  xdotool key Return
  wait_for 10 test -s "$file"
  wait_for 10 has_other_window
  wait_still
  shot "$name-question"
  xdotool key Escape
  wait_for 5 bash -c "! xdotool search --onlyvisible --name . | grep -vx $win | grep -q ."
}
export_with Button10 04-csv "$work/app/data/SPREADSHEET/$stem.csv"
export_with Button11 05-dxf "$work/app/data/dxf/$stem.dxf"
export_with Button9 06-png "$work/app/data/pictures/$stem.png"
# The workshop files from the "原寸出力" group below the export buttons.
export_with PdfButton 06b-pdf "$work/app/data/pdf/${stem}_A4.pdf"
export_with SvgButton 06c-svg "$work/app/data/svg/$stem.svg"
export_with CutDxfButton 06d-cut-dxf "$work/app/data/dxf/${stem}_cut.dxf"
check "pdf file is an A4 print" bash -c "pdfinfo '$work/app/data/pdf/${stem}_A4.pdf' | grep -q 'A4'"
check "svg file renders" rsvg-convert -o "$work/laser.png" "$work/app/data/svg/$stem.svg"
check "cut dxf file exists" test -s "$work/app/data/dxf/${stem}_cut.dxf"
check "csv file exists" test -s "$work/app/data/SPREADSHEET/$stem.csv"
check "dxf file exists" test -s "$work/app/data/dxf/$stem.dxf"
check "png file exists" test -s "$work/app/data/pictures/$stem.png"

# The same text and settings through the batch exporter give the same bytes; the exporter runs in
# Japanese, so a window in English must write the very files a Japanese run writes.
if [ -s "$work/app/data/pictures/$stem.png" ]; then
  sheet=$(identify -format '%wx%h' "$work/app/data/pictures/$stem.png")
  RIBWRIGHT_LANG=ja "$work/app/ribwright-cli" --sheet "$sheet" --out-dir "$work/out" --all \
    "$src/tests/data/naca2412_two_surface.dat" >/dev/null
  check "CSV equals the batch exporter's" cmp -s "$work/out/$stem.csv" "$work/app/data/SPREADSHEET/$stem.csv"
  check "DXF equals the batch exporter's" cmp -s "$work/out/$stem.dxf" "$work/app/data/dxf/$stem.dxf"
  check "SVG equals the batch exporter's" cmp -s "$work/out/$stem.svg" "$work/app/data/svg/$stem.svg"
  check "cut DXF equals the batch exporter's" cmp -s "$work/out/${stem}_cut.dxf" "$work/app/data/dxf/${stem}_cut.dxf"
  check "PNG ($sheet) equals the batch exporter's" cmp -s "$work/out/$stem.png" "$work/app/data/pictures/$stem.png"
fi

# Taper off greys the tip chord and rib count; the screenshot shows them still readable.
click_control CheckBox1
wait_still
shot 06a-taper-off

# A second copy hands over to the first and ends without a window of its own.
"$work/app/ribwright" >"$work/second.log" 2>&1 &
second=$!
pids+=($second)
check "the second copy shows its message" wait_for 10 has_message_window
wait_still
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
