#!/usr/bin/env bash
# `vornax` starts without the media libraries: its own NEEDED entries name
# neither FFmpeg nor Qt, the commands that read only the recorder's own
# recordings, curves, power files and vehicles load neither at run time, its
# help is the media program's help, a recording of another kind still goes
# through the media program, and a `vornax` without its media program says
# so in one line with exit status 1.
set -euo pipefail
build=$(realpath "$1")
vornax=$build/vornax
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export HOME="$work/home"
unset VORNAX_HOME XDG_DATA_HOME
cd "$work"
heavy='libav|libswresample|libQt6'
fail() { echo "$*"; exit 1; }

needed=$(readelf -d "$vornax" | grep NEEDED)
grep -q 'libc\.so' <<<"$needed" || fail "no NEEDED entries read from $vornax"
if grep -E "$heavy" <<<"$needed"; then fail "vornax links a media library"; fi

# The libraries a command loads, from the dynamic loader itself.
loaded() { LD_DEBUG=libs "$@" 2>&1 >/dev/null | grep 'calling init:' || true; }
light() {
  local libs
  "$@" >/dev/null || fail "failed: $*"
  libs=$(loaded "$@")
  test -n "$libs" || fail "no library list for: $*"
  if grep -E "$heavy" <<<"$libs"; then fail "loads a media library: $*"; fi
}

"$vornax" synth -o run.wav --gear 3 --start-rpm 1500 --end-rpm 6000 >/dev/null
light "$vornax" --help
light "$vornax" vehicle
light "$vornax" rpm run.wav -o run.ReT
light "$vornax" condition run.wav -o cond.wav
light "$vornax" power run.ReT -o power.txt --gear 3
light "$vornax" simulate power.txt -o acc.txt
test -s run.ReT && test -s power.txt && test -s acc.txt

# The same help, whichever program answers.
cmp <("$vornax" --help) <("$build/vornax-media" --help) || fail "vornax --help differs from the media program's"
cmp <("$vornax" import --help) <("$build/vornax-media" import --help) || fail "import --help differs"

# Another kind of recording is converted by the media program.
sox -V1 run.wav -r 48000 -c 2 -b 16 stereo.wav
loaded "$vornax" rpm stereo.wav -o stereo.ReT | grep -q libavcodec || fail "a stereo WAV was not decoded by FFmpeg"
test -s stereo.ReT

# Without the media program.
mkdir alone
cp "$vornax" alone/
set +e
alone/vornax import run.wav -o x.wav 2>err.txt; status=$?
set -e
test "$status" = 1 || fail "import without the media module: exit $status"
grep -q '^vornax: import needs the media module .*vornax-media' err.txt || fail "$(cat err.txt)"
test "$(wc -l <err.txt)" = 1 || fail "more than one line: $(cat err.txt)"
set +e
alone/vornax rpm stereo.wav -o y.ReT 2>err.txt; status=$?
set -e
test "$status" = 1 || fail "rpm of a stereo WAV without the media module: exit $status"
grep -q '^vornax: converting stereo.wav needs the media module' err.txt || fail "$(cat err.txt)"
test ! -e y.ReT
alone/vornax rpm run.wav -o z.ReT >/dev/null
cmp z.ReT run.ReT
echo "vornax starts without the media libraries"
