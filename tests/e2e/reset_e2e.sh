#!/usr/bin/env bash
# End to end: the reset to the delivery state on the settings screen. The real program runs under
# Xvfb on a temporary copy of the program folder whose db/ has been used (points in the stored
# values, files of its own in db/); Einstellungen -> "Alle Daten zurücksetzten" -> Ja -> quit. Then
# db/ must equal mdl/ byte for byte and the stored points must be 0.
# Usage: reset_e2e.sh <program folder> [folder to keep the screenshots in]
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/e2e_common.sh"

source_folder="$1"
shots_keep="${2:-${E2E_SHOT_DIR:-}}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

cp -a "$source_folder" "$work/velmora"
velmora="$work/velmora"
rm -rf "$velmora/db" "$velmora/bmp" "$velmora/temp" "$velmora/imported" "$velmora/sets"
mkdir -p "$work/config" "$work/runtime" "$work/shots"
chmod 700 "$work/runtime"

# A data folder in use: the delivery copy plus files the reset must take away.
cp -a "$velmora/mdl" "$velmora/db"
printf 'own picture' > "$velmora/db/sets/data999.img"
printf 'own question picture' > "$velmora/db/img/eigenes.jpg"
printf 'left over' > "$velmora/db/notiz.txt"

# 500 points in the stored values, scrambled as the program stores them.
printf '[TBrowseForm]\nPimpPoints=%s\n' "$(scramble 500)" > "$work/config/velmora.ini"

cat > "$work/inner.sh" <<'INNER'
set -euo pipefail
source "$E2E_COMMON"
program="$WORK/velmora/velmora"
shots="$WORK/shots"
fail() { echo "FAIL: $*" >&2; import -window root "$shots/failure.png" 2>/dev/null || true; kill "$pid" 2>/dev/null || true; exit 1; }

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

# Welcome -> Einstellungen (the centre of its ellipse).
click_at 195 443
sleep 1.5
import -window root "$shots/einstellungen.png"

# "Alle Daten zurücksetzten" -> the question -> Ja.
click_at 505 265
qid="$(timeout 20 xdotool search --sync --onlyvisible --name '^Bestätigung' | head -1)" || fail "no reset question"
sleep 0.3
import -window root "$shots/reset-question.png"
key_to_window "$qid" alt+j
# The reset is over when the question has gone and no wait window shows.
for _ in $(seq 1 300); do
  xdotool search --onlyvisible --name '^(Bestätigung|Programm arbeitet)' > /dev/null 2>&1 || break
  sleep 0.1
done
sleep 1
kill -0 "$pid" 2>/dev/null || fail "the program ended during the reset"
xdotool search --onlyvisible --name '^Velmora$' > /dev/null || fail "a message stands after the reset"
import -window root "$shots/after-reset.png"
echo "the reset ran"

# Exit, then "Ja".
quit_with_ja
INNER

run_inner_under_xvfb

# db/ is the delivery copy again, table files and pictures, nothing more and nothing less.
if ! diff -r "$velmora/mdl" "$velmora/db"; then
  echo "FAIL: db/ differs from mdl/"
  exit 1
fi
echo "db/ equals mdl/ byte for byte ($(find "$velmora/db" -type f | wc -l) files)"

stored="$(sed -n 's/^PimpPoints=//p' "$work/config/velmora.ini")"
[ "$stored" = "$(scramble 0)" ] || { echo "FAIL: stored points are '$stored', not 0 ('$(scramble 0)')"; exit 1; }
echo "the stored points are 0"
echo "PASS"
