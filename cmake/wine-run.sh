#!/usr/bin/env bash
# Runs a Windows program under Wine with a prefix kept inside the build tree.
# WINEPREFIX may be set by the caller; otherwise the prefix lives beside the program's build tree.
set -euo pipefail
exe="$1"; shift
if [ -z "${WINEPREFIX:-}" ]; then
  dir=$(cd "$(dirname "$exe")" && pwd)
  # Walk up to the build tree's root (the folder holding CMakeCache.txt).
  while [ "$dir" != "/" ] && [ ! -f "$dir/CMakeCache.txt" ]; do dir=$(dirname "$dir"); done
  [ "$dir" = "/" ] && dir=$(cd "$(dirname "$exe")" && pwd)
  export WINEPREFIX="$dir/wineprefix"
fi
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  # Several test programs may start at once: only one of them creates the prefix.
  mkdir -p "$WINEPREFIX"
  (
    flock 9
    [ -f "$WINEPREFIX/system.reg" ] || wineboot -i >/dev/null 2>&1

  ) 9>"$WINEPREFIX.lock"
fi
exec wine "$exe" "$@"
