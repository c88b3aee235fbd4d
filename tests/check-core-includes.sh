#!/usr/bin/env bash
# The game core must build without SDL or GL: only src/view/gl and
# the backends under src/platform may include them. Only the frame and main
# see the whole game: everything else is handed the records it works on.
cd "$1" || exit 2
status=0
hits=$(grep -rnE '#\s*include\s*[<"](SDL|GL/|OpenGL)' src \
  --include='*.h' --include='*.cpp' | grep -vE '^src/(view/gl|platform/sdl|platform/win32)/')
if [[ -n "$hits" ]]; then
  echo "SDL or GL included outside the backends:"; echo "$hits"; status=1
fi
hits=$(grep -rnE '#\s*include\s*"frame/game\.h"|\bGame\s*&' src \
  --include='*.h' --include='*.cpp' | grep -vE '^src/(frame/|main\.cpp:)')
if [[ -n "$hits" ]]; then
  echo "The whole game used outside the frame:"; echo "$hits"; status=1
fi
# The Windows headers belong to the Windows files alone.
hits=$(grep -rniE '#\s*include\s*[<"](windows|windowsx|mmsystem)\.h' src \
  --include='*.h' --include='*.cpp' | grep -vE '^src/(platform|scores)/win32/')
if [[ -n "$hits" ]]; then
  echo "Windows headers included outside the Windows files:"; echo "$hits"; status=1
fi
exit $status
