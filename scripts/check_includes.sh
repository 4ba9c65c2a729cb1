#!/usr/bin/env bash
# Fails when a file includes a header of a layer it may not use (docs/ARCHITECTURE.md).
# Usage: check_includes.sh SRC_DIR
set -euo pipefail
src=${1:-$(dirname "$0")/../src}
cd "$src"

# Each folder and the folders (or single headers) it may include.
declare -A allowed=(
  [platform]="platform"
  [platform/headless]="platform"
  [files]="files platform"
  [game]="game platform/random.h platform/effect_list.h"
  [ai]="ai game"
  [persist]="persist files platform"
  [audio]="audio files platform"
  [ui]="ui ai game persist audio platform"
  [desktop/sdl]="desktop/sdl files platform"
  [desktop/qt]="desktop ui ai game persist audio files platform"
  [desktop/app]="desktop ui ai game persist audio files platform"
)

status=0
for folder in "${!allowed[@]}"; do
  for file in "$folder"/*.h "$folder"/*.cpp; do
    [ -e "$file" ] || continue
    while IFS= read -r line; do
      header=${line#*\"}
      header=${header%\"}
      layer=${header%%/*}
      ok=0
      for may in ${allowed[$folder]}; do
        if [ "$layer" = "$may" ] || [ "$header" = "$may" ] || [[ "$header" == "$may"/* ]]; then
          ok=1
        fi
      done
      if [ $ok = 0 ]; then
        echo "$file: $folder may not include \"$header\"" >&2
        status=1
      fi
    done < <(grep -o '^#include "[^"]*/[^"]*"' "$file" || true)
  done
done

# Every folder with sources has rules.
while IFS= read -r folder; do
  if [ -z "${allowed[$folder]+set}" ]; then
    echo "$folder: no include rules for this folder in $0" >&2
    status=1
  fi
done < <(find . -name '*.cpp' -printf '%h\n' | sed 's|^\./||' | sort -u)
exit $status
