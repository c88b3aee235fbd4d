#!/usr/bin/env bash
# Runs a command under a private Xvfb screen of 1024x768x24 (or the
# WIDTHxHEIGHTxDEPTH in PELMORA_SCREEN), started here and stopped afterwards,
# with no sound device. Xvfb picks a free display itself, so runs started side
# by side never share one.
set -u
numberFile=$(mktemp)
Xvfb -displayfd 3 -screen 0 "${PELMORA_SCREEN:-1024x768x24}" -nolisten tcp 3>"$numberFile" >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; wait $xvfb 2>/dev/null; rm -f "$numberFile"' EXIT
for _ in $(seq 1 200); do
  [[ -s "$numberFile" ]] && break
  sleep 0.05
done
number=$(tr -dc '0-9' <"$numberFile")
[[ -n "$number" ]] || { echo "with-xvfb: Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$number"
export SDL_AUDIODRIVER="${SDL_AUDIODRIVER:-dummy}"
export LIBGL_ALWAYS_SOFTWARE=1
# Libraries the sanitizer runs keep loaded for the tested program, not Xvfb.
[[ -n "${PELMORA_TEST_PRELOAD:-}" ]] && export LD_PRELOAD="${PELMORA_TEST_PRELOAD}${LD_PRELOAD:+:$LD_PRELOAD}"
"$@"
