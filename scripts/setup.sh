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
  cmake make g++ pkg-config
  g++-mingw-w64-i686 g++-mingw-w64-x86-64
  wine wine32 wine64 fonts-wine
  fonts-wqy-microhei
  locales xvfb xauth x11-utils imagemagick
  googletest
)

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
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# Wine needs the Chinese locale generated, or it mangles every Chinese text.
if ! locale -a 2>/dev/null | grep -qi '^zh_CN\.utf-\?8$'; then
  echo "setup: generating zh_CN.UTF-8"
  $SUDO sed -i 's/^# *\(zh_CN\.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^zh_CN.UTF-8 UTF-8' /etc/locale.gen || echo 'zh_CN.UTF-8 UTF-8' | $SUDO tee -a /etc/locale.gen >/dev/null
  $SUDO locale-gen >/dev/null
fi
