#!/usr/bin/env bash
# The game core must build without SDL or GL: only src/view/gl and
# src/platform/sdl may include them. Only the frame and main see the whole
# game: everything else is handed the records it works on.
cd "$1" || exit 2
status=0
hits=$(grep -rnE '#\s*include\s*[<"](SDL|GL/|OpenGL)' src \
  --include='*.h' --include='*.cpp' | grep -vE '^src/(view/gl|platform/sdl)/')
if [[ -n "$hits" ]]; then
  echo "SDL or GL included outside the backends:"; echo "$hits"; status=1
fi
hits=$(grep -rnE '#\s*include\s*"frame/game\.h"|\bGame\s*&' src \
  --include='*.h' --include='*.cpp' | grep -vE '^src/(frame/|main\.cpp:)')
if [[ -n "$hits" ]]; then
  echo "The whole game used outside the frame:"; echo "$hits"; status=1
fi
exit $status
