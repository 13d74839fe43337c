#!/usr/bin/env bash
# End to end on the question screen: the real program under Xvfb on a temporary copy of the program
# folder. Welcome -> Betreutes Lernen -> Fragebogen -> the tile of class B questionnaire 9 (ID 17,
# whose first question has a picture). Ticks an answer on two questions, steps forward and back (the
# tick is still there), opens the enlarged picture and the overview, evaluates with the
# confirmation, quits, and finds the evaluation in db/fragen.dat.
# Usage: frage_e2e.sh <program folder> <table tool> [folder to keep the screenshots in]
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/e2e_common.sh"

source_folder="$1"
tables_tool="$2"
shots_keep="${3:-${E2E_SHOT_DIR:-}}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

cp -a "$source_folder" "$work/velmora"
rm -rf "$work/velmora/db" "$work/velmora/bmp" "$work/velmora/temp" "$work/velmora/imported"
mkdir -p "$work/config" "$work/runtime" "$work/shots"
chmod 700 "$work/runtime"

cat > "$work/inner.sh" <<'INNER'
set -euo pipefail
source "$E2E_COMMON"
shots="$WORK/shots"
bmp="$WORK/velmora/bmp"
fail() { echo "FAIL: $*" >&2; import -window root "$shots/failure.png" || true; kill "$pid" 2>/dev/null || true; exit 1; }
pixel() { /usr/bin/convert "$1" -format "%[pixel:p{$2,$3}]" info:; }
crop() { /usr/bin/convert "$1" -crop "$2" +repage -format '%#' info:; }

"$WORK/velmora/velmora" > "$WORK/program.log" 2>&1 &
pid=$!
wid="$(timeout 30 xdotool search --sync --onlyvisible --name '^Velmora$' | head -1)" || fail "no window named Velmora"
eval "$(xdotool getwindowgeometry --shell "$wid")"
# P(x, y): a point of the screen area (it lies at 21, 173 in the main window).
px() { echo $((X + 21 + $1)); }
py() { echo $((Y + 173 + $1)); }
clickP() { xdotool mousemove "$(px "$1")" "$(py "$2")" click 1; xdotool mousemove 2 2; sleep "${3:-0.6}"; }
check() { # label, P x, P y, picture, picture x, picture y
  local seen expected
  seen="$(pixel "$shots/$SHOT" "$(px "$2")" "$(py "$3")")"
  expected="$(pixel "$4" "$5" "$6")"
  [ "$seen" = "$expected" ] || fail "$1: screen $seen, picture $expected"
}
background="srgb(255,255,225)"
is_background() { [ "$(pixel "$shots/$SHOT" "$(px "$1")" "$(py "$2")")" = "$background" ]; }
switch1="49x49+$(px 120)+$(py 175)"

for _ in $(seq 1 300); do
  xdotool search --onlyvisible --name '^Velmora wird gestartet\.$' > /dev/null 2>&1 || break
  sleep 0.1
done
sleep 0.5
# Welcome -> Betreutes Lernen -> Fragebogen -> the ninth tile of class B (the panel lies at 110, 125,
# tile n of the first row at 15 + 49 (n - 1), 70 in it).
clickP 785 398 1.5
clickP 785 195 1
clickP $((110 + 15 + 49 * 8 + 10)) $((125 + 70 + 25)) 2
xdotool mousemove 2 2
import -window root "$shots/question1.png"
SHOT=question1.png
check "Abbrechen" 103 528 "$bmp/GUI_Abbrechen.bmp" 93 33
check "Auswerten" 293 528 "$bmp/GUI_Auswerten.bmp" 93 33
check "Übersicht" 483 528 "$bmp/GUI_Uebersicht.bmp" 93 33
check "next" 863 528 "$bmp/GUI_nextquestion.bmp" 93 33
is_background 673 528 || fail "the previous-question button shows on the first question"
is_background 700 60 && fail "the first question shows no picture"
untickedSwitch="$(crop "$shots/question1.png" "$switch1")"
echo "question 1: buttons, picture and no previous button"

clickP 145 205
import -window root "$shots/ticked.png"
tickedSwitch="$(crop "$shots/ticked.png" "$switch1")"
[ "$tickedSwitch" != "$untickedSwitch" ] || fail "the first switch did not turn on"

