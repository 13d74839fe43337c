#!/usr/bin/env bash
# End to end: one run through every screen of the real program under Xvfb, on a temporary copy of
# the program folder with 1000 points in the stored values. Welcome -> Betreutes Lernen -> the
# two-question test, evaluated unanswered -> the failed result -> its review and back -> the first
# class B questionnaire from its tile, every question answered right -> the passed
# result -> the gallery, "Bergwelt" bought -> its pictures -> the full-size picture -> Einstellungen ->
# GirlsEditor -> Nachschlagen, a class C questionnaire printed (Qt's print dialog prints to a PDF
# file here) -> class C on the learning menu -> quit with Ja. A second start on the same folder and
# config that quits at once must write back exactly what the first run stored (points, class, the
# counters in the tables, the unlocked flag); a third resets to the delivery state as the settings
# screen offers.
# Usage: journey_e2e.sh <program folder> <velmora-tables> [folder to keep the screenshots in]
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/e2e_common.sh"

source_folder="$1"
tables_tool="$2"
shots_keep="${3:-${E2E_SHOT_DIR:-}}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

cp -a "$source_folder" "$work/velmora"
velmora="$work/velmora"
rm -rf "$velmora/db" "$velmora/bmp" "$velmora/temp" "$velmora/imported" "$velmora/sets"
mkdir -p "$work/config" "$work/runtime" "$work/shots" "$work/home"
chmod 700 "$work/runtime"

# The points in the stored values, scrambled as the program stores them, and read back.
stored_value() { sed -n "s/^$1=//p" "$work/config/velmora.ini"; }
printf '[TBrowseForm]\nFormVersion=0\nPimpPoints=%s\n' "$(scramble 1000)" > "$work/config/velmora.ini"

# The questionnaire to pass: the first of class B (its tile comes first); per question the answers
# to tick or the number to type.
"$tables_tool" dump "$velmora/mdl/fragen.dat" > "$work/fragen-mdl.json"
"$tables_tool" dump "$velmora/mdl/frageboegen.dat" > "$work/frageboegen-mdl.json"
read -r PASS_ID PASS_TILE PASS_TICKS < <(python3 - "$work" <<'PY'
import json, sys
work = sys.argv[1]
fragen = {q["ID"]: q for q in json.load(open(f"{work}/fragen-mdl.json"))["records"]}
bogen = next(b for b in json.load(open(f"{work}/frageboegen-mdl.json"))["records"] if b["Klasse"] == "B")
def answer(q):  # the answers to tick, or "=" and the number to type
    if q["Fragetyp"] == 2:
        return "=" + q["Antwort1"].split("Lsg: ", 1)[1].split(")", 1)[0]
    return "".join(str(n) for n in (1, 2, 3) if q[f"Antwort{n}kreuz"])
print(bogen["ID"], 0, ",".join(answer(fragen[int(x)]) for x in bogen["Fragen"].split("\r\n") if x))
PY
)
[ -n "${PASS_TICKS:-}" ] || { echo "FAIL: no class B questionnaire to pass"; exit 1; }
echo "to pass: questionnaire $PASS_ID (tile $PASS_TILE), ticks $PASS_TICKS"
export PASS_TILE PASS_TICKS

cat > "$work/inner.sh" <<'INNER'
set -euo pipefail
source "$E2E_COMMON"
program="$WORK/velmora/velmora"
shots="$WORK/shots"
bmp="$WORK/velmora/bmp"
fail() { echo "FAIL: $*" >&2; import -window root "$shots/failure-$PHASE.png" 2>/dev/null || true; kill "$pid" 2>/dev/null || true; exit 1; }
pixel() { /usr/bin/convert "$1" -format "%[pixel:p{$2,$3}]" info:; }

# Qt's print dialog, with no printer installed, prints to a PDF file in the current folder.
cd "$WORK/home"
HOME="$WORK/home" "$program" > "$WORK/program.log" 2>&1 &
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
click_window() { xdotool mousemove $((X + $1)) $((Y + $2)) click 1; xdotool mousemove 2 2; sleep "${3:-1.5}"; }
back() { click_window 75 142; }
# Home builds a new welcome screen; the old one goes a second later.
home() { click_window 165 142; wait_for_screen welcome 300 100 "$bmp/GUI_welcome.bmp"; sleep 1; }
shot() { import -window root "$shots/$1.png"; SHOT="$1.png"; }
shows() { # P x, P y, picture, [picture x, picture y]: the screen shows the picture's pixel there
  [ "$(pixel "$shots/$SHOT" "$(px "$1")" "$(py "$2")")" = "$(pixel "$3" "${4:-$1}" "${5:-$2}")" ]
}
# Takes screenshots until the screen shows the picture's pixel at P(x, y).
wait_for_screen() { # label, P x, P y, picture, [picture x, picture y]
  for _ in $(seq 1 50); do
    shot "$1"
    shows "$2" "$3" "$4" "${5:-$2}" "${6:-$3}" && return 0
    sleep 0.2
  done
  fail "no $1 screen"
}
answer_ja() {
  local qid
  qid="$(timeout 20 xdotool search --sync --onlyvisible --name '^Bestätigung' | head -1)" || fail "no question: $1"
  sleep 0.3
  key_to_window "$qid" alt+j
  for _ in $(seq 1 100); do
    xdotool search --onlyvisible --name '^Bestätigung' > /dev/null 2>&1 || break
    sleep 0.1
  done
}
# Auswerten asks first only while the test is not complete.
evaluate() {
  local qid
  clickP 293 528 0.2
  qid="$(timeout 3 xdotool search --sync --onlyvisible --name '^Bestätigung' | head -1)" || return 0
  sleep 0.3
  key_to_window "$qid" alt+j
}
learning_menu="$(find "$bmp" -maxdepth 1 -iname 'gui_betreutes_lernen.bmp' | head -1)"

