#!/usr/bin/env bash
# What a command costs before it does anything, and the commands that read
# the recorder's own recordings against sox, as whole processes measured in
# one run: median wall time over RUNS runs (bash's microsecond clock around
# each run), peak memory (largest resident set, /usr/bin/time) and the shared
# libraries the process loads (LD_DEBUG=libs).
#
#   bench/start/start.sh [BUILD_DIR] [RUNS]
#
# Goals, checked at the end (exit 1 when one is missed):
#   `vornax --help` at most 10 ms and 15 MB;
#   `vornax rpm` on a 65 s canonical recording at most 0.25 x `sox -n stat`;
#   importing a 60 s 48 kHz stereo WAV and a 60 s AAC at most 1.0 x sox / ffmpeg;
#   the desktop program's start to its first shown window (offscreen,
#   --quit-after-start) is reported.
# Needs sox, ffmpeg and /usr/bin/time (Debian: sox ffmpeg time).
set -euo pipefail
build=$(realpath "${1:-build}")
runs=${2:-21}
vornax=$build/vornax
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

# Median wall milliseconds of a command over $runs runs (after one warm-up).
wall_ms() {
  "$@" >/dev/null 2>&1 || true
  local times=()
  for _ in $(seq "$runs"); do
    local t0=$EPOCHREALTIME
    "$@" >/dev/null 2>&1 || true
    local t1=$EPOCHREALTIME
    times+=("$(echo "($t1 - $t0) * 1000" | bc -l)")
  done
  printf '%s\n' "${times[@]}" | sort -g | awk '{a[NR]=$1} END {printf "%.2f", a[int((NR+1)/2)]}'
}
# CPU milliseconds (user + system) a run, from /usr/bin/time over $runs runs
# in one loop (the loop's own forks included): steadier than wall time when
# other work shares the cores.
cpu_ms() {
  /usr/bin/time -f "%U %S" -o cpu.txt bash -c 'for _ in $(seq "$0"); do "$@" >/dev/null 2>&1; done' "$runs" "$@" || true
  read -r u s < <(tail -1 cpu.txt)
  echo "scale=2; ($u + $s) * 1000 / $runs" | bc
}
# Peak resident set of one run, MB.
peak_mb() {
  /usr/bin/time -f "%M" -o peak.txt "$@" >/dev/null 2>&1 || true
  echo "scale=1; $(tail -1 peak.txt) / 1024" | bc
}
# Shared libraries the process loads (the programs it hands over to included).
libraries() { LD_DEBUG=libs "$@" 2>&1 >/dev/null | grep -c 'calling init:' || true; }

failed=0
check() {  # check NAME VALUE LIMIT
  if [ "$(echo "$2 <= $3" | bc -l)" = 1 ]; then echo "  ok    $1: $2 <= $3"; else echo "  MISSED $1: $2 > $3"; failed=1; fi
}

"$vornax" synth -o run.wav --gear 3 --start-rpm 1500 --end-rpm 6000 >/dev/null
sox run.wav run65.wav repeat 4 trim 0 65
ffmpeg -v error -y -stream_loop -1 -i run.wav -t 60 -ar 48000 -af 'pan=stereo|c0=0.02*c0|c1=c0' -c:a pcm_s16le in48.wav
ffmpeg -v error -y -i in48.wav -c:a aac -b:a 128k in60.m4a

echo "runs per command: $runs (medians)"
printf '%-44s %9s %8s %8s %5s\n' command "wall ms" "cpu ms" "peak MB" libs
row() {  # row LABEL COMMAND...
  local label=$1; shift
  local ms cpu mb libs
  ms=$(wall_ms "$@"); cpu=$(cpu_ms "$@"); mb=$(peak_mb "$@"); libs=$(libraries "$@")
  printf '%-44s %9s %8s %8s %5s\n' "$label" "$ms" "$cpu" "$mb" "$libs"
  eval "last_ms=$ms last_mb=$mb"
}
row "vornax --help" "$vornax" --help; help_ms=$last_ms; help_mb=$last_mb
row "vornax-media --help (everything linked)" "$build/vornax-media" --help
row "vornax vehicle (the defaults)" "$vornax" vehicle
row "vornax rpm, 65 s canonical WAV" "$vornax" rpm run65.wav -o run65.ReT; rpm_ms=$last_ms
row "sox run65.wav -n stat" sox run65.wav -n stat; sox_ms=$last_ms
row "vornax import, 60 s 48 kHz stereo WAV" "$vornax" import in48.wav -o out48.wav; import_wav_ms=$last_ms
row "sox, same WAV to 8-bit mono 44100 Hz" sox in48.wav -r 44100 -c 1 -b 8 -e unsigned-integer sox48.wav; sox_wav_ms=$last_ms
row "vornax import, 60 s AAC" "$vornax" import in60.m4a -o out60.wav; import_aac_ms=$last_ms
row "ffmpeg, same AAC to 8-bit mono 44100 Hz" ffmpeg -v error -y -i in60.m4a -ac 1 -ar 44100 -c:a pcm_u8 ff60.wav
aac_ms=$last_ms
if [ -x "$build/vornax-meter" ]; then
  export HOME="$work/home" QT_QPA_PLATFORM=offscreen
  row "vornax-meter to its first shown window" "$build/vornax-meter" --quit-after-start
fi

echo "goals"
check "vornax --help wall ms" "$help_ms" 10
check "vornax --help peak MB" "$help_mb" 15
check "vornax rpm / sox stat" "$(echo "scale=3; $rpm_ms / $sox_ms" | bc)" 0.25
check "import WAV / sox" "$(echo "scale=3; $import_wav_ms / $sox_wav_ms" | bc)" 1.0
check "import AAC / ffmpeg" "$(echo "scale=3; $import_aac_ms / $aac_ms" | bc)" 1.0
exit $failed
