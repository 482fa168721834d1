#!/usr/bin/env bash
# Builds Tavrel three ways and runs every test:
#   host   the portable rules, natively, under ASan and UBSan
#   win32  the 32-bit program and its tests under Wine (primary target)
#   win64  the 64-bit program and its tests under Wine
# Before that it checks that the source folders include each other in one
# direction only (scripts/layers.sh) and that every source is laid out as
# the committed .clang-format says.
#
# Builds use Ninja with the machine's cores and, when the machine has it,
# ccache; the Wine tests run side by side, each in a prefix and on an X
# screen of its own.
#
# On a machine whose kernel cannot run 32-bit programs the 32-bit Wine
# cannot start: there the win32 build is still made in full (program, tools
# and tests), its tests are listed but not run, and this is said loudly at
# the end; the win64 tests run the same code as ever.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh

echo "== layers =="
bash scripts/layers.sh

# The sources as the committed .clang-format lays them out.
echo "== format =="
git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run -Werror

jobs="$(nproc)"
unrun=""
for preset in host win32 win64; do
  echo "== $preset =="
  # A tree configured by an older generator is configured anew.
  cache="build/$preset/CMakeCache.txt"
  if [ -f "$cache" ] && ! grep -qx 'CMAKE_GENERATOR:INTERNAL=Ninja' "$cache"; then
    rm -rf "$cache" "build/$preset/CMakeFiles"
  fi
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
  if [ "$preset" = win32 ] && ! bash scripts/runs-32bit.sh; then
    ctest --preset "$preset" -N
    unrun="$preset"
    continue
  fi
  ctest --preset "$preset" -j "$jobs"
done
if [ -n "$unrun" ]; then
  echo "== NOTE: this machine cannot run 32-bit programs; the $unrun tests were built, not run =="
fi
