#!/usr/bin/env bash
# Times the control panel under Wine: from starting Quillmere.exe to its window being visible,
# and from pressing OK (box 0 checked: save, regsvr32 on Tessivar.dll, PowerPoint started) to
# the program's end. Prints the median and range of RUNS runs in one prefix.
# usage: measure.sh BIN-FOLDER [RUNS]   (runs its own xvfb-run)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
if [[ -z ${QUILLMERE_MEASURE_INNER:-} ]]; then
  QUILLMERE_MEASURE_INNER=1 exec xvfb-run -a "$0" "$@"
fi
bin=$(cd "$1" && pwd)
runs=${2:-11}
source "$here/../../../tests/wine/wine_prefix.sh"
wine_prefix_new
mkdir -p "$WINEPREFIX/drive_c/Quillmere"
cp "$bin/Quillmere.exe" "$bin/Tessivar.dll" "$WINEPREFIX/drive_c/Quillmere/"
out=$WINEPREFIX/drive_c/out.txt
shown=() saved=()
for ((i = 0; i < runs; i++)); do
  wine_exec "$bin/panel-driver.exe" 'C:\out.txt' start 'C:\Quillmere\Quillmere.exe' window elapsed mark ok exit \
    elapsed
  shown+=("$(sed -n 's/^elapsed //p' "$out" | tr -d '\r' | sed -n 1p)")
  saved+=("$(sed -n 's/^elapsed //p' "$out" | tr -d '\r' | sed -n 2p)")
done
summary() {
  sort -n | awk '{ v[NR] = $1 } END { printf "median %d ms (min %d, max %d, %d runs)\n", v[int((NR + 1) / 2)], v[1], v[NR], NR }'
}
echo "start to visible window: $(printf '%s\n' "${shown[@]}" | summary)"
echo "OK to program end:       $(printf '%s\n' "${saved[@]}" | summary)"
