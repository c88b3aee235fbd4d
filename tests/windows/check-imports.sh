#!/usr/bin/env bash
# A player's Windows has only its own DLLs: the program may import nothing else.
set -u
allowed='^(kernel32|user32|gdi32|opengl32|glu32|winmm|msvcrt)\.dll$'
dlls=$(x86_64-w64-mingw32-objdump -p "$1" | awk '/DLL Name:/ {print tolower($3)}')
[[ -n "$dlls" ]] || { echo "no imports found in $1"; exit 1; }
bad=$(grep -vE "$allowed" <<<"$dlls")
if [[ -n "$bad" ]]; then
  echo "$1 imports DLLs a Windows system lacks:"; echo "$bad"; exit 1
fi
echo "imports:" $dlls