if [ "$PHASE" = again ]; then
  wait_for_screen welcome-again 300 100 "$bmp/GUI_welcome.bmp"
  quit_with_ja
  exit 0
fi
if [ "$PHASE" = reset ]; then
  click_window $((21 + 195)) $((173 + 443))
  clickP 505 265 0.2
  answer_ja "reset"
  for _ in $(seq 1 300); do
    xdotool search --onlyvisible --name '^Programm arbeitet' > /dev/null 2>&1 || break
    sleep 0.1
  done
  sleep 1
  xdotool search --onlyvisible --name '^Velmora$' > /dev/null || fail "a message stands after the reset"
  quit_with_ja
  exit 0
fi

wait_for_screen welcome 300 100 "$bmp/GUI_welcome.bmp"
clickP 785 398 1.5
wait_for_screen betreutes 50 300 "$learning_menu"

# The two-question test, evaluated unanswered: failed.
clickP 630 325 1.5
wait_for_screen frage 293 528 "$bmp/GUI_Auswerten.bmp" 93 33
evaluate
wait_for_screen versager 480 30 "$bmp/GUI_versager.bmp"
echo "the short test failed"

# Its review (the question screen with the overview) and back to the result.
clickP 465 483 1.5
oid="$(timeout 10 xdotool search --sync --onlyvisible --name '^Übersicht$' | head -1)" || fail "no overview in the review"
shot review
eval "$(xdotool getwindowgeometry --shell "$oid" | sed 's/^/O_/')"
xdotool mousemove $((O_X + 240)) $((O_Y + 267)) click 1
sleep 0.6
clickP 103 528 1.5
wait_for_screen versager-again 480 30 "$bmp/GUI_versager.bmp"
echo "reviewed, back on the result"

