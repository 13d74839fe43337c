#!/usr/bin/env bash
# End to end: looking a questionnaire up. The real program runs under Xvfb on a temporary copy of the
# program folder: welcome -> Nachschlagen -> class C -> its first questionnaire -> the question
# screen with the solutions and the button back to the choice -> "Zurück zur Auswahl" -> the look-up
# screen again -> quit.
# Usage: nachschlagen_e2e.sh <program folder> [folder to keep the screenshots in]
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/e2e_common.sh"

source_folder="$1"
shots_keep="${2:-${E2E_SHOT_DIR:-}}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

cp -a "$source_folder" "$work/velmora"
rm -rf "$work/velmora/db" "$work/velmora/bmp" "$work/velmora/temp"
mkdir -p "$work/config" "$work/runtime" "$work/shots"
chmod 700 "$work/runtime"

cat > "$work/inner.sh" <<'INNER'
set -euo pipefail
source "$E2E_COMMON"
program="$WORK/velmora/velmora"
shots="$WORK/shots"
bmp="$WORK/velmora/bmp"
fail() { echo "FAIL: $*" >&2; import -window root "$shots/failure.png" 2>/dev/null || true; kill "$pid" 2>/dev/null || true; exit 1; }
pixel() { /usr/bin/convert "$1" -format "%[pixel:p{$2,$3}]" info:; }

"$program" > "$WORK/program.log" 2>&1 &
pid=$!
wid="$(timeout 30 xdotool search --sync --onlyvisible --name '^Velmora$' | head -1)" || fail "no window named Velmora"
for _ in $(seq 1 300); do
  xdotool search --onlyvisible --name '^Velmora wird gestartet\.$' > /dev/null 2>&1 || break
  sleep 0.1
done
sleep 0.5
eval "$(xdotool getwindowgeometry --shell "$wid")"
# P(x, y): a point of the screen area (it lies at 21, 173 in the main window).
px() { echo $((X + 21 + $1)); }
py() { echo $((Y + 173 + $1)); }
clickP() { xdotool mousemove "$(px "$1")" "$(py "$2")" click 1; xdotool mousemove 2 2; sleep "${3:-1}"; }
shot() { import -window root "$shots/$1.png"; SHOT="$1.png"; }
check() { # label, P x, P y, picture, picture x, picture y
  local seen expected
  seen="$(pixel "$shots/$SHOT" "$(px "$2")" "$(py "$3")")"
  expected="$(pixel "$4" "$5" "$6")"
  [ "$seen" = "$expected" ] || fail "$1: screen $seen, picture $expected"
}

# Welcome -> Nachschlagen.
clickP 193 328 1.5
shot lookup
check "the look-up screen" 400 100 "$bmp/GUI_nachschlagen.bmp" 400 100

# The class box -> C (typed into the open list) -> the first questionnaire.
clickP 642 444 0.8
xdotool type --delay 100 C
xdotool key Return
sleep 0.8
shot class-c
clickP 835 455 2
shot frage
check "the button back to the choice" 103 528 "$bmp/GUI_zurueckfrage.bmp" 93 33

# "Zurück zur Auswahl" -> the look-up screen again.
clickP 103 528 1.5
shot back
check "back on the look-up screen" 400 100 "$bmp/GUI_nachschlagen.bmp" 400 100
kill -0 "$pid" 2>/dev/null || fail "the program ended"

# Exit, then "Ja".
quit_with_ja
INNER

run_inner_under_xvfb
echo "PASS"
