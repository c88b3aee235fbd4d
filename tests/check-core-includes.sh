#!/usr/bin/env bash
# The game core must build without SDL, GL or emscripten: only the renderers
# under src/view and the backends under src/platform may include them. Only
# the frame and main see the whole game: everything else is handed the
# records it works on.
# Every room includes only its own headers and those of the rooms below it,
# so that a reader of a room never has to open one above it.
# usage: check-core-includes.sh SOURCE_FOLDER
cd "$1" || exit 2
status=0
hits=$(grep -rnE '#\s*include\s*[<"](SDL|GL/|GLES|OpenGL|emscripten/)' src \
  --include='*.h' --include='*.cpp' | grep -vE '^src/(view/gl|view/webgl|platform/sdl|platform/win32|platform/web)/')
if [[ -n "$hits" ]]; then
  echo "SDL, GL or emscripten included outside the renderers and backends:"; echo "$hits"; status=1
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

# What each room may include besides its own headers. The frame and main may
# include everything; a renderer (src/view/gl/, one folder per graphics API)
# may include the view and what the view may.
declare -A may=(
  [values]=""
  [board]="values"
  [play]="board values"
  [view]="play board values"
  [renderer]="view play board values"
  [scores]="values"
  [platform]="values view/renderer.h"
)
# Where the code still reaches across the table, each for a reason of the
# game's own rules; anything not listed here fails.
declare -A crossing=(
  # Selecting plays the select or the unselectable cue at once.
  ["src/play/selection.cpp platform/sound.h"]=1
  # The dust takes its colours from the card's picture in the atlas and
  # starts where the card's tile lay.
  ["src/play/drop.cpp view/atlas.h"]=1
  ["src/play/drop.cpp view/geometry.h"]=1
  # A turn plays the flip cue, stamps the key delay with the tick count and
  # shows the wait cursor while it runs.
  ["src/view/turn.cpp platform/sound.h"]=1
  ["src/view/turn.cpp platform/system.h"]=1
  # The tilt reads the cursor through the system and measures it against the
  # window's size.
  ["src/view/tilt.cpp platform/system.h"]=1
  ["src/view/tilt.cpp platform/window.h"]=1
  # Each frame's draw list binds the textures by name through the registry.
  ["src/view/frame_list.cpp platform/textures.h"]=1
)

# The room of a path under src/, into REPLY (no subshell per include).
room() {
  case $1 in
    main.cpp) REPLY=main ;;
    view/*/*) REPLY=renderer ;;
    */*) REPLY=${1%%/*} ;;
    *) REPLY=unknown ;;
  esac
}

allowed() {  # file header
  local from to entry
  room "${1#src/}"; from=$REPLY
  room "$2"; to=$REPLY
  [[ $from == frame || $from == main ]] && return 0
  # A renderer stays in its own folder among the renderers.
  if [[ $from == renderer && $to == renderer ]]; then
    [[ ${1#src/} == "${2%/*}"/* ]]; return
  fi
  [[ $from == "$to" ]] && return 0
  for entry in ${may[$from]-}; do
    [[ $entry == "$to" || $entry == "$2" ]] && return 0
  done
  return 1
}

declare -A used=()
upward=()
while IFS=: read -r file line header; do
  room "${file#src/}"
  if [[ $REPLY == values ]]; then
    upward+=("$file:$line: $header (a value type includes nothing of the game)"); continue
  fi
  allowed "$file" "$header" && continue
  if [[ -n ${crossing["$file $header"]-} ]]; then used["$file $header"]=1; continue; fi
  upward+=("$file:$line: $header")
done < <(grep -rnE '^\s*#\s*include\s*"' src --include='*.h' --include='*.cpp' |
         sed -E 's/^([^:]+):([0-9]+):\s*#\s*include\s*"([^"]+)".*/\1:\2:\3/' | sort -t: -k1,1 -k2,2n)
if (( ${#upward[@]} )); then
  echo "Includes a room may not make (see the README's tree):"; printf '%s\n' "${upward[@]}"
  status=1
fi
for pair in "${!crossing[@]}"; do
  [[ -n ${used["$pair"]-} ]] || { echo "No longer needed, take it off the list: $pair"; status=1; }
done
exit $status
