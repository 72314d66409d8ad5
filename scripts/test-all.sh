#!/usr/bin/env bash
# Builds everything and runs every test on a fresh Debian 12 machine:
#   1. the Win32-free code natively, under AddressSanitizer and UndefinedBehaviorSanitizer, and a
#      bounded libFuzzer run (20 s each) over the version text, registry values and window
#      descriptions;
#   2. the Windows build (MinGW-w64, static, 64-bit) and its tests under Wine, on a virtual X
#      display, with one Wine prefix inside the build tree; among them the release checks:
#      imports and hardening, a signed copy, planted DLLs, faults, and a second build of the
#      release zip that must give the same bytes; and the libraries installed into a scratch
#      prefix, with the program in examples/ built from there and run;
#   3. the same tree built by a second compiler, clang with lld, and its unit test programs under
#      Wine (the end-to-end and release tests run once, with the GCC build).
# Every build turns compiler warnings into errors.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-dependencies.sh

echo "== Native build (sanitizers)"
cmake --preset native -DVELMORA_WARNINGS_AS_ERRORS=ON
cmake --build --preset native
ctest --preset native

echo "== Fuzzing (bounded)"
cmake --preset fuzz -DVELMORA_WARNINGS_AS_ERRORS=ON
cmake --build --preset fuzz
ctest --preset fuzz

echo "== Windows build"
cmake --preset windows -DVELMORA_WARNINGS_AS_ERRORS=ON
cmake --build --preset windows

echo "== Windows build with clang"
cmake --preset windows-clang -DVELMORA_WARNINGS_AS_ERRORS=ON
cmake --build --preset windows-clang

echo "== Windows tests under Wine"
export WINEPREFIX="$PWD/build/windows/wineprefix" WINEDEBUG=-all
# The clang build's tests have a prefix of their own: their fixtures set up drives in the prefix
# of their build tree.
export CLANG_WINEPREFIX="$PWD/build/windows-clang/wineprefix"
mkdir -p "$WINEPREFIX" "$CLANG_WINEPREFIX"
# One X display and one warm wineserver for the whole run: every Wine process start is costly.
# wineboot makes the prefix on that display: one made without a display fails the first window
# that a program with another locale creates (see "Notes on Wine" in the README).
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  wineserver -p
  wineboot </dev/null >/dev/null 2>&1
  status=0
  ctest --preset windows || status=$?
  echo "== Unit tests of the clang build under Wine"
  WINEPREFIX="$CLANG_WINEPREFIX" ctest --preset windows-clang || status=$?
  WINEPREFIX="$CLANG_WINEPREFIX" wineserver -k || true
  wineserver -k || true
  exit $status'
