#!/usr/bin/env bash
# Start-up of the real program under Xvfb: the time from the process start to the welcome screen
# shown (splash gone, main window up; this includes the 500 ms start-up delay), and the resident
# memory once it is up. Five runs on a prepared copy of the program folder (skin imported, data
# copied: an ordinary start), plus one first start. Prints each run and the medians.
# Usage: startup_bench.sh <program folder> [runs]
set -euo pipefail
source_folder="$1"
runs="${2:-5}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cp -a "$source_folder" "$work/velmora"
rm -rf "$work/velmora/db" "$work/velmora/bmp" "$work/velmora/temp" "$work/velmora/imported"
mkdir -p "$work/config" "$work/runtime"
chmod 700 "$work/runtime"

cat > "$work/inner.sh" <<'INNER'
set -euo pipefail
measure() { # prints "<ms to welcome> <resident KiB>"
  local start pid now
  start=$(date +%s%N)
  "$WORK/velmora/velmora" > "$WORK/program.log" 2>&1 &
  pid=$!
  # Up when the window named Velmora is visible and the splash is gone.
  until xdotool search --onlyvisible --name '^Velmora$' > /dev/null 2>&1 &&
        ! xdotool search --onlyvisible --name '^Velmora wird gestartet\.$' > /dev/null 2>&1; do
    kill -0 "$pid" 2> /dev/null || { echo "the program ended before its welcome screen:" >&2; cat "$WORK/program.log" >&2; exit 1; }
    sleep 0.005
  done
  now=$(date +%s%N)
  sleep 1
  local rss
  rss=$(awk '/^VmRSS:/ {print $2}' "/proc/$pid/status")
  kill "$pid"
  for _ in $(seq 1 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  kill -9 "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  echo "$(( (now - start) / 1000000 )) $rss"
}
result="$(measure)"
echo "first start (skin import, data copy): $result"
for i in $(seq 1 "$RUNS"); do
  result="$(measure)"
  echo "run $i: $result"
done
INNER

export WORK="$work" RUNS="$runs" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime" SDL_AUDIODRIVER=dummy
unset QT_QPA_PLATFORM
xvfb-run -a -s '-screen 0 1280x1024x24' bash "$work/inner.sh" | tee "$work/results.txt"
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
ms=$(grep '^run ' "$work/results.txt" | awk '{print $3}' | median)
kib=$(grep '^run ' "$work/results.txt" | awk '{print $4}' | median)
echo "median start-up to the welcome screen: ${ms} ms"
awk -v k="$kib" 'BEGIN { printf "median resident memory after start: %.1f MB\n", k / 1024 }'
