#!/usr/bin/env bash
# Takes the screenshots of the user guide (doc/guide/*.png): the real program runs under Xvfb on a
# temporary copy of the program folder with a private config folder and no sound, and is clicked
# through every screen. Each picture is the main window (or the dialog) cut out of the screen, with
# its colours reduced to keep the files small.
# Usage: scripts/guide_screenshots.sh [program folder]
#   Without a program folder it builds the program into build/ (as scripts/run does) and uses
#   build/velmora/.
set -euo pipefail
cd "$(dirname "$0")/.."
repo="$PWD"
out="$repo/doc/guide"

if [ $# -ge 1 ]; then
  source_folder="$(cd "$1" && pwd)"
else
  bash scripts/deps.sh
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DVELMORA_BUILD_TESTS=OFF -DVELMORA_BUILD_BENCH=OFF > /dev/null
  cmake --build build --target velmora velmora_delivery velmora-tables --parallel 2
  source_folder="$repo/build/velmora"
fi
[ -x "$source_folder/velmora" ] || { echo "no program in $source_folder" >&2; exit 1; }

tables_tool="$(dirname "$source_folder")/tools/velmora-tables/velmora-tables"
[ -x "$tables_tool" ] || { echo "no table tool at $tables_tool" >&2; exit 1; }

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/shots"
# A fresh copy of the program folder with its own config and runtime folders.
fresh_copy() {
  rm -rf "$work/velmora" "$work/config" "$work/runtime"
  cp -a "$source_folder" "$work/velmora"
  rm -rf "$work/velmora/db" "$work/velmora/bmp" "$work/velmora/temp" "$work/velmora/imported" "$work/velmora/sets"
  mkdir -p "$work/config" "$work/runtime"
  chmod 700 "$work/runtime"
  printf '[TBrowseForm]\nFormVersion=0\nPimpPoints=%s\n' "$(scramble 5000)" > "$work/config/velmora.ini"
}

# 5000 points in the stored values (scrambled as the program stores them), so that the best set can
# be bought in the gallery and its pictures shown at full size.
scramble() {
  local text="$1" key='kV7#pQ2!zM' result='' i c k
  for ((i = 0; i < ${#text}; i++)); do
    c=$(printf '%d' "'${text:i:1}")
    k=$(printf '%d' "'${key:i%10:1}")
    result+=$(printf '%02x' $((c ^ k)))
  done
  printf '%s' "$result"
}

cat > "$work/inner.sh" <<'INNER'
set -euo pipefail
program="$WORK/velmora/velmora"
shots="$WORK/shots"
fail() { echo "FAIL: $*" >&2; import -window root "$shots/failure.png" 2>/dev/null || true; kill "$pid" 2>/dev/null || true; exit 1; }

"$program" > "$WORK/program.log" 2>&1 &
pid=$!
wid="$(timeout 60 xdotool search --sync --onlyvisible --name '^Velmora$' | head -1)" || fail "no window named Velmora"
for _ in $(seq 1 600); do
  xdotool search --onlyvisible --name '^Velmora wird gestartet\.$' > /dev/null 2>&1 || break
  sleep 0.1
done
sleep 1
eval "$(xdotool getwindowgeometry --shell "$wid")"
MX=$X MY=$Y MW=$WIDTH MH=$HEIGHT

# P(x, y): a point of the screen area, which lies at 21, 173 in the main window.
clickP() { xdotool mousemove $((MX + 21 + $1)) $((MY + 173 + $2)) click 1; xdotool mousemove 0 0; sleep "${3:-1.5}"; }
home() { xdotool mousemove $((MX + 165)) $((MY + 142)) click 1; xdotool mousemove 0 0; sleep 1.5; }
# The main window's area of the screen, with whatever stands on it.
shot() { xdotool mousemove 0 0; sleep 0.3; import -window root -crop "${MW}x${MH}+${MX}+${MY}" +repage "$shots/$1.png"; }
# One window by its title, cut out of the screen.
window_of() { timeout "${2:-20}" xdotool search --sync --onlyvisible --name "$1" | head -1; }
shot_window() { # name, window id
  local X Y WIDTH HEIGHT SCREEN WINDOW
  eval "$(xdotool getwindowgeometry --shell "$2")"
  sleep 0.3
  import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$shots/$1.png"
}
answer_ja() { # title of the question
  local qid
  qid="$(window_of "$1")" || fail "no question $1"
  sleep 0.3
  xdotool key --window "$qid" alt+j
  xdotool keyup alt+j # the question took the press; the release must reach the X server too
  sleep 1.5
}
gone() { # waits until no window of the title stands
  for _ in $(seq 1 150); do
    xdotool search --onlyvisible --name "$1" > /dev/null 2>&1 || return 0
    sleep 0.1
  done
  return 1
}
quit_with_ja() {
  xdotool mousemove $((MX + 255)) $((MY + 142)) click 1
  answer_ja '^Bestätigung'
  for _ in $(seq 1 300); do
    kill -0 "$pid" 2>/dev/null || return 0
    sleep 0.1
  done
  fail "the program did not end after Ja"
}
alive() { kill -0 "$pid" 2>/dev/null || fail "the program ended before $1"; }

if [ "$PHASE" = pass ]; then
  # The short test of two questions, both answered right: the pass screen.
  clickP 785 398
  clickP 630 325 2.5
  clickP 145 205 0.8
  clickP 863 528 1.5
  clickP 145 205 0.8
  clickP 293 528 0.5
  if window_of '^Bestätigung$' 4 > /dev/null 2>&1; then answer_ja '^Bestätigung$'; fi
  sleep 3
  shot 07-bestanden
  quit_with_ja
  exit 0
fi

shot 01-willkommen

# The learning menu, and its questionnaire panel.
clickP 785 398
shot 02-lernmenue
clickP 785 195
shot 03-frageboegen

# A random questionnaire: the question screen with an answer given (a tick for a choice question,
# a number for a number question), then the overview.
clickP 400 160 2.5
clickP 145 205 0.5
clickP 240 214 0.5
xdotool type --delay 50 40
shot 04-frage
clickP 483 528
shot 05-uebersicht
alive "the test was scored"

# Scored with most questions unanswered: the fail screen.
clickP 293 528 0.5
if window_of '^Bestätigung$' 4 > /dev/null 2>&1; then answer_ja '^Bestätigung$'; fi
sleep 3
gone '^Übersicht$' || true
shot 06-nicht-bestanden

# The gallery from the learning menu: the best set, bought, its pictures, one at full size.
home
clickP 785 398
clickP 140 458 2
xdotool key ctrl+Home
sleep 0.8
shot 08-galerie
clickP 680 530 0.5
answer_ja '^Bestätigung$'
clickP 865 530 2
shot 09-bilder
clickP 911 538 1.5
fid="$(window_of '^Bild anzeigen$')" || fail "no full-size picture"
sleep 1
shot_window 10-vollbild "$fid"
xdotool key --window "$fid" alt+s
xdotool keyup alt+s
gone '^Bild anzeigen$' || fail "the full-size picture stays"
alive "the look-up"

# The look-up screen, and a questionnaire opened from it.
home
clickP 193 328
shot 11-nachschlagen
clickP 835 455 2.5
shot 12-nachschlagen-frage

# The settings, the set editor and its dialogs.
home
clickP 195 443
shot 13-einstellungen
clickP 505 320 2
shot 14-set-editor
clickP 90 437 1
nid="$(window_of '^Neues Set anlegen$')" || fail "no new-set dialog"
xdotool type --delay 20 "Mein Set"
sleep 0.5
shot_window 15-neues-set "$nid"
xdotool key Return
gone '^Neues Set anlegen$' || fail "the new-set dialog stays"
sleep 1
shot 16-set-editor-mein-set
clickP 922 95 1.5
if tid="$(window_of '^Textgruppen$' 6)"; then
  shot_window 17-textgruppen "$tid"
  xdotool key Escape
  gone '^Textgruppen$' || fail "the text-group dialog stays"
fi
alive "the end"

quit_with_ja
INNER

run_phase() { # tour or pass
  export PHASE="$1"
  if ! xvfb-run -a -s '-screen 0 1280x1024x24' bash "$work/inner.sh"; then
    echo "--- program output ($1) ---"; cat "$work/program.log" || true
    mkdir -p "$out/failed" && cp "$work"/shots/*.png "$out/failed/" 2>/dev/null || true
    echo "the screenshots taken so far are in $out/failed/" >&2
    exit 1
  fi
}
export WORK="$work" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime" SDL_AUDIODRIVER=dummy
if [ -n "${ASAN_OPTIONS:-}" ]; then
  export ASAN_OPTIONS="${ASAN_OPTIONS//strict_string_checks=1/strict_string_checks=0}"
fi
unset QT_QPA_PLATFORM

fresh_copy
run_phase tour

# The pass screen needs right answers: on a copy whose questions all have the first answer as the
# only right one, the short test is answered by ticking it twice.
fresh_copy
cp -a "$work/velmora/mdl" "$work/velmora/db"
"$tables_tool" dump "$work/velmora/db/fragen.dat" | python3 -c '
import json, sys
table = json.load(sys.stdin)
for record in table["records"]:
    record.update(Fragetyp=1, Antwort1kreuz=True, Antwort2kreuz=False, Antwort3kreuz=False)
json.dump(table, sys.stdout)' > "$work/fragen.json"
"$tables_tool" build "$work/fragen.json" "$work/velmora/db/fragen.dat" > /dev/null
run_phase pass

# Small files: at most 1008 pixels wide or high, 128 colours, stored as palette PNGs.
rm -rf "$out/failed"
mkdir -p "$out"
for shot in "$work"/shots/*.png; do
  convert "$shot" -resize '1008x1008>' -dither None -colors 128 -define png:compression-level=9 "PNG8:$out/$(basename "$shot")"
done
ls -l "$out"/*.png | awk '{ total += $5; print $5, $NF } END { print total, "bytes in all" }'
