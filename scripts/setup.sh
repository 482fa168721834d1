#!/usr/bin/env bash
# Installs everything that builds, runs and tests Tavrel on Debian 12.
# Idempotent: when everything is present it only checks and returns.
set -euo pipefail

SUDO=""
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || { echo "setup: run as root or install sudo" >&2; exit 1; }
  SUDO="sudo"
fi

packages=(
  cmake make ninja-build ccache g++ pkg-config
  g++-mingw-w64-i686 g++-mingw-w64-x86-64
  wine wine64 fonts-wine
  fonts-wqy-microhei
  locales xvfb xauth x11-utils imagemagick
  googletest
  libjpeg-dev dpkg-dev
  git zip unzip clang-format
)

# The 32-bit Wine only where the kernel runs 32-bit programs: elsewhere it
# could never start, and its i386 libraries are often the first to be out
# of step on a mirror that is being synchronised.
if bash "$(dirname "$0")/runs-32bit.sh"; then
  packages+=(wine32)
fi

missing=()
for p in "${packages[@]}"; do
  case "$p" in
    wine32) q="wine32:i386" ;;
    *) q="$p" ;;
  esac
  dpkg-query -W -f='${Status}' "$q" 2>/dev/null | grep -q "install ok installed" || missing+=("$q")
done

if [ ${#missing[@]} -gt 0 ]; then
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    $SUDO dpkg --add-architecture i386
  fi
  echo "setup: installing ${missing[*]}"
  # A mirror in the middle of a synchronisation fails some index files; the
  # others still serve, so only a failing install stops the set-up.
  $SUDO apt-get update -qq || echo "setup: apt-get update reported errors; installing from what it has" >&2
  apt_install() {
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "$@" >/dev/null
  }
  if ! apt_install "${missing[@]}"; then
    # A security suite whose i386 list failed to download offers newer
    # amd64 libraries than i386 ones, and the 32-bit Wine, which needs both
    # at one version, cannot be installed. The release's own suite has the
    # two in step: prefer it for this install.
    suite="$(. /etc/os-release && echo "${VERSION_CODENAME:-}")"
    [ -n "$suite" ] || exit 1
    echo "setup: installing again from $suite, whose word sizes are in step"
    apt_install -t "$suite" "${missing[@]}"
  fi
fi

# Wine needs the Chinese locale generated, or it mangles every Chinese text.
if ! locale -a 2>/dev/null | grep -qi '^zh_CN\.utf-\?8$'; then
  echo "setup: generating zh_CN.UTF-8"
  $SUDO sed -i 's/^# *\(zh_CN\.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^zh_CN.UTF-8 UTF-8' /etc/locale.gen || echo 'zh_CN.UTF-8 UTF-8' | $SUDO tee -a /etc/locale.gen >/dev/null
  $SUDO locale-gen >/dev/null
fi

# libjpeg is the program's one library. The Windows builds compile it from
# Debian's own source package (into each build tree, statically); the source
# is fetched once into third_party/, which is not part of the repository.
jpeg_cache="$(cd "$(dirname "$0")/.." && pwd)/third_party/libjpeg-turbo"
if [ ! -f "$jpeg_cache/src/CMakeLists.txt" ]; then
  # Source entries beside the machine's own binary ones, same addresses.
  src_list=/etc/apt/sources.list.d/tavrel-deb-src.sources
  if ! grep -rqsE '^(Types:.*deb-src|deb-src )' /etc/apt/sources.list /etc/apt/sources.list.d/; then
    echo "setup: adding Debian source entries"
    tmp="$(mktemp)"
    for f in /etc/apt/sources.list.d/*.sources; do
      [ -f "$f" ] || continue
      grep -q 'debian' "$f" || continue
      sed -E 's/^Types:[[:space:]]*deb[[:space:]]*$/Types: deb-src/' "$f" >> "$tmp"
      echo >> "$tmp"
    done
    if [ -f /etc/apt/sources.list ]; then
      sed -nE 's/^deb[[:space:]]+(.*debian.*)$/deb-src \1/p' /etc/apt/sources.list > "$tmp.list"
    fi
    if [ -s "$tmp" ]; then
      $SUDO install -m 0644 "$tmp" "$src_list"
    elif [ -s "$tmp.list" ]; then
      $SUDO install -m 0644 "$tmp.list" "${src_list%.sources}.list"
    else
      echo "setup: found no Debian apt source to take the source address from" >&2
      exit 1
    fi
    rm -f "$tmp" "$tmp.list"
    $SUDO apt-get update -qq || echo "setup: apt-get update reported errors; going on with what it has" >&2
  fi
  echo "setup: fetching the libjpeg-turbo source package"
  rm -rf "$jpeg_cache"
  mkdir -p "$jpeg_cache"
  if ! (cd "$jpeg_cache" && apt-get source -qq libjpeg-turbo >/dev/null 2>&1); then
    $SUDO apt-get update -qq || true
    (cd "$jpeg_cache" && apt-get source -qq libjpeg-turbo >/dev/null)
  fi
  dir="$(find "$jpeg_cache" -mindepth 2 -maxdepth 2 -name CMakeLists.txt -printf '%h\n' | head -n1)"
  [ -n "$dir" ] || { echo "setup: the libjpeg-turbo source has no CMakeLists.txt" >&2; exit 1; }
  ln -sfn "$(basename "$dir")" "$jpeg_cache/src"
fi
