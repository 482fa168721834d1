#!/usr/bin/env bash
# Builds Tavrel three ways and runs every test:
#   host   the portable rules, natively, under ASan and UBSan
#   win32  the 32-bit program and its tests under Wine (primary target)
#   win64  the 64-bit program and its tests under Wine
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh

for preset in host win32 win64; do
  echo "== $preset =="
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
  ctest --preset "$preset"
done
