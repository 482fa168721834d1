#!/usr/bin/env bash
# Runs one Windows program under Wine on a private Xvfb screen, in a
# throwaway Wine prefix, with a Chinese locale as on the target systems.
#
#   wine-run.sh --prefix DIR [--template TDIR] [--screen WxH] [--use-display] program.exe [args...]
#   wine-run.sh --prefix DIR [--template TDIR] [--screen WxH] command [args...]   (a shell
#     command that starts Windows programs itself, with DISPLAY and WINEPREFIX set)
#
# Without --template the prefix DIR is kept between runs (made on first
# use). With --template, DIR is made anew for this run as a copy of the
# prepared prefix TDIR (itself made on first use): every run then starts
# from the same clean registry and files, and runs in prefixes of their own
# do not disturb each other, so they can run side by side.
#
# --use-display runs on the current X display when there is one instead of
# a private Xvfb screen (for watching a demonstration).
#
# Everything started here (Xvfb, the prefix's wineserver) is ended on exit,
# also when the program fails or the script is interrupted. Only the
# wineserver of our own prefix is killed.
set -uo pipefail

prefix=""
template=""
screen="${TAVREL_SCREEN:-1024x738}"
use_display=0
while [ $# -gt 0 ]; do
  case "$1" in
    --prefix) prefix="$2"; shift 2 ;;
    --template) template="$2"; shift 2 ;;
    --screen) screen="$2"; shift 2 ;;
    --use-display) use_display=1; shift ;;
    --) shift; break ;;
    *) break ;;
  esac
done
[ -n "$prefix" ] || { echo "wine-run: --prefix is required" >&2; exit 2; }
[ $# -gt 0 ] || { echo "wine-run: no program given" >&2; exit 2; }

mkdir -p "$(dirname "$prefix")"
prefix="$(cd "$(dirname "$prefix")" && pwd)/$(basename "$prefix")"

export WINEPREFIX="$prefix"
export WINEDEBUG="${WINEDEBUG:--all}"
# No Mono or Gecko prompts, and no Linux menu entries for the links the
# tests write.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8
# Crisp, un-smoothed text as on the target desktops (see the file).
export FONTCONFIG_FILE="$(cd "$(dirname "$0")" && pwd)/wine/fonts.conf"

# Where the kernel cannot run 32-bit programs, Debian's `wine` still picks
# the 32-bit loader when it is installed and fails: every program then goes
# to the 64-bit loader, and the tests hear that the other word size cannot
# run (TAVREL_NO_32BIT).
shim=""
if ! bash "$(dirname "$0")/runs-32bit.sh"; then
  shim="$(mktemp -d)"
  printf '#!/bin/sh\nexport WINELOADER=/usr/lib/wine/wine64\nexec /usr/lib/wine/wine64 "$@"\n' > "$shim/wine"
  chmod +x "$shim/wine"
  export PATH="$shim:$PATH" WINELOADER=/usr/lib/wine/wine64 TAVREL_NO_32BIT=1
fi

xvfb_pid=""
cleanup() {
  wineserver -k >/dev/null 2>&1 || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" >/dev/null 2>&1
  [ -n "$xvfb_pid" ] && wait "$xvfb_pid" 2>/dev/null
  [ -n "${fdfile:-}" ] && rm -f "$fdfile"
  [ -n "$shim" ] && rm -rf "$shim"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

if [ "$use_display" = 1 ] && [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  :
else
fdfile="$(mktemp)"
Xvfb -displayfd 3 -screen 0 "${screen}x24" -nolisten tcp 3>"$fdfile" >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do
  [ -s "$fdfile" ] && break
  sleep 0.05
done
[ -s "$fdfile" ] || { echo "wine-run: Xvfb did not start" >&2; exit 3; }
export DISPLAY=":$(head -n1 "$fdfile")"
fi

# A prefix is prepared once (wineboot takes a while); a lock keeps two runs
# from preparing the same one at the same time.
prepare_prefix() {
  (
    flock 9
    if [ ! -f "$1/system.reg" ]; then
      WINEPREFIX="$1" wineboot -i >/dev/null 2>&1
      WINEPREFIX="$1" wineserver -w
      set_desktop "$1" "$default_screen"
      # A program that crashes is ended with its backtrace on the console
      # instead of staying behind a crash dialog nobody can answer.
      WINEPREFIX="$1" wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f \
        >/dev/null 2>&1
      WINEPREFIX="$1" wineserver -w
    fi
  ) 9>"$1.lock"
}

# Every program runs inside one Wine virtual desktop of the screen's size:
# Wine then keeps the stacking of all windows itself, as Windows does,
# instead of leaving it to an X server without a window manager.
default_screen=1024x738
set_desktop() {
  if [ "$(cat "$1/.tavrel-desktop" 2>/dev/null)" != "$2" ]; then
    WINEPREFIX="$1" wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /t REG_SZ /d Default /f >/dev/null 2>&1
    WINEPREFIX="$1" wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /t REG_SZ /d "$2" /f >/dev/null 2>&1
    WINEPREFIX="$1" wineserver -w
    echo "$2" > "$1/.tavrel-desktop"
  fi
}

# A copy of a prepared prefix: the program files (never written by a test)
# are hard links, everything else (registry, settings, folders) is copied.
copy_prefix() {
  local from="$1" to="$2"
  local modules=( -iname '*.dll' -o -iname '*.exe' -o -iname '*.drv' -o -iname '*.sys' -o -iname '*.ocx'
                  -o -iname '*.cpl' -o -iname '*.acm' -o -iname '*.tlb' -o -iname '*.ax' -o -iname '*.ds'
                  -o -iname '*.nls' -o -iname '*.com' )
  rm -rf "$to"
  mkdir -p "$to"
  (cd "$from" && find . -type d -print0 | (cd "$to" && xargs -0 mkdir -p))
  (cd "$from" && find . -type f \( "${modules[@]}" \) -print0 | xargs -0 -r cp -l --parents -t "$to")
  (cd "$from" && find . ! -type d ! \( -type f \( "${modules[@]}" \) \) -print0 |
     xargs -0 -r cp -a --parents -t "$to")
}

if [ -n "$template" ]; then
  mkdir -p "$(dirname "$template")"
  template="$(cd "$(dirname "$template")" && pwd)/$(basename "$template")"
  prepare_prefix "$template"
  copy_prefix "$template" "$prefix"
else
  prepare_prefix "$prefix"
fi
set_desktop "$prefix" "$screen"

case "$1" in
  *.exe|*.EXE) wine "$@" ;;
  *) "$@" ;;
esac
status=$?
exit $status
