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
wine_regsvr32 /s "$bin/Tessivar.dll" || { echo "regsvr32 failed" >&2; exit 1; }
wine_share_user_classes

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2) }'; }

# measure LABEL [PPT-HOST OPTION...]
measure() {
  local label=$1 i phase
  shift
  for ((i = 0; i < processes; ++i)); do
    wine_exec "$bin/ppt-host.exe" "$@" --report "$work/report.txt" "$work/doc.xml" ||
      { echo "ppt-host failed: $(tr "\n" " " <"$work/report.txt")" >&2; exit 1; }
    grep '^median_us=' "$work/report.txt" | cut -d= -f2
  done >"$work/cold.txt"
  echo "$label: cold start, one per process ($processes processes): median $(median <"$work/cold.txt") us"
  wine_exec "$bin/ppt-host.exe" "$@" --repeat "$rounds" --report "$work/report.txt" "$work/doc.xml" ||
    { echo "ppt-host failed: $(grep -v "=0x00000000" "$work/report.txt" | tr "\n" " ")" >&2; exit 1; }
  for phase in median_us median_create_us median_connect_us median_getcustomui_us; do
    echo "$label: $rounds rounds in one process, $phase $(grep "^$phase=" "$work/report.txt" | cut -d= -f2)"
  done
}

# A bare test host, and one that, like PowerPoint, has the shell and common controls loaded
# long before it loads add-ins.
measure "bare host"
measure "shell loaded" --preload shell32.dll --preload comctl32.dll
