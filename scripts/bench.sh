#!/usr/bin/env bash
# Builds the benchmarks and runs them under Wine on a virtual display, printing each figure next
# to its floor measured in the same run (medians, with the fastest and slowest run). Not part of
# the tests: the machines are shared and noisy, so only the ratios mean something.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-dependencies.sh
cmake --preset windows >/dev/null
cmake --build --preset windows --target benchmarks

export WINEPREFIX="$PWD/build/windows/wineprefix" WINEDEBUG=-all
mkdir -p "$WINEPREFIX"
bench=build/windows/bench
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  set -e
  wineserver -p || true  # already running is fine
  wineboot </dev/null >/dev/null 2>&1
  bench='"$bench"'
  echo "== Buttons"
  wine $bench/ui_bench.exe
  echo
  echo "== Start-up"
  wine $bench/startup_bench.exe build/windows/UpVelmora.exe $bench/minimal_window.exe 9
  echo
  echo "== Start-up at 144 DPI (150 %)"
  tests/run-at-dpi.sh 144 $bench/startup_bench.exe build/windows/UpVelmora.exe $bench/minimal_window.exe 9
  echo
  echo "== Update"
  mkdir -p "$WINEPREFIX/drive_c/bench"
  for size in "2.4 5" "24 5" "240 3"; do
    set -- $size
    wine $bench/update_bench.exe "C:\\bench" "$1" "$2"
  done
  wineserver -k || true
'

echo
echo "== Size"
payload_size() {
  # The payload the build carried: the stand-in unless VELMORA_PAYLOAD was given.
  local payload
  payload=$(grep -E "^VELMORA_PAYLOAD:" build/windows/CMakeCache.txt | cut -d= -f2)
  [ -n "$payload" ] || payload=build/windows/standin/Velmora.exe
  stat -c %s "$payload"
}
updater=$(stat -c %s build/windows/UpVelmora.exe)
payload=$(payload_size)
minimal=$(stat -c %s $bench/minimal_window.exe)
own=$((updater - payload))
printf "%-46s %9d KB   floor %9d KB   ratio %.2fx   goal: under 600 KB\n" "UpVelmora.exe without its payload" \
  $((own / 1024)) $((minimal / 1024)) "$(echo "$own / $minimal" | bc -l)"
echo "Sections of UpVelmora.exe (bytes in the file), and of the minimal program:"
for exe in build/windows/UpVelmora.exe $bench/minimal_window.exe; do
  echo "  $(basename "$exe"):"
  x86_64-w64-mingw32-objdump -h "$exe" | while read -r index name size _; do
    if [[ "$index" =~ ^[0-9]+$ ]]; then printf "    %-8s %10d\n" "$name" $((16#$size)); fi
  done
done
