#!/usr/bin/env bash
# Seeds the corpus folders of the fuzz targets from the shipped data of a built program folder and
# the golden files. Usage: fuzz/make_corpora.sh PROGRAM_FOLDER PICTURE_TOOL OUT
#   PROGRAM_FOLDER  e.g. build-test/velmora (built with the delivery data)
#   PICTURE_TOOL    e.g. build-test/tools/velmora-picture/velmora-picture (writes the BMP seeds)
#   OUT             e.g. build-fuzz; gets corpus-<target>/ folders
set -euo pipefail
program="$1" tool="$2" out="$3"
source_dir="$(cd "$(dirname "$0")/.." && pwd)"
mkdir -p "$out"/corpus-{version-ini,playlist,bmp,jpeg,skin,text-group}

cp "$program/version.ini" "$out/corpus-version-ini/shipped.ini"
cp "$source_dir/delivery/version.ini" "$out/corpus-version-ini/source.ini"

printf '#EXTM3U\r\n#EXTINF:123,Abendfahrt\r\nabendfahrt.wav\r\nhttp://radio.example.org/stream.mp3\r\n../mp3/x.ogg\r\n' \
  > "$out/corpus-playlist/list.m3u"
printf '[playlist]\r\nNumberOfEntries=2\r\nFile1=landstrasse.wav\r\nTitle1=Landstrasse\r\nFile2=https://radio.example.org/live\r\nVersion=2\r\n' \
  > "$out/corpus-playlist/list.pls"

# Text-group files as the set editor writes and reads them.
printf 'Hallo %%s!;Zeile eins\r\nZeile zwei;;Gr\xfc\xdfe \x80;\r\n' > "$out/corpus-text-group/group.txt"
printf 'ohne Trenner\nzweite Zeile\r' > "$out/corpus-text-group/plain.txt"

# The question pictures (shipped JPEGs), the smallest ones, and BMPs made from them at a few depths.
n=0
for picture in $(ls -S "$program"/mdl/img/*.jpg | tail -12); do
  cp "$picture" "$out/corpus-jpeg/"
  if [ $n -lt 4 ]; then
    "$tool" resize "$picture" "$out/corpus-bmp/$(basename "$picture" .jpg).bmp" $((7 + n * 5)) $((5 + n * 3))
  fi
  n=$((n + 1))
done

# A small skin archive of two pictures; the shipped skin is too large for quick runs.
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
pictures=($(ls -S "$program"/mdl/img/*.jpg | tail -2))
cp "${pictures[0]}" "$work/GUI_welcome.jpg"
cp "${pictures[1]}" "$work/GUI_home.jpg"
(cd "$work" && zip -q -0 small.skin GUI_welcome.jpg GUI_home.jpg)
cp "$work/small.skin" "$out/corpus-skin/"
