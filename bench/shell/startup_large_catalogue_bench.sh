#!/usr/bin/env bash
# Start-up with a catalogue of 20,000 questions: the shipped questions repeated under new IDs (every
# 20th keeps its picture) make mdl/fragen.dat of a copy of the program folder, and startup_bench.sh
# times that folder's starts to the welcome screen (one first start, then ordinary starts).
# Usage: startup_large_catalogue_bench.sh <program folder> <velmora-tables program> [runs] [questions]
set -euo pipefail
source_folder="$1"
tables_tool="$2"
runs="${3:-5}"
questions="${4:-20000}"
here="$(cd "$(dirname "$0")" && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cp -a "$source_folder" "$work/velmora"
"$tables_tool" dump "$work/velmora/mdl/fragen.dat" > "$work/fragen.json"
python3 - "$work/fragen.json" "$questions" <<'PY'
import json, sys
path, total = sys.argv[1], int(sys.argv[2])
table = json.load(open(path, encoding="utf-8"))
shipped = table["records"]
# The shipped questions keep their IDs (the questionnaires name them); the copies count on.
records = list(shipped)
next_id = max(r["ID"] for r in shipped) + 1
for n in range(len(shipped), total):
    record = dict(shipped[n % len(shipped)])
    record["ID"] = next_id
    next_id += 1
    if n % 20:
        record["Bild"] = ""
    records.append(record)
table["records"] = records
json.dump(table, open(path, "w", encoding="utf-8"), ensure_ascii=False)
PY
"$tables_tool" build "$work/fragen.json" "$work/velmora/mdl/fragen.dat"
echo "catalogue: $questions questions, $(stat -c %s "$work/velmora/mdl/fragen.dat") bytes"
bash "$here/startup_bench.sh" "$work/velmora" "$runs"
