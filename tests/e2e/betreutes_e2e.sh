#!/usr/bin/env bash
# End to end through the learning menu. The real program runs under Xvfb on a temporary copy of the
# program folder, three times on the same folder and settings:
# 1. welcome -> Betreutes Lernen -> Fragebogen -> the first tile of class B -> every question answered
#    as the catalogue says -> Auswerten -> Ja -> the pass screen; review and back show the same
#    teaser -> quit. The stored points are then the points of a questionnaire without errors
#    (Int22 of version.ini), its "Fehlerlos" is 1 and each of its questions was counted once.
# 2. The first tile's light is green now; the second tile, nothing ticked -> Auswerten -> Ja -> the
#    fail screen -> quit. The points fell by Int24 (-10) and its "Durchgefallen" is 1.
# 3. The second tile's light is red on the next visit.
# Usage: betreutes_e2e.sh <program folder> <table tool> [folder to keep the screenshots in]
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/e2e_common.sh"

source_folder="$1"
tables_tool="$2"
shots_keep="${3:-${E2E_SHOT_DIR:-}}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

cp -a "$source_folder" "$work/velmora"
velmora="$work/velmora"
rm -rf "$velmora/db" "$velmora/bmp" "$velmora/temp" "$velmora/imported"
mkdir -p "$work/config" "$work/runtime" "$work/shots"
chmod 700 "$work/runtime"

# The delivery settings, and the points as the program stores them.
setting() { tr -d '\r' < "$velmora/version.ini" | sed -n "s/^$1=//p"; }
stored_points() { sed -n 's/^PimpPoints=//p' "$work/config/velmora.ini"; }
dump() { "$tables_tool" dump "$velmora/$1" > "$work/$(basename "$1" .dat).json"; }

# The class B questionnaires in the order of their tiles, and the right answers of the first one:
# a line per question, "tick <rows>" for a choice question, "number <solution>" for a number one.
dump mdl/frageboegen.dat
dump mdl/fragen.dat
python3 - "$work" <<'PY'
import json, sys
work = sys.argv[1]
fragen = {q["ID"]: q for q in json.load(open(f"{work}/fragen.json"))["records"]}
tiles = [b for b in json.load(open(f"{work}/frageboegen.json"))["records"] if b["Klasse"] == "B"]
open(f"{work}/tiles", "w").write(f"{tiles[0]['ID']} {tiles[1]['ID']}\n")
with open(f"{work}/answers", "w") as out:
    for qid in (int(x) for x in tiles[0]["Fragen"].split("\r\n") if x):
        q = fragen[qid]
        if q["Fragetyp"] == 1:
            rows = [str(k) for k in (1, 2, 3) if q[f"Antwort{k}kreuz"] and len(q[f"Antwort{k}"]) >= 2]
            out.write("tick " + " ".join(rows) + "\n")
        else:
            text = q["Antwort1"]
            start = text.index("Lsg: ") + len("Lsg: ")
            out.write("number " + text[start:text.index(")", start)] + "\n")
PY
read -r first_id second_id < "$work/tiles"
export ANSWERS="$work/answers"

cat > "$work/inner.sh" <<'INNER'
set -euo pipefail
source "$E2E_COMMON"
shots="$WORK/shots"
bmp="$WORK/velmora/bmp"
fail() { echo "FAIL ($MODE): $*" >&2; import -window root "$shots/$MODE-failure.png" || true; kill "$pid" 2>/dev/null || true; exit 1; }
pixel() { /usr/bin/convert "$1" -format "%[pixel:p{$2,$3}]" info:; }
crop() { /usr/bin/convert "$1" -crop "$2" +repage -format '%#' info:; }

"$WORK/velmora/velmora" > "$WORK/program.log" 2>&1 &
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
shot() { xdotool mousemove 2 2; import -window root "$shots/$MODE-$1.png"; SHOT="$MODE-$1.png"; }
seen() { pixel "$shots/$SHOT" "$(px "$1")" "$(py "$2")"; }
check() { # label, P x, P y, picture, picture x, picture y
  local expected
  expected="$(pixel "$4" "$5" "$6")"
  [ "$(seen "$2" "$3")" = "$expected" ] || fail "$1: screen $(seen "$2" "$3"), picture $expected"
}
# The questionnaire panel lies at 110, 125; tile n of the first row at 15 + 49 (n - 1), 70 in it,
# with its status light around 34, 11 of the tile.
tileX() { echo $((110 + 15 + 49 * ($1 - 1))); }
tileY=$((125 + 70))
light() { # label, tile, colour
  [ "$(seen $(($(tileX "$2") + 34)) $((tileY + 11)))" = "$3" ] || fail "$1: light $(seen $(($(tileX "$2") + 34)) $((tileY + 11)))"
}
# Auswerten, then "Ja" to the confirmation; waits for the result screen with the given background.
evaluate() { # result picture
  clickP 293 528 0.2
  local cid
  cid="$(timeout 20 xdotool search --sync --onlyvisible --name '^Bestätigung' | head -1)" || fail "no confirmation"
  sleep 0.3
  key_to_window "$cid" alt+j
  for _ in $(seq 1 50); do
    sleep 0.3
    shot result
    [ "$(seen 250 540)" = "$(pixel "$bmp/$1" 250 540)" ] && return 0
  done
  fail "no $1 after the evaluation"
}

