#!/usr/bin/env bash
# What the game costs while it sits in the menu, paused, in play with the
# mouse still and while the cube turns again and again, and how long a cube
# turn lasts (the second of two), for one or more builds of it side by side:
# the builds take turns, round after round, on one X server. A desktop card
# game sitting on its board is measured the same way for reference, when it
# is installed (as root the script installs it from Debian's archive).
#
#   bench/pacing.sh PROBE.so RUN_FOLDER ROUNDS GAME...    (needs $DISPLAY)
#
# CPU is user + system time over a fixed window, in percent of one core, of
# the game process and of the X server showing it; frames, and the game's own
# allocations per frame, are counted by the probe.
set -euo pipefail
probe=$(realpath "$1") run=$2 rounds=$3
shift 3
window=${PACING_WINDOW:-5}
tck=$(getconf CLK_TCK)
# The X server: started beside this script by tests/with-xvfb.sh, or named by its display.
xserver=$(pgrep -P "$PPID" -x Xvfb || pgrep -o -f "^Xvfb $DISPLAY( |\$)" || true)

cpu_ticks() { [[ -n $1 ]] && awk '{print $14 + $15}' "/proc/$1/stat" || echo 0; }
last_frames() { awk '$1 == "frames" {t = $2; n = $3; a = $4} END {print t, n, a}' "$1"; }

# CPU percent of the game and of the X server, and frames per second, over the window.
sample() {
  local pid=$1 log=$2 c0 c1 x0 x1 f0 f1
  c0=$(cpu_ticks "$pid"); x0=$(cpu_ticks "$xserver"); f0=$(last_frames "$log")
  sleep "$window"
  c1=$(cpu_ticks "$pid"); x1=$(cpu_ticks "$xserver"); f1=$(last_frames "$log")
  awk -v c0="$c0" -v c1="$c1" -v x0="$x0" -v x1="$x1" -v w="$window" -v tck="$tck" \
      -v f0="$f0" -v f1="$f1" 'BEGIN {
    split(f0, a, " "); split(f1, b, " ")
    fps = (b[1] > a[1]) ? (b[2] - a[2]) / ((b[1] - a[1]) / 1e9) : 0
    per = (b[2] > a[2]) ? (b[3] - a[3]) / (b[2] - a[2]) : 0
    printf "%.0f %.0f %.1f %.2f", 100 * (c1 - c0) / (w * tck), 100 * (x1 - x0) / (w * tck), fps, per }'
}

until_turns() {
  for _ in $(seq 1 150); do
    (($(grep -c '^turn' "$2" || true) >= $1)) && return
    sleep 0.1
  done
}

hold() { xdotool keydown "$1"; sleep 0.15; xdotool keyup "$1"; }

one_round() {
  local game=$1 dir log pid menu play turn
  dir=$(mktemp -d)
  ln -s "$(realpath "$run/textures")" "$dir/textures"
  ln -s "$(realpath "$run/sounds")" "$dir/sounds"
  log=$dir/probe.log
  (cd "$dir" && PELMORA_PROBE_OUT=$log LD_PRELOAD=$probe exec "$game") &
  pid=$!
  for _ in $(seq 1 200); do grep -q '^first' "$log" 2>/dev/null && break; sleep 0.1; done
  sleep 2
  menu=$(sample "$pid" "$log")
  hold Return
  sleep 1.5
  play=$(sample "$pid" "$log")
  hold p
  sleep 1
  paused=$(sample "$pid" "$log")
  hold p
  sleep 1
  # Held, the key turns the cube once more as soon as each turn ends.
  xdotool keydown d
  sleep 0.5
  turning=$(sample "$pid" "$log")
  xdotool keyup d
  sleep 1.5
  # The first turn may also load its sound cue; the second is the steady one.
  hold w
  until_turns 1 "$log"
  sleep 1.1  # the key delay
  hold s
  until_turns 2 "$log"
  turn=$(awk '$1 == "turn" {n++; a[n] = $4; t = $2; f = $3}
              END {printf "%.0f %d %d %d", t / 1e6, f, a[1], a[2]}' "$log")
  kill "$pid"; wait "$pid" 2>/dev/null || true
  rm -rf "$dir"
  echo "$(basename "$game") $menu $paused $play $turning ${turn:-0 0 0 0}"
}

# The reference sits on its board; only its CPU and the X server's count.
reference_round() {
  local pid
  "$reference" >/dev/null 2>&1 &
  pid=$!
  sleep 5
  echo "reference:gnome-mahjongg $(sample "$pid" /dev/null)"
  kill "$pid"; wait "$pid" 2>/dev/null || true
}

reference=$(PATH=$PATH:/usr/games command -v gnome-mahjongg || true)
if [[ -z $reference && $(id -u) -eq 0 ]]; then
  apt-get install -y --no-install-recommends gnome-mahjongg >/dev/null 2>&1 || true
  reference=$(PATH=$PATH:/usr/games command -v gnome-mahjongg || true)
fi

echo "# load $(cut -d' ' -f1-3 /proc/loadavg), window ${window}s"
echo "# build, then cpu% x% fps allocs/frame for each of menu, paused, play and turning, then turn_ms turn_frames turn1_allocs turn2_allocs"
for ((r = 1; r <= rounds; r++)); do
  for game in "$@"; do one_round "$(realpath "$game")"; done
  if [[ -n $reference ]]; then reference_round; fi
done
