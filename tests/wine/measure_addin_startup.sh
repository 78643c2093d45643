#!/usr/bin/env bash
# Measures, under Wine, the time from CoCreateInstance to the returned ribbon document (load,
# connect, assemble) as ppt-host sees it, with default settings. Not part of the test suite:
# timings depend on the machine's load.
# usage: measure_addin_startup.sh BIN_DIR [PROCESSES] [ROUNDS]
#   PROCESSES  separate ppt-host runs, each a cold start of the library (default 20)
#   ROUNDS     load-connect-ask rounds within one run, the library unloaded between (default 200)
set -uo pipefail
bin=$(realpath "$1")
processes=${2:-20}
rounds=${3:-200}
source "$(dirname "$0")/wine_prefix.sh"
work=$(mktemp -d)
trap 'wine_prefix_end; rm -rf "$work"' EXIT

wine_prefix_new
wine_exec regsvr32 /s "$bin/Tessivar.dll" || { echo "regsvr32 failed" >&2; exit 1; }
wine_exec reg copy 'HKCU\Software\Classes' 'HKLM\Software\Classes' /s /f

# PowerPoint has these system DLLs loaded long before it loads add-ins; a bare test host does
# not, and would otherwise count their loading (and, between rounds, unloading) as ours.
host_dlls=(--preload shell32.dll --preload comctl32.dll)

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2) }'; }

for ((i = 0; i < processes; ++i)); do
  wine_exec "$bin/ppt-host.exe" "${host_dlls[@]}" --report "$work/report.txt" "$work/doc.xml" || { echo "ppt-host failed" >&2; exit 1; }
  grep '^median_us=' "$work/report.txt" | cut -d= -f2
done >"$work/cold.txt"
echo "cold start, one per process ($processes processes): median $(median <"$work/cold.txt") us"

wine_exec "$bin/ppt-host.exe" "${host_dlls[@]}" --repeat "$rounds" --report "$work/report.txt" "$work/doc.xml" || exit 1
for phase in median_us median_create_us median_connect_us median_getcustomui_us; do
  echo "$rounds rounds in one process, $phase: $(grep "^$phase=" "$work/report.txt" | cut -d= -f2)"
done
