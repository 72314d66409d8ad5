#!/usr/bin/env bash
# Runs a Windows test program under Wine with the display at DPI pixels per inch:
#   run-at-dpi.sh DPI PROGRAM [ARGS...]
# Wine reports one DPI to every process of a prefix, the LogPixels value of
# HKCU\Control Panel\Desktop read when a process starts; so the value is set before the program
# starts, and set back to 96 however the run ends. Nothing else may run in the prefix meanwhile
# (ctest: RUN_SERIAL). The program finds the DPI it was meant to run at in VELMORA_EXPECT_DPI.
set -euo pipefail
dpi="$1"; shift
program="$1"
runner="$(cd "$(dirname "$0")/.." && pwd)/cmake/wine-run.sh"

if [ -z "${WINEPREFIX:-}" ]; then
  # The prefix of the program's build tree, as the runner finds it.
  dir=$(cd "$(dirname "$program")" && pwd)
  while [ "$dir" != "/" ] && [ ! -f "$dir/CMakeCache.txt" ]; do dir=$(dirname "$dir"); done
  [ "$dir" = "/" ] && dir=$(cd "$(dirname "$program")" && pwd)
  export WINEPREFIX="$dir/wineprefix"
fi

set_dpi() {
  "$runner" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null
}
trap 'set_dpi 96' EXIT
set_dpi "$dpi"
VELMORA_EXPECT_DPI="$dpi" "$runner" "$@"
