#!/usr/bin/env bash
# Takes a picture of the settings window under Wine for the documentation, in the user language
# of a culture name (en-US unless given).
# usage: screenshot.sh BIN-FOLDER OUTPUT.png [About] [CULTURE]   (runs its own xvfb-run)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
if [[ -z ${QUILLMERE_SCREENSHOT_INNER:-} ]]; then
  QUILLMERE_SCREENSHOT_INNER=1 exec xvfb-run -a -s "-screen 0 800x600x24" "$0" "$@"
fi
bin=$(cd "$1" && pwd)
output=$(realpath "$2")
tab=
[[ ${3:-} == About ]] && { tab=About; shift; }
culture=${3:-en-US}
# Wine takes the user's language from the locale.
export LANG=${culture/-/_}.UTF-8 LC_ALL=${culture/-/_}.UTF-8
source "$here/../../../tests/wine/wine_prefix.sh"
wine_prefix_new
mkdir -p "$WINEPREFIX/drive_c/Quillmere"
cp "$bin/Quillmere.exe" "$WINEPREFIX/drive_c/Quillmere/"
commands=(start 'C:\Quillmere\Quillmere.exe' window)
[[ $tab == About ]] && commands+=(tab 1)
wine_exec "$bin/panel-driver.exe" 'C:\out.txt' "${commands[@]}" sleep 800
geometry=$(xdotool search --onlyvisible --name '^Quillmere$' getwindowgeometry --shell | tr '\n' ' ')
eval "$geometry"
import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$output"
wine_exec "$bin/panel-driver.exe" 'C:\out.txt' close
echo "wrote $output (${WIDTH}x${HEIGHT})"
