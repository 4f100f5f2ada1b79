#!/usr/bin/env bash
# Peak memory of `vornax rpm --source sound` on a 60-minute engine-sound
# recording (a generated 30-second pull, looped), as a 48 kHz 16-bit mono WAV
# (330 MB) and as a 96 kbit/s AAC .m4a: the largest resident set from
# /usr/bin/time -v, and the wall and CPU time of the run.
#
#   bench/sound/memory.sh [BUILD_DIR]
#
# Goal, checked at the end (exit 1 when missed): peak under 400 MB for both.
# Needs ffmpeg and /usr/bin/time (Debian: ffmpeg time).
set -euo pipefail
build=$(realpath "${1:-build}")
vornax=$build/vornax
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

"$vornax" synth --sound --gear 3 --start-rpm 1500 --end-rpm 5800 --lead 2 --lift 1.5 -o pull.wav >/dev/null
ffmpeg -v error -y -stream_loop -1 -i pull.wav -t 3600 -c:a pcm_s16le long.wav
ffmpeg -v error -y -i long.wav -c:a aac -b:a 96k long.m4a

failed=0
for file in long.wav long.m4a; do
  status=0
  /usr/bin/time -v -o time.txt "$vornax" rpm "$file" --source sound -o long.ReT >out.txt 2>&1 || status=$?
  peak_kb=$(awk -F': ' '/Maximum resident set size/ {print $2}' time.txt)
  wall=$(awk -F': ' '/Elapsed \(wall clock\)/ {print $2}' time.txt)
  user=$(awk -F': ' '/User time/ {print $2}' time.txt)
  sys=$(awk -F': ' '/System time/ {print $2}' time.txt)
  peak_mb=$(echo "scale=1; $peak_kb / 1024" | bc)
  echo "$file ($(du -m "$file" | cut -f1) MB): peak $peak_mb MB, wall $wall, CPU ${user}+${sys} s, exit $status"
  sed 's/^/    /' out.txt | head -4
  if [ "$(echo "$peak_mb < 400" | bc -l)" = 1 ]; then echo "  ok    peak under 400 MB"; else echo "  MISSED peak $peak_mb MB >= 400 MB"; failed=1; fi
  rm -f long.ReT
done
exit $failed
