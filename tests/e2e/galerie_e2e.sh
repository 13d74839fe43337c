#!/usr/bin/env bash
# End to end: spending points in the gallery. The real program runs under Xvfb on a temporary copy
# of the program folder with 1000 points in the stored values. Welcome -> Betreutes Lernen ->
# Galerie: the gallery opens with the unlockable sets, best rated first. Down to the set of rating 2 ("Bergwelt") -> its two lit stars ->
# Kaufen -> Ja -> the unlocked mark, no buy button -> Bilder anzeigen -> its first picture shown
# whole, fitted into the box with the bilinear filter -> quit. Then db/sets.dat has that set, and
# only that set, unlocked, and the stored points are 1000 - 250.
# Usage: galerie_e2e.sh <program folder> <table tool> <picture tool> [folder to keep the screenshots in]
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/e2e_common.sh"

source_folder="$1"
tables_tool="$2"
picture_tool="$3"
shots_keep="${4:-${E2E_SHOT_DIR:-}}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

cp -a "$source_folder" "$work/velmora"
velmora="$work/velmora"
rm -rf "$velmora/db" "$velmora/bmp" "$velmora/temp" "$velmora/imported"
mkdir -p "$work/config" "$work/runtime" "$work/shots"
chmod 700 "$work/runtime"

# The points in the stored values, scrambled as the program stores them.
printf '[TBrowseForm]\nFormVersion=0\nPimpPoints=%s\n' "$(scramble 1000)" > "$work/config/velmora.ini"

# The first picture of "Bergwelt" (set 2, place 1) as the pictures screen must show it: 900 x 1200
# fitted into 366 x 512 is 366 x 488, resized with the bilinear filter.
first_picture="$("$tables_tool" dump "$velmora/mdl/bilder.dat" | python3 -c '
import json, sys
records = json.load(sys.stdin)["records"]
print(min((r for r in records if r["SetID"] == 2), key=lambda r: r["NrInSet"])["Bild"])')"
"$picture_tool" resize --mode 1 "$velmora/mdl/sets/$first_picture" "$work/fitted.bmp" 366 488 > /dev/null
export FITTED="$work/fitted.bmp"

cat > "$work/inner.sh" <<'INNER'
set -euo pipefail
source "$E2E_COMMON"
shots="$WORK/shots"
bmp="$WORK/velmora/bmp"
fail() { echo "FAIL: $*" >&2; import -window root "$shots/failure.png" || true; kill "$pid" 2>/dev/null || true; exit 1; }
pixel() { /usr/bin/convert "$1" -format "%[pixel:p{$2,$3}]" info:; }

"$WORK/velmora/velmora" > "$WORK/program.log" 2>&1 &
pid=$!
wid="$(timeout 30 xdotool search --sync --onlyvisible --name '^Velmora$' | head -1)" || fail "no window named Velmora"
eval "$(xdotool getwindowgeometry --shell "$wid")"
# P(x, y): a point of the screen area (it lies at 21, 173 in the main window).
px() { echo $((X + 21 + $1)); }
py() { echo $((Y + 173 + $1)); }
clickP() { xdotool mousemove "$(px "$1")" "$(py "$2")" click 1; xdotool mousemove 2 2; sleep "${3:-1}"; }
shot() { xdotool mousemove 2 2; import -window root "$shots/$1.png"; SHOT="$1.png"; }
seen() { pixel "$shots/$SHOT" "$(px "$1")" "$(py "$2")"; }
check() { # label, P x, P y, picture, picture x, picture y
  local expected
  expected="$(pixel "$4" "$5" "$6")"
  [ "$(seen "$2" "$3")" = "$expected" ] || fail "$1: screen $(seen "$2" "$3"), picture $expected"
}
differs() { # label, P x, P y, picture, picture x, picture y
  [ "$(seen "$2" "$3")" != "$(pixel "$4" "$5" "$6")" ] || fail "$1"
}
# The star of rank r (1 to 5) of the gallery's star control, lit or unlit.
star() { check "star $1 $2" $((485 + 15 + 35 * ($1 - 1))) $((195 + 18)) "$bmp/$3" 15 18; }

for _ in $(seq 1 300); do
  xdotool search --onlyvisible --name '^Velmora wird gestartet\.$' > /dev/null 2>&1 || break
  sleep 0.1
done
sleep 0.5
# Welcome -> Betreutes Lernen -> Galerie.
clickP 785 398 1.5
clickP 140 458 1.5
shot gallery
check "the gallery" 200 60 "$bmp/GUI_galerie.bmp" 200 60
check "the buy button of a locked set" 680 530 "$bmp/GUI_buy.bmp" 90 35

# The list has the keyboard focus: to its top, the best set, then down to the set of rating 2.
xdotool key ctrl+Home
sleep 0.8
shot best
for r in 1 2 3 4 5; do star "$r" "best set first" star.bmp; done
xdotool key Down Down Down
sleep 0.8
shot rating2
star 1 lit star.bmp
star 2 lit star.bmp
for r in 3 4 5; do star "$r" unlit star_deaktiviert.bmp; done

# Kaufen -> the question -> Ja: bought, no refusal.
clickP 680 530 0.3
qid="$(timeout 20 xdotool search --sync --onlyvisible --name '^Bestätigung$' | head -1)" || fail "no purchase question"
sleep 0.3
key_to_window "$qid" alt+j
for _ in $(seq 1 100); do
  xdotool search --onlyvisible --name '^Bestätigung$' > /dev/null 2>&1 || break
  sleep 0.1
done
sleep 1
xdotool search --onlyvisible --name '^Informationen$' > /dev/null 2>&1 && fail "the purchase was refused"
shot bought
check "the unlocked mark" 718 185 "$bmp/GUI_freigespielt.bmp" 48 45
differs "the buy button has gone" 680 530 "$bmp/GUI_buy.bmp" 90 35

# Bilder anzeigen -> the first picture, whole, centred in the box.
clickP 865 530 1.5
shot pictures
check "the pictures screen" 150 300 "$bmp/GUI_bilder.bmp" 150 300
for point in "0 0" "365 0" "183 244" "0 487" "365 487" "100 400"; do
  set -- $point
  check "the fitted picture at $1,$2" $((590 + $1)) $((5 + 12 + $2)) "$FITTED" "$1" "$2"
done
kill -0 "$pid" 2>/dev/null || fail "the program ended"

# Exit, then "Ja".
quit_with_ja
INNER

run_inner_under_xvfb

# Only "Bergwelt" is unlocked, and it cost 250 points.
"$tables_tool" dump "$velmora/db/sets.dat" | python3 -c '
import json, sys
unlocked = sorted(r["Name"] for r in json.load(sys.stdin)["records"] if r["Freigespielt"])
if unlocked != ["Bergwelt"]:
    sys.exit("FAIL: unlocked sets %r, not only Bergwelt" % unlocked)'
stored="$(sed -n 's/^PimpPoints=//p' "$work/config/velmora.ini")"
[ "$stored" = "$(scramble 750)" ] || { echo "FAIL: stored points are '$stored', not 750 ('$(scramble 750)')"; exit 1; }
echo "Bergwelt is unlocked and the stored points are 750"
echo "PASS"
