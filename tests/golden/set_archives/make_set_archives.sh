#!/usr/bin/env bash
# Makes the sample set archives of this folder: good.set with the tool velmora-sets from two tiny
# JPEG pictures, then the broken ones from it with Python's zipfile (names and bytes as given).
# Usage: make_set_archives.sh PATH/TO/velmora-sets
set -euo pipefail
tool="$1"
here="$(cd "$(dirname "$0")" && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mkdir "$work/set"
/usr/bin/convert -size 16x12 gradient:red-blue -quality 80 "$work/set/strand.jpg"
/usr/bin/convert -size 12x16 gradient:yellow-green -quality 80 "$work/set/duene.jpg"
printf 'Name: Goldenes Set\nWertung: 4\nAutor: Velmora\nGirlName: Mia\nTextGruppeID: 2\nBild: strand.jpg | 3 | Am Strand mit %%s\nBild: duene.jpg | 5\n' > "$work/set/set.txt"
"$tool" pack "$work/set" "$here/good.set"
python3 - "$here" <<'PY'
import sys, zipfile
here = sys.argv[1]
good = zipfile.ZipFile(f"{here}/good.set")
members = {info.filename: good.read(info.filename) for info in good.infolist()}

def write(name, entries):
    with zipfile.ZipFile(f"{here}/{name}", "w", zipfile.ZIP_STORED) as z:
        for entry_name, data in entries:
            z.writestr(zipfile.ZipInfo(entry_name), data)

base = list(members.items())
for name, hostile in [("refused-dotdot.set", "../x"), ("refused-absolute.set", "/abs"),
                      ("refused-folder.set", "a/b"), ("refused-backslash.set", "..\\x")]:
    write(name, [(hostile, b"evil")] + base)
write("refused-no-sets-table.set", [e for e in base if e[0] != "sets.tmp"])
write("refused-no-bilder-table.set", [e for e in base if e[0] != "bilder.tmp"])
write("refused-table-twice.set", base + [("sets.tmp", members["sets.tmp"])])
raw = bytearray(open(f"{here}/good.set", "rb").read())
at = raw.index(members["strand.jpg"][40:60])
raw[at:at + 4] = b"XXXX"
open(f"{here}/refused-crc.set", "wb").write(bytes(raw))
open(f"{here}/refused-truncated.set", "wb").write(open(f"{here}/good.set", "rb").read()[:-30])
open(f"{here}/refused-text.set", "wb").write(b"Das ist kein Archiv.\r\n")
write("skipped-not-jpeg.set", [("strand.jpg", b"\x89PNG\r\n\x1a\n no jpeg")] + [e for e in base if e[0] != "strand.jpg"])
PY
