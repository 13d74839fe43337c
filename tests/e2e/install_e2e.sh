#!/usr/bin/env bash
# Installation: installs the build into a temporary prefix, validates the desktop entry and the
# AppStream metainfo, checks the installed tree (launcher, program folder with its sample data and
# nothing a run left behind, icon), then starts the installed launcher under Xvfb until the welcome
# screen shows the skin, and quits with "Ja".
# Usage: install_e2e.sh <build folder>
set -euo pipefail

build="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
prefix="$work/prefix"
shots_keep=""

cmake --install "$build" --prefix "$prefix" > "$work/install.log"
fail() { echo "FAIL: $*" >&2; exit 1; }

desktop="$prefix/share/applications/org.velmora.Velmora.desktop"
metainfo="$prefix/share/metainfo/org.velmora.Velmora.metainfo.xml"
desktop-file-validate "$desktop" || fail "desktop entry does not validate"
appstreamcli validate --no-net "$metainfo" || fail "metainfo does not validate"
[ -f "$prefix/share/icons/hicolor/scalable/apps/velmora.svg" ] || fail "no icon"
[ -x "$prefix/bin/velmora" ] || fail "no launcher"
folder="$prefix/lib/velmora"
for part in velmora version.ini about.html mdl/fragen.dat skins/standard.skin sounds mp3; do
  [ -e "$folder/$part" ] || fail "program folder lacks $part"
done
for part in db bmp temp imported; do
  [ -e "$folder/$part" ] && fail "program folder holds $part from a run"
done
echo "installed tree: launcher, program folder, desktop entry, icon and metainfo"

mkdir -p "$work/config" "$work/runtime" "$work/shots"
chmod 700 "$work/runtime"
cat > "$work/inner.sh" <<'INNER'
set -euo pipefail
fail() { echo "FAIL: $*" >&2; kill "$pid" 2>/dev/null || true; exit 1; }
pixel() { /usr/bin/convert "$1" -format "%[pixel:p{$2,$3}]" info:; }
source "$E2E_COMMON"

# Started from elsewhere, through the launcher on the path, as a desktop would.
cd /
PATH="$WORK/prefix/bin:$PATH" velmora > "$WORK/program.log" 2>&1 &
pid=$!
wid="$(timeout 30 xdotool search --sync --onlyvisible --name '^Velmora$' | head -1)" || fail "no window named Velmora"
eval "$(xdotool getwindowgeometry --shell "$wid")"
for _ in $(seq 1 300); do
  xdotool search --onlyvisible --name '^Velmora wird gestartet\.$' > /dev/null 2>&1 || break
  sleep 0.1
done
xdotool mousemove 2 2
sleep 0.5
import -window root "$WORK/shots/welcome.png"
bmp="$WORK/prefix/lib/velmora/bmp"
seen="$(pixel "$WORK/shots/welcome.png" $((X + 21 + 300)) $((Y + 173 + 100)))"
expected="$(pixel "$bmp/GUI_welcome.bmp" 300 100)"
[ "$seen" = "$expected" ] || fail "welcome picture: screen $seen, picture $expected"
[ -f "$WORK/prefix/lib/velmora/db/fragen.dat" ] || fail "no db/ beside the installed program"
echo "the installed program shows its welcome screen"
quit_with_ja
INNER
source "$(dirname "$0")/e2e_common.sh"
run_inner_under_xvfb
echo "install check passed"
