#!/usr/bin/env bash
# Runs a command against a fresh Wine prefix of its own, under a private Xvfb
# screen, and removes both afterwards. The screen is 1024x768x24 unless
# PELMORA_SCREEN says otherwise (WIDTHxHEIGHTxDEPTH). The command finds the
# prefix through WINEPREFIX and may start programs with "wine". The command
# gets PELMORA_WINE_TIMEOUT seconds (540), so that the clean-up here always runs
# before a caller's own time limit strikes.
set -u
screen="${PELMORA_SCREEN:-1024x768x24}"
work=$(mktemp -d "${TMPDIR:-/tmp}/pelmora-wine.XXXXXX")
xvfb=""
cleanup() {
  WINEPREFIX="$work/prefix" timeout 20 wineserver -k >/dev/null 2>&1
  [[ -n "$xvfb" ]] && { kill "$xvfb" 2>/dev/null; wait "$xvfb" 2>/dev/null; }
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# -displayfd picks a free display, so runs never collide.
exec 3<> "$work/display"
Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 1 100); do
  [[ -s "$work/display" ]] && break
  sleep 0.05
done
display=$(head -n1 "$work/display")
[[ -n "$display" ]] || { echo "with-wine: Xvfb did not start" >&2; exit 1; }

export DISPLAY=":$display"
export HOME="$work/home"
export WINEPREFIX="$work/prefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export LIBGL_ALWAYS_SOFTWARE=1
mkdir -p "$HOME"
# No sound card here: ALSA plays into nothing instead of complaining.
printf 'pcm.!default { type null }\nctl.!default { type hw card 0 }\n' > "$HOME/.asoundrc"

if ! timeout 180 wineboot -i >/dev/null 2>&1; then
  echo "with-wine: could not create the Wine prefix" >&2; exit 1
fi
# A crash must end the run instead of waiting on a dialog, and unmanaged
# windows are destroyed at once instead of after a wait for the window manager.
timeout 60 wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
timeout 60 wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
timeout 60 wineserver -w
# One server for the whole run, started clean: a game run under a faked
# calendar must not hand that calendar to the server. Its services start now,
# away from the command's output, which they would otherwise hold open long
# after the command is done. Should this script be killed outright, the
# server still ends a minute after its last program.
wineserver -p60
timeout 60 wine cmd /c exit </dev/null >/dev/null 2>&1
timeout --kill-after=10 "${PELMORA_WINE_TIMEOUT:-540}" "$@"
