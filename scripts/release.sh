#!/usr/bin/env bash
# The release a user downloads, built from the committed tree: the 32-bit
# tavrel.exe, the 64-bit build as tavrel-x64.exe, a short Chinese read-me
# and a SHA-256 list, packed as dist/tavrel-<version>.zip. The version is
# the version resource's (src/resources/tavrel.rc).
#
# The same commit always gives the same bytes: no link time in the PE
# headers, no build path in any string, every file of the archive dated at
# the commit, in a fixed order, without extra attributes.
#
#   bash scripts/release.sh           # dist/tavrel-<version>.zip
#   bash scripts/release.sh --verify  # builds twice, in two places, the
#                                     # second without the compiler cache,
#                                     # and compares every byte
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
verify=false
case "${1:-}" in
  "") ;;
  --verify) verify=true ;;
  *) echo "usage: scripts/release.sh [--verify]" >&2; exit 2 ;;
esac

bash "$root/scripts/setup.sh"
cd "$root"

commit="$(git rev-parse HEAD)"
if [ -n "$(git status --porcelain --untracked-files=no)" ]; then
  echo "release: building commit ${commit:0:12}; changes not committed are not part of it" >&2
fi
version="$(git show "$commit:src/resources/tavrel.rc" |
  sed -n 's/^#define TAVREL_VERSION_\(MAJOR\|MINOR\|PATCH\|BUILD\) \([0-9][0-9]*\)[[:space:]]*$/\2/p' | paste -sd.)"
if ! [[ "$version" =~ ^[0-9]+\.[0-9]+\.[0-9]+\.[0-9]+$ ]]; then
  echo "release: no version in src/resources/tavrel.rc" >&2
  exit 1
fi
epoch="$(git show -s --format=%ct "$commit")"
jpeg="$(realpath "$root/third_party/libjpeg-turbo/src")"
files=(tavrel.exe tavrel-x64.exe README.txt SHA256SUMS.txt)

work="$(mktemp -d "${TMPDIR:-/tmp}/tavrel-release.XXXXXX")"
trap 'rm -rf "$work"' EXIT

# Exports the commit into $1/tavrel, builds both exes there and packs
# $1/tavrel-<version>.zip.
build() {
  local dir="$1"
  local tree="$dir/tavrel"
  local stage="$dir/stage"
  mkdir -p "$tree" "$stage"
  git archive --format=tar "$commit" | tar -x -C "$tree"
  local preset
  for preset in win32 win64; do
    echo "release: building $preset in $dir"
    if ! (cd "$tree" &&
          cmake --preset "$preset" -DTAVREL_JPEG_SOURCE_DIR="$jpeg" \
            "-DCMAKE_C_FLAGS=-ffile-prefix-map=$tree=tavrel" \
            "-DCMAKE_CXX_FLAGS=-ffile-prefix-map=$tree=tavrel" &&
          cmake --build --preset "$preset" --target tavrel) >"$dir/$preset.log" 2>&1; then
      tail -n 40 "$dir/$preset.log" >&2
      echo "release: the $preset build failed" >&2
      exit 1
    fi
  done
  cp "$tree/build/win32/bin/tavrel.exe" "$stage/tavrel.exe"
  cp "$tree/build/win64/bin/tavrel.exe" "$stage/tavrel-x64.exe"
  # UTF-8 with a byte-order mark and CRLF line ends, as Notepad on
  # Windows 7 needs them.
  { printf '\xEF\xBB\xBF'; sed -e "s/@VERSION@/$version/" -e 's/$/\r/' "$tree/scripts/release/README.txt"; } \
    >"$stage/README.txt"
  (cd "$stage" && sha256sum "${files[@]:0:3}" | sed 's/$/\r/' >SHA256SUMS.txt)
  chmod 0644 "$stage"/*
  touch -d "@$epoch" "$stage"/*
  (cd "$stage" && TZ=UTC zip -X -D -q -9 "$dir/tavrel-$version.zip" "${files[@]}")
}

# The archive lists exactly its four files, and each exe carries the
# version and neither a link time nor a path of its build.
check() {
  local dir="$1"
  local zip="$dir/tavrel-$version.zip"
  unzip -tq "$zip" >/dev/null
  if [ "$(unzip -Z1 "$zip")" != "$(printf '%s\n' "${files[@]}")" ]; then
    echo "release: $zip lists" >&2
    unzip -Z1 "$zip" >&2
    exit 1
  fi
  local exe header stamp
  for exe in "$dir/stage/tavrel.exe" "$dir/stage/tavrel-x64.exe"; do
    header=$(od -An -tu4 -j60 -N4 "$exe" | tr -d ' ')
    stamp=$(od -An -tu4 -j$((header + 8)) -N4 "$exe" | tr -d ' ')
    if [ "$stamp" != 0 ]; then
      echo "release: $exe carries the link time $stamp" >&2
      exit 1
    fi
    # Read to the end (no -q): the pipe must not break under pipefail.
    if ! LC_ALL=C tr -d '\000' <"$exe" | LC_ALL=C grep -caF "FileVersion$version" >/dev/null; then
      echo "release: $exe does not carry the version $version" >&2
      exit 1
    fi
    if LC_ALL=C grep -qaF "$dir" "$exe"; then
      echo "release: $exe names its build folder" >&2
      exit 1
    fi
  done
}

build "$work/a"
check "$work/a"
if $verify; then
  CCACHE_DISABLE=1 build "$work/b"
  check "$work/b"
  for f in stage/tavrel.exe stage/tavrel-x64.exe "tavrel-$version.zip"; do
    if ! cmp "$work/a/$f" "$work/b/$f"; then
      echo "release: two builds of ${commit:0:12} differ in $(basename "$f")" >&2
      exit 1
    fi
  done
  echo "release: two builds of ${commit:0:12} are byte-identical"
fi

mkdir -p "$root/dist"
cp "$work/a/tavrel-$version.zip" "$root/dist/"
unzip -Zl "$root/dist/tavrel-$version.zip"
(cd "$root/dist" && sha256sum "tavrel-$version.zip")
