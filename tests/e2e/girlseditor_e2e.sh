#!/usr/bin/env bash
# End to end: a set made in the set editor travels as an archive. The real program runs under Xvfb
# on a fresh copy of the program folder: Einstellungen -> GirlsEditor -> "Neues Set" (Testset) ->
# "Neues Bild importieren" with two JPEGs at once -> 4 stars and a text for the current picture ->
# "Set exportieren" -> quit. Then on another fresh copy: GirlsEditor -> "Set importieren" of that
# archive -> quit. The second program's tables must hold the set with its two pictures, their places,
# ratings and texts, and picture files equal to the JPEGs.
# Usage: girlseditor_e2e.sh <program folder> <velmora-tables> [folder to keep the screenshots in]
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/e2e_common.sh"

source_folder="$1"
tables_tool="$2"
shots_keep="${3:-${E2E_SHOT_DIR:-}}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

fresh_copy() {
  rm -rf "$work/velmora"
  cp -a "$source_folder" "$work/velmora"
  rm -rf "$work/velmora/db" "$work/velmora/bmp" "$work/velmora/temp" "$work/velmora/imported" "$work/velmora/sets"
}
mkdir -p "$work/config" "$work/runtime" "$work/shots" "$work/pictures" "$work/out"
chmod 700 "$work/runtime"
convert -size 300x400 xc:'#c03030' "$work/pictures/erstes.jpg"
convert -size 400x300 xc:'#3030c0' "$work/pictures/zweites.jpg"

cat > "$work/inner.sh" <<'INNER'
set -euo pipefail
source "$E2E_COMMON"
program="$WORK/velmora/velmora"
shots="$WORK/shots"
fail() { echo "FAIL: $*" >&2; import -window root "$shots/failure-$PHASE.png" 2>/dev/null || true; kill "$pid" 2>/dev/null || true; exit 1; }

"$program" > "$WORK/program.log" 2>&1 &
pid=$!
wid="$(timeout 30 xdotool search --sync --onlyvisible --name '^Velmora$' | head -1)" || fail "no window named Velmora"
for _ in $(seq 1 300); do
  xdotool search --onlyvisible --name '^Velmora wird gestartet\.$' > /dev/null 2>&1 || break
  sleep 0.1
done
sleep 0.5
eval "$(xdotool getwindowgeometry --shell "$wid")"
# A point of the screen area: P(x, y) of the layouts.
click_at() { xdotool mousemove $((X + 21 + $1)) $((Y + 173 + $2)) click 1; }
# The file dialogs (Qt's own under Xvfb) by their titles.
file_dialogs='^(Open|Save As|Öffnen|Speichern unter)$'
wait_for_file_dialog() {
  timeout 20 xdotool search --sync --onlyvisible --name "$file_dialogs" > /dev/null
}
# Waits until no window matching the title stands any longer.
wait_gone() {
  for _ in $(seq 1 100); do
    xdotool search --onlyvisible --name "$1" > /dev/null 2>&1 || return 0
    sleep 0.1
  done
  return 1
}
# Types a line into the focused file dialog and confirms it.
type_into_dialog() {
  xdotool type --delay 15 "$1"
  sleep 0.2
  xdotool key Return
  sleep 0.8
}

# Welcome -> Einstellungen -> GirlsEditor.
click_at 195 443
sleep 1.5
click_at 505 320
sleep 1.5
import -window root "$shots/editor-$PHASE.png"

if [ "$PHASE" = make ]; then
  # "Neues Set" -> the name -> Return.
  click_at 90 437
  did="$(timeout 20 xdotool search --sync --onlyvisible --name '^Neues Set anlegen$' | head -1)" || fail "no new-set dialog"
  sleep 0.3
  xdotool type --delay 15 "Testset"
  xdotool key Return
  sleep 1
  wait_gone '^Neues Set anlegen$' || fail "the new-set dialog stays"
  import -window root "$shots/new-set.png"

  # "Neues Bild importieren": the folder, then both files at once.
  click_at 408 192
  wait_for_file_dialog || fail "no file dialog for the pictures"
  sleep 0.5
  type_into_dialog "$WORK/pictures"
  type_into_dialog '"erstes.jpg" "zweites.jpg"'
  wait_gone "$file_dialogs" || fail "the picture dialog stays"
  sleep 0.5
  import -window root "$shots/pictures.png"

  # The current picture: star 4, and a text in its memo.
  click_at 705 238
  sleep 0.3
  click_at 448 480
  xdotool type --delay 15 "Hallo Welt"
  sleep 0.3
  import -window root "$shots/rated.png"

  # "Set exportieren" -> the archive's path.
  click_at 90 527
  wait_for_file_dialog || fail "no file dialog for the export"
  sleep 0.5
  type_into_dialog "$WORK/out/testset.set"
  wait_gone "$file_dialogs" || fail "the export dialog stays"
  [ -f "$WORK/out/testset.set" ] || fail "no archive written"
else
  # "Set importieren" -> the archive.
  click_at 90 497
  wait_for_file_dialog || fail "no file dialog for the import"
  sleep 0.5
  type_into_dialog "$WORK/out/testset.set"
  wait_gone "$file_dialogs" || fail "a window stands after the import"
  sleep 0.5
  import -window root "$shots/imported.png"
fi

quit_with_ja
INNER

fresh_copy
export PHASE=make
run_inner_under_xvfb
echo "the set was made and exported ($(unzip -l "$work/out/testset.set" | tail -1))"

fresh_copy
export PHASE=take
run_inner_under_xvfb
velmora="$work/velmora"
"$tables_tool" dump "$velmora/db/sets.dat" > "$work/sets.json"
"$tables_tool" dump "$velmora/db/bilder.dat" > "$work/bilder.json"

set_id="$(jq '[.records[] | select(.Name == "Testset" and .Editierbar == true)] | if length == 1 then .[0].ID else error("sets: \(length)") end' "$work/sets.json")" \
  || { echo "FAIL: not exactly one editable set Testset"; exit 1; }
pictures="$(jq -c --argjson id "$set_id" '[.records[] | select(.SetID == $id)] | sort_by(.NrInSet) | map([.NrInSet, .Wertung, .Text, .Bild])' "$work/bilder.json")"
echo "pictures of the imported set: $pictures"
[ "$(jq 'length' <<<"$pictures")" = 2 ] || { echo "FAIL: not two pictures"; exit 1; }
[ "$(jq -c 'map(.[0])' <<<"$pictures")" = '[1,2]' ] || { echo "FAIL: places are not 1 and 2"; exit 1; }
[ "$(jq -c '[.[] | select(.[1] == 4 and .[2] == "Hallo Welt")] | length' <<<"$pictures")" = 1 ] \
  || { echo "FAIL: no picture with 4 stars and its text"; exit 1; }
for file in $(jq -r '.[][3]' <<<"$pictures"); do
  cmp -s "$velmora/db/sets/$file" "$work/pictures/erstes.jpg" || cmp -s "$velmora/db/sets/$file" "$work/pictures/zweites.jpg" \
    || { echo "FAIL: db/sets/$file is neither of the JPEGs"; exit 1; }
done
echo "PASS"
