#!/usr/bin/env bash
# Fails when an #include breaks the layering of src/: a folder may include
# itself and folders on lower layers only. Layers, from the bottom:
#   0 system   1 core   2 platform   3 artwork   4 texture_set
#   5 layer_tools, pixel_editor, windows   6 main_window
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
declare -A rank=([system]=0 [core]=1 [platform]=2 [artwork]=3 [texture_set]=4
                 [layer_tools]=5 [pixel_editor]=5 [windows]=5 [main_window]=6)
bad=0
for dir in "$root"/src/*/; do
  from="$(basename "$dir")"
  if [ -z "${rank[$from]+x}" ]; then
    echo "src/$from: a folder with no layer; add it to scripts/check_layers.sh"
    bad=1
    continue
  fi
  while IFS=: read -r file line text; do
    to="$(sed -E 's/.*#include "([a-z_]+)\/.*/\1/' <<<"$text")"
    [ "$to" = "$from" ] && continue
    if [ -z "${rank[$to]+x}" ] || [ "${rank[$to]}" -ge "${rank[$from]}" ]; then
      echo "${file#"$root"/}:$line: $from may not include $to"
      bad=1
    fi
  done < <(grep -rnE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"[a-z_]+/' "$dir" || true)
done
[ "$bad" = 0 ] && echo "layers: every include points down"
exit "$bad"
