#!/usr/bin/env bash
# Runs a Windows program under Wine with a prefix kept inside the build tree.
# WINEPREFIX may be set by the caller; otherwise the prefix lives at <build tree>/wineprefix.
#
# A test that cannot run fails the run: GoogleTest counts a skipped test as passed, so when the
# program is a test program and any of its tests skipped, the runner prints them and fails,
# whatever the program answered. The one exception is a skip that CI's machine is known to need,
# named (suite.test) in known_skips below with its reason. There is none today: CI runs as root,
# so the 1 MiB drive of the full-disk test mounts; fonts-wine brings the bitmap "MS Sans Serif"
# the font test adds; a processor without SHA extensions runs the portable compression in their
# place and says so; the tests that refuse to change a real machine do not refuse under Wine.
set -euo pipefail
known_skips=()
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

log=$(mktemp)
trap 'rm -f "$log"' EXIT
set +e
wine "$exe" "$@" | tee "$log"
status=${PIPESTATUS[0]}
set -e

# GoogleTest reports each skip as "[  SKIPPED ] Suite.Test (N ms)" when it happens.
unexpected=()
while read -r name; do
  [ -n "$name" ] || continue
  for known in "${known_skips[@]}"; do
    [ "$name" = "$known" ] && continue 2
  done
  unexpected+=("$name")
done < <(tr -d '\r' <"$log" | sed -n 's/^\[  SKIPPED \] \([^ ]*\) ([0-9]* ms)$/\1/p' | sort -u)
if [ "${#unexpected[@]}" -gt 0 ]; then
  echo
  echo "wine-run.sh: ${#unexpected[@]} test(s) skipped under Wine, which fails the run (see the reasons above):"
  printf '  %s\n' "${unexpected[@]}"
  [ "$status" -ne 0 ] || status=1
fi
exit "$status"
