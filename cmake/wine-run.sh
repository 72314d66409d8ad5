#!/usr/bin/env bash
# Runs a Windows program under Wine with a prefix kept inside the build tree.
# WINEPREFIX may be set by the caller; otherwise the prefix lives at <build tree>/wineprefix.
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

# Wine's own background processes (wineserver, services.exe and friends) outlive the program
# that starts them. Started by the program they would inherit the caller's output pipe, and
# ctest, which waits for that pipe to close, would hang. So wineboot starts them first, detached
# from our output (making the prefix if it does not exist yet), and the server stays for a minute
# after the last program ends.
mkdir -p "$WINEPREFIX"
wineserver -p60 </dev/null >/dev/null 2>&1 || true
wineboot </dev/null >/dev/null 2>&1
exec wine "$exe" "$@"
