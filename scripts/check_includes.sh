#!/usr/bin/env bash
# Fails when a source file includes a header of a folder on its own floor or above it: the
# folders of src/ stand in floors, and a folder includes only folders on lower floors (and
# itself). Folders on one floor know nothing of each other. A folder of src/ without a floor
# fails too, so that a new folder is placed before it is used.
#
# usage: scripts/check_includes.sh [SRC_DIR]   (src/ of this repository by default)
set -euo pipefail
src=${1:-$(cd "$(dirname "$0")/.." && pwd)/src}

declare -A floor=(
  [basic]=1
  [platform]=2
  [import]=3 [webview]=3
  [window]=4
  [render]=5
  [poi]=6 [routes]=6 [prefs]=6
  [core]=7
)

status=0
for dir in "$src"/*/; do
  folder=$(basename "$dir")
  if [ -z "${floor[$folder]:-}" ]; then
    echo "src/$folder: a folder without a floor (add it to scripts/check_includes.sh)"
    status=1
    continue
  fi
  # Every quoted include of a header in a folder of src/.
  while IFS=: read -r file line text; do
    [[ $text =~ \"([^/\"]+)/ ]] || continue
    target=${BASH_REMATCH[1]}
    [ "$target" = "$folder" ] && continue
    [ -d "$src/$target" ] || continue
    if [ -z "${floor[$target]:-}" ] || [ "${floor[$target]}" -ge "${floor[$folder]}" ]; then
      echo "${file#"$src"/}:$line: src/$folder (floor ${floor[$folder]}) includes src/$target (floor ${floor[$target]:-none})"
      status=1
    fi
  done < <(grep -nHE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"[^/"]+/' "$dir"* 2>/dev/null || true)
done
[ "$status" -eq 0 ] && echo "includes: every folder includes only the floors below it"
exit "$status"
