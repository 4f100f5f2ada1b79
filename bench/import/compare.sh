#!/usr/bin/env bash
# `vornax import` against the usual converters, as whole processes on the
# same files in one run: wall time and CPU time (user + system), medians of
# RUNS runs, and peak memory (largest resident set), from /usr/bin/time.
#
#   bench/import/compare.sh [BUILD_DIR] [RUNS]
#
# Inputs are made from a generated run (`vornax synth`) looped by ffmpeg:
#   a 60 s 48 kHz 16-bit stereo WAV (pickup on the right),
#   a 60 s 48 kHz stereo AAC .m4a,
#   a 60-minute 48 kHz stereo AAC .m4a (peak memory of a long import).
# Needs ffmpeg, sox and /usr/bin/time (Debian: ffmpeg sox time).
set -euo pipefail
build=${1:-build}
runs=${2:-7}
vornax=$(realpath "$build/vornax")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

"$vornax" synth -o run.wav --gear 3 --start-rpm 1500 --end-rpm 6000 >/dev/null
ffmpeg -v error -y -stream_loop -1 -i run.wav -t 60 -ar 48000 -af 'pan=stereo|c0=0.02*c0|c1=c0' -c:a pcm_s16le in48.wav
ffmpeg -v error -y -i in48.wav -c:a aac -b:a 128k in60.m4a

# median wall seconds, median CPU seconds and median peak memory of a
# command, over $runs runs
median() { sort -g | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
measure() {
  local times=() cpus=() peaks=()
  for _ in $(seq "$runs"); do
    /usr/bin/time -f "%e %U %S %M" -o t.txt "$@" >/dev/null 2>&1
    read -r t u s m <t.txt
    times+=("$t"); cpus+=("$(echo "$u + $s" | bc)"); peaks+=("$m")
  done
  printf 'wall %s s  cpu %s s  peak %s MB\n' "$(printf '%s\n' "${times[@]}" | median)" \
    "$(printf '%s\n' "${cpus[@]}" | median)" "$(( $(printf '%s\n' "${peaks[@]}" | median) / 1024 ))"
}

echo "runs per command: $runs (medians)"
echo "60 s 48 kHz 16-bit stereo WAV ($(stat -c %s in48.wav) bytes)"
echo -n "  vornax import:  "; measure "$vornax" import in48.wav -o out-vornax.wav
echo -n "  sox:            "; measure sox in48.wav -r 44100 -c 1 -b 8 -e unsigned-integer out-sox.wav
echo "60 s 48 kHz stereo AAC .m4a ($(stat -c %s in60.m4a) bytes)"
echo -n "  vornax import:  "; measure "$vornax" import in60.m4a -o out-vornax.wav
echo -n "  ffmpeg:         "; measure ffmpeg -v error -y -i in60.m4a -ac 1 -ar 44100 -c:a pcm_u8 out-ffmpeg.wav
ffmpeg -v error -y -stream_loop -1 -i run.wav -t 3600 -ar 48000 -ac 2 -c:a aac -b:a 128k hour.m4a
echo "60-minute 48 kHz stereo AAC .m4a ($(stat -c %s hour.m4a) bytes; converted: $((3600 * 44100 + 44)) bytes)"
runs=1
echo -n "  vornax import:  "; measure "$vornax" import hour.m4a -o out-hour.wav
echo -n "  ffmpeg:         "; measure ffmpeg -v error -y -i hour.m4a -ac 1 -ar 44100 -c:a pcm_u8 out-ffmpeg-hour.wav