# Welcome -> Betreutes Lernen -> Fragebogen.
clickP 785 398 1.5
shot menu
check "the learning menu" 400 60 "$bmp/gui_betreutes_lernen.bmp" 400 60
clickP 785 195 1
shot panel

case "$MODE" in
pass)
  light "a questionnaire never taken" 1 "srgb(255,255,255)"
  clickP $(($(tileX 1) + 10)) $((tileY + 25)) 2
  shot question
  check "the question screen" 293 528 "$bmp/GUI_Auswerten.bmp" 93 33
  switchY=(0 205 285 370) # the middles of the three answer switches
  n=0
  while read -r kind rest; do
    n=$((n + 1))
    [ "$n" = 1 ] || clickP 863 528 0.5
    if [ "$kind" = tick ]; then
      for row in $rest; do clickP 145 "${switchY[row]}" 0.3; done
    else
      clickP 240 214 0.3
      xdotool type --delay 50 "$rest"
    fi
  done < "$ANSWERS"
  echo "$n questions answered"
  evaluate GUI_pimp.bmp
  sleep 1
  shot pass
  teaser="$(crop "$shots/$SHOT" "666x566+$(px 285)+$(py 0)")$(crop "$shots/$SHOT" "171x96+$(px 15)+$(py 270)")"
  # Review, then back to the results: the same teaser.
  clickP 60 387 2
  shot review
  check "the button back to the results" 103 528 "$bmp/GUI_zurueckfrage.bmp" 93 33
  clickP 103 528 2
  shot back
  check "the pass screen again" 250 540 "$bmp/GUI_pimp.bmp" 250 540
  [ "$(crop "$shots/$SHOT" "666x566+$(px 285)+$(py 0)")$(crop "$shots/$SHOT" "171x96+$(px 15)+$(py 270)")" = "$teaser" ] ||
    fail "the teaser changed after review and back"
  echo "passed; the same teaser after review and back"
  ;;
fail)
  light "the questionnaire passed without errors" 1 "srgb(0,128,0)"
  clickP $(($(tileX 2) + 10)) $((tileY + 25)) 2
  evaluate GUI_versager.bmp
  echo "failed on purpose"
  ;;
look)
  light "the failed questionnaire" 2 "srgb(255,0,0)"
  light "the questionnaire passed without errors" 1 "srgb(0,128,0)"
  echo "the lights: green, red"
  ;;
esac
kill -0 "$pid" 2>/dev/null || fail "the program ended"
quit_with_ja
INNER

export MODE=pass
run_inner_under_xvfb
dump db/fragen.dat
dump db/frageboegen.dat
python3 - "$work" "$first_id" <<'PY'
import json, sys
work, first = sys.argv[1], int(sys.argv[2])
fragen = {q["ID"]: q for q in json.load(open(f"{work}/fragen.json"))["records"]}
bogen = next(b for b in json.load(open(f"{work}/frageboegen.json"))["records"] if b["ID"] == first)
ids = [int(x) for x in bogen["Fragen"].split("\r\n") if x]
counted = [fragen[i]["Bearbeitet"] for i in ids]
if any(c != 1 for c in counted):
    sys.exit(f"FAIL: Bearbeitet of the questionnaire's questions: {counted}")
if (bogen["Fehlerlos"], bogen["Bestanden"], bogen["Durchgefallen"]) != (1, 0, 0):
    sys.exit(f"FAIL: Fehlerlos, Bestanden, Durchgefallen: {bogen['Fehlerlos']}, {bogen['Bestanden']}, {bogen['Durchgefallen']}")
print(f"Fehlerlos 1; each of the {len(ids)} questions counted once")
PY
points=$(setting Int22)
[ "$points" = 60 ] || { echo "FAIL: Int22 of the shipped version.ini is '$points'"; exit 1; }
[ "$(stored_points)" = "$(scramble "$points")" ] || { echo "FAIL: stored points '$(stored_points)', not $points"; exit 1; }
echo "the stored points are $points"

export MODE=fail
run_inner_under_xvfb
dump db/frageboegen.dat
python3 - "$work" "$second_id" <<'PY'
import json, sys
work, second = sys.argv[1], int(sys.argv[2])
bogen = next(b for b in json.load(open(f"{work}/frageboegen.json"))["records"] if b["ID"] == second)
if (bogen["Fehlerlos"], bogen["Bestanden"], bogen["Durchgefallen"]) != (0, 0, 1):
    sys.exit(f"FAIL: Fehlerlos, Bestanden, Durchgefallen: {bogen['Fehlerlos']}, {bogen['Bestanden']}, {bogen['Durchgefallen']}")
print("Durchgefallen 1")
PY
penalty=$(setting Int24)
[ "$penalty" = -10 ] || { echo "FAIL: Int24 of the shipped version.ini is '$penalty'"; exit 1; }
[ "$(stored_points)" = "$(scramble $((points + penalty)))" ] ||
  { echo "FAIL: stored points '$(stored_points)', not $((points + penalty))"; exit 1; }
echo "the stored points are $((points + penalty))"

export MODE=look
run_inner_under_xvfb
echo "PASS"
