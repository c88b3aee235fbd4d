#!/usr/bin/env bash
# Runs a command under a private Xvfb screen of 1024x768x24, started here and
# stopped afterwards, with no sound device.
set -u
for n in $(seq 90 140); do
  [[ -e /tmp/.X11-unix/X$n || -e /tmp/.X$n-lock ]] || { display=":$n"; break; }
done
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; wait $xvfb 2>/dev/null' EXIT
for _ in $(seq 1 100); do
  [[ -e /tmp/.X11-unix/X${display#:} ]] && break
  sleep 0.05
done
export DISPLAY="$display"
export SDL_AUDIODRIVER="${SDL_AUDIODRIVER:-dummy}"
export LIBGL_ALWAYS_SOFTWARE=1
"$@"