# The questionnaire from its tile, every question answered right: passed.
back
wait_for_screen betreutes-again 50 300 "$learning_menu"
clickP 785 195 1
clickP $((125 + 49 * (PASS_TILE % 15) + 20)) $((195 + 52 * (PASS_TILE / 15) + 20)) 1.5
shot questionnaire
IFS=, read -r -a ticks <<< "$PASS_TICKS"
tick_y=(0 205 285 370)
for ((q = 0; q < ${#ticks[@]}; q++)); do
  if [[ "${ticks[q]}" == =* ]]; then
    clickP 240 214 0.3
    xdotool type --delay 50 "${ticks[q]#=}"
  else
    for n in 1 2 3; do
      if [[ "${ticks[q]}" == *$n* ]]; then clickP 145 "${tick_y[n]}" 0.3; fi
    done
  fi
  if [ $((q + 1)) -lt ${#ticks[@]} ]; then clickP 863 528 0.6; fi
done
shot answered
evaluate
wait_for_screen pimp 230 400 "$bmp/GUI_pimp.bmp"
echo "the questionnaire passed"

# The gallery: "Bergwelt" (rating 2) bought, its pictures, the first one full size.
back
clickP 140 458 1.5
wait_for_screen galerie 200 60 "$bmp/GUI_galerie.bmp"
xdotool key ctrl+Home
sleep 0.8
xdotool key Down Down Down
sleep 0.8
clickP 680 530 0.3
answer_ja "purchase"
wait_for_screen bought 718 185 "$bmp/GUI_freigespielt.bmp" 48 45
clickP 865 530 1.5
wait_for_screen bilder 150 300 "$bmp/GUI_bilder.bmp"
clickP 911 538 0.2
fid="$(timeout 20 xdotool search --sync --onlyvisible --name '^Bild anzeigen$' | head -1)" || fail "no full-size picture"
sleep 0.5
shot full-size
key_to_window "$fid" alt+s
sleep 0.8
xdotool search --onlyvisible --name '^Bild anzeigen$' > /dev/null 2>&1 && fail "the full-size picture stays"
echo "bought Bergwelt, saw its pictures and the first one full size"

# Einstellungen and the set editor.
home
clickP 195 443 1.5
wait_for_screen einstellungen 300 400 "$bmp/GUI_einstellungen.bmp"
clickP 505 320 1.5
shot girlseditor
shows 300 400 "$bmp/GUI_einstellungen.bmp" && fail "the set editor did not open"
echo "settings and the set editor shown"

# Nachschlagen: a class C questionnaire printed (Qt's print dialog, with no printer installed,
# prints to a PDF file in the current folder).
home
clickP 193 328 1.5
wait_for_screen nachschlagen 400 100 "$bmp/GUI_nachschlagen.bmp"
clickP 642 444 0.8
xdotool type --delay 100 C
xdotool key Return
sleep 0.8
clickP 840 515 0.2
pid_dialog="$(timeout 20 xdotool search --sync --onlyvisible --name '^(Drucken|Print|Dokument drucken)' | head -1)" ||
  fail "no print dialog"
sleep 0.5
shot print-dialog
key_to_window "$pid_dialog" Return
# The job is done when the file is a whole PDF and no window of the program's work stands.
printed() {
  local pdf
  pdf="$(find "$WORK/home" -name '*.pdf' | head -1)"
  [ -n "$pdf" ] && pdfinfo "$pdf" > /dev/null 2>&1 &&
    ! xdotool search --onlyvisible --name '^(Programm arbeitet|Drucken|Print)' > /dev/null 2>&1
}
for _ in $(seq 1 300); do
  printed && break
  sleep 0.2
done
printed || fail "no PDF printed"
echo "printed $(find "$WORK/home" -name '*.pdf')"

# Class C on the learning menu.
home
clickP 785 398 1.5
clickP 895 49 0.8
xdotool type --delay 100 C
xdotool key Return
sleep 0.8
shot class-c

quit_with_ja
INNER

dump_all() { # folder to dump db/ into
  mkdir -p "$1"
  for table in fragen frageboegen sets bilder textgruppen texte; do
    "$tables_tool" dump "$velmora/db/$table.dat" > "$1/$table.json"
  done
  grep -E '^(PimpPoints|AktKlasseLabel_Caption)=' "$work/config/velmora.ini" | sort > "$1/stored.txt"
}

export PHASE=journey
run_inner_under_xvfb
dump_all "$work/first"

# What the first run stored.
points="$(unscramble "$(stored_value PimpPoints)")"
[ "$(stored_value AktKlasseLabel_Caption)" = C ] || { echo "FAIL: the stored class is not C"; exit 1; }
python3 - "$work" "$PASS_ID" <<'PY'
import json, sys
work, pass_id = sys.argv[1], int(sys.argv[2])
load = lambda name: json.load(open(f"{work}/{name}"))["records"]
fragen_before = sum(q["Bearbeitet"] for q in load("fragen-mdl.json"))
fragen_after = sum(q["Bearbeitet"] for q in load("first/fragen.json"))
bogen = next(b for b in load("first/frageboegen.json") if b["ID"] == pass_id)
asked = 2 + len([x for x in bogen["Fragen"].split("\r\n") if x])
if fragen_after - fragen_before != asked:
    sys.exit(f"FAIL: questions counted {fragen_after - fragen_before} times, not {asked}")
if bogen["Fehlerlos"] != 1:
    sys.exit(f"FAIL: the passed questionnaire's counters: {bogen}")
unlocked = sorted(s["Name"] for s in load("first/sets.json") if s["Freigespielt"])
if unlocked != ["Bergwelt"]:
    sys.exit(f"FAIL: unlocked sets {unlocked}")
print(f"stored: {asked} questions counted, questionnaire {pass_id} without faults, Bergwelt unlocked")
PY
[ "$points" -gt 750 ] || { echo "FAIL: $points points stored: the passed questionnaire earned nothing"; exit 1; }
echo "stored: $points points (1000 before, 250 spent), class C"
# A second start finds it all: quitting at once writes back the very same tables and values.
export PHASE=again
run_inner_under_xvfb
dump_all "$work/second"
diff -r "$work/first" "$work/second" || { echo "FAIL: the second start lost what the first stored"; exit 1; }
echo "the second start found the points, the class, the counters and the unlocked flag"

# The PDF the first run printed.
pdf="$(find "$work/home" -name '*.pdf' | head -1)"
pdftoppm -r 50 -f 1 -l 1 -png "$pdf" "$work/page"
[ -s "$work/page-1.png" ] || [ -s "$work/page-01.png" ] || { echo "FAIL: the PDF does not render"; exit 1; }
echo "the printed PDF renders ($(pdfinfo "$pdf" | sed -n 's/^Pages: *//p') pages)"

# The reset returns to the delivery state.
export PHASE=reset
run_inner_under_xvfb
diff -r "$velmora/mdl" "$velmora/db" > /dev/null || { echo "FAIL: db/ differs from mdl/ after the reset"; exit 1; }
[ "$(stored_value PimpPoints)" = "$(scramble 0)" ] || { echo "FAIL: the stored points are not 0 after the reset"; exit 1; }
echo "the reset brought back the delivery state"
echo "PASS"
