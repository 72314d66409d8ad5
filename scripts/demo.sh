#!/usr/bin/env bash
# Builds the updater and runs it on a demo installation under Wine: a stand-in Velmora 2.2 in
# "C:\Program Files (x86)\Velmora" of the build's Wine prefix, recorded in the registry as the
# installed product does.
#   With a display ($DISPLAY set): the updater opens and is yours to use.
#   Without one: it walks through the demo by itself on a virtual display and saves screenshots
#   in build/demo/ (PNG).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-dependencies.sh
cmake --preset windows >/dev/null
cmake --build --preset windows

export WINEPREFIX="$PWD/build/windows/wineprefix" WINEDEBUG=-all
mkdir -p "$WINEPREFIX"

if [ -n "${DISPLAY:-}" ]; then
  wineboot >/dev/null 2>&1  # makes the prefix if it does not exist yet
  folder="$WINEPREFIX/drive_c/Program Files (x86)/Velmora"
  mkdir -p "$folder"
  cp build/windows/standin/Velmora.exe "$folder/Velmora.exe"
  wine reg add 'HKLM\Software\Korvand\9' /v CALE /d 'C:\Program Files (x86)\Velmora' /f /reg:32 >/dev/null
  wine reg add 'HKLM\Software\Korvand\9' /v VER /d 'Velmora 2.2' /f /reg:32 >/dev/null
  echo "Demo installation: $folder (recorded as Velmora 2.2)"
  exec wine build/windows/UpVelmora.exe
fi

# No display: the walk-through drives the real updater on the demo installation, as a user would
# (pointer, clicks), and saves what the screen shows.
mkdir -p build/demo
rm -f build/demo/*.bmp build/demo/*.png
xvfb-run -a -s "-screen 0 800x600x24" env VELMORA_SCREENSHOT_DIR="Z:$PWD/build/demo" \
  cmake/wine-run.sh build/windows/tests/e2e_tests.exe \
  --gtest_also_run_disabled_tests --gtest_filter='UpdaterEndToEnd.DISABLED_DemoWalkThrough'
for shot in build/demo/*.bmp; do
  convert "$shot" "${shot%.bmp}.png" && rm "$shot"
done
echo "Screenshots of the walk-through:"
ls -1 build/demo/*.png
