#!/usr/bin/env bash
# The game core must build without SDL or GL: only src/view/gl and
# src/platform/sdl may include them.
cd "$1" || exit 2
hits=$(grep -rnE '#\s*include\s*[<"](SDL|GL/|OpenGL)' src \
  --include='*.h' --include='*.cpp' | grep -vE '^src/(view/gl|platform/sdl)/')
if [[ -n "$hits" ]]; then
  echo "SDL or GL included outside the backends:"; echo "$hits"; exit 1
fi
