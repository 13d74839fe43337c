#!/usr/bin/env bash
# End to end: nothing earned is lost when the program is killed. The real program runs under Xvfb on
# a temporary copy of the program folder. First run: Betreutes Lernen -> the two-question test ->
# Auswerten -> Ja -> once the result screen shows, kill -9; db/fragen.dat must count both questions.
# Second run on the same folder, with 1000 points in the stored values: the gallery -> down to
# "Bergwelt" -> Kaufen -> Ja -> kill -9; db/sets.dat must have it unlocked, the stored points be 750,
# and the counters of the first run still be there.
# Usage: crash_e2e.sh <program folder> <velmora-tables> [folder to keep the screenshots in]
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

cat > "$work/inner.sh" <<'INNER'
set -euo pipefail
source "$E2E_COMMON"
program="$WORK/velmora/velmora"
shots="$WORK/shots"
bmp="$WORK/velmora/bmp"
fail() { echo "FAIL: $*" >&2; import -window root "$shots/failure-$PHASE.png" 2>/dev/null || true; kill "$pid" 2>/dev/null || true; exit 1; }
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
px() { echo $((X + 21 + $1)); }
py() { echo $((Y + 173 + $1)); }
clickP() { xdotool mousemove "$(px "$1")" "$(py "$2")" click 1; xdotool mousemove 2 2; sleep "${3:-1}"; }
shot() { import -window root "$shots/$1.png"; SHOT="$1.png"; }
shows() { # P x, P y, picture, [picture x, picture y]: the screen shows the picture's pixel there
  [ "$(pixel "$shots/$SHOT" "$(px "$1")" "$(py "$2")")" = "$(pixel "$3" "${4:-$1}" "${5:-$2}")" ]
}
answer_ja() {
  local qid
  qid="$(timeout 20 xdotool search --sync --onlyvisible --name '^Bestätigung' | head -1)" || fail "no question: $1"
  sleep 0.3
  key_to_window "$qid" alt+j
}
# Auswerten asks first only while the test is not complete.
confirm_if_asked() {
  local qid
  qid="$(timeout 3 xdotool search --sync --onlyvisible --name '^Bestätigung' | head -1)" || return 0
  sleep 0.3
  key_to_window "$qid" alt+j
}
kill_hard() {
  kill -9 "$pid"
  wait "$pid" 2>/dev/null || true
  echo "killed the program ($1)"
}

# Welcome -> Betreutes Lernen.
clickP 785 398 1.5
if [ "$PHASE" = evaluation ]; then
  # The two-question test, evaluated unanswered -> the result screen.
  clickP 630 325 1.5
  clickP 293 528 0.2
  confirm_if_asked
  for _ in $(seq 1 100); do
    shot result
    shows 480 30 "$bmp/GUI_versager.bmp" && break
    sleep 0.2
  done
  shows 480 30 "$bmp/GUI_versager.bmp" || fail "no result screen"
  kill_hard "on the result screen"
else
  # The gallery -> "Bergwelt" (rating 2) -> Kaufen -> Ja.
  clickP 140 458 1.5
  shot gallery
  shows 200 60 "$bmp/GUI_galerie.bmp" || fail "no gallery"
  xdotool key ctrl+Home
  sleep 0.8
  xdotool key Down Down Down
  sleep 0.8
  clickP 680 530 0.3
  answer_ja "purchase"
  for _ in $(seq 1 100); do
    shot bought
    shows 718 185 "$bmp/GUI_freigespielt.bmp" 48 45 && break
    sleep 0.2
  done
  shows 718 185 "$bmp/GUI_freigespielt.bmp" 48 45 || fail "no unlocked mark after the purchase"
  kill_hard "after the purchase"
fi
INNER

counted() { # the sum of Bearbeitet over the questions of a fragen.dat
  "$tables_tool" dump "$1" | jq '[.records[].Bearbeitet] | add'
}
before="$(counted "$velmora/mdl/fragen.dat")"

export PHASE=evaluation
run_inner_under_xvfb
after="$(counted "$velmora/db/fragen.dat")"
[ "$after" = $((before + 2)) ] || { echo "FAIL: questions counted $after times after the kill, not $((before + 2))"; exit 1; }
echo "after the kill on the result screen: both questions are counted in db/fragen.dat"
cp "$velmora/db/fragen.dat" "$work/fragen-after-evaluation.dat"

sed -i '/^PimpPoints=/d' "$work/config/velmora.ini"
grep -q '^\[TBrowseForm\]' "$work/config/velmora.ini" || printf '[TBrowseForm]\n' >> "$work/config/velmora.ini"
sed -i "s/^\[TBrowseForm\]\$/[TBrowseForm]\nPimpPoints=$(scramble 1000)/" "$work/config/velmora.ini"

export PHASE=purchase
run_inner_under_xvfb
unlocked="$("$tables_tool" dump "$velmora/db/sets.dat" | jq -c '[.records[] | select(.Freigespielt) | .Name]')"
[ "$unlocked" = '["Bergwelt"]' ] || { echo "FAIL: unlocked sets after the kill: $unlocked"; exit 1; }
stored="$(sed -n 's/^PimpPoints=//p' "$work/config/velmora.ini")"
[ "$stored" = "$(scramble 750)" ] || { echo "FAIL: stored points are '$stored', not 750"; exit 1; }
[ "$(counted "$velmora/db/fragen.dat")" = "$after" ] || { echo "FAIL: the counters of the first run are gone"; exit 1; }
echo "after the kill in the gallery: Bergwelt is unlocked, 750 points are stored, the counters kept"
echo "PASS"
