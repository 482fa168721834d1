#!/usr/bin/env bash
# Prints which folder of src/ includes which (with the number of includes)
# and fails when the folders include each other in a circle, or when a
# folder includes one that stands above it in the layer order below (the
# order CONVENTIONS.md gives; a folder may include only itself and the
# folders before it).
set -euo pipefail
cd "$(dirname "$0")/../src"

order=(common resources desktop patterns core styling textlayouts tweaks windows app)

edges="$(grep -rHoE '^#include "[a-z_]+/' --include='*.h' --include='*.cpp' . |
  sed -E 's#^\./([a-z_]+)/[^:]*:\#include "([a-z_]+)/#\1 \2#' |
  awk '$1 != $2' | sort | uniq -c)"

echo "$edges" | awk '{ printf "%-12s -> %-12s %3d\n", $2, $3, $1 }'

status=0
loops="$(mktemp)"
if ! echo "$edges" | awk '{ print $3, $2 }' | tsort >/dev/null 2>"$loops"; then
  echo "layers: the folders include each other in a circle:" >&2
  sed "s/^/  /" "$loops" >&2
  status=1
fi
rm -f "$loops"

rank() {
  local i
  for i in "${!order[@]}"; do
    [ "${order[$i]}" = "$1" ] && { echo "$i"; return; }
  done
  echo -1
}
while read -r _ from to; do
  [ -n "$from" ] || continue
  rf="$(rank "$from")"
  rt="$(rank "$to")"
  if [ "$rf" -lt 0 ] || [ "$rt" -lt 0 ]; then
    echo "layers: $from -> $to: a folder not in the layer order (scripts/layers.sh, CONVENTIONS.md)" >&2
    status=1
  elif [ "$rt" -gt "$rf" ]; then
    echo "layers: $from includes $to, which stands above it" >&2
    grep -rlE "^#include \"$to/" --include='*.h' --include='*.cpp' "$from" | sed 's/^/  /' >&2
    status=1
  fi
done <<< "$edges"
exit $status
