#!/usr/bin/env bash
# End to end: quitting with the user's data folder on a full disk. The real program under Xvfb on a
# temporary program folder whose db/ is a small file system of its own. "Ende", "Ja": the program
# names what it could not save and asks; "Nein" brings it back with the old table files untouched;
# after space is freed, "Ende", "Ja" saves everything and ends it.
# Needs the superuser (to mount the small file system); exits 77 (skipped) otherwise.
# Usage: full_disk_e2e.sh <program folder> [folder to keep the screenshots in]
set -euo pipefail

source_folder="$1"
shots_keep="${2:-${E2E_SHOT_DIR:-}}"
[ "$(id -u)" = 0 ] || { echo "SKIP: mounting a small file system needs the superuser"; exit 77; }
work="$(mktemp -d)"
cleanup() { umount -l "$work/velmora/db" 2>/dev/null || true; rm -rf "$work"; }
trap cleanup EXIT

cp -a "$source_folder" "$work/velmora"
rm -rf "$work/velmora/db" "$work/velmora/bmp" "$work/velmora/temp" "$work/velmora/imported"
mkdir -p "$work/velmora/db" "$work/config" "$work/runtime" "$work/shots" "$work/before"
chmod 700 "$work/runtime"
size_kib=$(( $(du -sk "$work/velmora/mdl" | cut -f1) + 256 ))
mount -t tmpfs -o "size=${size_kib}k" tmpfs "$work/velmora/db" || { echo "SKIP: cannot mount a small file system"; exit 77; }
cp -a "$work/velmora/mdl/." "$work/velmora/db/"

cat > "$work/inner.sh" <<'INNER'
set -euo pipefail
program="$WORK/velmora/velmora"
db="$WORK/velmora/db"
shots="$WORK/shots"
fail() { echo "FAIL: $*" >&2; kill "$pid" 2>/dev/null || true; exit 1; }
pixel() { /usr/bin/convert "$1" -format "%[pixel:p{$2,$3}]" info:; }
question() { timeout 20 xdotool search --sync --onlyvisible --name '^Bestätigung' | head -1; }
gone() { ! xdotool search --onlyvisible --name '^Bestätigung' > /dev/null 2>&1; }

"$program" > "$WORK/program.log" 2>&1 &
pid=$!
wid="$(timeout 30 xdotool search --sync --onlyvisible --name '^Velmora$' | head -1)" || fail "no window named Velmora"
eval "$(xdotool getwindowgeometry --shell "$wid")"
for _ in $(seq 1 300); do
  xdotool search --onlyvisible --name '^Velmora wird gestartet\.$' > /dev/null 2>&1 || break
  sleep 0.1
done
sleep 0.5

# The disk fills up while the program runs.
for table in fragen textgruppen texte bilder sets frageboegen; do cp "$db/$table.dat" "$WORK/before/"; done
dd if=/dev/zero of="$db/filler" bs=4k 2> /dev/null || true
dd if=/dev/zero of="$db/filler" bs=1 oflag=append conv=notrunc 2> /dev/null || true

xdotool mousemove $((X + 255)) $((Y + 142)) click 1
qid="$(question)" || fail "no quit question"
xdotool key --window "$qid" alt+j
xdotool keyup alt+j # the question took the press; the release must reach the X server too
for _ in $(seq 1 100); do gone && break; sleep 0.1; done
uid="$(question)" || fail "no question about what could not be saved"
sleep 0.5
import -window root "$shots/unsaved.png"
xdotool key --window "$uid" alt+n
xdotool keyup alt+n
for _ in $(seq 1 100); do gone && break; sleep 0.1; done
sleep 1
kill -0 "$pid" 2>/dev/null || fail "Nein ended the program"
xdotool mousemove 2 2
sleep 0.5
import -window root "$shots/back.png"
seen="$(pixel "$shots/back.png" $((X + 21 + 300)) $((Y + 173 + 100)))"
expected="$(pixel "$WORK/velmora/bmp/GUI_welcome.bmp" 300 100)"
[ "$seen" = "$expected" ] || fail "after Nein the welcome screen is not shown ($seen, not $expected)"
for table in fragen textgruppen texte bilder sets frageboegen; do
  cmp -s "$db/$table.dat" "$WORK/before/$table.dat" || fail "$table.dat changed on the full disk"
done
echo "Nein: back in the program, the old table files untouched"

# Space freed: the second quit saves.
rm -f "$db/filler"
touch "$WORK/before-quit"
sleep 1
xdotool mousemove $((X + 255)) $((Y + 142)) click 1
qid="$(question)" || fail "no quit question the second time"
xdotool key --window "$qid" alt+j
for _ in $(seq 1 300); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$pid" 2>/dev/null && fail "the program did not end after the second Ja"
status=0
wait "$pid" || status=$?
[ "$status" = 0 ] || fail "exit status $status"
for table in fragen textgruppen texte bilder sets frageboegen; do
  [ "$db/$table.dat" -nt "$WORK/before-quit" ] || fail "$table.dat not saved at the second quit"
done
echo "the second quit saved the six tables and ended with status 0"
INNER

if [ -n "${ASAN_OPTIONS:-}" ]; then
  export ASAN_OPTIONS="${ASAN_OPTIONS//strict_string_checks=1/strict_string_checks=0}"
fi
export WORK="$work" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime" SDL_AUDIODRIVER=dummy
unset QT_QPA_PLATFORM
result=0
xvfb-run -a -s '-screen 0 1280x1024x24' bash "$work/inner.sh" || result=1
if [ -n "$shots_keep" ]; then
  mkdir -p "$shots_keep" && cp "$work"/shots/*.png "$shots_keep"/ 2>/dev/null || true
fi
if [ "$result" != 0 ]; then
  echo "--- program output ---"; cat "$work/program.log" || true
  exit 1
fi
echo "PASS"