clickP 863 528
import -window root "$shots/question2.png"
SHOT=question2.png
check "previous on question 2" 673 528 "$bmp/GUI_previousquestion.bmp" 93 33
[ "$(crop "$shots/question2.png" "$switch1")" = "$untickedSwitch" ] || fail "question 2 starts ticked"
clickP 145 205
clickP 673 528
import -window root "$shots/back.png"
[ "$(crop "$shots/back.png" "$switch1")" = "$tickedSwitch" ] || fail "the tick of question 1 was lost"
echo "ticks kept while stepping forward and back"

clickP 903 215 1
bid="$(timeout 10 xdotool search --sync --onlyvisible --name '^Bild zu Frage vergrößert$' | head -1)" ||
  fail "no enlarged picture"
import -window root "$shots/enlarged.png"
eval "$(xdotool getwindowgeometry --shell "$bid" | sed 's/^/B_/')"
[ "$B_WIDTH" = 953 ] && [ "$B_HEIGHT" = 654 ] || fail "picture window ${B_WIDTH}x${B_HEIGHT}"
[ "$(pixel "$shots/enlarged.png" $((B_X + 300)) $((B_Y + 200)))" != "$background" ] || fail "no enlarged picture drawn"
xdotool mousemove $((B_X + 866)) $((B_Y + 633)) click 1
sleep 0.6
xdotool search --onlyvisible --name '^Bild zu Frage vergrößert$' > /dev/null 2>&1 && fail "picture window stays"
echo "enlarged picture ${B_WIDTH}x${B_HEIGHT}, closed"

clickP 483 528 1
oid="$(timeout 10 xdotool search --sync --onlyvisible --name '^Übersicht$' | head -1)" || fail "no overview"
import -window root "$shots/overview.png"
eval "$(xdotool getwindowgeometry --shell "$oid" | sed 's/^/O_/')"
[ "$O_X" = "$(px 660)" ] && [ "$O_Y" = "$(py 205)" ] && [ "$O_WIDTH" = 301 ] && [ "$O_HEIGHT" = 286 ] ||
  fail "overview at $O_X,$O_Y ${O_WIDTH}x${O_HEIGHT}"
xdotool mousemove $((O_X + 240)) $((O_Y + 267)) click 1
sleep 0.6
xdotool search --onlyvisible --name '^Übersicht$' > /dev/null 2>&1 && fail "overview stays after Schließen"
echo "overview over its area, closed"

clickP 293 528 0.2
cid="$(timeout 20 xdotool search --sync --onlyvisible --name '^Bestätigung' | head -1)" || fail "no confirmation"
sleep 0.3
import -window root "$shots/confirmation.png"
key_to_window "$cid" alt+j
# One of the two result screens, told by its background.
on_result_screen() {
  local seen
  seen="$(pixel "$shots/result.png" "$(px 250)" "$(py 540)")"
  [ "$seen" = "$(pixel "$bmp/GUI_versager.bmp" 250 540)" ] || [ "$seen" = "$(pixel "$bmp/GUI_pimp.bmp" 250 540)" ]
}
for _ in $(seq 1 100); do
  import -window root "$shots/result.png"
  on_result_screen && break
  sleep 0.2
done
on_result_screen || fail "no result screen"
echo "evaluated after the confirmation"

sleep 1.2
# Exit, then "Ja".
quit_with_ja
INNER

run_inner_under_xvfb

# The evaluation reached the catalogue: every question of the questionnaire was counted once.
"$tables_tool" dump "$work/velmora/db/fragen.dat" > "$work/fragen.json"
"$tables_tool" dump "$work/velmora/db/frageboegen.dat" > "$work/frageboegen.json"
python3 - "$work" <<'PY'
import json, sys
work = sys.argv[1]
fragen = {q["ID"]: q for q in json.load(open(f"{work}/fragen.json"))["records"]}
bogen = next(b for b in json.load(open(f"{work}/frageboegen.json"))["records"] if b["ID"] == 17)
ids = [int(x) for x in bogen["Fragen"].split("\r\n") if x]
counted = [fragen[i]["Bearbeitet"] for i in ids]
if any(c != 1 for c in counted):
    sys.exit(f"FAIL: Bearbeitet of the questionnaire's questions: {counted}")
if bogen["Fehlerlos"] + bogen["Bestanden"] + bogen["Durchgefallen"] != 1:
    sys.exit("FAIL: the questionnaire's counters did not grow by one")
print(f"the {len(ids)} questions were counted once; the questionnaire's counter grew")
PY
echo "PASS"
